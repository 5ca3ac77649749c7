#include "rename/rename_scan.h"

#include "support/fake_file_system.h"

#include <gtest/gtest.h>

// The rows of an ordinary scan are the rename window's tests; here, names that give no row.
TEST(RenameScan, ANameWithoutABaseIsFoundButGetsNoRow)
{
    tavolin::test::FakeFileSystem fs;
    fs.addFolder("D:\\empty");
    fs.addFile("D:\\dots", ".txt");
    const auto empty = tavolin::rename::scanForRenaming(fs, "D:\\empty\\").value();
    EXPECT_TRUE(empty.namesFound == 0 && !empty.foundAny);
    const auto dots = tavolin::rename::scanForRenaming(fs, "D:\\dots\\").value();
    EXPECT_TRUE(dots.names.empty() && dots.bases.empty() && dots.distinctExtensions.empty());
    EXPECT_TRUE(dots.namesFound == 1 && dots.foundAny);
}
