#pragma once

#include "services/file_system.h"

#include <expected>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavolin::shared {

// What the command line asks of a start: nothing (the windows open as usual), a folder for the
// main window, or a folder to rename in (the rename window opens on it and scans).
struct StartRequest
{
    std::optional<std::string> folder; // as written, or made absolute by resolveFolder
    bool rename = false;

    bool operator==(const StartRequest &) const = default;
};

inline constexpr std::string_view kUsage = "使い方: tavolin [--rename] [フォルダ]";

// Reads the arguments after the program's name: none, FOLDER, or --rename FOLDER ("--" ends the
// options, for a folder whose name starts with "-"). Anything else is refused with kUsage.
std::expected<StartRequest, std::string> parseStartArguments(std::span<const std::string> args);

// The folder a start, a drop or another copy names, from the root: `written` taken from inside
// `base` when it does not start at the root, and a file taken for the folder that holds it.
// When it cannot be opened, the message that says which folder and why.
std::expected<std::string, std::string>
resolveFolder(services::FileSystem &fs, std::string_view base, std::string_view written);

} // namespace tavolin::shared
