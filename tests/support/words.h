#pragma once
// Short ways for a test to write names and to read why a call failed.
#include "services/fs_error.h"
#include "text/packed_strings.h"

#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::test {

// The words of `text`, split at blanks: "a.txt b.txt" names two files.
inline std::vector<std::string> words(std::string_view text)
{
    std::istringstream in{std::string(text)};
    return {std::istream_iterator<std::string>(in), {}};
}

// The names one after the other, `separator` between two.
inline std::string joined(const std::vector<std::string> &names, std::string_view separator)
{
    std::string text;
    for (std::size_t at = 0; at < names.size(); ++at)
        text += (at > 0 ? std::string(separator) : "") + names[at];
    return text;
}

// Packed strings as a list, to compare whole.
inline std::vector<std::string> unpacked(const text::PackedStrings &strings)
{
    std::vector<std::string> list;
    for (std::size_t index = 0; index < strings.size(); ++index)
        list.emplace_back(strings[index]);
    return list;
}

// Why a call failed; nothing when it did not.
template<typename T>
std::optional<services::FsErrorKind> refusal(const services::FsResult<T> &result)
{
    return result ? std::nullopt : std::optional(result.error().kind);
}

} // namespace tavolin::test
