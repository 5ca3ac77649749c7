// The folder chooser's drive list through the real view.
#include "folderchooser/folder_chooser_view.h"

#include "services/posix_file_system.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"

#include <QComboBox>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::folderchooser {
namespace {

using ::testing::ElementsAre;

TEST(FolderChooserViewTest, TheDriveListIsReadAgainAsItOpensAndAGoneDriveIsNotReady)
{
    test::TempDir dir;
    dir.makeFolder("stick");
    services::PosixFileSystem fs;
    test::FakeDrives drives({"/", dir.path()});
    test::FakeDialogs dialogs;
    test::FakeTextFiles textFiles;
    test::FakeProcess process;
    process.currentPath = dir.path();
    Module1 module;
    FrmDialog model(module, {fs, drives, dialogs, textFiles, process}, {});
    model.Form_Load();
    FolderChooserView view(model);
    view.show();
    auto *drive1 = view.findChild<QComboBox *>(QStringLiteral("Drive1"));
    ASSERT_NE(drive1, nullptr);
    EXPECT_EQ(drive1->count(), 2);

    // A stick is plugged in while the chooser is open: the list shows it once it opens.
    drives.roots.push_back(dir.pathOf("stick"));
    drive1->showPopup();
    EXPECT_EQ(drive1->count(), 3);
    drive1->hidePopup();

    // It is pulled out again before the user picks it from the list as it was.
    drives.roots.pop_back();
    QTest::keyClick(drive1, Qt::Key_Down);
    EXPECT_THAT(dialogs.messageTexts(), ElementsAre("フロッピーディスクをセットしてください"));
    EXPECT_EQ(model.Drive1.drive(), dir.path());
    EXPECT_EQ(drive1->currentData().toByteArray().toStdString(), dir.path());
    EXPECT_EQ(model.Dir1.path(), dir.path());
}

} // namespace
} // namespace tavolin::folderchooser
