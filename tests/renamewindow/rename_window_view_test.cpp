// The real rename window, driven with mouse and keyboard on the offscreen platform beside a bare
// model given the same user actions (see support/view_replay.h).
#include "renamewindow/rename_window_view.h"

#include "support/view_replay.h"
#include "support/window_worlds.h"

#include <QAbstractItemView>
#include <QTest>

#include <gtest/gtest.h>

#include <sstream>

namespace tavolin::renamewindow {
namespace {

using test::child;

// The rename window over D:\f holding Japanese, ASCII and extension-less names.
struct World : test::RenameWorld
{
    explicit World(int files)
    {
        const std::string kinds[] = {"写真の整理_", "report", "readme", "データ", "NOTES", "メモ"};
        const std::string extensions[] = {".jpg", ".txt", "", ".csv", ".TXT", ""};
        std::vector<std::string> names;
        for (int i = 0; i < files; ++i)
            names.push_back(kinds[i % 6] + std::to_string(i) + extensions[i % 6]);
        scan(names);
    }

    std::string state()
    {
        std::ostringstream out;
        out << module.intNameRow << ' ' << module.intExtRow << ' ' << module.flgFileName << ' '
            << model.window.widthTwips() << '\n';
        for (const std::string &text : dialogs.messageTexts())
            out << text << '\n';
        for (const std::string &name : fs.files("D:\\f"))
            out << name << '|';
        return out.str();
    }
};

// Beyond the common steps: read A|B|... (names read from a text file), flag0 (flgFileName set
// back to 0), and on [NAME] (a click on a control that is no list, or on the background).
bool extraStep(std::string_view words, World &w, QWidget *window)
{
    std::istringstream in{std::string(words)};
    std::string verb, name;
    in >> verb >> name;
    if (verb == "read") {
        for (std::size_t bar; (bar = name.find('|')) != std::string::npos;)
            name.replace(bar, 1, "\r\n");
        w.textFiles.files["D:\\names.txt"] = "\xEF\xBB\xBF" + name;
        w.dialogs.fileAnswers.push_back("D:\\names.txt");
        if (window)
            test::playOnWidgets(window, "press Command6");
        else
            w.model.Command6.click();
    } else if (verb == "flag0") {
        w.module.flgFileName = 0;
    } else if (verb == "on" && window) {
        QWidget *target = name.empty() ? window : child(window, name);
        QTest::mouseClick(target, Qt::LeftButton, {}, name.empty() ? QPoint(3, 3) : QPoint());
    } else if (verb == "on" && (name.empty() || name == "Label1" || name.starts_with("Text"))) {
        w.model.Form_Click(); // only these tell the window
    }
    return verb == "read" || verb == "flag0" || verb == "on";
}

class RenameWindowViewTest : public ::testing::TestWithParam<std::pair<const char *, int>>
{
protected:
    RenameWindowViewTest()
    {
        view_.setAttribute(Qt::WA_DeleteOnClose, false); // the fixture owns it
        view_.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view_));
    }

    // The window is as wide as its model says, and row k of each list of a group stands at the
    // same height, whatever its text.
    void expectInStep(const std::string &after)
    {
        EXPECT_EQ(view_.width(), viewed_.model.window.widthPixels()) << after;
        for (const char *group : {"List1 List2_0 List2_1", "List3_0 List3_1"}) {
            std::istringstream names(group);
            std::string name, first;
            names >> first;
            const auto *a = child<QAbstractItemView>(&view_, first);
            while (names >> name) {
                const auto *b = child<QAbstractItemView>(&view_, name);
                for (int row = 0; row < std::min(a->model()->rowCount(), b->model()->rowCount());
                     ++row)
                    ASSERT_EQ(a->visualRect(a->model()->index(row, 0)).y(),
                              b->visualRect(b->model()->index(row, 0)).y())
                            << "row " << row << " of " << name << " after " << after;
            }
        }
    }

    World viewed_{GetParam().second};
    World bare_{GetParam().second};
    RenameWindowView view_{viewed_.model};
};

TEST_P(RenameWindowViewTest, TheWindowDoesWhatTheModelDoes)
{
    test::replay<World>(
            GetParam().first, viewed_, bare_, &view_, extraStep, [this](const std::string &after) {
                expectInStep(after);
            });
}

// Scripts of user actions, and how many files the folder holds: 36 scroll, 5 leave space below.
INSTANTIATE_TEST_SUITE_P(
        UserActions,
        RenameWindowViewTest,
        ::testing::Values(
                // Every pair: the first, a middle one, the last, the one already selected.
                std::pair{"shot rename-window; press Command3; click List3_1 0; type Text4 .jpeg;"
                          "enter Command4; click List3_0 1; type Text4 log; press Command4;"
                          "click List3_0 3; type Text4 .テキスト; press Command4; press Command4;"
                          "click List3_1 3; click List3_0 3; key List3_0 Up; key List3_1 Home;"
                          "key List3_0 End; key List3_1 Down; type Text4; press Command4;"
                          "type Text4 .T; enter Command4; press Command5; enter Command5;"
                          "click List2_0 3; wheel List1 1; shot rename-window-wide; press Command3",
                          36},
                std::pair{"click List1 3; click List2_0 5; click List2_1 7; click List1 7;"
                          "click List2_0 7; click List2_1 7; key List1 Down; key List2_0 Down;"
                          "key List2_1 Up; key List1 End; key List2_0 Home; key List2_0 Up;"
                          "key List2_1 End; key List2_1 Down; wheel List2_1 -3; wheel List1 2;"
                          "click List2_0 20; type Text3 新しい名前; press Command2; tick Check1;"
                          "type Text3 IMG_; enter Text3; tick Check1; press cmdStart",
                          36},
                std::pair{"below List1; click List1 1; below List1; below List2_0; below List2_1;"
                          "click List2_0 3; below List2_0; press Command3; click List3_1 1;"
                          "below List3_0; below List3_1",
                          5},
                std::pair{"flag0; on Label2_0; on Command2; on Frame1; on Label1; flag0; on Text1;"
                          "flag0; on Text3; flag0; on; tab 25; backtab 25; click List2_1 4; tab 25;"
                          "press Command3; tab 25; click List3_1 1; backtab 25",
                          36},
                std::pair{"click List2_0 1; type Text3 x; enter Command2; enter Text3; enter List1;"
                          "enter Check1; enter Text1; enter cmdDialog; enter cmdStart;"
                          "enter Command3; click List3_0 0; type Text4 .J; enter Command4;"
                          "enter Text4; enter Command5; read a|b|; enter Command6; enter Command1;"
                          "enter cmdEnd", // Command6 again: cancelled
                          8},
                std::pair{"read |b|c|; tab 25; enter Text3; read |b|c|; click List2_0 0;" // blank
                          "click List1 5; click List2_1 6; key List1 Down; click List2_0 2;"
                          "key List2_0 End; key List1 End; wheel List2_0 -2; enter Text3",
                          36}));

// The order of the Tab key, widget by widget, round to the first again.
TEST(RenameWindowView, TabOrder)
{
    test::RenameWorld world;
    RenameWindowView view(world.model);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.show();
    EXPECT_EQ(view.focusWidget(), child(&view, "Text3"));
    const std::string order = "Command2 Text3 cmdEnd List1 Text2 cmdDialog cmdStart Text1 List2_0 "
                              "List2_1 Command1 Check1 Option1_0 Option1_1 Command3 List3_0 "
                              "List3_1 Text4 Command4 Command5 Command6 Command2";
    std::string visited = "Command2";
    QWidget *widget = child(&view, "Command2");
    for (int step = 0; step < 500 && visited.size() < order.size(); ++step) {
        widget = widget->nextInFocusChain();
        const std::string name = widget->objectName().toStdString();
        if (!name.empty() && (" " + order + " ").find(" " + name + " ") != std::string::npos)
            visited += " " + name;
    }
    EXPECT_EQ(visited, order);
}

} // namespace
} // namespace tavolin::renamewindow
