#include "controls/folder_lists.h"

#include "support/fake_file_system.h"

#include <gtest/gtest.h>

namespace tavolin::controls {
namespace {

// Each row as "depth name path", open rows marked with "+".
TEST(FolderList, RowsRunFromTheRootToTheCurrentFolderThenItsSubfolders)
{
    struct Case
    {
        paths::PathStyle style;
        std::string current;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
            {paths::PathStyle::windows(),
             "D:\\data\\sub",
             {"+0 D:\\ D:\\",
              "+1 data D:\\data",
              "+2 sub D:\\data\\sub",
              "3 a D:\\data\\sub\\a",
              "3 b D:\\data\\sub\\b"}},
            {paths::PathStyle::windows(), "D:\\", {"+0 D:\\ D:\\", "1 a D:\\a", "1 b D:\\b"}},
            {paths::PathStyle::posix(),
             "/data/sub",
             {"+0 / /", "+1 data /data", "+2 sub /data/sub", "3 a /data/sub/a", "3 b /data/sub/b"}},
            {paths::PathStyle::posix(), "/", {"+0 / /", "1 a /a", "1 b /b"}},
    };
    for (const Case &c : cases) {
        test::FakeFileSystem fs(c.style);
        for (const char *sub : {"b", "a"})
            fs.addFolder(c.style.join(c.current, sub));
        FolderList list(fs, c.current);
        std::vector<std::string> shown;
        for (const FolderRow &row : list.rows())
            shown.push_back((row.open ? "+" : "") + std::to_string(row.depth) + " " + row.name + " "
                            + row.path);
        EXPECT_EQ(shown, c.rows) << c.current;
    }
}

} // namespace
} // namespace tavolin::controls
