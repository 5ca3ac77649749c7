// Each probe is a separate process that asks the program's single-instance lock. The first one
// holds it until its standard input closes; while it runs another sees it, after it another does
// not.
#include "support/temp_dir.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

namespace tavolin::services {
namespace {

class SingleInstanceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime_.path()));
        EXPECT_EQ(ask(&first_), "alone");
        EXPECT_EQ(ask(), "running");
    }
    void TearDown() override
    {
        first_.closeWriteChannel(); // ends normally, unless it was killed
        first_.waitForFinished();
        EXPECT_EQ(ask(), "alone");
    }

    // What a probe says; a `holder` goes on running.
    static std::string ask(QProcess *holder = nullptr)
    {
        QProcess once;
        QProcess &probe = holder ? *holder : once;
        probe.start(QStringLiteral(TAVOLIN_INSTANCE_PROBE),
                    holder ? QStringList{QStringLiteral("hold")} : QStringList{});
        probe.waitForReadyRead(10000); // the answer comes in one piece
        once.waitForFinished();
        return probe.readLine().trimmed().toStdString();
    }

    test::TempDir runtime_;
    QProcess first_;
};

TEST_F(SingleInstanceTest, ASecondCopySeesTheFirstUntilItEnds) {}

TEST_F(SingleInstanceTest, ACrashedFirstCopyDoesNotBlockTheNext)
{
    first_.kill(); // SIGKILL: no chance to clean up
}

TEST_F(SingleInstanceTest, AHungFirstCopyStillCounts)
{
    ::kill(static_cast<pid_t>(first_.processId()), SIGSTOP);
    EXPECT_EQ(ask(), "running");
    ::kill(static_cast<pid_t>(first_.processId()), SIGCONT);
}

} // namespace
} // namespace tavolin::services
