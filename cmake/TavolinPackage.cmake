# A Debian 12 package of the program: `cpack -G DEB` in a build configured with
# CMAKE_INSTALL_PREFIX=/usr. It depends on the Qt 6 and ICU runtimes (found by dpkg-shlibdeps),
# the platform plugins Qt needs to open a window, and a font with Japanese characters.
set(CPACK_PACKAGE_NAME "tavolin")
set(CPACK_PACKAGE_VENDOR "The Tavolin developers")
# The same contact as in data/debian/changelog and data/debian/copyright.
set(CPACK_PACKAGE_CONTACT "The Tavolin developers <developers@tavolin.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "list the file names of a folder and rename files in batch")
# Debian's layout: lines of at most 80 columns; those that start with two spaces are shown as
# they are, which keeps the list a list. The text ends in a line break because CPack trims the
# spaces in front of the last line.
set(CPACK_PACKAGE_DESCRIPTION [[
Tavolin is a small desktop utility with a Japanese user interface for the
file names of one folder at a time. It does two jobs:
  - it lists the file names of a folder as plain text: with or without
    extension, numbered, with sizes, with the folder's name, several folders
    in one listing, and saves the listing as a text file (Shift_JIS, CR LF);
  - it renames the files of a folder in batch: by sequential numbers, one by
    one, by replacing extensions, or with new names read line by line from a
    text file. A rename never replaces an existing file.
]])
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-cjk")

include(CPack)
