#!/usr/bin/env bash
# When the X server goes away, the program ends with status 1 and one line
# on stderr, without a crash or a core dump, and takes its socket with it:
# during start-up, in the event loop, and with a modal window up.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

socket_path() {
  echo "$(instance_base).socket"
}

more_windows_than() {
  [ "$(count_lines "$(visible_windows)")" -gt "$1" ]
}

socket_exists() {
  [ -S "$(socket_path)" ]
}


run=0
for when in start loop modal; do
  note "the X server goes away: $when"
  run=$((run + 1))
  [ "$run" -eq 1 ] || start_xvfb
  start_window_manager
  socket=$(socket_path)
  dir="$WORK/loss-$run"
  mkdir "$dir"
  (
    cd "$dir"
    ulimit -c unlimited 2>/dev/null || true
    exec "$APP" >out 2>err
  ) &
  APP_PID=$!
  case $when in
    start) wait_for "the program's socket" socket_exists ;;
    loop) wait_main_window ;;
    modal)
      wait_main_window
      focus "$MAIN"
      before=$(count_lines "$(visible_windows)")
      keys alt+f
      wait_for "the File menu" more_windows_than "$before"
      # Quit comes first, About second.
      keys Down Return
      wait_for "the About window" has_windows_titled About 1
      ;;
  esac
  stop_process "$XVFB_PID"
  XVFB_PID=""
  expect_exit "$APP_PID" 1 "the program once the X server went ($when)"
  APP_PID=""
  expect_eq "lines on stderr ($(cat "$dir/err"))" 1 "$(wc -l <"$dir/err")"
  note "it said: $(cat "$dir/err")"
  expect_eq "files left in the working folder" "err out" "$(ls "$dir" | tr '\n' ' ' | sed 's/ $//')"
  [ -e "$socket" ] && fail "the socket is left behind ($when)"
done
note "passed"
