#include "renamewindow/frm_history.h"

#include "rename/batch_recovery.h"
#include "rename/sheet_renames.h"
#include "renamewindow/rename_reports.h"
#include "renamewindow/save_sheet.h"
#include "shared/fs_error_text.h"
#include "shared/progress_texts.h"
#include "shared/sheet_choice.h"
#include "text/utf8.h"

#include <algorithm>
#include <ctime>

namespace tavolin::renamewindow {

namespace {

using services::MessageAnswer;
using services::MessageButtons;

constexpr std::size_t kLaterNamed = 10;
constexpr std::string_view kArrow = " → ";

// When a batch ran, in local time to the minute.
std::string localMinute(std::chrono::system_clock::time_point time)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string_view kindWord(rename::BatchKind kind)
{
    switch (kind) {
    case rename::BatchKind::Batch:
        return "変更";
    case rename::BatchKind::TakingBack:
        return "元に戻す";
    case rename::BatchKind::Settling:
        return "仕上げ";
    }
    return {};
}

std::string_view stateWord(services::JournalState state)
{
    switch (state) {
    case services::JournalState::Complete:
        return "済み";
    case services::JournalState::Undone:
        return "元に戻した";
    case services::JournalState::Running:
        return "途中で終わった";
    case services::JournalState::SetAside:
        break;
    }
    return "読めない記録";
}

// A batch's row: when, what kind, its state, how many files, its folder.
std::string batchRow(const rename::KeptBatch &batch)
{
    const std::string when = localMinute(batch.entry.made);
    if (!batch.readable)
        return when + "  読めない記録";
    return when + "  " + std::string(kindWord(batch.kind)) + "  "
           + std::string(stateWord(batch.entry.state)) + "  " + std::to_string(batch.files) + "個  "
           + text::printableName(batch.folder);
}

} // namespace

FrmHistory::FrmHistory(const services::Services &services,
                       std::function<void(const std::string &)> openFolder)
    : m_services(services)
    , m_openFolder(std::move(openFolder))
{
    lstBatches.clicked.connect([this] { lstBatches_Click(); });
    txtFilter.changed.connect([this] { txtFilter_Change(); });
    cmdOpenFolder.clicked.connect([this] { cmdOpenFolder_Click(); });
    cmdUndoBatch.clicked.connect([this] { cmdUndoBatch_Click(); });
    cmdExport.clicked.connect([this] { cmdExport_Click(); });
    cmdClose.clicked.connect([this] { cmdClose_Click(); });
}

controls::ControlTable FrmHistory::controlTable()
{
    constexpr auto kStartsWork = controls::ControlRole::StartsWork;
    return {{"lstBatches", &lstBatches, kStartsWork},
            {"lblFilter", &lblFilter},
            {"txtFilter", &txtFilter},
            {"lblRenames", &lblRenames},
            {"lstRenames", &lstRenames},
            {"cmdOpenFolder", &cmdOpenFolder, kStartsWork},
            {"cmdUndoBatch", &cmdUndoBatch, kStartsWork},
            {"cmdExport", &cmdExport, kStartsWork},
            {"cmdClose", &cmdClose, kStartsWork}};
}

void FrmHistory::Form_Load()
{
    const std::string shown = selected() ? selected()->entry.id : std::string();
    controls::BusyPointer busy(window);
    m_batches = rename::keptBatches(m_services.journals);
    std::vector<std::string> rows;
    rows.reserve(m_batches.size());
    for (const rename::KeptBatch &batch : m_batches)
        rows.push_back(batchRow(batch));
    lstBatches.assign(std::move(rows));
    // The batch shown before stays shown; else the newest.
    const auto again = std::ranges::find(
            m_batches, shown, [](const rename::KeptBatch &batch) { return batch.entry.id; });
    lstBatches.setSelectedRow(
            again == m_batches.end() ? 0 : static_cast<int>(again - m_batches.begin()));
    showSelected();
}

const rename::KeptBatch *FrmHistory::selected() const
{
    const int row = lstBatches.selectedRow();
    return row >= 0 && row < std::ssize(m_batches) ? &m_batches[static_cast<std::size_t>(row)]
                                                   : nullptr;
}

void FrmHistory::lstBatches_Click()
{
    showSelected();
}

void FrmHistory::txtFilter_Change()
{
    showRenames();
}

void FrmHistory::showSelected()
{
    const rename::KeptBatch *batch = selected();
    m_shown.reset();
    if (batch && batch->readable) {
        const auto text = m_services.journals.read(batch->entry.id);
        m_shown = text ? rename::decodeJournal(*text) : std::nullopt;
    }
    cmdOpenFolder.setEnabled(m_shown.has_value());
    cmdExport.setEnabled(m_shown.has_value());
    // A settling is part of a cut-off batch, which is taken back as a whole; a batch cut off is
    // settled at the next start.
    cmdUndoBatch.setEnabled(m_shown && batch->entry.state == services::JournalState::Complete
                            && batch->kind != rename::BatchKind::Settling);
    showRenames();
}

void FrmHistory::showRenames()
{
    std::vector<std::string> rows;
    const std::string_view filter = txtFilter.text();
    const std::size_t all = m_shown ? m_shown->files.size() : 0;
    for (std::size_t file = 0; file < all; ++file) {
        const rename::JournalFile &renamed = m_shown->files[file];
        std::string row = text::printableName(renamed.oldName) + std::string(kArrow)
                          + text::printableName(renamed.newName);
        if (row.contains(filter))
            rows.push_back(std::move(row));
    }
    lblRenames.setCaption(rows.size() == all ? std::to_string(all) + "件"
                                             : std::to_string(all) + "件中 "
                                                       + std::to_string(rows.size()) + "件");
    lstRenames.assign(std::move(rows));
}

void FrmHistory::cmdOpenFolder_Click()
{
    if (m_shown)
        m_openFolder(m_shown->folder);
}

std::string FrmHistory::undoQuestion(const rename::KeptBatch &batch,
                                     const std::vector<std::string> &later) const
{
    std::string question = "この変更を元に戻しますか？\n" + batchRow(batch);
    if (later.empty())
        return question;
    question = "この後の変更" + std::to_string(later.size())
               + "件が同じファイルの名前を変えています:";
    for (std::size_t i = 0; i < later.size() && i < kLaterNamed; ++i) {
        const auto found = std::ranges::find(
                m_batches, later[i], [](const rename::KeptBatch &kept) { return kept.entry.id; });
        if (found != m_batches.end())
            question += "\n" + batchRow(*found);
    }
    if (later.size() > kLaterNamed)
        question += "\nほか" + std::to_string(later.size() - kLaterNamed) + "件";
    return question + "\n\nそれも新しい順に元に戻してから、この変更を元に戻しますか？\n"
           + batchRow(batch) + "\n（キャンセルで、何もしません）";
}

void FrmHistory::cmdUndoBatch_Click()
{
    const rename::KeptBatch *batch = selected();
    if (!batch || !cmdUndoBatch.enabled())
        return;
    std::vector<std::string> order
            = rename::laterBatchesInForce(m_services.journals, batch->entry.id);
    if (m_services.dialogs.showMessage(
                undoQuestion(*batch, order), services::kProgramName, MessageButtons::OkCancel)
        != MessageAnswer::Ok)
        return;
    order.push_back(batch->entry.id);
    controls::BusyPointer busy(window);
    std::string report;
    {
        const controls::LongWork work(
                m_services.progress, shared::kPuttingNamesBackProgress, window, controlTable());
        for (const std::string &id : order) {
            const rename::RenameOutcome outcome = rename::settleBatch(m_services.fs,
                                                                      m_services.journals,
                                                                      id,
                                                                      rename::Toward::OldNames,
                                                                      rename::Unmovable::LeaveThem,
                                                                      &m_services.progress);
            report += (report.empty() ? "" : "\n\n") + undoReport(outcome);
            if (outcome.end != services::WorkEnd::Done)
                break;
        }
    }
    m_services.dialogs.showMessage(report);
    const std::string folder = m_shown->folder;
    Form_Load();
    folderRenamed.emit(folder);
}

void FrmHistory::cmdExport_Click()
{
    if (!m_shown)
        return;
    const auto choice = m_services.dialogs.askSaveFileName(
            {"変更の一覧.xlsx", "変更の一覧を保存", std::string(shared::kSheetFileTypes)});
    if (!choice)
        return;
    controls::BusyPointer busy(window);
    std::vector<std::string> oldNames, newNames;
    for (const rename::JournalFile &file : m_shown->files) {
        oldNames.push_back(file.oldName);
        newNames.push_back(file.newName);
    }
    if (const auto saved
        = saveSheet(m_services.textFiles, *choice, rename::renameSheet(oldNames, newNames, {}));
        !saved)
        m_services.dialogs.showMessage(shared::describeUnsavedListing(choice->path, saved.error()));
}

void FrmHistory::cmdClose_Click()
{
    window.close();
}

bool FrmHistory::Form_QueryUnload() const
{
    return window.pointer() == controls::MousePointer::Default;
}

} // namespace tavolin::renamewindow
