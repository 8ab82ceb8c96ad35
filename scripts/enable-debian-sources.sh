#!/usr/bin/env bash
# Lets apt-get source fetch Debian's source packages: adds the deb-src entries of the machine's
# own Debian sources where there are none. The Windows builds of Qt and of the server's
# libraries take their source this way.
set -euo pipefail
if grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ || grep -qs '^deb-src' /etc/apt/sources.list
then
    exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
    | $sudo tee /etc/apt/sources.list.d/kazbo-deb-src.sources >/dev/null
$sudo apt-get update -qq
