#!/usr/bin/env bash
# The keyboard reaches what the mouse does: Tab goes on from the buttons to
# the three results and the web link, Space or Return on one does what a
# click does, and Escape closes the About window.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

start_app
wait_main_window
focus "$MAIN"
calculate 12.5 200

note "Tab to the amount, Space copies it"
# From the value field: Calculate, Clear, Launch calculator, the amount.
keys Tab Tab Tab Tab space
expect_clipboard 25.00
note "Tab to the sum, Return copies it; then the difference"
keys Tab Return
expect_clipboard 225.00
keys Tab space
expect_clipboard 175.00
note "Tab to the web link, Space opens it"
keys Tab space
wait_for "the web link's request" file_has_lines "$XDG_OPEN_LOG" 1
expect_eq "web link's address" "http://www.example.com" "$(sed -n 1p "$XDG_OPEN_LOG")"
note "Tab comes round to the percentage field"
keys Tab
type_and_read 7 7

note "Escape closes the About window"
keys alt+f
sleep 0.3
keys Down Return
wait_for "the About window" has_windows_titled About 1
ABOUT=$(windows_titled About)
focus "$ABOUT"
note "Tab reaches the About window's links: the second is the web site"
keys Tab Tab Return
wait_for "the web link's request" file_has_lines "$XDG_OPEN_LOG" 2
expect_eq "About web link" "http://www.example.com" "$(sed -n 2p "$XDG_OPEN_LOG")"
keys Escape
wait_for "the About window to close" has_windows_titled About 0
expect_running "after Escape in the About window"
note "passed"
