#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program of the cross build under Wine, in a prefix of its own:
#   tools/wine.sh program.exe [arguments...]
# WINEPREFIX names the prefix (default: build-windows/wine beside this script's
# tree). A new prefix is made quietly, without Wine's offers to install Mono or
# Gecko (a window nobody would answer), and with "Arial" standing for Liberation
# Sans, the metric twin the Linux build uses, so windows measure as on Windows.
# Wine's own Tahoma (fonts-wine) goes into the prefix's Fonts folder: Debian's
# Wine 8 misses the folder it ships its fonts in, and without Tahoma the dialog
# font (MS Shell Dlg) of menus and boxes falls back to Liberation Sans, whose
# capital I vanishes in Wine's drawing at their 11 pixels ("nformazioni").
set -euo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$radice/build-windows/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINELOADER=/usr/lib/wine/wine64
wine=/usr/lib/wine/wine64
# Wine keeps QT_* variables from Windows programs (they are meant for the
# Linux Qt) but hands on WINEQT_* under their own names.
for variabile in $(compgen -e | grep '^QT_' || true); do
    export "WINE$variabile=${!variabile}"
done
caratteri=$WINEPREFIX/drive_c/windows/Fonts
pronto() { [ -f "$WINEPREFIX/.sequenzio" ] && [ -f "$caratteri/tahoma.ttf" ]; }
if ! pronto; then
    mkdir -p "$WINEPREFIX"
    # One maker at a time: tests start in parallel.
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if ! pronto; then
        if [ ! -f "$WINEPREFIX/.sequenzio" ]; then
            "$wine" wineboot --init >/dev/null 2>&1
            "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ \
                /d 'Liberation Sans' /f >/dev/null 2>&1
            /usr/lib/wine/wineserver -w
        fi
        mkdir -p "$caratteri"
        cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$caratteri/"
        touch "$WINEPREFIX/.sequenzio"
    fi
    exec 9>&-
fi
exec "$wine" "$@"
