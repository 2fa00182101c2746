#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a static Qt 6 for 64-bit Windows from Debian's own qt6-base source,
# cross-compiled with MinGW-w64, and prints the folder it lives in.
#   tools/qt-windows.sh          build it unless the cache has it (about an hour on 2 cores)
#   tools/qt-windows.sh --where  print the cache folder if it is complete, else fail
# Only Core, Gui, Widgets and Test, with the windows and offscreen platform
# plugins. Debian's Qt tools (moc, rcc, uic) on this machine serve as host
# tools, so the versions must match: both come from the same suite.
# The cache is built in a work folder and renamed into place when whole, so a
# build cut short is never taken for a good one; the next run goes on with the
# work folder where the last one stopped.
set -euo pipefail
cd "$(dirname "$0")/.."
sorgenti=$PWD

qt_versione=6.4.2
ricetta=1 # raise when the configure line below changes
cache=${XDG_CACHE_HOME:-$HOME/.cache}/sequenzio
destinazione=$cache/qt-$qt_versione-mingw64-static-$ricetta

if [ -f "$destinazione/.completo" ]; then
    echo "$destinazione"
    exit 0
fi
if [ "${1:-}" = --where ]; then
    exit 1
fi

come=()
[ "$(id -u)" -ne 0 ] && come=(sudo)
pacchetti=(g++-mingw-w64-x86-64-posix mingw-w64-tools cmake ninja-build qt6-base-dev-tools
    qt6-base-dev dpkg-dev)
mancanti=()
for pacchetto in "${pacchetti[@]}"; do
    dpkg-query -W -f='${Status}' "$pacchetto" 2>/dev/null | grep -q 'install ok installed' ||
        mancanti+=("$pacchetto")
done
# The sources of Debian's own suite: the one change to the package sources.
elenco_sorgenti=/etc/apt/sources.list.d/sequenzio-deb-src.sources
aggiorna=
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ &&
    ! grep -qs '^deb-src' /etc/apt/sources.list; then
    "${come[@]}" tee "$elenco_sorgenti" >/dev/null <<'FINE'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
FINE
    aggiorna=1
fi
if [ -n "$aggiorna" ] || [ ${#mancanti[@]} -gt 0 ]; then
    "${come[@]}" apt-get update
fi
if [ ${#mancanti[@]} -gt 0 ]; then
    "${come[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${mancanti[@]}"
fi

mkdir -p "$cache"
exec 9>"$cache/.qt-windows.lock"
if ! flock -n 9; then
    echo "waiting for another build of Qt for Windows to end" >&2
    flock 9
fi
if [ -f "$destinazione/.completo" ]; then
    echo "$destinazione"
    exit 0
fi
lavoro=$cache/.lavoro-qt-$qt_versione-mingw64-static-$ricetta
inizio=$SECONDS
if [ ! -f "$lavoro/compilazione/build.ninja" ]; then
    rm -rf "$lavoro"
    mkdir -p "$lavoro"
    cd "$lavoro"
    apt-get source --download-only "qt6-base=$qt_versione*" >/dev/null 2>&1 ||
        apt-get source --download-only qt6-base
    dpkg-source --no-check -x qt6-base_*.dsc sorgente >/dev/null
    if ! grep -q "set(QT_REPO_MODULE_VERSION \"$qt_versione\")" sorgente/.cmake.conf; then
        echo "qt6-base is not $qt_versione: the host tools would not match" >&2
        exit 1
    fi
    # Debian's source has no wintab.h, so no tablet events. The windows platform
    # plugin of 6.4.2 does not build without OpenGL, so it stays (dynamic, the
    # Windows default).
    cmake -S sorgente -B compilazione -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$sorgenti/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$lavoro/qt" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=OFF \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_vulkan=OFF \
        >configura.log 2>&1 || { tail -40 configura.log >&2; exit 1; }
fi
cd "$lavoro"
cmake --build compilazione --parallel "$(nproc)" >>compila.log 2>&1 || {
    tail -40 compila.log >&2
    exit 1
}
cmake --install compilazione >/dev/null
touch qt/.completo
rm -rf "$destinazione"
mv qt "$destinazione"
cd "$cache"
rm -rf "$lavoro"
echo "Qt $qt_versione for Windows built in $((SECONDS - inizio)) s" >&2
echo "$destinazione"
