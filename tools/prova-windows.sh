#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows files tried as a school would use them, under Wine in a virtual
# screen: the installer run silently in a fresh Wine prefix, then the portable
# zip unpacked into a folder whose name has accents and spaces. Each time the
# program is started from its folder, the title window photographed, an
# exercise opened and one turn answered with the mouse, and the program left
# through its own questions; it must end with status 0. Uninstalling must keep
# a list the teacher changed and remove the rest.
#   tools/prova-windows.sh [build-windows] [picture folder]
# Needs the files of tools/windows.sh, wine64, xvfb, openbox, xdotool, x11-utils
# and imagemagick.
set -euo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$radice/build-windows}" && pwd)
uscita=${2:-$build/prova}
versione=$(sed -n 's/^project(Sequenzio VERSION \([0-9.]*\).*/\1/p' "$radice/CMakeLists.txt")
setup=$build/Sequenzio-$versione-setup.exe
portatile=$build/Sequenzio-$versione-portatile.zip
for file in "$setup" "$portatile"; do
    [ -f "$file" ] || { echo "build the Windows files first (tools/windows.sh): $file is missing" >&2; exit 2; }
done
rm -rf "$uscita"
mkdir -p "$uscita"

. "$radice/tools/schermo_virtuale.sh"
export DISPLAY="$schermo"
openbox >/dev/null 2>&1 &
gestore=$!
export WINEPREFIX=$build/wine-prova
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
pid=""
fine() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true
    kill "$gestore" "$server" 2>/dev/null || true
}
trap fine EXIT
. "$radice/tools/finestre_x.sh"
wine() { "$radice/tools/wine.sh" "$@"; }
guasti=0
guasto() {
    echo "FAULT: $*" >&2
    guasti=$((guasti + 1))
}

# Starts sequenzio.exe in folder $1 (a Unix path), answers one turn of the
# first-letter exercise and leaves; the pictures get prefix $2.
gioca() {
    local cartella="$1" nome="$2" titolo menu esercizio i
    (cd "$cartella" && exec "$radice/tools/wine.sh" ./sequenzio.exe) >/dev/null 2>&1 &
    pid=$!
    titolo=$(attendi "" "$(px 11355)" "$(px 8625)")
    foto "$titolo" "$nome-titolo.png" >/dev/null
    clic "$titolo" "$(px 8625)" 2880 4680 3855 1335
    menu=$(attendi "$titolo" "$(px 9375)" "$(px 6585)")
    foto "$menu" "$nome-menu.png" >/dev/null
    clic "$menu" "$(altezza "$menu")" 1080 1080 7215 735
    esercizio=$(attendi "$menu" "$(px 12405)" "$(px 10440)")
    foto "$esercizio" "$nome-esercizio.png" >/dev/null
    # The twenty tiles, four to a row, in the order they stand; then Fatto.
    for i in $(seq 0 19); do
        clic "$esercizio" "$(px 10440)" $((120 + 1800 * (i % 4))) $((2760 + 720 * (i / 4))) 1695 615
        sleep 0.1
    done
    clic "$esercizio" "$(px 10440)" 7680 3000 1695 975
    sleep 1
    foto "$esercizio" "$nome-turno.png" >/dev/null
    # Esci, "Vuoi tornare al menù?" Sì (the default); Esci, "Vuoi uscire dal programma?" Sì.
    clic "$esercizio" "$(px 10440)" 7680 5400 1695 855
    sleep 1
    xdotool key Return
    menu=$(attendi "$esercizio" "$(px 9375)" "$(px 6585)")
    clic "$menu" "$(altezza "$menu")" 2160 5400 5172 1095
    sleep 1
    xdotool key Return
    local esito=0
    wait "$pid" || esito=$?
    pid=""
    [ "$esito" -eq 0 ] || guasto "$nome: the program ended with status $esito"
}

# The installer, silently, for the whole machine.
wine "$setup" /S
installata="$WINEPREFIX/drive_c/Program Files/Sequenzio"
for file in sequenzio.exe sequenzio-elenchi.exe sequenzio-elenchi.com sequenzio-lim.exe \
    disinstalla.exe testi/a1.txt testi-originali/a1.txt suoni/no.wav LEGGIMI.txt; do
    [ -f "$installata/$file" ] || guasto "installer: $file missing"
done
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sequenzio' /v DisplayName \
    >/dev/null 2>&1 || guasto "installer: not listed among the installed programs"
menu_avvio="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Sequenzio"
[ "$(ls "$menu_avvio" 2>/dev/null | wc -l)" -ge 3 ] || guasto "installer: Start menu entries missing"
gioca "$installata" installato

# The list checker from cmd, as a teacher would type it: the report, with its
# accents, and the exit status.
rapporto=$(cd "$installata" && wine cmd /c 'sequenzio-elenchi & echo esito=%ERRORLEVEL%' 2>/dev/null |
    tr -d '\r' || true)
grep -q 'a1.txt: UTF-8, 20 parole lette' <<<"$rapporto" || guasto "checker from cmd: $rapporto"
grep -q 'tutto a posto' <<<"$rapporto" && grep -q 'esito=0$' <<<"$rapporto" ||
    guasto "checker from cmd: $(tail -n 3 <<<"$rapporto")"

# The checker from its Start-menu entry, started by the shell with no console:
# the report in a window, which closes with status 0 on the shipped lists.
voci='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Sequenzio'
wine start /wait "$voci\Controlla gli elenchi di Sequenzio.lnk" >/dev/null 2>&1 &
avvio=$!
controllo=$(per_titolo '^Controlla gli elenchi di Sequenzio$')
if [ -z "$controllo" ]; then
    guasto "checker from the Start menu: no window"
    kill "$avvio" 2>/dev/null || true
else
    sleep 1
    foto "$controllo" installato-elenchi.png >/dev/null
    xdotool windowactivate --sync "$controllo" key alt+F4
    esito=0
    wait "$avvio" || esito=$?
    [ "$esito" -eq 0 ] || guasto "checker from the Start menu: status $esito"
fi

# The whiteboard entry: the launcher starts the program scaled to the screen,
# so its title window is wider than the layout's own, yet whole on the screen.
wine start /wait "$voci\Sequenzio su lavagna (LIM).lnk" >/dev/null 2>&1 ||
    guasto "whiteboard entry: the launcher failed"
lavagna=$(per_titolo '^Sequenzio$')
if [ -z "$lavagna" ]; then
    guasto "whiteboard entry: no window"
else
    sleep 1
    larghezza=$(xwininfo -id "$lavagna" | awk '/Width:/ { print $2 }')
    foto "$lavagna" installato-lavagna.png >/dev/null
    [ "$larghezza" -gt "$(px 11355)" ] && [ "$larghezza" -le 1280 ] ||
        guasto "whiteboard entry: title window $larghezza pixels wide"
    # Closing the title window ends the program after its question (Sì).
    processo=$(xdotool getwindowpid "$lavagna")
    xdotool windowactivate --sync "$lavagna" key alt+F4
    sleep 1
    xdotool key Return
    for _ in $(seq 100); do
        kill -0 "$processo" 2>/dev/null || break
        sleep 0.1
    done
    ! kill -0 "$processo" 2>/dev/null || guasto "whiteboard entry: the program did not end"
fi

# A teacher changes a list; uninstalling keeps it and takes the rest.
printf 'GIRAFFA\r\n' >>"$installata/testi/a1.txt"
# The uninstaller runs on from a copy of itself: wait for every Windows process.
wine "$installata/disinstalla.exe" /S
/usr/lib/wine/wineserver -w
[ -f "$installata/testi/a1.txt" ] || guasto "uninstaller: the changed list is gone"
for file in sequenzio.exe sequenzio-elenchi.exe sequenzio-elenchi.com sequenzio-lim.exe \
    disinstalla.exe LEGGIMI.txt LICENZA.txt testi/a2.txt testi-originali/a1.txt suoni; do
    [ ! -e "$installata/$file" ] || guasto "uninstaller: $file is still there"
done
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sequenzio' \
    >/dev/null 2>&1 && guasto "uninstaller: still listed among the installed programs"

# The portable folder, where a school might put it.
scuola="$WINEPREFIX/drive_c/Scuola primaria/classe 3ª – àèìòù"
mkdir -p "$scuola"
(cd "$scuola" && unzip -q "$portatile")
gioca "$scuola/Sequenzio" portatile

ls "$uscita"
if [ "$guasti" -gt 0 ]; then
    echo "$guasti faults" >&2
    exit 1
fi
echo "Windows files: installer, uninstaller and portable folder work"
