#!/usr/bin/env bash
# With accessibility on, the tree that a screen reader reads: the main window
# is a frame whose fields are named by the texts in front of them and whose
# web link is a link that its press action follows; the About and message
# windows are dialogs.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# Debian's python3, which has the AT-SPI bindings.
PY=/usr/bin/python3
[ -x "$PY" ] && "$PY" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
LAUNCHER=/usr/libexec/at-spi-bus-launcher
[ -x "$LAUNCHER" ] || skip "at-spi2-core is not installed"
command -v dbus-daemon >/dev/null || skip "dbus-daemon is not installed"

# A session bus and an accessibility bus of this test's own. The bus
# launcher reads its settings from the system's schemas, which the private
# data folders hide.
XDG_DATA_DIRS=/usr/share:$XDG_DATA_DIRS dbus-daemon --session --nofork --print-address=3 3>"$WORK/bus" 2>"$WORK/dbus.err" &
EXTRA_PIDS+=($!)
bus_address() { LAST_SEEN=$(head -n1 "$WORK/bus" 2>/dev/null); [ -n "$LAST_SEEN" ]; }
wait_for "the session bus" bus_address
export DBUS_SESSION_BUS_ADDRESS=$LAST_SEEN
XDG_DATA_DIRS=/usr/share:$XDG_DATA_DIRS "$LAUNCHER" --launch-immediately >"$WORK/launcher.out" 2>"$WORK/launcher.err" &
EXTRA_PIDS+=($!)

atspi() {
  timeout 20 "$PY" "$E2E_DIR/atspi.py" "$@"
}
holds() {
  LAST_SEEN=$(atspi expect "$APP_PID" "$1" 2>&1)
}

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_app
wait_main_window
wait_for "the program on the accessibility bus" atspi ready "$APP_PID"

note "the main window"
wait_for "the main window's tree" holds main

note "the link's press action opens the web site"
atspi press "$APP_PID" www.example.com
wait_for "the web link's request" file_has_lines "$XDG_OPEN_LOG" 1
expect_eq "web link's address" "http://www.example.com" "$(sed -n 1p "$XDG_OPEN_LOG")"

note "the About window"
focus "$MAIN"
keys alt+f
sleep 0.3
keys Down Return
wait_for "the About window" has_windows_titled About 1
wait_for "the About window's tree" holds about
keys Escape
wait_for "the About window to close" has_windows_titled About 0

note "the message window"
focus "$MAIN"
click_main "${BTN_LAUNCH[@]}"
wait_for "the message window's tree" holds message
keys Return
note "passed"
