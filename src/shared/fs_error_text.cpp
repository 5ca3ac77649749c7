#include "shared/fs_error_text.h"

namespace tavolin::shared {

std::string describeFailure(const services::FsError &error)
{
    switch (error.kind) {
    case services::FsErrorKind::NotReady:
        return "ドライブの準備ができていません";
    case services::FsErrorKind::NotFound:
        return "見つかりません";
    case services::FsErrorKind::Exists:
        return "同じ名前のファイルかフォルダがすでにあります";
    case services::FsErrorKind::InvalidName:
        return "名前として使えません";
    case services::FsErrorKind::HiddenName:
        return "「.」で始まる名前は隠しファイルになり、一覧に出なくなるので使えません";
    case services::FsErrorKind::NoPermission:
        return "アクセスする権限がありません";
    case services::FsErrorKind::ReadOnly:
        return "読み取り専用のディスクです";
    case services::FsErrorKind::NotOnThisDisk:
        return "このディスクでは使えない名前です";
    case services::FsErrorKind::NotAFolder:
        return "パスの途中にフォルダではなくファイルがあります";
    case services::FsErrorKind::IsAFolder:
        return "ファイルではなくフォルダです";
    case services::FsErrorKind::NoSpace:
        return "ディスクがいっぱいです";
    case services::FsErrorKind::NotSupported:
        return "このドライブのファイルシステムはこの操作に対応していません";
    case services::FsErrorKind::Other:
        break;
    }
    return error.detail.empty() ? std::string("原因不明のエラーです") : error.detail;
}

namespace {

// A headline, the path it concerns and the reason, one to a line.
std::string
describe(std::string_view headline, std::string_view path, const services::FsError &error)
{
    std::string text(headline);
    text += '\n';
    text += path;
    text += '\n';
    text += describeFailure(error);
    return text;
}

} // namespace

std::string describeUnreadableFolder(std::string_view folder, const services::FsError &error)
{
    return describe("フォルダを読めませんでした。", folder, error);
}

std::function<void(std::string_view folder, const services::FsError &error)>
showUnopenableFolder(services::Dialogs &dialogs, std::string_view notReady)
{
    return [&dialogs, notReady](std::string_view folder, const services::FsError &error) {
        dialogs.showMessage(error.kind == services::FsErrorKind::NotReady
                                    ? std::string(notReady)
                                    : describe("フォルダを開けませんでした。", folder, error));
    };
}

std::string describeUnlistedFolder(const services::FsError &error)
{
    return "（中を読めません: " + describeFailure(error) + "）";
}

std::string describeUnsavedListing(std::string_view path, const services::FsError &error)
{
    std::string text = describe("リストを保存できませんでした。", path, error);
    if (!error.keptCopy.empty())
        text += "\nファイルを元に戻せませんでした。元の内容はここに残してあります:\n"
                + error.keptCopy;
    return text;
}

} // namespace tavolin::shared
