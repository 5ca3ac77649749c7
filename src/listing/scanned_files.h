#pragma once

#include "text/growing_bytes.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::listing {

// The files of one scan: the folder that was read and every name found there, in the listing's
// order. A listing keeps them for as long as it is in the history, so they are packed: each name
// as the length of the start it shares with the name before (names in name order share most of
// it) and the rest, ended by a NUL, which no file name holds.
class ScannedFiles
{
public:
    ScannedFiles(std::string folder, std::span<const std::string> names);

    const std::string &folder() const { return m_folder; }
    std::size_t count() const { return m_count; }
    std::vector<std::string> names() const;
    // Calls `visit` with each name in order; a name is valid only during its call.
    void forEachName(const std::function<void(std::string_view)> &visit) const;

private:
    std::string m_folder;
    text::GrowingBytes m_names;
    std::size_t m_count = 0;
};

} // namespace tavolin::listing
