// The real main window, driven with mouse and keyboard on the offscreen platform beside a bare
// model given the same user actions (see support/view_replay.h): Tab changes nothing, Enter
// presses the focused button and only that one, what is typed reaches the model, and a name that
// is not UTF-8 (Shift-JIS from an old disk, which no QString holds) survives an edit of the
// listing.
#include "mainwindow/main_window_view.h"

#include "support/view_replay.h"
#include "support/window_worlds.h"

#include <QAbstractItemView>
#include <QPlainTextEdit>

#include <sstream>

namespace tavolin::mainwindow {
namespace {

struct World : test::MainWorld
{
    World()
    {
        for (const char *name :
             {"写真.jpg", "readme", "report.txt", "\x83\x65\x83\x58\x83\x67.txt"})
            fs.addFile("D:\\Tools\\Lister", name, 1234);
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

// Beyond the common steps: answer PATH (the next file dialog picks PATH), and append TEXT (typed
// at the end of the listing).
bool extraStep(std::string_view step, World &w, QWidget *window)
{
    const auto [verb, value, _] = test::split(step);
    if (verb == "answer") {
        w.dialogs.fileAnswers.push_back(value);
    } else if (verb == "append" && !window) {
        w.model.txtM.setText(w.model.txtM.text() + value);
    } else if (verb == "append") {
        auto *txtM = test::child<QPlainTextEdit>(window, "txtM");
        txtM->setFocus();
        txtM->moveCursor(QTextCursor::End);
        QTest::keyClicks(txtM, QString::fromStdString(value));
    }
    return verb == "answer" || verb == "append";
}

// It shows files, it selects none.
TEST(MainWindowView, TheWindowDoesWhatTheModelDoes)
{
    World viewed, bare;
    MainWindowView view(viewed.model);
    test::replay<World>(
            "shot main-window; tab 30; tab -30; enter Text1; enter Check2; enter cmdStart;"
            "click File1 1; tick Check3; tick Check4; enter cmdStart; shot main-window-scanned;"
            "append !; tab 30; enter Command2_0; enter Command2_1; answer D:\\saved.txt;"
            "enter Command1; enter cmdRename; type txtM 新しい; enter Command4; tab -30;"
            "enter cmdEnd",
            viewed,
            bare,
            &view,
            extraStep,
            [&](const std::string &after) {
                const auto *file1 = test::child<QAbstractItemView>(&view, "File1");
                EXPECT_TRUE(file1->selectionModel()->selectedIndexes().isEmpty()) << after;
            });
    EXPECT_EQ(viewed.process.exits, 1);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Tavolin"));
    EXPECT_EQ(view.minimumSize(), view.maximumSize());
}

} // namespace
} // namespace tavolin::mainwindow
