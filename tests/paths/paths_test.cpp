#include "paths/folder_path.h"
#include "paths/name_pattern.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tavolin::paths;
static const PathStyle w = PathStyle::windows(), p = PathStyle::posix();

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

// Each shape of a folder and a pattern, from whatever shape it was written in.
TEST(FolderPath, TheShapesOfAFolderAndAPattern)
{
    const auto shapes = [](const FolderPath &f) {
        const auto parent = f.parent();
        return f.path() + " " + f.field() + " " + (parent ? parent->path() : "-") + " " + f.name()
               + " " + f.child("a");
    };
    // Written => path, field, parent, name, the file "a" inside.
    const std::pair<FolderPath, const char *> folders[] = {
            {{w, "D:\\d\\pix\\\\"}, "D:\\d\\pix D:\\d\\pix\\ D:\\d pix D:\\d\\pix\\a"},
            {{w, "D:\\data"}, "D:\\data D:\\data\\ D:\\ data D:\\data\\a"},
            {{w, "D:\\"}, "D:\\ D:\\ -  D:\\a"},
            {{w, "data"}, "data data\\ - data data\\a"},
            {{p, "/home/"}, "/home /home/ / home /home/a"},
            {{p, "/"}, "/ / -  /a"},
            {{p, "/tmp//"}, "/tmp /tmp/ / tmp /tmp/a"},
    };
    for (const auto &[folder, expected] : folders)
        EXPECT_EQ(shapes(folder), expected);
    // Written => folder, name pattern.
    for (const auto &[style, written, expected] :
         {std::tuple{w, "D:\\data\\*.txt", "D:\\data *.txt"},
          std::tuple{w, "D:\\data\\", "D:\\data "},
          std::tuple{w, "D:\\*.*", "D:\\ *.*"},
          std::tuple{p, "/data/a?.txt", "/data a?.txt"},
          std::tuple{p, "*.txt", " *.txt"}}) {
        const auto [folder, namePattern] = FilePattern::parse(style, written);
        EXPECT_EQ(folder.path() + " " + namePattern, expected);
    }
}

// A path written from the current folder, or from the root, as a path from the root.
TEST(FolderPath, APathWrittenFromAFolderTakenFromTheRoot)
{
    // Style, the base folder, written => from the root.
    for (const auto &[style, base, written, expected] :
         {std::tuple{p, "/home/me", "データ/", "/home/me/データ/"},
          std::tuple{p, "/home/me", "データ/*.txt", "/home/me/データ/*.txt"},
          std::tuple{p, "/home/me", "./データ", "/home/me/データ"},
          std::tuple{p, "/home/me", "../you/", "/home/you/"},
          std::tuple{p, "/home/me", "..", "/home/"},
          std::tuple{p, "/", "../tmp/", "/tmp/"},
          std::tuple{p, "/", "tmp/", "/tmp/"},
          std::tuple{p, "/home/me", "/srv/a/", "/srv/a/"},
          std::tuple{w, "C:\\Users\\me", "データ\\", "C:\\Users\\me\\データ\\"},
          std::tuple{w, "C:\\Users\\me", "\\data\\", "C:\\data\\"},
          std::tuple{w, "C:\\Users\\me", "D:\\data\\", "D:\\data\\"},
          std::tuple{w, "C:\\Users\\me", "D:\\", "D:\\"}})
        EXPECT_EQ(absolutePath(style, base, written), expected) << written;
}
