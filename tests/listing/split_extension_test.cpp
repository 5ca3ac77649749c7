#include "listing/split_extension.h"

#include <gtest/gtest.h>

namespace tavolin::listing {
namespace {

struct SplitCase
{
    const char *name;
    const char *base;
    const char *extension;
};

TEST(SplitExtension, ShortestEndingOfADotAndOneToFourCharacters)
{
    const SplitCase cases[] = {
            {"a.txt", "a", ".txt"},
            {"report.txt", "report", ".txt"},
            {"photo.jpeg", "photo", ".jpeg"},
            {"x.tar.gz", "x.tar", ".gz"},
            {"archive.tar.gz", "archive.tar", ".gz"},
            {"a.b.txt", "a.b", ".txt"},
            {"page.html5", "page.html5", ""}, // five characters after the dot
            {"file.", "file.", ""},           // a dot at the very end
            {"a.b.", "a", ".b."},
            {"README", "README", ""},
            {".abc", "", ".abc"},
            {".a", "", ".a"},
            {".abcde", ".abcde", ""},
            {"", "", ""},
            {".", ".", ""},
            {"x..", "x", ".."},
            {"写真.jpg", "写真", ".jpg"},
            {"資料.日本語", "資料", ".日本語"}, // characters are counted, not bytes
            {"資料.日本語です", "資料.日本語です", ""},
            {"\x83\x65\x83\x58.txt", "\x83\x65\x83\x58", ".txt"}, // Shift_JIS bytes
            {"a.😀", "a", ".😀"},
    };
    for (const auto &c : cases) {
        const NameParts parts = SplitExtension(c.name);
        EXPECT_EQ(parts.base, c.base) << c.name;
        EXPECT_EQ(parts.extension, c.extension) << c.name;
        EXPECT_EQ(parts.base + parts.extension, c.name);
    }
}

} // namespace
} // namespace tavolin::listing
