#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolin::paths {

// The path rules of one platform: its separator and what a drive root looks like. The program
// uses the native POSIX style; tests also use the Windows style, so that examples written with
// paths such as D:\data run as they stand.
class PathStyle
{
public:
    static PathStyle posix();   // separator "/", the root is "/"
    static PathStyle windows(); // separator "\", a drive root is three characters such as "D:\"
    static PathStyle native() { return posix(); }

    char separator() const { return m_separator; }

    // Whether the system hides names that start with "." (POSIX does, Windows does not).
    bool hidesDotNames() const { return m_kind == Kind::Posix; }

    // True for a folder path that is a drive root ("D:\", or "/" on POSIX).
    bool isDriveRoot(std::string_view folder) const;

    // Length of the drive part that starts an absolute path: 3 for "D:\...", 1 for "/...".
    std::size_t rootLength() const;

    // Whether `path` is `folder` or lies inside it.
    bool isInside(std::string_view path, std::string_view folder) const;

    // Whether `folder` is, or lies in, one of the system's own folders (programs, libraries,
    // settings), where the program's files are installed and the user's files are not.
    bool isSystemFolder(std::string_view folder) const;

    // The drive root that a path starts with ("D:\" or "/"), or empty when it has none.
    std::string driveRootOf(std::string_view path) const;

    bool operator==(const PathStyle &) const = default;

private:
    enum class Kind { Posix, Windows };
    PathStyle(Kind kind, char separator)
        : m_kind(kind)
        , m_separator(separator)
    {}

    Kind m_kind;
    char m_separator;
};

} // namespace tavolin::paths
