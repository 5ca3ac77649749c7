// The listing's text area shows each change the model makes, whatever its bytes, and none of
// those can be undone in the widget; what the user types with real keys and the mouse reaches the
// model.
#include "app/widget_steps.h"
#include "controls/controls.h"
#include "controls/qt/control_bindings.h"
#include "controls/qt/large_text_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QTest>

#include <functional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

// A text box's model shown in a text area of `width` x `height`, with the keyboard focus.
struct ShownListing
{
    ShownListing(const std::string &text, int width, int height)
        : model(text)
    {
        bindings.textEdit(&widget, model);
        widget.resize(width, height);
        widget.show();
        widget.setFocus();
    }

    controls::TextBox model;
    controls::LargeTextEdit widget;
    controls::Bindings bindings;
};

// Does the user's steps to the text area, each a key as QKeySequence writes it, 'TEXT typed, @TEXT
// a click (@@TEXT a double click) at the x of TEXT (its width in the window's font) in the first
// line, =TEXT committed by the input method, or #TEXT put on the clipboard.
void play(controls::LargeTextEdit &w, const std::vector<std::string> &steps)
{
    for (const std::string &step : steps) {
        const bool twice = step.starts_with("@@");
        const QString text = QString::fromStdString(step.substr(twice ? 2 : 1));
        if (step[0] == '\'') {
            typeText(&w, text);
        } else if (step[0] == '@') {
            const QPoint point(4 + w.fontMetrics().horizontalAdvance(text), 3);
            if (twice)
                QTest::mouseDClick(w.viewport(), Qt::LeftButton, {}, point);
            else
                QTest::mouseClick(w.viewport(), Qt::LeftButton, {}, point);
        } else if (step[0] == '=') {
            QInputMethodEvent composed(QStringLiteral("にほ"), {});
            QApplication::sendEvent(&w, &composed);
            QInputMethodEvent done;
            done.setCommitString(text);
            QApplication::sendEvent(&w, &done);
        } else if (step[0] == '#') {
            QApplication::clipboard()->setText(text);
        } else {
            QTest::keySequence(&w, QKeySequence::fromString(QString::fromStdString(step)));
        }
    }
}

TEST(ListingView, ShowsEveryChangeOfTheModelAndForwardsTheUsersEdits)
{
    ShownListing shown("old", 300, 120);
    controls::TextBox &model = shown.model;
    controls::LargeTextEdit &widget = shown.widget;
    const std::string emoji = "\xF0\x9F\x98\x80", notUtf8 = "\xFF\xFE";
    const std::pair<std::function<void()>, bool> changes[] = {
            {[&] { model.setText("a\r\nb"); }, false},
            {[&] { model.append("\r\nc " + emoji + "\r\nd"); }, false},
            {[&] { model.cutTo(9); }, false}, // inside the emoji's line
            {[&] { model.append(" " + notUtf8 + "x"); }, false},
            {[&] { model.replace(1, 2, "-"); }, false},
            {[&] { model.cutTo(0); }, false},
            {[&] { model.setText("new\r\n" + notUtf8); }, false},
            // The user: the end of the text, Enter and a word; the user's edits can be undone.
            {[&] {
                 play(widget, {"Ctrl+End", "Return", "'写真"});
             },
             true},
            {[&] { model.cutTo(5); }, false},
    };
    for (const auto &[change, undoable] : changes) {
        change();
        EXPECT_EQ(widget.text(), model.text());
        EXPECT_EQ(widget.lineCount(), std::ranges::count(model.text(), '\n') + 1);
        EXPECT_EQ(widget.canUndo(), undoable);
    }
    EXPECT_EQ(model.text(), "new\r\n");
}

// What the keys, the mouse, the input method and the clipboard do to the text the model holds.
TEST(ListingView, TheUsersKeysAndClicksEditTheModelsText)
{
    const struct
    {
        const char *text;
        std::vector<std::string> steps;
        const char *after;
    } cases[] = {
            {"", {"'日本語の名前"}, "日本語の名前"},
            {"ab", {"Ctrl+End", "Return", "'c"}, "ab\r\nc"},
            {"a写", {"Ctrl+End", "Backspace"}, "a"},
            {"a\xFF\xFE", {"Ctrl+End", "Backspace"}, "a\xFF"},
            {"a\xFF\xFE", {"Home", "Right", "Del"}, "a\xFE"},
            {"a\r\nb", {"Ctrl+End", "Left", "Backspace"}, "ab"},
            {"a\r\nb", {"End", "Del"}, "ab"},
            {"abcd", {"Right", "Shift+Right", "Shift+Right", "'X"}, "aXd"},
            {"a\r\nb", {"Ctrl+A", "Del"}, ""},
            {"ab\xFF\r\n", {"Ctrl+A", "Ctrl+C", "Ctrl+End", "Ctrl+V"}, "ab\xFF\r\nab\xFF\r\n"},
            {"", {"#x\ny\rz", "Ctrl+V"}, "x\r\ny\r\nz"},
            {"a", {"Ctrl+End", "'bc", "Ctrl+Z"}, "a"},
            {"a", {"Ctrl+End", "'bc", "Return", "Ctrl+Z", "Ctrl+Z", "Ctrl+Y"}, "abc"},
            {"abc\r\nd\r\nxyz", {"Right", "Right", "Down", "Down", "'!"}, "abc\r\nd\r\nxy!z"},
            {"two three\r\none", {"@@tw", "'2"}, "2 three\r\none"},
            {"one\r\ntwo", {"@on", "Shift+End", "'ワン"}, "onワン\r\ntwo"},
            {"a", {"Ctrl+End", "=漢字"}, "a漢字"},
            {"one two", {"Ctrl+End", "Ctrl+Left", "'X"}, "one Xtwo"},
    };
    for (const auto &[text, steps, after] : cases) {
        ShownListing shown(text, 300, 120);
        play(shown.widget, steps);
        EXPECT_EQ(shown.model.text(), after) << "from " << text;
        EXPECT_EQ(shown.widget.text(), shown.model.text());
    }
}

// Japanese, a byte that is not UTF-8 and a selection across a line end, as they are drawn: the
// selection in the window's highlight colour.
TEST(ListingView, DrawsTheSelectionInTheWindowsHighlight)
{
    ShownListing shown("D:\\写真\\\r\nfile_000001.dat\xFF\r\nreport.txt\r\n", 320, 100);
    QWidget &widget = shown.widget;
    QTest::keyClick(&widget, Qt::Key_Down);
    QTest::keyClick(&widget, Qt::Key_Down, Qt::ShiftModifier);
    const QPixmap shot = widget.grab();
    saveShot(shot, "listing-text-area");
    const QImage image = shot.toImage();
    const QRgb highlight = widget.palette().color(QPalette::Highlight).rgb();
    int highlighted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            highlighted += image.pixel(x, y) == highlight;
    EXPECT_GT(highlighted, 500) << "a line of text selected";
}

} // namespace
} // namespace tavolin
