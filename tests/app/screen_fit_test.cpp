// The windows on a screen that may be too small for them (the offscreen screen is 800 by 600;
// one ctest entry runs this on a 1920 by 1080 screen at twice the scale): each opens inside the
// screen's available area, and Tab brings every control into sight.
#include "app/windows.h"
#include "support/window_worlds.h"
#include "widget_steps.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace tavolin {
namespace {

// The window is inside the screen's available area, and scrolls only where it is smaller than
// designed. Tab goes from control to control, once round the window and a little more; each
// control that takes the focus is at least partly in sight, scrolled there where need be.
void expectEveryControlComesIntoSightByTab(QWidget *window, const std::string &script)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
    const auto *scroll = window->findChild<QScrollArea *>();
    if (window->size() == scroll->widget()->size()) {
        EXPECT_EQ(scroll->viewport()->size(), window->size()) << "a scroll bar for nothing";
    }
    for (int press = 0; press < 40; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget *focused = QApplication::focusWidget();
        EXPECT_FALSE(focused->visibleRegion().isEmpty())
                << focused->objectName().toStdString() << " out of sight";
    }
    playOnWidgets(window, script);
}

// Where the screen's available area is smaller than the main window designed, the user may make
// it larger up to its design.
TEST(WindowsOnTheScreen, EachOpensInsideTheScreenAndTabBringsEachControlIntoSight)
{
    test::Fakes fakes;
    fakes.fs.addFile("D:\\Tools\\Lister", "report.txt", 10);
    Windows windows(fakes.doors);
    ASSERT_TRUE(windows.start());
    QWidget *main = windows.mainView();
    const QSize designed = main->findChild<QScrollArea *>()->widget()->size();
    if (main->screen()->availableGeometry().size().boundedTo(designed) != designed) {
        EXPECT_LT(main->minimumSize().width(), main->width());
        EXPECT_GE(main->maximumSize().width(), designed.width());
        EXPECT_GE(main->maximumSize().height(), designed.height());
    }
    expectEveryControlComesIntoSightByTab(main, "shot main-window-on-this-screen; press cmdRename");
    QWidget *rename = windows.renameView();
    expectEveryControlComesIntoSightByTab(rename, "press Command3");
    expectEveryControlComesIntoSightByTab(rename, "shot rename-window-on-this-screen");
    playOnWidgets(rename, "press cmdDialog");
    expectEveryControlComesIntoSightByTab(windows.chooserView(), "");
}

} // namespace
} // namespace tavolin
