#include "renamewindow/rename_reports.h"

#include "rename/text_steps.h"
#include "shared/fs_error_text.h"

#include <algorithm>

namespace tavolin::renamewindow {

namespace {

constexpr std::size_t kProblemsListed = 20;

} // namespace

std::string describeRowProblem(const rename::RowProblem &problem)
{
    switch (problem.kind) {
    case rename::RowProblemKind::InvalidName:
        return "ファイル名として使えない名前です";
    case rename::RowProblemKind::HiddenName:
        return "「.」で始まる名前は隠しファイルになります";
    case rename::RowProblemKind::TooLong:
        return "名前が長すぎます";
    case rename::RowProblemKind::NotOnThisDisk:
        // What no FAT-family disk holds, or else what this disk's driver cannot store.
        if (services::refusedOnDisk(problem.plannedName, services::DiskNames::Fat))
            return "このディスクでは使えない名前です（\\ / : * ? \" < > | と制御文字、"
                   "最後の「.」や空白）";
        return "このディスクでは使えない名前です（このディスクのドライバーが扱えるのは半角の"
               "英数字と記号だけです）";
    case rename::RowProblemKind::EmptyName:
        return "名前が空です";
    case rename::RowProblemKind::ControlCharacter:
        return "改行やタブなどの制御文字は名前に使えません";
    case rename::RowProblemKind::SameAsAnotherRow:
        return "ほかの行も同じ名前になります";
    case rename::RowProblemKind::TakenByStayingFile:
        // Two names that differ only in how their characters are composed look the same.
        if (const auto composed
            = rename::normalize(problem.plannedName, rename::Normalization::Nfc);
            composed && problem.plannedName != problem.currentName
            && composed == rename::normalize(problem.currentName, rename::Normalization::Nfc))
            return "変更しないファイルがこの名前です（この行の名前と見た目は同じで、Unicodeの"
                   "形（NFC/NFD）だけが違います）";
        return "変更しないファイルかフォルダがこの名前です";
    case rename::RowProblemKind::FileChanged:
        return "ファイルがなくなったか、別のファイルがこの名前になっています";
    }
    return {};
}

std::map<int, std::string> rowProblemMarks(const std::vector<rename::RowProblem> &problems)
{
    std::map<int, std::string> marks;
    for (const rename::RowProblem &problem : problems)
        marks.emplace(problem.row, describeRowProblem(problem));
    return marks;
}

std::string renameProblemsReport(const std::vector<rename::RowProblem> &problems)
{
    std::string text = "変更できない行が" + std::to_string(problems.size())
                       + "行あります。ファイル名は変更していません。\n";
    const std::size_t listed = std::min(problems.size(), kProblemsListed);
    for (std::size_t index = 0; index < listed; ++index) {
        const rename::RowProblem &problem = problems[index];
        text += "\n" + std::to_string(problem.row + 1) + "行目「" + problem.plannedName
                + "」: " + describeRowProblem(problem);
    }
    if (problems.size() > listed)
        text += "\nほか" + std::to_string(problems.size() - listed) + "行";
    return text;
}

std::string stoppedRenameReport(int renamed)
{
    return "中止しました。\n" + std::to_string(renamed) + "変更されました。";
}

std::string undoReport(const rename::RenameOutcome &outcome)
{
    if (outcome.end == services::WorkEnd::Failed)
        return refusedRenameReport(outcome);
    if (outcome.end == services::WorkEnd::Stopped)
        return "中止しました。\n" + std::to_string(outcome.renamed)
               + "個のファイルを元の名前に戻しました。\n残りは「元に戻す」でまた戻せます。";
    std::string text
            = outcome.end == services::WorkEnd::Refused
                      ? "元に戻せないファイルがあります。ファイル名は変更していません。\n"
                      : std::to_string(outcome.renamed) + "個のファイルを元の名前に戻しました。";
    if (outcome.end != services::WorkEnd::Refused && !outcome.problems.empty())
        text += "\n\n次の" + std::to_string(outcome.problems.size())
                + "個は今の名前のまま残しました:\n";
    const std::size_t listed = std::min(outcome.problems.size(), kProblemsListed);
    for (std::size_t index = 0; index < listed; ++index) {
        const rename::RowProblem &problem = outcome.problems[index];
        text += "\n「" + problem.currentName + "」→「" + problem.plannedName
                + "」: " + describeRowProblem(problem);
    }
    if (outcome.problems.size() > listed)
        text += "\nほか" + std::to_string(outcome.problems.size() - listed) + "個";
    return text;
}

std::string unclosedJournalReport(const rename::RenameOutcome &outcome)
{
    const auto &[path, error] = *outcome.journalNotClosed;
    return "ファイル名は変更しましたが、変更の記録を閉じられませんでした。\n" + path + "\n"
           + shared::describeFailure(error);
}

std::string settleReport(const rename::BatchJournal &journal,
                         const rename::RenameOutcome &outcome,
                         rename::Toward toward,
                         bool undo)
{
    constexpr std::size_t kUnsettledListed = 10;
    const bool forward = toward == rename::Toward::NewNames;
    std::string text = std::to_string(outcome.renamed);
    if (undo)
        text += forward ? "個のファイルを元の名前に戻しました。"
                        : "個のファイルを元に戻す前の名前にしました。";
    else
        text += forward ? "個のファイルを最後まで変更しました。"
                        : "個のファイルを元の名前に戻しました。";
    if (outcome.end == services::WorkEnd::Failed)
        text += "\n\n" + refusedRenameReport(outcome);
    if (outcome.end == services::WorkEnd::Stopped)
        text += "\n中止しました。残りは次に起動したときにまた尋ねます。";
    if (outcome.problems.empty())
        return text;
    text += "\n\nできなかったファイルが" + std::to_string(outcome.problems.size())
            + "個あります。今の名前のまま残し、次に起動したときにまた尋ねます。\nフォルダ: "
            + journal.folder;
    const std::size_t listed = std::min(outcome.problems.size(), kUnsettledListed);
    for (std::size_t index = 0; index < listed; ++index) {
        const rename::RowProblem &problem = outcome.problems[index];
        text += "\n「" + problem.currentName + "」→「" + problem.plannedName
                + "」: " + describeRowProblem(problem);
    }
    if (outcome.problems.size() > listed)
        text += "\nほか" + std::to_string(outcome.problems.size() - listed) + "個";
    return text;
}

std::string refusedRenameReport(const rename::RenameOutcome &outcome)
{
    const rename::RenameFailure &failure = *outcome.failure;
    std::string text;
    if (failure.stage == rename::RenameFailure::Stage::OpenFolder) {
        text = "フォルダを開けませんでした。\n" + shared::describeFailure(failure.error);
    } else if (failure.stage == rename::RenameFailure::Stage::WriteJournal) {
        text = "変更の記録を書けませんでした。\n" + failure.journalPath + "\n"
               + shared::describeFailure(failure.error);
    } else {
        text = "「" + failure.from + "」を「" + failure.to + "」に変更できませんでした。\n";
        text += shared::describeFailure(failure.error);
    }
    text += "\n\n";
    if (outcome.renamed == 0)
        text += "変更したファイルはありません。";
    else
        text += "それまでに" + std::to_string(outcome.renamed) + "個のファイルを変更しました。";
    text += "\nここで止めました。";
    return text;
}

} // namespace tavolin::renamewindow
