#pragma once

#include <memory>
#include <string>
#include <string_view>

// Sort keys for file names: two names compare as their keys compare, byte by byte. Each key is
// appended to `keys`, where the keys of many names are kept together. Names that are not valid
// UTF-8 have no key (false, and `keys` as it was); the orders put them after the others, by
// their bytes.
namespace tavolin::order {

// Name order: each character in its simple Unicode upper case, then by code point, which is how
// a folder is ordered on a file system that ignores case (a.txt and A.txt share a key; ß stays
// ß). The key is that upper-cased text in UTF-8, whose bytes compare as its code points do.
bool appendNameKey(std::string_view name, std::string &keys);

// Natural order: the Japanese collation of ICU with digits compared as numbers, as the
// desktop's file managers sort (file2 before file10, case and kana width only as tie-breakers).
// One collator serves many names; it is not to be shared between threads.
class NaturalKeys
{
public:
    NaturalKeys();
    ~NaturalKeys();
    NaturalKeys(const NaturalKeys &) = delete;
    NaturalKeys &operator=(const NaturalKeys &) = delete;

    bool append(std::string_view name, std::string &keys);

private:
    struct Collator;
    std::unique_ptr<Collator> m_collator;
};

} // namespace tavolin::order
