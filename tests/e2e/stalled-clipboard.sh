#!/usr/bin/env bash
# A clipboard owner that has stopped answering: the Edit menu still opens at
# once, from the keyboard and with a click, its items act on the field, and
# the window goes on working.
# Deciding which Edit items are available must not wait for the clipboard's
# contents, which the owner would never send.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# A hang shows as a menu that has not opened after this long; an answering
# program opens it within a frame.
MENU_BOUND=3

more_windows_than() {
  [ "$(count_lines "$(visible_windows)")" -gt "$1" ]
}

not_more_windows_than() {
  ! more_windows_than "$1"
}

# The menu that opened last: its left edge tells File's from Edit's, which
# stands to its right.
edit_menu_is_open() {
  local WX WY WW WH menu main_x
  window_geometry "$MAIN"
  main_x=$WX
  for menu in $(visible_windows); do
    [ "$menu" = "$MAIN" ] && continue
    window_geometry "$menu"
    [ "$WX" -gt $((main_x + 20)) ] && return 0
  done
  return 1
}

# open_edit WHAT KEYS-OR-CLICK...: opens the Edit menu and fails unless it
# shows within the bound.
open_edit() {
  local what=$1 before
  shift
  before=$(count_lines "$(visible_windows)")
  "$@"
  E2E_DEADLINE=$MENU_BOUND wait_for "the Edit menu ($what) with the clipboard's owner stopped" \
    more_windows_than "$before"
  edit_menu_is_open || fail "$what opened another menu than Edit"
  # The first Escape closes the menu, the second gives the keyboard back to
  # the field; sent before the menu has gone, it would reach the menu.
  keys Escape
  wait_for "the Edit menu to close" not_more_windows_than "$before"
  keys Escape
}

click_edit_title() {
  local WX WY WW WH
  window_geometry "$MAIN"
  # "File" is the first title of the menu bar, "Edit" the second.
  xdotool mousemove "$((WX + 48))" "$((WY + 9))" click 1
}

start_app
wait_main_window
focus "$MAIN"
type_and_read 12.5 12.5

note "a clipboard owner that stops"
printf 'held by a stopped owner' | xclip -i -selection clipboard -quiet &
OWNER=$!
EXTRA_PIDS+=("$OWNER")
wait_for "the owner to hold the clipboard" clipboard_is "held by a stopped owner"
kill -STOP "$OWNER"

open_edit "Alt+E" keys alt+e
open_edit "a click" click_edit_title
# Leaving the window and coming back refreshes the menus as well.
focus "$MAIN"
open_edit "Alt+E after the window was activated again" keys alt+e

note "the window goes on"
# Edit > Copy from the keyboard copies the field's selection, which the menu
# bar leaves in place when it takes the keyboard; the program then owns the
# clipboard, and the stopped owner is out of the way.
keys End shift+Home alt+e
wait_for "the Edit menu" edit_menu_is_open
keys c
expect_clipboard 12.5
keys End
type_and_read 5 12.55
keys Return
type_and_read 200 200
keys Return
click_main "${ST_PLUS[@]}"
expect_clipboard 225.10

kill -CONT "$OWNER"
keys ctrl+q
expect_exit "$APP_PID" 0 "Ctrl+Q"
APP_PID=""
note "passed"
