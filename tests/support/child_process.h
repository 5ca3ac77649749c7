#pragma once
// Work done in a child process, so that what it changes of itself or how it ends stays there.
#include <gtest/gtest.h>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace tavolin::test {

// Runs `work` in a child process that exits with what it returns; how the child ended, as
// waitpid() says it.
inline int childStatus(const std::function<int()> &work)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work());
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    return status;
}

} // namespace tavolin::test
