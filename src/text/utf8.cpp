#include "text/utf8.h"

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
        if (decodeNext(text, pos) >= kStrayByte)
            return false;
    }
    return true;
}

} // namespace tavolin::text::utf8

namespace tavolin::text {

std::string printableName(std::string_view name)
{
    if (name.find_first_of("\r\n") == std::string_view::npos)
        return std::string(name);
    std::string shown;
    shown.reserve(name.size() + 8);
    for (const char c : name) {
        if (c == '\r')
            shown += kCarriageReturnMark;
        else if (c == '\n')
            shown += kLineFeedMark;
        else
            shown += c;
    }
    return shown;
}

} // namespace tavolin::text
