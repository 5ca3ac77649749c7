#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavolin::rename {

// `index` in decimal with leading zeros up to as many digits as `count` has: the width follows
// the number of files, not the largest number, and numbering starts at 0 (9 files give 0 to 8,
// 10 files give 00 to 09, 100000 files give 000000 to 099999).
std::string PadNumber(long long index, long long count);

enum class NumberPosition { Head, End };

// `count` new base names: the padded number before `baseText` (Head) or after it (End). Row i
// belongs to the i-th file of the scan, whatever its old name.
std::vector<std::string>
MakeNumberedNames(long long count, std::string_view baseText, NumberPosition position);

} // namespace tavolin::rename
