#pragma once

#include "services/file_system.h"

#include <expected>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavolin::shared {

// What the command line asks of a start: nothing (the windows open as usual), a folder for the
// main window, the rename window (on its usual folder), or a folder to rename in (the rename
// window opens on it and scans); or only how to start the program.
struct StartRequest
{
    std::optional<std::string> folder; // as written, or made absolute by resolveFolder
    bool rename = false;
    bool help = false; // the usage on standard output, and nothing else

    bool operator==(const StartRequest &) const = default;
};

inline constexpr std::string_view kUsage = "使い方: tavolin [--rename] [フォルダ]";
// What --help prints: the usage, then what each part of it does.
inline constexpr std::string_view kHelp
        = "使い方: tavolin [--rename] [フォルダ]\n"
          "\n"
          "  フォルダ    メインウィンドウでこのフォルダを開きます（ファイルなら、その\n"
          "              ファイルのあるフォルダ）。名前が「-」で始まるフォルダは「--」の後に\n"
          "              書きます。\n"
          "  --rename    ファイル名変更のウィンドウも開きます。フォルダがあれば、そのフォルダの\n"
          "              ファイルを読み込みます。\n"
          "  --help      この説明を表示して終わります。\n"
          "\n"
          "すでに立ち上がっているときは、フォルダと --rename をそちらに渡して終わります。\n";

// Reads the arguments after the program's name: none, FOLDER, --rename, or --rename FOLDER
// ("--" ends the options, for a folder whose name starts with "-"). --help among the options
// asks for the help alone, whatever else is there, also before arguments that would be
// refused (such as the Qt options still among the arguments before Qt has read them). Anything
// else is refused with kUsage.
std::expected<StartRequest, std::string> parseStartArguments(std::span<const std::string> args);

// The folder a start, a drop or another copy names, from the root: `written` taken from inside
// `base` when it does not start at the root, and a file taken for the folder that holds it.
// When it cannot be opened, the message that says which folder and why.
std::expected<std::string, std::string>
resolveFolder(services::FileSystem &fs, std::string_view base, std::string_view written);

} // namespace tavolin::shared
