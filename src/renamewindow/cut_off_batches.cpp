#include "renamewindow/cut_off_batches.h"

#include "rename/batch_history.h"
#include "rename/batch_recovery.h"
#include "renamewindow/rename_reports.h"
#include "shared/fs_error_text.h"
#include "shared/progress_texts.h"

namespace tavolin::renamewindow {

namespace {

using services::MessageAnswer;
using services::MessageButtons;

bool asked(services::Dialogs &dialogs, const std::string &question)
{
    return dialogs.showMessage(question, services::kProgramName, MessageButtons::OkCancel)
           == MessageAnswer::Ok;
}

} // namespace

void offerToSettleCutOffBatches(const services::Services &services)
{
    for (const services::JournalEntry &entry : services.journals.list()) {
        if (entry.state != services::JournalState::Running)
            continue;
        const auto text = services.journals.read(entry.id);
        const auto journal = text ? rename::decodeJournal(*text) : std::nullopt;
        if (!journal || rename::journalTag(journal->folder, journal->takesBack) != entry.tag) {
            // Said once: set aside, the journal is kept and never asked about again.
            const bool setAside
                    = services.journals.setState(entry.id, services::JournalState::SetAside)
                              .has_value();
            services.dialogs.showMessage(
                    "途中で終わったファイル名の変更の記録を読めませんでした。\n"
                    + services.journals.pathOf(entry.id) + "\n"
                    + (text ? std::string("記録が途中で切れているか、壊れています")
                            : shared::describeFailure(text.error()))
                    + (setAside ? "\nこの記録はこの名前で残し、もう尋ねません。"
                                : "\nこの記録には手を付けずに残します。"));
            continue;
        }
        const std::string about
                = std::string(journal->undoes.empty() ? "ファイル名の変更が途中で終わっています。"
                                                      : "「元に戻す」が途中で終わっています。")
                  + "\nフォルダ: " + journal->folder
                  + "\nファイル: " + std::to_string(journal->files.size()) + "個\n\n";
        // A batch whose journal could not be marked at its end: the files show it is done.
        if (rename::batchIsFinished(services.fs, *journal)) {
            (void)services.journals.setState(entry.id, services::JournalState::Complete);
            services.dialogs.showMessage(about
                                         + "どのファイルも最後まで変更されていました。"
                                           "記録を閉じられなかっただけなので、閉じます。");
            continue;
        }
        const bool undo = !journal->undoes.empty();
        rename::Toward toward = rename::Toward::NewNames;
        if (!asked(services.dialogs,
                   about
                           + (undo ? "最後まで元に戻しますか？\n（キャンセルで、元に戻す前の"
                                     "名前にするかどうかを選べます）"
                                   : "最後まで変更しますか？\n（キャンセルで、元の名前に"
                                     "戻すかどうかを選べます）"))) {
            if (!asked(services.dialogs,
                       about + (undo ? "元に戻す前の名前にしますか？" : "元の名前に戻しますか？")
                               + "\n（キャンセルで、今は何もせず、次に起動したときにまた"
                                 "尋ねます）"))
                continue;
            toward = rename::Toward::OldNames;
        }
        rename::RenameOutcome outcome;
        {
            const bool backToOld = undo == (toward == rename::Toward::NewNames);
            const services::ProgressScope shown(services.progress,
                                                backToOld ? shared::kPuttingNamesBackProgress
                                                          : "途中で終わった変更を仕上げています");
            outcome = rename::settleBatch(services.fs,
                                          services.journals,
                                          entry.id,
                                          toward,
                                          rename::Unmovable::AskAgain,
                                          &services.progress);
        }
        if (outcome.end != services::WorkEnd::NotStarted)
            services.dialogs.showMessage(settleReport(*journal, outcome, toward, undo));
        if (outcome.journalNotClosed)
            services.dialogs.showMessage(unclosedJournalReport(outcome));
    }
}

} // namespace tavolin::renamewindow
