#include "text/text_file_encoding.h"

#include "text/text_codec.h"
#include "text/utf8.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>

#include <cstdio>

namespace tavolin::text::textfile {

namespace {

// Calls `onLine` with each line of `text` and the line end after it (CR LF, LF or none); stops
// when it returns false.
template<typename OnLine>
void forEachLine(std::string_view text, OnLine onLine)
{
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::size_t lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == '\r')
            --lineEnd;
        const std::string_view line = text.substr(start, lineEnd - start);
        const std::string_view terminator
                = text.substr(lineEnd, end - lineEnd + (end < text.size()));
        if (!onLine(line, terminator) || end == text.size())
            return;
        start = end + 1;
    }
}

std::string composed(std::string_view line)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
    std::string result;
    icu::StringByteSink<std::string> sink(&result);
    if (U_SUCCESS(status))
        nfc->normalizeUTF8(0,
                           icu::StringPiece(line.data(), static_cast<int32_t>(line.size())),
                           sink,
                           nullptr,
                           status);
    return U_SUCCESS(status) ? result : std::string(line);
}

// The first character of `line` code page 932 has no code for.
std::string firstUnencodable(std::string_view line)
{
    for (std::size_t pos = 0; pos < line.size();) {
        const std::size_t start = pos;
        const char32_t character = utf8::decodeNext(line, pos);
        if (utf8::isStrayByte(character)) {
            char byte[16];
            std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(line[start]));
            return byte;
        }
        if (!cp932::encode(line.substr(start, pos - start)))
            return std::string(line.substr(start, pos - start));
    }
    return {};
}

} // namespace

std::expected<std::string, Unencodable> encodeCp932(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    std::optional<Unencodable> fault;
    std::size_t number = 0;
    forEachLine(text, [&](std::string_view line, std::string_view terminator) {
        std::optional<std::string> encoded;
        if (utf8::isValid(line)) {
            encoded = cp932::encode(line);
            if (!encoded)
                encoded = cp932::encode(composed(line));
        } else if (cp932::isDecodable(line)) {
            encoded = std::string(line);
        }
        if (!encoded) {
            const std::string tried = utf8::isValid(line) ? composed(line) : std::string(line);
            fault = Unencodable{number, std::string(line), firstUnencodable(tried)};
            return false;
        }
        bytes += *encoded;
        bytes += terminator;
        ++number;
        return true;
    });
    if (fault)
        return std::unexpected(std::move(*fault));
    return bytes;
}

std::string encodeUtf8(std::string_view text)
{
    std::string bytes(kUtf8Bom);
    bytes.reserve(text.size() + kUtf8Bom.size());
    forEachLine(text, [&](std::string_view line, std::string_view terminator) {
        if (!utf8::isValid(line) && cp932::isDecodable(line))
            bytes += cp932::decode(line);
        else
            bytes += line;
        bytes += terminator;
        return true;
    });
    return bytes;
}

} // namespace tavolin::text::textfile
