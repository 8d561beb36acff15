#!/usr/bin/env bash
# Pasting from the clipboard: from an owner that answers, with Ctrl+V and
# Shift+Insert; and from one that has stopped, where the paste gives up
# within a second while typed keys, signals and second starts go on.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# field_reads TEXT: the focused field reads TEXT in full (see type_and_read).
field_reads() {
  keys End shift+Home
  wait_for "the focused field to read '$1'" primary_is "$1"
  keys End
}

# own_clipboard TEXT: a new xclip holds TEXT on the clipboard; OWNER is its pid.
own_clipboard() {
  printf '%s' "$1" | xclip -i -selection clipboard -quiet &
  OWNER=$!
  EXTRA_PIDS+=("$OWNER")
  wait_for "the owner to hold the clipboard" clipboard_is "$1"
}

# A sanitizer build spends seconds on its leak check at exit.
EXIT_BOUND=1
if [ -n "${ASAN_OPTIONS:-}" ] || nm -D "$APP" 2>/dev/null | grep -q __asan_init; then
  EXIT_BOUND=5
fi

start_app
wait_main_window
focus "$MAIN"

note "an owner that answers"
own_clipboard 42.5
keys ctrl+v
field_reads 42.5
keys shift+Insert
field_reads 42.542.5
# The answer is taken as UTF-8, and replaces the selection.
own_clipboard "1½"
keys ctrl+a ctrl+v
field_reads "1½"
keys ctrl+a BackSpace

note "an owner that has stopped"
own_clipboard "held by a stopped owner"
kill -STOP "$OWNER"
keys ctrl+v
type_text 77
# The paste gives up after a second; the digits then land, in order.
E2E_DEADLINE=2 field_reads 77
keys ctrl+v
start_second_copy
field_reads 77

keys ctrl+v
sleep 0.3
kill -TERM "$APP_PID"
E2E_DEADLINE=$EXIT_BOUND expect_exit "$APP_PID" 0 "SIGTERM while a paste waits"
APP_PID=""
kill -CONT "$OWNER"
note "passed"
