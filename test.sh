#!/usr/bin/env bash
# Sets up, builds and runs every test. Exits non-zero on any failure.
# KAZ_SANITIZE=1 ./test.sh builds into build-asan with AddressSanitizer and UBSan.
# Further arguments go to CMake, for instance ./test.sh -DKAZ_WERROR=ON (as CI runs it).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

build_dir=build
options=()
if [ "${KAZ_SANITIZE:-0}" = "1" ]; then
    build_dir=build-asan
    options+=(-DKAZ_SANITIZE=ON)
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" "$@"
cmake --build "$build_dir"
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
