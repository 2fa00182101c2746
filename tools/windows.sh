#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows files, cross-built here with MinGW-w64 and a static Qt:
#   tools/windows.sh          build-windows/Sequenzio-<version>-setup.exe and
#                             build-windows/Sequenzio-<version>-portatile.zip
#   tools/windows.sh test     the same, after every test under Wine, then the
#                             files tried as a school would (tools/prova-windows.sh)
# The Qt step (tools/qt-windows.sh) takes about an hour the first time; its
# cache serves every later run. ./build.sh windows installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
radice=$PWD
modo=${1:-pacchetti}

qt=$(bash tools/qt-windows.sh)
versione=$(sed -n 's/^project(Sequenzio VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
cartella=build-windows
cmake -S . -B "$cartella" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$radice/cmake/mingw-w64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$radice/tools/wine.sh" \
    -DCMAKE_BUILD_TYPE=Release \
    -DSEQUENZIO_WERROR="${SEQUENZIO_WERROR:-OFF}" >/dev/null
cmake --build "$cartella" -j"$(nproc)"

if [ "$modo" = test ]; then
    (cd "$cartella" && ctest --output-on-failure -j"$(nproc)")
fi

# One folder, as installed: the program, the checker, the whiteboard start,
# testi, suoni and the shipped lists' copy, the guide and the licence.
posa=$cartella/posa
rm -rf "$posa"
# Stripped as installed: every program, the checker's console companion too.
cmake --install "$cartella" --prefix "$posa/Sequenzio" --strip >/dev/null
kib=$(du -sk "$posa/Sequenzio" | cut -f1)

zip_file=$radice/$cartella/Sequenzio-$versione-portatile.zip
rm -f "$zip_file"
(cd "$posa" && zip -q -r -9 "$zip_file" Sequenzio)

setup=$radice/$cartella/Sequenzio-$versione-setup.exe
makensis -V2 -DVERSIONE="$versione" -DKIB="$kib" -DCARTELLA="$radice/$posa/Sequenzio" \
    -DICONA="$radice/$cartella/icona/sequenzio.ico" -DUSCITA="$setup" packaging/windows/sequenzio.nsi
echo "installed folder: $(du -sb "$posa/Sequenzio" | cut -f1) bytes ($((kib / 1024)) MiB)"
ls -l "$setup" "$zip_file"
if [ "$modo" = test ]; then
    bash tools/prova-windows.sh "$cartella"
fi
