// Qt's save dialog as the program opens it: the file type the user picks there comes back with
// the name, and the name's extension follows the type.
#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(SaveDialog, TheTypePickedComesBackAndTheNameFollowsIt)
{
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        QTest::keyClick(types, Qt::Key_Down);        // from the first type to the second
        QMetaObject::invokeMethod(dialog, "accept"); // as 保存 does
    });
    services::QtDialogs dialogs;
    const auto chosen = dialogs.askSaveFileName(
            {"Title.csv", "CSVで保存", "CSVﾌｧｲﾙ (.csv)|*.csv|Excelブック (*.xlsx)|*.xlsx"});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(chosen->path.ends_with("/Title.xlsx")) << chosen->path;
    EXPECT_EQ(chosen->fileType, 1U);
}

} // namespace
} // namespace tavolin
