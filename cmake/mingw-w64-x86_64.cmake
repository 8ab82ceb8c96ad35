# Cross-compiles for 64-bit Windows with MinGW-w64 (on Debian: g++-mingw-w64-x86-64-posix).
# Without Qt for Windows, build the command-line tools that need only the core:
#
#   cmake -S . -B build-mingw -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DKAZ_BUILD_GUI=OFF
#   cmake --build build-mingw          # build-mingw/cli/kaz2html.exe
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KAZ_MINGW_TARGET x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER NAMES ${KAZ_MINGW_TARGET}-g++-posix ${KAZ_MINGW_TARGET}-g++
             REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KAZ_MINGW_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KAZ_MINGW_TARGET})
find_program(CMAKE_C_COMPILER NAMES ${KAZ_MINGW_TARGET}-gcc-posix ${KAZ_MINGW_TARGET}-gcc)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# With KAZ_QT_WINDOWS, the folder of a Qt for Windows (scripts/build-qt-windows.sh), the editor
# is built too (scripts/build-windows.sh does it all). Qt's DLLs use the C++ and MinGW run-time
# DLLs, and so do the programs beside them; without Qt, the tools carry the run-time libraries
# inside: one .exe, no DLLs beside it.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KAZ_QT_WINDOWS)
if(KAZ_QT_WINDOWS)
    list(APPEND CMAKE_FIND_ROOT_PATH ${KAZ_QT_WINDOWS})
    list(APPEND CMAKE_PREFIX_PATH ${KAZ_QT_WINDOWS})
    set(QT_HOST_PATH /usr CACHE PATH "Where Qt's tools for the build machine are")
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH
        "Where the CMake files of Qt's tools for the build machine are")
else()
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()
