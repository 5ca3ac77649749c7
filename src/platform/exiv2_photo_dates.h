#pragma once

#include "services/photo_dates.h"

namespace tavolin::services {

// Photo dates read by libexiv2, which knows the EXIF of JPEG, TIFF, HEIF and the raw formats.
class Exiv2PhotoDates final : public PhotoDates
{
public:
    Exiv2PhotoDates();
    std::optional<std::string> dateTaken(const std::string &path) override;
};

} // namespace tavolin::services
