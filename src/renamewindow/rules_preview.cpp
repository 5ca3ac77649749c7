// The rules window's opening, its preview in the rename window's columns, and its closing.
#include "renamewindow/frm_rules.h"

#include "rename/rename_plan.h"
#include "renamewindow/planned_rows.h"
#include "renamewindow/rename_reports.h"

#include <chrono>
#include <ctime>

namespace tavolin::renamewindow {

namespace {

constexpr std::string_view kNotUtf8 = "UTF-8の名前ではないので変換していません";
constexpr std::string_view kModifiedForTaken = "撮影日時がないので更新日時を使いました";

std::vector<rename::PlannedName> plannedNames(const std::vector<std::string> &baseNames,
                                              const std::vector<std::string> &extensions)
{
    std::vector<rename::PlannedName> names(baseNames.size());
    for (std::size_t row = 0; row < names.size(); ++row)
        names[row] = {baseNames[row], row < extensions.size() ? extensions[row] : std::string()};
    return names;
}

rename::LocalTime localTime(const services::FileFacts &facts)
{
    if (!facts.known())
        return {};
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
            std::chrono::time_point_cast<std::chrono::system_clock::duration>(facts.modified));
    std::tm parts{};
    if (!localtime_r(&seconds, &parts))
        return {};
    return {parts.tm_year + 1900,
            parts.tm_mon + 1,
            parts.tm_mday,
            parts.tm_hour,
            parts.tm_min,
            parts.tm_sec};
}

} // namespace

void FrmRules::Form_Load(const paths::FolderPath &folder)
{
    if (isOpen())
        return;
    m_before = Before{m_columns.baseNames.rows(),
                      m_columns.extensions.rows(),
                      plannedNames(m_columns.baseNames.rows(), m_columns.extensions.rows()),
                      m_columns.current.marks()};
    m_folder = folder;
    m_modified.clear();
    m_taken.clear();
    // The batch's own checks, asked of the folder once rather than on every key.
    if (auto opened = m_services.fs.openForRenaming(folder)) {
        m_plannedFolder = std::make_unique<rename::RememberedFolder>(std::move(*opened));
        m_folderNames = rename::readFolderNames(
                *m_plannedFolder,
                plannedRows(m_columns.current.rows(), m_before->baseNames, m_before->extensions));
    }
    m_preview.drop();
    preview();
    m_problems.settle();
}

void FrmRules::cmdRulesOK_Click()
{
    close(/*keep=*/true);
}

void FrmRules::cmdRulesCancel_Click()
{
    close(/*keep=*/false);
}

bool FrmRules::Form_QueryUnload()
{
    close(/*keep=*/false);
    return true;
}

void FrmRules::close(bool keep)
{
    if (!isOpen())
        return;
    if (keep) {
        m_preview.settle();
        m_problems.settle();
    } else {
        m_preview.drop();
        m_problems.drop();
    }
    const Before before = std::move(*m_before);
    m_before.reset();
    m_plannedFolder.reset();
    m_folderNames = {};
    for (controls::ListBox *list : {&m_columns.baseNames, &m_columns.extensions})
        list->setChangedRows({});
    for (controls::ListBox *list :
         {&m_columns.current, &m_columns.baseNames, &m_columns.extensions})
        list->setNotes({});
    if (!keep) {
        m_columns.baseNames.replaceAll(before.baseNames);
        m_columns.extensions.replaceAll(before.extensions);
        for (controls::ListBox *list :
             {&m_columns.current, &m_columns.baseNames, &m_columns.extensions})
            list->setMarks(before.marks);
    }
    lblSummary.setCaption({});
    window.close();
    closed.emit();
}

void FrmRules::preview()
{
    if (!isOpen()) {
        showFault();
        return;
    }
    const std::vector<rename::PlannedName> &before = m_before->names;
    std::vector<rename::NameStep> steps = m_steps;
    for (std::size_t i = 0; i < steps.size(); ++i)
        steps[i].enabled = steps[i].enabled && m_settingFaults[i].empty();
    m_modifiedForTaken.clear();
    rename::StepsResult result
            = rename::applySteps(before, steps, [this](std::size_t row, rename::DateSource source) {
                  return rowDate(row, source);
              });
    m_lastFaults = std::move(result.stepFaults);

    std::vector<std::string> baseNames(result.names.size());
    std::vector<std::string> extensions(result.names.size());
    std::vector<bool> changed(result.names.size());
    m_changes = 0;
    for (std::size_t row = 0; row < result.names.size(); ++row) {
        changed[row] = result.names[row] != before[row];
        m_changes += changed[row] ? 1 : 0;
        baseNames[row] = std::move(result.names[row].baseName);
        extensions[row] = std::move(result.names[row].extension);
    }
    // A name left as it is for not being UTF-8 is noted, not refused: the batch renames the rest.
    std::map<int, std::string> notes;
    for (const std::size_t row : result.notUtf8)
        notes.emplace(static_cast<int>(row), std::string(kNotUtf8));
    for (const int row : m_modifiedForTaken)
        notes.emplace(row, std::string(kModifiedForTaken));
    m_columns.baseNames.replaceAll(std::move(baseNames));
    m_columns.extensions.replaceAll(std::move(extensions));
    m_columns.baseNames.setChangedRows(changed);
    m_columns.extensions.setChangedRows(std::move(changed));
    for (controls::ListBox *list :
         {&m_columns.current, &m_columns.baseNames, &m_columns.extensions}) {
        list->setMarks({});
        list->setNotes(notes);
    }
    showFault();
    m_problems.ask();
}

void FrmRules::showProblems()
{
    // Names planned meanwhile come first, and ask for their own check.
    if (!isOpen() || m_preview.pending())
        return;
    std::map<int, std::string> marks;
    m_refused = 0;
    if (m_plannedFolder) {
        const rename::RenamePlan plan
                = rename::planRenames(*m_plannedFolder,
                                      m_folderNames,
                                      plannedRows(m_columns.current.rows(),
                                                  m_columns.baseNames.rows(),
                                                  m_columns.extensions.rows()));
        m_refused = static_cast<int>(plan.problems.size());
        marks = rowProblemMarks(plan.problems);
    }
    for (controls::ListBox *list :
         {&m_columns.current, &m_columns.baseNames, &m_columns.extensions})
        list->setMarks(marks);
    // One refused row stops the whole batch, so the count of changes is no promise then.
    std::string summary = "変更する名前 " + std::to_string(m_changes) + "件";
    if (m_refused > 0)
        summary = "変更できない名前 " + std::to_string(m_refused) + "件：直すまで、"
                  + std::to_string(m_changes) + "件のどれも変更しません";
    lblSummary.setCaption(std::move(summary));
}

rename::LocalTime FrmRules::rowDate(std::size_t row, rename::DateSource source)
{
    const std::vector<std::string> &names = m_columns.current.rows();
    if (source == rename::DateSource::PhotoTaken) {
        if (m_taken.empty()) {
            controls::BusyPointer busy(window);
            m_taken.resize(names.size());
            for (std::size_t i = 0; i < names.size(); ++i)
                if (const auto date = m_services.photoDates.dateTaken(m_folder->child(names[i])))
                    m_taken[i] = rename::parseExifDate(*date);
        }
        if (row < m_taken.size() && m_taken[row])
            return *m_taken[row];
        m_modifiedForTaken.insert(static_cast<int>(row));
    }
    if (m_modified.empty()) {
        controls::BusyPointer busy(window);
        const auto facts
                = m_services.fs.fileFacts(*m_folder, names, [](std::size_t) { return true; });
        m_modified.resize(names.size());
        for (std::size_t i = 0; facts && i < names.size() && i < facts->size(); ++i)
            m_modified[i] = localTime((*facts)[i]);
    }
    return row < m_modified.size() && m_modified[row] ? *m_modified[row] : rename::LocalTime{};
}

} // namespace tavolin::renamewindow
