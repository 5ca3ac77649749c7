#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavolin::rename {

// Where a number or a date goes in a planned name.
enum class Place { Head, End, Replace };

struct NumberingRule
{
    long long start = 1;
    long long step = 1;
    int width = 0; // digits with leading zeros; 0: as many as the last number needs
    Place place = Place::End;
    std::string separator = "_";
};

// The number of row `row` of `rows`, as wide as the rule says, with its separator, in `name`.
std::string
numberName(std::string_view name, const NumberingRule &rule, long long row, long long rows);

// A moment in local time, as a file's modification time or a photo's date taken gives it.
struct LocalTime
{
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// `pattern` with yyyy, yy, MM, dd, HH, mm and ss filled in; every other character as it is.
std::string formatDate(std::string_view pattern, const LocalTime &time);
// An EXIF date ("2026:12:08 14:30:05"), or nothing where it is not one (blank, "0000:00:00").
std::optional<LocalTime> parseExifDate(std::string_view text);
// `text` (a number or a date) in `name` as `place` says, with the separator between.
std::string
placeText(std::string_view name, std::string_view text, Place place, std::string_view separator);

} // namespace tavolin::rename
