#!/usr/bin/env bash
# Checks the Windows build that scripts/build-windows.sh made, under Wine: the core and GUI tests
# (on Qt's offscreen platform), the editor in a real window beside the Linux editor of LINUX_BUILD
# (tests/windows/real_window.sh), and the installer (tests/windows/installer.sh).
#
#   scripts/check-windows.sh [LINUX_BUILD]      by default build/, as ./test.sh leaves it
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KAZ_WINDOWS_BUILD:-$here/build-windows}
linux_build=$(realpath "${1:-$here/build}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

scratch=$(mktemp -d)
export WINEPREFIX="$scratch/wine"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT

echo "-- the tests under Wine"
(cd "$build" && ctest --output-on-failure)
wineserver -k 2>/dev/null || true
unset WINEPREFIX

"$here/tests/windows/real_window.sh" "$linux_build/app/kaz_edit" "$build/kazbo-$version"
"$here/tests/windows/installer.sh" "$build/kazbo-$version-setup.exe"
