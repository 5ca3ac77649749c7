#include "renamewindow/names_file_reports.h"

#include "shared/fs_error_text.h"

namespace tavolin::renamewindow {

std::string describeUnreadableNames(std::string_view path, const services::FsError &error)
{
    return "ファイルを読めませんでした。\n" + std::string(path) + "\n"
           + shared::describeFailure(error) + "\n変更後の名前はそのままです。";
}

std::string
brokenOffNamesReport(std::string_view path, const services::FsError &error, std::size_t lines)
{
    return "ファイルを最後まで読めませんでした。\n" + std::string(path) + "\n"
           + shared::describeFailure(error) + "\n読めた" + std::to_string(lines)
           + "行を変更後の名前にしました。";
}

namespace {

std::string readAs(text::textfile::Encoding encoding)
{
    switch (encoding) {
    case text::textfile::Encoding::Utf8:
        return "UTF-8として読みました";
    case text::textfile::Encoding::Utf16Le:
    case text::textfile::Encoding::Utf16Be:
        return "UTF-16として読みました";
    case text::textfile::Encoding::Cp932:
        break;
    }
    return "Shift_JISとして読みました";
}

} // namespace

std::string namesReadCaption(const NamesRead &read)
{
    const std::string lines = std::to_string(read.lines) + "行";
    if (read.brokeOff)
        return readAs(read.encoding) + "（読めた" + lines + "を使いました）";
    if (read.lines == 0)
        return "空のファイルでした。変更後の名前の列を空にしました";
    if (read.more)
        return readAs(read.encoding) + "（ファイルが" + std::to_string(read.files)
               + "個なので、先頭の" + lines + "だけを使いました）";
    if (read.lines < read.files)
        return readAs(read.encoding) + "（" + lines + "しかないので、残りの"
               + std::to_string(read.files - read.lines) + "個のファイルは変更しません）";
    return readAs(read.encoding) + "（" + lines + "）";
}

} // namespace tavolin::renamewindow
