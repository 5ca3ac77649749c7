#pragma once

#include "services/file_system.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tavolin::listing {

// The columns of a listing exported for spreadsheets, as its header row names them.
inline constexpr std::array<std::string_view, 6> kExportedColumns{
        "ファイル名", "名前", "拡張子", "サイズ(バイト)", "更新日時", "UTF-8でない名前のバイト"};
// The columns that every sheet about files ends with: a file's size, its time, its name's bytes.
inline constexpr std::array<std::string_view, 3> kFactColumns{
        kExportedColumns[3], kExportedColumns[4], kExportedColumns[5]};

// One file of an export, one cell each. The name and its parts are text: a name that is not
// valid UTF-8 has U+FFFD for each byte that is no character, and its bytes in hexadecimal
// ("83 65 2E 74 78 74") in `nameBytes`, so that it can still be told apart and found.
struct ExportedFile
{
    std::string name;
    std::string base;
    std::string extension;
    services::FileFacts facts;
    std::string nameBytes; // empty for a name that is valid UTF-8
};

ExportedFile exportedFile(std::string_view name, const services::FileFacts &facts);

// Each byte of `name` in hexadecimal, separated by spaces: "83 65 2E 74 78 74".
std::string hexBytes(std::string_view name);
// The bytes hexBytes wrote; nothing when `hex` is not such a text.
std::optional<std::string> bytesOfHex(std::string_view hex);

} // namespace tavolin::listing
