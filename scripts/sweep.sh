#!/usr/bin/env bash
# Runs the calculation on every exact half-cent case: each percentage
# 0.00..200.00 against each value -100000.00..100000.00 whose amount is an
# exact half cent (336 million cases), and prints how many show a result
# other than exact decimal arithmetic. Minutes of work on all cores, so not
# part of CI. The argument, if any, is the number of threads.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-sweep

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZI_SWEEP=ON >/dev/null
cmake --build "$build" --target half_cent_sweep >/dev/null
"$build/tests/calculator/half_cent_sweep" "$@"
