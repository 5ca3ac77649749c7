#pragma once

#include <cstddef>
#include <string_view>

namespace tavolin::text {

// Bytes that grow at their end without being copied each time they outgrow their room: the room
// grows through realloc, which for a block of many megabytes moves pages rather than bytes. A
// listing of 150 MB that grows by 30 MB so needs 180 MB at its peak, not the 330 MB a string
// needs while it copies itself into twice its room.
class GrowingBytes
{
public:
    GrowingBytes() = default;
    explicit GrowingBytes(std::string_view bytes);
    ~GrowingBytes();
    GrowingBytes(const GrowingBytes &) = delete;
    GrowingBytes &operator=(const GrowingBytes &) = delete;

    std::string_view view() const { return {m_data, m_size}; }
    std::size_t size() const { return m_size; }

    // The `removed` bytes at `at` replaced by `inserted`, which must not lie in these bytes.
    void replace(std::size_t at, std::size_t removed, std::string_view inserted);
    void append(std::string_view tail) { replace(m_size, 0, tail); }
    // The first `length` bytes kept, the rest dropped.
    void truncate(std::size_t length);

private:
    void makeRoom(std::size_t size);

    char *m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace tavolin::text
