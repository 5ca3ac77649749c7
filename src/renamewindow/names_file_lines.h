#pragma once

#include <span>
#include <string>
#include <vector>

namespace tavolin::renamewindow {

// Lines read from a names file, to be the planned base names of the files `current` (their whole
// names, row by row). A line that reads as its file's base name given in code page 932 bytes
// (a name an old system wrote, listed, saved and read back decoded) stands for that name as it
// is, so that a listing read back unedited renames nothing.
void keepUndecodedNames(std::vector<std::string> &lines, std::span<const std::string> current);

} // namespace tavolin::renamewindow
