#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Holds every source in src/ to .clang-tidy: function length and complexity.
#   tools/tidy.sh [BUILD]   BUILD is a configured build folder (default build/)
# It reads the compile commands CMake wrote there, so it checks the files of
# this system's build; fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
cartella=${1:-build}
comandi=$cartella/compile_commands.json
[ -f "$comandi" ] || { echo "no $comandi: configure the build first" >&2; exit 2; }
grep -o '"file": "[^"]*"' "$comandi" | cut -d'"' -f4 | grep "^$PWD/src/" | grep -v _autogen |
    sort -u | xargs -r -P "$(nproc)" -n 4 clang-tidy -p "$cartella" --quiet 2>&1 |
    grep -v '^[0-9]* warnings* generated\.$' | tee "$cartella/tidy.log" >&2 || true
# Each finding is a line "file:line:col: error: ...", as WarningsAsErrors makes it.
! grep -q ': error: ' "$cartella/tidy.log"
