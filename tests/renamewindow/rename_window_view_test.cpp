// The real rename window, driven with mouse and keyboard on the offscreen platform beside a bare
// model given the same user actions (see support/view_replay.h).
#include "renamewindow/rename_window_view.h"

#include "support/view_replay.h"
#include "support/window_worlds.h"

#include <QAbstractItemView>

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

// Beyond the common steps: read A|B|... (the next file dialog picks a text file of these names),
// flag0 (flgFileName set back to 0), and on [NAME] (a click on a control that is no list, or on
// the background; only the window itself, Label1 and the text boxes tell the model).
bool extraStep(std::string_view step, World &w, QWidget *window)
{
    auto [verb, name, _] = test::split(step);
    if (verb == "read") {
        for (std::size_t bar; (bar = name.find('|')) != std::string::npos;)
            name.replace(bar, 1, "\r\n");
        w.textFiles.files["D:\\names.txt"] = "\xEF\xBB\xBF" + name;
        w.dialogs.fileAnswers.push_back("D:\\names.txt");
    } else if (verb == "flag0") {
        w.module.flgFileName = 0;
    } else if (verb == "on" && window) {
        QTest::mouseClick(name.empty() ? window : child(window, name),
                          Qt::LeftButton,
                          {},
                          name.empty() ? QPoint(3, 3) : QPoint());
    } else if (verb == "on" && (name.empty() || name == "Label1" || name.starts_with("Text"))) {
        w.model.Form_Click();
    }
    return verb == "read" || verb == "flag0" || verb == "on";
}

class RenameWindowViewTest : public ::testing::TestWithParam<std::pair<const char *, int>>
{};

// The window is as wide as its model says, and row k of the lists of a group stands at the same
// height, whatever its text.
TEST_P(RenameWindowViewTest, TheWindowDoesWhatTheModelDoes)
{
    World viewed(GetParam().second), bare(GetParam().second);
    RenameWindowView view(viewed.model);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    test::replay<World>(GetParam().first, viewed, bare, &view, extraStep, [&](const auto &after) {
        EXPECT_EQ(view.width(), viewed.model.window.widthPixels()) << after;
        std::istringstream pairs("List1 List2_0 List1 List2_1 List3_0 List3_1");
        for (std::string a, b; pairs >> a >> b;) {
            const auto *x = child<QAbstractItemView>(&view, a);
            const auto *y = child<QAbstractItemView>(&view, b);
            for (int row = 0; row < std::min(x->model()->rowCount(), y->model()->rowCount()); ++row)
                ASSERT_EQ(x->visualRect(x->model()->index(row, 0)).y(),
                          y->visualRect(y->model()->index(row, 0)).y())
                        << "row " << row << " of " << b << " after " << after;
        }
    });
}

// Scripts of user actions, and how many files the folder holds: 36 scroll, 5 leave space below.
INSTANTIATE_TEST_SUITE_P(
        UserActions,
        RenameWindowViewTest,
        ::testing::Values(
                // Every pair: the first, a middle one, the last, the one already selected.
                std::pair{
                        "shot rename-window; press Command3; click List3_1 0; type Text4 .jpeg;"
                        "enter Command4; click List3_0 1; type Text4 log; press Command4;"
                        "click List3_0 3; type Text4 .テキスト; press Command4; press Command4;"
                        "click List3_1 3; click List3_0 3; key List3_0 Up; key List3_1 Home;"
                        "key List3_0 End; key List3_1 Down; type Text4; press Command4;"
                        "type Text4 .T; enter Command4; press Command5; enter Command5;"
                        "click List2_0 3; scroll List1 1; shot rename-window-wide; press Command3",
                        36},
                std::pair{"click List1 3; click List2_0 5; click List2_1 7; click List1 7;"
                          "click List2_0 7; click List2_1 7; key List1 Down; key List2_0 Down;"
                          "key List2_1 Up; key List1 End; key List2_0 Home; key List2_0 Up;"
                          "key List2_1 End; key List2_1 Down; scroll List2_1 -3; scroll List1 2;"
                          "click List2_0 20; type Text3 新しい名前; press Command2; tick Check1;"
                          "type Text3 IMG_; enter Text3; tick Check1; press cmdStart",
                          36},
                std::pair{"below List1; click List1 1; below List1; below List2_0; below List2_1;"
                          "click List2_0 3; below List2_0; press Command3; click List3_1 1;"
                          "below List3_0; below List3_1",
                          5},
                // Text3 has the focus first; Tab goes round every control that can take it.
                std::pair{"order cmdEnd; flag0; on Label2_0; on Command2; on Frame1; on Label1;"
                          "flag0; on Text1; flag0; on Text3; flag0; on; tab 25; tab -25;"
                          "click List2_1 4; tab 25; press Command3; tab 25; click List3_1 1;"
                          "tab -25; type Text3 x; tick Check1; order Option1_0 Command3 List3_0 "
                          "List3_1 Text4 Command4 Command5 Command6 Command2 Text3 cmdEnd List1 "
                          "cmdDialog cmdStart Text1 List2_0 List2_1 Command1 Check1",
                          36},
                std::pair{"click List2_0 1; type Text3 x; enter Command2; enter Text3; enter List1;"
                          "enter Check1; enter Text1; enter cmdDialog; enter cmdStart;"
                          "enter Command3; click List3_0 0; type Text4 .J; enter Command4;"
                          "enter Text4; enter Command5; read a|b|; press Command6; enter Command6;"
                          "enter Command1; enter cmdEnd", // Command6 again: cancelled
                          8},
                std::pair{"read |b|c|; press Command6; tab 25; enter Text3; read |b|c|;" // blank
                          "press Command6; click List2_0 0; click List1 5; click List2_1 6;"
                          "key List1 Down; click List2_0 2; key List2_0 End; key List1 End;"
                          "scroll List2_0 -2; enter Text3",
                          36}));

} // namespace
} // namespace tavolin::renamewindow
