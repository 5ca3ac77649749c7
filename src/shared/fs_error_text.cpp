#include "shared/fs_error_text.h"

#include <cerrno>

namespace tavolin::shared {

namespace {

// Why the system refused, for the errors that have no kind of their own.
std::string describeSystemError(int code)
{
    switch (code) {
    case EBUSY:
    case ETXTBSY:
        return "ほかのプログラムが使っています";
    case EFBIG:
        return "ファイルが大きすぎます";
    case ELOOP:
        return "シンボリックリンクがループしています";
    case EMFILE:
    case ENFILE:
        return "開いているファイルが多すぎます";
    case ENOMEM:
        return "メモリが足りません";
    case ETIMEDOUT:
        return "ディスクが応答しません（時間切れ）";
    case EAGAIN:
    case EINTR:
        return "一時的にできませんでした。もう一度お試しください";
    case EXDEV:
        return "別のディスクへは移せません";
    case EMLINK:
        return "リンクが多すぎます";
    default:
        break;
    }
    return code == 0 ? std::string("原因不明のエラーです")
                     : "予期しないエラーです（エラー番号" + std::to_string(code) + "）";
}

} // namespace

std::string describeFailure(const services::FsError &error)
{
    switch (error.kind) {
    case services::FsErrorKind::NotReady:
        return "ドライブの準備ができていません";
    case services::FsErrorKind::Disconnected:
        return "ディスクとの接続が切れました（取り外されたか、止まりました）";
    case services::FsErrorKind::NotFound:
        return "見つかりません";
    case services::FsErrorKind::Exists:
        return "同じ名前のファイルかフォルダがすでにあります";
    case services::FsErrorKind::NameTooLong:
        return "名前が長すぎます";
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
    return describeSystemError(error.systemError);
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
