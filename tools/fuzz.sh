#!/bin/sh
# SPDX-FileCopyrightText: 2026 Kurvano developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Installs what is missing, builds the fuzzers with clang and the sanitizers
# in build-fuzz/ and runs every *_fuzz target for the given number of seconds
# (default 600), one after the other, so a core stays free. Each target
# starts from its seeds in fuzz/corpus/ and keeps what it learns in
# build-fuzz/fuzz/corpus-<name>/; an input that breaks it is saved in
# build-fuzz/fuzz/ and makes the script fail.
set -eu
cd "$(dirname "$0")/.."
sekunden=${1:-600}

tools/install-deps.sh test

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DECM_ENABLE_SANITIZERS='address;undefined' -DKURVANO_BUILD_FUZZERS=ON -DBUILD_TESTING=OFF
cmake --build build-fuzz

ergebnis=0
for ziel in build-fuzz/bin/*_fuzz; do
    name=$(basename "$ziel" _fuzz)
    woerterbuch=""
    [ -f "fuzz/$name.dict" ] && woerterbuch="-dict=fuzz/$name.dict"
    mkdir -p "build-fuzz/fuzz/corpus-$name"
    echo "== $name: $sekunden s"
    "$ziel" -max_total_time="$sekunden" -print_final_stats=1 $woerterbuch \
        -artifact_prefix=build-fuzz/fuzz/ "build-fuzz/fuzz/corpus-$name" "fuzz/corpus/$name" || ergebnis=1
done
exit $ergebnis
