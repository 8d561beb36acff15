#!/usr/bin/env bash
# SIGTERM and SIGINT end the program with status 0, also while a modal
# window is up; without a display it says so in one line and fails.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

message_up() {
  has_windows_titled "$TITLE" 2
}

# signal, and whether the message window is up when it arrives
for row in "TERM no" "INT no" "INT message"; do
  read -r sig modal <<<"$row"
  note "SIG$sig, modal window: $modal"
  start_app
  wait_main_window
  if [ "$modal" = message ]; then
    focus "$MAIN"
    click_main "${BTN_LAUNCH[@]}"
    wait_for "the message window" message_up
  fi
  kill -"$sig" "$APP_PID"
  expect_exit "$APP_PID" 0 "SIG$sig"
  APP_PID=""
  wait_for "the windows to go" has_windows_titled "$TITLE" 0
done

# A display number with no server behind it.
dead=200
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do
  dead=$((dead + 1))
done

run=0
for display in "" ":$dead"; do
  note "no display (DISPLAY='$display')"
  run=$((run + 1))
  dir="$WORK/no-display-$run"
  mkdir "$dir"
  status=0
  (
    cd "$dir"
    ulimit -c unlimited 2>/dev/null || true
    if [ -z "$display" ]; then unset DISPLAY; else export DISPLAY=$display; fi
    unset QT_QPA_PLATFORM
    exec timeout -s KILL "$E2E_DEADLINE" "$APP" >out 2>err
  ) || status=$?
  [ "$status" -ne 0 ] || fail "started without a display"
  # 124 and up: the timeout, or a death by a signal (an abort dumps core).
  [ "$status" -lt 124 ] || fail "status $status without a display: killed or crashed"
  expect_eq "lines on stderr" 1 "$(wc -l <"$dir/err")"
  [ -n "$(tr -d '[:space:]' <"$dir/err")" ] || fail "an empty line on stderr"
  expect_eq "stdout" "" "$(cat "$dir/out")"
  expect_eq "files left in the working folder" "err out" "$(ls "$dir" | tr '\n' ' ' | sed 's/ $//')"
  note "it said: $(cat "$dir/err")"
done
note "passed"
