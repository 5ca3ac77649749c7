#include "renamewindow/folder_field.h"

namespace tavolin::renamewindow {

std::optional<std::string> folderFieldProblem(std::string_view field, services::FileSystem &fs)
{
    const paths::PathStyle &style = fs.pathStyle();
    const std::string separator(1, style.separator());
    if (style.driveRootOf(field).empty()) {
        return "「" + std::string(field) + "」はフォルダのパスではありません。\n"
               + "フォルダを最上位（" + (style.hidesDotNames() ? separator : "D:" + separator)
               + "）からのパスで入力し、最後に「" + separator + "」を付けてください。";
    }
    if (!field.ends_with(style.separator()) && fs.checkFolder({style, field})) {
        return "「" + std::string(field) + "」はフォルダです。\n最後に「" + separator
               + "」を付けてください。";
    }
    return std::nullopt;
}

} // namespace tavolin::renamewindow
