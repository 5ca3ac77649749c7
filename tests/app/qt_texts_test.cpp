// The marks that stand for line breaks in a file name, which Qt draws rather than the program.
// (Qt's own dialogs in Japanese are DialogsOnTheScreen's.)
#include "renamewindow/qt/rename_window_view.h"
#include "support/window_worlds.h"
#include "text/utf8.h"
#include "widget_steps.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace tavolin {
namespace {

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
