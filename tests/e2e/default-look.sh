#!/usr/bin/env bash
# At the default font and theme the windows look exactly as the pictures in
# golden/ show them: the main window empty and with results, the About
# window. Run with E2E_UPDATE_GOLDEN=1 to write the pictures anew.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

GOLDEN="$E2E_DIR/golden"
ARTIFACTS=${E2E_ARTIFACTS:-$WORK}

# The window's pixels equal the picture NAME; none has the keyboard focus,
# so no caret blinks into the picture.
expect_look() {
  local name=$1 window=$2
  unfocus
  # The program repaints after losing the focus; a shot that matches twice
  # running is what it settled to.
  wait_for "window $window to settle" settled "$window"
  if [ "${E2E_UPDATE_GOLDEN:-0}" = 1 ]; then
    python3 "$E2E_DIR/x11.py" shot "$window" "$GOLDEN/$name.png"
    note "wrote golden/$name.png"
    return
  fi
  mkdir -p "$ARTIFACTS"
  python3 "$E2E_DIR/x11.py" same "$window" "$GOLDEN/$name.png" "$ARTIFACTS/$name-actual.png" ||
    fail "$name differs from golden/$name.png (see $ARTIFACTS/$name-actual.png)"
  note "$name as in golden/$name.png"
}

unfocus() {
  xdotool windowfocus --sync "$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')"
}

settled() {
  python3 "$E2E_DIR/x11.py" shot "$1" "$WORK/a.png"
  sleep 0.2
  python3 "$E2E_DIR/x11.py" same "$1" "$WORK/a.png" >/dev/null
}

start_app
wait_main_window
expect_look main-empty "$MAIN"

focus "$MAIN"
calculate 12.5 200
expect_look main-results "$MAIN"

focus "$MAIN"
keys alt+f
sleep 0.3
keys Down Return
wait_for "the About window" has_windows_titled About 1
ABOUT=$(windows_titled About)
expect_look about "$ABOUT"
note "passed"
