#include "listing/listing_lines.h"

#include "text/utf8.h"

#include <charconv>

namespace tavolin::listing {

namespace {

std::string decimal(std::int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    return std::string(digits, end);
}

} // namespace

std::string FormatFileSize(std::int64_t size)
{
    if (size < 0)
        return "?";
    std::string digits = decimal(size);
    if (digits.size() < 2)
        digits.insert(0, 1, '0');
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

std::string MakeFileLine(std::string_view name,
                         std::optional<std::int64_t> number,
                         std::optional<std::int64_t> size)
{
    std::string line;
    line.reserve(name.size() + 32);
    if (number) {
        line += decimal(*number);
        line += ' ';
    }
    line += text::printableName(name);
    if (size) {
        line += "   ";
        line += FormatFileSize(*size);
        line += "Byte";
    }
    return line;
}

std::string MakeFolderLine(std::string_view folderName)
{
    std::string line = "  ";
    line += text::printableName(folderName);
    return line;
}

} // namespace tavolin::listing
