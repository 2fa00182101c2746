#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for Sequenzio and builds it.
#   ./build.sh run    installs what is missing, builds, starts the program
#   ./build.sh test   installs what is missing, builds, runs every test
#   ./build.sh test-asan   the same tests built with AddressSanitizer and UBSan, in build-asan/
set -euo pipefail
cd "$(dirname "$0")"

# desktop-file-utils and appstream let the install test validate the menu entry and metadata.
pacchetti=(cmake g++ pkg-config qt6-base-dev libpulse-dev qt6-translations-l10n fonts-liberation
    desktop-file-utils appstream)
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
cartella=build
opzioni=()
if [ "$modo" = test-asan ]; then
    cartella=build-asan
    opzioni=(-DSEQUENZIO_SANITIZE=ON)
fi
cmake -S . -B "$cartella" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${opzioni[@]}"
cmake --build "$cartella" -j"$(nproc)"

case "$modo" in
run) exec ./build/sequenzio ;;
test) cd build && exec ctest --output-on-failure -j"$(nproc)" ;;
test-asan)
    # A leak fails a test as well; nothing is suppressed.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    cd build-asan && exec ctest --output-on-failure -j"$(nproc)"
    ;;
*) echo "usage: $0 [run|test|test-asan]" >&2; exit 2 ;;
esac
