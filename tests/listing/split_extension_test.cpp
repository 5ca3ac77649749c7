#include "listing/split_extension.h"

#include <gtest/gtest.h>

namespace {

// The base name, then the extension.
TEST(SplitExtension, ShortestEndingOfADotAndOneToFourCharacters)
{
    const char *cases[][3] = {
            {"report.txt", "report", ".txt"},
            {"photo.jpeg", "photo", ".jpeg"},
            {"archive.tar.gz", "archive.tar", ".gz"},
            {"page.html5", "page.html5", ""}, // five characters after the dot
            {"file.", "file.", ""},
            {"a.b.", "a", ".b."},
            {"README", "README", ""},
            {".abcd", "", ".abcd"},
            {".a", "", ".a"},
            {".abcde", ".abcde", ""},
            {"", "", ""},
            {".", ".", ""},
            {"x..", "x", ".."},
            {"資料.日本語", "資料", ".日本語"}, // characters are counted, not bytes
            {"資料.日本語です", "資料.日本語です", ""},
            {"\x83\x65\x83\x58.txt", "\x83\x65\x83\x58", ".txt"}, // Shift_JIS bytes
            {"a.\xff\xfe\xfd", "a", ".\xff\xfe\xfd"},             // stray bytes count one each
            {"a.😀", "a", ".😀"},
            {"a.ｶﾀｶﾅ", "a", ".ｶﾀｶﾅ"},
    };
    for (const auto &[name, base, extension] : cases) {
        const auto parts = tavolin::listing::SplitExtension(name);
        EXPECT_EQ(parts.base + "|" + parts.extension, std::string(base) + "|" + extension) << name;
    }
}

} // namespace
