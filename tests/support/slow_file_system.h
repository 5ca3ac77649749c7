#pragma once

#include "services/file_system.h"

#include <chrono>
#include <thread>

namespace tavolin::test {

// Another file system, slowed down as on a slow network folder, so that long work can be watched
// and stopped in tests: each look at how far a size reading is, and each rename primitive, first
// waits for `delay`.
class SlowFileSystem : public services::FileSystem
{
public:
    SlowFileSystem(services::FileSystem &inner, std::chrono::microseconds delay)
        : m_inner(inner)
        , m_delay(delay)
    {}

    const paths::PathStyle &pathStyle() const override { return m_inner.pathStyle(); }
    services::FsResult<std::vector<std::string>> listFiles(const paths::FilePattern &p) override
    {
        return m_inner.listFiles(p);
    }
    services::FsResult<void> checkFolder(std::string_view folder) override
    {
        return m_inner.checkFolder(folder);
    }
    services::FsResult<std::vector<std::string>> listFolders(std::string_view folder) override
    {
        return m_inner.listFolders(folder);
    }
    std::optional<std::vector<std::int64_t>>
    fileSizes(std::string_view folder,
              std::span<const std::string> names,
              const std::function<bool(std::size_t)> &keepGoing) override
    {
        return m_inner.fileSizes(folder, names, [&](std::size_t done) {
            std::this_thread::sleep_for(m_delay);
            return keepGoing(done);
        });
    }
    services::FsResult<std::unique_ptr<services::FolderRenamer>>
    openForRenaming(std::string_view folder) override
    {
        auto opened = m_inner.openForRenaming(folder);
        if (!opened)
            return std::unexpected(opened.error());
        return std::make_unique<Renamer>(std::move(*opened), m_delay);
    }
    services::FsResult<void> createFolder(std::string_view parent, std::string_view name) override
    {
        return m_inner.createFolder(parent, name);
    }

private:
    class Renamer : public services::FolderRenamer
    {
    public:
        Renamer(std::unique_ptr<services::FolderRenamer> inner, std::chrono::microseconds delay)
            : m_inner(std::move(inner))
            , m_delay(delay)
        {}
        const paths::PathStyle &pathStyle() const override { return m_inner->pathStyle(); }
        std::size_t maxNameBytes() const override { return m_inner->maxNameBytes(); }
        services::FsResult<void> renameNoReplace(std::string_view from,
                                                 std::string_view to) override
        {
            std::this_thread::sleep_for(m_delay);
            return m_inner->renameNoReplace(from, to);
        }
        services::FsResult<void> link(std::string_view from, std::string_view to) override
        {
            std::this_thread::sleep_for(m_delay);
            return m_inner->link(from, to);
        }
        services::FsResult<void> unlink(std::string_view name) override
        {
            std::this_thread::sleep_for(m_delay);
            return m_inner->unlink(name);
        }
        std::optional<services::FileId> identify(std::string_view name) override
        {
            return m_inner->identify(name);
        }
        services::FsResult<std::vector<std::string>> names() override { return m_inner->names(); }

    private:
        std::unique_ptr<services::FolderRenamer> m_inner;
        std::chrono::microseconds m_delay;
    };

    services::FileSystem &m_inner;
    std::chrono::microseconds m_delay;
};

} // namespace tavolin::test
