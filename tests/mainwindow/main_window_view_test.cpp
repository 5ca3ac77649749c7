// The real main window, driven through its widgets on the offscreen platform.
#include "mainwindow/main_window_view.h"

#include "services/posix_file_system.h"
#include "services/posix_text_files.h"
#include "services/qt/qt_drives.h"
#include "support/fake_services.h"
#include "support/screenshots.h"
#include "support/temp_dir.h"
#include "text/qt/qt_strings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::mainwindow {
namespace {

class MainWindowViewTest : public ::testing::Test
{
protected:
    MainWindowViewTest()
    {
        dir_.makeFolder("写真");
        dir_.writeFile("写真/a.jpg", std::string(1234, 'x'));
        dir_.writeFile("写真/report.txt", "12345");
        dir_.writeFile("写真/.hidden");
        dir_.makeFolder("写真/sub");
        dir_.makeFolder("other");
        dir_.writeFile("other/x.doc");
        process_.programPath = dir_.pathOf("写真");
        process_.currentPath = dir_.path();
        EXPECT_TRUE(model_.Form_Load());
        view_ = std::make_unique<MainWindowView>(model_);
        view_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    }

    template<typename Widget>
    Widget *child(const char *name)
    {
        auto *widget = view_->findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString listing() { return child<QPlainTextEdit>("txtM")->toPlainText(); }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    void tick(const char *check) { child<QCheckBox>(check)->click(); }

    // Activates the entry of the folder list whose text ends in `name`, as a double-click does.
    void openInFolderList(const QString &name)
    {
        auto *dir1 = child<QListWidget>("Dir1");
        const auto found = dir1->findItems(name, Qt::MatchEndsWith);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        Q_EMIT dir1->itemActivated(found.back());
    }

    test::TempDir dir_;
    services::PosixFileSystem fs_;
    services::QtDrives drives_;
    test::FakeDialogs dialogs_;
    services::PosixTextFiles textFiles_;
    test::FakeProcess process_;
    Module1 module_;
    FrmMain model_{module_, {fs_, drives_, dialogs_, textFiles_, process_}};
    std::unique_ptr<MainWindowView> view_;
};

TEST_F(MainWindowViewTest, ShowsEveryControlWithItsCaption)
{
    EXPECT_EQ(view_->objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(view_->windowTitle(), QStringLiteral("Tavolin"));
    EXPECT_EQ(view_->minimumSize(), view_->maximumSize());
    EXPECT_FALSE(view_->windowFlags() & Qt::WindowMaximizeButtonHint);

    const std::pair<const char *, const char *> checks[] = {{"Check1", "今のﾘｽﾄを残す"},
                                                            {"Check2", "番号付(1 ﾌｧｲﾙ名)"},
                                                            {"Check3", "拡張子を付ける"},
                                                            {"Check4", "ｻｲｽﾞも取得"},
                                                            {"Check5", "ﾌｫﾙﾀﾞ名も取得"},
                                                            {"Check6", "ﾌｫﾙﾀﾞﾊﾟｽも連動"}};
    for (const auto &[name, caption] : checks)
        EXPECT_EQ(child<QCheckBox>(name)->text(), QString::fromUtf8(caption)) << name;
    const std::pair<const char *, const char *> buttons[] = {{"cmdStart", "取得"},
                                                             {"Command2_0", "<<戻る"},
                                                             {"Command2_1", "進む>>"},
                                                             {"Command4", "すべてｸﾘｱｰ"},
                                                             {"Command1", "Textに保存"},
                                                             {"cmdEnd", "終了"}};
    for (const auto &[name, caption] : buttons)
        EXPECT_EQ(child<QPushButton>(name)->text(), QString::fromUtf8(caption)) << name;

    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("ファイル数 = "));
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), QString::fromStdString(dir_.pathOf("写真") + "/"));
    EXPECT_TRUE(child<QLineEdit>("Text1")->isReadOnly());
    EXPECT_FALSE(child<QLineEdit>("Text2")->isVisible());
    EXPECT_FALSE(child<QPushButton>("Command1")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("Command2_0")->isEnabled());
    EXPECT_EQ(child<QListView>("File1")->model()->rowCount(), 2);
    child<QComboBox>("Drive1");
    child<QListWidget>("Dir1");
    test::saveScreenshot(view_.get(), QStringLiteral("main-window"));
}

TEST_F(MainWindowViewTest, ScanFillsTheListing)
{
    for (const char *check : {"Check2", "Check3", "Check4", "Check5"})
        tick(check);
    click("cmdStart");

    const QStringList lines = listing().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("  写真"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("1 ")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("2 ")));
    QStringList files{lines[1].mid(2), lines[2].mid(2)}; // in directory order
    files.sort();
    EXPECT_EQ(files,
              QStringList({QStringLiteral("a.jpg   1,234Byte"),
                           QStringLiteral("report.txt   05Byte")}));
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("ファイル数 = 2"));
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("0"));
    EXPECT_TRUE(child<QPushButton>("Command1")->isEnabled());
    test::saveScreenshot(view_.get(), QStringLiteral("main-window-scanned"));
}

TEST_F(MainWindowViewTest, HistoryButtonsPage)
{
    click("cmdStart");
    const QString first = listing();
    // Up to the parent, then down into its other folder.
    openInFolderList(QString::fromStdString(dir_.path().substr(dir_.path().rfind('/') + 1)));
    openInFolderList(QStringLiteral("other"));
    EXPECT_EQ(child<QLineEdit>("Text1")->text(),
              QString::fromStdString(dir_.pathOf("other") + "/"));
    click("cmdStart");
    EXPECT_EQ(listing(), QStringLiteral("x"));

    click("Command2_0");
    EXPECT_EQ(listing(), first);
    EXPECT_FALSE(child<QPushButton>("Command2_0")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("Command2_1")->isEnabled());
    click("Command2_1");
    EXPECT_EQ(listing(), QStringLiteral("x"));
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("1"));
}

TEST_F(MainWindowViewTest, TypingInTheListingReachesTheModel)
{
    auto *txtM = child<QPlainTextEdit>("txtM");
    txtM->setFocus();
    QTest::keyClicks(txtM, QStringLiteral("ab"));
    QTest::keyClick(txtM, Qt::Key_Return);
    QTest::keyClicks(txtM, QStringLiteral("c"));
    EXPECT_EQ(model_.txtM.text(), "ab\r\nc");
    EXPECT_TRUE(child<QPushButton>("Command1")->isEnabled());

    txtM->selectAll();
    QTest::keyClick(txtM, Qt::Key_Delete);
    EXPECT_EQ(model_.txtM.text(), "");
    EXPECT_FALSE(child<QPushButton>("Command1")->isEnabled());
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("ファイル数 = 0"));
}

TEST_F(MainWindowViewTest, ANameThatIsNotUtf8SurvivesAnEditInTheListing)
{
    const std::string shiftJisName = "\x83\x65\x83\x58\x83\x67.txt";
    dir_.writeFile("other/" + shiftJisName);
    model_.openFolder(dir_.pathOf("other"));
    tick("Check3");
    click("cmdStart");

    auto *txtM = child<QPlainTextEdit>("txtM");
    txtM->moveCursor(QTextCursor::End);
    QTest::keyClicks(txtM, QStringLiteral("!"));
    EXPECT_THAT(model_.txtM.text(), ::testing::HasSubstr(shiftJisName));
    EXPECT_TRUE(model_.txtM.text().ends_with("!"));
}

} // namespace
} // namespace tavolin::mainwindow
