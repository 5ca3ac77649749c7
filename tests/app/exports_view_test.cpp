// The main window's listings for other programs through Qt: ｺﾋﾟｰ onto Qt's own clipboard, as
// another program pastes from it, and the file type picked in Qt's save dialog.
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

// A listing copied pastes as lines, one for each line of the listing.
TEST(Clipboard, TheListingArrivesOneFileToALine)
{
    services::QtClipboard().setText("1 一.txt\n2 二.txt\n3 三.txt");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "1 一.txt\n2 二.txt\n3 三.txt");
}

// The name's extension follows the type picked, and the type comes back with the name.
TEST(SaveDialog, TheTypePickedComesBackAndTheNameFollowsIt)
{
    QTimer::singleShot(0, [] {
        QWidget *dialog = QApplication::activeModalWidget();
        QTest::keyClick(dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")),
                        Qt::Key_Down);               // the second type
        QMetaObject::invokeMethod(dialog, "accept"); // as 保存 does
    });
    const auto chosen = services::QtDialogs().askSaveFileName(
            {"Title.csv", "CSVで保存", "CSVﾌｧｲﾙ (.csv)|*.csv|Excelブック (*.xlsx)|*.xlsx"});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(chosen->path.ends_with("/Title.xlsx")) << chosen->path;
    EXPECT_EQ(chosen->fileType, 1U);
}

} // namespace
} // namespace tavolin
