// The rename window on the offscreen platform, driven with real mouse and key events beside a
// bare model given the same user actions.
#include "view_replay.h"

#include "renamewindow/qt/rename_window_view.h"
#include "text/utf8.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QScrollBar>

namespace tavolin {
namespace {

// The rename window over D:\f holding Japanese, ASCII and extension-less names. The file dialog
// picks, once, a text file of planned names of which two are blank.
struct RenameWorld : test::RenameWorld
{
    explicit RenameWorld(int files)
    {
        const std::string kinds[] = {"写真の整理_", "report", "readme", "データ", "NOTES", "メモ"};
        const std::string extensions[] = {".jpg", ".txt", "", ".csv", ".TXT", ""};
        std::vector<std::string> names;
        for (int i = 0; i < files; ++i)
            names.push_back(kinds[i % 6] + std::to_string(i) + extensions[i % 6]);
        scan(names);
        textFiles.files["D:\\names.txt"] = "\xEF\xBB\xBF\r\nb\r\nc\r\n";
        dialogs.fileAnswers.push_back("D:\\names.txt");
    }

    static std::string state() { return {}; }

    // Beyond the common steps: on [NAME], a click on a control that is no list, or on the
    // background. Only the window itself, Label1 and the text boxes tell the model, which sets
    // flgFileName: set back to the main window first, it shows whether the click did.
    bool doesItself(std::string_view step, QWidget *window)
    {
        if (step != "on" && !step.starts_with("on "))
            return false;
        module.flgFileName = ChooserServes::MainWindow;
        const std::string name(step.substr(std::min<std::size_t>(3, step.size())));
        // Near the top left corner; the background is what the controls stand on.
        if (window)
            QTest::mouseClick(name.empty() ? child(window, "Text1")->parentWidget()
                                           : child(window, name),
                              Qt::LeftButton,
                              {},
                              {3, 3});
        else if (name.empty() || name == "Label1" || name.starts_with("Text"))
            model.Form_Click();
        return true;
    }
};

using RenameWindowViewTest = ::testing::TestWithParam<std::pair<const char *, int>>;

// What the controls stand on is as wide as the model says (the window too, where the screen
// holds it), and row k of the lists of a group stands at the same height, whatever its text.
TEST_P(RenameWindowViewTest, TheWindowDoesWhatTheModelDoes)
{
    RenameWorld viewed(GetParam().second), bare(GetParam().second);
    renamewindow::RenameWindowView view(viewed.model);
    view.setAttribute(Qt::WA_DeleteOnClose, false); // cmdEnd closes it, and the test owns it
    replay(GetParam().first, viewed, bare, &view, [&](auto &after) {
        EXPECT_EQ(child(&view, "Text1")->parentWidget()->width(), viewed.model.window.widthPixels())
                << after;
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
                // Pairs: the last, the one already selected, the keys in both lists; then the
                // columns, and blank planned names read from a file.
                std::pair{"shot rename-window; press Command3; click List3_0 3; click List3_1 3;"
                          "key List3_0 Up; key List3_1 Home; key List3_0 End; key List3_1 Down;"
                          "click List2_0 3; scroll List1 1; shot rename-window-wide;"
                          "press Command3; click List1 3; click List2_0 5; click List2_1 7;"
                          "click List2_1 7; key List1 Down; key List2_0 Home; key List2_0 Up;"
                          "key List2_1 End; key List2_1 Down; scroll List2_1 -3; scroll List1 2;"
                          "click List2_0 20; type Text3 新しい; press Command2; tick Check1;"
                          "press cmdStart; press Command6; shot rename-window-names-read;"
                          "enter Text3; click List1 5;"
                          "key List1 Down; key List2_0 End; scroll List2_0 -2; enter Text3",
                          36},
                // Text3 has the focus first; Tab goes round every control that can take it. Then
                // clicks below the rows, and Enter on each control; cmdStart keeps the focus
                // through its scan.
                std::pair{
                        "tab Check1; on Label2_0; on Command2; on Frame1; on Label1; on Text1;"
                        "on Text3; on; click List2_1 4; tab Command2 Check1 cmdRules List1"
                        " List2_0 List2_1 cboOrder cmdStart Command6 Command1 Command3 cmdEnd"
                        " cmdSheetOut cmdSheetIn cmdPasteSheet cmdHistory Text1 cmdDialog Text3;"
                        " below List1; press Command3;"
                        "click List3_1 1; below List3_1; type Text3 x; tick Check1;"
                        "tab cmdRules Option1_0 List1 List2_0 List2_1 cboOrder cmdStart"
                        " Command6 Command1 Command3 cmdEnd Command5 Text4 Command4 List3_0"
                        " List3_1 cmdSheetOut cmdSheetIn cmdPasteSheet cmdHistory Text1 cmdDialog "
                        "Text3"
                        " Command2 Check1; backtab Command2 Text3"
                        " cmdDialog Text1; enter Command2; enter Text3; enter List1;"
                        "enter Check1; enter Text1; enter cmdDialog; enter cmdStart; tab Command6;"
                        "enter Command3; click List3_0 0; type Text4 .J; enter Command4;"
                        "enter Text4; enter Command5; press Command6; enter Command6;"
                        "enter Command1; enter cmdEnd",
                        5}));

// The batch moves the selection through every row: the lists show where it ends, not each step.
// (Rows that stop a batch show their marks as the rules window's preview does, tested there.)
TEST(RenameWindowView, ABatchReachesTheScreenOnlyWhereItEnds)
{
    RenameWorld world(600);
    renamewindow::RenameWindowView view(world.model);
    view.show();
    playOnWidgets(&view, "type Text3 x; tick Check1; press Command2"); // numbered new names
    int scrolls = 0;
    const QScrollBar *bar = child<QAbstractItemView>(&view, "List1")->verticalScrollBar();
    QObject::connect(bar, &QScrollBar::valueChanged, [&] { ++scrolls; });
    playOnWidgets(&view, "press Command1");
    QCoreApplication::processEvents();
    EXPECT_EQ(world.dialogs.messageTexts().back(), "600変更されました。");
    EXPECT_LE(scrolls, 1) << "at most back to the top, for the lists read again";
}

// The marks that stand for line breaks in a file name, which Qt draws rather than the program.
// (Qt's own dialogs in Japanese are DialogsOnTheScreen's.)
// The marks are two different arrows that the list's own font draws, and so does Noto Sans CJK
// JP, the font the package brings, whatever font the desktop gives the lists.
TEST(QtTexts, TheMarksForLineBreaksInANameAreDrawnAndTellCrFromLf)
{
    const QList<uint> marks = QString::fromUtf8(std::string(text::kCarriageReturnMark)
                                                + std::string(text::kLineFeedMark))
                                      .toUcs4();
    test::RenameWorld world;
    world.scan({"line\nbreak.txt", "carriage\rreturn.txt"});
    renamewindow::RenameWindowView view(world.model);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.show();
    QWidget *list = child(&view, "List1");
    for (const QFont &font : {list->font(), QFont(QStringLiteral("Noto Sans CJK JP"))}) {
        for (const uint mark : marks)
            EXPECT_TRUE(QFontMetrics(font).inFontUcs4(mark))
                    << QFontInfo(font).family().toStdString();
    }
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Noto Sans CJK JP"))).family(),
              QStringLiteral("Noto Sans CJK JP"))
            << "the font the package brings is installed";
    playOnWidgets(&view, "shot rename-window-line-breaks");
}

} // namespace
} // namespace tavolin
