#!/usr/bin/env bash
# Builds カズボー for 64-bit Windows: the Qt kit first if there is none (about 32 minutes, once;
# scripts/build-qt-windows.sh), then the editor, the tools and their tests against it, and then
# what a user downloads:
#
#   build-windows/kazbo-<version>/                 the programs with every DLL they need
#   build-windows/kazbo-<version>-windows.zip      the same folder, to run from anywhere
#   build-windows/kazbo-<version>-setup.exe        the installer
#
#   scripts/build-windows.sh [CMAKE OPTION]...
# The tests run under Wine: cd build-windows && ctest (scripts/check-windows.sh runs them all).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"

scripts/install-deps.sh --cross --windows
scripts/build-qt-windows.sh
scripts/build-windows-libraries.sh
kit=$(scripts/build-qt-windows.sh --path)
build=${KAZ_WINDOWS_BUILD:-$here/build-windows}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DKAZ_QT_WINDOWS="$kit" \
    -DKAZ_BUILD_TESTS=ON -DCMAKE_CROSSCOMPILING_EMULATOR="$here/scripts/wine-run.sh;--kit;$kit" \
    "$@"
cmake --build "$build"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
dist="$build/kazbo-$version"
rm -rf "$dist"
mkdir -p "$dist/plugins/platforms" "$dist/plugins/styles" "$dist/translations"
cp "$build"/app/kaz_edit.exe "$build"/cli/{kaz2html,kaz2image,kazdraw}.exe "$dist/"
cp "$kit"/bin/Qt6{Core,Gui,Widgets,PrintSupport}.dll "$dist/"
cp "$kit"/plugins/platforms/qwindows.dll "$dist/plugins/platforms/"
cp "$kit"/plugins/styles/qwindowsvistastyle.dll "$dist/plugins/styles/"
cp "$kit"/translations/qtbase_ja.qm "$dist/translations/"
for dll in libstdc++-6.dll libgcc_s_seh-1.dll; do
    cp "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)" "$dist/"
done
cp /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$dist/"
# Qt takes its plugins and translations from beside the program.
printf '[Paths]\nPrefix = .\n' >"$dist/qt.conf"
cp "$build/app/kazbo.ico" "$dist/"
cp packaging/windows/licences.txt "$dist/"
cp /usr/share/common-licenses/LGPL-3 "$dist/LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$dist/GPL-3.txt"
cp "$(scripts/build-windows-libraries.sh --path)"/licences/*.txt "$dist/"
x86_64-w64-mingw32-strip "$dist"/*.exe "$dist"/*.dll "$dist"/plugins/*/*.dll
scripts/check-windows-folder.sh "$dist"

zip_file="$build/kazbo-$version-windows.zip"
rm -f "$zip_file"
(cd "$build" && zip -qr9 "$zip_file" "kazbo-$version")

# The installer's lists of files: what it puts in place and what its uninstaller removes, so
# that nothing else in the folder (a user's own file) is ever removed.
{
    (cd "$dist" && find . -type d ! -name . | sort) | while read -r folder; do
        folder=${folder#./}
        echo "CreateDirectory \"\$INSTDIR\\${folder//\//\\}\""
    done
    (cd "$dist" && find . -type f | sort) | while read -r file; do
        file=${file#./}
        echo "File \"/oname=${file//\//\\}\" \"$dist/$file\""
    done
} >"$build/installed-files.nsh"
{
    (cd "$dist" && find . -type f | sort) | while read -r file; do
        file=${file#./}
        echo "Delete \"\$INSTDIR\\${file//\//\\}\""
    done
    (cd "$dist" && find . -type d ! -name . | sort -r) | while read -r folder; do
        folder=${folder#./}
        echo "RMDir \"\$INSTDIR\\${folder//\//\\}\""
    done
} >"$build/removed-files.nsh"
setup="$build/kazbo-$version-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DFILES="$build/installed-files.nsh" \
    -DREMOVED="$build/removed-files.nsh" -DICON="$build/app/kazbo.ico" -DOUTFILE="$setup" \
    packaging/windows/kazbo.nsi
echo "Built: $dist, $zip_file, $setup ($(( $(stat -c %s "$setup") / 1024 )) KiB)"
