// Sheets of current and new names: their cells as spreadsheet programs save them, and the names
// they give the files of a folder.
#include "rename/sheet_renames.h"

#include "listing/csv_listing.h"
#include "listing/xlsx_listing.h"
#include "rename/xlsx_cells.h"

#include "support/words.h"

#include <gtest/gtest.h>

namespace tavolin::rename {
namespace {

// The cells, "|" between cells and "/" after each row.
std::string shown(const SheetCells &cells)
{
    std::string out;
    for (const auto &row : cells) {
        for (std::size_t i = 0; i < row.size(); ++i)
            out += (i ? "|" : "") + row[i];
        out += '/';
    }
    return out;
}

TEST(SheetCells, AsSpreadsheetProgramsSaveThem)
{
    const struct
    {
        const char *what;
        std::string bytes;
        const char *cells;
    } cases[] = {
            {"commas, CR LF", "a.txt,b.txt\r\nc.txt,d.txt\r\n", "a.txt|b.txt/c.txt|d.txt/"},
            {"quoted separators, quotes and a line end",
             "\"a,1.txt\",\"say \"\"hi\"\".txt\"\r\n\"x\r\ny\",z\r\n",
             "a,1.txt|say \"hi\".txt/x\r\ny|z/"},
            {"a byte-order mark",
             "\xEF\xBB\xBF"
             "現在の名前,新しい名前\r\n",
             "現在の名前|新しい名前/"},
            {"code page 932", "\x8C\xBB\x8D\xDD,\x90\x56\r\n", "現在|新/"},
            {"semicolons", "a.txt;b,c.txt\n", "a.txt|b,c.txt/"},
            {"tabs, as a copy of cells", "a.txt\tb.txt\r\n c.txt \t\r\n", "a.txt|b.txt/ c.txt |/"},
            {"an Excel separator line", "sep=;\r\na,b;c\r\n", "a,b|c/"},
            {"blank rows left out", "a,b\r\n\r\n,\r\nc,d", "a|b/c|d/"},
            {"short and long rows", "a\r\nb,c,d\r\n", "a/b|c|d/"},
            {"a quote left open", "a,\"b\r\nc", "a|b\r\nc/"},
            {"UTF-8 cut at the end: code page 932", "\xE5\x86\x99\n\xE7", "蜀\uFFFD/\uFFFD/"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(readDelimitedCells(c.bytes)), c.cells) << c.what;
}

// Each rename as "row:current>new", each new name in order as ">new".
std::string shown(const SheetRenames &sheet)
{
    std::string out;
    for (const SheetRename &rename : sheet.renames)
        out += std::to_string(rename.row) + ':' + rename.current + '>' + rename.renamed + ' ';
    for (const std::string &name : sheet.newNamesInOrder)
        out += '>' + name + ' ';
    return out;
}

TEST(SheetRenames, AHeaderSaysWhichColumnsHoldWhat)
{
    const struct
    {
        SheetCells cells;
        const char *renames;
    } cases[] = {
            {{{"a", "b"}, {"c", "d"}}, "1:a>b 2:c>d "},
            {{{"現在の名前", "新しい名前", "サイズ"}, {"a", "b", "1"}}, "2:a>b "},
            {{{"new name", "old name"}, {"b", "a"}}, "2:a>b "},
            {{{"現在の名前", "新しい名前", "UTF-8でない名前のバイト"},
              {"\xEF\xBF\xBD.txt", "b", "83 2E 74 78 74"}},
             "2:\x83.txt>b "},
            {{{"現在の名前", "新しい名前", "UTF-8でない名前のバイト"}, {"a", "b", "zz"}}, "2:a>b "},
            {{{"a"}, {"b"}, {}}, ">a >b > "},
            {{{"新しい名前"}, {"b"}}, ">b "},
            {{{"a", ""}, {"b"}}, "1:a> 2:b> "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(renamesOfSheet(c.cells)), c.renames) << shown(c.cells);
}

TEST(SheetMatch, ByCurrentNameOnlyAndEachRowNotAppliedSaysWhy)
{
    const auto current = test::words("a.txt b.txt c.txt d.txt");
    const std::vector<SheetRename> renames{{2, "c.txt", "3.txt"},
                                           {3, "gone.txt", "x.txt"},
                                           {4, "a.txt", "1.txt"},
                                           {5, "b.txt", "2.txt"},
                                           {6, "b.txt", "two.txt"},
                                           {7, "d.txt", ""},
                                           {8, "A.txt", "5.txt"},
                                           {9, "c.txt", "3.txt"}};
    const SheetMatch match = matchSheet(current, test::words("p q r s"), renames);
    EXPECT_EQ(match.planned, test::words("1.txt q 3.txt s"));
    EXPECT_EQ(match.applied, 3U);
    std::string refused;
    for (const RefusedRow &row : match.refused)
        refused += std::to_string(row.rename.row) + ':' + std::to_string(static_cast<int>(row.why))
                   + ' ';
    EXPECT_EQ(refused, "3:0 5:1 6:1 7:2 8:0 ");
}

const std::vector<std::string> kCurrent{
        "a.txt", "0012", "=1+1", "x,\"y\";z\t.txt", "\x83\x65.txt", "写真 01.jpg", "改\r\n行"};
// New names that a book writes escaped: a carriage return inside and at the end, and "_x".
const std::vector<std::string> kPlanned{
        "b_x0041_.txt", "0013", "=2", "q\r", "テ.txt", "写真 1.jpg", "改\r行"};

void expectNamesAsWritten(const std::expected<SheetCells, std::string> &cells)
{
    ASSERT_TRUE(cells.has_value()) << cells.error();
    const SheetRenames sheet = renamesOfSheet(*cells);
    ASSERT_EQ(sheet.renames.size(), kCurrent.size());
    for (std::size_t i = 0; i < kCurrent.size(); ++i) {
        EXPECT_EQ(sheet.renames[i].current, kCurrent[i]);
        EXPECT_EQ(sheet.renames[i].renamed, kPlanned[i]);
    }
}

// Saved as CSV or as a book and read back, the sheet names every file as it was named, whatever
// the name holds. (What a spreadsheet program makes of it is the rename window's test.)
TEST(SheetRenames, TheSavedSheetReadsBackAsItWasWritten)
{
    const listing::FileSheet sheet = renameSheet(kCurrent, kPlanned, {});
    expectNamesAsWritten(readDelimitedCells(listing::csvSheet(sheet)));
    expectNamesAsWritten(readXlsxCells(listing::xlsxSheet(sheet).value()));
}

} // namespace
} // namespace tavolin::rename
