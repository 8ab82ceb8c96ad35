#!/usr/bin/env bash
# The installer under Wine, silently (/S), once for all users (Wine's user is an administrator)
# and once for the current user alone (/CurrentUser): the files, the Start-menu entry and the
# .kaz and .kazpool file types are there, and the uninstall entry tells its size; the installed editor opens a
# .kaz passed to it and makes no registry key for the settings of earlier versions; the
# uninstaller leaves none of them, and keeps the user's own file and settings.
#
#   tests/windows/installer.sh kazbo-<version>-setup.exe
set -euo pipefail
setup=$(realpath "$1")
scratch=$(mktemp -d)
source "$(dirname "$0")/x_session.sh"
trap 'stop_all; rm -rf "$scratch"' EXIT
start_display
start_wine

drive_c="$WINEPREFIX/drive_c"
user_folder=$(find "$drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)
menu_all="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/カズボー.lnk"
menu_user="$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/カズボー.lnk"

registry_has() {  # KEY TEXT: the key's values mention TEXT (reg writes Japanese Windows' CP932)
    wine reg query "$1" 2>/dev/null | iconv -f CP932 -t UTF-8 | tr -d '\r' | grep -qF "$2"
}

# One mode: MODE (all|user), the folder and registry root it must use, the installer's options.
check_mode() {
    local mode=$1 folder=$2 root=$3 menu=$4
    shift 4
    echo "-- installed for $mode"
    wine "$setup" /S "$@"
    wineserver -w
    for file in kaz_edit.exe kaz2html.exe Qt6Widgets.dll plugins/platforms/qwindows.dll \
                translations/qtbase_ja.qm uninstall.exe; do
        [ -f "$folder/$file" ] || fail "$mode: $file was not installed"
    done
    [ -f "$menu" ] || fail "$mode: no Start-menu entry"
    registry_has "$root\\Software\\Classes\\.kaz" "Kazbo.Bracket" || fail "$mode: no .kaz type"
    registry_has "$root\\Software\\Classes\\Kazbo.Bracket\\shell\\open\\command" "kaz_edit.exe" \
        || fail "$mode: .kaz files do not open in the editor"
    registry_has "$root\\Software\\Classes\\.kazpool" "Kazbo.Pools" || fail "$mode: no .kazpool type"
    registry_has "$root\\Software\\Classes\\Kazbo.Pools\\shell\\open\\command" "kaz_edit.exe" \
        || fail "$mode: .kazpool files do not open in the editor"
    registry_has "$root\\Software\\Classes\\Applications\\kaz_edit.exe" "カズボー" \
        || fail "$mode: the editor is not named カズボー"
    registry_has "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kazbo" \
        "uninstall.exe" || fail "$mode: no uninstaller entry"

    # The installed editor opens a bracket passed to it, as a double click on the file does.
    local bracket="$scratch/大会-$mode.kaz"
    cp "$(dirname "$0")/../data/four_members_example.kaz" "$bracket"
    wine "$folder/kaz_edit.exe" "$(windows_path "$bracket")" >/dev/null 2>&1 &
    disown
    window_titled "大会-$mode" >/dev/null
    wineserver -k
    wineboot >/dev/null 2>&1 || true
    # Looking for the settings of earlier versions made no key of theirs.
    ! wine reg query 'HKCU\Software\Local AppWizard-Generated Applications' >/dev/null 2>&1 \
        || fail "$mode: the editor made the earlier versions' settings key"
    wine reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kazbo" \
        /v EstimatedSize 2>/dev/null | grep -q REG_DWORD || fail "$mode: the uninstaller entry has no EstimatedSize"

    # What the user made stays: a file of theirs in the program's folder, and the settings.
    echo "mine" >"$folder/my bracket.kaz"
    wine reg add 'HKCU\Software\kazbo\kazbo' /v kept /d yes /f >/dev/null 2>&1
    wine "$folder/uninstall.exe" /S
    wineserver -w
    for file in kaz_edit.exe Qt6Widgets.dll plugins/platforms/qwindows.dll uninstall.exe; do
        [ ! -e "$folder/$file" ] || fail "$mode: $file was left behind"
    done
    [ -f "$folder/my bracket.kaz" ] || fail "$mode: the user's own file was removed"
    [ ! -e "$menu" ] || fail "$mode: the Start-menu entry was left behind"
    ! registry_has "$root\\Software\\Classes\\.kaz" "Kazbo.Bracket" || fail "$mode: .kaz type left"
    ! registry_has "$root\\Software\\Classes\\.kazpool" "Kazbo.Pools" || fail "$mode: .kazpool type left"
    ! registry_has "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kazbo" \
        "uninstall.exe" || fail "$mode: uninstaller entry left"
    registry_has 'HKCU\Software\kazbo\kazbo' kept || fail "$mode: the settings were removed"
    rm -rf "$folder"
}

check_mode "all users" "$drive_c/Program Files/Kazbo" HKLM "$menu_all"
check_mode "the current user" "$user_folder/AppData/Local/Programs/Kazbo" HKCU "$menu_user" \
    /CurrentUser
echo "installer.sh: passed ($(( $(stat -c %s "$setup") / 1024 )) KiB)"
