// The keyboard focus stays on the button that started long work: the controls held disabled
// meanwhile must not hand it to the next control, so that the same key starts the work again.
#include "mainwindow/qt/main_window_view.h"
#include "renamewindow/qt/rename_window_view.h"
#include "support/window_worlds.h"
#include "widget_steps.h"

#include <QCheckBox>
#include <QTest>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

// Gives cmdStart of `window` the focus as Tab would, then presses Space twice with real key
// events on whatever has the focus; `scans` counts the scans the model ran.
void expectSpaceScansTwice(QWidget *window, const int &scans)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QWidget *start = child(window, "cmdStart");
    start->setFocus(Qt::TabFocusReason);
    for (int press = 1; press <= 2; ++press) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Space);
        EXPECT_EQ(scans, press) << "Space number " << press;
        EXPECT_EQ(QApplication::focusWidget(), start)
                << "the focus went to " << QApplication::focusWidget()->objectName().toStdString();
    }
}

TEST(HeldFocus, SpaceOnTheMainWindowsStartButtonScansAgainAndAgain)
{
    test::MainWorld world;
    world.fs.addFile("D:\\Tools\\Lister", "report.txt", 10);
    ASSERT_TRUE(world.model.Form_Load());
    int scans = 0;
    world.model.cmdStart.clicked.connect([&] { ++scans; });
    mainwindow::MainWindowView view(world.model);
    expectSpaceScansTwice(&view, scans);
    EXPECT_NE(world.model.txtM.text().find("report"), std::string::npos);
    EXPECT_EQ(child<QCheckBox>(&view, "Check6")->checkState(), Qt::Unchecked);
}

TEST(HeldFocus, SpaceOnTheRenameWindowsStartButtonScansAgainAndAgain)
{
    test::RenameWorld world;
    world.fs.addFile("D:\\f", "photo.jpg");
    world.model.Text1.setText("D:\\f\\");
    int scans = 0;
    world.model.cmdStart.clicked.connect([&] { ++scans; });
    renamewindow::RenameWindowView view(world.model);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    expectSpaceScansTwice(&view, scans);
    EXPECT_EQ(world.model.List1.count(), 1);
    EXPECT_EQ(world.model.Text1.text(), "D:\\f\\") << "no Space typed into the folder field";
}

} // namespace
} // namespace tavolin
