#include "renamewindow/sheet_reports.h"

#include "text/utf8.h"

#include <algorithm>

namespace tavolin::renamewindow {

namespace {

constexpr std::size_t kRowsNamed = 10;

std::string_view reason(rename::SheetRefusal why)
{
    switch (why) {
    case rename::SheetRefusal::NotInFolder:
        return "このﾌｫﾙﾀﾞにないﾌｧｲﾙ名です";
    case rename::SheetRefusal::NamedTwice:
        return "同じﾌｧｲﾙに別の新しい名前が付いた行があります";
    case rename::SheetRefusal::NoNewName:
        return "新しい名前が空です";
    }
    return {};
}

} // namespace

std::string sheetRefusedRowsReport(std::size_t refused)
{
    return "変更できない名前 " + std::to_string(refused)
           + "件（印の行）：直すまで、どれも変更しません";
}

std::string sheetAppliedReport(const rename::SheetMatch &match, std::size_t refused)
{
    std::string report = std::to_string(match.applied) + "行の新しい名前を変更ファイル名にしました";
    if (!match.refused.empty())
        report += "\n次の" + std::to_string(match.refused.size()) + "行は使いませんでした:";
    const std::size_t named = std::min(match.refused.size(), kRowsNamed);
    for (std::size_t i = 0; i < named; ++i) {
        const rename::RefusedRow &row = match.refused[i];
        report += "\n" + std::to_string(row.rename.row) + "行目 "
                  + text::printableName(row.rename.current) + ": " + std::string(reason(row.why));
    }
    if (match.refused.size() > named)
        report += "\nほか" + std::to_string(match.refused.size() - named) + "行";
    if (refused > 0)
        report += "\n" + sheetRefusedRowsReport(refused);
    return report;
}

} // namespace tavolin::renamewindow
