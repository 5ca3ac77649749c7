#include "order/name_keys.h"

#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/ustring.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace tavolin::order {

bool appendNameKey(std::string_view name, std::string &key)
{
    const std::size_t start = key.size();
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(name.data());
    const auto length = static_cast<std::int32_t>(name.size());
    for (std::int32_t at = 0; at < length;) {
        if (bytes[at] < 0x80) { // most names are ASCII: no lookup for them
            const char c = static_cast<char>(bytes[at++]);
            key.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
            continue;
        }
        UChar32 c = 0;
        U8_NEXT(bytes, at, length, c);
        if (c < 0) {
            key.resize(start);
            return false;
        }
        std::uint8_t upper[U8_MAX_LENGTH];
        std::int32_t written = 0;
        U8_APPEND_UNSAFE(upper, written, u_toupper(c));
        key.append(reinterpret_cast<const char *>(upper), static_cast<std::size_t>(written));
    }
    return true;
}

struct NaturalKeys::Collator
{
    UCollator *collator = nullptr;
    std::vector<UChar> text;
    std::vector<std::uint8_t> key;
};

NaturalKeys::NaturalKeys()
    : m_collator(std::make_unique<Collator>())
{
    UErrorCode status = U_ZERO_ERROR;
    m_collator->collator = ucol_open("ja", &status);
    ucol_setAttribute(m_collator->collator, UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
    if (U_FAILURE(status)) {
        ucol_close(m_collator->collator);
        throw std::runtime_error(std::string("ICU has no Japanese collation: ")
                                 + u_errorName(status));
    }
}

NaturalKeys::~NaturalKeys()
{
    ucol_close(m_collator->collator);
}

bool NaturalKeys::append(std::string_view name, std::string &keys)
{
    Collator &c = *m_collator;
    // A name in UTF-16 never has more units than the name has bytes.
    c.text.resize(std::max<std::size_t>(name.size(), 1));
    UErrorCode status = U_ZERO_ERROR;
    std::int32_t units = 0;
    u_strFromUTF8(c.text.data(),
                  static_cast<std::int32_t>(c.text.size()),
                  &units,
                  name.data(),
                  static_cast<std::int32_t>(name.size()),
                  &status);
    if (U_FAILURE(status))
        return false;
    std::int32_t needed = 0;
    while ((needed = ucol_getSortKey(c.collator,
                                     c.text.data(),
                                     units,
                                     c.key.data(),
                                     static_cast<std::int32_t>(c.key.size())))
           > static_cast<std::int32_t>(c.key.size()))
        c.key.resize(static_cast<std::size_t>(needed));
    // The key ends in a zero byte, which no other place of it holds.
    keys.append(reinterpret_cast<const char *>(c.key.data()),
                static_cast<std::size_t>(std::max(needed - 1, 0)));
    return true;
}

} // namespace tavolin::order
