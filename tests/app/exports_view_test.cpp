// The windows' exchanges with other programs through Qt: ｺﾋﾟｰ onto Qt's own clipboard, as
// another program pastes from it, and cells a spreadsheet copied there pasted into the rename
// window; the file type picked in Qt's save dialog, the extension it gives a name, and the
// folder where Qt's file dialogs open.
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "renamewindow/qt/rename_window_view.h"
#include "support/window_worlds.h"
#include "widget_steps.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

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

// Cells copied from a spreadsheet (rows of CR LF, cells split by tabs), pasted with a click on
// 貼り付け and renamed: two columns rename the files they name, one column gives new base names
// in the order of the files. On a real folder.
TEST(Clipboard, CellsCopiedFromASpreadsheetRenameTheFilesTheyName)
{
    test::RealDisk world;
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        world.dir.writeFile(name, name);
    services::QtClipboard clipboard;
    renamewindow::FrmFileName model(world.module,
                                    {world.posix,
                                     world.root,
                                     world.dialogs,
                                     world.textFiles,
                                     world.process,
                                     world.journals,
                                     world.progress,
                                     world.photoDates,
                                     clipboard,
                                     world.later});
    model.Form_Load(world.dir.pattern());
    renamewindow::RenameWindowView view(model);
    view.show();
    // A name the batch would refuse (c.txt stays c.txt) is marked; nothing is renamed then.
    QGuiApplication::clipboard()->setText(QStringLiteral("b.txt\tc.txt\r\na.txt\t1.txt\r\n"));
    playOnWidgets(&view, "press cmdStart; press cmdPasteSheet; shot rename-window-sheet-applied");
    EXPECT_THAT(model.List1.marks(), testing::ElementsAre(testing::Key(1)));
    const std::pair<const char *, std::vector<std::string>> pastes[] = {
            {"c.txt\t3.txt\r\na.txt\t1.txt\r\n", {"1.txt", "3.txt", "b.txt"}},
            {"one\r\ntwo\r\n", {"b.txt", "one.txt", "two.txt"}}, // 1.txt and 3.txt, in order
    };
    for (const auto &[cells, renamed] : pastes) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(cells));
        playOnWidgets(&view, "press cmdStart; press cmdPasteSheet; press Command1");
        EXPECT_EQ(world.dir.names(), renamed) << cells;
    }
    EXPECT_EQ(world.dir.readFile("two.txt"), "c.txt");
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
