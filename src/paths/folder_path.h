#pragma once

#include "paths/path_style.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavolin::paths {

// A folder in the one shape the program keeps it in: no trailing separator, except at a drive
// root ("D:\data", "D:\", "/home"). It is built from whatever shape a user or the system wrote,
// and gives the other shapes (the path field, a file inside) from here only.
class FolderPath
{
public:
    FolderPath(const PathStyle &style, std::string_view written);

    // The folder as the system takes it.
    const std::string &path() const { return m_path; }
    // The folder as a path field shows it: one separator appended, none added at a drive root.
    std::string field() const;
    // The path of `name` inside the folder.
    std::string child(std::string_view name) const;
    // The folder that holds this one; none for a drive root or a path without a separator.
    std::optional<FolderPath> parent() const;
    // The last component; empty for a drive root.
    std::string name() const;
    bool isRoot() const { return m_style.isDriveRoot(m_path); }
    bool empty() const { return m_path.empty(); }

    bool operator==(const FolderPath &) const = default;

private:
    PathStyle m_style;
    std::string m_path;
};

// `written` as a path from the root: as it stands when it starts at one, else taken from inside
// `base` (a folder from the root, such as the process's current folder), its leading "." and
// ".." steps walked. Whatever follows them, a trailing separator among it, stays as written.
std::string absolutePath(const PathStyle &style, std::string_view base, std::string_view written);

// What a scan reads: a folder and the pattern its files' names must match, written as one text
// split at its last separator ("D:\data\*.txt"; "D:\data\" for every file).
struct FilePattern
{
    static FilePattern parse(const PathStyle &style, std::string_view written);

    FolderPath folder;
    std::string namePattern; // empty: every file
};

} // namespace tavolin::paths
