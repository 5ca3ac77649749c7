#include "platform/posix_journal_store.h"

#include "platform/posix_descriptor.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavolin::services {

namespace {

using posix::lastError;

constexpr std::array<std::string_view, 4> kStateNames
        = {"running", "complete", "undone", "unreadable"};

FsResult<void> flushFolder(const std::string &folder)
{
    const posix::Descriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!handle.isOpen() || ::fsync(handle.get()) != 0)
        return lastError();
    return {};
}

// When the journal `id` was made, as newId wrote it; the epoch for an id it did not write.
std::chrono::system_clock::time_point madeAt(std::string_view id)
{
    tm utc{};
    long micros = 0;
    if (std::sscanf(std::string(id).c_str(),
                    "%4d%2d%2dT%2d%2d%2d%6ld",
                    &utc.tm_year,
                    &utc.tm_mon,
                    &utc.tm_mday,
                    &utc.tm_hour,
                    &utc.tm_min,
                    &utc.tm_sec,
                    &micros)
        != 7)
        return {};
    utc.tm_year -= 1900;
    utc.tm_mon -= 1;
    return std::chrono::system_clock::from_time_t(::timegm(&utc))
           + std::chrono::microseconds(micros);
}

} // namespace

// The time to the microsecond, then the process and a count, so that ids sort by age.
std::string PosixJournalStore::newId()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    tm utc{};
    ::gmtime_r(&now.tv_sec, &utc);
    std::array<char, 64> id{};
    const std::size_t length = std::strftime(id.data(), id.size(), "%Y%m%dT%H%M%S", &utc);
    std::snprintf(id.data() + length,
                  id.size() - length,
                  "%06ld-%d-%d",
                  now.tv_nsec / 1000,
                  static_cast<int>(::getpid()),
                  ++m_made);
    return id.data();
}

PosixJournalStore::PosixJournalStore(std::string folder)
    : m_folder(std::move(folder))
{}

std::string PosixJournalStore::defaultFolder()
{
    if (const char *state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
        return std::string(state) + "/tavolin";
    const char *home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/state/tavolin";
}

std::string PosixJournalStore::pathOf(const JournalEntry &entry) const
{
    return m_folder + '/' + entry.id + '.' + entry.tag + '.'
           + std::string(kStateNames[static_cast<std::size_t>(entry.state)]);
}

std::string PosixJournalStore::pathOf(const std::string &id)
{
    const auto entries = list();
    const auto entry = find(entries, id);
    return entry == entries.end() ? m_folder + '/' + id : pathOf(*entry);
}

FsResult<std::string> PosixJournalStore::create(std::string_view tag, std::string_view text)
{
    if (!posix::makeFolders(m_folder))
        return lastError();
    const JournalEntry entry{newId(), std::string(tag), JournalState::Running};
    const std::string path = pathOf(entry);
    const posix::Descriptor file(
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!file.isOpen())
        return lastError();
    if (!posix::writeAllAt(file.get(), text, 0) || ::fsync(file.get()) != 0) {
        const auto error = lastError();
        ::unlink(path.c_str());
        return error;
    }
    if (auto flushed = flushFolder(m_folder); !flushed)
        return std::unexpected(flushed.error());
    return entry.id;
}

std::vector<JournalEntry>::const_iterator
PosixJournalStore::find(const std::vector<JournalEntry> &entries, const std::string &id) const
{
    return std::ranges::find(entries, id, &JournalEntry::id);
}

FsResult<void> PosixJournalStore::setState(const std::string &id, JournalState state)
{
    const auto entries = list();
    const auto entry = find(entries, id);
    if (entry == entries.end())
        return std::unexpected(FsError{FsErrorKind::NotFound, "no such journal"});
    JournalEntry moved = *entry;
    moved.state = state;
    if (::rename(pathOf(*entry).c_str(), pathOf(moved).c_str()) != 0)
        return lastError();
    return flushFolder(m_folder);
}

std::vector<JournalEntry> PosixJournalStore::list()
{
    std::vector<JournalEntry> entries;
    DIR *dir = ::opendir(m_folder.c_str());
    if (!dir)
        return entries;
    while (const dirent *item = ::readdir(dir)) {
        const std::string_view name = item->d_name;
        const auto firstDot = name.find('.');
        const auto lastDot = name.rfind('.');
        if (firstDot == lastDot) // no dot, or only one
            continue;
        const auto state = std::ranges::find(kStateNames, name.substr(lastDot + 1));
        if (state == kStateNames.end())
            continue;
        struct stat facts
        {};
        const std::string_view id = name.substr(0, firstDot);
        entries.push_back({std::string(id),
                           std::string(name.substr(firstDot + 1, lastDot - firstDot - 1)),
                           static_cast<JournalState>(state - kStateNames.begin()),
                           madeAt(id),
                           ::fstatat(::dirfd(dir), item->d_name, &facts, AT_SYMLINK_NOFOLLOW) == 0
                                   ? static_cast<std::uint64_t>(facts.st_size)
                                   : 0});
    }
    ::closedir(dir);
    std::ranges::sort(entries, {}, &JournalEntry::id);
    return entries;
}

FsResult<std::string> PosixJournalStore::read(const std::string &id)
{
    // The journal as last listed, unless it has moved on since (or is new): then as it is now.
    const auto open = [this, &id] {
        const auto entry = find(m_listed, id);
        return entry == m_listed.end() ? -1 : ::open(pathOf(*entry).c_str(), O_RDONLY | O_CLOEXEC);
    };
    int opened = open();
    if (opened < 0) {
        m_listed = list();
        if (find(m_listed, id) == m_listed.end())
            return std::unexpected(FsError{FsErrorKind::NotFound, "no such journal"});
        opened = open();
    }
    const posix::Descriptor file(opened);
    if (!file.isOpen())
        return lastError();
    std::string text;
    std::array<char, 1 << 16> buffer{};
    for (ssize_t step; (step = ::read(file.get(), buffer.data(), buffer.size())) != 0;) {
        if (step < 0 && errno == EINTR)
            continue;
        if (step < 0)
            return lastError();
        text.append(buffer.data(), static_cast<std::size_t>(step));
    }
    return text;
}

void PosixJournalStore::remove(const std::string &id)
{
    const auto entries = list();
    if (const auto entry = find(entries, id); entry != entries.end())
        ::unlink(pathOf(*entry).c_str());
}

} // namespace tavolin::services
