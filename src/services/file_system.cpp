#include "services/file_system.h"

#include <algorithm>
#include <cerrno>

namespace tavolin::services {

FsResult<void>
checkFileName(std::string_view name, const paths::PathStyle &style, std::size_t maxBytes)
{
    const auto invalid = [](const char *why) {
        return std::unexpected(FsError{FsErrorKind::InvalidName, why});
    };
    if (name.empty())
        return invalid("the name is empty");
    if (name == "." || name == "..")
        return invalid("the name is a folder reference");
    if (name.find(style.separator()) != std::string_view::npos || name.find('/') != name.npos)
        return invalid("the name contains a path separator");
    if (name.find('\0') != std::string_view::npos)
        return invalid("the name contains a NUL byte");
    if (name.size() > maxBytes)
        return std::unexpected(FsError{FsErrorKind::NameTooLong, "the name is too long"});
    if (style.hidesDotNames() && name.starts_with('.'))
        return std::unexpected(FsError{FsErrorKind::HiddenName, "the name would be hidden"});
    return {};
}

bool refusedOnDisk(std::string_view name, DiskNames rule)
{
    if (rule == DiskNames::Any)
        return false;
    const bool beyondAscii = rule == DiskNames::FatAsciiOnly;
    const bool badCharacter = std::ranges::any_of(name, [beyondAscii](unsigned char c) {
        return c < 0x20 || (beyondAscii && c >= 0x7F)
               || std::string_view(R"(\:*?"<>|)").contains(static_cast<char>(c));
    });
    return badCharacter || name.ends_with('.') || name.ends_with(' ');
}

FsError creationError(int errnoValue, std::string_view name, DiskNames rule)
{
    FsError error = fsErrorFromErrno(errnoValue);
    if (errnoValue == ENOENT || (errnoValue == EPERM && refusedOnDisk(name, rule)))
        error.kind = FsErrorKind::NotOnThisDisk;
    return error;
}

} // namespace tavolin::services
