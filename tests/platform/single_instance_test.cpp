// Each probe is a separate process that asks the program's single-instance lock. The first one
// holds it until its standard input closes; while it runs another sees it, after it another does
// not, however it ended.
#include "support/temp_dir.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

namespace tavolin::services {
namespace {

// What a probe says; a `holder` goes on running.
std::string ask(QProcess *holder = nullptr)
{
    QProcess once;
    QProcess &probe = holder ? *holder : once;
    probe.start(QStringLiteral(TAVOLIN_INSTANCE_PROBE),
                holder ? QStringList{QStringLiteral("hold")} : QStringList{});
    probe.waitForReadyRead(10000); // the answer comes in one piece
    once.waitForFinished();
    return probe.readLine().trimmed().toStdString();
}

// The first copy is sent nothing and ends normally, or is killed with no chance to clean up.
TEST(SingleInstance, ASecondCopySeesTheFirstUntilItEndsHoweverItEnds)
{
    const test::TempDir runtime;
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.path()));
    for (const int signal : {0, SIGKILL}) {
        QProcess first;
        EXPECT_EQ(ask(&first), "alone") << signal;
        EXPECT_EQ(ask(), "running") << signal;
        ::kill(static_cast<pid_t>(first.processId()), signal);
        first.closeWriteChannel();
        first.waitForFinished();
        EXPECT_EQ(ask(), "alone") << signal;
    }
}

} // namespace
} // namespace tavolin::services
