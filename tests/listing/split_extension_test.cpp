#include "listing/split_extension.h"

#include <gtest/gtest.h>

#include <sstream>

// Names split as base|extension: the extension is the shortest ending of a dot and one to four
// characters (characters, not bytes; a stray byte counts as one).
TEST(SplitExtension, ShortestEndingOfADotAndOneToFourCharacters)
{
    std::istringstream cases("report|.txt photo|.jpeg archive.tar|.gz page.html5| file.| a|.b. "
                             "README| |.abcd |.a .abcde| .| x|.. | 資料|.日本語 資料.日本語です| "
                             "\x83\x65\x83\x58|.txt a|.\xff\xfe\xfd a|.😀 a|.ｶﾀｶﾅ");
    for (std::string split; cases >> split;) {
        const std::string name
                = split.substr(0, split.find('|')) + split.substr(split.find('|') + 1);
        const auto parts = tavolin::listing::SplitExtension(name);
        EXPECT_EQ(parts.base + "|" + parts.extension, split);
    }
}
