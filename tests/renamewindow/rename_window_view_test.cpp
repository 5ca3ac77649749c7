// The real rename window, driven with mouse and keyboard on the offscreen platform, against a
// bare model given the same user actions: after every step both models hold the same state,
// and the widgets show exactly their model's.
#include "renamewindow/rename_window_view.h"

#include "support/fake_file_system.h"
#include "support/fake_services.h"
#include "support/screenshots.h"
#include "support/user_input.h"
#include "support/view_replay.h"
#include "text/qt/qt_strings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>

namespace tavolin::renamewindow {
namespace {

using controls::Button;
using controls::ListBox;
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

    // The button named `name`, or none.
    Button *button(const std::string &name)
    {
        Button *const buttons[] = {&model.cmdDialog,
                                   &model.Command2,
                                   &model.cmdStart,
                                   &model.Command6,
                                   &model.Command1,
                                   &model.Command3,
                                   &model.cmdEnd,
                                   &model.Command5,
                                   &model.Command4};
        for (std::size_t i = 0; i < std::size(kButtons); ++i)
            if (name == kButtons[i])
                return buttons[i];
        return nullptr;
    }

    static constexpr const char *kLists[] = {"List1", "List2_0", "List2_1", "List3_0", "List3_1"};
    static constexpr const char *kButtons[] = {"cmdDialog",
                                               "Command2",
                                               "cmdStart",
                                               "Command6",
                                               "Command1",
                                               "Command3",
                                               "cmdEnd",
                                               "Command5",
                                               "Command4"};

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
        for (const char *name : kButtons) {
            const Button *button = this->button(name);
            out << name << (button->enabled() ? " on" : " off")
                << (button->visible() ? " shown" : " hidden")
                << (button->isDefault() ? " default" : "") << '\n';
        }
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
    test::FakeDrives drives;
    test::FakeDialogs dialogs;
    test::FakeTextFiles textFiles;
    test::FakeProcess process;
    Module1 module;
    FrmFileName model{module, {fs, drives, dialogs, textFiles, process}};
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
            out << " |" << text::fromQString(view->model()->index(row, 0).data().toString());
        out << '\n';
    }
    for (const char *name : {"Text1", "Text3", "Text4"})
        out << name << ' '
            << text::fromQString(child<QLineEdit>(window, QString::fromLatin1(name))->text())
            << '\n';
    for (const char *name : World::kButtons) {
        auto *button = child<QPushButton>(window, QString::fromLatin1(name));
        out << name << (button->isEnabled() ? " on" : " off")
            << (button->isVisibleTo(window) ? " shown" : " hidden")
            << (button->isDefault() ? " default" : "") << '\n';
    }
    return out.str();
}

using Step = test::UserStep<World>;

// One thing a user does, on the window or (without one) its equivalent on the bare model,
// written as words: a verb, then a control and a value.
//   click LIST ROW   a left click on a row           below LIST    a click below the last row
//   key LIST KEY     Up, Down, Home or End in a list  wheel LIST N  the wheel, N notches down
//   type BOX [TEXT]  typed over the whole text        press BUTTON  a mouse click on it
//   enter WIDGET     Enter with the focus there       tab N, backtab N    Tab or Shift+Tab
//   tick             a click on 連番にする             read A|B|...  names read from a file
//   on [CONTROL]     a click on a control that is no list, or on the background
//   flag0            flgFileName set back to 0 in both models, as the program starts
//   shot NAME        a screenshot
Step step(const std::string &words)
{
    std::istringstream in(words);
    std::string verb, name, value;
    in >> verb >> name;
    std::getline(in >> std::ws, value);
    const QString qname = QString::fromStdString(name);
    const auto listView = [qname](QWidget *window) {
        return child<QListView>(window, qname);
    };
    const std::function<void(World &, QWidget *)> act
            = [&]() -> std::function<void(World &, QWidget *)> {
        if (verb == "click")
            return [=](World &w, QWidget *window) {
                if (window)
                    test::clickRow(listView(window), std::stoi(value));
                else
                    w.list(name).clickRow(std::stoi(value));
            };
        if (verb == "below")
            return [=](World &, QWidget *window) {
                if (window)
                    test::clickBelowRows(listView(window));
            };
        if (verb == "key")
            return [=](World &w, QWidget *window) {
                const Qt::Key key = value == "Up"     ? Qt::Key_Up
                                    : value == "Down" ? Qt::Key_Down
                                    : value == "Home" ? Qt::Key_Home
                                                      : Qt::Key_End;
                if (window) {
                    listView(window)->setFocus(Qt::TabFocusReason); // as Tab takes it there
                    test::pressKey(window, key);
                    return;
                }
                // From no selection every key leads to the first row.
                ListBox &rows = w.list(name);
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
            };
        if (verb == "wheel")
            return [=](World &, QWidget *window) {
                if (window)
                    test::turnWheel(listView(window)->viewport(), std::stoi(value));
            };
        if (verb == "type")
            return [=](World &w, QWidget *window) {
                if (window)
                    test::typeOver(child<QLineEdit>(window, qname), QString::fromStdString(value));
                else
                    (name == "Text3" ? w.model.Text3 : w.model.Text4).setText(value);
            };
        if (verb == "press")
            return [=](World &w, QWidget *window) {
                if (window)
                    test::clickButton(child<QPushButton>(window, qname));
                else
                    w.button(name)->click();
            };
        if (verb == "enter") // a focused button takes Enter, else the default button does
            return [=](World &w, QWidget *window) {
                if (window) {
                    test::pressEnterOn(window, qname);
                } else if (Button *button = w.button(name)) {
                    button->click();
                } else {
                    for (const char *candidate : World::kButtons)
                        if (w.button(candidate)->isDefault())
                            w.button(candidate)->click();
                }
            };
        if (verb == "tab" || verb == "backtab")
            return [=](World &, QWidget *window) {
                if (!window)
                    return;
                const int times = std::stoi(name);
                const QStringList visited = test::pressTab(window, times, verb == "backtab");
                for (const char *list : World::kLists) // a full round passes every list
                    EXPECT_TRUE(times < 21 || visited.contains(QString::fromLatin1(list))) << list;
            };
        if (verb == "tick")
            return [](World &w, QWidget *window) {
                if (window)
                    test::clickButton(child<QCheckBox>(window, QStringLiteral("Check1")));
                else
                    w.model.Check1.setValue(1 - w.model.Check1.value());
            };
        if (verb == "read")
            return [=](World &w, QWidget *window) {
                std::string lines = name;
                for (std::size_t bar; (bar = lines.find('|')) != std::string::npos;)
                    lines.replace(bar, 1, "\r\n");
                w.textFiles.files[kNamesFile] = "\xEF\xBB\xBF" + lines;
                w.dialogs.fileAnswers.push_back(kNamesFile);
                step("press Command6").act(w, window);
            };
        if (verb == "on") // only the background, Label1, Text1 and Text3 tell the window
            return [=](World &w, QWidget *window) {
                if (window && name.empty())
                    QTest::mouseClick(window, Qt::LeftButton, {}, {3, 3});
                else if (window)
                    QTest::mouseClick(child<QWidget>(window, qname), Qt::LeftButton);
                else if (name.empty() || name == "Label1" || name == "Text1" || name == "Text3")
                    w.model.Form_Click();
            };
        if (verb == "flag0")
            return [](World &w, QWidget *) {
                w.module.flgFileName = 0;
            };
        if (verb == "shot")
            return [=](World &, QWidget *window) {
                if (window)
                    test::saveScreenshot(window,
                                         qname
                                                 + (window->devicePixelRatio() > 1
                                                            ? QStringLiteral("@2x")
                                                            : QString()));
            };
        ADD_FAILURE() << "no such step: " << words;
        return [](World &, QWidget *) {
        };
    }();
    return {words, act};
}

struct Scenario
{
    const char *name;
    const char *script; // steps as step() reads them, separated by ';'
    int files = 36;     // enough to scroll; few leave empty space below the rows
};

void PrintTo(const Scenario &scenario, std::ostream *out)
{
    *out << scenario.name;
}

std::vector<Step> steps(std::string_view script)
{
    std::vector<Step> steps;
    for (std::size_t start = 0; start < script.size();) {
        std::size_t end = script.find(';', start);
        if (end == std::string_view::npos)
            end = script.size();
        const std::size_t first = script.find_first_not_of(' ', start);
        steps.push_back(step(std::string(script.substr(first, end - first))));
        start = end + 1;
    }
    return steps;
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
        const auto *first = child<QListView>(view_.get(), QString::fromLatin1(*group.begin()));
        for (const char *name : group) {
            const auto *list = child<QListView>(view_.get(), QString::fromLatin1(name));
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
    test::replay<World>(steps(GetParam().script),
                        viewed_,
                        bare_,
                        view_.get(),
                        [this](const std::string &after) { expectInStep(after); });
}

const Scenario kScenarios[] = {
        {"CommandFourWritesTheTypedTextIntoTheSelectedRow",
         "press Command3; click List3_0 0; type Text4 .jpeg; press Command4; click List3_0 2;"
         "type Text4 .dat; press Command4"},
        {"EditingEveryPair", // the first, a middle one, the last, the one already selected
         "press Command3; click List3_1 0; type Text4 .jpeg; enter Command4;"
         "click List3_0 1; type Text4 log; press Command4; click List3_0 3; type Text4 .text;"
         "press Command4; press Command4; type Text4 .テキスト; press Command4; click List3_1 3;"
         "click List3_0 3; key List3_0 Up; key List3_1 Home; key List3_0 End; key List3_1 Down;"
         "type Text4; press Command4; below List3_0; below List3_1; type Text4 .T;"
         "enter Command4; press Command5; enter Command5"},
        {"ClickingAndKeyingEveryColumn", // also rows already selected
         "click List1 3; click List2_0 5; click List2_1 7; click List1 7; click List2_0 7;"
         "click List2_1 7; key List1 Down; key List2_0 Down; key List2_1 Up; key List1 End;"
         "key List2_0 Home; key List2_0 Up; key List2_1 End; key List2_1 Down;"
         "wheel List2_1 -3; wheel List1 2; click List2_0 20; type Text3 新しい名前; press Command2;"
         "tick; type Text3 IMG_; enter Text3; tick"},
        {"ClicksOnEmptySpace",
         "below List1; click List1 1; below List1; below List2_0; below List2_1; click List2_0 3;"
         "below List2_0; press Command3; click List3_1 1; below List3_0; below List3_1",
         5},
        {"TabbingThroughTheWholeOrder",
         "tab 25; backtab 25; click List2_1 4; tab 25; backtab 25; press Command3; tab 25;"
         "click List3_1 1; tab 25; backtab 25"},
        {"EnterOnEveryButton",
         "click List2_0 1; type Text3 x; enter Command2; enter Text3; enter List1; enter Check1;"
         "enter Text1; enter cmdDialog; enter cmdStart; enter Command3; click List3_0 0;"
         "type Text4 .J; enter Command4; enter Text4; enter Command5; read a|b|;"
         "enter Command6; enter Command1; enter cmdEnd", // Command6 again: cancelled
         8},
        {"NamesReadIntoAShorterColumn", // the first name blank
         "read |b|c|; tab 25; enter Text3; read |b|c|; click List2_0 0; click List1 5;"
         "click List2_1 6; key List1 Down; click List2_0 2; key List2_0 End; key List1 End;"
         "wheel List2_0 -2; enter Text3"},
        {"ClicksOnTheWindow",
         "flag0; on Label2_0; on Label2_2; on Command2; on Frame1; on Label1; flag0; on Text1;"
         "flag0; on Text3; flag0; on"},
        {"MixedRowsOnScreen",
         "press Command3; click List2_0 3; wheel List1 1; click List3_0 1;"
         "shot rename-window-mixed-rows",
         24},
        {"RescansWhileARowIsSelected",
         "click List1 4; press cmdStart; press Command3; click List3_0 2; enter cmdStart;"
         "key List1 End; press cmdStart; click List2_1 30; type Text3 z; enter Text3;"
         "enter cmdStart"},
};

INSTANTIATE_TEST_SUITE_P(UserActions,
                         RenameWindowViewTest,
                         ::testing::ValuesIn(kScenarios),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tavolin::renamewindow
