#!/usr/bin/env bash
# Builds the libraries of the venue server for 64-bit Windows (MinGW-w64) from Debian's own
# source packages of the versions this machine's -dev packages have, as static libraries: the
# editor and the tools for Windows link them in, as they do the same versions on Linux.
#   libmicrohttpd  the HTTP server, without TLS
#   qrcodegen      the QR codes of the addresses (its C++ library; source qr-code-generator)
# Under a minute on 2 cores; done once, then kept:
#
#   scripts/build-windows-libraries.sh         builds them unless they are there, of these versions
#   scripts/build-windows-libraries.sh --path  prints where they are (or go), and builds nothing
#
# They go to $KAZ_WINDOWS_LIBRARIES, by default ~/.cache/kazbo/libraries-mingw64, each library's
# include/ and lib/ in one place.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

kit=${KAZ_WINDOWS_LIBRARIES:-$HOME/.cache/kazbo/libraries-mingw64}

if [ "${1:-}" = "--path" ]; then
    echo "$kit"
    exit 0
fi
for package in libmicrohttpd-dev libqrcodegencpp-dev; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || "$here/scripts/install-deps.sh"
done
microhttpd=$(dpkg-query -W -f='${Version}' libmicrohttpd-dev)
qrcodegen=$(dpkg-query -W -f='${Version}' libqrcodegencpp-dev)
# The recipe's own number: libraries built with other options than these are built again.
recipe=1
stamp="$kit/kazbo-kit.txt"
wanted="libmicrohttpd $microhttpd, qrcodegen $qrcodegen, recipe $recipe"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
    echo "The libraries for Windows are there: $kit ($wanted)"
    exit 0
fi

"$here/scripts/install-deps.sh" --cross
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$here/scripts/enable-debian-sources.sh"
(cd "$work" && apt-get source --download-only "libmicrohttpd=$microhttpd" >/dev/null 2>&1 \
    && dpkg-source -x --no-check libmicrohttpd_*.dsc microhttpd >/dev/null)
# qrcodegen's upstream source as Debian keeps it (its orig tarball; Debian's own changes are
# the packaging alone), which the mirror serves even where it lacks the Debian part.
(cd "$work" && apt-get source --download-only "qr-code-generator=$qrcodegen" >/dev/null 2>&1 || true)
orig=$(ls "$work"/qr-code-generator_*.orig.tar.* 2>/dev/null | head -1)
if [ -z "$orig" ]; then
    echo "build-windows-libraries.sh: the source of qr-code-generator $qrcodegen cannot be had" >&2
    exit 1
fi
mkdir -p "$work/qrcodegen"
tar -xf "$orig" -C "$work/qrcodegen" --strip-components=1

# libmicrohttpd, only what the server uses: no TLS, no authentication, no upload parsing, no
# documentation.
rm -rf "$kit"
mkdir -p "$kit/include" "$kit/lib" "$kit/licences"
(cd "$work/microhttpd" && ./configure --quiet --host=x86_64-w64-mingw32 --prefix="$kit" \
    --enable-static --disable-shared --disable-https --without-gnutls --disable-curl \
    --disable-doc --disable-examples --disable-tools --disable-dauth --disable-bauth \
    --disable-postprocessor --disable-nls --disable-httpupgrade --disable-cookie \
    CC=x86_64-w64-mingw32-gcc-posix >/dev/null \
    && make --quiet -j"$(nproc)" -C src/microhttpd >/dev/null \
    && make --quiet -C src/microhttpd install >/dev/null \
    && make --quiet -C src/include install >/dev/null)
cp "$work/microhttpd/COPYING" "$kit/licences/libmicrohttpd.txt"

# qrcodegen's C++ library: one source file.
x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -c "$work/qrcodegen/cpp/qrcodegen.cpp" \
    -o "$work/qrcodegen.o"
x86_64-w64-mingw32-ar rcs "$kit/lib/libqrcodegencpp.a" "$work/qrcodegen.o"
mkdir -p "$kit/include/qrcodegen"
cp "$work/qrcodegen/cpp/qrcodegen.hpp" "$kit/include/qrcodegen/"
sed -n '/Copyright/,/SOFTWARE\./p' "$work/qrcodegen/cpp/qrcodegen.hpp" | sed 's/^ \* \{0,1\}//' \
    >"$kit/licences/qrcodegen.txt"

echo "$wanted" >"$stamp"
echo "Built the libraries for Windows: $kit ($wanted)"
