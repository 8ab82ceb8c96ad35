#!/usr/bin/env bash
# Builds libmicrohttpd, the venue server's HTTP library, for 64-bit Windows (MinGW-w64) from
# Debian's own source package of the version this machine's libmicrohttpd-dev has, as a static
# library without TLS: the editor and the tools for Windows link it in, as they do on Linux the
# same version. About two minutes on 2 cores; done once, then kept:
#
#   scripts/build-microhttpd-windows.sh         builds it unless one of the right version is there
#   scripts/build-microhttpd-windows.sh --path  prints where it is (or goes), and builds nothing
#
# It goes to $KAZ_MICROHTTPD_WINDOWS, by default ~/.cache/kazbo/libmicrohttpd-<version>-mingw64.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

version=$(dpkg-query -W -f='${Version}' libmicrohttpd-dev 2>/dev/null || true)
if [ -z "$version" ]; then
    "$here/scripts/install-deps.sh"
    version=$(dpkg-query -W -f='${Version}' libmicrohttpd-dev)
fi
upstream=${version%%-*}  # 0.9.75-6 → 0.9.75
# The recipe's own number: a library built with other options than these is built again.
recipe=1
kit=${KAZ_MICROHTTPD_WINDOWS:-$HOME/.cache/kazbo/libmicrohttpd-$upstream-mingw64}
stamp="$kit/kazbo-kit.txt"
wanted="libmicrohttpd $version, recipe $recipe"

if [ "${1:-}" = "--path" ]; then
    echo "$kit"
    exit 0
fi
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
    echo "libmicrohttpd for Windows is there: $kit ($wanted)"
    exit 0
fi

"$here/scripts/install-deps.sh" --cross
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ \
    && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
        | $sudo tee /etc/apt/sources.list.d/kazbo-deb-src.sources >/dev/null
    $sudo apt-get update -qq
fi
(cd "$work" && apt-get source --download-only "libmicrohttpd=$version" >/dev/null 2>&1 \
    && dpkg-source -x --no-check libmicrohttpd_*.dsc source >/dev/null)

# Only what the server uses: no TLS, no authentication, no upload parsing, no documentation.
rm -rf "$kit"
(cd "$work/source" && ./configure --quiet --host=x86_64-w64-mingw32 --prefix="$kit" \
    --enable-static --disable-shared --disable-https --without-gnutls --disable-curl \
    --disable-doc --disable-examples --disable-tools --disable-dauth --disable-bauth \
    --disable-postprocessor --disable-nls --disable-httpupgrade --disable-cookie \
    CC=x86_64-w64-mingw32-gcc-posix >/dev/null \
    && make --quiet -j"$(nproc)" -C src/microhttpd >/dev/null \
    && make --quiet -C src/microhttpd install >/dev/null \
    && make --quiet -C src/include install >/dev/null)
cp "$work/source/COPYING" "$kit/COPYING"
echo "$wanted" >"$stamp"
echo "Built libmicrohttpd for Windows: $kit ($wanted)"
