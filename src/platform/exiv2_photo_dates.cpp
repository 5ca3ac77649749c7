#include "platform/exiv2_photo_dates.h"

#include <exiv2/exiv2.hpp>

#include <exception>

namespace tavolin::services {

Exiv2PhotoDates::Exiv2PhotoDates()
{
    // A file that is no picture is an ordinary answer here, not a warning for the terminal.
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
}

std::optional<std::string> Exiv2PhotoDates::dateTaken(const std::string &path)
{
    try {
        const auto image = Exiv2::ImageFactory::open(path);
        image->readMetadata();
        const Exiv2::ExifData &exif = image->exifData();
        const auto date = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
        if (date == exif.end())
            return std::nullopt;
        return date->toString();
    } catch (const std::exception &) { // unreadable, unknown format, damaged metadata
        return std::nullopt;
    }
}

} // namespace tavolin::services
