#include "text/growing_bytes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace tavolin::text {

namespace {

// From this room on the bytes live in pages of their own, handed back to the system when they
// are freed or outgrown, and grown by remapping; below it they live on the heap.
constexpr std::size_t kMappedRoom = 1024 * 1024;

std::size_t wholePages(std::size_t size)
{
    static const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return (size + page - 1) / page * page;
}

} // namespace

GrowingBytes::GrowingBytes(std::string_view bytes)
{
    replace(0, 0, bytes);
}

GrowingBytes::~GrowingBytes()
{
    if (m_capacity >= kMappedRoom)
        munmap(m_data, m_capacity);
    else
        std::free(m_data);
}

void GrowingBytes::replace(std::size_t at, std::size_t removed, std::string_view inserted)
{
    const std::size_t kept = m_size - at - removed;
    makeRoom(m_size - removed + inserted.size());
    if (kept > 0)
        std::memmove(m_data + at + inserted.size(), m_data + at + removed, kept);
    if (!inserted.empty())
        std::memcpy(m_data + at, inserted.data(), inserted.size());
    m_size = m_size - removed + inserted.size();
}

void GrowingBytes::truncate(std::size_t length)
{
    m_size = std::min(m_size, length);
}

void GrowingBytes::makeRoom(std::size_t size)
{
    if (size <= m_capacity)
        return;
    // Half as much again: appending stays linear, and untouched room stays unbacked.
    std::size_t capacity = std::max(size, m_capacity + m_capacity / 2);
    void *grown = nullptr;
    if (capacity < kMappedRoom) {
        grown = std::realloc(m_data, capacity);
    } else {
        capacity = wholePages(capacity);
        if (m_capacity >= kMappedRoom) {
            grown = mremap(m_data, m_capacity, capacity, MREMAP_MAYMOVE);
        } else {
            grown = mmap(
                    nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (grown != MAP_FAILED) {
                if (m_size > 0)
                    std::memcpy(grown, m_data, m_size);
                std::free(m_data);
            }
        }
        if (grown == MAP_FAILED)
            grown = nullptr;
    }
    if (!grown)
        throw std::bad_alloc();
    m_data = static_cast<char *>(grown);
    m_capacity = capacity;
}

} // namespace tavolin::text
