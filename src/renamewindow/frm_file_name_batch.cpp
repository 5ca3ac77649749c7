// The rename window's batches: the renames themselves and 元に戻す.
#include "renamewindow/frm_file_name.h"

#include "rename/apply_renames.h"
#include "rename/batch_history.h"
#include "rename/batch_recovery.h"
#include "renamewindow/planned_rows.h"
#include "renamewindow/rename_reports.h"
#include "shared/progress_texts.h"

namespace tavolin::renamewindow {

using services::MessageAnswer;
using services::MessageButtons;

namespace {

constexpr std::string_view kFirstConfirmation = "変更を適用してもいい？";
constexpr std::string_view kSecondConfirmation = "ほんとにいいの？";
constexpr std::string_view kRenamedReport = "変更されました。";
constexpr std::string_view kUndoQuestion
        = "このフォルダで最後に変更したファイル名を元に戻しますか？";
constexpr std::string_view kRenaming = "ファイル名を変更しています";
constexpr std::string_view kFolderChanged
        = "フォルダが変わっています。\n「取得」でファイルを読み込み直してから変更してください。"
          "\nファイル名は変更していません。";

// The batch as the window watches it: the progress shows how far it has come, and List1 selects
// the row being renamed (its click takes the planned columns along).
class SelectingObserver final : public rename::ProgressObserver
{
public:
    SelectingObserver(services::Progress &progress, controls::ListBox &rows)
        : ProgressObserver(progress)
        , m_rows(rows)
    {}
    void rowStarted(int row) override { m_rows.setSelectedRow(row); }

private:
    controls::ListBox &m_rows;
};

} // namespace

void FrmFileName::Command1_Click()
{
    auto &dialogs = m_services.dialogs;
    // The whole batch is worked out first: a row that cannot be renamed stops it before any
    // question is asked.
    if (List1.count() > 0 && m_module.strRenamePath == m_scannedPattern
        && showProblems(rename::findRenameProblems(
                m_services.fs,
                scannedFolder().path(),
                plannedRows(List1.rows(), List2[0].rows(), List2[1].rows()))))
        return;
    if (dialogs.showMessage(kFirstConfirmation, services::kProgramName, MessageButtons::OkCancel)
        != MessageAnswer::Ok)
        return;
    if (dialogs.showMessage(kSecondConfirmation, services::kProgramName, MessageButtons::OkCancel)
        != MessageAnswer::Ok)
        return;
    if (List1.count() > 0) {
        // The names were read from the folder of the last scan; the chooser may have named
        // another folder since, and renaming there could touch files nobody listed.
        if (m_module.strRenamePath != m_scannedPattern)
            dialogs.showMessage(kFolderChanged);
        else
            renameAll();
    }
    m_module.flgFileName = ChooserServes::RenameWindow;
}

void FrmFileName::renameAll()
{
    controls::BusyPointer busy(window);
    rename::RenameOutcome outcome;
    {
        const auto work = working(kRenaming);
        SelectingObserver observer(m_services.progress, List1);
        outcome = rename::ApplyRenames(m_services.fs,
                                       scannedFolder().path(),
                                       plannedRows(List1.rows(), List2[0].rows(), List2[1].rows()),
                                       {&m_services.journals},
                                       observer);
    }
    if (showProblems(outcome.problems)) // the folder changed since the questions
        return;
    if (outcome.end == services::WorkEnd::Failed)
        m_services.dialogs.showMessage(refusedRenameReport(outcome));
    else if (outcome.end == services::WorkEnd::Stopped)
        m_services.dialogs.showMessage(stoppedRenameReport(outcome.renamed));
    else if (outcome.renamed > 0)
        m_services.dialogs.showMessage(std::to_string(outcome.renamed)
                                       + std::string(kRenamedReport));
    if (outcome.journalNotClosed)
        m_services.dialogs.showMessage(unclosedJournalReport(outcome));
    // Also after a refused rename: the lists then show the folder as it now is (unless the
    // window is about to close).
    if (!m_closeWhenIdle)
        cmdStart_Click();
}

paths::FolderPath FrmFileName::scannedFolder() const
{
    return paths::FilePattern::parse(style(), m_scannedPattern).folder;
}

bool FrmFileName::showProblems(const std::vector<rename::RowProblem> &problems)
{
    markProblems(rowProblemMarks(problems));
    if (problems.empty())
        return false;
    m_services.dialogs.showMessage(renameProblemsReport(problems));
    return true;
}

void FrmFileName::markProblems(const std::map<int, std::string> &marks)
{
    List1.setMarks(marks);
    List2[0].setMarks(marks);
    List2[1].setMarks(marks);
}

void FrmFileName::clearMarks()
{
    markProblems({});
    List2[0].setChangedRows({});
    List2[1].setChangedRows({});
}

void FrmFileName::cmdUndo_Click()
{
    m_module.flgFileName = ChooserServes::RenameWindow;
    const auto batch = rename::lastUndoableBatch(m_services.journals, scannedFolder().path());
    if (!batch
        || m_services.dialogs.showMessage(
                   kUndoQuestion, services::kProgramName, MessageButtons::OkCancel)
                   != MessageAnswer::Ok)
        return;
    controls::BusyPointer busy(window);
    rename::RenameOutcome outcome;
    {
        const auto work = working(shared::kPuttingNamesBackProgress);
        outcome = rename::settleBatch(m_services.fs,
                                      m_services.journals,
                                      *batch,
                                      rename::Toward::OldNames,
                                      rename::Unmovable::StopAll,
                                      &m_services.progress);
    }
    // A journal that cannot be read is not spoken of here: the next start asks about it.
    if (outcome.end != services::WorkEnd::NotStarted)
        m_services.dialogs.showMessage(undoReport(outcome));
    if (outcome.journalNotClosed)
        m_services.dialogs.showMessage(unclosedJournalReport(outcome));
    if (!m_closeWhenIdle)
        cmdStart_Click();
}

} // namespace tavolin::renamewindow
