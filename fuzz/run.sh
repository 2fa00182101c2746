#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs one of them for a while:
#   fuzz/run.sh lettore|turno SECONDS [libFuzzer options...]
# New inputs go to build-fuzz/corpus/<target>, findings to build-fuzz/trovati/.
# fuzz/corpus/<target> (the seeds) and fuzz/regressions/<target> are only read.
set -euo pipefail
cd "$(dirname "$0")/.."

bersaglio=${1:-}
secondi=${2:-}
case "$bersaglio" in
lettore | turno) ;;
*) echo "usage: $0 lettore|turno SECONDS [libFuzzer options...]" >&2; exit 2 ;;
esac
[[ "$secondi" =~ ^[0-9]+$ ]] || { echo "usage: $0 $bersaglio SECONDS" >&2; exit 2; }
shift 2

for pacchetto in clang-14 libclang-rt-14-dev; do
    if ! dpkg-query -W -f='${Status}' "$pacchetto" 2>/dev/null | grep -q 'install ok installed'; then
        come=()
        [ "$(id -u)" -ne 0 ] && come=(sudo)
        "${come[@]}" apt-get update
        "${come[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y clang-14 libclang-rt-14-dev
        break
    fi
done

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DSEQUENZIO_FUZZ=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target "fuzz_$bersaglio" -j"$(nproc)"

lavoro=build-fuzz/corpus/$bersaglio
mkdir -p "$lavoro" build-fuzz/trovati
cartelle=("$lavoro" "fuzz/corpus/$bersaglio")
[ -d "fuzz/regressions/$bersaglio" ] && cartelle+=("fuzz/regressions/$bersaglio")
exec "build-fuzz/fuzz/fuzz_$bersaglio" "${cartelle[@]}" \
    -max_total_time="$secondi" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/trovati/$bersaglio-" "$@"
