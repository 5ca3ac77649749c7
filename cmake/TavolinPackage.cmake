# A Debian 12 package of the program: `cpack -G DEB` in a build configured with
# CMAKE_INSTALL_PREFIX=/usr. It depends on the Qt 6 runtime (found by dpkg-shlibdeps), the
# platform plugins Qt needs to open a window, and a font with Japanese characters.
set(CPACK_PACKAGE_NAME "tavolin")
set(CPACK_PACKAGE_VENDOR "The Tavolin developers")
set(CPACK_PACKAGE_CONTACT "The Tavolin developers <tavolin@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "list the file names of a folder and rename files in batch")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavolin is a small desktop utility with a Japanese user interface. It lists the file \
names of a folder as plain text (numbered, with sizes, saved as a Shift_JIS text file) and \
renames files in batch (numbering, single edits, extension replacement, new names from a \
text file), never replacing an existing file.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk")

include(CPack)
