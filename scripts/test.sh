#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== format check"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== build and test"
cmake -S . -B build-test -G Ninja -DZI_WERROR=ON >/dev/null
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"
