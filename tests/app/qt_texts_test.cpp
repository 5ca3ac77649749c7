// Texts that Qt draws rather than the program: the marks that stand for line breaks in a file
// name.
#include "renamewindow/rename_window_view.h"
#include "support/window_worlds.h"
#include "text/utf8.h"
#include "widget_steps.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

char32_t only(std::string_view mark)
{
    std::size_t at = 0;
    const char32_t code = text::utf8::decodeNext(mark, at);
    EXPECT_EQ(at, mark.size());
    return code;
}

// The marks are two different arrows that the list's own font draws, and so does Noto Sans CJK
// JP, the font the package brings, whatever font the desktop gives the lists.
TEST(QtTexts, TheMarksForLineBreaksInANameAreDrawnAndTellCrFromLf)
{
    const char32_t cr = only(text::kCarriageReturnMark);
    const char32_t lf = only(text::kLineFeedMark);
    EXPECT_NE(cr, lf);
    test::RenameWorld world;
    world.scan({"line\nbreak.txt", "carriage\rreturn.txt"});
    renamewindow::RenameWindowView view(world.model);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.show();
    QWidget *list = child(&view, "List1");
    for (const QFont &font : {list->font(), QFont(QStringLiteral("Noto Sans CJK JP"))}) {
        const QFontMetrics metrics(font);
        EXPECT_TRUE(metrics.inFontUcs4(cr)) << QFontInfo(font).family().toStdString();
        EXPECT_TRUE(metrics.inFontUcs4(lf)) << QFontInfo(font).family().toStdString();
    }
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Noto Sans CJK JP"))).family(),
              QStringLiteral("Noto Sans CJK JP"))
            << "the font the package brings is installed";
    playOnWidgets(&view, "shot rename-window-line-breaks");
}

} // namespace
} // namespace tavolin
