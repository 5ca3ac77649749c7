#pragma once

#include "services/text_files.h"

namespace tavolin::services {

// Text files on the machine's disk. A file is replaced by writing a new one beside it and
// renaming it over the old one, so that the old file stays whole until the new one is complete.
class PosixTextFiles final : public TextFiles
{
public:
    FsResult<void> writeText(std::string_view path, std::string_view text) override;
    FsResult<LinesRead> readLines(std::string_view path, const LineHandler &onLine) override;
};

} // namespace tavolin::services
