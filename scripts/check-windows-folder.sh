#!/usr/bin/env bash
# Checks a folder of the Windows build before it is packed: every DLL that a program or DLL in it
# imports is either Windows' own or lies in the folder. (A DLL of Qt or of MinGW's run-time that
# was left out would stop the editor on a machine without them, and not here under Wine, where
# the build's DLL folders are on the path.)
#
#   scripts/check-windows-folder.sh FOLDER
set -euo pipefail
folder=$1
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
kit=$(dirname "$0")/build-qt-windows.sh
shipped_elsewhere=("$("$kit" --path)/bin" "$runtime" /usr/x86_64-w64-mingw32/lib)

missing=0
while IFS= read -r -d '' binary; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p'); do
        [ -n "$(find "$folder" -maxdepth 1 -iname "$dll" -print -quit)" ] && continue
        for place in "${shipped_elsewhere[@]}"; do
            if [ -n "$(find "$place" -maxdepth 1 -iname "$dll" -print -quit 2>/dev/null)" ]; then
                echo "${binary#"$folder"/} needs $dll, which is not in the folder" >&2
                missing=1
            fi
        done
    done
done < <(find "$folder" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
exit $missing
