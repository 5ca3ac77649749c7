#pragma once

#include <cstddef>
#include <string_view>

namespace tavolin::text {

// Bytes that grow at their end without being copied each time they outgrow their room. From a
// megabyte on they live in pages of their own that grow by remapping, which moves pages rather
// than bytes and gives them back to the system when freed: a listing of 150 MB that grows by
// 30 MB so needs 180 MB at its peak, not the 330 MB a string needs while it copies itself into
// twice its room, and it never holds the heap's freed space in place.
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
