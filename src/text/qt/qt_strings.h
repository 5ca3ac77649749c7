#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tavolin::text {

// Conversions between the models' UTF-8 strings and Qt's strings, in the views only.
//
// A byte that is not part of valid UTF-8 (from a file name in another encoding) becomes one
// lone surrogate U+DC80..U+DCFF, and comes back as the same byte: the round trip through a
// widget never changes a name, even one that cannot be shown properly.
QString toQString(std::string_view utf8);
std::string fromQString(const QString &text);

// A file name for display only, as printableName() shows it.
QString toDisplayName(std::string_view name);

} // namespace tavolin::text
