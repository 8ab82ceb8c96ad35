#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running the editor need.
# Safe to run again: it installs only what is missing.
#
#   scripts/install-deps.sh           the editor and its tests
#   scripts/install-deps.sh --cross   also the Windows cross build (MinGW-w64) and Wine, which
#                                     runs its command-line tools' tests (CI)
#   scripts/install-deps.sh --windows also what the editor for Windows is built, packed and
#                                     checked with (scripts/build-windows.sh): NSIS, zip, and
#                                     Xvfb with xdotool and xclip for the real-window check under Wine
#   scripts/install-deps.sh --browser also Chromium and HTML Tidy, which render and check the
#                                     live results page (CI; the tests never need them)
# The options may be combined.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libx11-dev qt6-translations-l10n fonts-ipafont-gothic
          fonts-noto-cjk  # names beyond Shift_JIS (𠮷, 𩸽, 頰) on screen and in pictures
          qt6-l10n-tools qt6-tools-dev  # lupdate and lrelease, and their CMake commands
          nlohmann-json3-dev  # the pool file's JSON, header-only: the Windows build uses it too
          libmicrohttpd-dev libqrcodegencpp-dev pkg-config  # the venue server and its QR codes
          curl zbar-tools  # the venue server tests' client, and a QR decoder
          clang clang-format poppler-utils desktop-file-utils appstream
          dpkg-dev file groff-base)  # the Debian package: dpkg-shlibdeps, ELF detection, man pages
for option in "$@"; do
    case "$option" in
        --cross) packages+=(g++-mingw-w64-x86-64-posix wine wine64) ;;
        --windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 nsis zip xvfb xauth xdotool xclip
                              dpkg-dev) ;;  # dpkg-dev: apt-get source
        --browser) packages+=(chromium tidy python3) ;;
        *) echo "install-deps.sh: unknown option $option" >&2; exit 2 ;;
    esac
done

# The checks of the Windows build run Wine in Japanese, which needs the locale itself.
japanese_locale=""
for option in "$@"; do
    if [ "$option" = --windows ] && ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
        japanese_locale=yes
        packages+=(locales)
    fi
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ -n "$japanese_locale" ]; then
    $sudo sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    $sudo locale-gen >/dev/null
fi
