// Texts that Qt draws rather than the program: the marks that stand for line breaks in a file
// name, and Qt's own dialogs in Japanese.
#include "app/qt_translations.h"
#include "platform/qt/qt_dialogs.h"
#include "renamewindow/rename_window_view.h"
#include "support/window_worlds.h"
#include "text/utf8.h"
#include "widget_steps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

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

// Runs `look` on the dialog that `open` shows, once it shows, and then closes it.
void lookAtDialog(const std::function<void()> &open, const std::function<void(QWidget *)> &look)
{
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        look(dialog);
        dialog->close();
    });
    open();
}

// The texts of the push buttons of `dialog`, and of its labels, joined by '|'.
std::string textsOf(QWidget *dialog)
{
    QStringList texts;
    for (const auto *button : dialog->findChildren<QAbstractButton *>())
        texts << button->text();
    for (const auto *label : dialog->findChildren<QLabel *>())
        texts << label->text();
    return texts.join(u'|').toStdString();
}

TEST(QtTexts, QtsOwnDialogsSpeakJapanese)
{
    ASSERT_TRUE(installQtTranslations()) << "Qt's Japanese translations are not installed";
    services::QtDialogs real;
    services::Dialogs &dialogs = real;
    lookAtDialog(
            [&] {
                dialogs.showMessage("続けますか？", "Tavolin", services::MessageButtons::OkCancel);
            },
            [](QWidget *box) {
                const auto *message = qobject_cast<QMessageBox *>(box);
                ASSERT_NE(message, nullptr);
                EXPECT_EQ(message->button(QMessageBox::Cancel)->text(),
                          QStringLiteral("キャンセル"));
                EXPECT_EQ(message->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
                saveShot(box->grab(), "qt-message-box");
            });
    lookAtDialog([&] { dialogs.askText("作成するフォルダ名を入力してください。", "フォルダ作成"); },
                 [](QWidget *box) {
                     EXPECT_NE(textsOf(box).find("キャンセル"), std::string::npos) << textsOf(box);
                     EXPECT_EQ(textsOf(box).find("Cancel"), std::string::npos) << textsOf(box);
                     saveShot(box->grab(), "qt-input-dialog");
                 });
    lookAtDialog(
            [&] {
                dialogs.askSaveFileName({"", "名前を付けて保存", "Textﾌｧｲﾙ (.txt)|*.txt"});
            },
            [](QWidget *box) {
                ASSERT_NE(qobject_cast<QFileDialog *>(box), nullptr);
                const std::string texts = textsOf(box);
                for (const char *japanese : {"保存", "キャンセル"})
                    EXPECT_NE(texts.find(japanese), std::string::npos)
                            << japanese << " in " << texts;
                for (const char *english :
                     {"Look in", "File name", "Save", "Cancel", "Files of type"})
                    EXPECT_EQ(texts.find(english), std::string::npos) << english << " in " << texts;
                saveShot(box->grab(), "qt-save-dialog");
            });
}

} // namespace
} // namespace tavolin
