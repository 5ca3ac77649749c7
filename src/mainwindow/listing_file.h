#pragma once

#include "services/dialogs.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavolin::mainwindow {

// The bytes of the listing file for `listing`: code page 932, as the Japanese desktop programs
// read text. Where a character has no code there the user is asked, with the line and the
// character, whether to save in UTF-8 with a byte-order mark instead; none when the user says no.
std::optional<std::string> listingFileBytes(std::string_view listing, services::Dialogs &dialogs);

} // namespace tavolin::mainwindow
