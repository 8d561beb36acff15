#!/usr/bin/env bash
# Typing a percentage and a value, copying each result with a click, Clear,
# and quitting with Ctrl+Q.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

start_app
wait_main_window
window_geometry "$MAIN"
expect_eq "main window width" "$MAIN_WIDTH" "$WW"
menu_bar=$((WH - MAIN_HEIGHT))
if [ "$menu_bar" -lt 10 ] || [ "$menu_bar" -gt 40 ]; then
  fail "a menu bar of 10 to 40 pixels above the content, got $menu_bar"
fi
screen_width=$(xdotool getdisplaygeometry | cut -d' ' -f1)
expect_eq "main window's left edge (centred)" $(((screen_width - WW) / 2)) "$WX"
focus "$MAIN"

# percentage, value, then the amount, sum and difference as copied.
rows=(
  "12.5 200 25.00 225.00 175.00"
  "150 20 30.00 50.00 -10.00"
  "10 -50 -5.00 -55.00 -45.00"
)
previous=""
for row in "${rows[@]}"; do
  read -r percent value amount plus minus <<<"$row"
  note "$percent% of $value"
  if [ -n "$previous" ]; then
    click_main "${BTN_CLEAR[@]}"
    # Empty result lines copy nothing.
    click_main "${ST_AMOUNT[@]}"
    click_main "${ST_MINUS[@]}"
  fi
  # Clear leaves the focus in the emptied percentage field, Return moves it
  # to the emptied value field.
  type_and_read "$percent" "$percent"
  expect_eq "clipboard after Clear and clicks on empty results" "$previous" "$(clipboard)"
  keys Return
  type_and_read "$value" "$value"
  keys Return
  click_main "${ST_AMOUNT[@]}"
  expect_clipboard "$amount"
  click_main "${ST_PLUS[@]}"
  expect_clipboard "$plus"
  click_main "${ST_MINUS[@]}"
  expect_clipboard "$minus"
  if [ -z "$previous" ]; then
    shot main-window-after-calculation "$MAIN"
  fi
  previous=$minus
done

# The Calculate button computes what the fields hold now, without Return.
click_main "${BTN_CLEAR[@]}"
type_and_read 50 50
click_main "${EDVALUE[@]}"
type_and_read 30 30
click_main "${BTN_CALC[@]}"
click_main "${ST_PLUS[@]}"
expect_clipboard 45.00

keys ctrl+q
expect_exit "$APP_PID" 0 "Ctrl+Q"
APP_PID=""
note "passed"
