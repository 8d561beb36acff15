#!/usr/bin/env bash
# The main window's link: a pointing finger while the mouse is over it, and
# each press hands the maker's address to the desktop's URL opener.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

cursor_known() {
  LAST_SEEN=$(cursor_name)
  [ -n "$LAST_SEEN" ]
}

cursor_is() {
  LAST_SEEN=$(cursor_name)
  [ "$LAST_SEEN" = "$1" ]
}

point_at() {  # X Y in the main window's content
  local WX WY WW WH
  window_geometry "$MAIN"
  xdotool mousemove "$((WX + $1))" "$((WY + WH - MAIN_HEIGHT + $2))"
}

start_app
wait_main_window
focus "$MAIN"

point_at 250 120
wait_for "a named cursor over the window" cursor_known
plain=$LAST_SEEN
point_at "${LINK[@]}"
wait_for "the pointing finger over the link" cursor_is pointer
point_at 250 120
wait_for "the cursor '$plain' again off the link" cursor_is "$plain"
[ ! -e "$XDG_OPEN_LOG" ] || fail "the link opened something without a press"

click_main "${LINK[@]}"
wait_for "the desktop to be asked to open the address" file_has_lines "$XDG_OPEN_LOG" 1
expect_eq "address handed to xdg-open" "http://www.example.com" "$(cat "$XDG_OPEN_LOG")"
click_main "${LINK[@]}"
wait_for "a second request" file_has_lines "$XDG_OPEN_LOG" 2
expect_eq "requests after two presses" $'http://www.example.com\nhttp://www.example.com' \
  "$(cat "$XDG_OPEN_LOG")"

# No browser: the desktop's opener fails; the program carries on.
cat >"$WORK/bin/xdg-open" <<EOF
#!/bin/sh
printf 'failed %s\n' "\$*" >>"$XDG_OPEN_LOG"
exit 3
EOF
click_main "${LINK[@]}"
wait_for "the failing opener to be asked" file_has_lines "$XDG_OPEN_LOG" 3
expect_running "after the opener failed"
click_main "${EDPERCENT[@]}"
calculate 10 50
click_main "${ST_AMOUNT[@]}"
expect_clipboard "5.00"

keys ctrl+q
expect_exit "$APP_PID" 0 "Ctrl+Q"
APP_PID=""
note "passed"
