#include "listing/scanned_files.h"

#include <algorithm>

namespace tavolin::listing {

namespace {

// Lengths as seven bits a byte, the highest bit saying that more follow.
void appendLength(std::string &out, std::size_t length)
{
    for (; length >= 0x80; length >>= 7)
        out.push_back(static_cast<char>(0x80 | (length & 0x7F)));
    out.push_back(static_cast<char>(length));
}

std::size_t readLength(std::string_view in, std::size_t &at)
{
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(in[at++]);
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if (byte < 0x80)
            return length;
    }
}

} // namespace

ScannedFiles::ScannedFiles(std::string folder, std::span<const std::string> names)
    : m_folder(std::move(folder))
    , m_count(names.size())
{
    std::string_view before;
    std::string packed;
    for (const std::string &name : names) {
        const auto shared
                = static_cast<std::size_t>(std::ranges::mismatch(before, name).in2 - name.begin());
        packed.clear();
        appendLength(packed, shared);
        packed.append(name, shared).push_back('\0');
        m_names.append(packed);
        before = name;
    }
}

void ScannedFiles::forEachName(const std::function<void(std::string_view)> &visit) const
{
    const std::string_view packed = m_names.view();
    std::string name;
    for (std::size_t at = 0; at < packed.size();) {
        name.resize(readLength(packed, at));
        const std::size_t end = packed.find('\0', at);
        name.append(packed, at, end - at);
        visit(name);
        at = end + 1;
    }
}

std::vector<std::string> ScannedFiles::names() const
{
    std::vector<std::string> names;
    names.reserve(m_count);
    forEachName([&names](std::string_view name) { names.emplace_back(name); });
    return names;
}

} // namespace tavolin::listing
