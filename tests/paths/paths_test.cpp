#include "paths/name_pattern.h"
#include "paths/path_style.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tavolin::paths;

// Names and patterns: name~pattern matches, name!pattern does not. "?" is one character (not one
// byte), "*.*" matches names without a dot too, and letters match whatever their case.
TEST(NamePattern, StarAndQuestionMarkOverCharactersWhateverTheirCase)
{
    std::istringstream cases("report.txt~ report.txt~* README~*.* REPORT.txt~report.* 写.txt~?.txt "
                             "ÀÞ×ΑΩАЯЀЏＡＺAZ~àþ×αωаяѐџａｚaz aXbXc~a*b*c abc~abc** \xff.bin~?.bin "
                             "report.txt!*.doc ab.txt!?.txt ×!÷ aXbXd!a*b*c ab!abc");
    for (std::string c; cases >> c;) {
        const std::size_t cut = c.find_first_of("~!");
        EXPECT_EQ(matchesNamePattern(c.substr(0, cut), c.substr(cut + 1)), c[cut] == '~') << c;
    }
}

TEST(PathStyle, FoldersOnWindowsAndPosix)
{
    const PathStyle w = PathStyle::windows(), p = PathStyle::posix();
    const std::pair<std::string, const char *> cases[] = {
            {w.pathField("D:\\Tools\\Lister"), "D:\\Tools\\Lister\\"},
            {w.pathField("E:\\") + p.pathField("/") + p.pathField("/home"), "E:\\//home/"},
            {w.lastComponent("D:\\data\\photos") + w.lastComponent("D:\\"), "photos"},
            {w.lastComponent("D:\\data") + p.lastComponent("/"), "data"},
            {w.parentOf("D:\\data\\photos\\"), "D:\\data"},
            {w.parentOf("D:\\data") + w.parentOf("D:\\") + w.parentOf("data"), "D:\\"},
            {p.parentOf("/home"), "/"},
            {w.splitPattern("D:\\data\\*.txt").folder, "D:\\data\\"},
            {p.splitPattern("/data/*.txt").namePattern + p.splitPattern("*.txt").namePattern,
             "*.txt*.txt"},
            {w.join("D:\\", "a.txt") + w.join("D:\\data", "a.txt"), "D:\\a.txtD:\\data\\a.txt"},
            {w.withoutTrailingSeparator("D:\\data\\") + w.withoutTrailingSeparator("D:\\"),
             "D:\\dataD:\\"},
            {p.withoutTrailingSeparator("/tmp//") + p.withoutTrailingSeparator("/"), "/tmp/"},
            {w.driveRootOf("D:\\data\\x") + w.driveRootOf("D:data") + w.driveRootOf("D:\\"),
             "D:\\D:\\"},
            {p.driveRootOf("/tmp") + p.driveRootOf("tmp"), "/"},
    };
    for (const auto &[computed, expected] : cases)
        EXPECT_EQ(computed, expected);
    EXPECT_TRUE(w.isDriveRoot("D:\\") && p.isDriveRoot("/"));
    EXPECT_FALSE(w.isDriveRoot("D:") || w.isDriveRoot("D:\\a") || w.isDriveRoot("D:/")
                 || p.isDriveRoot(""));
    EXPECT_TRUE(p.isInside("/run/media/usb", "/run/media") && p.isInside("/run", "/run")
                && p.isInside("/media", "/") && w.isInside("D:\\data", "D:\\"));
    EXPECT_FALSE(p.isInside("/running", "/run") || w.isInside("D:\\database", "D:\\data"));
}
