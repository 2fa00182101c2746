#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive the program's windows from outside, as a
# pupil would: finds its windows by the process $pid, waits for one of a given
# size, clicks controls given in twips as the layouts write them, and saves
# pictures into $uscita. Needs xdotool, xwininfo (x11-utils) and import
# (imagemagick).

# The program's one visible window; empty while it has none.
finestra() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -n 1 || true; }
altezza() { xwininfo -id "$1" | awk '/Height:/ { print $2 }'; }

# A visible window whose title matches $1, of whichever process (a program
# started by another); empty if none comes within 20 seconds.
per_titolo() {
    local id=""
    for _ in $(seq 200); do
        id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)"
        [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}

# Waits for a visible window other than $1 whose client area is $2 x $3 pixels
# high at least, and prints its id.
attendi() {
    local vecchia="$1" larghezza="$2" altezza="$3" id w h
    for _ in $(seq 200); do
        id="$(finestra)"
        if [ -n "$id" ] && [ "$id" != "$vecchia" ]; then
            # A window may go between the search and the question.
            w="$(xwininfo -id "$id" 2>/dev/null | awk '/Width:/ { print $2 }' || true)"
            h="$(xwininfo -id "$id" 2>/dev/null | awk '/Height:/ { print $2 }' || true)"
            if [ "$w" = "$larghezza" ] && [ "${h:-0}" -ge "$altezza" ]; then
                sleep 0.5 # let it paint
                echo "$id"
                return
            fi
        fi
        sleep 0.05
    done
    echo "no ${larghezza}x${altezza} window appeared" >&2
    exit 1
}

# Clicks the middle of a control given in twips, as the layouts are written;
# the menu bar, when there is one, pushes the client area down.
clic() {
    local id="$1" altezza_area="$2" left="$3" top="$4" width="$5" height="$6" h
    h="$(altezza "$id")"
    local x=$(((left + width / 2) / 15)) y=$(((top + height / 2) / 15 + h - altezza_area))
    xdotool mousemove --window "$id" "$x" "$y" click 1
}

# Saves window $1 as $uscita/$2 and prints the file's name.
foto() {
    import -window "$1" "$uscita/$2"
    echo "$uscita/$2"
}

px() { echo $((($1 + 7) / 15)); }
