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
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry the C++ and MinGW run-time libraries inside: one .exe, no DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
