#pragma once

#include "platform/text_files.h"

namespace tavolin::platform {

// Text files on the machine's disk; writing goes through QSaveFile.
class QtTextFiles final : public TextFiles
{
public:
    FsResult<void> writeText(std::string_view path, std::string_view text) override;
    FsResult<ReadEnd> readLines(std::string_view path, const LineHandler &onLine) override;
};

} // namespace tavolin::platform
