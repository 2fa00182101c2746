#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for Sequenzio and builds it.
#   ./build.sh run    installs what is missing, builds, starts the program
#   ./build.sh test   installs what is missing, builds, runs every test
#   ./build.sh test-asan   the same tests built with AddressSanitizer and UBSan, in build-asan/
#   ./build.sh deb    installs what is missing, builds the Debian package (tests included)
#                     and its source in build-deb/: build-deb/sequenzio_<version>_amd64.deb
#   ./build.sh windows        installs what is missing, cross-builds the Windows installer and
#                             portable zip in build-windows/ (the first time, Qt for Windows
#                             too: about an hour on two cores)
#   ./build.sh test-windows   the same, with every test and the installer tried under Wine
set -euo pipefail
cd "$(dirname "$0")"

# What to install is the Build-Depends of debian/control, one list for both
# ways of building (the test-only ones, marked <!nocheck>, included), plus
# build-essential (compiler, make, dpkg-dev), which Debian takes for granted.
mapfile -t pacchetti < <(
    sed -n '/^Build-Depends:/,/^[^ #]/{/^Build-Depends:/p;/^[ ]/p}' debian/control |
        sed 's/^Build-Depends://' | tr ',' '\n' |
        sed 's/[[(<].*//; s/^[[:space:]]*//; s/[[:space:]]*$//; /^$/d; s/^debhelper-compat$/debhelper/')
pacchetti+=(build-essential)
case "${1:-run}" in
windows | test-windows)
    # Qt for Windows is built from Debian's source with Debian's own Qt tools;
    # ImageMagick draws the programs' icon and photographs the trials; Wine runs
    # the tests and the trials in a virtual screen.
    pacchetti+=(g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build qt6-base-dev-tools nsis zip
        unzip wine64 fonts-wine xvfb openbox xdotool x11-utils imagemagick)
    ;;
esac
mancanti=()
for pacchetto in "${pacchetti[@]}"; do
    dpkg-query -W -f='${Status}' "$pacchetto" 2>/dev/null | grep -q 'install ok installed' ||
        mancanti+=("$pacchetto")
done
if [ ${#mancanti[@]} -gt 0 ]; then
    come=()
    [ "$(id -u)" -ne 0 ] && come=(sudo)
    "${come[@]}" apt-get update
    "${come[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${mancanti[@]}"
fi

modo=${1:-run}
case "$modo" in
windows) exec bash tools/windows.sh ;;
test-windows) exec bash tools/windows.sh test ;;
esac
if [ "$modo" = deb ]; then
    # Built in a copy, as dpkg-buildpackage leaves its results beside the
    # source folder: build-deb/ holds the copy and the package.
    versione=$(dpkg-parsechangelog -S Version)
    rm -rf build-deb
    mkdir -p "build-deb/sequenzio-$versione"
    tar -c --exclude=./build --exclude='./build-*' --exclude=./.git --exclude='./obj-*' . |
        tar -x -C "build-deb/sequenzio-$versione"
    cd "build-deb/sequenzio-$versione"
    dpkg-buildpackage -us -uc
    cd ..
    ls -1 "$PWD"/*.deb
    exit 0
fi
cartella=build
opzioni=()
if [ "$modo" = test-asan ]; then
    cartella=build-asan
    opzioni=(-DSEQUENZIO_SANITIZE=ON)
fi
# CI sets SEQUENZIO_WERROR=ON so that a warning fails the run.
cmake -S . -B "$cartella" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSEQUENZIO_WERROR="${SEQUENZIO_WERROR:-OFF}" "${opzioni[@]}"
cmake --build "$cartella" -j"$(nproc)"

case "$modo" in
run) exec ./build/sequenzio ;;
test) cd build && exec ctest --output-on-failure -j"$(nproc)" ;;
test-asan)
    # A leak fails a test as well; only the speech client library's own are
    # suppressed, where a test reaches it (tests/voce.supp).
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    cd build-asan && exec ctest --output-on-failure -j"$(nproc)"
    ;;
*) echo "usage: $0 [run|test|test-asan|deb|windows|test-windows]" >&2; exit 2 ;;
esac
