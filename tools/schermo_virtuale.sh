# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run the program in a virtual screen: starts an
# Xvfb of our own on a free display, waits for it, and sets $schermo (the
# display) and $server (its process, for the caller to stop).
schermo=""
for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        schermo=":$n"
        break
    fi
done
[ -n "$schermo" ] || { echo "no free X display between :90 and :120" >&2; exit 2; }
# -noreset: otherwise the server resets each time its last client leaves, and a
# program started in that moment finds no display.
Xvfb "$schermo" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
server=$!
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X${schermo#:}" ] && break
    sleep 0.05
done
