#include "renamewindow/frm_file_name.h"

#include "services/posix_file_system.h"
#include "support/fake_file_system.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::renamewindow {
namespace {

using services::MessageAnswer;
using services::MessageButtons;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// The window over an in-memory file system with Windows paths.
class FrmFileNameTest : public ::testing::Test
{
protected:
    FrmFileNameTest()
    {
        process_.programPath = "D:\\Tools\\Lister";
        window_.Form_Load();
    }

    void scanFolder(const std::string &folder, const std::vector<std::string> &names)
    {
        for (const auto &name : names)
            fs_.addFile(folder, name);
        window_.Text1.setText(folder + "\\");
        window_.cmdStart.click();
    }

    std::vector<int> selections() const
    {
        return {window_.List1.selectedRow(),
                window_.List2[0].selectedRow(),
                window_.List2[1].selectedRow()};
    }

    test::FakeFileSystem fs_;
    test::FakeDrives drives_;
    test::FakeDialogs dialogs_;
    test::FakeTextFiles textFiles_;
    test::FakeProcess process_;
    Module1 module_;
    FrmFileName window_{module_, {fs_, drives_, dialogs_, textFiles_, process_}};
};

TEST_F(FrmFileNameTest, OpensNarrowOnTheProgramsFolder)
{
    EXPECT_EQ(window_.Text1.text(), "D:\\Tools\\Lister\\");
    EXPECT_FALSE(window_.Command2.enabled());
    EXPECT_EQ(window_.Label1.caption(), "ファイル数 = ");
    EXPECT_EQ(window_.window.widthTwips(), 8600);
    EXPECT_FALSE(window_.Command5.visible());
    EXPECT_EQ(window_.Command3.caption(), "拡張子変換>>");
    EXPECT_TRUE(window_.Option1[0].value());
    EXPECT_FALSE(window_.Option1[0].enabled());
    EXPECT_FALSE(window_.Option1[1].enabled());
    EXPECT_EQ(window_.Check1.value(), 0);
    for (auto *button : {&window_.cmdStart, &window_.Command2, &window_.Command4})
        EXPECT_FALSE(button->isDefault());
    EXPECT_EQ(window_.List1.count(), 0);
}

TEST_F(FrmFileNameTest, AtADriveRootTheFolderFieldEndsInTwoSeparators)
{
    process_.programPath = "E:\\";
    window_.Form_Load();
    EXPECT_EQ(window_.Text1.text(), "E:\\\\");
}

TEST_F(FrmFileNameTest, AProgramFolderOfTheSystemsStartsAtHome)
{
    process_.programPath = "C:\\Program Files\\Tavolin";
    window_.Form_Load();
    EXPECT_EQ(window_.Text1.text(), "C:\\Users\\me\\");
}

TEST_F(FrmFileNameTest, ScanFillsTheColumnsAndTheExtensionPairs)
{
    window_.Text3.setText("typed");
    window_.Text4.setText(".typed");
    scanFolder(
            "D:\\f",
            {"a.txt", "photo.jpeg", "x.tar.gz", "page.html5", "a.b.", "README", ".abc", "b.TXT"});
    EXPECT_THAT(
            window_.List1.rows(),
            ElementsAre(
                    "a.txt", "photo.jpeg", "x.tar.gz", "page.html5", "a.b.", "README", "b.TXT"));
    EXPECT_THAT(window_.List2[0].rows(),
                ElementsAre("a", "photo", "x.tar", "page.html5", "a", "README", "b"));
    EXPECT_THAT(window_.List2[1].rows(),
                ElementsAre(".txt", ".jpeg", ".gz", "", ".b.", "", ".TXT"));
    EXPECT_THAT(window_.List3[0].rows(), ElementsAre(".txt", ".jpeg", ".gz", ".b.", ".TXT"));
    EXPECT_EQ(window_.List3[1].rows(), window_.List3[0].rows());
    EXPECT_EQ(window_.Label1.caption(), "ファイル数 = 8"); // counted before ".abc" is dropped
    EXPECT_EQ(window_.Text3.text(), "");
    EXPECT_EQ(window_.Text4.text(), "");
    EXPECT_EQ(window_.Text2.text(), "True");
    EXPECT_EQ(module_.strRenamePath, "D:\\f\\");
    EXPECT_EQ(module_.flgFileName, 1);
}

TEST_F(FrmFileNameTest, ScanningTwiceGivesTheSameLists)
{
    scanFolder("D:\\f", {"b.txt", "a.txt"});
    const auto first = window_.List1.rows();
    window_.cmdStart.click();
    EXPECT_EQ(window_.List1.rows(), first);
}

TEST_F(FrmFileNameTest, AFolderThatCannotBeReadIsReportedWithEmptyLists)
{
    scanFolder("D:\\f", {"a.txt"});
    window_.Text1.setText("D:\\missing\\");
    window_.cmdStart.click();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_THAT(dialogs_.messages[0].text, HasSubstr("D:\\missing\\"));
    EXPECT_EQ(window_.List1.count(), 0);
    EXPECT_EQ(window_.window.pointer(), controls::MousePointer::Default);
}

TEST_F(FrmFileNameTest, ClickingARowSelectsItInEveryColumn)
{
    scanFolder("D:\\f", {"a.txt", "b.txt", "c.txt", "report.txt", "README"});
    window_.List1.setSelectedRow(1);
    window_.List1.setSelectedRow(3);
    EXPECT_THAT(selections(), ElementsAre(3, 3, 3));
    EXPECT_EQ(window_.Text3.text(), "report");
    EXPECT_TRUE(window_.Command2.isDefault());
    EXPECT_EQ(module_.intNameRow, 3);
    EXPECT_TRUE(window_.Command2.enabled()); // "report" differs from "report.txt"

    window_.List2[1].setSelectedRow(4);
    EXPECT_THAT(selections(), ElementsAre(4, 4, 4));
    EXPECT_EQ(window_.Text3.text(), "README");
    EXPECT_FALSE(window_.Command2.enabled()); // "README" is the whole name

    window_.List2[0].setSelectedRow(0);
    EXPECT_THAT(selections(), ElementsAre(0, 0, 0));
    EXPECT_EQ(window_.Text3.text(), "a");
    EXPECT_EQ(module_.flgFileName, 1);
}

TEST_F(FrmFileNameTest, AnEmptyPlannedNameMakesEnterScanAndLeavesTheRest)
{
    scanFolder("D:\\f", {"a.txt", "b.txt"});
    window_.List1.setSelectedRow(0);
    window_.List2[0].replace(1, "");
    window_.List2[0].setSelectedRow(1);
    EXPECT_TRUE(window_.cmdStart.isDefault());
    EXPECT_FALSE(window_.Command2.isDefault());
    EXPECT_THAT(selections(), ElementsAre(0, 1, 0));
    EXPECT_EQ(window_.Text3.text(), "a");
    EXPECT_EQ(module_.intNameRow, 0);
}

TEST_F(FrmFileNameTest, AShortPlannedColumnNeverFailsAClick)
{
    scanFolder("D:\\f", {"a.txt", "b.txt", "c.txt"});
    window_.List2[0].assign({"x"});
    window_.List1.setSelectedRow(2);
    EXPECT_THAT(selections(), ElementsAre(2, -1, 2));
    window_.List2[1].setSelectedRow(1);
    EXPECT_THAT(selections(), ElementsAre(1, -1, 1));
}

TEST_F(FrmFileNameTest, NumberingTakesTheBaseTextAndThePosition)
{
    std::vector<std::string> twelve;
    for (int i = 0; i < 12; ++i)
        twelve.push_back("f" + std::to_string(i) + ".jpg");
    scanFolder("D:\\f", twelve);
    const auto extensions = window_.List2[1].rows();

    window_.Check1.setValue(1);
    window_.Text3.setText("img");
    window_.Command2.click();
    EXPECT_EQ(window_.List2[0].count(), 12);
    EXPECT_EQ(window_.List2[0].text(0), "00img");
    EXPECT_EQ(window_.List2[0].text(11), "11img");

    window_.Option1[1].setValue(true);
    EXPECT_FALSE(window_.Option1[0].value());
    window_.Command2.click();
    EXPECT_EQ(window_.List2[0].text(0), "img00");

    window_.Text3.setText("");
    window_.Command2_Click();
    EXPECT_EQ(window_.List2[0].text(11), "11");
    EXPECT_EQ(window_.List2[1].rows(), extensions);
    EXPECT_EQ(window_.List1.rows(), twelve);
}

TEST_F(FrmFileNameTest, NumberingAnEmptyListGivesNothing)
{
    window_.Check1.setValue(1);
    window_.Text3.setText("img");
    window_.Command2.click();
    EXPECT_EQ(window_.List2[0].count(), 0);
}

TEST_F(FrmFileNameTest, TheNumberingOptionsFollowTheCheckBox)
{
    window_.Check1.setValue(1);
    EXPECT_TRUE(window_.Frame1.enabled());
    EXPECT_TRUE(window_.Option1[0].enabled());
    EXPECT_TRUE(window_.Option1[1].enabled());
    window_.Check1.setValue(0);
    EXPECT_FALSE(window_.Frame1.enabled());
    EXPECT_FALSE(window_.Option1[1].enabled());
    EXPECT_TRUE(window_.Option1[0].value());
}

TEST_F(FrmFileNameTest, ASingleEditReplacesTheSelectedPlannedName)
{
    scanFolder("D:\\f", {"a.txt", "b.txt"});
    window_.List2[0].setSelectedRow(1);
    window_.Text3.setText("renamed");
    window_.Command2.click();
    EXPECT_THAT(window_.List2[0].rows(), ElementsAre("a", "renamed"));

    window_.Text3.setText("");
    window_.Command2_Click(); // an empty text changes nothing
    EXPECT_THAT(window_.List2[0].rows(), ElementsAre("a", "renamed"));
}

TEST_F(FrmFileNameTest, ASingleEditWithoutSelectionChangesNothing)
{
    scanFolder("D:\\f", {"a.txt"});
    window_.Text3.setText("x");
    window_.Command2.click();
    EXPECT_THAT(window_.List2[0].rows(), ElementsAre("a"));
}

TEST_F(FrmFileNameTest, AHundredThousandFilesScanNumberAndRename)
{
    std::vector<std::string> names;
    for (int i = 0; i < 100000; ++i)
        names.push_back("file" + std::to_string(i) + ".dat");
    scanFolder("D:\\big", names);
    EXPECT_EQ(window_.List1.count(), 100000);
    window_.Check1.setValue(1);
    window_.Text3.setText("p");
    window_.Command2.click();
    EXPECT_EQ(window_.List2[0].text(99999), "099999p");
    window_.Command1.click();
    EXPECT_THAT(
            dialogs_.messageTexts(),
            ElementsAre("変更を適用してもいい？", "ほんとにいいの？", "100000変更されました。"));
    EXPECT_EQ(window_.List1.text(0), "000000p.dat");
    EXPECT_EQ(window_.List1.count(), 100000);
}

// The batch on a real folder.
class RenameBatchTest : public ::testing::Test
{
protected:
    RenameBatchTest()
    {
        process_.programPath = dir_.path();
        window_.Form_Load();
    }

    void scan(const std::vector<std::string> &names)
    {
        for (const auto &name : names)
            dir_.writeFile(name, "content of " + name);
        window_.cmdStart.click();
    }

    std::vector<std::string> sortedList1() const
    {
        auto rows = window_.List1.rows();
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    test::TempDir dir_;
    services::PosixFileSystem fs_;
    test::FakeDrives drives_;
    test::FakeDialogs dialogs_;
    test::FakeTextFiles textFiles_;
    test::FakeProcess process_;
    Module1 module_;
    FrmFileName window_{module_, {fs_, drives_, dialogs_, textFiles_, process_}};
};

TEST_F(RenameBatchTest, AsksTwiceRenamesReportsAndRescans)
{
    scan({"a.txt", "b.txt", "c.jpg"});
    for (int row = 0; row < 3; ++row)
        window_.List2[0].replace(row, window_.List2[0].text(row) + "_new");
    std::vector<std::string> text3Seen;
    window_.Text3.changed.connect([&] { text3Seen.push_back(window_.Text3.text()); });

    window_.Command1.click();

    ASSERT_EQ(dialogs_.messages.size(), 3u);
    EXPECT_EQ(dialogs_.messages[0].text, "変更を適用してもいい？");
    EXPECT_EQ(dialogs_.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(dialogs_.messages[1].text, "ほんとにいいの？");
    EXPECT_EQ(dialogs_.messages[1].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(dialogs_.messages[2].text, "3変更されました。");
    EXPECT_EQ(dialogs_.messages[2].title, "Tavolin");
    EXPECT_THAT(dir_.names(), ElementsAre("a_new.txt", "b_new.txt", "c_new.jpg"));
    EXPECT_EQ(dir_.readFile("a_new.txt"), "content of a.txt");
    EXPECT_THAT(sortedList1(), ElementsAre("a_new.txt", "b_new.txt", "c_new.jpg"));
    EXPECT_EQ(window_.List2[0].count(), 3); // rescanned: base names again
    EXPECT_EQ(text3Seen.size(), 4u);        // each row shown in turn, then cleared by the rescan
    EXPECT_EQ(window_.window.pointer(), controls::MousePointer::Default);
    EXPECT_EQ(module_.flgFileName, 1);
}

TEST_F(RenameBatchTest, CancelAtEitherQuestionChangesNothing)
{
    scan({"a.txt"});
    window_.List2[0].replace(0, "b");
    for (int cancelAt = 0; cancelAt < 2; ++cancelAt) {
        dialogs_.messages.clear();
        dialogs_.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Ok};
        dialogs_.messageAnswers[static_cast<std::size_t>(cancelAt)] = MessageAnswer::Cancel;
        window_.Command1.click();
        EXPECT_EQ(dialogs_.messages.size(), static_cast<std::size_t>(cancelAt + 1));
        EXPECT_THAT(dir_.names(), ElementsAre("a.txt"));
        EXPECT_THAT(window_.List2[0].rows(), ElementsAre("b"));
    }
}

TEST_F(RenameBatchTest, NothingToChangeGivesNoReportButARescan)
{
    scan({"a.txt"});
    window_.List1.setSelectedRow(0);
    window_.Command1.click();
    EXPECT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(window_.List1.selectedRow(), -1); // the rescan rebuilt the lists
}

TEST_F(RenameBatchTest, AnEmptyListRenamesNothingAndDoesNotRescan)
{
    window_.Command1.click();
    EXPECT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(window_.Label1.caption(), "ファイル数 = ");
}

TEST_F(RenameBatchTest, ASwapIsRefusedReportedAndRescanned)
{
    scan({"a.txt", "b.txt"});
    const int rowOfA = window_.List1.text(0) == "a.txt" ? 0 : 1;
    window_.List2[0].replace(rowOfA, "b");
    window_.List2[0].replace(1 - rowOfA, "a");
    window_.Command1.click();

    ASSERT_EQ(dialogs_.messages.size(), 3u);
    const std::string &report = dialogs_.messages[2].text;
    EXPECT_THAT(report,
                HasSubstr(rowOfA == 0 ? "「a.txt」を「b.txt」に変更できませんでした。"
                                      : "「b.txt」を「a.txt」に変更できませんでした。"));
    EXPECT_THAT(report, HasSubstr("同じ名前のファイルかフォルダがすでにあります"));
    EXPECT_THAT(report, HasSubstr("変更したファイルはありません。"));
    EXPECT_EQ(dir_.readFile("a.txt"), "content of a.txt");
    EXPECT_EQ(dir_.readFile("b.txt"), "content of b.txt");
    EXPECT_THAT(sortedList1(), ElementsAre("a.txt", "b.txt"));
    EXPECT_THAT(window_.List2[0].rows(), ::testing::UnorderedElementsAre("a", "b"));
}

TEST_F(RenameBatchTest, AReportSaysHowManyWereRenamedBeforeTheRefusal)
{
    scan({"a.txt", "b.txt", "c.txt"});
    dir_.makeFolder("blocker.txt"); // folders are not listed, but their names are taken
    window_.List2[0].replace(0, "r0");
    window_.List2[0].replace(1, "r1");
    window_.List2[0].replace(2, "blocker");
    const std::string lastName = window_.List1.text(2);
    window_.Command1.click();

    const std::string &report = dialogs_.messages.back().text;
    EXPECT_THAT(report, HasSubstr("「" + lastName + "」を「blocker.txt」に変更できませんでした。"));
    EXPECT_THAT(report, HasSubstr("それまでに2個のファイルを変更しました。"));
    EXPECT_THAT(dir_.names(),
                ::testing::UnorderedElementsAre(lastName, "blocker.txt", "r0.txt", "r1.txt"));
    EXPECT_THAT(window_.List1.rows(),
                ::testing::UnorderedElementsAre(lastName, "r0.txt", "r1.txt"));
}

TEST_F(RenameBatchTest, ACaseOnlyChangeCountsAsARename)
{
    scan({"a.txt"});
    window_.List2[0].replace(0, "A");
    window_.Command1.click();
    EXPECT_EQ(dialogs_.messages.back().text, "1変更されました。");
    EXPECT_THAT(dir_.names(), ElementsAre("A.txt"));
}

TEST_F(RenameBatchTest, InvalidPlannedNamesAreRefusedAndReported)
{
    dir_.makeFolder("sub");
    for (const char *bad : {"../x", "sub/x", "x\\y/z", ".hidden"}) {
        dialogs_.messages.clear();
        scan({"a.txt"});
        window_.List2[0].replace(0, bad);
        window_.Command1.click();
        ASSERT_EQ(dialogs_.messages.size(), 3u) << bad;
        EXPECT_THAT(dialogs_.messages[2].text, HasSubstr("変更できませんでした")) << bad;
        EXPECT_THAT(dir_.names(), ElementsAre("a.txt", "sub")) << bad;
    }
}

TEST_F(RenameBatchTest, AFolderChosenAfterTheScanIsRefused)
{
    scan({"a.txt"});
    window_.List2[0].replace(0, "b");
    dir_.makeFolder("other");
    dir_.writeFile("other/a.txt", "another a");
    // The chooser writes the folder field and the remembered folder, without scanning.
    window_.Text1.setText(dir_.pathOf("other") + "/");
    module_.strRenamePath = window_.Text1.text();
    window_.Command1.click();

    ASSERT_EQ(dialogs_.messages.size(), 3u);
    EXPECT_THAT(dialogs_.messages[2].text, HasSubstr("「取得」"));
    EXPECT_TRUE(dir_.exists("a.txt"));
    EXPECT_TRUE(dir_.exists("other/a.txt"));
    EXPECT_FALSE(dir_.exists("b.txt"));
    EXPECT_FALSE(dir_.exists("other/b.txt"));
}

TEST_F(RenameBatchTest, RowsWithoutAPlannedNameStayAsTheyAre)
{
    scan({"a.txt", "b.txt", "c.txt"});
    window_.List2[0].assign({"first"}); // as after reading a text file of one line
    const std::string firstName = window_.List1.text(0);
    window_.Command1.click();
    EXPECT_EQ(dialogs_.messages.back().text, "1変更されました。");
    EXPECT_TRUE(dir_.exists("first.txt"));
    EXPECT_FALSE(dir_.exists(firstName));
    EXPECT_EQ(dir_.names().size(), 3u);
}

TEST_F(RenameBatchTest, TwelveNumberedFiles)
{
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i)
        names.push_back("photo" + std::to_string(i) + (i % 2 ? ".jpg" : ".png"));
    scan(names);
    window_.Check1.setValue(1);
    window_.Text3.setText("img");
    window_.Command2.click();
    window_.Command1.click();
    EXPECT_EQ(dialogs_.messages.back().text, "12変更されました。");
    for (const std::string &name : window_.List1.rows()) {
        EXPECT_TRUE(name.ends_with(".jpg") || name.ends_with(".png")) << name;
        EXPECT_EQ(name.substr(2, 3), "img") << name;
    }
    EXPECT_EQ(dir_.names().size(), 12u);
}

} // namespace
} // namespace tavolin::renamewindow
