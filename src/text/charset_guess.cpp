#include "text/charset_guess.h"

#include <unicode/ucsdet.h>

#include <climits>
#include <memory>
#include <string_view>

namespace tavolin::text {

CharsetConfidence guessCharset(std::string_view bytes)
{
    CharsetConfidence confidence;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCharsetDetector, decltype(&ucsdet_close)> detector(ucsdet_open(&status),
                                                                              &ucsdet_close);
    const auto length = static_cast<int32_t>(std::min<std::size_t>(bytes.size(), INT32_MAX));
    ucsdet_setText(detector.get(), bytes.data(), length, &status);
    int32_t found = 0;
    const UCharsetMatch **matches = ucsdet_detectAll(detector.get(), &found, &status);
    for (int32_t i = 0; U_SUCCESS(status) && i < found; ++i) {
        const std::string_view name = ucsdet_getName(matches[i], &status);
        const int32_t value = ucsdet_getConfidence(matches[i], &status);
        if (name == "UTF-8")
            confidence.utf8 = value;
        else if (name == "Shift_JIS")
            confidence.shiftJis = value;
    }
    return confidence;
}

} // namespace tavolin::text
