// The listing's text box shows each text the model sets, whether it grows at its end (a scan
// appended), is cut back to a beginning (a page back) or is another text; none of those can be
// undone in the widget. What the user types is the main window's replay.
#include "controls/controls.h"
#include "controls/qt/control_bindings.h"
#include "text/qt/qt_strings.h"

#include <QCoreApplication>
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

// A long text appended is laid out a part per turn of the event loop, the window answering in
// between; meanwhile the user cannot type into it, and a page back cuts what is shown so far.
TEST(ListingView, ALongAppendedTextComesInPartsThatAddUpToIt)
{
    controls::TextBox model;
    QPlainTextEdit widget;
    controls::Bindings bindings;
    bindings.textEdit(&widget, model);
    const auto shown = [&] {
        QString text = widget.toPlainText();
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return text::fromQString(text);
    };
    std::string first = "scan 1\r\n", appended = first;
    for (int line = 0; line < 100'000; ++line)
        appended += "file_" + std::to_string(line) + ".txt\r\n";
    for (const bool pageBack : {false, true}) {
        model.setText(first);
        model.setText(appended);
        EXPECT_LT(shown().size(), appended.size());
        EXPECT_TRUE(widget.isReadOnly());
        EXPECT_EQ(model.text(), appended) << "the model keeps the whole text";
        if (pageBack)
            model.setText(first);
        for (int turn = 0; turn < 100 && widget.isReadOnly(); ++turn)
            QCoreApplication::processEvents();
        EXPECT_EQ(shown(), pageBack ? first : appended);
        EXPECT_FALSE(widget.isReadOnly());
    }
}

} // namespace
} // namespace tavolin
