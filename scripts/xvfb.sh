# Sourced: starts a private Xvfb on a free display and exports DISPLAY.
# The screen is 1600x1000, or as large as the Wine desktop at HALVO_WINE_DPI.
# stop_xvfb ends it again (only the server this shell started).
start_xvfb() {
  local n dpi=${HALVO_WINE_DPI:-96}
  local size=$((1600 * dpi / 96))x$((1000 * dpi / 96))
  for n in $(seq 90 140); do
    [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
    Xvfb :$n -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    HALVO_XVFB_PID=$!
    for _ in $(seq 1 100); do
      [ -e /tmp/.X11-unix/X$n ] && { export DISPLAY=:$n; return 0; }
      kill -0 "$HALVO_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

stop_xvfb() {
  [ -n "${HALVO_XVFB_PID:-}" ] && kill "$HALVO_XVFB_PID" 2>/dev/null && wait "$HALVO_XVFB_PID" 2>/dev/null
  HALVO_XVFB_PID=
}
