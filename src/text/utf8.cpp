#include "text/utf8.h"

#include <cstdio>

namespace tavolin::text::utf8 {

namespace {

unsigned char byteAt(std::string_view text, std::size_t pos)
{
    return static_cast<unsigned char>(text[pos]);
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

char32_t decodeNext(std::string_view text, std::size_t &pos)
{
    const unsigned char lead = byteAt(text, pos);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    }
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return kStrayByte + lead;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byteAt(text, pos + i);
        if (!isContinuation(next)) {
            ++pos;
            return kStrayByte + lead;
        }
        value = (value << 6) | (next & 0x3F);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (value < minimum || value > 0x10FFFF || surrogate) {
        ++pos;
        return kStrayByte + lead;
    }
    pos += length;
    return value;
}

bool isValid(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        if (isStrayByte(decodeNext(text, pos)))
            return false;
    }
    return true;
}

} // namespace tavolin::text::utf8

namespace tavolin::text {

namespace {

// The characters that steer the direction of the text after them (embeddings, overrides,
// isolates and marks): in a name they would turn the rest of its line around unseen.
bool steersDirection(char32_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E
           || c == 0x200F || c == 0x061C;
}

} // namespace

std::string printableName(std::string_view name)
{
    // Only these bytes start a line break or a character that steers direction.
    if (name.find_first_of("\r\n\xE2\xD8") == std::string_view::npos)
        return std::string(name);
    std::string shown;
    shown.reserve(name.size() + 8);
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t start = pos;
        const char32_t c = utf8::decodeNext(name, pos);
        if (c == '\r') {
            shown += kCarriageReturnMark;
        } else if (c == '\n') {
            shown += kLineFeedMark;
        } else if (steersDirection(c)) {
            char code[16];
            std::snprintf(code, sizeof code, "<U+%04X>", static_cast<unsigned>(c));
            shown += code;
        } else {
            shown += name.substr(start, pos - start);
        }
    }
    return shown;
}

} // namespace tavolin::text
