// Folders dragged from the file manager onto the real windows, over a real temporary folder.
#include "app/widget_steps.h"
#include "app/windows.h"
#include "mainwindow/qt/main_window_view.h"
#include "platform/posix_file_system.h"
#include "renamewindow/qt/rename_window_view.h"
#include "support/temp_dir.h"
#include "support/window_worlds.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

// The fakes, but the disk real.
struct RealFolder : test::Fakes
{
    RealFolder()
    {
        dir.makeFolder("写真");
        dir.writeFile("写真/a.jpg");
        dir.writeFile("写真/b.jpg");
        process.programPath = process.homePath = process.currentPath = dir.path();
    }

    const test::TempDir dir;
    services::PosixFileSystem posix;
    test::FakeDrives root{{"/"}};
    services::Services real{
            posix, root, dialogs, textFiles, process, journals, progress, photoDates, clipboard, later};
};

// Drags `path` over `target` and drops it there, as the file manager does; whether the target
// took the drag.
bool drop(QWidget *target, const std::string &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
}

TEST(FolderDrops, OntoTheMainWindowTheFolderListOpensIt)
{
    RealFolder world;
    mainwindow::FrmMain model(world.module, world.real);
    ASSERT_TRUE(model.Form_Load());
    mainwindow::MainWindowView view(model);
    auto *listing = child<QPlainTextEdit>(&view, "txtM");
    const std::string photos = world.dir.pathOf("写真");
    for (const std::string &path : {photos, photos + "/b.jpg"}) {
        model.openFolder(world.dir.path());
        EXPECT_TRUE(drop(listing->viewport(), path)) << path;
        EXPECT_EQ(model.Dir1.path(), photos) << path;
    }
    EXPECT_EQ(model.txtM.text(), "") << "no path typed into the listing";
    EXPECT_TRUE(drop(child(&view, "cmdStart"), world.dir.pathOf("gone")));
    EXPECT_EQ(model.Dir1.path(), photos);
    ASSERT_EQ(world.dialogs.messageTexts().size(), 1U);
}

// Dropped on the main window, a folder is also the one the rename window opens on.
TEST(FolderDrops, OntoTheMainWindowItIsWhereTheRenameWindowOpens)
{
    RealFolder world;
    Windows windows(world.real);
    ASSERT_TRUE(windows.start());
    const std::string photos = world.dir.pathOf("写真");
    EXPECT_TRUE(drop(child<QPlainTextEdit>(windows.mainView(), "txtM")->viewport(), photos));
    playOnWidgets(windows.mainView(), "press cmdRename");
    ASSERT_NE(windows.frmFileName(), nullptr);
    EXPECT_EQ(windows.frmFileName()->Text1.text(), photos + "/");
}

TEST(FolderDrops, OntoTheRenameWindowItIsScanned)
{
    RealFolder world;
    world.dir.makeFolder("other");
    world.dir.writeFile("other/c.jpg");
    renamewindow::FrmFileName model(world.module, world.real);
    model.Form_Load();
    renamewindow::RenameWindowView view(model);
    const std::string photos = world.dir.pathOf("写真"), other = world.dir.pathOf("other");
    EXPECT_TRUE(drop(child(&view, "List1"), photos));
    EXPECT_EQ(model.Text1.text(), photos + "/");
    EXPECT_EQ(model.List1.rows(), (std::vector<std::string>{"a.jpg", "b.jpg"}));

    // Planned names as the scan read them go without a word; names typed or numbered since go
    // only once the user agreed, キャンセル keeping them and the folder.
    for (const char *planning : {"click List2_0 0; type Text3 旅行; press Command2",
                                 "tick Check1; type Text3 x; press Command2"}) {
        SCOPED_TRACE(planning);
        world.dialogs.messages.clear();
        EXPECT_TRUE(drop(child(&view, "List1"), photos));
        EXPECT_EQ(model.List2[0].rows(), (std::vector<std::string>{"a", "b"}));
        playOnWidgets(&view, planning);
        const std::vector<std::string> planned = model.List2[0].rows();
        EXPECT_NE(planned, (std::vector<std::string>{"a", "b"}));
        world.dialogs.messageAnswers.push_back(services::MessageAnswer::Cancel);
        EXPECT_TRUE(drop(child(&view, "List1"), other));
        ASSERT_EQ(world.dialogs.messages.size(), 1U);
        EXPECT_EQ(world.dialogs.messages[0].buttons, services::MessageButtons::OkCancel);
        EXPECT_EQ(model.Text1.text(), photos + "/");
        EXPECT_EQ(model.List2[0].rows(), planned);
        EXPECT_TRUE(drop(child(&view, "List1"), other)); // answered OK
        EXPECT_EQ(world.dialogs.messages.size(), 2U);
        EXPECT_EQ(model.Text1.text(), other + "/");
        EXPECT_EQ(model.List1.rows(), std::vector<std::string>{"c.jpg"});
    }

    // Not while the rules window holds the folder field.
    model.cmdRules.click();
    EXPECT_TRUE(drop(child(&view, "List1"), photos));
    EXPECT_EQ(model.Text1.text(), other + "/");
}

} // namespace
} // namespace tavolin
