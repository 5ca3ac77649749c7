#include "controls/folder_lists.h"

#include "support/fake_file_system.h"

#include <gtest/gtest.h>

using namespace tavolin::controls;
using tavolin::paths::PathStyle;

// The rows as "depth name path", open ones marked "+", joined by "|". A change of drive or
// folder is left to the windows' tests, which go through these lists.
TEST(FolderList, RowsRunFromTheRootToTheCurrentFolderThenItsSubfolders)
{
    const std::tuple<PathStyle, const char *, const char *> cases[] = {
            {PathStyle::windows(),
             "D:\\data\\sub",
             "+0 D:\\ D:\\|+1 data D:\\data|+2 sub D:\\data\\sub|3 a D:\\data\\sub\\a|3 b "
             "D:\\data\\sub\\b|"},
            {PathStyle::windows(), "D:\\", "+0 D:\\ D:\\|1 a D:\\a|1 b D:\\b|"},
            {PathStyle::posix(),
             "/data/sub",
             "+0 / /|+1 data /data|+2 sub /data/sub|3 a /data/sub/a|3 b /data/sub/b|"},
            {PathStyle::posix(), "/", "+0 / /|1 a /a|1 b /b|"},
    };
    for (const auto &[style, current, expected] : cases) {
        tavolin::test::FakeFileSystem fs(style);
        for (const char *sub : {"b", "a"})
            fs.addFolder(tavolin::paths::FolderPath(style, current).child(sub));
        std::string shown;
        for (const FolderRow &row : FolderList(fs, current).rows())
            shown += (row.open ? "+" : "") + std::to_string(row.depth) + " " + row.name + " "
                     + row.path + "|";
        EXPECT_EQ(shown, expected) << current;
    }
}
