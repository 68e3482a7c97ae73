#!/bin/sh
# SPDX-FileCopyrightText: 2026 Kurvano developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# What a packager and a user get from Kurvano:
#   installation CMAKE BUILD_DIR
#       installs into an empty prefix; exactly the expected files land where
#       the desktop looks for them, and the desktop file, the AppStream data
#       and the icon name each other consistently
#   ueber KURVANO
#       --author and --license name Kurvano's authors, its bug address and
#       its licence, and nothing of KDE's own
#   abbruch XVFB_TEST KURVANO FENSTER_SCHLIESSEN
#       stopping the X test with a signal leaves neither Xvfb nor kurvano
#       running, nor its temporary folder
set -eu

ARBEIT=$(mktemp -d)
aufraeumen() {
    rm -rf "$ARBEIT"
}
trap aufraeumen EXIT
trap 'aufraeumen; exit 129' HUP
trap 'aufraeumen; exit 130' INT
trap 'aufraeumen; exit 143' TERM

FEHLER=0
fehler() {
    echo "FAIL: $*" >&2
    FEHLER=1
}

# enthaelt TEXT MUSTER...: each line "+text" must occur, each "-text" must not.
enthaelt() {
    Text=$1
    shift
    for Zeile in "$@"; do
        Muster=${Zeile#?}
        Gefunden=false
        printf '%s\n' "$Text" | grep -qiF -- "$Muster" && Gefunden=true
        case $Zeile in
        +*) $Gefunden || fehler "\"$Muster\" missing" ;;
        -*) ! $Gefunden || fehler "\"$Muster\" present" ;;
        esac
    done
}

# Value of KEY= in the [Desktop Entry] group of a desktop file.
desktop_wert() {
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"
}

# Text of the first element NAME in an XML file, on one line.
xml_wert() {
    sed -n "s:.*<$2[^>]*>\([^<]*\)</$2>.*:\1:p" "$1" | head -n 1
}

installation() {
    ZIEL=$ARBEIT/ziel
    "$1" --install "$2" --prefix "$ZIEL" >/dev/null
    GEFUNDEN=$(cd "$ZIEL" && find . -type f | sort)
    ERWARTET=$(sort <<LISTE
./bin/kurvano
./share/applications/org.kde.kurvano.desktop
./share/icons/hicolor/scalable/apps/org.kde.kurvano.svg
./share/metainfo/org.kde.kurvano.metainfo.xml
LISTE
)
    [ "$GEFUNDEN" = "$ERWARTET" ] || fehler "installed:
$GEFUNDEN
expected:
$ERWARTET"

    DESKTOP=$ZIEL/share/applications/org.kde.kurvano.desktop
    METAINFO=$ZIEL/share/metainfo/org.kde.kurvano.metainfo.xml
    [ -x "$ZIEL/bin/$(desktop_wert "$DESKTOP" Exec)" ] || fehler "Exec= names no installed program"
    SYMBOL=$(desktop_wert "$DESKTOP" Icon)
    ls "$ZIEL"/share/icons/hicolor/*/apps/"$SYMBOL".* >/dev/null 2>&1 || fehler "Icon=$SYMBOL is not installed"
    [ "$(xml_wert "$METAINFO" icon)" = "$SYMBOL" ] || fehler "the AppStream icon is not the desktop file's"
    [ -f "$ZIEL/share/applications/$(xml_wert "$METAINFO" launchable)" ] || fehler "the launchable is not installed"
}

ueber() {
    enthaelt "$("$1" --author)" \
        "+Kurvano developers" \
        "+kurvano@example.org" \
        "-bugs.kde.org" \
        "-anonymous"
    enthaelt "$("$1" --license)" \
        "+© 2026 Kurvano developers" \
        "+GNU GENERAL PUBLIC LICENSE" \
        "+Version 2, June 1991" \
        "-Version 3"
}

# The test's own children, by name; a zombie left to a parent that does not
# reap counts as ended.
kind() {
    pgrep -P "$1" -x "$2" || true
}
laeuft() {
    ps -o stat= -p "$1" 2>/dev/null | grep -qv '^Z'
}

abbruch() {
    XVFB_TEST=$1
    KURVANO=$2
    SCHLIESSEN=$3
    for Signal in TERM HUP; do
        mkdir "$ARBEIT/$Signal"
        # Qt would make its runtime folder in TMPDIR too.
        XDG_RUNTIME_DIR=$ARBEIT TMPDIR=$ARBEIT/$Signal sh "$XVFB_TEST" "$KURVANO" "$SCHLIESSEN" datei >/dev/null 2>&1 &
        TEST=$!
        XVFB=""
        PROGRAMM=""
        for _ in $(seq 200); do
            XVFB=$(kind "$TEST" Xvfb)
            PROGRAMM=$(kind "$TEST" kurvano)
            [ -n "$XVFB" ] && [ -n "$PROGRAMM" ] && break
            sleep 0.1
        done
        [ -n "$XVFB" ] && [ -n "$PROGRAMM" ] || { fehler "$Signal: the X test did not start Xvfb and kurvano"; continue; }
        kill -"$Signal" "$TEST"
        wait "$TEST" || true
        for Rest in "Xvfb $XVFB" "kurvano $PROGRAMM"; do
            set -- $Rest
            # Signalled, not yet gone: a loaded machine may take its time.
            for _ in $(seq 100); do
                laeuft "$2" || break
                sleep 0.1
            done
            if laeuft "$2"; then
                fehler "$Signal: $1 still runs"
                kill "$2"
            fi
        done
        [ -z "$(ls -A "$ARBEIT/$Signal")" ] || fehler "$Signal: the temporary folder is left"
    done
}

"$@"
[ "$FEHLER" -eq 0 ] && echo PASS
exit "$FEHLER"
