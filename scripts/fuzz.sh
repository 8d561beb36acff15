#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz and runs both at
# once for a bounded time (ZI_FUZZ_SECONDS, 60 by default), each on a copy of
# its seed corpus: libFuzzer writes new inputs into its first corpus folder,
# which must never be the repository. A crash, timeout, leak, out-of-memory or
# sanitizer report fails the script; the input that caused it is kept in
# build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-fuzz
seconds=${ZI_FUZZ_SECONDS:-60}

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1

# run NAME TARGET: fuzzes TARGET on a copy of fuzz/corpus/NAME.
run() {
  local name=$1 target=$2
  local corpus="$work/$name" artifacts="$build/artifacts/$name/" log="$build/$name.log"
  mkdir -p "$corpus" "$artifacts"
  cp -R "fuzz/corpus/$name/." "$corpus/"
  "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus" >"$log" 2>&1
}

run text TextFuzz &
text_pid=$!
run blob PropertyBlobFuzz &
blob_pid=$!

status=0
for entry in "text:$text_pid" "blob:$blob_pid"; do
  name=${entry%%:*}
  log="$build/$name.log"
  if ! wait "${entry#*:}"; then
    echo "fuzz $name: FAILED (log: $log, inputs: $build/artifacts/$name/)"
    tail -n 60 "$log"
    status=1
  elif grep -qE '^(==[0-9]+==)?ERROR: |runtime error: ' "$log"; then
    # A report the process survived still fails the run.
    echo "fuzz $name: sanitizer report (log: $log)"
    grep -nE '^(==[0-9]+==)?ERROR: |runtime error: ' "$log" | head -n 20
    status=1
  else
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $name: ok, ${runs:-?} inputs in ${seconds} s, corpus $(ls "$work/$name" | wc -l) files"
  fi
done
exit "$status"
