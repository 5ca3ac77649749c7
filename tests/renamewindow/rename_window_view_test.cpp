// The real rename window, driven with mouse and keyboard on the offscreen platform, against a
// bare model given the same user actions: after every step both models hold the same state,
// and the widgets show exactly their model's.
#include "renamewindow/rename_window_view.h"

#include "platform/qt/qt_strings.h"
#include "support/fake_file_system.h"
#include "support/fake_services.h"
#include "support/screenshots.h"
#include "support/user_input.h"
#include "support/view_replay.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>

namespace tavolin::renamewindow {
namespace {

using platform::Button;
using platform::ListBox;
using test::child;

constexpr const char *kFolder = "D:\\f";
constexpr const char *kNamesFile = "D:\\names.txt";

// One model with fakes of its own, scanned from the same folder as every other.
struct World
{
    explicit World(int files)
    {
        // Japanese, ASCII and extension-less names, enough of them to scroll.
        const char *const patterns[] = {"写真の整理_%d.jpg",
                                        "report%d.txt",
                                        "readme%d",
                                        "データ%d.csv",
                                        "NOTES%d.TXT",
                                        "メモ%d"};
        for (int i = 0; i < files; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, patterns[i % 6], i);
            fs.addFile(kFolder, name);
        }
        model.Form_Load();
        model.Text1.setText(std::string(kFolder) + "\\");
        model.cmdStart.click();
    }

    ListBox &list(const std::string &name)
    {
        if (name == "List1")
            return model.List1;
        const std::size_t index = name.back() == '1' ? 1 : 0;
        return name.starts_with("List2") ? model.List2[index] : model.List3[index];
    }

    Button &button(const std::string &name)
    {
        for (auto &[candidate, button] : buttons())
            if (candidate == name)
                return *button;
        ADD_FAILURE() << name;
        return model.cmdStart;
    }

    std::vector<std::pair<std::string, Button *>> buttons()
    {
        return {{"cmdDialog", &model.cmdDialog},
                {"Command2", &model.Command2},
                {"cmdStart", &model.cmdStart},
                {"Command6", &model.Command6},
                {"Command1", &model.Command1},
                {"Command3", &model.Command3},
                {"cmdEnd", &model.cmdEnd},
                {"Command5", &model.Command5},
                {"Command4", &model.Command4}};
    }

    static constexpr const char *kLists[] = {"List1", "List2_0", "List2_1", "List3_0", "List3_1"};

    // What the widgets are to show: rows, selected row (and current row), texts, buttons.
    std::string controls()
    {
        std::ostringstream out;
        for (const char *name : kLists) {
            const ListBox &rows = list(name);
            out << name << " [" << rows.selectedRow() << '/' << rows.selectedRow() << ']';
            for (const std::string &row : rows.rows())
                out << " |" << row;
            out << '\n';
        }
        out << "Text1 " << model.Text1.text() << "\nText3 " << model.Text3.text() << "\nText4 "
            << model.Text4.text() << '\n';
        for (auto &[name, button] : buttons())
            out << name << (button->enabled() ? " on" : " off")
                << (button->visible() ? " shown" : " hidden")
                << (button->isDefault() ? " default" : "") << '\n';
        return out.str();
    }

    // Everything a user's actions can change.
    std::string state()
    {
        std::ostringstream out;
        out << controls() << "intNameRow " << module.intNameRow << "\nintExtRow "
            << module.intExtRow << "\nflgFileName " << module.flgFileName << "\nwidth "
            << model.window.widthTwips() << "\nmessages";
        for (const std::string &text : dialogs.messageTexts())
            out << " |" << text;
        out << "\nfiles";
        for (const std::string &name : fs.files(kFolder))
            out << " |" << name;
        return out.str();
    }

    test::FakeFileSystem fs;
    test::FakeDialogs dialogs;
    test::FakeTextFiles textFiles;
    test::FakeProcess process;
    Module1 module;
    FrmFileName model{module, {fs, dialogs, textFiles, process}};
};

// What the widgets of the window show, written as World::controls writes the model.
std::string shown(QWidget *window)
{
    std::ostringstream out;
    for (const char *name : World::kLists) {
        auto *view = child<QListView>(window, QString::fromLatin1(name));
        const QModelIndexList selected = view->selectionModel()->selectedIndexes();
        out << name << " [" << (selected.size() == 1 ? selected[0].row() : -selected.size() - 1)
            << '/' << view->currentIndex().row() << ']';
        for (int row = 0; row < view->model()->rowCount(); ++row)
            out << " |" << platform::fromQString(view->model()->index(row, 0).data().toString());
        out << '\n';
    }
    for (const char *name : {"Text1", "Text3", "Text4"})
        out << name << ' '
            << platform::fromQString(child<QLineEdit>(window, QString::fromLatin1(name))->text())
            << '\n';
    for (const char *name : {"cmdDialog",
                             "Command2",
                             "cmdStart",
                             "Command6",
                             "Command1",
                             "Command3",
                             "cmdEnd",
                             "Command5",
                             "Command4"}) {
        auto *button = child<QPushButton>(window, QString::fromLatin1(name));
        out << name << (button->isEnabled() ? " on" : " off")
            << (button->isVisibleTo(window) ? " shown" : " hidden")
            << (button->isDefault() ? " default" : "") << '\n';
    }
    return out.str();
}

using Step = test::UserStep<World>;

QListView *listView(QWidget *window, const char *name)
{
    return child<QListView>(window, QString::fromLatin1(name));
}

Step clickRow(const char *list, int row)
{
    return {"click row " + std::to_string(row) + " of " + list, [=](World &w, QWidget *window) {
                if (window)
                    test::clickRow(listView(window, list), row);
                else
                    w.list(list).clickRow(row);
            }};
}

Step clickBelowRows(const char *list)
{
    return {std::string("click below the rows of ") + list, [=](World &, QWidget *window) {
                if (window)
                    test::clickBelowRows(listView(window, list));
            }};
}

Step type(const char *box, const char *text)
{
    return {std::string("type ") + text + " into " + box, [=](World &w, QWidget *window) {
                if (window)
                    test::typeOver(child<QLineEdit>(window, QString::fromLatin1(box)),
                                   QString::fromUtf8(text));
                else
                    (std::string(box) == "Text3" ? w.model.Text3 : w.model.Text4).setText(text);
            }};
}

Step press(const char *button)
{
    return {std::string("press ") + button, [=](World &w, QWidget *window) {
                if (window)
                    test::clickButton(child<QPushButton>(window, QString::fromLatin1(button)));
                else
                    w.button(button).click();
            }};
}

// Enter while the focus is on `widget`: a button takes it itself, anything else leaves it to
// the default button.
Step enterOn(const char *widget)
{
    return {std::string("Enter on ") + widget, [=](World &w, QWidget *window) {
                if (window) {
                    test::pressEnterOn(window, QString::fromLatin1(widget));
                    return;
                }
                for (auto &[name, button] : w.buttons()) {
                    if (name == widget) {
                        button->click();
                        return;
                    }
                }
                for (auto &[name, button] : w.buttons()) {
                    if (button->isDefault()) {
                        button->click();
                        return;
                    }
                }
            }};
}

// Tab (or Shift+Tab) `times` times from wherever the focus is; a bare model sees nothing. A
// full round must have passed through every list.
Step tab(int times, bool backwards = false)
{
    return {(backwards ? "Shift+Tab x" : "Tab x") + std::to_string(times),
            [=](World &, QWidget *window) {
                if (!window)
                    return;
                const QStringList visited = test::pressTab(window, times, backwards);
                for (const char *list : World::kLists)
                    EXPECT_TRUE(times < 21 || visited.contains(QString::fromLatin1(list))) << list;
            }};
}

// A key pressed in a list that has the focus (Tab took it there): the arrow, Home and End keys
// move the selection, from no selection to the first row.
Step key(const char *list, Qt::Key key)
{
    return {"key " + QKeySequence(key).toString().toStdString() + " in " + list,
            [=](World &w, QWidget *window) {
                if (window) {
                    listView(window, list)->setFocus(Qt::TabFocusReason);
                    test::pressKey(window, key);
                    return;
                }
                ListBox &rows = w.list(list);
                const int selected = rows.selectedRow(), last = rows.count() - 1;
                int target = 0;
                if (selected >= 0 && key == Qt::Key_Up)
                    target = std::max(selected - 1, 0);
                else if (selected >= 0 && key == Qt::Key_Down)
                    target = std::min(selected + 1, last);
                else if (selected >= 0 && key == Qt::Key_End)
                    target = last;
                if (last >= 0 && target != selected)
                    rows.clickRow(target);
            }};
}

// The mouse wheel turned over a list, `notches` towards the end; a bare model sees nothing.
Step wheel(const char *list, int notches)
{
    return {"wheel " + std::to_string(notches) + " over " + list, [=](World &, QWidget *window) {
                if (!window)
                    return;
                QWidget *viewport = listView(window, list)->viewport();
                const QPointF at = QRectF(viewport->rect()).center();
                QWheelEvent event(at,
                                  viewport->mapToGlobal(at),
                                  {},
                                  {0, -120 * notches},
                                  Qt::NoButton,
                                  Qt::NoModifier,
                                  Qt::NoScrollPhase,
                                  false);
                QApplication::sendEvent(viewport, &event);
            }};
}

Step tickCheck1()
{
    return {"tick Check1", [](World &w, QWidget *window) {
                if (window)
                    test::clickButton(child<QCheckBox>(window, QStringLiteral("Check1")));
                else
                    w.model.Check1.setValue(1 - w.model.Check1.value());
            }};
}

// A left click on a control that is not a list, or with `name` empty on the window's
// background; a bare model hears of it only for the controls that tell the window so.
Step clickOn(const char *name)
{
    return {std::string("click on ") + (*name ? name : "the background"),
            [=](World &w, QWidget *window) {
                const std::string control = name;
                if (window && control.empty())
                    QTest::mouseClick(window, Qt::LeftButton, {}, {3, 3});
                else if (window)
                    QTest::mouseClick(child<QWidget>(window, QString::fromLatin1(name)),
                                      Qt::LeftButton);
                else if (control.empty() || control == "Label1" || control == "Text1"
                         || control == "Text3")
                    w.model.Form_Click();
            }};
}

// The chooser served the main window last: the flag is 0 again (set in both worlds alike).
Step flagBackToZero()
{
    return {"flag back to 0", [](World &w, QWidget *) {
                w.module.flgFileName = 0;
            }};
}

Step screenshot(const char *name)
{
    return {std::string("screenshot ") + name, [=](World &, QWidget *window) {
                if (window)
                    test::saveScreenshot(window,
                                         QString::fromLatin1(name)
                                                 + (window->devicePixelRatio() > 1
                                                            ? QStringLiteral("@2x")
                                                            : QString()));
            }};
}

Step readNames(const char *lines)
{
    return {std::string("read names ") + lines, [=](World &w, QWidget *window) {
                w.textFiles.files[kNamesFile] = std::string("\xEF\xBB\xBF") + lines;
                w.dialogs.fileAnswers.push_back(kNamesFile);
                press("Command6").act(w, window);
            }};
}

struct Scenario
{
    const char *name;
    std::vector<Step> steps;
    int files = 36; // enough to scroll; few leave empty space below the rows
};

void PrintTo(const Scenario &scenario, std::ostream *out)
{
    *out << scenario.name;
}

class RenameWindowViewTest : public ::testing::TestWithParam<Scenario>
{
protected:
    RenameWindowViewTest()
    {
        view_ = std::make_unique<RenameWindowView>(viewed_.model);
        view_->setAttribute(Qt::WA_DeleteOnClose, false); // the fixture owns it
        view_->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(view_.get()));
    }

    void expectInStep(const std::string &after)
    {
        test::expectSameLines(viewed_.state(), bare_.state(), "the models after " + after);
        test::expectSameLines(shown(view_.get()), viewed_.controls(), "the view after " + after);
        expectLevel({"List1", "List2_0", "List2_1"}, after);
        expectLevel({"List3_0", "List3_1"}, after);
    }

    // Row k stands at the same height in each list of the group, whatever its text.
    void expectLevel(std::initializer_list<const char *> group, const std::string &after)
    {
        const QListView *first = listView(view_.get(), *group.begin());
        for (const char *name : group) {
            const QListView *list = listView(view_.get(), name);
            const int rows = std::min(list->model()->rowCount(), first->model()->rowCount());
            for (int row = 0; row < rows; ++row) {
                const QRect a = first->visualRect(first->model()->index(row, 0));
                const QRect b = list->visualRect(list->model()->index(row, 0));
                ASSERT_TRUE(a.top() == b.top() && a.height() == b.height())
                        << "row " << row << " of " << name << " after " << after;
            }
        }
    }

    World viewed_{GetParam().files};
    World bare_{GetParam().files};
    std::unique_ptr<RenameWindowView> view_;
};

TEST_P(RenameWindowViewTest, TheWindowDoesWhatTheModelDoes)
{
    test::replay<World>(
            GetParam().steps, viewed_, bare_, view_.get(), [this](const std::string &after) {
                expectInStep(after);
            });
}

std::vector<Scenario> scenarios()
{
    return {
            {"CommandFourWritesTheTypedTextIntoTheSelectedRow",
             {press("Command3"),
              clickRow("List3_0", 0),
              type("Text4", ".jpeg"),
              press("Command4"),
              clickRow("List3_0", 2),
              type("Text4", ".dat"),
              press("Command4")}},
            {"EditingEveryPair",
             {press("Command3"),           clickRow("List3_1", 0), // the first pair
              type("Text4", ".jpeg"),      enterOn("Command4"),
              clickRow("List3_0", 1), // a middle one
              type("Text4", "log"),        press("Command4"),
              clickRow("List3_0", 3), // the last
              type("Text4", ".text"),      press("Command4"),
              press("Command4"), // the pair already selected, twice
              type("Text4", ".テキスト"),  press("Command4"),
              clickRow("List3_1", 3),      clickRow("List3_0", 3),
              key("List3_0", Qt::Key_Up),  key("List3_1", Qt::Key_Home),
              key("List3_0", Qt::Key_End), key("List3_1", Qt::Key_Down),
              type("Text4", ""),
              press("Command4"), // nothing to write
              clickBelowRows("List3_0"),   clickBelowRows("List3_1"),
              type("Text4", ".T"),         enterOn("Command4"),
              press("Command5"),           enterOn("Command5")}},
            {"ClickingAndKeyingEveryColumn",
             {clickRow("List1", 3),
              clickRow("List2_0", 5),
              clickRow("List2_1", 7),
              clickRow("List1", 7), // already selected
              clickRow("List2_0", 7),
              clickRow("List2_1", 7),
              key("List1", Qt::Key_Down),
              key("List2_0", Qt::Key_Down),
              key("List2_1", Qt::Key_Up),
              key("List1", Qt::Key_End),
              key("List2_0", Qt::Key_Home),
              key("List2_0", Qt::Key_Up),
              key("List2_1", Qt::Key_End),
              key("List2_1", Qt::Key_Down),
              wheel("List2_1", -3),
              wheel("List1", 2),
              clickRow("List2_0", 20),
              type("Text3", "新しい名前"),
              press("Command2"),
              tickCheck1(),
              type("Text3", "IMG_"),
              enterOn("Text3"),
              tickCheck1()}},
            {"ClicksOnEmptySpace",
             {clickBelowRows("List1"),
              clickRow("List1", 1),
              clickBelowRows("List1"),
              clickBelowRows("List2_0"),
              clickBelowRows("List2_1"),
              clickRow("List2_0", 3),
              clickBelowRows("List2_0"),
              press("Command3"),
              clickRow("List3_1", 1),
              clickBelowRows("List3_0"),
              clickBelowRows("List3_1")},
             5},
            {"TabbingThroughTheWholeOrder",
             {tab(25),
              tab(25, true),
              clickRow("List2_1", 4),
              tab(25),
              tab(25, true),
              press("Command3"),
              tab(25),
              clickRow("List3_1", 1),
              tab(25),
              tab(25, true)}},
            {"EnterOnEveryButton",
             {clickRow("List2_0", 1),
              type("Text3", "x"),
              enterOn("Command2"),
              enterOn("Text3"),
              enterOn("List1"),
              enterOn("Check1"),
              enterOn("Text1"),
              enterOn("cmdDialog"),
              enterOn("cmdStart"),
              enterOn("Command3"),
              clickRow("List3_0", 0),
              type("Text4", ".J"),
              enterOn("Command4"),
              enterOn("Text4"),
              enterOn("Command5"),
              readNames("a\r\nb\r\n"),
              enterOn("Command6"), // cancelled: no file given
              enterOn("Command1"),
              enterOn("cmdEnd")},
             8},
            {"NamesReadIntoAShorterColumn",
             {readNames("\r\nb\r\nc\r\n"),
              tab(25),
              enterOn("Text3"),
              readNames("\r\nb\r\nc\r\n"),
              clickRow("List2_0", 0), // blank: 取得 becomes the default button
              clickRow("List1", 5),   // a row the planned names lack
              clickRow("List2_1", 6),
              key("List1", Qt::Key_Down),
              clickRow("List2_0", 2),
              key("List2_0", Qt::Key_End),
              key("List1", Qt::Key_End),
              wheel("List2_0", -2),
              enterOn("Text3")}},
            {"ClicksOnTheWindow",
             {flagBackToZero(),
              clickOn("Label2_0"),
              clickOn("Label2_2"),
              clickOn("Command2"), // disabled
              clickOn("Frame1"),
              clickOn("Label1"),
              flagBackToZero(),
              clickOn("Text1"),
              flagBackToZero(),
              clickOn("Text3"),
              flagBackToZero(),
              clickOn("")}},
            {"MixedRowsOnScreen",
             {press("Command3"),
              clickRow("List2_0", 3),
              wheel("List1", 1),
              clickRow("List3_0", 1),
              screenshot("rename-window-mixed-rows")},
             24},
            {"RescansWhileARowIsSelected",
             {clickRow("List1", 4),
              press("cmdStart"),
              press("Command3"),
              clickRow("List3_0", 2),
              enterOn("cmdStart"),
              key("List1", Qt::Key_End),
              press("cmdStart"),
              clickRow("List2_1", 30),
              type("Text3", "z"),
              enterOn("Text3"),
              enterOn("cmdStart")}},
    };
}

INSTANTIATE_TEST_SUITE_P(UserActions,
                         RenameWindowViewTest,
                         ::testing::ValuesIn(scenarios()),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tavolin::renamewindow
