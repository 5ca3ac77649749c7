#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolin::listing {

struct NameParts
{
    std::string base;
    std::string extension; // with its leading ".", or empty
};

// Splits a file name into base name and extension. The extension is the shortest ending of two
// to five characters that begins with "." (a dot and one to four characters): a.b.txt gives a.b
// and .txt, a.b. gives a and .b., while page.html5 and file. have no extension. A name that is a
// dot and one to four characters has an empty base. Base followed by extension is the name.
NameParts SplitExtension(std::string_view name);

// Where SplitExtension ends the base name of `name`: its length in bytes.
std::size_t BaseLength(std::string_view name);

} // namespace tavolin::listing
