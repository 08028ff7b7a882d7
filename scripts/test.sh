#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what the tests need, builds everything and runs every test, then runs
# the Qt-free core tests once more under AddressSanitizer and UBSan.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$root/build-test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVEXIL_BUILD_TESTS=ON -DVEXIL_WERROR=ON
cmake --build "$root/build-test" --parallel "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build-test" --output-on-failure -j "$jobs"

cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVEXIL_BUILD_TESTS=ON -DVEXIL_BUILD_UI=OFF -DVEXIL_SANITIZE=ON -DVEXIL_WERROR=ON
cmake --build "$root/build-sanitize" --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs" -L core
