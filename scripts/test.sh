#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the suite,
# the Debian package under lintian, the fuzz targets for a bounded time, and
# the suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== format and layer checks"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
python3 scripts/check-layers.py

echo "== build and test"
cmake -S . -B build-test -G Ninja -DZI_WERROR=ON >/dev/null
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

echo "== Debian package"
deb=$(JOBS=$jobs scripts/package.sh build-test-package)
scripts/lint-package.sh "$deb"
tests/install/package_test.sh "$deb"

echo "== fuzzing"
scripts/fuzz.sh

# Last, so that the run ends with the test runner's summary.
echo "== sanitizers"
scripts/sanitize.sh
