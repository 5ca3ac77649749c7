// The listing's text box shows each text the model sets, whether it grows at its end (a scan
// appended), is cut back to a beginning (a page back) or is another text; none of those can be
// undone in the widget. What the user types is the main window's replay.
#include "controls/controls.h"
#include "controls/qt/control_bindings.h"
#include "text/qt/qt_strings.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(ListingView, ShowsEveryTextTheModelSetsAndNoneCanBeUndone)
{
    controls::TextBox model;
    QPlainTextEdit widget;
    controls::Bindings bindings;
    bindings.textEdit(&widget, model);
    // Each text in turn, as the model holds it (lines end in CR LF); the widget's, in LF.
    const std::string emoji = "\xF0\x9F\x98\x80", notUtf8 = "\xFF\xFE";
    const std::vector<std::string> texts{
            "a\r\nb",
            "a\r\nb\r\nc " + emoji + "\r\nd",             // grown
            "a\r\nb\r\nc " + emoji,                       // cut inside the emoji's line
            "a\r\nb\r\nc " + emoji + " " + notUtf8 + "x", // grown within a line
            "a\r\nb\r\n",                                 // cut after a line end
            "a",
            "",
            "new\r\n" + notUtf8,
            "new",
    };
    for (const std::string &text : texts) {
        model.setText(text);
        QString shown = widget.toPlainText();
        shown.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        EXPECT_EQ(text::fromQString(shown), text); // bytes that are not UTF-8 too
        EXPECT_FALSE(widget.document()->isUndoAvailable()) << text;
    }
}

} // namespace
} // namespace tavolin
