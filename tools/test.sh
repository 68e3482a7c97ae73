#!/bin/sh
# SPDX-FileCopyrightText: 2026 Kurvano developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Installs what is missing, builds Kurvano and runs every test: once as
# released, once under AddressSanitizer and UndefinedBehaviorSanitizer
# (with clang, which also builds the fuzzers and runs each of them briefly).
set -eu
cd "$(dirname "$0")/.."

tools/install-deps.sh test

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build build
(cd build && ctest --output-on-failure -j2)

CC=clang CXX=clang++ cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DECM_ENABLE_SANITIZERS='address;undefined' -DKURVANO_BUILD_FUZZERS=ON
cmake --build build-san
(cd build-san && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --output-on-failure -j2)
