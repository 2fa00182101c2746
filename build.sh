#!/usr/bin/env bash
# Sets up a Debian 12 machine for Sequenzio and builds it.
#   ./build.sh run    installs what is missing, builds, starts the program
#   ./build.sh test   installs what is missing, builds, runs every test
set -euo pipefail
cd "$(dirname "$0")"

pacchetti=(cmake g++ qt6-base-dev qt6-multimedia-dev qt6-translations-l10n fonts-liberation)
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

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

case "${1:-run}" in
run) exec ./build/sequenzio ;;
test) cd build && exec ctest --output-on-failure -j"$(nproc)" ;;
*) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac
