#include "text/text_codec.h"

#include "text/charset_guess.h"
#include "text/utf8.h"

#include <algorithm>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace tavolin::text {

namespace {

// One iconv conversion, opened once per thread and reused.
class Converter
{
public:
    Converter(const char *to, const char *from)
        : m_cd(::iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv lacks code page 932");
    }
    ~Converter() { ::iconv_close(m_cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts `input`; at a sequence that cannot be converted, calls `onInvalid`, which
    // returns false to give up or true after appending a replacement, and skips one byte.
    template<typename OnInvalid>
    bool convert(std::string_view input, std::string &output, OnInvalid onInvalid)
    {
        ::iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char *in = const_cast<char *>(input.data());
        std::size_t inLeft = input.size();
        char buffer[4096];
        while (inLeft > 0) {
            char *out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t done = ::iconv(m_cd, &in, &inLeft, &out, &outLeft);
            const int error = errno;
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            if (done != static_cast<std::size_t>(-1))
                continue;
            if (error == E2BIG)
                continue;
            if (!onInvalid(output))
                return false;
            ++in;
            --inLeft;
        }
        return true;
    }

private:
    iconv_t m_cd;
};

Converter &toCp932()
{
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

Converter &fromCp932()
{
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

bool isAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// The first byte of a two-byte character.
bool isCp932LeadByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace

namespace cp932 {

std::optional<std::string> encode(std::string_view utf8)
{
    // Code page 932 keeps ASCII as it is.
    if (isAscii(utf8))
        return std::string(utf8);
    std::string bytes;
    bytes.reserve(utf8.size());
    if (!toCp932().convert(utf8, bytes, [](std::string &) { return false; }))
        return std::nullopt;
    // Some characters are written as a look-alike ("¥" as "\"); they would not read back.
    if (decode(bytes) != utf8)
        return std::nullopt;
    return bytes;
}

std::string decode(std::string_view bytes)
{
    if (isAscii(bytes))
        return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 3 / 2);
    fromCp932().convert(bytes, text, [](std::string &out) {
        out += "\xEF\xBF\xBD";
        return true;
    });
    return text;
}

bool isEncoderOutput(std::string_view bytes)
{
    if (isAscii(bytes))
        return true;
    std::string text;
    text.reserve(bytes.size() * 3 / 2);
    if (!fromCp932().convert(bytes, text, [](std::string &) { return false; }))
        return false;
    const auto again = encode(text);
    return again && *again == bytes;
}

bool isDecodable(std::string_view bytes)
{
    std::string text;
    return isAscii(bytes) || fromCp932().convert(bytes, text, [](std::string &) { return false; });
}

} // namespace cp932

namespace textfile {

Encoding detect(std::string_view head, bool wholeFile, std::size_t &bomLength)
{
    if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF")) {
        bomLength = 2;
        return head.starts_with("\xFF") ? Encoding::Utf16Le : Encoding::Utf16Be;
    }
    if (head.starts_with(kUtf8Bom)) {
        bomLength = kUtf8Bom.size();
        return Encoding::Utf8;
    }
    bomLength = 0;
    // Where the head ends inside the file, its last character may be cut off: the lead byte of
    // a two-byte code page 932 character, or up to three bytes of a UTF-8 character.
    const std::size_t maxCut = wholeFile ? 0 : 3;
    const auto withoutCut = [&](std::size_t cut) {
        return head.substr(0, head.size() - cut);
    };
    const bool cp932Written = cp932::isEncoderOutput(head)
                              || (maxCut > 0 && head.size() > 1 && isCp932LeadByte(head.back())
                                  && cp932::isEncoderOutput(withoutCut(1)));
    std::optional<std::string_view> utf8Text;
    for (std::size_t cut = 0; cut <= maxCut && cut < head.size() && !utf8Text; ++cut) {
        if (utf8::isValid(withoutCut(cut)))
            utf8Text = withoutCut(cut);
    }
    if (!utf8Text || !cp932Written)
        return utf8Text ? Encoding::Utf8 : Encoding::Cp932;
    // Both readings hold (ASCII alone reads the same either way). Text the program saved in code
    // page 932 passes for UTF-8 in practice only as pairs of half-width katakana, which read as
    // characters of two UTF-8 bytes: without a longer character the listing's own encoding is
    // kept. Otherwise ICU's detector weighs the two.
    const bool longerCharacter = std::ranges::any_of(
            *utf8Text, [](char c) { return static_cast<unsigned char>(c) >= 0xE0; });
    if (!longerCharacter)
        return Encoding::Cp932;
    const CharsetConfidence confidence = guessCharset(*utf8Text);
    return confidence.utf8 > confidence.shiftJis ? Encoding::Utf8 : Encoding::Cp932;
}

std::string decodeLine(std::string_view bytes, Encoding encoding)
{
    if (encoding == Encoding::Cp932)
        return cp932::decode(bytes);
    return std::string(bytes);
}

std::string decodeUtf16(std::string_view bytes, bool bigEndian, std::size_t &used)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t at = 0; at < units.size(); ++at) {
        const auto first = static_cast<unsigned char>(bytes[2 * at]);
        const auto second = static_cast<unsigned char>(bytes[2 * at + 1]);
        units[at] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    if (!units.empty() && U16_IS_LEAD(units.back()))
        units.pop_back();
    used = units.size() * 2;
    std::string text(units.size() * 3, '\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8WithSub(text.data(),
                       static_cast<int32_t>(text.size()),
                       &length,
                       reinterpret_cast<const UChar *>(units.data()),
                       static_cast<int32_t>(units.size()),
                       0xFFFD,
                       nullptr,
                       &status);
    text.resize(U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0);
    return text;
}

} // namespace textfile

} // namespace tavolin::text
