// Photo dates read from real files: a JPEG whose EXIF holds DateTimeOriginal (written here with
// libexiv2 itself), a HEIC that holds one, and files that have none.
#include "platform/exiv2_photo_dates.h"
#include "support/temp_dir.h"

#include <exiv2/exiv2.hpp>

#include <gtest/gtest.h>

namespace tavolin::services {
namespace {

// The smallest JPEG stream: start and end of image.
constexpr std::string_view kBareJpeg{"\xFF\xD8\xFF\xD9", 4};

TEST(Exiv2PhotoDates, ReadsTheDateTakenAndNothingWhereAFileHasNone)
{
    const test::TempDir dir;
    dir.writeFile("dated.jpg", kBareJpeg);
    {
        const auto image = Exiv2::ImageFactory::open(dir.pathOf("dated.jpg"));
        image->exifData()["Exif.Photo.DateTimeOriginal"] = "2026:12:08 14:30:05";
        image->exifData()["Exif.Image.DateTime"] = "2027:01:01 00:00:00"; // an edit, not the shot
        image->writeMetadata();
    }
    dir.writeFile("bare.jpg", kBareJpeg);
    dir.writeFile("notes.txt", "not a picture");
    dir.writeFile("cut.jpg", "\xFF\xD8\xFF\xE1\x7F");

    Exiv2PhotoDates dates;
    EXPECT_EQ(dates.dateTaken(dir.pathOf("dated.jpg")), "2026:12:08 14:30:05");
    // A HEIC as libheif writes it (data/make_dated_heic.sh made it).
    EXPECT_EQ(dates.dateTaken(TAVOLIN_DATED_HEIC), "2026:12:08 14:30:05");
    for (const char *none : {"bare.jpg", "notes.txt", "cut.jpg", "missing.jpg"})
        EXPECT_EQ(dates.dateTaken(dir.pathOf(none)), std::nullopt) << none;
}

} // namespace
} // namespace tavolin::services
