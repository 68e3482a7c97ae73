#!/bin/sh
# SPDX-FileCopyrightText: 2026 Kurvano developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Installs what is missing, builds Kurvano into build/ and starts it.
# Without a display it runs Kurvano on a virtual X server instead, saves a
# picture of the window after its first paint to build/kurvano.png, prints
# that path and ends.
set -eu
cd "$(dirname "$0")/.."

# Only what running needs: the tests' tools stay out, and so do the tests.
tools/install-deps.sh lauf
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build

if [ -n "${DISPLAY:-}" ]; then
    exec build/bin/kurvano "$@"
fi

BILD=$PWD/build/kurvano.png
ARBEIT=$(mktemp -d)
XVFB=""
PROGRAMM=""
aufraeumen() {
    [ -n "$PROGRAMM" ] && kill "$PROGRAMM" 2>/dev/null || true
    [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null || true
    rm -rf "$ARBEIT"
}
# A signal would end the shell without its EXIT trap.
trap aufraeumen EXIT
trap 'aufraeumen; exit 129' HUP
trap 'aufraeumen; exit 130' INT
trap 'aufraeumen; exit 143' TERM

echo "No display: running Kurvano on a virtual X server (Xvfb)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$ARBEIT/anzeige" 2>"$ARBEIT/xvfb.log" &
XVFB=$!
for _ in $(seq 50); do
    [ -s "$ARBEIT/anzeige" ] && break
    sleep 0.1
done
DISPLAY=:$(cat "$ARBEIT/anzeige")
export DISPLAY

build/bin/kurvano "$@" &
PROGRAMM=$!
FENSTER=$(timeout 20 xdotool search --sync --onlyvisible --name "Kurvanograf" | head -n 1)

# The first paint is done when the radian view's blue frame shows.
for _ in $(seq 100); do
    import -window "$FENSTER" "$BILD"
    FARBE=$(convert "$BILD" -crop 1x1+30+200 -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-F]\{6\}')
    [ "$FARBE" = "#0000FF" ] && break
    sleep 0.1
done
[ "$FARBE" = "#0000FF" ] || { echo "Kurvano did not paint its window" >&2; exit 1; }
echo "$BILD"
