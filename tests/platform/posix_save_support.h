#pragma once
// Saving over files on real folders: the files' facts, and saves in a child process whose user,
// limits or environment the test changes.
#include "platform/posix_text_files.h"

#include "support/child_process.h"
#include "support/temp_dir.h"
#include "support/words.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <functional>
#include <grp.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavolin::test::save {

using namespace tavolin::services;

inline constexpr uid_t kNobody = 65534; // with the group nogroup, as on Debian
inline constexpr gid_t kNogroup = 65534;
inline constexpr uid_t kSomeoneElse = 1000;
inline constexpr gid_t kUsers = 100;

inline const std::string kOld = "old listing, longer than the new one\r\n";
inline const std::string kNew = "new\r\n";

using test::refusal;

inline struct stat statOf(const std::string &path)
{
    struct stat facts
    {};
    EXPECT_EQ(::stat(path.c_str(), &facts), 0) << path;
    return facts;
}

// Every name under `folder`, folders too, relative to it and sorted.
inline std::vector<std::string> namesUnder(const std::string &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder))
        names.push_back(std::filesystem::relative(entry.path(), folder));
    std::ranges::sort(names);
    return names;
}

// Runs `work` in a child process once `prepare` there succeeds, so that what the child changes
// of itself (its user, its limits, its environment) stays in it. The result comes back through
// a pipe as the kind's number and the detail.
inline FsResult<void> inChild(const std::function<bool()> &prepare,
                              const std::function<FsResult<void>()> &work)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return std::unexpected(FsError{FsErrorKind::Other, "no pipe to the child"});
    const int status = childStatus([&] {
        ::close(ends[0]);
        if (!prepare())
            return 2;
        const auto done = work();
        const std::string report
                = done ? "ok" : std::to_string(int(done.error().kind)) + ':' + done.error().detail;
        return ::write(ends[1], report.data(), report.size()) == ssize_t(report.size()) ? 0 : 3;
    });
    ::close(ends[1]); // the report, small enough for the pipe, waits in it
    std::string report;
    char block[4096];
    for (ssize_t got; (got = ::read(ends[0], block, sizeof block)) > 0;)
        report.append(block, static_cast<std::size_t>(got));
    ::close(ends[0]);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    const auto colon = report.find(':');
    if (report == "ok")
        return {};
    if (colon == std::string::npos)
        return std::unexpected(FsError{FsErrorKind::Other, "no report from the child"});
    return std::unexpected(
            FsError{FsErrorKind(std::stoi(report.substr(0, colon))), report.substr(colon + 1)});
}

inline FsResult<void>
saveInChild(const std::string &path, std::string_view text, const std::function<bool()> &prepare)
{
    return inChild(prepare, [&] { return PosixTextFiles().writeBytes(path, text); });
}

// The child becomes nobody, in nogroup and no other group, whom permissions stop as they stop
// any ordinary user; its cache folder is `cacheHome`.
inline std::function<bool()> asNobody(const std::string &cacheHome)
{
    return [cacheHome] {
        return ::setenv("XDG_CACHE_HOME", cacheHome.c_str(), 1) == 0 && ::setgroups(0, nullptr) == 0
               && ::setresgid(kNogroup, kNogroup, kNogroup) == 0
               && ::setresuid(kNobody, kNobody, kNobody) == 0;
    };
}

// Gives `path` the owner, group and mode, in that order, since a change of owner may clear the
// set-group-ID bit.
inline void own(const std::string &path, uid_t owner, gid_t group, mode_t mode)
{
    ASSERT_EQ(::chown(path.c_str(), owner, group), 0) << path;
    ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

} // namespace tavolin::test::save
