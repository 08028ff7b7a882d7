#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what the tests need, then, stopping at the first failure:
#   1. checks that every C++ file is formatted as .clang-format says;
#   2. builds everything, benchmarks included, and runs every test, among them the
#      installation into a staging folder and the Debian package with lintian;
#   3. runs the Qt-free core tests once more under AddressSanitizer and UBSan;
#   4. builds the fuzz targets with clang and replays each one's corpus.
# Cross-checks against outside tools fail instead of skipping when CI is set.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"
started=$SECONDS

step() { printf '\n== %s (%ds)\n' "$1" $((SECONDS - started)); }

"$root/scripts/install-deps.sh"

step "Formatting"
# Debian 12's clang-format (14): another version formats some constructs otherwise.
format="$(command -v clang-format-14 || command -v clang-format)"
cd "$root"
if [[ -d .git || -f .git ]]; then
  git ls-files -z -- '*.cpp' '*.h' ':!:data/**'
else
  find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0
fi | xargs -0 "$format" --dry-run --Werror

step "Build and test"
cmake -S "$root" -B "$root/build-test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVEXIL_BUILD_TESTS=ON -DVEXIL_BUILD_BENCHMARKS=ON -DVEXIL_WERROR=ON
cmake --build "$root/build-test" --parallel "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build-test" --output-on-failure -j "$jobs"

step "Core tests under the sanitizers"
cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVEXIL_BUILD_TESTS=ON -DVEXIL_BUILD_UI=OFF -DVEXIL_SANITIZE=ON -DVEXIL_WERROR=ON
cmake --build "$root/build-sanitize" --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs" -L core

step "Fuzz targets and their corpora"
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXIL_BUILD_FUZZERS=ON -DVEXIL_BUILD_UI=OFF \
  -DVEXIL_BUILD_TESTS=OFF -DVEXIL_WERROR=ON
cmake --build "$root/build-fuzz" --parallel "$jobs" --target fuzzers
ctest --test-dir "$root/build-fuzz" --output-on-failure -j "$jobs" -L fuzz

step "All passed"
