// The listing's text box shows each change the model makes, whatever its bytes, and none of those
// can be undone in the widget; what the user types reaches the model.
#include "controls/controls.h"
#include "controls/qt/control_bindings.h"
#include "controls/qt/large_text_edit.h"

#include <QTest>

#include <functional>
#include <utility>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

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
                 for (const QChar character : QStringLiteral("写真"))
                     QTest::sendKeyEvent(
                             QTest::Click, &widget, Qt::Key_unknown, QString(character), {});
             },
             true},
            {[&] { model.cutTo(5); }, false},
    };
    for (const auto &[change, undoable] : changes) {
        change();
        EXPECT_EQ(widget.text(), model.text());
        EXPECT_EQ(widget.SendScintilla(QsciScintillaBase::SCI_CANUNDO) != 0, undoable);
    }
    EXPECT_EQ(model.text(), "new\r\n");
}

} // namespace
} // namespace tavolin
