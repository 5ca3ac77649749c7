#pragma once

#include "support/temp_dir.h"

#include <memory>
#include <string>

namespace tavolin::bench {

// A real temporary folder holding `count` files named file_000000.dat and up, of assorted sizes
// (sparse, so they take no room). Made once per count and kept for the whole benchmark run, in
// `root` when it is given, else in the system's temporary folder.
const test::TempDir &folderWithFiles(int count, const std::string &root = {});

// Runs a shell command and returns how many bytes it wrote to its standard output.
std::size_t runCommand(const std::string &command);

// `text` quoted for the shell.
std::string shellQuoted(const std::string &text);

} // namespace tavolin::bench
