// The windows on a screen that may be too small for them (ctest runs this on the offscreen
// screen, and on the screens of the json files beside it): each opens inside the screen's
// available area, Tab goes through its controls in the order their places read and brings
// each into sight; Qt's own dialogs fit too, in Japanese.
#include "app/qt_translations.h"
#include "app/windows.h"
#include "platform/qt/qt_dialogs.h"
#include "support/window_worlds.h"
#include "widget_steps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace tavolin {
namespace {

// Whether a control at `a` reads before one at `b`: it stands further left on their row (the
// shorter one more than half beside the other), or higher up in their column (likewise).
bool readsBefore(const QRect &a, const QRect &b)
{
    const auto half = [](int from, int length, int otherFrom, int otherLength) {
        const int shared
                = std::min(from + length, otherFrom + otherLength) - std::max(from, otherFrom);
        return 2 * shared > std::min(length, otherLength);
    };
    if (half(a.top(), a.height(), b.top(), b.height()))
        return a.center().x() < b.center().x();
    return half(a.left(), a.width(), b.left(), b.width()) && a.center().y() < b.center().y();
}

// Tab goes round the controls in the order their places read, from one of them on: no control
// reads before one that Tab reached earlier.
void expectTabToRead(const std::vector<const QWidget *> &round)
{
    std::string names;
    for (const QWidget *control : round)
        names += control->objectName().toStdString() + ' ';
    const auto place = [&](std::size_t i) {
        const QWidget *control = round[i % round.size()];
        return QRect(control->mapTo(control->window(), QPoint()), control->size());
    };
    const auto readsFrom = [&](std::size_t first) {
        for (std::size_t later = 1; later < round.size(); ++later)
            for (std::size_t earlier = 0; earlier < later; ++earlier)
                if (readsBefore(place(first + later), place(first + earlier)))
                    return false;
        return true;
    };
    bool reads = false;
    for (std::size_t first = 0; first < round.size(); ++first)
        reads = reads || readsFrom(first);
    EXPECT_TRUE(reads) << "Tab went " << names;
}

// The window is inside the screen's available area, and scrolls only where it is smaller than
// designed. Tab goes once round the window, in reading order; each control that takes the
// focus is at least partly in sight, scrolled there where need be.
void expectEveryControlComesIntoSightByTab(QWidget *window, const std::string &script)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
    const auto *scroll = window->findChild<QScrollArea *>();
    if (window->size() == scroll->widget()->size()) {
        EXPECT_EQ(scroll->viewport()->size(), window->size()) << "a scroll bar for nothing";
    }
    std::vector<const QWidget *> round{QApplication::focusWidget()};
    while (round.size() < 60) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget *focused = QApplication::focusWidget();
        EXPECT_FALSE(focused->visibleRegion().isEmpty())
                << focused->objectName().toStdString() << " out of sight";
        if (focused == round.front())
            break;
        round.push_back(focused);
    }
    expectTabToRead(round);
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
    // At the screen's right edge, beyond which 拡張子変換>> would widen it.
    const QRect area = rename->screen()->availableGeometry();
    rename->move(area.right() + 1 - rename->frameGeometry().width(), area.top());
    expectEveryControlComesIntoSightByTab(rename, "press Command3");
    expectEveryControlComesIntoSightByTab(rename, "shot rename-window-on-this-screen");
    playOnWidgets(rename, "press cmdRules");
    expectEveryControlComesIntoSightByTab(child(rename, "frmRules"), "press cmdRulesCancel");
    playOnWidgets(rename, "press cmdDialog");
    expectEveryControlComesIntoSightByTab(windows.chooserView(), "");
}

// The texts of the buttons of `dialog`, and of its labels, joined by '|'.
std::string textsOf(QWidget *dialog)
{
    QStringList texts;
    for (const auto *button : dialog->findChildren<QAbstractButton *>())
        texts << button->text();
    for (const auto *label : dialog->findChildren<QLabel *>())
        texts << label->text();
    return texts.join(u'|').toStdString();
}

// Qt's dialogs that the program opens speak Japanese and fit the screen's available area with
// every button: a message as long as the longest the program says (the rows that stop a batch),
// the input box and the save dialog. Each, once it shows, is read, saved as a screenshot and
// closed.
TEST(DialogsOnTheScreen, EachSpeaksJapaneseAndFitsInsideTheScreen)
{
    ASSERT_TRUE(installQtTranslations()) << "Qt's Japanese translations are not installed";
    services::QtDialogs qtDialogs;
    services::Dialogs &dialogs = qtDialogs; // with the defaults the program's messages use
    std::string report = "変更できない行が30行あります。ファイル名は変更していません。\n";
    for (int row = 1; row <= 20; ++row)
        report += "\n" + std::to_string(row)
                  + "行目「写真の整理.jpg」: ほかの行も同じ名前になります";
    using Words = std::vector<const char *>; // found in the dialog, and not found
    const std::tuple<const char *, std::function<void()>, Words, Words> cases[] = {
            {"qt-message-box",
             [&] { dialogs.showMessage(report, "Tavolin", services::MessageButtons::OkCancel); },
             {"キャンセル", "OK"},
             {"Cancel"}},
            {"qt-input-dialog",
             [&] { dialogs.askText("作成するフォルダ名を入力してください。", "フォルダ作成"); },
             {"キャンセル"},
             {"Cancel"}},
            {"qt-save-dialog",
             [&] {
                 dialogs.askSaveFileName({"Title.txt", "Textに保存", "Textﾌｧｲﾙ (.txt)|*.txt"});
             },
             {"保存", "キャンセル"},
             {"Look in", "File name", "Save", "Cancel", "Files of type"}},
    };
    for (const auto &[name, open, japanese, english] : cases) {
        const std::string shot = name; // for the lambda
        std::string texts;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr) << shot;
            texts = textsOf(dialog);
            EXPECT_TRUE(dialog->screen()->availableGeometry().contains(dialog->frameGeometry()))
                    << shot;
            for (const QPushButton *button : dialog->findChildren<QPushButton *>())
                EXPECT_TRUE(!button->isVisible()
                            || dialog->rect().contains(
                                    QRect(button->mapTo(dialog, QPoint()), button->size())))
                        << button->text().toStdString();
            saveShot(dialog->grab(), shot, dialog->devicePixelRatio());
            dialog->close();
        });
        open();
        for (const char *word : japanese)
            EXPECT_NE(texts.find(word), std::string::npos) << word << " in " << texts;
        for (const char *word : english)
            EXPECT_EQ(texts.find(word), std::string::npos) << word << " in " << texts;
    }
}

} // namespace
} // namespace tavolin
