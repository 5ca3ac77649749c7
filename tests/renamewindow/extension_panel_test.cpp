#include "renamewindow/extension_pairs.h"
#include "renamewindow/frm_file_name.h"

#include "support/fake_file_system.h"
#include "support/fake_services.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::renamewindow {
namespace {

using ::testing::ElementsAre;

class ExtensionPanelTest : public ::testing::Test
{
protected:
    ExtensionPanelTest()
    {
        for (const char *name : {"a.txt", "b.TXT", "n.txt", "readme"})
            fs_.addFile("D:\\f", name);
        window_.Form_Load();
        window_.Text1.setText("D:\\f\\");
        window_.cmdStart.click();
        window_.Text4.focusRequested.connect([this] { ++text4Focus_; });
    }

    test::FakeFileSystem fs_;
    test::FakeDrives drives_;
    test::FakeDialogs dialogs_;
    test::FakeTextFiles textFiles_;
    test::FakeProcess process_;
    Module1 module_;
    FrmFileName window_{module_, {fs_, drives_, dialogs_, textFiles_, process_}};
    int text4Focus_ = 0;
};

TEST_F(ExtensionPanelTest, TheButtonOpensAndClosesThePanel)
{
    window_.List1.setSelectedRow(1);
    window_.Command3.click();
    EXPECT_EQ(window_.Command3.caption(), "拡張子変換<<");
    EXPECT_EQ(window_.window.widthTwips(), 11000);
    EXPECT_TRUE(window_.Command5.visible());
    window_.Command3.click();
    EXPECT_EQ(window_.Command3.caption(), "拡張子変換>>");
    EXPECT_EQ(window_.window.widthTwips(), 8600);
    EXPECT_FALSE(window_.Command5.visible());
    EXPECT_EQ(window_.List1.selectedRow(), 1);
}

TEST_F(ExtensionPanelTest, PairsAreTheExtensionsFoundCaseKept)
{
    EXPECT_THAT(window_.List3[0].rows(), ElementsAre(".txt", ".TXT"));
    EXPECT_THAT(window_.List3[1].rows(), ElementsAre(".txt", ".TXT"));
}

TEST_F(ExtensionPanelTest, WhatAClickPutsIntoTheTextDependsOnTheList)
{
    window_.List3[1].replace(0, ".log");
    window_.List3[1].replace(1, ".LOG");

    window_.List3[0].clickRow(0); // then List3(1) follows and has the last word
    EXPECT_EQ(window_.Text4.text(), ".log");
    EXPECT_EQ(module_.intExtRow, 0);
    EXPECT_EQ(window_.List3[1].selectedRow(), 0);

    window_.List3[1].clickRow(1); // then List3(0) follows and has the last word
    EXPECT_EQ(window_.Text4.text(), ".TXT");
    EXPECT_EQ(module_.intExtRow, 1);
    EXPECT_EQ(window_.List3[0].selectedRow(), 1);

    window_.List3[1].clickRow(1); // already selected: only the clicked list's step
    EXPECT_EQ(window_.Text4.text(), ".LOG");
    window_.List3[0].clickRow(1);
    EXPECT_EQ(window_.Text4.text(), ".TXT");
    EXPECT_GE(text4Focus_, 4);
}

TEST_F(ExtensionPanelTest, ChangingOneReplacementKeepsTheRows)
{
    window_.List3[0].clickRow(0);
    window_.Text4.setText(".log");
    window_.Command4.click();
    EXPECT_THAT(window_.List3[1].rows(), ElementsAre(".log", ".TXT"));
    EXPECT_THAT(window_.List3[0].rows(), ElementsAre(".txt", ".TXT"));
    EXPECT_EQ(window_.List3[0].selectedRow(), 0);
    EXPECT_EQ(window_.List3[1].selectedRow(), 0);
    EXPECT_EQ(window_.Text4.text(), ".log");
}

TEST_F(ExtensionPanelTest, ChangingNeedsASelectionAndAText)
{
    window_.Text4.setText(".log");
    window_.Command4.click(); // nothing selected
    window_.List3[0].clickRow(1);
    window_.Text4.setText("");
    window_.Command4.click(); // empty text
    EXPECT_THAT(window_.List3[1].rows(), ElementsAre(".txt", ".TXT"));
}

TEST_F(ExtensionPanelTest, ApplyingChangesOnlyExactMatches)
{
    window_.List3[0].clickRow(0);
    window_.Text4.setText("log"); // no dot added
    window_.Command4.click();
    window_.List2[1].setSelectedRow(2);
    window_.Command5.setVisible(true);
    window_.Command5.click();
    EXPECT_THAT(window_.List2[1].rows(), ElementsAre("log", ".TXT", "log", ""));
    EXPECT_EQ(window_.List2[1].selectedRow(), 2);
    EXPECT_THAT(window_.List1.rows(), ElementsAre("a.txt", "b.TXT", "n.txt", "readme"));
    EXPECT_EQ(window_.List2[0].text(0) + window_.List2[1].text(0), "alog");
}

TEST_F(ExtensionPanelTest, ARescanBringsTheReplacementsBack)
{
    window_.List3[0].clickRow(0);
    window_.Text4.setText(".log");
    window_.Command4.click();
    window_.cmdStart.click();
    EXPECT_EQ(window_.List3[1].rows(), window_.List3[0].rows());
}

TEST(ApplyExtensionPairs, LaterPairsSeeWhatEarlierOnesWrote)
{
    std::vector<std::string> chain{".jpeg", ".jpg", ".gif", ""};
    EXPECT_TRUE(applyExtensionPairs(chain, {".jpeg", ".jpg"}, {".jpg", ".png"}));
    EXPECT_THAT(chain, ElementsAre(".png", ".png", ".gif", ""));

    std::vector<std::string> swap{".a", ".b"};
    applyExtensionPairs(swap, {".a", ".b"}, {".b", ".a"});
    EXPECT_THAT(swap, ElementsAre(".a", ".a"));

    std::vector<std::string> same{".txt"};
    EXPECT_FALSE(applyExtensionPairs(same, {".txt"}, {".txt"}));
}

} // namespace
} // namespace tavolin::renamewindow
