#include "paths/name_pattern.h"
#include "paths/path_style.h"

#include <gtest/gtest.h>

namespace {

using namespace tavolin::paths;

TEST(NamePattern, StarAndQuestionMarkOverCharactersWhateverTheirCase)
{
    const std::tuple<const char *, const char *, bool> cases[] = {
            {"report.txt", "", true},
            {"report.txt", "*", true},
            {"README", "*.*", true}, // "*.*" matches names without a dot too
            {"report.TXT", "*.txt", true},
            {"REPORT.txt", "report.*", true},
            {"report.txt", "*.doc", false},
            {"ab.txt", "?.txt", false},
            {"写.txt", "?.txt", true}, // "?" is one character, not one byte
            {"ＡＢＣ.txt", "ａｂｃ.*", true},
            {"ÄÞ×ΩЯЀ", "äþ×ωяѐ", true},
            {"×", "÷", false},
            {"aXbXc", "a*b*c", true},
            {"aXbXd", "a*b*c", false},
            {"abc", "abc**", true},
            {"ab", "abc", false},
            {"\xff.bin", "?.bin", true}, // a name that is not UTF-8
    };
    for (const auto &[name, pattern, matches] : cases)
        EXPECT_EQ(matchesNamePattern(name, pattern), matches) << name << " ~ " << pattern;
}

TEST(PathStyle, FoldersOnWindowsAndPosix)
{
    const PathStyle w = PathStyle::windows(), p = PathStyle::posix();
    const std::pair<std::string, const char *> cases[] = {
            {w.pathField("D:\\Tools\\Lister"), "D:\\Tools\\Lister\\"},
            {w.pathField("E:\\"), "E:\\"},
            {p.pathField("/home"), "/home/"},
            {p.pathField("/"), "/"},
            {w.lastComponent("D:\\data\\photos"), "photos"},
            {w.lastComponent("D:\\data"), "data"},
            {w.lastComponent("D:\\"), ""},
            {p.lastComponent("/"), ""},
            {w.parentOf("D:\\data\\photos\\"), "D:\\data"},
            {w.parentOf("D:\\data"), "D:\\"},
            {w.parentOf("D:\\"), ""},
            {w.parentOf("data"), ""},
            {p.parentOf("/home"), "/"},
            {w.splitPattern("D:\\data\\*.txt").folder, "D:\\data\\"},
            {p.splitPattern("/data/*.txt").namePattern, "*.txt"},
            {p.splitPattern("*.txt").namePattern, "*.txt"},
            {w.join("D:\\", "a.txt"), "D:\\a.txt"},
            {w.join("D:\\data", "a.txt"), "D:\\data\\a.txt"},
            {w.withoutTrailingSeparator("D:\\data\\"), "D:\\data"},
            {w.withoutTrailingSeparator("D:\\"), "D:\\"},
            {p.withoutTrailingSeparator("/tmp//"), "/tmp"},
            {p.withoutTrailingSeparator("/"), "/"},
            {w.driveRootOf("D:\\data\\x"), "D:\\"},
            {w.driveRootOf("D:data"), ""},
            {p.driveRootOf("/tmp"), "/"},
            {p.driveRootOf("tmp"), ""},
    };
    for (const auto &[computed, expected] : cases)
        EXPECT_EQ(computed, expected);
    EXPECT_TRUE(w.isDriveRoot("D:\\") && p.isDriveRoot("/"));
    EXPECT_FALSE(w.isDriveRoot("D:") || w.isDriveRoot("D:\\a") || w.isDriveRoot("D:/")
                 || p.isDriveRoot(""));
}

} // namespace
