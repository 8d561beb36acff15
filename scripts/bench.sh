#!/usr/bin/env bash
# Start-up and response benchmarks (not part of the tests). Builds in Release
# into build-bench, then starts the program and the floor program (bench/
# floor.cpp: the same window in plain Qt, no logic), each under an X server
# of its own, interleaved, ZI_BENCH_RUNS times each (20 by default), and
# reports medians against the targets. bench/RESULTS.md gets the figures.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source "$root/scripts/lib/xvfb.sh"
runs=${ZI_BENCH_RUNS:-20}
returns_per_run=5
build=build-bench

# The probe's X extensions are for the benchmarks only.
scripts/install-deps.sh libxdamage-dev libxtst-dev

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZI_BENCH=ON -DZI_TESTS=OFF >/dev/null
if ! grep -q 'bench_xprobe' "$build/build.ninja"; then
  echo "bench: the top-level CMakeLists.txt does not add bench/ under ZI_BENCH" >&2
  exit 1
fi
cmake --build "$build" --target ZazudedidIdarero bench_floor bench_xprobe

program="$root/$build/ZazudedidIdarero.app/Contents/MacOS/ZazudedidIdarero"
floor="$root/$build/bench/bench_floor"
probe="$root/$build/bench/bench_xprobe"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Positions in the window's content, as the main window's layout puts them:
# the two fields' middles, then the amount, plus and minus results.
program_args=(--title "Zazudedid Idarero" --content-height 149 --returns "$returns_per_run"
  --percent 152,24 --value 262,24
  --result 319,45,151,20 --result 319,77,151,20 --result 319,109,151,20
  -- "$program")
floor_args=(--title Floor -- "$floor" "$root/resources/48.png")

# run KIND: one start of KIND under a fresh X server; appends its lines to
# $work/KIND.
run() {
  local kind=$1 xvfb_pid status=0
  local -n args="${kind}_args"
  start_private_xvfb "$work" || { echo "bench: Xvfb did not start" >&2; exit 1; }
  xvfb_pid=$XVFB_PID
  rm -rf "$work/run" && mkdir -m 0700 "$work/run"
  env -u XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR="$work/run" \
    QT_QPA_PLATFORM=xcb "$probe" "${args[@]}" >>"$work/$kind" 2>"$work/probe.log" || status=$?
  kill "$xvfb_pid"
  wait "$xvfb_pid" 2>/dev/null || true
  if [ "$status" -ne 0 ]; then
    echo "bench: the $kind run failed:" >&2
    cat "$work/probe.log" >&2
    exit 1
  fi
}

# Interleaved, the order swapped every round, so drift hits both alike.
for i in $(seq "$runs"); do
  if [ $((i % 2)) -eq 1 ]; then
    run program
    run floor
  else
    run floor
    run program
  fi
  printf '\rbench: %d/%d' "$i" "$runs" >&2
done
echo >&2

median() { # KIND KEY
  sed -n "s/^$2=//p" "$work/$1" | sort -n | awk '{ v[NR] = $1 }
    END { if (NR == 0) { print "nan" } else if (NR % 2) { print v[(NR + 1) / 2] }
          else { print (v[NR / 2] + v[NR / 2 + 1]) / 2 } }'
}
ms() { awk -v n="$1" 'BEGIN { printf "%.2f", n / 1e6 }'; }
mib() { awk -v n="$1" 'BEGIN { printf "%.1f", n / 1024 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
check() { # VALUE LIMIT
  awk -v v="$1" -v l="$2" 'BEGIN { exit !(v <= l) }' && echo pass || echo FAIL
}

p_map=$(median program map_ns)
f_map=$(median floor map_ns)
p_paint=$(median program painted_ns)
f_paint=$(median floor painted_ns)
p_rss=$(median program rss_kib)
f_rss=$(median floor rss_kib)
p_return=$(median program return_ns)
max_return=$(sed -n 's/^return_ns=//p' "$work/program" | sort -n | tail -n 1)
map_ratio=$(ratio "$p_map" "$f_map")
paint_ratio=$(ratio "$p_paint" "$f_paint")
rss_ratio=$(ratio "$p_rss" "$f_rss")
map_check=$(check "$map_ratio" 1.05)
rss_check=$(check "$rss_ratio" 1.03)
return_check=$(check "$p_return" 2000000)

qt=$(dpkg-query -W -f='${Version}' libqt6widgets6 2>/dev/null || echo unknown)
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
table=$(
  cat <<EOF
| measure (median) | program | floor | ratio | target | |
|---|---|---|---|---|---|
| exec to window mapped | $(ms "$p_map") ms | $(ms "$f_map") ms | $map_ratio | ≤ 1.05 × floor | $map_check |
| exec to window mapped and painted | $(ms "$p_paint") ms | $(ms "$f_paint") ms | $paint_ratio | | |
| resident memory once painted | $(mib "$p_rss") MiB | $(mib "$f_rss") MiB | $rss_ratio | ≤ 1.03 × floor | $rss_check |
| Return to results painted | $(ms "$p_return") ms (slowest $(ms "$max_return") ms) | | | < 2 ms | $return_check |
EOF
)
echo "$table"

cat >bench/RESULTS.md <<EOF
# Benchmark results

Written by \`scripts/bench.sh\` on $(date -u +%Y-%m-%d): Release build, Qt $qt,
$(nproc) × $cpu; $runs starts of each program, interleaved, each under an
Xvfb of its own with no window manager; $((runs * returns_per_run)) Returns.

$table

How it is measured (bench/xprobe.cpp): the probe watches the X server's
root window, forks and execs the program, and puts a DAMAGE watch on each
top-level window as it is created. "Mapped" is the MapNotify of the window
with the program's title; "painted" is when the program's drawing, as the X
server reports it, has covered every pixel of that window. Resident memory
is VmRSS from /proc half a second after that. For Return, the probe sets
the percentage, then for each press types a new value, waits 100 ms, sends
Return through XTEST and stops the clock when the drawing has reached all
three result labels; it then checks that each label's pixels changed. The
floor (bench/floor.cpp) is a plain Qt window with the same menus and the
same kinds, number and places of widgets and a picture from disk, no logic.
EOF
echo "bench: figures written to bench/RESULTS.md"
[ "$map_check$rss_check$return_check" = passpasspass ]
