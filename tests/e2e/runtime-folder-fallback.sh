#!/usr/bin/env bash
# A runtime folder that cannot hold the socket (its path too long for one,
# or a folder the user may not write in) gives way to the user's own folder
# in the temp folder: a second start still hands over, quietly, and one copy
# runs.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

export TMPDIR="$WORK/tmp"
mkdir -m 1777 "$TMPDIR"

# double_start RUNTIME [AS...]: the program and a second start with RUNTIME
# as their runtime folder, run as AS (a command prefix) when given.
double_start() {
  local runtime=$1
  shift
  XDG_RUNTIME_DIR=$runtime "$@" "$APP" >"$WORK/app.out" 2>"$WORK/app.err" &
  APP_PID=$!
  wait_main_window
  XDG_RUNTIME_DIR=$runtime "$@" "$APP" >"$WORK/second.out" 2>"$WORK/second.err" &
  local second=$!
  expect_exit "$second" 0 "a second start"
  expect_eq "the second start's output" "" "$(cat "$WORK/second.out" "$WORK/second.err")"
  expect_eq "main windows" 1 "$(count_lines "$(windows_titled "$TITLE")")"
  expect_running "after the second start"
  [ -z "$(ls -A "$runtime")" ] || fail "files made in the runtime folder: $(ls -A "$runtime")"
  kill -TERM "$APP_PID"
  expect_exit "$APP_PID" 0 "the running copy"
  APP_PID=""
  grep -v "runtime" "$WORK/app.err" >"$WORK/app.said" || true
  expect_eq "what the running copy said" "" "$(cat "$WORK/app.out" "$WORK/app.said")"
}

note "a runtime folder too long for a socket's path"
long="$WORK/runtime"
while [ ${#long} -lt 100 ]; do
  long="$long/aaaaaaaaaa"
done
mkdir -p -m 0700 "$long"
double_start "$long"

note "a runtime folder the user may not write in"
readonly_runtime="$WORK/readonly"
mkdir -m 0500 "$readonly_runtime"
if [ "$(id -u)" -eq 0 ]; then
  # Root writes past mode bits: the copies run as another user, who owns
  # the folder. They reach the display by its local socket.
  command -v setpriv >/dev/null || skip "setpriv is not installed"
  user=65534
  chown "$user:$user" "$readonly_runtime"
  chmod 0711 "$WORK"
  double_start "$readonly_runtime" setpriv --reuid="$user" --regid="$user" --clear-groups
else
  double_start "$readonly_runtime"
fi
note "passed"
