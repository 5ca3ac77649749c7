# Build settings shared by every target: each library links tavolin_settings.
add_library(tavolin_settings INTERFACE)
target_compile_features(tavolin_settings INTERFACE cxx_std_23)
target_compile_options(tavolin_settings INTERFACE
    -Wall -Wextra -Werror -Wpedantic
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
    # g++ 12 at -O2 and above reports std::string's operator+ as overlapping copies (GCC bug
    # 105329); the warning has nothing else to say about C++ code that uses no raw memcpy.
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
target_include_directories(tavolin_settings INTERFACE "${PROJECT_SOURCE_DIR}/src")
# The hardening Debian builds its programs with (dpkg-buildflags with hardening=+all), in
# optimised builds: fortified C library calls need the optimiser, and the Debug builds run the
# tests under the sanitizers, which find more.
set(optimised "$<NOT:$<CONFIG:Debug>>")
target_compile_options(tavolin_settings INTERFACE
    "$<${optimised}:-fstack-protector-strong;-fstack-clash-protection>")
# Control-flow protection exists on x86 only.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i.86)$")
    target_compile_options(tavolin_settings INTERFACE "$<${optimised}:-fcf-protection>")
endif()
target_compile_definitions(tavolin_settings INTERFACE "$<${optimised}:_FORTIFY_SOURCE=2>")
target_link_options(tavolin_settings INTERFACE "$<${optimised}:LINKER:-z,relro,-z,now>")
# Debug builds check every index into a standard container, so a read one past the end stops the
# test that made it instead of reading a neighbour's memory.
target_compile_definitions(tavolin_settings INTERFACE "$<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>")
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

if(TAVOLIN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Views convert between std::string and QString only where they say so.
add_library(tavolin_view_settings INTERFACE)
target_link_libraries(tavolin_view_settings INTERFACE tavolin_settings)
target_compile_definitions(tavolin_view_settings INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS)
