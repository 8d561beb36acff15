#!/usr/bin/env bash
# Under a real window manager a second start brings the main window back
# from wherever it is: restored when minimized, raised and active when other
# windows cover it, and with the launcher's startup id on it. A modal window
# belongs to the window it blocks: it is transient for it, and a second
# start keeps it above and active.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_window_manager

# expect_front WINDOW: WINDOW is active and nothing of ours is above it.
expect_front() {
  wait_for "window $1 to be active" is_active "$1"
  local other
  for other in "${@:2}"; do
    wait_for "window $1 above window $other" is_above "$1" "$other"
  done
}

open_about() {
  keys alt+f
  # Quit comes first, About second.
  keys Down Return
  wait_for "the About window" has_windows_titled About 1
  ABOUT=$(windows_titled About)
}

start_app
wait_main_window
wait_for "the main window to be active" is_active "$MAIN"

note "a second start restores a minimized main window"
xdotool windowminimize "$MAIN"
wait_for "the main window to be minimized" has_wm_state "$MAIN" Iconic
start_second_copy
wait_for "the main window to be restored" has_wm_state "$MAIN" Normal
expect_front "$MAIN"

note "a second start raises a main window that another window covers"
window_geometry "$MAIN"
xmessage -geometry "${WW}x$WH+$WX+$WY" covering 2>/dev/null &
cover=$!
EXTRA_PIDS+=("$cover")
wait_for "the covering window" has_windows_titled xmessage 1
cover_window=$(windows_titled xmessage)
expect_front "$cover_window" "$MAIN"
start_second_copy
expect_front "$MAIN" "$cover_window"
stop_process "$cover"

# centre WINDOW: sets CX CY to the centre of the window on the screen.
centre() {
  window_geometry "$1"
  CX=$((WX + WW / 2)) CY=$((WY + WH / 2))
}

# The main window has left the middle of the screen for its top left.
main_moved() {
  window_geometry "$MAIN"
  LAST_SEEN="$WX,$WY"
  [ "$WX" -lt 200 ] && [ "$WY" -lt 200 ]
}

note "the About window opens over the main window, wherever that is"
# Both windows have the same frame, so their centres meet when the frames'
# centres do.
xdotool windowmove "$MAIN" 60 90
wait_for "the main window to move" main_moved
open_about
centre "$MAIN"
main_x=$CX main_y=$CY
centre "$ABOUT"
[ $(((CX - main_x) ** 2 + (CY - main_y) ** 2)) -le 2 ] ||
  fail "About's centre is at $CX,$CY, the main window's at $main_x,$main_y"

note "the About window is transient for the main window and stays above it"
expect_eq "WM_TRANSIENT_FOR of the About window" "$MAIN" "$(transient_for "$ABOUT")"
expect_front "$ABOUT" "$MAIN"
# A click on the part of the blocked main window that About leaves free.
click_main 462 24
start_second_copy
expect_front "$ABOUT" "$MAIN"

note "with the About window up, a minimized main window comes back with it"
xdotool windowminimize "$MAIN"
wait_for "the main window to be minimized" has_wm_state "$MAIN" Iconic
start_second_copy
wait_for "the main window to be restored" has_wm_state "$MAIN" Normal
wait_for "the About window to be shown" has_wm_state "$ABOUT" Normal
expect_front "$ABOUT" "$MAIN"
close_window "$ABOUT"
wait_for "the About window to close" has_windows_titled About 0
wait_for "the main window to be active" is_active "$MAIN"

note "the message window is transient for the main window"
# No Calculator entry exists: the launch fails with a message.
click_main "${BTN_LAUNCH[@]}"
wait_for "the message window" has_windows_titled "$TITLE" 2
for w in $(windows_titled "$TITLE"); do
  [ "$w" = "$MAIN" ] || MESSAGE=$w
done
expect_eq "WM_TRANSIENT_FOR of the message window" "$MAIN" "$(transient_for "$MESSAGE")"
expect_front "$MESSAGE" "$MAIN"
start_second_copy
expect_front "$MESSAGE" "$MAIN"
keys Return
wait_for "the message window to close" has_windows_titled "$TITLE" 1

wait_for "the main window to be active" is_active "$MAIN"

note "a second start's startup id reaches the window and ends the launch"
timeout 20 python3 "$E2E_DIR/x11.py" startup-messages 15 >"$WORK/startup-messages" &
EXTRA_PIDS+=($!)
wait_for "the startup-message listener" file_has_lines "$WORK/startup-messages" 1
xdotool windowminimize "$MAIN"
wait_for "the main window to be minimized" has_wm_state "$MAIN" Iconic
DESKTOP_STARTUP_ID="e2e-launch-1_TIME0" start_second_copy
wait_for "the launch's end" file_has_lines "$WORK/startup-messages" 2
expect_eq "startup message" "remove: ID=e2e-launch-1_TIME0" "$(sed -n 2p "$WORK/startup-messages")"
expect_eq "the main window's startup id" '"e2e-launch-1_TIME0"' \
  "$(xprop -id "$MAIN" _NET_STARTUP_ID | sed 's/^[^=]*= //')"
wait_for "the main window to be restored" has_wm_state "$MAIN" Normal
expect_front "$MAIN"

keys ctrl+q
expect_exit "$APP_PID" 0 "Ctrl+Q"
APP_PID=""
note "passed"
