#pragma once

#include <expected>
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

// `pattern` with its letters filled in: yyyy and yy the year, MM and M the month, dd and d the
// day, HH and H the hour (0 to 23), mm and m the minute, ss and s the second (two letters: two
// digits). Text in single quotes stays as it is ('' is a quote), and so does every character that
// is no ASCII letter. Why not where a pattern holds another letter or an unclosed quote.
std::expected<std::string, std::string> formatDate(std::string_view pattern, const LocalTime &time);
// What the letters of a date pattern stand for, as the user reads it.
inline constexpr std::string_view kDatePatternLetters
        = "yyyy 年（4桁）、yy 年（下2桁）、MM 月（2桁）、M 月、dd 日（2桁）、d 日、"
          "HH 時（0〜23、2桁）、H 時、mm 分（2桁）、m 分、ss 秒（2桁）、s 秒。"
          "ほかの英字は'で囲むとそのまま入ります（'IMG'_yyyyMMdd）。''は'です";
// An EXIF date ("2026:12:08 14:30:05"), or nothing where it is not one (blank, "0000:00:00").
std::optional<LocalTime> parseExifDate(std::string_view text);
// `text` (a number or a date) in `name` as `place` says, with the separator between.
std::string
placeText(std::string_view name, std::string_view text, Place place, std::string_view separator);

} // namespace tavolin::rename
