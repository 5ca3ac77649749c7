// The main window on the offscreen platform, driven with real mouse and key events beside a
// bare model given the same user actions.
#include "view_replay.h"

#include "mainwindow/qt/main_window_view.h"

namespace tavolin {
namespace {

// The main window over a folder holding, beside others, a name in Shift-JIS from an old disk,
// which no QString holds as it is. The save dialog picks D:\saved.txt.
struct MainWorld : test::MainWorld
{
    MainWorld()
    {
        for (const char *name :
             {"写真.jpg", "readme", "report.txt", "\x83\x65\x83\x58\x83\x67.txt"})
            fs.addFile("D:\\Tools\\Lister", name, 1234);
        fs.addFolder("D:\\Tools\\Lister\\下書き");
        dialogs.fileAnswers.push_back("D:\\saved.txt");
        model.renameWindowRequested.connect([this] { ++renameRequests; });
        EXPECT_TRUE(model.Form_Load());
    }

    std::string state() const { return "rename requests " + std::to_string(renameRequests); }

    // Beyond the common steps: append TEXT, typed at the end of the listing.
    bool doesItself(std::string_view step, QWidget *window)
    {
        if (!step.starts_with("append "))
            return false;
        const std::string text(step.substr(7));
        if (window) {
            playOnWidgets(window, "key txtM Ctrl+End");
            QTest::keyClicks(window->focusWidget(), QString::fromStdString(text));
        } else {
            model.txtM.setText(std::string(model.txtM.text()) + text);
        }
        return true;
    }

    int renameRequests = 0;
};

// Tab changes nothing, Enter presses the focused button and only that one, the focus stays on
// cmdStart through the scan it starts, what is typed reaches the model, and the name that is not
// UTF-8 survives an edit of the listing. The window shows files, it selects none.
TEST(MainWindowView, TheWindowDoesWhatTheModelDoes)
{
    MainWorld viewed, bare;
    mainwindow::MainWindowView view(viewed.model);
    const char *script
            = "shot main-window; tab Dir1 File1 Text1 txtM; enter Text1; enter Check2;"
              " enter cmdStart; tab Check6; click File1 1; tick Check3; tick Check4;"
              " enter cmdStart; shot main-window-scanned; pick cboOrder 3;"
              " enter cmdStart; append !;"
              " tab Check1 Check2 Check3 Check4 Check5 cboOrder cmdStart Check6"
              " Command2_0 cmdRename cmdHistory Command4 Command1 cmdExport cmdCopy cmdEnd"
              " Drive1; enter Command2_0; enter Command2_1; enter Command1;"
              " enter cmdCopy; enter cmdExport;"
              " enter cmdRename; type txtM 新しい; enter Command4; backtab cmdHistory cmdRename"
              " Command2_0 Check6 cmdStart; enter cmdEnd";
    replay(script, viewed, bare, &view, [&](const auto &after) {
        EXPECT_FALSE(child<QAbstractItemView>(&view, "File1")->selectionModel()->hasSelection())
                << after;
    });
}

// A folder whose contents cannot be read shows why in both lists, in the window's words; the
// row cannot be opened.
TEST(MainWindowView, AFolderThatCannotBeListedSaysWhyInItsLists)
{
    MainWorld world;
    mainwindow::MainWindowView view(world.model);
    world.fs.failFolder("D:\\locked", {services::FsErrorKind::NoPermission, "denied"});
    world.model.Dir1.refresh(); // as after a change of the folder's permissions
    world.model.File1.setPath("D:\\locked");
    const QString why = QStringLiteral("（中を読めません: アクセスする権限がありません）");
    const QAbstractItemModel *files = child<QAbstractItemView>(&view, "File1")->model();
    ASSERT_EQ(files->rowCount(), 1);
    EXPECT_EQ(files->index(0, 0).data().toString(), why);
    world.fs.failFolder(world.model.Dir1.path(), {services::FsErrorKind::NoPermission, "denied"});
    world.model.Dir1.refresh();
    const QAbstractItemModel *folders = child<QAbstractItemView>(&view, "Dir1")->model();
    const QModelIndex last = folders->index(folders->rowCount() - 1, 0);
    EXPECT_EQ(last.data().toString().trimmed(), why);
    EXPECT_FALSE(last.flags() & Qt::ItemIsSelectable);
}

} // namespace
} // namespace tavolin
