// The folder chooser on screen: what its Label1 shows of a folder, and what it hands back.
#include "app/windows.h"
#include "support/window_worlds.h"
#include "widget_steps.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

QString labelText(QWidget *chooser)
{
    return child<QLabel>(chooser, "Label1")->text();
}

// A folder typed from the current folder into the rename window's field, refused by its scan,
// comes back from the chooser from the root, which the scan then takes.
TEST(FolderChooserView, AFolderTypedFromTheCurrentFolderComesBackFromTheRoot)
{
    test::Fakes fakes;
    fakes.fs.addFile("C:\\Users\\me\\データ", "写真.jpg");
    fakes.fs.addFolder("D:\\Tools\\Lister"); // where the program is, and the main window starts
    fakes.process.currentPath = "C:\\Users\\me";
    Windows windows(fakes.doors);
    ASSERT_TRUE(windows.start());
    playOnWidgets(windows.mainView(), "press cmdRename");
    QWidget *rename = windows.renameView();
    playOnWidgets(rename, "type Text1 データ\\; press cmdStart");
    ASSERT_EQ(fakes.dialogs.messages.size(), 1U) << "the scan takes no folder but from the root";

    playOnWidgets(rename, "press cmdDialog");
    QWidget *chooser = windows.chooserView();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(labelText(chooser), QStringLiteral("C:\\Users\\me\\データ\\"));
    EXPECT_EQ(child<QListWidget>(chooser, "Dir1")->currentItem()->text().trimmed(),
              QStringLiteral("データ"));
    playOnWidgets(chooser, "shot folder-chooser-from-current-folder; press cmdOK");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the chooser gone
    QCoreApplication::sendPostedEvents(); // and the rename window's field drawn anew
    EXPECT_EQ(child(rename, "Text1")->property("text").toString().toStdString(),
              "C:\\Users\\me\\データ\\");
    playOnWidgets(rename, "press cmdStart");
    EXPECT_EQ(fakes.dialogs.messages.size(), 1U) << fakes.dialogs.messages.back().text;
    EXPECT_EQ(windows.frmFileName()->List1.count(), 1);
}

} // namespace
} // namespace tavolin
