// The real main window, driven with mouse and keyboard on the offscreen platform beside a bare
// model given the same user actions (see support/view_replay.h): Tab changes nothing, Enter
// presses the focused button and only that one, and what is typed reaches the model.
#include "mainwindow/main_window_view.h"

#include "support/view_replay.h"
#include "support/window_worlds.h"

#include <QAbstractItemView>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <sstream>

namespace tavolin::mainwindow {
namespace {

// A name in Shift-JIS from an old disk, which no QString holds as it is.
const std::string kShiftJis = "\x83\x65\x83\x58\x83\x67.txt";

struct World : test::MainWorld
{
    World()
    {
        for (const char *name : {"写真.jpg", "readme", "report.txt"})
            fs.addFile("D:\\Tools\\Lister", name, 1234);
        fs.addFile("D:\\old", kShiftJis);
        fs.addFolder("D:\\Tools\\Lister\\下書き");
        model.renameWindowRequested.connect([this] { ++renameRequests; });
        EXPECT_TRUE(model.Form_Load());
    }

    std::string state() const
    {
        std::ostringstream out;
        out << "folder " << model.Dir1.path() << "\nfiles " << model.File1.names().size()
            << "\nstrMainPath " << module.strMainPath << "\nrename requests " << renameRequests
            << "\nexits " << process.exits << "\nmessages " << dialogs.messages.size() << "\nsaved";
        for (const auto &[path, bytes] : textFiles.files)
            out << " |" << path << ':' << bytes;
        return out.str();
    }

    int renameRequests = 0;
};

// Beyond the common steps: save PATH (Enter on Command1, the dialog answered with PATH), and
// append TEXT (typed at the end of the listing).
bool extraStep(std::string_view words, World &w, QWidget *window)
{
    std::istringstream in{std::string(words)};
    std::string verb, value;
    in >> verb >> value;
    if (verb == "save")
        w.dialogs.fileAnswers.push_back(value);
    if (verb == "save" && window)
        test::playOnWidgets(window, "enter Command1");
    else if (verb == "save")
        test::play(w.controls(), "enter Command1");
    else if (verb == "append" && !window)
        w.model.txtM.setText(w.model.txtM.text() + value);
    else if (verb == "append") {
        auto *txtM = test::child<QPlainTextEdit>(window, "txtM");
        txtM->setFocus();
        txtM->moveCursor(QTextCursor::End);
        QTest::keyClicks(txtM, QString::fromStdString(value));
    }
    return verb == "save" || verb == "append";
}

TEST(MainWindowView, TheWindowDoesWhatTheModelDoes)
{
    World viewed, bare;
    MainWindowView view(viewed.model);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    test::replay<World>(
            "shot main-window; tab 30; backtab 30; enter Text1; enter Check2; enter cmdStart;"
            "click File1 1; tick Check3; tick Check4; enter cmdStart; shot main-window-scanned;"
            "append !; tab 30; enter Command2_0; enter Command2_1; save D:\\saved.txt;"
            "enter cmdRename; type txtM 新しい; enter Command4; backtab 30; enter cmdEnd",
            viewed,
            bare,
            &view,
            extraStep,
            [&](const std::string &after) { // it shows files, it selects none
                const auto *file1 = test::child<QAbstractItemView>(&view, "File1");
                EXPECT_TRUE(file1->selectionModel()->selectedIndexes().isEmpty()) << after;
            });
    EXPECT_EQ(viewed.process.exits, 1);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Tavolin"));
    EXPECT_EQ(view.minimumSize(), view.maximumSize());
}

TEST(MainWindowView, ANameThatIsNotUtf8SurvivesAnEditInTheListing)
{
    World world;
    MainWindowView view(world.model);
    view.show();
    world.model.openFolder("D:\\old");
    test::play(world.controls(), "press cmdStart");
    extraStep("append !", world, &view);
    EXPECT_EQ(world.model.txtM.text(), "\x83\x65\x83\x58\x83\x67!");
}

} // namespace
} // namespace tavolin::mainwindow
