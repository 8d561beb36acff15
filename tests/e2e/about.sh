#!/usr/bin/env bash
# File > About: a modal About window that blocks the main window, whose own
# links work, that closes with its close button and that opens anew; a
# SIGTERM while it is up still ends the program cleanly.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

ABOUT_WIDTH=356
ABOUT_HEIGHT=164

more_windows_than() {
  [ "$(count_lines "$(visible_windows)")" -gt "$1" ]
}

open_about() {
  local before
  before=$(count_lines "$(visible_windows)")
  focus "$MAIN"
  keys alt+f
  wait_for "the File menu" more_windows_than "$before"
  # Quit comes first, About second.
  keys Down Return
  wait_for "the About window" has_windows_titled About 1
  ABOUT=$(windows_titled About)
  window_geometry "$ABOUT"
  expect_eq "About window size" "${ABOUT_WIDTH}x$ABOUT_HEIGHT" "${WW}x$WH"
  expect_icon "$ABOUT" "the About window"
}

start_app
wait_main_window
expect_icon "$MAIN" "the main window"
focus "$MAIN"
calculate 12.5 200

open_about
shot about-window "$ABOUT"

note "the main window is blocked"
# Press the part of Clear that the About window leaves uncovered.
clear_x=462
window_geometry "$MAIN"
main_x=$WX
window_geometry "$ABOUT"
[ $((main_x + clear_x)) -ge $((WX + WW)) ] || fail "the About window covers the Clear button"
click_main "$clear_x" "${BTN_CLEAR[1]}"
# The keyboard stays with the About window, as it would under a window
# manager; Quit's shortcut must not reach past it.
focus "$ABOUT"
keys ctrl+q

note "the About window's links"
click "$ABOUT" "$ABOUT_HEIGHT" 40 110
wait_for "the mail link's request" file_has_lines "$XDG_OPEN_LOG" 1
click "$ABOUT" "$ABOUT_HEIGHT" 40 134
wait_for "the web link's request" file_has_lines "$XDG_OPEN_LOG" 2
mail=$(sed -n 1p "$XDG_OPEN_LOG")
[[ $mail =~ ^mailto:[^[:space:]@]+@[^[:space:]@]+$ ]] || fail "mail link handed '$mail'"
expect_eq "web link's address" "http://www.example.com" "$(sed -n 2p "$XDG_OPEN_LOG")"

note "closing the About window"
close_window "$ABOUT"
wait_for "the About window to close" has_windows_titled About 0
expect_running "Ctrl+Q while the About window was up"
focus "$MAIN"
# Clear did not get through: the results and the fields are as they were.
click_main "${ST_MINUS[@]}"
expect_clipboard 175.00
click_main "${EDVALUE[@]}"
type_and_read 0 2000
keys Return
click_main "${ST_MINUS[@]}"
expect_clipboard 1750.00
expect_running "after the About window closed"

note "a second About window; SIGTERM while it is up"
open_about
kill -TERM "$APP_PID"
expect_exit "$APP_PID" 0 "SIGTERM with the About window up"
APP_PID=""
note "passed"
