#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of Sequenzio against a bare Qt Widgets window, in one virtual screen:
# time from exec to the first window mapped (wall clock, and CPU time, which
# other work on the machine hardly disturbs) and resident memory when mapped
# and a second later (the sounds are loaded once the title is up), and the
# shared libraries loaded at the map.
#   bench/avvio.sh [build folder] [rounds]      (defaults: build, 10)
# Two ratios: against the bare window, and against the same window showing the
# title's two lines in the title's fonts (Qt's font system started), the fair
# yardstick. A last column, where Qt Multimedia is installed, is that window
# with Multimedia's libraries loaded: what linking them would cost.
# Needs Xvfb and the benchmarks built (libbenchmark-dev and libx11-dev).
set -euo pipefail

radice="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$radice/build}" && pwd)"
giri="${2:-10}"
attesa="$build/bench/attesa_mappa"
programma="$build/sequenzio"
vuota="$build/bench/finestra_vuota"
for file in "$attesa" "$programma" "$vuota"; do
    [ -x "$file" ] || { echo "missing $file: build with libbenchmark-dev and libx11-dev installed" >&2; exit 2; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is not installed (apt-get install xvfb)" >&2; exit 2; }
multimedia="$(ldconfig -p | awk '/libQt6Multimedia\.so\.6 / && !n++ { print $NF }')"

. "$radice/tools/schermo_virtuale.sh"
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null || true' EXIT
export DISPLAY="$schermo"

calcola() { awk "BEGIN { print ($1) }"; }
mediana() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

nomi=(sequenzio "bare window" "same text" "+ Multimedia")
lancia() { # <which> [--cpu]
    local cpu=()
    [ "${2:-}" = --cpu ] && cpu=(--cpu)
    case "$1" in
    0) "$attesa" "${cpu[@]}" "$programma" ;;
    1) "$attesa" "${cpu[@]}" "$vuota" ;;
    2) "$attesa" "${cpu[@]}" "$vuota" --testo ;;
    3) LD_PRELOAD="$multimedia" "$attesa" "${cpu[@]}" "$vuota" --testo ;;
    esac
}
quanti=4
[ -n "$multimedia" ] || quanti=3

declare -a tempi cpu rss dopo librerie
for i in $(seq 0 $((quanti - 1))); do
    tempi[i]="" cpu[i]="" rss[i]="" dopo[i]="" librerie[i]=""
    lancia "$i" >/dev/null 2>&1 || true # fills the file cache, not counted
done
for giro in $(seq "$giri"); do
    # Taking turns keeps a slow spell of the machine from falling on one side.
    for i in $(seq 0 $((quanti - 1))); do
        if ! read -r t r d l < <(lancia "$i" 2>/dev/null) || [ -z "${l:-}" ] ||
            ! read -r _ c < <(lancia "$i" --cpu 2>/dev/null) || [ -z "${c:-}" ]; then
            echo "round $giro: ${nomi[i]} showed no window" >&2
            exit 1
        fi
        tempi[i]+="$t " cpu[i]+="$c " rss[i]+="$r " dopo[i]+="$d " librerie[i]+="$l "
    done
    printf 'round %2d:' "$giro"
    for i in $(seq 0 $((quanti - 1))); do
        printf '  %s %s ms' "${nomi[i]}" "$(echo "${tempi[i]}" | awk '{ print $NF }')"
    done
    echo
done

med() { tr ' ' '\n' <<<"$1" | grep . | mediana; }
echo
printf 'median of %-3d          ' "$giri"
for i in $(seq 0 $((quanti - 1))); do printf '%14s' "${nomi[i]}"; done
echo
riga() { # <title> <array name> <divisor> <unit>
    local -n valori="$2"
    printf '%-23s' "$1"
    for i in $(seq 0 $((quanti - 1))); do
        printf '%11.1f %s' "$(calcola "$(med "${valori[i]}") / $3")" "$4"
    done
    echo
}
riga "exec to window mapped" tempi 1 ms
riga "CPU time to the map" cpu 1 ms
riga "resident when mapped" rss 1024 MB
riga "resident a second on" dopo 1024 MB
riga "libraries at the map" librerie 1 "  "
echo

tp=$(med "${tempi[0]}") tv=$(med "${tempi[1]}") tt=$(med "${tempi[2]}")
cp=$(med "${cpu[0]}") cv=$(med "${cpu[1]}") ct=$(med "${cpu[2]}")
esito=0
verdetto() { # <variable> <condition>
    local -n esito_di="$1"
    esito_di=met
    [ "$(calcola "$2")" = 1 ] || { esito_di=MISSED; esito=1; }
}
printf 'start-up: %.2f times the window with the same text, %.2f times the bare window\n' \
    "$(calcola "$tp / $tt")" "$(calcola "$tp / $tv")"
rapporto=$(calcola "$cp / $ct")
verdetto tempo "$rapporto <= 1.05"
printf 'CPU time: %.2f times the window with the same text (target 1.05): %s; %.2f times the bare window\n' \
    "$rapporto" "$tempo" "$(calcola "$cp / $cv")"
mappa=$(med "${rss[0]}") testo=$(med "${rss[2]}")
verdetto memoria "$mappa <= $testo + 2 * 1024"
printf 'memory: %.1f MB when mapped, %.1f MB more than the window with the same text (target 2 MB): %s; %.1f MB a second on\n' \
    "$(calcola "$mappa / 1024")" "$(calcola "($mappa - $testo) / 1024")" "$memoria" \
    "$(calcola "$(med "${dopo[0]}") / 1024")"
piu=$(calcola "$(med "${librerie[0]}") - $(med "${librerie[2]}")")
verdetto librerie_esito "$piu <= 2"
printf 'libraries: %s more than the window with the same text at the map (target 2): %s\n' \
    "$piu" "$librerie_esito"
exit "$esito"
