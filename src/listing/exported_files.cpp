#include "listing/exported_files.h"

#include "listing/file_sheet.h"

#include "listing/split_extension.h"
#include "text/utf8.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace tavolin::listing {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// The name with each byte that is no UTF-8 character replaced by U+FFFD.
std::string withReplacements(std::string_view name)
{
    std::string text;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t start = at;
        if (text::utf8::isStrayByte(text::utf8::decodeNext(name, at)))
            text += kReplacement;
        else
            text.append(name.substr(start, at - start));
    }
    return text;
}

} // namespace

std::string hexBytes(std::string_view name)
{
    std::string hex;
    for (const char c : name) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(c));
        hex += (hex.empty() ? "" : " ") + std::string(pair);
    }
    return hex;
}

std::optional<std::string> bytesOfHex(std::string_view hex)
{
    std::string bytes;
    for (std::size_t at = 0; at < hex.size(); at += 3) {
        unsigned value = 0;
        const char *end = hex.data() + std::min(hex.size(), at + 2);
        if (std::from_chars(hex.data() + at, end, value, 16).ptr != end
            || (at + 2 < hex.size() && hex[at + 2] != ' '))
            return std::nullopt;
        bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

ExportedFile exportedFile(std::string_view name, const services::FileFacts &facts)
{
    const NameParts parts = SplitExtension(name);
    if (text::utf8::isValid(name))
        return {std::string(name), parts.base, parts.extension, facts, {}};
    return {withReplacements(name),
            withReplacements(parts.base),
            withReplacements(parts.extension),
            facts,
            hexBytes(name)};
}

FileSheet listingSheet(std::span<const std::string> names,
                       std::span<const services::FileFacts> facts)
{
    return {.texts = {{kExportedColumns[0]}, {kExportedColumns[1]}, {kExportedColumns[2], 8}},
            .rows = names.size(),
            .row = [names, facts](std::size_t at) {
                ExportedFile file = exportedFile(
                        names[at], at < facts.size() ? facts[at] : services::FileFacts{});
                return FileSheetRow{
                        {std::move(file.name), std::move(file.base), std::move(file.extension)},
                        file.facts,
                        std::move(file.nameBytes)};
            }};
}

} // namespace tavolin::listing
