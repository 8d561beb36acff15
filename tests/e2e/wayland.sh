#!/usr/bin/env bash
# Native Wayland under weston, whose X11 backend runs inside this script's
# Xvfb so that the pointer can reach the title bar that Qt draws: the app id
# names the desktop entry, a second start hands over, and neither the
# maximize button nor the compositor's own maximize ends the program, whose
# window has a fixed size.
# Weston draws in software: on a busy machine a step takes seconds.
E2E_DEADLINE=${E2E_DEADLINE:-30}
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

command -v weston >/dev/null || skip "weston is not installed"
command -v xwd >/dev/null || fail "xwd is not installed (x11-apps)"

SOCKET_NAME=wayland-e2e
weston --backend=x11-backend.so --socket="$SOCKET_NAME" --width=1024 --height=700 \
  --use-pixman --idle-time=0 --no-config >"$WORK/weston.log" 2>&1 &
WESTON_PID=$!
EXTRA_PIDS+=("$WESTON_PID")

weston_output() {
  # xdotool does not find it by name.
  OUTPUT=$(timeout 2 xwininfo -root -children | awk '/"Weston Compositor/ {print $1; exit}')
  [ -n "$OUTPUT" ] && [ -S "$XDG_RUNTIME_DIR/$SOCKET_NAME" ]
}
end=$(($(date +%s) + E2E_DEADLINE))
until weston_output; do
  has_exited "$WESTON_PID" && skip "weston does not start: $(tail -n 3 "$WORK/weston.log")"
  [ "$(date +%s)" -le "$end" ] || skip "weston shows no output within ${E2E_DEADLINE}s"
  sleep 0.1
done
note "weston on $SOCKET_NAME, window $OUTPUT"

# The program sees Wayland only; its protocol messages go to app.err.
run_on_wayland() {
  env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$SOCKET_NAME" "$@"
}

# Weston places a window where it likes. The main window's title bar is
# the first row with a run in the window colour (#efefef) as wide as the
# content; sets TOP, LEFT and RIGHT (past the last column) of its surface,
# or fails when there is none.
find_main() {
  timeout 5 xwd -id "$OUTPUT" -silent -out "$WORK/screen.xwd" || return 1
  local found
  found=$(python3 - "$WORK/screen.xwd" "$MAIN_WIDTH" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
header = struct.unpack(">25I", data[:100])
height, line, colours = header[5], header[12], header[19]
pixels = data[header[0] + colours * 12:]
# Four bytes a pixel: blue, green, red and the server's padding.
pixel = b"\xef\xef\xef" + pixels[3:4]
wide = pixel * int(sys.argv[2])
for y in range(height - 10):
    start = pixels.find(wide, y * line, (y + 1) * line)
    if start >= 0 and start % 4 == 0:
        # Below the rounded corners, beside the title and the buttons.
        row = pixels[(y + 10) * line:(y + 11) * line]
        print(y, row.find(pixel) // 4, row.rfind(pixel) // 4 + 1)
        break
PY
)
  [ -n "$found" ] || return 1
  read -r TOP LEFT RIGHT <<<"$found"
  LAST_SEEN="$((RIGHT - LEFT)) wide at $LEFT,$TOP"
}

# Qt's decoration adds 3 px borders left and right of the content.
at_own_size() {
  find_main && [ "$((RIGHT - LEFT))" -eq $((MAIN_WIDTH + 6)) ]
}

no_protocol_error() {
  if grep -q 'wl_display@1.error\|Protocol error' "$WORK/app.err"; then
    fail "protocol error: $(grep -m1 'error' "$WORK/app.err")"
  fi
}

log_has() {
  grep -q -- "$1" "$WORK/app.err"
}

run_on_wayland WAYLAND_DEBUG=1 "$APP" >"$WORK/app.out" 2>"$WORK/app.err" &
APP_PID=$!
# The layout grows with the font that the session gives, so the window's
# own size is the one it asks for: its first fixed size.
wait_for "the main window's size" log_has 'set_min_size('
MAIN_WIDTH=$(grep -m1 -o 'set_min_size([0-9]*' "$WORK/app.err" | grep -o '[0-9]*$')
wait_for "the main window on weston" at_own_size
note "main window: $LAST_SEEN"
grep -q 'set_app_id("zazudedid-idarero")' "$WORK/app.err" ||
  fail "app id: $(grep -m1 -o 'set_app_id([^)]*)' "$WORK/app.err")"

note "second start"
run_on_wayland "$APP" >"$WORK/second.out" 2>"$WORK/second.err" &
second=$!
expect_exit "$second" 0 "a second start"
expect_eq "the second start's output" "" "$(cat "$WORK/second.out" "$WORK/second.err")"
expect_running "after the second start"

note "the maximize button of the title bar"
# Qt draws close, maximize and minimize from the right, 18 px wide, 5 apart,
# 8 from the edge, in the middle of the title bar.
xdotool mousemove "$((RIGHT - 8 - 18 - 5 - 9))" "$((TOP + 15))" click 1
wait_for "the maximize request" log_has 'set_maximized()'
wait_for "the request to be normal again" log_has 'unset_maximized()'
wait_for "the main window at its own size again" at_own_size
expect_running "after the maximize button"
no_protocol_error

note "the compositor's own maximize (Super+Shift+M)"
before=$(grep -c 'unset_maximized()' "$WORK/app.err")
xdotool mousemove "$((LEFT + 100))" "$((TOP + 15))" click 1
xdotool key super+shift+m
unset_again() {
  [ "$(grep -c 'unset_maximized()' "$WORK/app.err")" -gt "$before" ]
}
wait_for "the program to refuse the maximized state" unset_again
wait_for "the main window at its own size again" at_own_size
expect_running "after the compositor's maximize"
no_protocol_error

note "Ctrl+Q"
xdotool mousemove "$((LEFT + 100))" "$((TOP + 15))" click 1
keys ctrl+q
expect_exit "$APP_PID" 0 "Ctrl+Q on Wayland"
APP_PID=""
no_protocol_error
note "passed"
