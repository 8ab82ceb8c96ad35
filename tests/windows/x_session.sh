# Sourced by the checks of the Windows build: a virtual X display of their own, a fresh Wine
# prefix, and waits for windows and files. Needs $scratch, a folder removed at exit.

fail() {
    echo "${0##*/}: $*" >&2
    exit 1
}

# Starts Xvfb on a display that the server numbers itself, and exports DISPLAY.
start_display() {
    exec {display_fd}<> <(:)
    Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    local number
    read -r -t 10 -u "$display_fd" number || fail "Xvfb did not start"
    export DISPLAY=":$number"
}

# A Wine prefix in the scratch folder; the programs speak Japanese.
start_wine() {
    export WINEPREFIX="$scratch/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export LC_ALL=ja_JP.UTF-8 LANGUAGE=
    wineboot --init >"$scratch/wineboot.log" 2>&1 || fail "Wine did not start"
}

stop_all() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
    if [ -n "${xvfb_pid:-}" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}

# A Linux path as Wine's drive Z: names it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# Waits up to 30 s for a shown window whose title matches, and prints its id (a window still
# being mapped cannot take the focus).
window_titled() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --limit 1 --name "$1" 2>/dev/null || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    fail "no window titled \"$1\""
}

# Pastes `text` where the keyboard is, as a user pastes names copied from a list. (Keys typed
# by xdotool carry no character beyond the keyboard's into Wine, which reads the keyboard once,
# at a program's start.)
paste() {
    printf '%s' "$1" | xclip -selection clipboard -in 2>/dev/null
    sleep 0.3
    xdotool key ctrl+v
    sleep 0.5
}

# Gives the keyboard to the window whose title matches, once it is there.
focus() {
    local window
    window=$(window_titled "$1")
    xdotool windowfocus --sync "$window"
    sleep 0.5
}

wait_for_file() {
    for _ in $(seq 300); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    fail "$1 was not written"
}
