#include "support/temp_dir.h"
#include <csignal>

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace tavolin::services {
namespace {

// Each probe is a separate process that asks the program's single-instance lock.
class SingleInstanceTest : public ::testing::Test
{
protected:
    void start(QProcess &probe, bool hold)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime_.path()));
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(TAVOLIN_INSTANCE_PROBE),
                    hold ? QStringList{QStringLiteral("hold")} : QStringList{});
        ASSERT_TRUE(probe.waitForStarted());
    }

    std::string answer(QProcess &probe)
    {
        while (!probe.canReadLine() && probe.waitForReadyRead(10000)) {
        }
        return probe.readLine().trimmed().toStdString();
    }

    std::string answerOfOneMore()
    {
        QProcess probe;
        start(probe, false);
        const std::string said = answer(probe);
        probe.waitForFinished();
        return said;
    }

    test::TempDir runtime_;
};

TEST_F(SingleInstanceTest, ASecondCopySeesTheFirstUntilItEnds)
{
    EXPECT_EQ(answerOfOneMore(), "alone");

    QProcess first;
    start(first, true);
    ASSERT_EQ(answer(first), "alone");
    EXPECT_EQ(answerOfOneMore(), "running");

    first.closeWriteChannel(); // the first copy ends normally
    ASSERT_TRUE(first.waitForFinished());
    EXPECT_EQ(answerOfOneMore(), "alone");
}

TEST_F(SingleInstanceTest, ACrashedFirstCopyDoesNotBlockTheNext)
{
    QProcess first;
    start(first, true);
    ASSERT_EQ(answer(first), "alone");
    first.kill(); // SIGKILL: no chance to clean up
    ASSERT_TRUE(first.waitForFinished());
    EXPECT_EQ(answerOfOneMore(), "alone");
}

TEST_F(SingleInstanceTest, AHungFirstCopyStillCounts)
{
    QProcess first;
    start(first, true);
    ASSERT_EQ(answer(first), "alone");
    ::kill(static_cast<pid_t>(first.processId()), SIGSTOP);
    EXPECT_EQ(answerOfOneMore(), "running");
    ::kill(static_cast<pid_t>(first.processId()), SIGCONT);
    first.closeWriteChannel();
    first.waitForFinished();
}

} // namespace
} // namespace tavolin::services
