#!/usr/bin/env bash
# One program per user and display: a second start hands a re-open request
# to the running one over a socket in XDG_RUNTIME_DIR and ends; the socket
# is the owner's alone, ignores what is not a request, survives a client
# that hangs up before its answer, and a stale one left by a dead program
# does not stop a new start.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

SOCKET="$(instance_base).socket"
LOCK="${SOCKET%.socket}.lock"

# client PAYLOAD [SECONDS]: connects, sends PAYLOAD, waits for the program
# to close the connection; prints what came back, then "closed" or "open".
client() {
  python3 - "$SOCKET" "$1" "${2:-$E2E_DEADLINE}" <<'PY'
import socket, sys, time
path, payload, seconds = sys.argv[1], sys.argv[2].encode(), float(sys.argv[3])
s = socket.socket(socket.AF_UNIX)
s.connect(path)
s.sendall(payload)
s.settimeout(0.2)
got, end = b"", time.monotonic() + seconds
while time.monotonic() < end:
    try:
        chunk = s.recv(100)
    except socket.timeout:
        continue
    except ConnectionResetError:
        chunk = b""
    if not chunk:
        print(repr(got), "closed")
        sys.exit(0)
    got += chunk
print(repr(got), "open")
PY
}

# one_main_window TYPED EXPECTED: typing into the percentage field gives
# EXPECTED, which tells a new window from the old one, and once the program
# has handled that, there is still exactly one main window.
one_main_window() {
  focus "$MAIN"
  click_main "${EDPERCENT[@]}"
  keys End
  type_and_read "$1" "$2"
  expect_eq "main windows" 1 "$(count_lines "$(windows_titled "$TITLE")")"
}

socket_mode_is_private() {
  [ -S "$SOCKET" ] || fail "no socket at $SOCKET; the folder holds: $(ls -A "$XDG_RUNTIME_DIR")"
  expect_eq "socket's mode" "srw-------" "$(stat -c %A "$SOCKET")"
  expect_eq "socket's owner" "$(id -u)" "$(stat -c %u "$SOCKET")"
}

# A local socket needs no network library (and its nine dependencies).
if command -v ldd >/dev/null && ldd "$APP" | grep -q 'libQt6Network'; then
  fail "the program links QtNetwork"
fi

start_app
wait_main_window
first_main=$MAIN
expect_eq "runtime folder" "$(basename "$LOCK") $(basename "$SOCKET")" \
  "$(ls -A "$XDG_RUNTIME_DIR" | tr '\n' ' ' | sed 's/ $//')"
expect_eq "lock's mode" "-rw-------" "$(stat -c %A "$LOCK")"
socket_mode_is_private

note "second start while the main window is open"
start_second_copy
one_main_window 1 1
expect_eq "main window after the re-open request" "$first_main" "$MAIN"

note "a start after the main window was closed runs afresh"
# Closing the main window ended the program.
close_window "$MAIN"
expect_exit "$APP_PID" 0 "the program after its main window closed"
[ -e "$SOCKET" ] && fail "the socket is left behind after the main window closed"
start_app
wait_main_window
# A new window, with empty fields.
one_main_window 2 2

note "what is not a request is ignored"
expect_eq "answer to a wrong line" "b'' closed" "$(client $'hello\n')"
expect_eq "answer to an endless line" "b'' closed" "$(client "$(printf 'x%.0s' $(seq 200))")"
client "" >"$WORK/idle-client" &
idle=$!
EXTRA_PIDS+=("$idle")
# A silent client that holds its connection does not block a real request.
start_second_copy
wait_exit "$idle"
expect_eq "an idle client's connection" "b'' closed" "$(cat "$WORK/idle-client")"
expect_running "after stray clients"
one_main_window 3 23

note "a client that hangs up before its answer, and SIGPIPE itself"
python3 - "$SOCKET" <<'PY'
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.connect(sys.argv[1])
s.sendall(b"aevt rapp\n")
s.close()
PY
kill -PIPE "$APP_PID"
start_second_copy
expect_running "after a client hung up"
one_main_window 4 234

note "a stale socket left by a program that died"
kill -TERM "$APP_PID"
expect_exit "$APP_PID" 0 SIGTERM
APP_PID=""
rm -f "$SOCKET"
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$SOCKET"
[ -S "$SOCKET" ] || fail "could not leave a stale socket"
start_app
wait_main_window
socket_mode_is_private
start_second_copy
one_main_window 5 5

keys ctrl+q
expect_exit "$APP_PID" 0 "Ctrl+Q"
APP_PID=""
note "passed"
