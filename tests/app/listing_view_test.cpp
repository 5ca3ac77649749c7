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
#include <QTest>

#include <functional>
#include <utility>

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

TEST(ListingView, ShowsEveryChangeOfTheModelAndForwardsTheUsersEdits)
{
    controls::TextBox model("old");
    controls::LargeTextEdit widget;
    controls::Bindings bindings;
    bindings.textEdit(&widget, model);
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
                 widget.setFocus();
                 QTest::keyClick(&widget, Qt::Key_End, Qt::ControlModifier);
                 QTest::keyClick(&widget, Qt::Key_Return);
                 typeText(&widget, QStringLiteral("写真"));
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
    const auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        return [=](controls::LargeTextEdit &w) {
            QTest::keyClick(&w, key, modifiers);
        };
    };
    const auto type = [](const char *text) {
        return [=](controls::LargeTextEdit &w) {
            typeText(&w, QString::fromUtf8(text));
        };
    };
    // A click at the x of `before` (its width in the window's font) in the first line.
    const auto at = [](const char *before, bool twice = false) {
        return [=](controls::LargeTextEdit &w) {
            const int x = 4 + w.fontMetrics().horizontalAdvance(QString::fromUtf8(before));
            const QPoint point(x, 3);
            if (twice)
                QTest::mouseDClick(w.viewport(), Qt::LeftButton, {}, point);
            else
                QTest::mouseClick(w.viewport(), Qt::LeftButton, {}, point);
        };
    };
    const auto commit = [](const char *text) {
        return [=](controls::LargeTextEdit &w) {
            QInputMethodEvent composed(QStringLiteral("にほ"), {});
            QApplication::sendEvent(&w, &composed);
            QInputMethodEvent done;
            done.setCommitString(QString::fromUtf8(text));
            QApplication::sendEvent(&w, &done);
        };
    };
    const auto clipboardHolds = [](const char *text) {
        return [=](controls::LargeTextEdit &) {
            QApplication::clipboard()->setText(QString::fromUtf8(text));
        };
    };
    using Step = std::function<void(controls::LargeTextEdit &)>;
    const auto end = key(Qt::Key_End, Qt::ControlModifier);
    const auto shiftRight = key(Qt::Key_Right, Qt::ShiftModifier);
    const struct
    {
        const char *text;
        std::vector<Step> steps;
        const char *after;
    } cases[] = {
            {"", {type("日本語の名前")}, "日本語の名前"},
            {"ab", {end, key(Qt::Key_Return), type("c")}, "ab\r\nc"},
            {"a写", {end, key(Qt::Key_Backspace)}, "a"},
            {"a\xFF\xFE", {end, key(Qt::Key_Backspace)}, "a\xFF"},
            {"a\xFF\xFE", {key(Qt::Key_Home), key(Qt::Key_Right), key(Qt::Key_Delete)}, "a\xFE"},
            {"a\r\nb", {end, key(Qt::Key_Left), key(Qt::Key_Backspace)}, "ab"},
            {"a\r\nb", {key(Qt::Key_End), key(Qt::Key_Delete)}, "ab"},
            {"abcd", {key(Qt::Key_Right), shiftRight, shiftRight, type("X")}, "aXd"},
            {"a\r\nb", {key(Qt::Key_A, Qt::ControlModifier), key(Qt::Key_Delete)}, ""},
            {"ab\xFF\r\n",
             {key(Qt::Key_A, Qt::ControlModifier),
              key(Qt::Key_C, Qt::ControlModifier),
              end,
              key(Qt::Key_V, Qt::ControlModifier)},
             "ab\xFF\r\nab\xFF\r\n"},
            {"", {clipboardHolds("x\ny\rz"), key(Qt::Key_V, Qt::ControlModifier)}, "x\r\ny\r\nz"},
            {"a", {end, type("bc"), key(Qt::Key_Z, Qt::ControlModifier)}, "a"},
            {"a",
             {end,
              type("bc"),
              key(Qt::Key_Return),
              key(Qt::Key_Z, Qt::ControlModifier),
              key(Qt::Key_Z, Qt::ControlModifier),
              key(Qt::Key_Y, Qt::ControlModifier)},
             "abc"},
            {"abc\r\nd\r\nxyz",
             {key(Qt::Key_Right),
              key(Qt::Key_Right),
              key(Qt::Key_Down),
              key(Qt::Key_Down),
              type("!")},
             "abc\r\nd\r\nxy!z"},
            {"two three\r\none", {at("tw", true), type("2")}, "2 three\r\none"},
            {"one\r\ntwo",
             {at("on"), key(Qt::Key_End, Qt::ShiftModifier), type("ワン")},
             "onワン\r\ntwo"},
            {"a", {end, commit("漢字")}, "a漢字"},
            {"one two", {end, key(Qt::Key_Left, Qt::ControlModifier), type("X")}, "one Xtwo"},
    };
    for (const auto &[text, steps, after] : cases) {
        ShownListing shown(text, 300, 120);
        for (const Step &step : steps)
            step(shown.widget);
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
