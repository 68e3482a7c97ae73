#!/bin/sh
# SPDX-FileCopyrightText: 2026 Kurvano developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Installs what is missing, builds Kurvano into build/ and starts it.
# Without a display it draws the picture into build/kurvano.png instead,
# on Qt's offscreen platform, prints that path and ends.
set -eu
cd "$(dirname "$0")/.."

# Only what running needs: the tests' tools stay out, and so do the tests.
tools/install-deps.sh lauf
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/bin/kurvano "$@"
fi

BILD=$PWD/build/kurvano.png
STATUS=0
QT_QPA_PLATFORM=offscreen build/bin/kurvano --bild "$BILD" "$@" || STATUS=$?
# Status 2 is a faulty formula, whose picture is written all the same.
[ "$STATUS" -eq 0 ] || [ "$STATUS" -eq 2 ] || exit "$STATUS"
echo "$BILD"
exit "$STATUS"
