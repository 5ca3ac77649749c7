#pragma once

#include <optional>
#include <string>

namespace tavolin::services {

// What the pictures themselves say about when they were taken.
class PhotoDates
{
public:
    virtual ~PhotoDates() = default;

    // The EXIF date and time the photo at `path` was taken (DateTimeOriginal, as in
    // "2026:12:08 14:30:05"); nothing when the file is no picture, has no such date or cannot be
    // read.
    virtual std::optional<std::string> dateTaken(const std::string &path) = 0;
};

} // namespace tavolin::services
