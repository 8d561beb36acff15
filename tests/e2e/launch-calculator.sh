#!/usr/bin/env bash
# "Launch calculator": a desktop entry named Calculator is started from the
# user's or the system's applications folders, else the entry in the
# Calculator category meant for the current desktop; without one, or when it
# cannot run, a modal message says so and OK (Return) dismisses it. This
# program's own entry, installed and in the category, is never launched.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

MARKER="$WORK/calculator-started"
cat >"$WORK/bin/fake-calculator" <<SCRIPT
#!/bin/sh
echo "args=\$*" >>"$MARKER"
SCRIPT
chmod +x "$WORK/bin/fake-calculator"
# Present but not executable.
printf '#!/bin/sh\n' >"$WORK/bin/broken-calculator"
# Started only by a wrong choice.
WRONG="$WORK/wrong-calculator-started"
cat >"$WORK/bin/wrong-calculator" <<SCRIPT
#!/bin/sh
echo "\$0" >>"$WRONG"
SCRIPT
chmod +x "$WORK/bin/wrong-calculator"
# A desktop of the test's own, which Qt knows nothing about.
export XDG_CURRENT_DESKTOP=ZiTestDesktop:ZiOther

entry() {  # FOLDER EXEC
  cat >"$1/applications/calculator.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Calculator
Exec=$2 %U
ENTRY
}

# The main window computes and copies, so no modal window is in the way.
takes_input() {  # PERCENT VALUE PLUS
  focus "$MAIN"
  click_main "${BTN_CLEAR[@]}"
  calculate "$1" "$2"
  click_main "${ST_PLUS[@]}"
  expect_clipboard "$3"
}

message_shown() {
  local w
  for w in $(windows_titled "$TITLE"); do
    [ "$w" = "$MAIN" ] && continue
    window_geometry "$w"
    if [ "$WW" = 387 ] && [ "$WH" = 146 ]; then
      MESSAGE=$w
      return 0
    fi
  done
  return 1
}

# expect_message WHY: the message window comes up over the main window and
# Return presses its OK button.
expect_message() {
  wait_for "the message window ($1)" message_shown
  expect_eq "windows titled '$TITLE' while the message shows" 2 \
    "$(count_lines "$(windows_titled "$TITLE")")"
  expect_icon "$MESSAGE" "the message window"
  [ -z "${2:-}" ] || shot "$2" "$MESSAGE"
  focus "$MESSAGE"
  keys Return
  wait_for "the message window to close" has_windows_titled "$TITLE" 1
}

start_app
wait_main_window
focus "$MAIN"

note "no Calculator entry"
click_main "${BTN_LAUNCH[@]}"
expect_message "no entry" message-window
takes_input 12.5 200 225.00
[ ! -e "$MARKER" ] || fail "something was launched without an entry"

note "a Calculator entry whose TryExec program is gone"
cat >"$XDG_DATA_HOME/applications/calculator.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Calculator
TryExec=$WORK/bin/uninstalled-calculator
Exec=$WORK/bin/wrong-calculator
ENTRY
click_main "${BTN_LAUNCH[@]}"
expect_message "an entry left behind"
takes_input 12.5 200 225.00
[ ! -e "$WRONG" ] || fail "an entry left behind was launched"

note "entry in XDG_DATA_HOME, pressed twice"
entry "$XDG_DATA_HOME" "$WORK/bin/fake-calculator"
click_main "${BTN_LAUNCH[@]}"
click_main "${BTN_LAUNCH[@]}"
wait_for "two launches" file_has_lines "$MARKER" 2
# The field code stands for files; none are passed.
expect_eq "arguments of the launches" $'args=\nargs=' "$(cat "$MARKER")"
takes_input 10 50 55.00
expect_eq "windows titled '$TITLE'" 1 "$(count_lines "$(windows_titled "$TITLE")")"

note "entry in the second XDG_DATA_DIRS folder only"
rm "$XDG_DATA_HOME/applications/calculator.desktop"
entry "$WORK/data-dirs/two" "$WORK/bin/fake-calculator"
click_main "${BTN_LAUNCH[@]}"
wait_for "a third launch" file_has_lines "$MARKER" 3
takes_input 20 10 12.00
expect_eq "windows titled '$TITLE'" 1 "$(count_lines "$(windows_titled "$TITLE")")"

note "entry whose program cannot run"
entry "$WORK/data-dirs/two" "$WORK/bin/broken-calculator"
click_main "${BTN_LAUNCH[@]}"
expect_message "launch error"
takes_input 50 6 9.00
expect_eq "launches" 3 "$(wc -l <"$MARKER")"

note "no Calculator by name: the one in the category for this desktop"
rm "$WORK/data-dirs/two/applications/calculator.desktop"
category_entry() {  # FOLDER FILE EXEC KEYS
  printf '[Desktop Entry]\nType=Application\nName=%s\nExec=%s\n%s\n' \
    "Calculator of $2" "$3" "$4" >"$1/applications/$2"
}
# Both earlier in the search order than the right one.
category_entry "$XDG_DATA_HOME" a-any.desktop "$WORK/bin/wrong-calculator" \
  "Categories=Utility;Calculator;"
category_entry "$WORK/data-dirs/one" a-other.desktop "$WORK/bin/wrong-calculator" \
  $'Categories=Utility;Calculator;\nOnlyShowIn=SomeOtherDesktop;'
category_entry "$WORK/data-dirs/two" b-ours.desktop "$WORK/bin/fake-calculator %U" \
  "Categories=Utility;Calculator;ZiOther;"
click_main "${BTN_LAUNCH[@]}"
wait_for "a fourth launch" file_has_lines "$MARKER" 4
takes_input 25 8 10.00
[ ! -e "$WRONG" ] || fail "the wrong calculator was launched"
expect_eq "windows titled '$TITLE'" 1 "$(count_lines "$(windows_titled "$TITLE")")"

note "only this program's entry, installed as the install rules do"
rm -f "$XDG_DATA_HOME"/applications/*.desktop "$WORK"/data-dirs/*/applications/*.desktop
# The command is a relative link to the executable, as installed.
ln -s "$(realpath --relative-to="$WORK/bin" "$APP")" "$WORK/bin/zazudedid-idarero"
cp "$(dirname "$0")/../../packaging/zazudedid-idarero.desktop" "$WORK/data-dirs/one/applications/"
# The same entry under another id: only what its Exec starts tells it.
sed 's/^Name=.*/Name=Copy of ours/' "$WORK/data-dirs/one/applications/zazudedid-idarero.desktop" \
  >"$WORK/data-dirs/one/applications/a-copy.desktop"
click_main "${BTN_LAUNCH[@]}"
expect_message "only this program's entry"
takes_input 10 30 33.00

note "this program's entry before another calculator"
category_entry "$WORK/data-dirs/two" z-other.desktop "$WORK/bin/fake-calculator" \
  "Categories=Utility;Calculator;"
click_main "${BTN_LAUNCH[@]}"
# A click launches one entry: the other calculator's, so none of ours.
wait_for "a fifth launch" file_has_lines "$MARKER" 5
takes_input 40 5 7.00
expect_eq "launches" 5 "$(wc -l <"$MARKER")"
expect_eq "windows titled '$TITLE'" 1 "$(count_lines "$(windows_titled "$TITLE")")"

keys ctrl+q
expect_exit "$APP_PID" 0 "Ctrl+Q"
APP_PID=""
note "passed"
