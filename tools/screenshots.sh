#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the real windows for the README: runs the built program in a
# virtual screen, clicks through it as a pupil would and saves each window.
#   tools/screenshots.sh [build folder] [picture folder]   (defaults: build, docs)
# Needs xvfb, xdotool and imagemagick. The colours are drawn at random, so every
# run gives slightly different pictures.
set -euo pipefail

radice="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$radice/build}" && pwd)"
uscita="${2:-$radice/docs}"
programma="$build/sequenzio"
[ -x "$programma" ] || { echo "build the program first: $programma is missing" >&2; exit 2; }
for comando in Xvfb xdotool import xwininfo; do
    command -v "$comando" >/dev/null || { echo "$comando is missing (apt-get install xvfb xdotool imagemagick x11-utils)" >&2; exit 2; }
done
mkdir -p "$uscita"

. "$radice/tools/schermo_virtuale.sh"
pid=""
ferma() {
    if [ -n "$1" ]; then
        kill "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}
fine() {
    ferma "$pid"
    ferma "$server"
}
trap fine EXIT
export DISPLAY="$schermo"
. "$radice/tools/finestre_x.sh"

avvia() {
    ferma "$pid"
    "$programma" >/dev/null 2>&1 &
    pid=$!
    titolo="$(attendi "" "$(px 11355)" "$(px 8625)")"
}

# Title and menu.
avvia
foto "$titolo" titolo.png
clic "$titolo" "$(px 8625)" 2880 4680 3855 1335
menu="$(attendi "$titolo" "$(px 9375)" "$(px 6585)")"
foto "$menu" menu.png

# Each exercise from a fresh start, so every picture shows a first turn.
#   picture  menu button top  client width  client height
esercizi=(
    "lettere.png 240 12210 10620"
    "prima_lettera.png 1080 12405 10440"
    "due_lettere.png 1920 9465 6540"
    "tutte_le_lettere.png 2760 9510 6540"
)
for riga in "${esercizi[@]}"; do
    read -r nome top larghezza altezza <<<"$riga"
    avvia
    clic "$titolo" "$(px 8625)" 2880 4680 3855 1335
    menu="$(attendi "$titolo" "$(px 9375)" "$(px 6585)")"
    clic "$menu" "$(altezza "$menu")" 1080 "$top" 7215 735
    esercizio="$(attendi "$menu" "$(px "$larghezza")" "$(px "$altezza")")"
    foto "$esercizio" "$nome"
    if [ "$nome" = prima_lettera.png ]; then
        # "Scegli il numero di parole", second in the menu bar, opens the count panel.
        xdotool mousemove --window "$esercizio" 240 8 click 1
        sleep 0.5
        foto "$esercizio" numero_parole.png
    fi
done
