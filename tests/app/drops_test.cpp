// Folders dragged from the file manager onto the real windows, over a real temporary folder.
// What a window does with a dropped folder is its model's rule, tested with the model.
#include "app/widget_steps.h"
#include "app/windows.h"
#include "controls/qt/large_text_edit.h"
#include "support/window_worlds.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QUrl>

namespace tavolin {
namespace {

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

// A folder dropped on either window, on a text box too, reaches the window's model, and no path
// is typed into the box.
TEST(FolderDrops, DroppedOnEitherWindowAFolderReachesItsModel)
{
    test::RealDisk world;
    world.dir.makeFolder("写真");
    world.dir.writeFile("写真/a.jpg");
    Windows windows(world.real);
    ASSERT_TRUE(windows.start());
    const std::string photos = world.dir.pathOf("写真");
    EXPECT_TRUE(
            drop(child<controls::LargeTextEdit>(windows.mainView(), "txtM")->viewport(), photos));
    EXPECT_EQ(windows.frmMain().Dir1.path(), photos);
    EXPECT_EQ(windows.frmMain().txtM.text(), "") << "no path typed into the listing";
    playOnWidgets(windows.mainView(), "press cmdRename");
    ASSERT_NE(windows.renameView(), nullptr);
    EXPECT_TRUE(drop(child(windows.renameView(), "List1"), photos + "/a.jpg"));
    EXPECT_EQ(windows.frmFileName()->List1.rows(), std::vector<std::string>{"a.jpg"});
    EXPECT_EQ(world.dialogs.messageTexts(), std::vector<std::string>{});
}

} // namespace
} // namespace tavolin
