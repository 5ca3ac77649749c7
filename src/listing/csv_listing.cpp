#include "listing/csv_listing.h"

#include "listing/exported_files.h"

#include <cstdio>
#include <ctime>

namespace tavolin::listing {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// `text` as one quoted CSV field.
std::string quoted(std::string_view text)
{
    std::string field = "\"";
    for (const char c : text)
        field += c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1);
    return field + '"';
}

} // namespace

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

std::string csvSheet(const FileSheet &sheet)
{
    std::string csv(kByteOrderMark);
    for (const TextColumn &column : sheet.texts)
        csv += quoted(column.caption) + ',';
    for (const std::string_view caption : kFactColumns)
        csv += quoted(caption) + (caption == kFactColumns.back() ? "\r\n" : ",");
    for (std::size_t at = 0; at < sheet.rows; ++at) {
        const FileSheetRow row = sheet.row(at);
        for (const std::string &text : row.texts)
            csv += quoted(text) + ',';
        if (row.facts.known())
            csv += std::to_string(row.facts.size) + ',' + isoLocalTime(row.facts.modified);
        else
            csv += ',';
        csv += ',' + quoted(row.nameBytes) + "\r\n";
    }
    return csv;
}

std::string csvListing(std::span<const std::string> names,
                       std::span<const services::FileFacts> facts)
{
    return csvSheet(listingSheet(names, facts));
}

} // namespace tavolin::listing
