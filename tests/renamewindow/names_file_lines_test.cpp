#include "renamewindow/names_file_lines.h"

#include <gtest/gtest.h>

namespace tavolin::renamewindow {
namespace {

// A line that reads as its own file's undecoded name (テスト in code page 932 bytes) stands for
// that name, on whichever row; edited lines, and lines beside other files, stay as they are.
TEST(NamesFileLines, ALineReadingAsItsFilesUndecodedNameStandsForIt)
{
    const std::string shiftJis = "\x83\x65\x83\x58\x83\x67";
    std::vector<std::string> lines{"テスト", "テスト", "テスト2", "テスト"};
    keepUndecodedNames(lines,
                       std::vector<std::string>{shiftJis + ".txt", "a.txt", shiftJis, shiftJis});
    EXPECT_EQ(lines, (std::vector<std::string>{shiftJis, "テスト", "テスト2", shiftJis}));
}

} // namespace
} // namespace tavolin::renamewindow
