#!/usr/bin/env bash
# Builds Qt's base module for 64-bit Windows (MinGW-w64) from Debian's own source package, as
# shared libraries, against this machine's Qt tools. The editor for Windows is built against it
# (scripts/build-windows.sh). About 32 minutes on 2 cores; done once, then kept:
#
#   scripts/build-qt-windows.sh         builds the kit unless one of the right version is there
#   scripts/build-qt-windows.sh --path  prints where the kit is (or goes), and builds nothing
#   scripts/build-qt-windows.sh --check succeeds when a kit of the right version is there
#
# The kit goes to $KAZ_QT_WINDOWS, by default ~/.cache/kazbo/qt-<version>-mingw64. Where the
# project's shared folder (../shared/qt-windows/, or $KAZ_QT_WINDOWS_PREBUILT) holds the kit
# prebuilt from the same Debian version with the same recipe, it is unpacked from there in a
# minute instead.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
if [ -z "$version" ]; then
    "$here/scripts/install-deps.sh"
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
fi
upstream=${version%%+*}  # 6.4.2+dfsg-10 → 6.4.2
# The recipe's own number: a kit built with other options than these is built again.
recipe=1
kit=${KAZ_QT_WINDOWS:-$HOME/.cache/kazbo/qt-$upstream-mingw64}
stamp="$kit/kazbo-kit.txt"
wanted="qtbase $version, recipe $recipe"

if [ "${1:-}" = "--path" ]; then
    echo "$kit"
    exit 0
fi
kit_is_there() { [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; }
if [ "${1:-}" = "--check" ]; then
    kit_is_there
    exit
fi
if kit_is_there; then
    echo "The Qt kit for Windows is there: $kit ($wanted)"
    exit 0
fi

# The kit prebuilt from the same source with the same recipe, where the project's shared folder
# holds one: unpacked instead of built, once its checksum and its stamp agree.
prebuilt_dir=${KAZ_QT_WINDOWS_PREBUILT:-$here/../shared/qt-windows}
prebuilt="$prebuilt_dir/qt-$upstream-mingw64.tar.xz"
if [ -f "$prebuilt" ] && [ -f "$prebuilt.sha256" ] \
    && (cd "$prebuilt_dir" && sha256sum --quiet -c "$(basename "$prebuilt").sha256"); then
    unpacked=$(mktemp -d "$(dirname "$kit")/.kit-XXXXXX" 2>/dev/null \
        || { mkdir -p "$(dirname "$kit")" && mktemp -d "$(dirname "$kit")/.kit-XXXXXX"; })
    tar -xJf "$prebuilt" -C "$unpacked"
    if [ "$(cat "$unpacked/qt-$upstream-mingw64/kazbo-kit.txt" 2>/dev/null)" = "$wanted" ]; then
        rm -rf "$kit"
        mv "$unpacked/qt-$upstream-mingw64" "$kit"
        rm -rf "$unpacked"
        echo "The Qt kit for Windows is unpacked from $prebuilt: $kit ($wanted)"
        exit 0
    fi
    rm -rf "$unpacked"
    echo "The prebuilt kit $prebuilt is not $wanted: building it."
fi

"$here/scripts/install-deps.sh" --cross

# Debian's source of the same version as the host's tools: the kit's moc and uic are the host's.
work=${KAZ_QT_WINDOWS_WORK:-$HOME/.cache/kazbo/qt-$upstream-mingw64-work}
mkdir -p "$work"
source_dir="$work/qt6-base-$upstream"
if [ ! -f "$source_dir/CMakeLists.txt" ]; then
    "$here/scripts/enable-debian-sources.sh"
    (cd "$work" && apt-get source --download-only "qt6-base=$version" >/dev/null \
        && rm -rf "$source_dir" && dpkg-source -x --no-check qt6-base_*.dsc "$source_dir" >/dev/null)
fi

toolchain="$work/mingw-w64-shared.cmake"
cat >"$toolchain" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN

# Qt's own zlib, PNG, FreeType, HarfBuzz and PCRE2. The pen-tablet header is not in Debian's
# source, and the Windows platform plugin needs OpenGL (dynamic: loaded only if used).
build="$work/build"
started=$(date +%s)
rm -rf "$build"
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$kit" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
rm -rf "$kit"
cmake --build "$build"
cmake --install "$build" >/dev/null
rm -rf "$build"  # about 2 GB, of no use once the kit is installed
# Qt's own Japanese texts (buttons of its dialogs), from Debian's translation package.
mkdir -p "$kit/translations"
cp /usr/share/qt6/translations/qtbase_ja.qm "$kit/translations/"
minutes=$(( ($(date +%s) - started + 59) / 60 ))
echo "$wanted" >"$stamp"
echo "The Qt kit for Windows is built in $minutes min: $kit"
