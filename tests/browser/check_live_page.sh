#!/usr/bin/env bash
# Checks the live results page as browsers show it (CI runs it after the tests; it needs
# Chromium, HTML Tidy and Python 3: scripts/install-deps.sh --browser).
#
#   tests/browser/check_live_page.sh [BUILD_DIR]      (build/ by default)
#
# Makes two brackets played to their end (8 members with a full sheet and markup characters in
# the texts; 128 members on two sides with a third-place match), writes their live pages with
# kaz2html, checks each with tidy (no error, no warning) and its size (at most 200 KB), then
# renders them in headless Chromium (check_live_page.py); likewise the two pages of the check
# that a page which updates itself takes the later one in place, and a page served by
# kaz2html --serve that follows its file.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/tests/browser/make_live_samples" "$work"
for name in eight large; do
    "$build/cli/kaz2html" --live "$work/$name.kaz" "$work/$name.html"
    size=$(stat -c %s "$work/$name.html")
    echo "$name.html: $size bytes"
    if [ "$size" -gt 204800 ]; then
        echo "$name.html is larger than 200 KB" >&2
        exit 1
    fi
    # tidy exits 1 on warnings and 2 on errors: the page must give neither.
    tidy -e -q "$work/$name.html"
done
for name in update-1 update-2; do
    tidy -e -q "$work/$name.html"
done
echo "tidy: no errors, no warnings"
python3 "$here/check_live_page.py" "$(command -v chromium)" "$work" eight large
# The page kaz2html --serve serves: a result entered in its file appears without a reload.
python3 "$here/check_served_page.py" "$(command -v chromium)" "$build/cli/kaz2html" \
    "$here/../data/four_members_empty.kaz" "$here/../data/four_members_example.kaz" 最新の結果
# The editor's own server: a result clicked appears without a reload.
python3 "$here/check_served_page.py" "$(command -v chromium)" \
    --editor "$build/tests/browser/serve_clicked_bracket" 最新の結果
echo "browser check passed"
