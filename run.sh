#!/usr/bin/env bash
# Sets up, builds and starts the editor.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "カズボー: no display found (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
    echo "Start it from a desktop session, or under a virtual one: xvfb-run ./run.sh" >&2
    exit 1
fi
exec build/app/kaz_edit "$@"
