# Sourced: start_private_xvfb DIR starts an X server of its own on a free
# display, sets XVFB_PID and exports DISPLAY; it fails (status 1) when no
# display is reported within 10 s. DIR receives display and xvfb.log.
start_private_xvfb() {
  local dir=$1 _
  # -displayfd lets the server pick a free display and say which.
  Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 \
    3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 200); do
    kill -0 "$XVFB_PID" 2>/dev/null || return 1
    # The number is complete once its line ends.
    if [ -s "$dir/display" ] && [ -z "$(tail -c1 "$dir/display")" ]; then
      DISPLAY=":$(head -n1 "$dir/display")"
      export DISPLAY
      return 0
    fi
    sleep 0.05
  done
  return 1
}
