# QScintilla for Qt 6 (Debian's libqscintilla2-qt6-dev), which ships no CMake package of its
# own: defines the imported target QScintilla::QScintilla.
find_path(QScintilla_INCLUDE_DIR Qsci/qsciscintillabase.h
    PATH_SUFFIXES qt6 x86_64-linux-gnu/qt6 aarch64-linux-gnu/qt6)
find_library(QScintilla_LIBRARY NAMES qscintilla2_qt6)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(QScintilla
    REQUIRED_VARS QScintilla_LIBRARY QScintilla_INCLUDE_DIR)

if(QScintilla_FOUND AND NOT TARGET QScintilla::QScintilla)
    add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
    set_target_properties(QScintilla::QScintilla PROPERTIES
        IMPORTED_LOCATION "${QScintilla_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${QScintilla_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES Qt6::Widgets)
endif()
mark_as_advanced(QScintilla_INCLUDE_DIR QScintilla_LIBRARY)
