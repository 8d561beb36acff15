# Shared by the end-to-end scripts: each script sources this file and calls
# e2e_init with the program's path. Every run gets its own Xvfb, runtime
# folder and data folders, so scripts can run in parallel and never meet a
# desktop's own applications, browser or clipboard.
# Much here is only used by the scripts that source this file.
# shellcheck disable=SC2034
set -euo pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../../scripts/lib/xvfb.sh
source "$E2E_DIR/../../scripts/lib/xvfb.sh"
E2E_NAME=$(basename "$0" .sh)
# Seconds any one awaited condition may take.
E2E_DEADLINE=${E2E_DEADLINE:-10}
TITLE="Zazudedid Idarero"
# The main window's content area; the menu bar sits above it.
MAIN_WIDTH=490
MAIN_HEIGHT=149

APP=""
APP_PID=""
WORK=""
XVFB_PID=""
EXTRA_PIDS=()

note() { printf -- '-- %s\n' "$*"; }

fail() {
  printf 'FAIL: %s\n' "$*" >&2
  exit 1
}

skip() {
  printf 'SKIP: %s\n' "$*" >&2
  exit 77
}

expect_eq() {  # what expected actual
  [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

# wait_for WHAT COMMAND...: polls COMMAND until it succeeds, or fails the
# test once the deadline has passed.
wait_for() {
  local what=$1
  shift
  local end=$(($(date +%s%N) + E2E_DEADLINE * 1000000000))
  LAST_SEEN=""
  until "$@"; do
    if [ "$(date +%s%N)" -gt "$end" ]; then
      fail "waited ${E2E_DEADLINE}s for $what${LAST_SEEN:+ (last seen: '$LAST_SEEN')}"
    fi
    sleep 0.05
  done
}

# --- set-up and clean-up -----------------------------------------------------

e2e_init() {
  APP=$(realpath "${1:?usage: $0 PATH-TO-PROGRAM}")
  [ -x "$APP" ] || fail "not an executable: $APP"
  local tool
  for tool in Xvfb xdotool xclip python3 timeout; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
  done
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/e2e-$E2E_NAME.XXXXXX")
  trap e2e_cleanup EXIT
  trap 'exit 143' TERM
  trap 'exit 130' INT
  start_xvfb
  private_environment
}

start_xvfb() {
  start_private_xvfb "$WORK" || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
  note "Xvfb on $DISPLAY"
}

# start_window_manager: openbox on this script's display, for the tests where
# window behaviour matters; returns once it manages the screen. Without
# /usr/share in XDG_DATA_DIRS it finds no theme and exits; without
# --sm-disable it may exit at start.
start_window_manager() {
  command -v openbox >/dev/null || skip "openbox is not installed"
  XDG_DATA_DIRS="/usr/share" openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  EXTRA_PIDS+=($!)
  wait_for "openbox to manage the screen" window_manager_running
  # It names itself before its event loop runs, and a window mapped in
  # between is never framed: wait until it frames a probe window.
  wait_for "openbox to frame a window" frames_a_probe
  note "openbox runs"
}

# start_marco: marco instead of openbox, for the tests where the window
# manager's focus-stealing prevention matters: it refuses an activation that
# is older than the user's last action in another window. It reads its
# settings' schemas from /usr/share and keeps them in memory.
start_marco() {
  command -v marco >/dev/null || skip "marco is not installed"
  GSETTINGS_BACKEND=memory XDG_DATA_DIRS=/usr/share marco --replace --no-composite \
    >"$WORK/marco.log" 2>&1 &
  EXTRA_PIDS+=($!)
  wait_for "marco to manage the screen" window_manager_running
  wait_for "marco to frame a window" frames_a_probe
  note "marco runs"
}

# frames_a_probe: maps a small window and reports whether the window manager
# framed it within a second; the window is gone again either way.
frames_a_probe() {
  xmessage -geometry 10x10+0+0 probe 2>/dev/null &
  local probe=$! framed=1 tries w
  for tries in $(seq 20); do
    w=$(windows_titled xmessage)
    if [ -n "$w" ] && [ "$(wm_state "$w")" = Normal ]; then
      framed=0
      break
    fi
    sleep 0.05
  done
  stop_process "$probe"
  # The next probe, or a test's own xmessage, must not meet this one.
  for tries in $(seq 40); do
    [ -z "$(timeout 2 xdotool search --name '^xmessage$' 2>/dev/null)" ] && break
    sleep 0.05
  done
  return "$framed"
}

window_manager_running() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

private_environment() {
  export XDG_RUNTIME_DIR="$WORK/runtime"
  mkdir -m 0700 "$XDG_RUNTIME_DIR"
  export HOME="$WORK/home"
  export XDG_CONFIG_HOME="$HOME/.config"
  export XDG_DATA_HOME="$WORK/data-home"
  export XDG_DATA_DIRS="$WORK/data-dirs/one:$WORK/data-dirs/two"
  mkdir -p "$HOME" "$XDG_DATA_HOME/applications" "$WORK/data-dirs/one/applications" \
    "$WORK/data-dirs/two/applications"
  export QT_QPA_PLATFORM=xcb
  # A desktop name changes Qt's default font and how it opens URLs.
  unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION \
    GNOME_DESKTOP_SESSION_ID WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS \
    BROWSER DEFAULT_BROWSER QT_SCALE_FACTOR QT_FONT_DPI
  # The desktop's URL opener, replaced by one that only records.
  mkdir -p "$WORK/bin"
  XDG_OPEN_LOG="$WORK/xdg-open.log"
  cat >"$WORK/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>"$XDG_OPEN_LOG"
EOF
  chmod +x "$WORK/bin/xdg-open"
  export PATH="$WORK/bin:$PATH"
}

e2e_cleanup() {
  local status=$?
  trap - EXIT TERM INT
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    failure_report
  fi
  local pid
  for pid in "${EXTRA_PIDS[@]}" $APP_PID; do
    stop_process "$pid"
  done
  stop_process "$XVFB_PID"
  if [ -n "$WORK" ]; then
    rm -rf "$WORK"
  fi
  exit "$status"
}

stop_process() {
  local pid=$1
  [ -n "$pid" ] || return 0
  kill -TERM "$pid" 2>/dev/null || return 0
  local tries=50
  while [ "$tries" -gt 0 ] && ! has_exited "$pid"; do
    sleep 0.1
    tries=$((tries - 1))
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

failure_report() {
  local dir=${E2E_ARTIFACTS:-${TMPDIR:-/tmp}}
  mkdir -p "$dir"
  if [ -n "${DISPLAY:-}" ] && [ -n "$XVFB_PID" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
    local shot
    if command -v import >/dev/null; then
      shot="$dir/$E2E_NAME-failure.png"
      timeout 10 import -window root "$shot" 2>/dev/null || shot=""
    elif command -v xwd >/dev/null; then
      shot="$dir/$E2E_NAME-failure.xwd"
      timeout 10 xwd -root -silent -out "$shot" 2>/dev/null || shot=""
    fi
    [ -n "${shot:-}" ] && echo "screen at the failure: $shot" >&2
  fi
  local log
  for log in "$WORK"/*.out "$WORK"/*.err; do
    [ -s "$log" ] || continue
    echo "--- $(basename "$log"):" >&2
    head -c 4000 "$log" >&2
  done
}

# --- the program -------------------------------------------------------------

# start_app: starts the program in the background; its output goes to
# app.out and app.err in the work folder, its pid to APP_PID.
start_app() {
  "$APP" >"$WORK/app.out" 2>"$WORK/app.err" &
  APP_PID=$!
}

# A reaped or zombie process has exited; kill -0 still reaches a zombie.
has_exited() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
  # The state follows the command name, which is in parentheses.
  stat=${stat##*) }
  [[ $stat == Z* ]]
}

# wait_exit PID: waits for a child process to end and sets EXIT_STATUS.
# Not in a command substitution: a subshell cannot wait for its parent's
# children.
wait_exit() {
  wait_for "process $1 to exit" has_exited "$1"
  EXIT_STATUS=0
  wait "$1" || EXIT_STATUS=$?
}

# expect_exit PID STATUS WHAT: the process ends with STATUS within the deadline.
expect_exit() {
  wait_exit "$1"
  expect_eq "exit status of $3" "$2" "$EXIT_STATUS"
}

expect_running() {
  has_exited "$APP_PID" && fail "the program ended while it should run ($1)"
  return 0
}

# --- windows -----------------------------------------------------------------

# Visible windows whose title is exactly $1.
windows_titled() {
  timeout 2 xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true
}

# All visible windows of the display, menus included.
visible_windows() {
  timeout 2 xdotool search --onlyvisible --class '.' 2>/dev/null || true
}

count_lines() {
  if [ -z "$1" ]; then echo 0; else printf '%s\n' "$1" | wc -l; fi
}

has_windows_titled() {  # TITLE COUNT
  [ "$(count_lines "$(windows_titled "$1")")" -eq "$2" ]
}

# wait_main_window: sets MAIN to the main window once it is mapped.
wait_main_window() {
  wait_for "the main window" has_windows_titled "$TITLE" 1
  MAIN=$(windows_titled "$TITLE")
}

# Sets WX WY WW WH to a window's position and size on the screen. Not
# xdotool's: under a window manager its position is off by the frame.
window_geometry() {
  local info
  info=$(timeout 2 xwininfo -id "$1") || fail "no geometry for window $1"
  WX=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  WY=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  WW=$(sed -n 's/^ *Width: *//p' <<<"$info")
  WH=$(sed -n 's/^ *Height: *//p' <<<"$info")
}

# Without a window manager nobody moves the keyboard focus: the program
# only sees a window become active when the X focus enters it. Do not focus
# a window that a modal one blocks: the focus would stay there after the
# modal closes, and the window would never become active again.
focus() {
  timeout 5 xdotool windowfocus --sync "$1" || fail "could not focus window $1"
}

# click WINDOW CONTENT_HEIGHT X Y: a left click at X,Y of the window's
# content area, which is the bottom CONTENT_HEIGHT pixels of the window.
click() {
  local WX WY WW WH
  window_geometry "$1"
  local top=$((WY + WH - $2))
  xdotool mousemove "$((WX + $3))" "$((top + $4))" click 1
}

# click_main X Y: a click at X,Y of the main window's content area, below
# the menu bar.
click_main() {
  click "$MAIN" "$MAIN_HEIGHT" "$1" "$2"
}

type_text() {
  xdotool type --delay 15 -- "$1"
}

keys() {
  xdotool key --delay 15 "$@"
}

# The controls of the main window, as points inside them.
EDPERCENT=(152 24)
EDVALUE=(262 24)
BTN_CALC=(359 24)
BTN_CLEAR=(440 24)
ST_AMOUNT=(394 55)
ST_PLUS=(394 87)
ST_MINUS=(394 119)
BTN_LAUNCH=(90 87)
LINK=(60 120)

# calculate PERCENT VALUE: types both numbers as a person does, Return after
# each, starting from an empty percentage field that has the focus.
calculate() {
  type_text "$1"
  keys Return
  type_text "$2"
  keys Return
}

# expect_icon WINDOW WHAT: the window carries the application picture, 48 px
# square, as its icon, which title bars and task bars show.
expect_icon() {
  local icon
  icon=$(timeout 2 xprop -id "$1" _NET_WM_ICON 2>/dev/null) || true
  icon=${icon%%$'\n'*}
  [[ $icon == *"Icon (48 x 48)"* ]] || fail "the icon of $2: '$icon'"
}

# --- selections --------------------------------------------------------------

clipboard() {
  timeout 2 xclip -o -selection clipboard 2>/dev/null || true
}

primary() {
  timeout 2 xclip -o -selection primary 2>/dev/null || true
}

clipboard_is() {
  LAST_SEEN=$(clipboard)
  [ "$LAST_SEEN" = "$1" ]
}

primary_is() {
  LAST_SEEN=$(primary)
  [ "$LAST_SEEN" = "$1" ]
}

expect_clipboard() {
  wait_for "'$1' on the clipboard" clipboard_is "$1"
}

# type_and_read TYPED EXPECTED: types into the focused entry field and
# checks that the field then reads EXPECTED in full. Selecting the whole
# text makes it the PRIMARY selection; since the program handles input in
# order, seeing it also proves every earlier event has been handled.
type_and_read() {
  type_text "$1"
  keys End shift+Home
  wait_for "the focused field to read '$2'" primary_is "$2"
  keys End
}

# --- files -------------------------------------------------------------------

file_has_lines() {  # FILE COUNT
  [ -f "$1" ] && [ "$(wc -l <"$1")" -ge "$2" ]
}

# --- pictures for people -------------------------------------------------------

# shot NAME WINDOW: keeps a picture of the window when E2E_SHOTS names a
# folder; runs that do not ask for pictures take none.
shot() {
  [ -n "${E2E_SHOTS:-}" ] || return 0
  mkdir -p "$E2E_SHOTS"
  if command -v import >/dev/null; then
    import -window "$2" "$E2E_SHOTS/$1.png"
  elif command -v xwd >/dev/null; then
    xwd -id "$2" -silent -out "$E2E_SHOTS/$1.xwd"
  fi
}

# --- what xdotool cannot do ----------------------------------------------------

# close_window WINDOW: what a window manager's close button does.
close_window() {
  timeout "$E2E_DEADLINE" python3 "$E2E_DIR/x11.py" close "$1"
}

cursor_name() {
  timeout "$E2E_DEADLINE" python3 "$E2E_DIR/x11.py" cursor
}

# --- stacking, states and focus ----------------------------------------------

# The running copy's lock and socket, less ".lock" and ".socket": named by
# the program, the user and the display, as the program names them.
instance_base() {
  echo "$XDG_RUNTIME_DIR/$(basename "$APP")-$(id -u)-${DISPLAY//[^A-Za-z0-9.]/_}"
}

# start_second_copy: a second program hands its re-open request to the
# running one and ends at once with status 0, quietly.
start_second_copy() {
  "$APP" >"$WORK/second.out" 2>"$WORK/second.err" &
  local pid=$!
  expect_exit "$pid" 0 "a second start"
  expect_eq "the second start's output" "" "$(cat "$WORK/second.out" "$WORK/second.err")"
}

# The active window by the window manager's word (decimal), or nothing.
active_window() {
  timeout 2 xdotool getactivewindow 2>/dev/null || true
}

is_active() {
  LAST_SEEN=$(active_window)
  [ "$LAST_SEEN" = "$1" ]
}

# wm_state WINDOW: Normal or Iconic, as the window manager set it.
wm_state() {
  timeout 2 xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'
}

has_wm_state() {  # WINDOW STATE
  LAST_SEEN=$(wm_state "$1")
  [ "$LAST_SEEN" = "$2" ]
}

# transient_for WINDOW: the window it is transient for (decimal), or nothing.
transient_for() {
  local id
  id=$(timeout 2 xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | sed -n 's/.*window id # //p')
  [ -z "$id" ] || printf '%d\n' "$id"
}

# Top-level windows from the top down (decimal): the window manager's
# stacking list when one runs, else the X server's order of the root's
# children, which xwininfo prints topmost first.
stacking_top_down() {
  local id
  if window_manager_running; then
    timeout 2 xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' '\n' | tac
  else
    timeout 2 xwininfo -root -children | awk '$1 ~ /^0x/ {print $1}'
  fi | while read -r id; do printf '%d\n' "$id"; done
}

# is_above UPPER LOWER: UPPER is stacked above LOWER.
is_above() {
  local order
  order=$(stacking_top_down)
  LAST_SEEN=$(tr "\n" " " <<<"$order")
  [ "$(printf '%s\n' "$order" | grep -x -m1 -e "$1" -e "$2")" = "$1" ]
}
