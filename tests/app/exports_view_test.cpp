// The main window's listings for other programs through Qt: ｺﾋﾟｰ onto Qt's own clipboard, as
// another program pastes from it; the file type picked in Qt's save dialog, the extension it
// gives a name, and the folder where Qt's file dialogs open.
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <tuple>

namespace tavolin {
namespace {

// A listing copied pastes as lines, one for each line of the listing.
TEST(Clipboard, TheListingArrivesOneFileToALine)
{
    services::QtClipboard().setText("1 一.txt\n2 二.txt\n3 三.txt");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "1 一.txt\n2 二.txt\n3 三.txt");
}

// Runs `ask`, which opens a file dialog, picks there the file type `typesDown` below the first,
// pastes `path` as the file's name (keeps the name it offers when `path` is empty) and presses
// Enter; returns the folder where it opened.
QString pasteInto(const std::function<void()> &ask, const std::string &path, int typesDown = 0)
{
    QString opened;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        opened = dialog->directory().absolutePath();
        for (int down = 0; down < typesDown; ++down)
            QTest::keyClick(dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")),
                            Qt::Key_Down);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!path.empty()) {
            QGuiApplication::clipboard()->setText(QString::fromStdString(path));
            QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        }
        QTest::keyClick(name, Qt::Key_Return);
    });
    ask();
    return opened;
}

// A name typed without an extension gets the chosen file type's, and so does the name the dialog
// offers; "すべてのﾌｧｲﾙ" adds none. The type picked comes back with the name.
TEST(SaveDialog, ANameWithoutExtensionGetsTheTypesOne)
{
    const test::TempDir folder;
    const std::tuple<int, std::string, std::string> cases[] = {{0, "report", "report.csv"},
                                                               {1, "report", "report.xlsx"},
                                                               {2, "report", "report"},
                                                               {1, "report.v2", "report.v2"},
                                                               {1, "", "Title.xlsx"}};
    const services::FileDialogSettings exportDialog{
            "Title.csv",
            "CSVで保存",
            "CSVﾌｧｲﾙ (.csv)|*.csv|Excelブック (*.xlsx)|*.xlsx|すべてのﾌｧｲﾙ (*.*)|*.*"};
    for (const auto &[typesDown, typed, saved] : cases) {
        SCOPED_TRACE(typed + ' ' + std::to_string(typesDown));
        std::optional<services::SaveChoice> chosen;
        const auto ask = [&] {
            chosen = services::QtDialogs().askSaveFileName(exportDialog);
        };
        pasteInto(ask, typed.empty() ? "" : folder.pathOf(typed), typesDown);
        ASSERT_TRUE(chosen.has_value());
        EXPECT_TRUE(chosen->path.ends_with((typed.empty() ? "" : folder.path()) + '/' + saved))
                << chosen->path;
        EXPECT_EQ(chosen->fileType, static_cast<std::size_t>(typesDown));
    }
}

// A save or an open dialog opens in the folder of the last file chosen through it in the run.
TEST(FileDialogs, EachOpensWhereItsLastFileWas)
{
    const test::TempDir folder;
    folder.writeFile("names.txt");
    services::QtDialogs dialogs;
    const services::FileDialogSettings save{"Title.txt", "Textに保存", "Textﾌｧｲﾙ (.txt)|*.txt"};
    const services::FileDialogSettings open{"", "Textから読込み", "Textﾌｧｲﾙ (.txt)|*.txt"};
    const std::function<void()> asks[] = {[&] { dialogs.askSaveFileName(save); },
                                          [&] {
                                              dialogs.askOpenFileName(open);
                                          }};
    for (const auto &ask : asks) {
        pasteInto(ask, folder.pathOf("names.txt"));
        EXPECT_EQ(pasteInto(ask, folder.pathOf("names.txt")).toStdString(), folder.path());
    }
}

} // namespace
} // namespace tavolin
