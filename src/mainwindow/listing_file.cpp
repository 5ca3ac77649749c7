#include "mainwindow/listing_file.h"

#include "text/text_file_encoding.h"

namespace tavolin::mainwindow {

std::optional<std::string> listingFileBytes(std::string_view listing, services::Dialogs &dialogs)
{
    auto cp932 = text::textfile::encodeCp932(listing);
    if (cp932)
        return std::move(*cp932);
    const text::textfile::Unencodable &fault = cp932.error();
    const std::string question = std::to_string(fault.line + 1) + "行目「" + fault.lineText
                                 + "」の「" + fault.character
                                 + "」は、Shift_JIS（コードページ932）では書けません。\n"
                                   "UTF-8（BOM付き）で保存しますか？\n"
                                   "キャンセルすると保存しません。";
    if (dialogs.showMessage(question, services::kProgramName, services::MessageButtons::OkCancel)
        != services::MessageAnswer::Ok)
        return std::nullopt;
    return text::textfile::encodeUtf8(listing);
}

} // namespace tavolin::mainwindow
