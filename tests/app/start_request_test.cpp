// Starts that name a folder: the windows open on it, and a second start hands its folder over to
// the copy that runs (two real processes).
#include "app/instance_channel.h"
#include "app/windows.h"
#include "platform/qt/qt_process.h"
#include "support/temp_dir.h"
#include "support/window_worlds.h"

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(StartRequest, TheMainOrTheRenameWindowOpensOnTheFolderOrSaysWhyNot)
{
    // The folder as a pointer (none when null): g++ 12 at -O3 takes a table of requests holding
    // std::optional<std::string> for one that may be destroyed uninitialized.
    const struct
    {
        const char *folder;
        bool rename;
        std::string mainFolder;   // the main window's path field
        std::string renameFolder; // the rename window's, empty when it stays closed
        std::string message;      // what the user is told
    } cases[] = {
            {nullptr, false, "D:\\", "", ""},
            {"D:\\写真", false, "D:\\写真\\", "", ""},
            {"写真", true, "D:\\写真\\", "D:\\写真\\", ""}, // from the current folder, D:\\ here
            {"D:\\gone",
             true,
             "D:\\",
             "",
             "フォルダを読めませんでした。\nD:\\gone\n見つかりません"},
    };
    for (const auto &[folder, rename, mainFolder, renameFolder, message] : cases) {
        SCOPED_TRACE(folder ? folder : "(none)");
        test::Fakes fakes;
        fakes.fs.addFile("D:\\写真", "a.jpg");
        fakes.process.currentPath = "D:\\";
        Windows windows(fakes.doors);
        shared::StartRequest request;
        if (folder)
            request.folder = folder;
        request.rename = rename;
        ASSERT_TRUE(windows.start(request));
        EXPECT_EQ(windows.frmMain().Text1.text(), mainFolder);
        EXPECT_EQ(windows.frmFileName() ? windows.frmFileName()->Text1.text() : "", renameFolder);
        EXPECT_EQ(fakes.dialogs.messageTexts(),
                  message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
    }
}

// A folder handed over during a scan (whose progress runs the event loop) waits for its end.
TEST(StartRequest, AFolderHandedOverWhileAWindowWorksOpensOnceItIsDone)
{
    test::Fakes fakes;
    fakes.fs.addFile("D:\\写真", "a.jpg");
    Windows windows(fakes.doors);
    ASSERT_TRUE(windows.start());
    const std::string before = windows.frmMain().Text1.text();
    windows.frmMain().window.setPointer(controls::MousePointer::Busy);
    windows.open({"D:\\写真", true});
    QTest::qWait(300);
    EXPECT_EQ(windows.frmMain().Text1.text(), before);
    EXPECT_EQ(windows.frmFileName(), nullptr);
    windows.frmMain().window.setPointer(controls::MousePointer::Default);
    QTRY_VERIFY(windows.frmFileName() != nullptr);
    EXPECT_EQ(windows.frmFileName()->List1.rows(), std::vector<std::string>{"a.jpg"});
}

// The test is the copy that runs: it holds the lock and listens; the program started again with
// a folder hands it over and ends at once.
TEST(StartRequest, ASecondStartWithAFolderHandsItToTheCopyThatRuns)
{
    const test::TempDir runtime, here;
    here.makeFolder("写真");
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.path()));
    services::QtProcessServices process;
    ASSERT_FALSE(process.anotherInstanceRunning());
    std::vector<shared::StartRequest> received;
    InstanceServer server(
            [&](const shared::StartRequest &request) { received.push_back(request); });
    ASSERT_TRUE(server.listen());

    for (const QStringList &args :
         {QStringList{QString::fromStdString(here.pathOf("写真"))},
          QStringList{QStringLiteral("--rename"), QStringLiteral("写真")}}) {
        QProcess second;
        second.setWorkingDirectory(QString::fromStdString(here.path()));
        second.start(QStringLiteral(TAVOLIN_PROGRAM), args);
        ASSERT_TRUE(second.waitForFinished(20000));
        EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    }
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), std::size_t{2}, 5000);
    EXPECT_EQ(received[0], (shared::StartRequest{here.pathOf("写真"), false}));
    EXPECT_EQ(received[1], (shared::StartRequest{here.pathOf("写真"), true})) << "from its folder";
    qunsetenv("XDG_RUNTIME_DIR");
}

} // namespace
} // namespace tavolin
