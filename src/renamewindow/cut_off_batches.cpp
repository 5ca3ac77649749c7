#include "renamewindow/cut_off_batches.h"

#include "rename/batch_history.h"
#include "rename/batch_recovery.h"
#include "renamewindow/rename_reports.h"
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
            services.dialogs.showMessage(
                    "途中で終わったファイル名の変更の記録を読めませんでした。\n" + entry.id
                    + "\nこの記録には手を付けずに残します。");
            continue;
        }
        const std::string about
                = "ファイル名の変更が途中で終わっています。\nフォルダ: " + journal->folder
                  + "\nファイル: " + std::to_string(journal->files.size()) + "個\n\n";
        rename::Toward toward = rename::Toward::NewNames;
        if (!asked(services.dialogs,
                   about
                           + "最後まで変更しますか？\n（キャンセルで、元の名前に"
                             "戻すかどうかを選べます）")) {
            if (!asked(services.dialogs,
                       about
                               + "元の名前に戻しますか？\n（キャンセルで、今は何も"
                                 "せず、次に起動したときにまた尋ねます）"))
                continue;
            toward = rename::Toward::OldNames;
        }
        std::optional<rename::RenameOutcome> outcome;
        {
            const services::ProgressScope shown(services.progress,
                                                toward == rename::Toward::NewNames
                                                        ? "途中で終わった変更を仕上げています"
                                                        : shared::kPuttingNamesBackProgress);
            outcome = rename::settleBatch(services.fs,
                                          services.journals,
                                          entry.id,
                                          toward,
                                          /*allOrNothing=*/false,
                                          &services.progress);
        }
        if (outcome)
            services.dialogs.showMessage(settleReport(*journal, *outcome, toward));
    }
}

} // namespace tavolin::renamewindow
