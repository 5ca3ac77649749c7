#include "paths/name_pattern.h"

#include <gtest/gtest.h>

namespace tavolin::paths {
namespace {

struct PatternCase
{
    const char *name;
    const char *pattern;
    bool matches;
};

TEST(NamePattern, MatchesLikeTheDesktopFileDialogs)
{
    const PatternCase cases[] = {
            {"report.txt", "", true},
            {"report.txt", "*", true},
            {"README", "*.*", true}, // "*.*" matches names without a dot too
            {"report.txt", "*.txt", true},
            {"report.TXT", "*.txt", true},
            {"REPORT.txt", "report.*", true},
            {"report.txt", "*.doc", false},
            {"a.txt", "?.txt", true},
            {"ab.txt", "?.txt", false},
            {"写.txt", "?.txt", true}, // "?" is one character, not one byte
            {"写真.txt", "写*", true},
            {"ＡＢＣ.txt", "ａｂｃ.*", true},
            {"Ärger.txt", "ä*", true},
            {"aXbXc", "a*b*c", true},
            {"aXbXd", "a*b*c", false},
            {"abc", "abc*", true},
            {"ab", "abc", false},
            {"\xff\xfe.bin", "*.bin", true}, // a name that is not UTF-8
            {"\xff.bin", "?.bin", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(matchesNamePattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

} // namespace
} // namespace tavolin::paths
