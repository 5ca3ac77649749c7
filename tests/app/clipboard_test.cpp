// ｺﾋﾟｰ in the real main window, onto Qt's own clipboard, as another program pastes from it.
#include "app/widget_steps.h"
#include "mainwindow/qt/main_window_view.h"
#include "platform/qt/qt_clipboard.h"
#include "support/window_worlds.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

// The main window over the fakes, but with the desktop's clipboard.
struct ClipboardWorld : test::Fakes
{
    ClipboardWorld()
    {
        for (const char *name : {"一.txt", "二.txt", "三.txt"})
            fs.addFile("D:\\Tools\\Lister", name);
        EXPECT_TRUE(model.Form_Load());
    }

    services::QtClipboard desktop;
    services::Services withDesktop{
            fs, drives, dialogs, textFiles, process, journals, progress, photoDates, desktop};
    mainwindow::FrmMain model{module, withDesktop};
    mainwindow::MainWindowView view{model};
};

TEST(Clipboard, TheListingArrivesOneFileToALine)
{
    ClipboardWorld world;
    playOnWidgets(&world.view, "tick Check3; press cmdStart; press cmdCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "一.txt\n三.txt\n二.txt");
}

TEST(Clipboard, AnEmptyListingLeavesTheUsersTextThere)
{
    ClipboardWorld world;
    QGuiApplication::clipboard()->setText(QStringLiteral("the user's own"));
    playOnWidgets(&world.view, "press cmdStart; press Command4; press cmdCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "the user's own");
}

} // namespace
} // namespace tavolin
