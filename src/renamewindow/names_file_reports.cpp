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

std::string readAsCaption(text::textfile::Encoding encoding)
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

} // namespace tavolin::renamewindow
