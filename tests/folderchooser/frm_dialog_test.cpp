// The folder chooser's rules, on its model over the in-memory drives C:\, D:\ and E:\.
#include "folderchooser/frm_dialog.h"
#include "support/window_worlds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace tavolin::folderchooser {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// The chooser, made on open() as showing it does; what OK delivers is recorded in turn.
class FrmDialogTest : public ::testing::Test, protected test::Fakes
{
protected:
    FrmDialogTest()
    {
        for (const char *folder : {"C:\\Users\\me", "D:\\Work\\Old", "E:\\"})
            fs.addFolder(folder);
        process.currentPath = "C:\\Users\\me";
    }

    FrmDialog &open()
    {
        const auto deliver = [this](std::string to) {
            return [this, to](const std::string &folder) {
                delivered.push_back(to + folder);
            };
        };
        model = std::make_unique<FrmDialog>(
                module, doors, FolderTargets{deliver("rename "), deliver("main ")});
        model->window.closeRequested.connect([this] { ++closes; });
        model->Form_Load();
        return *model;
    }

    std::string shown() const { return model->Dir1.path() + " " + model->Label1.caption(); }

    std::vector<std::string> delivered; // each folder after the name of the window it went to
    int closes = 0;
    std::unique_ptr<FrmDialog> model;
};

// The chooser opens in front on the folder of the window it serves, shown and delivered from the
// root: a folder typed from the current folder into the rename window's field too, so that the
// rename window's scan takes what OK hands it.
TEST_F(FrmDialogTest, OpensInFrontOnTheServedWindowsFolderAsAPathFromTheRoot)
{
    fs.addFolder("C:\\Users\\me\\データ");
    // flgFileName, the rename and the main window's folder ("-" for none), the current folder
    // => the folder list, Label1.
    for (const std::string row :
         {"0 D:\\Work\\Old\\ - E:\\ => E:\\ E:\\\\", // one separator appended, also to a root
          "1 D:\\Work\\Old\\ C:\\Users\\me\\ C:\\ => D:\\Work\\Old D:\\Work\\Old\\",
          "0 - C:\\Users\\me C:\\Users\\me => C:\\Users\\me C:\\Users\\me", // as stored
          // A folder that is gone: its nearest parent that still opens.
          "0 - D:\\Work\\Old\\Gone\\Deeper\\ D:\\Work\\Old => D:\\Work\\Old D:\\Work\\Old\\",
          "0 - D:\\Gone\\ C:\\ => D:\\ D:\\",
          // From the current folder.
          "1 データ\\ - C:\\Users\\me => C:\\Users\\me\\データ C:\\Users\\me\\データ\\",
          "1 .\\データ - C:\\Users\\me => C:\\Users\\me\\データ C:\\Users\\me\\データ\\",
          "1 ..\\ - C:\\Users\\me => C:\\Users C:\\Users\\",
          "1 データ\\Gone\\ - C:\\Users\\me => C:\\Users\\me\\データ C:\\Users\\me\\データ\\"}) {
        std::istringstream in(row);
        int servesRenameWindow = 0;
        in >> servesRenameWindow >> module.strRenamePath >> module.strMainPath
                >> process.currentPath;
        module.flgFileName
                = servesRenameWindow ? ChooserServes::RenameWindow : ChooserServes::MainWindow;
        for (std::string *path : {&module.strRenamePath, &module.strMainPath})
            *path = *path == "-" ? "" : *path;
        open();
        EXPECT_EQ(" => " + shown(), row.substr(row.find(" => ")));
        EXPECT_EQ(model->Drive1.drive(), shown().substr(0, 3));
        EXPECT_TRUE(model->window.topMost());
    }
    model->cmdOK.click();
    EXPECT_THAT(delivered, ElementsAre("rename C:\\Users\\me\\データ\\"));
    EXPECT_EQ(module.strRenamePath, "C:\\Users\\me\\データ\\");
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

// A drive gone since the list was read and a folder that cannot be opened are the main window's
// tests: both windows' lists take them the same way.
TEST_F(FrmDialogTest, ADriveThatDoesNotAnswerSaysSoAndTheListsGoBack)
{
    FrmDialog &chooser = open();
    fs.failFolder("E:\\", {services::FsErrorKind::NotReady, "no medium"});
    chooser.Drive1.setDrive("E:\\");
    EXPECT_THAT(dialogs.messageTexts(), ElementsAre("フロッピーディスクをセットしてください"));
    EXPECT_EQ(chooser.Drive1.drive(), "C:\\");
    EXPECT_EQ(shown(), "C:\\Users\\me C:\\Users\\me\\");
    EXPECT_EQ(closes + process.exits, 0);
}

TEST_F(FrmDialogTest, ANewFolderIsMadeInsideTheCurrentOneAndOpened)
{
    FrmDialog &chooser = open();
    chooser.openFolder("D:\\Work");
    const std::string tooLong(258, 'n');
    for (const std::string &name :
         {std::string(), std::string("Old"), tooLong, std::string("Photos")}) {
        dialogs.textAnswers.push_back(name);
        chooser.cmdNewF.click();
    }
    EXPECT_THAT(
            dialogs.messageTexts(),
            ElementsAre("新規フォルダ名を入力してないため、キャンセルします",
                        "フォルダ「Old」を作成できませんでした。\n"
                        "同じ名前のファイルかフォルダがすでにあります",
                        "フォルダ「" + tooLong + "」を作成できませんでした。\n名前が長すぎます"));
    EXPECT_THAT(fs.log(), ElementsAre(HasSubstr("D:\\Work\\Photos")));
    EXPECT_EQ(shown(), "D:\\Work\\Photos D:\\Work\\Photos\\");
}

TEST_F(FrmDialogTest, OkDeliversTheLabelToTheWindowTheFlagNamesAtThatMoment)
{
    FrmDialog &chooser = open();
    chooser.openFolder("D:\\Work");
    chooser.cmdCansel.click(); // closes and delivers nothing
    module.flgFileName = ChooserServes::RenameWindow;
    chooser.cmdOK.click();
    module.flgFileName
            = ChooserServes::MainWindow; // the rename window ended while the chooser stayed open
    chooser.openFolder("D:\\Work\\Old");
    chooser.cmdOK.click();
    EXPECT_THAT(delivered, ElementsAre("rename D:\\Work\\", "main D:\\Work\\Old\\"));
    EXPECT_EQ(module.strRenamePath + " " + module.strMainPath, "D:\\Work\\ D:\\Work\\Old\\");
    EXPECT_EQ(closes, 3);
}

} // namespace
} // namespace tavolin::folderchooser
