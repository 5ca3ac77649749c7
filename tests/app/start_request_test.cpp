// Starts that name a folder or ask for the rename window: the windows open on it, and a second
// start hands its request over to the copy that runs (two real processes).
#include "app/instance_channel.h"
#include "app/windows.h"
#include "platform/qt/qt_process.h"
#include "support/window_worlds.h"
#include "widget_steps.h"

#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace tavolin {
namespace {

TEST(StartRequest, TheMainOrTheRenameWindowOpensOnTheFolderOrSaysWhyNot)
{
    const std::string gone = "フォルダを読めませんでした。\nD:\\gone\n見つかりません";
    // The folder (a pointer, none when null: g++ 12 at -O3 takes a table of requests holding
    // std::optional<std::string> for one that may be destroyed uninitialized), --rename, the main
    // window's path field, the rename window's (empty when it stays closed), what the user is told.
    const std::tuple<const char *, bool, std::string, std::string, std::string> cases[] = {
            {nullptr, false, "D:\\", "", ""},
            {"D:\\写真", false, "D:\\写真\\", "", ""},
            {"写真", true, "D:\\写真\\", "D:\\写真\\", ""}, // from the current folder, D:\\ here
            // --rename alone (the desktop action without a folder): on the program's folder
            {nullptr, true, "D:\\", "D:\\Tools\\Lister\\", ""},
            {"D:\\gone", true, "D:\\", "", gone},
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

// Once the program was handed a folder (at its start or by a second start), ﾌｧｲﾙ名変更 opens
// the rename window on the main window's folder, also after the user moved on from it there;
// without one, on the start folder (the program's own folder here). It reads nothing until 取得.
TEST(StartRequest, OnceAFolderWasHandedTheRenameWindowOpensOnTheMainWindowsFolder)
{
    const std::pair<std::string, std::string> cases[] = {
            // how, and the rename window's folder
            {"no folder", "D:\\Tools\\Lister\\"},
            {"at the start", "D:\\写真\\"},
            {"by a second start", "D:\\写真\\"},
            {"then another folder opened in the main window", "D:\\写真\\旅行\\"},
    };
    for (const auto &[how, renameFolder] : cases) {
        SCOPED_TRACE(how);
        test::Fakes fakes;
        fakes.fs.addFile("D:\\Tools\\Lister", "tavolin");
        fakes.fs.addFile("D:\\写真", "a.jpg");
        fakes.fs.addFolder("D:\\写真\\旅行");
        Windows windows(fakes.doors);
        ASSERT_TRUE(windows.start(how == "at the start" ? shared::StartRequest{"D:\\写真", false}
                                                        : shared::StartRequest{}));
        if (how.starts_with("by") || how.starts_with("then"))
            windows.open({"D:\\写真", false});
        if (how.starts_with("then"))
            windows.frmMain().openFolder("D:\\写真\\旅行"); // as a double click in its folder list
        playOnWidgets(windows.mainView(), "press cmdRename");
        ASSERT_NE(windows.renameView(), nullptr);
        EXPECT_EQ(child<QLineEdit>(windows.renameView(), "Text1")->text().toStdString(),
                  renameFolder);
        EXPECT_EQ(windows.frmFileName()->List1.count(), 0);
        EXPECT_EQ(fakes.dialogs.messageTexts(), std::vector<std::string>{});
    }
}

// A folder handed over for renaming (a second start with --rename OTHER) waits while a window
// works (its progress runs the event loop) or the rules window is open, and opens once that ends;
// in the main window too, unless the user keeps the names typed in the rename window (that
// question is the rename window's own, tested with its model).
TEST(StartRequest, AFolderHandedOverWaitsWhileAWindowWorksOrTheRulesWindowIsOpen)
{
    for (const bool rulesOpen : {false, true}) {
        SCOPED_TRACE(rulesOpen ? "rules window" : "work");
        test::Fakes fakes;
        fakes.fs.addFile("D:\\写真", "a.jpg");
        fakes.fs.addFile("D:\\other", "c.jpg");
        Windows windows(fakes.doors);
        ASSERT_TRUE(windows.start({"D:\\写真", true}));
        const auto folders = [&] {
            return std::string(windows.frmMain().Text1.text())
                   + std::string(windows.frmFileName()->Text1.text());
        };
        if (rulesOpen) {
            playOnWidgets(windows.renameView(),
                          "click List2_0 0; type Text3 旅行; press Command2; press cmdRules");
            fakes.dialogs.messageAnswers.push_back(services::MessageAnswer::Cancel);
        } else {
            windows.frmMain().window.setPointer(controls::MousePointer::Busy);
        }
        windows.open({"D:\\other", true});
        QTest::qWait(300);
        EXPECT_EQ(fakes.dialogs.messages.size(), 0U);
        EXPECT_EQ(folders(), "D:\\写真\\D:\\写真\\");
        if (rulesOpen)
            playOnWidgets(child(windows.renameView(), "frmRules"), "press cmdRulesCancel");
        else
            windows.frmMain().window.setPointer(controls::MousePointer::Default);
        // (QTest::qWaitFor, not QTRY_*: a failure of those would not reach the test's result.)
        ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    return rulesOpen ? !fakes.dialogs.messages.empty()
                                     : folders() != "D:\\写真\\D:\\写真\\";
                },
                5000));
        if (rulesOpen) {
            EXPECT_EQ(folders(), "D:\\写真\\D:\\写真\\") << "the typed names kept";
            windows.open({"D:\\other", true}); // answered OK
        }
        EXPECT_EQ(folders(), "D:\\other\\D:\\other\\");
        EXPECT_EQ(windows.frmFileName()->List1.rows(), std::vector<std::string>{"c.jpg"});
    }
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

    for (const QStringList &args : {QStringList{QString::fromStdString(here.pathOf("写真"))},
                                    QStringList{QStringLiteral("--rename"), QStringLiteral("写真")},
                                    QStringList{QStringLiteral("--rename")}}) {
        QProcess second;
        second.setWorkingDirectory(QString::fromStdString(here.path()));
        second.start(QStringLiteral(TAVOLIN_PROGRAM), args);
        ASSERT_TRUE(second.waitForFinished(20000));
        EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() >= 3; }, 5000)) << received.size();
    // --rename 写真 from its folder, then the rename window alone.
    EXPECT_EQ(received,
              (std::vector<shared::StartRequest>{{here.pathOf("写真"), false},
                                                 {here.pathOf("写真"), true},
                                                 {std::nullopt, true}}));
    qunsetenv("XDG_RUNTIME_DIR");
}

// --help says how to start the program on standard output and ends well, without needing a
// display; what the program does not know it refuses with the usage on standard error. Which
// arguments ask for what is StartArguments' test.
TEST(StartRequest, HelpIsPrintedAndWhatIsUnknownRefused)
{
    for (const bool help : {true, false}) { // help, or an option the program does not know
        const QString arg = help ? QStringLiteral("--help") : QStringLiteral("--list");
        SCOPED_TRACE(arg.toStdString());
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (help) { // help must not even try to reach a display
            environment.remove(QStringLiteral("DISPLAY"));
            environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        }
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TAVOLIN_PROGRAM), {arg});
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), help ? 0 : 2);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString error = QString::fromUtf8(program.readAllStandardError());
        const QString usage = QString::fromUtf8(shared::kUsage.data(),
                                                static_cast<qsizetype>(shared::kUsage.size()));
        // (Qt may warn on standard error before the usage, about a missing runtime folder.)
        EXPECT_TRUE(help ? out.startsWith(usage) : error.contains(usage))
                << out.toStdString() << error.toStdString();
        EXPECT_TRUE((help ? error : out).isEmpty()) << out.toStdString() << error.toStdString();
    }
}

} // namespace
} // namespace tavolin
