#!/usr/bin/env bash
# Fails when a text of the code has no English translation: each .ts file is brought up to
# date by lupdate in a copy (the source tree stays as it is), then every message of the copy
# must have a finished, non-empty translation.
#
#   scripts/check-translations.sh <lupdate> <top folder> <file.ts:source,source>... -- <options>
set -euo pipefail
lupdate=$1 top=$2
shift 2
sets=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do sets+=("$1"); shift; done
shift  # the lupdate options follow
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$top"
status=0
for set in "${sets[@]}"; do
    ts=${set%%:*}
    IFS=, read -r -a sources <<< "${set#*:}"
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    # lupdate notes a marked text outside a class as "lacks Q_OBJECT": a table's, on purpose.
    "$lupdate" "$@" "${sources[@]}" -ts "$copy" 2>&1 | grep -v "lacks Q_OBJECT macro" || true
    missing=$(python3 - "$copy" <<'PY'
import sys, xml.etree.ElementTree as ET
for message in ET.parse(sys.argv[1]).getroot().iter('message'):
    t = message.find('translation')
    if t.get('type') in ('vanished', 'obsolete'):
        continue
    if t.get('type') == 'unfinished' or not (t.text or '').strip():
        print('  ' + message.findtext('source'))
PY
)
    if [ -n "$missing" ]; then
        echo "$(basename "$ts"): texts without an English translation (run the build's update_translations target, then translate them):"
        echo "$missing"
        status=1
    fi
done
exit $status
