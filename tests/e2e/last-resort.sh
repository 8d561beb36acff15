#!/usr/bin/env bash
# A copy that an unhandled exception ends gives up its socket and its lock
# before the last-resort message box comes up, so that a new start runs a
# copy of its own; SIGTERM, SIGINT or SIGHUP while the box is up end it at
# once, with status 1. Run on a small program whose start-up throws.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_window_manager

NAME=$(basename "$APP")
BASE=$(instance_base)

lock_is_free() {
  python3 - "$BASE.lock" <<'PY'
import fcntl, sys
with open(sys.argv[1]) as f:
    fcntl.flock(f, fcntl.LOCK_EX | fcntl.LOCK_NB)
PY
}

for sig in TERM INT HUP; do
  note "SIG$sig with the last-resort box up"
  start_app
  wait_for "the message box" has_windows_titled "$NAME" 1
  [ -e "$BASE.socket" ] && fail "the socket is still there under the box"
  lock_is_free || fail "the lock is still held under the box"
  if [ "$sig" = TERM ]; then
    # A new start is a copy of its own, with a box of its own.
    "$APP" >"$WORK/fresh.out" 2>"$WORK/fresh.err" &
    fresh=$!
    EXTRA_PIDS+=("$fresh")
    wait_for "a second message box" has_windows_titled "$NAME" 2
    kill -TERM "$fresh"
    expect_exit "$fresh" 1 "the fresh copy"
  fi
  kill -"$sig" "$APP_PID"
  expect_exit "$APP_PID" 1 "SIG$sig under the box"
  APP_PID=""
  expect_eq "stderr" "$NAME: unhandled NilObjectException: the start-up fails on purpose" \
    "$(cat "$WORK/app.err")"
  wait_for "the box to go" has_windows_titled "$NAME" 0
done
note "passed"
