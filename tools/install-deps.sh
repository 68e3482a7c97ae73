#!/bin/sh
# SPDX-FileCopyrightText: 2026 Kurvano developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Installs the Debian packages Kurvano needs, and nothing that is already
# there, so it is cheap to call before every build.
#   tools/install-deps.sh lauf   what building and running Kurvano needs
#   tools/install-deps.sh test   that and what the tests, benchmarks, fuzzers
#                                and checks need, with the German locale the
#                                number tests run under
set -eu

case ${1:-} in
lauf) TEST=false ;;
test) TEST=true ;;
*)
    echo "usage: $0 lauf|test" >&2
    exit 2
    ;;
esac

PAKETE="cmake ninja-build g++ extra-cmake-modules
qtbase5-dev libqt5svg5 libqt5svg5-dev libkf5coreaddons-dev libkf5i18n-dev libkf5widgetsaddons-dev
fonts-liberation"
OHNE_EMPFEHLUNGEN=""

if $TEST; then
    PAKETE="$PAKETE libgtest-dev libbenchmark-dev libmuparser-dev clang libclang-rt-14-dev clang-format
xvfb xauth xdotool x11-utils libx11-dev desktop-file-utils appstream reuse locales
librsvg2-bin poppler-utils"
    # Without its recommendations: ImageMagick's would bring Ghostscript's
    # fonts, which take the name "courier" from Liberation Mono.
    OHNE_EMPFEHLUNGEN="imagemagick"
fi

fehlend() {
    for paket in "$@"; do
        dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "ok installed" || printf ' %s' "$paket"
    done
}

als_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

fehlt=$(fehlend $PAKETE)
fehlt_schlicht=$(fehlend $OHNE_EMPFEHLUNGEN)
if [ -n "$fehlt$fehlt_schlicht" ]; then
    echo "Installing:$fehlt$fehlt_schlicht"
    als_root apt-get update -q
fi
if [ -n "$fehlt_schlicht" ]; then
    als_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $fehlt_schlicht
fi
if [ -n "$fehlt" ]; then
    als_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $fehlt
fi

if $TEST && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Generating the locale de_DE.UTF-8"
    als_root sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | als_root tee -a /etc/locale.gen >/dev/null
    als_root locale-gen
fi
