#!/usr/bin/env bash
# A second start that no launcher made (no DESKTOP_STARTUP_ID) still brings
# the running window forward over a window that the user typed into just
# before, under a window manager that refuses activations older than the
# user's last action: the start hands over the X server's time as a
# launcher would.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
unset DESKTOP_STARTUP_ID XDG_ACTIVATION_TOKEN
start_marco

# The visible main window of the copy with pid $1.
main_window_of() {
  timeout 2 xdotool search --all --onlyvisible --pid "$1" --name "^$TITLE\$" 2>/dev/null || true
}

has_main_window() {
  [ -n "$(main_window_of "$1")" ]
}

# The window's _NET_WM_USER_TIME, kept on the window that
# _NET_WM_USER_TIME_WINDOW names when it names one.
user_time() {
  local holder
  holder=$(timeout 2 xprop -id "$1" _NET_WM_USER_TIME_WINDOW 2>/dev/null |
    sed -n 's/.*window id # //p')
  timeout 2 xprop -id "${holder:-$1}" _NET_WM_USER_TIME 2>/dev/null | sed -n 's/.* = //p'
}

start_app
wait_for "the main window" has_main_window "$APP_PID"
MAIN=$(main_window_of "$APP_PID")
wait_for "the main window to be active" is_active "$MAIN"

# Another copy with a runtime folder of its own stands for another program:
# a Qt window that takes typing.
mkdir -m 0700 "$WORK/runtime-other"
XDG_RUNTIME_DIR="$WORK/runtime-other" "$APP" >"$WORK/other.out" 2>"$WORK/other.err" &
other=$!
EXTRA_PIDS+=("$other")
wait_for "the other window" has_main_window "$other"
OTHER=$(main_window_of "$other")
xdotool windowmove "$OTHER" 0 0
window_geometry "$MAIN"
xdotool windowmove "$OTHER" "$WX" "$WY"

typed=""
for round in 1 2 3; do
  note "round $round: typing into the other window, then a second start"
  wait_for "the other window to be active" is_active "$OTHER"
  click "$OTHER" "$MAIN_HEIGHT" "${EDPERCENT[@]}"
  before=$(user_time "$OTHER")
  typed="$typed$round"
  type_and_read "$round" "$typed"
  [ "$(user_time "$OTHER")" != "$before" ] || fail "typing left _NET_WM_USER_TIME at '$before'"
  wait_for "the other window above" is_above "$OTHER" "$MAIN"
  start_second_copy
  wait_for "the main window to be active" is_active "$MAIN"
  wait_for "the main window above the other" is_above "$MAIN" "$OTHER"
  # The user goes back to the other window for the next round.
  timeout 5 xdotool windowactivate "$OTHER" 2>/dev/null || true
done
expect_running "after the second starts"
note "passed"
