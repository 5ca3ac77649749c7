#include "text/growing_bytes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace tavolin::text {

GrowingBytes::GrowingBytes(std::string_view bytes)
{
    replace(0, 0, bytes);
}

GrowingBytes::~GrowingBytes()
{
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
    // Half as much again: appending stays linear, and realloc leaves untouched room unbacked.
    const std::size_t capacity = std::max(size, m_capacity + m_capacity / 2);
    void *grown = std::realloc(m_data, capacity);
    if (!grown)
        throw std::bad_alloc();
    m_data = static_cast<char *>(grown);
    m_capacity = capacity;
}

} // namespace tavolin::text
