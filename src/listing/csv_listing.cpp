#include "listing/csv_listing.h"

#include "listing/split_extension.h"
#include "text/utf8.h"

#include <cstdio>
#include <ctime>

namespace tavolin::listing {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kHeader
        = "ファイル名,名前,拡張子,サイズ(バイト),更新日時,UTF-8でない名前のバイト\r\n";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// The name with each byte that is no UTF-8 character replaced by U+FFFD.
std::string withReplacements(std::string_view name)
{
    std::string text;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t start = at;
        if (text::utf8::decodeNext(name, at) >= text::utf8::kStrayByte)
            text += kReplacement;
        else
            text.append(name.substr(start, at - start));
    }
    return text;
}

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

} // namespace

std::string csvField(std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(field);
    std::string quoted = "\"";
    for (const char c : field)
        quoted += c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1);
    return quoted + '"';
}

std::string isoLocalTime(services::FileTime time)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
            std::chrono::time_point_cast<std::chrono::system_clock::duration>(time));
    std::tm local{};
    if (!localtime_r(&seconds, &local))
        return {};
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    const long offset = local.tm_gmtoff / 60;
    char zone[32];
    std::snprintf(zone,
                  sizeof zone,
                  "%c%02ld:%02ld",
                  offset < 0 ? '-' : '+',
                  (offset < 0 ? -offset : offset) / 60,
                  (offset < 0 ? -offset : offset) % 60);
    return std::string(text) + zone;
}

std::string csvListing(std::span<const std::string> names,
                       std::span<const services::FileFacts> facts)
{
    std::string csv(kByteOrderMark);
    csv += kHeader;
    for (std::size_t row = 0; row < names.size(); ++row) {
        const std::string &name = names[row];
        const bool valid = text::utf8::isValid(name);
        const auto shown = [valid](std::string_view part) {
            return csvField(valid ? std::string(part) : withReplacements(part));
        };
        const NameParts parts = SplitExtension(name);
        const services::FileFacts known = row < facts.size() ? facts[row] : services::FileFacts{};
        csv += shown(name) + ',' + shown(parts.base) + ',' + shown(parts.extension) + ',';
        if (known.known())
            csv += std::to_string(known.size) + ',' + isoLocalTime(known.modified);
        else
            csv += ',';
        csv += ',' + (valid ? std::string() : hexBytes(name)) + "\r\n";
    }
    return csv;
}

} // namespace tavolin::listing
