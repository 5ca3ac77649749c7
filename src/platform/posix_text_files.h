#pragma once

#include "services/text_files.h"

namespace tavolin::services {

// Text files on the machine's disk, saved as TextFiles::writeBytes says: by renaming a new file
// over the old one where that keeps the file as it was to others, else in place behind a copy.
class PosixTextFiles final : public TextFiles
{
public:
    FsResult<void> writeBytes(std::string_view path, std::string_view bytes) override;
    FsResult<LinesRead> readLines(std::string_view path, const LineHandler &onLine) override;
    FsResult<std::string> readBytes(std::string_view path, std::size_t maxBytes) override;
};

} // namespace tavolin::services
