#pragma once

#include "services/photo_dates.h"

namespace tavolin::services {

// Photo dates read by libexiv2, which knows the EXIF of JPEG, TIFF, HEIF and the raw formats,
// and by libheif for the HEIF files whose EXIF libexiv2 cannot find.
class Exiv2PhotoDates final : public PhotoDates
{
public:
    Exiv2PhotoDates();
    ~Exiv2PhotoDates() override;
    Exiv2PhotoDates(const Exiv2PhotoDates &) = delete;
    Exiv2PhotoDates &operator=(const Exiv2PhotoDates &) = delete;
    std::optional<std::string> dateTaken(const std::string &path) override;
};

} // namespace tavolin::services
