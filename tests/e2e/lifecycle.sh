#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP end the program with status 0 and take its
# socket away, also while a modal window is up; SIGPIPE does not end it.
# Without a display, or with a Qt platform that cannot start, it says which
# in one line and fails.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

SOCKET="$(instance_base).socket"

message_up() {
  has_windows_titled "$TITLE" 2
}

# signal, and whether the message window is up when it arrives
for row in "TERM no" "INT no" "INT message" "HUP no" "HUP message"; do
  read -r sig modal <<<"$row"
  note "SIG$sig, modal window: $modal"
  start_app
  wait_main_window
  if [ "$modal" = message ]; then
    focus "$MAIN"
    click_main "${BTN_LAUNCH[@]}"
    wait_for "the message window" message_up
  fi
  kill -PIPE "$APP_PID"
  kill -"$sig" "$APP_PID"
  expect_exit "$APP_PID" 0 "SIG$sig"
  APP_PID=""
  wait_for "the windows to go" has_windows_titled "$TITLE" 0
  [ -e "$SOCKET" ] && fail "the socket is left behind after SIG$sig"
done

# A display number with no server behind it.
dead=200
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do
  dead=$((dead + 1))
done

# DISPLAY, then the Qt platform, then what the line must name.
run=0
for row in "|xcb|DISPLAY is not set" ":$dead|xcb|DISPLAY=:$dead does not answer" \
  ":$dead|nonexistent|\"nonexistent\"" "|wayland;xcb|\"wayland\"" \
  ":$dead|wayland;xcb|DISPLAY=:$dead"; do
  IFS='|' read -r display platform named <<<"$row"
  note "no display (DISPLAY='$display', QT_QPA_PLATFORM='$platform')"
  run=$((run + 1))
  dir="$WORK/no-display-$run"
  mkdir "$dir"
  status=0
  (
    cd "$dir"
    ulimit -c unlimited 2>/dev/null || true
    if [ -z "$display" ]; then unset DISPLAY; else export DISPLAY=$display; fi
    export QT_QPA_PLATFORM=$platform
    exec timeout -s KILL "$E2E_DEADLINE" "$APP" >out 2>err
  ) || status=$?
  [ "$status" -ne 0 ] || fail "started without a display"
  # 124 and up: the timeout, or a death by a signal (an abort dumps core).
  [ "$status" -lt 124 ] || fail "status $status without a display: killed or crashed"
  expect_eq "lines on stderr" 1 "$(wc -l <"$dir/err")"
  said=$(cat "$dir/err")
  [[ $said == *"$named"* ]] || fail "the line does not name $named: $said"
  if [ "$platform" = nonexistent ]; then
    [[ $said != *DISPLAY* ]] || fail "the line blames DISPLAY: $said"
  fi
  expect_eq "stdout" "" "$(cat "$dir/out")"
  expect_eq "files left in the working folder" "err out" "$(ls "$dir" | tr '\n' ' ' | sed 's/ $//')"
  note "it said: $said"
done
note "passed"
