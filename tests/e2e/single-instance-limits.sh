#!/usr/bin/env bash
# One copy per user and display, however the starts come: two at the same
# moment give exactly one copy; a start that finds the running copy stopped
# says so and fails rather than run a second copy; a flood of connections
# held open does not keep a later start from handing over.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_window_manager

SOCKET="$(instance_base).socket"

# The main windows on the screen, however many.
main_windows() {
  count_lines "$(windows_titled "$TITLE")"
}

one_of_two_exited() {
  has_exited "$first" || has_exited "$second"
}

note "20 double starts"
for round in $(seq 20); do
  "$APP" >"$WORK/first.out" 2>"$WORK/first.err" &
  first=$!
  "$APP" >"$WORK/second.out" 2>"$WORK/second.err" &
  second=$!
  EXTRA_PIDS+=("$first" "$second")
  wait_for "one of two starts to hand over (round $round)" one_of_two_exited
  if has_exited "$first"; then
    gone=$first kept=$second out=first
  else
    gone=$second kept=$first out=second
  fi
  expect_exit "$gone" 0 "the start that handed over (round $round)"
  expect_eq "its output" "" "$(cat "$WORK/$out.out" "$WORK/$out.err")"
  wait_for "the main window" has_windows_titled "$TITLE" 1
  has_exited "$kept" && fail "no copy runs after round $round"
  kill -TERM "$kept"
  expect_exit "$kept" 0 "the running copy (round $round)"
  expect_eq "main windows after round $round" 0 "$(main_windows)"
done

note "a stopped copy"
start_app
wait_main_window
kill -STOP "$APP_PID"
"$APP" >"$WORK/late.out" 2>"$WORK/late.err" &
late=$!
EXTRA_PIDS+=("$late")
wait_exit "$late"
kill -CONT "$APP_PID"
expect_eq "exit status of a start while the copy is stopped" 1 "$EXIT_STATUS"
expect_eq "what it said" "ZazudedidIdarero: the running copy does not answer" \
  "$(cat "$WORK/late.out" "$WORK/late.err")"
expect_eq "main windows" 1 "$(main_windows)"

note "1,100 connections held open"
python3 - "$SOCKET" 1100 >"$WORK/flood.out" 2>&1 <<'PY' &
import resource, socket, sys, time
path, count = sys.argv[1], int(sys.argv[2])
soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
want = count + 64
if hard != resource.RLIM_INFINITY and hard < want:
    want = hard
resource.setrlimit(resource.RLIMIT_NOFILE, (max(soft, want), hard))
held = []
for _ in range(count):
    s = socket.socket(socket.AF_UNIX)
    s.connect(path)
    held.append(s)
print("held", len(held), flush=True)
time.sleep(600)
PY
flood=$!
EXTRA_PIDS+=("$flood")
wait_for "the connections to be open" file_has_lines "$WORK/flood.out" 1
expect_eq "the flood" "held 1100" "$(cat "$WORK/flood.out")"
expect_running "under the flood"
"$APP" >"$WORK/after.out" 2>"$WORK/after.err" &
after=$!
expect_exit "$after" 0 "a start under the flood"
expect_eq "its output" "" "$(cat "$WORK/after.out" "$WORK/after.err")"
stop_process "$flood"
"$APP" &
expect_exit $! 0 "a start after the flood"
expect_running "after the flood"
expect_eq "main windows" 1 "$(main_windows)"

kill -TERM "$APP_PID"
expect_exit "$APP_PID" 0 SIGTERM
APP_PID=""
note "passed"
