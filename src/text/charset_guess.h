#pragma once

#include <string_view>

namespace tavolin::text {

// How strongly ICU's charset detector takes some bytes for UTF-8 and for Shift_JIS, each from 0
// (not at all) to 100: it weighs how many multi-byte characters there are and, for Shift_JIS,
// how many of them are among the characters Japanese text uses most.
struct CharsetConfidence
{
    int utf8 = 0;
    int shiftJis = 0;
};

CharsetConfidence guessCharset(std::string_view bytes);

} // namespace tavolin::text
