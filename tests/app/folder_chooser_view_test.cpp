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

// A long path gives way in its middle: the root and the folder's own name stay in sight, and the
// tooltip holds it whole. The model keeps the whole path, which OK delivers.
TEST(FolderChooserView, ALongPathKeepsItsRootAndItsFoldersOwnNameInSight)
{
    test::Fakes fakes;
    const std::string parent = "D:\\写真の整理と保管\\二〇二六年の家族旅行で撮った写真\\"
                               "北海道の雪まつりと温泉めぐりの記録";
    const std::string folder = parent + "\\最終日に寄った小樽の運河";
    fakes.fs.addFolder(folder);
    fakes.module.strMainPath = folder + "\\";
    std::string delivered;
    folderchooser::FrmDialog model(fakes.module, fakes.doors, {{}, [&](const std::string &path) {
                                                                   delivered = path;
                                                               }});
    model.Form_Load();
    folderchooser::FolderChooserView view(model);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    auto *label = child<QLabel>(&view, "Label1");
    const int fullWidth = label->width(); // as the window lays it out
    playOnWidgets(&view, "shot folder-chooser-long-path");

    // The shown text, as it fits the label; each case is checked at the label's width and at
    // three quarters of it, as the label is resized.
    const auto expectShown = [&](const std::string &path, const QString &name) {
        const QString whole = QString::fromStdString(path);
        for (const int width : {fullWidth, fullWidth * 3 / 4}) {
            label->resize(width, label->height());
            const QString shown = label->text();
            EXPECT_TRUE(shown.endsWith(name + u'\\')) << shown.toStdString();
            EXPECT_TRUE(shown.startsWith(QStringLiteral("D:\\"))) << shown.toStdString();
            EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString(); // …
            EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->contentsRect().width());
            EXPECT_EQ(label->toolTip(), whole);
        }
        EXPECT_EQ(model.Label1.caption(), path);
    };
    expectShown(folder + "\\", QStringLiteral("最終日に寄った小樽の運河"));
    model.openFolder(parent);
    expectShown(parent + "\\", QStringLiteral("北海道の雪まつりと温泉めぐりの記録"));

    model.openFolder("D:\\");
    EXPECT_EQ(label->text(), QStringLiteral("D:\\")) << "a path that fits is shown whole";
    model.openFolder(folder);
    model.cmdOK.click();
    EXPECT_EQ(delivered, folder + "\\");
}

} // namespace
} // namespace tavolin
