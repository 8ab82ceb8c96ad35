#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, with the Qt kit's and MinGW's run-time DLLs on
# its path: the Windows build's CMAKE_CROSSCOMPILING_EMULATOR (scripts/build-windows.sh).
#
#   scripts/wine-run.sh --kit KIT PROGRAM.exe [ARGUMENT]...
#
# Wine's own settings go to $WINEPREFIX, by default ~/.cache/kazbo/wine; its notes are silenced
# unless WINEDEBUG says otherwise. The prefix is made for programs without a display: Wine's
# null graphics driver, Qt's offscreen platform with the IPA faces, and Qt's messages (Qt Test's results too) on
# standard error rather than the debugger's channel. Wine hands no QT_ variable of Linux to its
# programs, so these are Windows' own environment, in the prefix's registry.
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
if [ ! -f "$WINEPREFIX/kazbo-headless" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null 2>&1
    wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null 2>&1
    # The offscreen platform reads font files itself: the Japanese faces the Linux tests use.
    wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$(windows_path /usr/share/fonts/opentype/ipafont-gothic)" /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/kazbo-headless"
fi
exec wine "$@"
