#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolin::rename {

// Why PCRE2 refused an expression or a replacement, in Japanese, by PCRE2's error code: the
// mistakes people make are said in words, the rest as "正規表現の誤り（コードN、M文字目）".
// `character` is where it fails, counted from 1 in the field the error is about.
std::string expressionFault(int code, std::size_t character);
// The same for a replacement, whose text says which field it is about; `reference` is the group
// reference a missing group was asked by ("$2", "${name}").
std::string replacementFault(int code, std::size_t character, std::string_view reference);

} // namespace tavolin::rename
