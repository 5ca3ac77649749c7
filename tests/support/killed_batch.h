#pragma once

#include "rename/apply_renames.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace tavolin::test {

// Runs `batch` in a child process with options that kill the child (SIGKILL: nothing is tidied
// up, as after a crash or a power cut) before its step `killAt`, counting every rename, to a
// temporary name too; the batch's journal goes to `journals`. True when the child was killed,
// false when the batch had fewer steps and ended.
inline bool killedBeforeStep(int killAt,
                             services::JournalStore &journals,
                             const std::function<void(const rename::BatchOptions &)> &batch)
{
    const pid_t child = ::fork();
    if (child == 0) {
        int steps = 0;
        batch({&journals, false, [&](int) {
                   if (steps++ == killAt)
                       ::raise(SIGKILL);
               }});
        ::_exit(0);
    }
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    return WIFSIGNALED(status);
}

} // namespace tavolin::test
