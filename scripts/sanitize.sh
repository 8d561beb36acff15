#!/usr/bin/env bash
# Builds the suite with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test under them; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
build=build-asan

cmake -S . -B "$build" -G Ninja -DZI_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" -j "$jobs"

# abort_on_error turns a report into a crash that CTest cannot miss, also in
# the programs the end-to-end tests start. No strict_string_checks: it flags
# libxkbcommon's legal strndup of an unterminated buffer under xcb.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The suppressions name system libraries only.
export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0"
ctest --test-dir "$build" --output-on-failure -j "$jobs"
