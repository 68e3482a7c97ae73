#!/bin/sh
# SPDX-FileCopyrightText: 2026 Kurvano developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Runs kurvano on a real X server: types a formula and Return, clicks "DEG",
# types on without a click on the entry, draws a faulty formula, checks
# pixels of screenshots, ends kurvano and expects exit status 0: with Ctrl+Q
# for datei, by closing the window as a window manager would for the others.
# The standard output kurvano gets:
#   datei  a file; the formula is 0*x
#   rohr   a pipe whose reader ends after the first byte (kurvano | head -c 1)
#   zu     a closed descriptor 1 (kurvano 'foo(x)' >&-)
#   grad   a file, and kurvano started as kurvano 'x^2' --grad
# With rohr and zu the formula is the faulty foo(x), whose messages go to
# that output at every repaint; kurvano must go on running and drawing.
# With zu the formula from the command line must show its faults from the
# first paint on. With grad the window must open in the degree view with
# x^2 drawn.
# Usage: xvfb_test.sh KURVANO FENSTER_SCHLIESSEN [datei|rohr|zu|grad]
set -eu

KURVANO=$1
SCHLIESSEN=$2
ART=${3:-datei}
ARBEIT=$(mktemp -d)
XVFB=""
PROGRAMM=""
LESER=""

aufraeumen() {
    [ -n "$PROGRAMM" ] && kill "$PROGRAMM" 2>/dev/null || true
    [ -n "$LESER" ] && kill "$LESER" 2>/dev/null || true
    [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null || true
    rm -rf "$ARBEIT"
}
# A signal would end the shell without its EXIT trap.
trap aufraeumen EXIT
trap 'aufraeumen; exit 129' HUP
trap 'aufraeumen; exit 130' INT
trap 'aufraeumen; exit 143' TERM

fehler() {
    echo "FAIL: $*" >&2
    [ -s "$ARBEIT/fehler" ] && cat "$ARBEIT/fehler" >&2
    exit 1
}

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$ARBEIT/anzeige" 2>"$ARBEIT/xvfb.log" &
XVFB=$!
for _ in $(seq 50); do
    [ -s "$ARBEIT/anzeige" ] && break
    sleep 0.1
done
[ -s "$ARBEIT/anzeige" ] || fehler "Xvfb did not start"
DISPLAY=:$(cat "$ARBEIT/anzeige")
export DISPLAY
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# A named pipe, so that $! is kurvano itself and not the reader.
case $ART in
datei)
    FORMEL="0*x"
    "$KURVANO" >"$ARBEIT/ausgabe" 2>"$ARBEIT/fehler" &
    ;;
rohr)
    FORMEL="foo(x)"
    mkfifo "$ARBEIT/rohr"
    head -c 1 <"$ARBEIT/rohr" >"$ARBEIT/gelesen" &
    LESER=$!
    "$KURVANO" >"$ARBEIT/rohr" 2>"$ARBEIT/fehler" &
    ;;
zu)
    FORMEL="foo(x)"
    "$KURVANO" "$FORMEL" >&- 2>"$ARBEIT/fehler" &
    ;;
grad)
    "$KURVANO" 'x^2' --grad >"$ARBEIT/ausgabe" 2>"$ARBEIT/fehler" &
    ;;
*)
    fehler "unknown kind of output: $ART"
    ;;
esac
PROGRAMM=$!
FENSTER=$(timeout 20 xdotool search --sync --onlyvisible --name "Kurvanograf" | head -n 1)
[ -n "$FENSTER" ] || fehler "no window"

# Pixel (x, y) of the window as #RRGGBB; the window stands at (50, 1).
pixel() {
    convert "$ARBEIT/bild.png" -crop "1x1+$(($1 + 50))+$(($2 + 1))" -depth 8 txt:- |
        tail -n 1 | grep -o '#[0-9A-F]\{6\}'
}

# Whether the rectangle x y w h holds a pixel of the colour.
hat_farbe() {
    convert "$ARBEIT/bild.png" -crop "$3x$4+$(($1 + 50))+$(($2 + 1))" -depth 8 txt:- | grep -q "$5"
}

# Waits until pixel (x, y) has the colour, at most 10 seconds.
warte_auf() {
    for _ in $(seq 100); do
        kill -0 "$PROGRAMM" 2>/dev/null || fehler "kurvano ended"
        import -window root "$ARBEIT/bild.png"
        [ "$(pixel "$1" "$2")" = "$3" ] && return 0
        sleep 0.1
    done
    fehler "pixel ($1, $2) is $(pixel "$1" "$2"), not $3"
}

# Waits until the rectangle x y w h holds the colour, at most 10 seconds.
warte_auf_farbe() {
    for _ in $(seq 100); do
        import -window root "$ARBEIT/bild.png"
        hat_farbe "$@" && return 0
        sleep 0.1
    done
    fehler "no $5 in the rectangle $1 $2 $3 $4"
}

# Pixels (x, y) of the last screenshot against their colours: "x y #RRGGBB" ...
pruefe() {
    for probe in "$@"; do
        set -- $probe
        [ "$(pixel "$1" "$2")" = "$3" ] || fehler "pixel ($1, $2) is $(pixel "$1" "$2"), not $3"
    done
}

if [ "$ART" = grad ]; then
    # The degree view's frame from column 10; x^2 through (0, 0), (5, 25)
    # and (-10, 100), and nothing on the axis at 30.
    warte_auf 10 200 "#0000FF"
    pruefe "30 200 #000000" "370 380 #FFFF00" "375 355 #FFFF00" "360 280 #FFFF00" "400 380 #0000FF"
    "$SCHLIESSEN" "$FENSTER"
else
    # The first paint: the radian view's frame.
    warte_auf 30 200 "#0000FF"
    if [ "$ART" = zu ]; then
        warte_auf_farbe 5 10 560 30 "#C80000"
        warte_auf_farbe 735 160 114 539 "#C80000"
    fi

    xdotool windowfocus --sync "$FENSTER"
    xdotool key --window "$FENSTER" ctrl+a
    xdotool type --window "$FENSTER" --delay 20 "$FORMEL"
    xdotool key --window "$FENSTER" Return
    # The left edge of the last dot on row 380, whose rest the frame cuts
    # off; the preset has the axis there.
    warte_auf 669 381 "#FFFF00"
    if [ "$ART" = rohr ]; then
        timeout 10 sh -c "while kill -0 $LESER 2>/dev/null; do sleep 0.1; done" || fehler "the reader did not end"
        LESER=""
        [ "$(wc -c <"$ARBEIT/gelesen")" -eq 1 ] || fehler "the messages never reached the pipe"
    fi

    # The degree view, whose messages come after the reader has gone: frame
    # from column 10, the line on row 380 from column 10 to the frame's edge
    # at 729, where the grid line goes on.
    xdotool mousemove "$((50 + 735 + 5 + 8))" "$((1 + 80 + 40 + 15))" click 1
    warte_auf 10 200 "#0000FF"
    pruefe "30 200 #000000" "10 380 #FFFF00" "370 380 #FFFF00" "729 380 #FFFF00" "730 380 #0000FF" "731 380 #C8C8D2" \
        "200 379 #0000FF" "200 381 #0000FF" "370 379 #0000FF" "200 180 #0000FF" "369 300 #0000FF"

    # The click left the keyboard in the entry: the formula x, typed now, is
    # drawn, in the degree view the line from (71, 679) up to (669, 81).
    xdotool key --window "$FENSTER" ctrl+a
    xdotool type --window "$FENSTER" --delay 20 "x"
    xdotool key --window "$FENSTER" Return
    warte_auf 410 340 "#FFFF00"

    # A faulty formula draws the line of 0 and turns the entry's text red.
    hat_farbe 5 10 560 30 "#C80000" && fehler "red text in the entry before a fault"
    xdotool key --window "$FENSTER" ctrl+a
    xdotool type --window "$FENSTER" --delay 20 "sin x"
    xdotool key --window "$FENSTER" Return
    warte_auf 200 380 "#FFFF00"
    hat_farbe 5 10 560 30 "#C80000" || fehler "no red text in the entry"
    hat_farbe 735 160 114 539 "#C80000" || fehler "no message in the info area"

    if [ "$ART" = datei ]; then
        # The window is gone before the keys are released, which xdotool reports.
        xdotool key --window "$FENSTER" ctrl+q 2>/dev/null || true
    else
        "$SCHLIESSEN" "$FENSTER"
    fi
fi
STATUS=0
timeout 20 sh -c "while kill -0 $PROGRAMM 2>/dev/null; do sleep 0.1; done" || fehler "kurvano did not end"
wait "$PROGRAMM" || STATUS=$?
PROGRAMM=""
[ "$STATUS" -eq 0 ] || fehler "exit status $STATUS"
echo "PASS"
