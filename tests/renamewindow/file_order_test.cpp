// The order of files through both windows: one choice for the run, both windows' lists in it.
#include "support/window_worlds.h"
#include "support/words.h"

#include <gmock/gmock.h>

namespace tavolin {
namespace {

// Both windows over the same fakes, in a folder whose files each order puts otherwise.
struct BothWindows : test::Fakes
{
    BothWindows()
    {
        const std::tuple<const char *, int, int> files[] = {{"img10.jpg", 40, 3},
                                                            {"IMG2.jpg", 10, 5},
                                                            {"写真.png", 30, 1},
                                                            {"b.txt", 20, 4},
                                                            {"a.txt", 50, 2}};
        for (const auto &[name, size, modified] : files)
            fs.addFile("D:\\f", name, size, modified);
        EXPECT_TRUE(main.Form_Load());
        rename.Form_Load();
        main.openFolder("D:\\f");
        rename.Text1.setText("D:\\f\\");
    }

    mainwindow::FrmMain main{module, doors};
    renamewindow::FrmFileName rename{module, doors};
};

// Whatever the order chosen, the rename window lists the files as the main window
// does, so that the rows of a saved listing read back are the files' own. (How each order sorts
// is the order's own test.)
TEST(FileOrderThroughTheWindows, BothWindowsListTheFilesInTheOrderChosen)
{
    for (int item = 0; item < 5; ++item) {
        BothWindows w;
        w.main.cboOrder.setSelectedIndex(item);
        ASSERT_EQ(w.rename.cboOrder.selectedIndex(), item);
        w.main.cmdStart.click();
        w.rename.cmdStart.click();
        EXPECT_EQ(tavolin::test::unpacked(w.main.File1.names()), w.rename.List1.rows()) << item;
    }
}

// Changing the order moves the main window's file list at once; the listing and the rename
// lists, with the names planned in them, stay until the next scan.
TEST(FileOrderThroughTheWindows, OneChoiceForTheRunThatMovesNoPlannedNameUnderTheUsersHands)
{
    BothWindows w;
    EXPECT_EQ(w.main.cboOrder.items().at(0), "名前順"); // the start of every run
    w.main.cmdStart.click();
    w.rename.cmdStart.click();
    w.rename.List2[0].replace(0, "planned");
    const std::string listing(w.main.txtM.text());
    const std::vector<std::string> planned = w.rename.List2[0].rows();

    w.rename.cboOrder.setSelectedIndex(3); // by size
    EXPECT_EQ(w.main.cboOrder.selectedIndex(), 3);
    EXPECT_THAT(tavolin::test::unpacked(w.main.File1.names()),
                ::testing::ElementsAre("IMG2.jpg", "b.txt", "写真.png", "img10.jpg", "a.txt"));
    EXPECT_EQ(w.main.txtM.text(), listing);
    EXPECT_EQ(w.rename.List2[0].rows(), planned);

    w.main.cboOrder.setSelectedIndex(2); // by date, either window opened anew shows it
    renamewindow::FrmFileName again(w.module, w.doors);
    EXPECT_EQ(again.cboOrder.selectedIndex(), 2);
    EXPECT_EQ(mainwindow::FrmMain(w.module, w.doors).cboOrder.selectedIndex(), 2);
    w.rename.cmdStart.click();
    EXPECT_THAT(w.rename.List1.rows(),
                ::testing::ElementsAre("写真.png", "a.txt", "img10.jpg", "b.txt", "IMG2.jpg"));
}

} // namespace
} // namespace tavolin
