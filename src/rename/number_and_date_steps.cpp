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

std::expected<std::string, std::string> formatDate(std::string_view pattern, const LocalTime &time)
{
    // Each letter of the pattern with how many of it it takes, and the part of the time it is.
    struct Field
    {
        char letter;
        std::size_t count;
        int value;
    };
    const Field fields[] = {{'y', 4, time.year},
                            {'y', 2, time.year % 100},
                            {'M', 2, time.month},
                            {'M', 1, time.month},
                            {'d', 2, time.day},
                            {'d', 1, time.day},
                            {'H', 2, time.hour},
                            {'H', 1, time.hour},
                            {'m', 2, time.minute},
                            {'m', 1, time.minute},
                            {'s', 2, time.second},
                            {'s', 1, time.second}};
    std::string out;
    for (std::size_t at = 0; at < pattern.size();) {
        const char c = pattern[at];
        if (pattern.substr(at).starts_with("''")) {
            out += '\'';
            at += 2;
            continue;
        }
        if (c == '\'') { // quoted text as it is, where '' is a quote too
            std::size_t end = at + 1;
            for (;; ++end) {
                if (end >= pattern.size())
                    return std::unexpected("書式の「'」が閉じていません（" + std::to_string(at + 1)
                                           + "文字目）");
                if (pattern.substr(end).starts_with("''"))
                    out += pattern[end++];
                else if (pattern[end] == '\'')
                    break;
                else
                    out += pattern[end];
            }
            at = end + 1;
            continue;
        }
        if ((c < 'a' || c > 'z') && (c < 'A' || c > 'Z')) { // no ASCII letter, whatever the locale
            out += c;
            ++at;
            continue;
        }
        const std::size_t count = std::min(pattern.find_first_not_of(c, at), pattern.size()) - at;
        const auto field = std::ranges::find_if(
                fields, [&](const Field &f) { return f.letter == c && f.count == count; });
        if (field == std::end(fields))
            return std::unexpected("書式の「" + std::string(pattern.substr(at, count))
                                   + "」は使えません（文字は'で囲みます）");
        out += padded(field->value, static_cast<int>(count));
        at += count;
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
