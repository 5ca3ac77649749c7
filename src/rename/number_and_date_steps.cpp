#include "rename/number_and_date_steps.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <iterator>

namespace tavolin::rename {

namespace {

// `value` (not negative) in decimal with leading zeros to `width` digits.
std::string padded(long long value, int width)
{
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

int digitsOf(long long number)
{
    return static_cast<int>(std::to_string(std::llabs(number)).size());
}

std::optional<int> fieldAt(std::string_view text, std::size_t at, std::size_t length)
{
    int value = 0;
    const char *first = text.data() + at;
    const auto [end, error] = std::from_chars(first, first + length, value);
    if (error != std::errc{} || end != first + length)
        return std::nullopt;
    return value;
}

} // namespace

std::string
numberName(std::string_view name, const NumberingRule &rule, long long row, long long rows)
{
    const long long number = rule.start + row * rule.step;
    const long long last = rule.start + std::max(rows - 1, 0LL) * rule.step;
    const int width = rule.width > 0 ? rule.width : std::max(digitsOf(rule.start), digitsOf(last));
    const std::string digits = padded(std::llabs(number), width);
    return placeText(name, number < 0 ? "-" + digits : digits, rule.place, rule.separator);
}

std::string formatDate(std::string_view pattern, const LocalTime &time)
{
    struct Field
    {
        std::string_view token;
        int value;
        int width;
    };
    const Field fields[] = {{"yyyy", time.year, 4},
                            {"yy", time.year % 100, 2},
                            {"MM", time.month, 2},
                            {"dd", time.day, 2},
                            {"HH", time.hour, 2},
                            {"mm", time.minute, 2},
                            {"ss", time.second, 2}};
    std::string out;
    for (std::size_t at = 0; at < pattern.size();) {
        const auto field = std::ranges::find_if(
                fields, [&](const Field &f) { return pattern.substr(at).starts_with(f.token); });
        if (field == std::end(fields)) {
            out += pattern[at++];
            continue;
        }
        out += padded(field->value, field->width);
        at += field->token.size();
    }
    return out;
}

std::optional<LocalTime> parseExifDate(std::string_view text)
{
    // "YYYY:MM:DD HH:MM:SS", 19 characters, sometimes padded.
    if (text.size() < 19 || text[4] != ':' || text[7] != ':' || text[10] != ' ' || text[13] != ':'
        || text[16] != ':')
        return std::nullopt;
    const auto year = fieldAt(text, 0, 4), month = fieldAt(text, 5, 2), day = fieldAt(text, 8, 2),
               hour = fieldAt(text, 11, 2), minute = fieldAt(text, 14, 2),
               second = fieldAt(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second || *month < 1 || *month > 12
        || *day < 1 || *day > 31 || *hour > 23 || *minute > 59 || *second > 60)
        return std::nullopt;
    return LocalTime{*year, *month, *day, *hour, *minute, *second};
}

std::string
placeText(std::string_view name, std::string_view text, Place place, std::string_view separator)
{
    switch (place) {
    case Place::Head:
        return std::string(text) + std::string(separator) + std::string(name);
    case Place::End:
        return std::string(name) + std::string(separator) + std::string(text);
    case Place::Replace:
        break;
    }
    return std::string(text);
}

} // namespace tavolin::rename
