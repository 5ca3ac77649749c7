// Texts that Qt draws rather than the program: the marks that stand for line breaks in a file
// name, and Qt's own dialogs in Japanese.
#include "app/qt_translations.h"
#include "platform/qt/qt_dialogs.h"
#include "renamewindow/qt/rename_window_view.h"
#include "support/window_worlds.h"
#include "text/utf8.h"
#include "widget_steps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace tavolin {
namespace {

// The marks are two different arrows that the list's own font draws, and so does Noto Sans CJK
// JP, the font the package brings, whatever font the desktop gives the lists.
TEST(QtTexts, TheMarksForLineBreaksInANameAreDrawnAndTellCrFromLf)
{
    const QList<uint> marks = QString::fromUtf8(std::string(text::kCarriageReturnMark)
                                                + std::string(text::kLineFeedMark))
                                      .toUcs4();
    ASSERT_EQ(marks.size(), 2) << "one character each";
    EXPECT_NE(marks[0], marks[1]);
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

// Each dialog, once it shows, is saved as a screenshot, read and closed.
TEST(QtTexts, QtsOwnDialogsSpeakJapanese)
{
    ASSERT_TRUE(installQtTranslations()) << "Qt's Japanese translations are not installed";
    services::QtDialogs real;
    services::Dialogs &dialogs = real;
    const struct
    {
        const char *shot;
        std::function<void()> open;
        std::vector<const char *> japanese, english;
    } cases[] = {
            {"qt-message-box",
             [&] {
                 dialogs.showMessage("続けますか？", "Tavolin", services::MessageButtons::OkCancel);
             },
             {"キャンセル", "OK"},
             {"Cancel"}},
            {"qt-input-dialog",
             [&] { dialogs.askText("作成するフォルダ名を入力してください。", "フォルダ作成"); },
             {"キャンセル"},
             {"Cancel"}},
            {"qt-save-dialog",
             [&] {
                 dialogs.askSaveFileName({"", "名前を付けて保存", "Textﾌｧｲﾙ (.txt)|*.txt"});
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
            saveShot(dialog->grab(), shot);
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
