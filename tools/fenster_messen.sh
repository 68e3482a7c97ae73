#!/bin/sh
# SPDX-FileCopyrightText: 2026 Kurvano developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# The window as the user's machine pays for it, on Xvfb: the CPU time of one
# redraw (Return in the entry, 50 times) and the time from exec to the first
# painted frame, of kurvano beside a bare Qt widget of the same size that
# repaints at every key press; and of kurvano the CPU time of one step of a
# drag that pans the view (50 steps of 4 pixels), beside the bare widget's
# redraw. Builds as released, alternates the two
# programs over several rounds and prints the medians and their ratios.
#   tools/fenster_messen.sh [ROUNDS]    (default 7)
# KURVANO=path measures another build of kurvano against the same widget;
# VERGLEICH=path measures one more build in the same rounds, side by side.
set -eu
cd "$(dirname "$0")/.."
RUNDEN=${1:-7}
TASTEN=50
KURVANO=${KURVANO:-build-bench/bin/kurvano}
VERGLEICH=${VERGLEICH:-}

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKURVANO_BUILD_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench --target kurvano leeres_fenster fenster_uhr >/dev/null

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

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$ARBEIT/anzeige" 2>"$ARBEIT/xvfb.log" &
XVFB=$!
for _ in $(seq 50); do
    [ -s "$ARBEIT/anzeige" ] && break
    sleep 0.1
done
[ -s "$ARBEIT/anzeige" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(cat "$ARBEIT/anzeige")
export DISPLAY
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# CPU time of all threads of a process so far, in nanoseconds.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { printf "%d\n", s }'
}

# Waits until the process has used no more than 0.1 ms of CPU in 0.2 s.
ruhig() {
    alt=$(cpu_ns "$1")
    for _ in $(seq 100); do
        sleep 0.2
        neu=$(cpu_ns "$1")
        [ $((neu - alt)) -le 100000 ] && return 0
        alt=$neu
    done
}

# CPU per step of a drag across the plot, in microseconds; the window's
# pointer starts over the plot and the button goes down there.
ziehen() {
    xdotool mousemove --window "$2" 200 300 mousedown 1
    ruhig "$1"
    vorher=$(cpu_ns "$1")
    for i in $(seq "$TASTEN"); do
        xdotool mousemove --window "$2" $((200 + 4 * i)) 300
        sleep 0.02
    done
    ruhig "$1"
    nachher=$(cpu_ns "$1")
    xdotool mouseup 1
    echo $(((nachher - vorher) / TASTEN / 1000))
}

# One round of one program: prints the start-up in ms, the CPU per redraw
# in microseconds, and with ZIEHEN=1 the CPU per drag step. Arguments: the
# point and colour of its first frame, the program.
runde() {
    set -- $(build-bench/bin/fenster_uhr "$@" 2>/dev/null)
    start=$1
    fenster=$2
    PROGRAMM=$3
    ruhig "$PROGRAMM"
    xdotool windowfocus --sync "$fenster"
    ruhig "$PROGRAMM"
    vorher=$(cpu_ns "$PROGRAMM")
    for _ in $(seq "$TASTEN"); do
        xdotool key --window "$fenster" Return
        sleep 0.02
    done
    ruhig "$PROGRAMM"
    nachher=$(cpu_ns "$PROGRAMM")
    schritt=""
    if [ "${ZIEHEN:-0}" = 1 ]; then
        schritt=$(ziehen "$PROGRAMM" "$fenster")
    fi
    kill "$PROGRAMM"
    while kill -0 "$PROGRAMM" 2>/dev/null; do sleep 0.05; done
    PROGRAMM=""
    echo "$start $(((nachher - vorher) / TASTEN / 1000)) $schritt"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# kurvano's first frame shows the blue frame at (30, 200); the bare
# widget's its fill.
for r in $(seq "$RUNDEN"); do
    ZIEHEN=1 runde 30 200 0000FF "$KURVANO" >>"$ARBEIT/kurvano"
    if [ -n "$VERGLEICH" ]; then
        runde 30 200 0000FF "$VERGLEICH" >>"$ARBEIT/vergleich"
    fi
    runde 30 200 C8C8D2 build-bench/bin/leeres_fenster >>"$ARBEIT/leer"
    echo "round $r: kurvano $(tail -n 1 "$ARBEIT/kurvano"), bare widget $(tail -n 1 "$ARBEIT/leer") (ms, us)" >&2
done

L_START=$(cut -d' ' -f1 "$ARBEIT/leer" | median)
L_NEU=$(cut -d' ' -f2 "$ARBEIT/leer" | median)

# The two rows of one build's rounds: its medians beside the bare widget's.
zeilen() {
    start=$(cut -d' ' -f1 "$1" | median)
    neu=$(cut -d' ' -f2 "$1" | median)
    printf "%-28s %10s %12s %7.2f\n" "start-up to first frame, ms" "$start" "$L_START" \
        "$(echo "$start $L_START" | awk '{ print $1 / $2 }')"
    printf "%-28s %10s %12s %7.2f\n" "CPU per redraw, us" "$neu" "$L_NEU" \
        "$(echo "$neu $L_NEU" | awk '{ print $1 / $2 }')"
    if [ -n "$(cut -d' ' -f3 "$1" | head -n 1)" ]; then
        schritt=$(cut -d' ' -f3 "$1" | median)
        printf "%-28s %10s %12s %7.2f\n" "CPU per drag step, us" "$schritt" "$L_NEU" \
            "$(echo "$schritt $L_NEU" | awk '{ print $1 / $2 }')"
    fi
}

echo
echo "Window on Xvfb, medians of $RUNDEN rounds ($(lscpu | sed -n 's/^Model name: *//p'))"
printf "%-28s %10s %12s %7s\n" "" "kurvano" "bare widget" "ratio"
zeilen "$ARBEIT/kurvano"
if [ -n "$VERGLEICH" ]; then
    echo "$VERGLEICH, in the same rounds:"
    zeilen "$ARBEIT/vergleich"
fi
