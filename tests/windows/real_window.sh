#!/usr/bin/env bash
# The editor for Windows in a real window, under Wine on a virtual X display, driven by the keys
# and clicks a user gives:
#  1. the same session in the Linux editor and in the Windows editor (a new bracket, Japanese
#     names pasted and a name typed, two wins, a score, 名前を付けて保存): the two saved files
#     must be the same bytes;
#  2. the Windows editor opens a .kaz named on its command line;
#  3. a second start hands its file over to the first editor and ends;
#  4. ツール → 会場配信 started in the Windows editor: curl on the Linux side reads its page.
#
#   tests/windows/real_window.sh LINUX_KAZ_EDIT WINDOWS_FOLDER
# WINDOWS_FOLDER is the folder users get (scripts/build-windows.sh), run as it is: a DLL left
# out of it fails here.
set -euo pipefail
linux_editor=$(realpath "$1")
windows_folder=$(realpath "$2")

scratch=$(mktemp -d)
source "$(dirname "$0")/x_session.sh"
cleanup() {
    if [ -n "${linux_pid:-}" ]; then kill "$linux_pid" 2>/dev/null || true; fi
    stop_all
    rm -rf "$scratch"
}
trap cleanup EXIT
start_display
start_wine
# The Linux editor keeps its settings and recovery files in the scratch folder too.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# The session, saved to `path`. Without a window manager nothing activates a window the way a
# user's click does: each window is given the focus once it is there.
session() {
    local path=$1
    focus '^カズボー$'
    xdotool key ctrl+n
    focus '新規トーナメント表'
    xdotool key Return  # 4人用
    focus '^カズボー - '
    # Two names pasted at once fill two boxes; a name typed; a name pasted.
    paste "$(printf '山田 太郎\n佐藤 花子')"
    xdotool key Tab Tab && xdotool type --delay 40 "Lee Chen"
    xdotool key Tab && paste "鈴木 一郎"
    # Back to the first name: it wins the first match; the fourth wins the second.
    xdotool key Tab alt+Right
    sleep 0.5
    xdotool key Tab Tab Tab alt+Right
    sleep 0.5
    # The score of the match just won.
    xdotool key F2
    focus '点数入力'
    xdotool type --delay 40 "1" && xdotool key Tab && xdotool type --delay 40 "3"
    xdotool key Return
    focus '^カズボー - '
    xdotool key ctrl+s
    focus '名前を付けて保存'
    xdotool key ctrl+a && xdotool type --delay 20 "$path"
    xdotool key Return
}

echo "-- the same session in the Linux editor and in the Windows editor"
"$linux_editor" >"$scratch/linux.log" 2>&1 &
linux_pid=$!
session "$scratch/linux.kaz"
wait_for_file "$scratch/linux.kaz"
kill "$linux_pid"
wait "$linux_pid" 2>/dev/null || true

wine "$windows_folder/kaz_edit.exe" >"$scratch/windows.log" 2>&1 &
disown
session "$(windows_path "$scratch/windows.kaz")"
wait_for_file "$scratch/windows.kaz"
sleep 1
if ! cmp "$scratch/linux.kaz" "$scratch/windows.kaz"; then
    for system in linux windows; do
        echo "$system:" && od -c "$scratch/$system.kaz" | head -12
    done
    fail "the Windows editor saved other bytes"
fi
grep -q "$(printf '\x8eR\x93c')" "$scratch/windows.kaz" || fail "the Japanese names were not typed"
wineserver -k

echo "-- a file named on the command line, then a second start handing its file over"
cp "$scratch/windows.kaz" "$scratch/第一.kaz"
cp "$scratch/windows.kaz" "$scratch/second.kaz"
wine "$windows_folder/kaz_edit.exe" "$(windows_path "$scratch/第一.kaz")" >>"$scratch/windows.log" 2>&1 &
first=$!
disown
window_titled '第一' >/dev/null
timeout 30 wine "$windows_folder/kaz_edit.exe" "$(windows_path "$scratch/second.kaz")" \
    || fail "the second start did not end by itself"
window_titled 'second' >/dev/null
kill -0 "$first" || fail "the first editor ended"

echo "-- 会場配信: the Windows editor's server, read from the Linux side on the loopback"
# The file handed over is the active one now.
focus 'second'
xdotool key alt+t v
focus '^会場配信$'
xdotool key alt+p ctrl+a && xdotool type --delay 40 "18123"
xdotool key alt+s
served=""
for _ in $(seq 40); do
    served=$(curl -s --max-time 2 "http://127.0.0.1:18123/second.html" || true)
    if grep -q '山田 太郎' <<<"$served"; then break; fi
    sleep 0.5
done
grep -q '山田 太郎' <<<"$served" || fail "the served page was not read from the Linux side"
curl -s --max-time 2 "http://127.0.0.1:18123/" | grep -q 'href="/second.html"' \
    || fail "the served index does not list the bracket"
test "$(curl -s -o /dev/null -w '%{http_code}' "http://127.0.0.1:18123/..%5C..%5Cwin.ini")" = 404 \
    || fail "the server answered a path outside its pages"
wineserver -k

# For information: from the start to the main window shown, three times (the first fills
# Wine's caches).
for run in 1 2 3; do
    started=$(date +%s%N)
    KAZ_QUIT_AFTER_START=1 wine "$windows_folder/kaz_edit.exe" >/dev/null 2>&1
    echo "start $run to a shown window under Wine: $(( ($(date +%s%N) - started) / 1000000 )) ms"
done
echo "real_window.sh: passed"
