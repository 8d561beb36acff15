#!/usr/bin/env bash
# With no window manager to keep a modal window above the window it blocks,
# a second start must not raise the blocked main window over the About
# window: the program would look frozen.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

start_app
wait_main_window
focus "$MAIN"
# A copied result makes the program the clipboard's owner: each read of the
# clipboard is then a round trip through its event loop.
calculate 12.5 200
click_main "${ST_PLUS[@]}"
expect_clipboard 225.00
keys alt+f
# Quit comes first, About second.
keys Down Return
wait_for "the About window" has_windows_titled About 1
ABOUT=$(windows_titled About)
wait_for "the About window above the main window" is_above "$ABOUT" "$MAIN"

start_second_copy
# The program handles its events in order: once it answers a read of the
# clipboard it has handled the request and sent what it did to the server.
expect_clipboard 225.00
is_above "$ABOUT" "$MAIN" || fail "the main window covers the About window (top down: $LAST_SEEN)"

close_window "$ABOUT"
wait_for "the About window to close" has_windows_titled About 0
focus "$MAIN"
keys ctrl+q
expect_exit "$APP_PID" 0 "Ctrl+Q"
APP_PID=""
note "passed"
