#!/bin/sh
# SPDX-FileCopyrightText: 2026 Kurvano developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Installs what is missing, builds the benchmarks as released and runs every
# one of them (each program in bench/ is named *_bench), reporting the median
# of five repetitions. Arguments go to each program, e.g.
#   tools/bench.sh --benchmark_filter=Auswertung
set -eu
cd "$(dirname "$0")/.."

tools/install-deps.sh test

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKURVANO_BUILD_BENCHMARKS=ON -DBUILD_TESTING=OFF
cmake --build build-bench

for programm in build-bench/bin/*_bench; do
    echo "== $programm"
    "$programm" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
done
