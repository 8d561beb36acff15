#!/usr/bin/env bash
# On this desktop no menu bar stays without a window: closing the main
# window ends the program as File > Quit does, with status 0, its socket
# gone and its lock free, whether by the close button, Alt+F4 or wmctrl.
# Closing the About or the message window leaves it running.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
command -v flock >/dev/null || skip "flock is not installed"
start_window_manager

BASE="$XDG_RUNTIME_DIR/ZazudedidIdarero-$(id -u)-${DISPLAY//:/_}"

# The message window: the other window with the program's title.
message_window() {
  windows_titled "$TITLE" | grep -vx "$MAIN"
}

expect_ended_in_order() {  # HOW
  expect_exit "$APP_PID" 0 "the program after $1"
  APP_PID=""
  wait_for "the windows to go" has_windows_titled "$TITLE" 0
  [ -e "$BASE.socket" ] && fail "the socket is left behind after $1"
  flock -n "$BASE.lock" true || fail "the lock is still held after $1"
  expect_eq "what the program said" "" "$(cat "$WORK/app.out" "$WORK/app.err")"
}

start_app
wait_main_window
wait_for "the main window to be active" is_active "$MAIN"

note "closing the About window leaves the program running"
keys alt+f
keys Down Return
wait_for "the About window" has_windows_titled About 1
close_window "$(windows_titled About)"
wait_for "the About window to close" has_windows_titled About 0
wait_for "the main window to be active" is_active "$MAIN"
expect_running "About closed"

note "closing the message window leaves the program running"
click_main "${BTN_LAUNCH[@]}"
wait_for "the message window" has_windows_titled "$TITLE" 2
close_window "$(message_window)"
wait_for "the message window to close" has_windows_titled "$TITLE" 1
# Later events are handled after the close: the program has had its chance
# to end.
focus "$MAIN"
click_main "${EDPERCENT[@]}"
type_and_read 7 7
expect_running "the message closed"

note "the close button"
close_window "$MAIN"
expect_ended_in_order "the close button"

for how in alt+F4 wmctrl; do
  note "$how"
  start_app
  wait_main_window
  wait_for "the main window to be active" is_active "$MAIN"
  if [ "$how" = wmctrl ]; then
    wmctrl -i -c "$MAIN"
  else
    keys "$how"
  fi
  expect_ended_in_order "$how"
done
note "passed"
