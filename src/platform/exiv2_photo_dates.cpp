#include "platform/exiv2_photo_dates.h"

#include <exiv2/exiv2.hpp>
#include <libheif/heif.h>

#include <cstdint>
#include <exception>
#include <memory>
#include <vector>

namespace tavolin::services {

namespace {

std::optional<std::string> dateTakenIn(const Exiv2::ExifData &exif)
{
    const auto date = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
    if (date == exif.end())
        return std::nullopt;
    return date->toString();
}

// The date in the EXIF of a HEIF file (HEIC, AVIF) as libheif finds it: libexiv2 0.27 misses it
// where the file's item locations carry a base offset, as libheif's own writer puts them.
std::optional<std::string> heifDateTaken(const std::string &path)
{
    const std::unique_ptr<heif_context, void (*)(heif_context *)> context(heif_context_alloc(),
                                                                          heif_context_free);
    if (heif_context_read_from_file(context.get(), path.c_str(), nullptr).code != heif_error_Ok)
        return std::nullopt;
    heif_image_handle *primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return std::nullopt;
    const std::unique_ptr<heif_image_handle, void (*)(const heif_image_handle *)> image(
            primary, heif_image_handle_release);
    heif_item_id exif = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(image.get(), "Exif", &exif, 1) < 1)
        return std::nullopt;
    std::vector<std::uint8_t> block(heif_image_handle_get_metadata_size(image.get(), exif));
    if (block.size() < 4
        || heif_image_handle_get_metadata(image.get(), exif, block.data()).code != heif_error_Ok)
        return std::nullopt;
    // The block begins with where its TIFF header lies after these four bytes.
    const std::size_t header = 4
                               + (std::size_t{block[0]} << 24 | std::size_t{block[1]} << 16
                                  | std::size_t{block[2]} << 8 | std::size_t{block[3]});
    if (header >= block.size())
        return std::nullopt;
    Exiv2::ExifData data;
    Exiv2::ExifParser::decode(
            data, block.data() + header, static_cast<std::uint32_t>(block.size() - header));
    return dateTakenIn(data);
}

} // namespace

Exiv2PhotoDates::Exiv2PhotoDates()
{
    // A file that is no picture is an ordinary answer here, not a warning for the terminal.
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    // HEIC, AVIF and CR3 are read only where asked for.
    Exiv2::enableBMFF(true);
    heif_init(nullptr);
}

Exiv2PhotoDates::~Exiv2PhotoDates()
{
    heif_deinit();
}

std::optional<std::string> Exiv2PhotoDates::dateTaken(const std::string &path)
{
    try {
        const auto image = Exiv2::ImageFactory::open(path);
        image->readMetadata();
        if (auto date = dateTakenIn(image->exifData()))
            return date;
        if (image->imageType() == Exiv2::ImageType::bmff)
            return heifDateTaken(path);
        return std::nullopt;
    } catch (const std::exception &) { // unreadable, unknown format, damaged metadata
        return std::nullopt;
    }
}

} // namespace tavolin::services
