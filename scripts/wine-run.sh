#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, with the Qt kit's and MinGW's run-time DLLs on
# its path: the Windows build's CMAKE_CROSSCOMPILING_EMULATOR (scripts/build-windows.sh).
#
#   scripts/wine-run.sh --kit KIT PROGRAM.exe [ARGUMENT]...
#
# Wine's own settings go to $WINEPREFIX, by default ~/.cache/kazbo/wine; its notes are silenced
# unless WINEDEBUG says otherwise.
set -euo pipefail
if [ "${1:-}" != "--kit" ] || [ $# -lt 3 ]; then
    echo "usage: $0 --kit KIT PROGRAM.exe [ARGUMENT]..." >&2
    exit 2
fi
kit=$2
shift 2

# A Linux path as Wine's drive Z: names it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="$(windows_path "$kit/bin");$(windows_path "$runtime");$(windows_path /usr/x86_64-w64-mingw32/lib)"
export WINEPREFIX=${WINEPREFIX:-$HOME/.cache/kazbo/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
fi
exec wine "$@"
