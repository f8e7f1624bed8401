# Sourced by the scripts: start_xvfb starts a private virtual display on a free
# number and exports DISPLAY; stop_xvfb ends it (also on exit, through a trap).
_kv_xvfb_pid=""
start_xvfb() {
  local n
  # A Wine session left from an earlier run would keep its desktop on another display.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      _kv_xvfb_pid=$!
      for _ in $(seq 50); do
        if xdpyinfo -display ":$n" >/dev/null 2>&1; then
          export DISPLAY=":$n"
          trap stop_xvfb EXIT
          return 0
        fi
        kill -0 "$_kv_xvfb_pid" 2>/dev/null || break
        sleep 0.1
      done
    fi
  done
  echo "could not start Xvfb" >&2
  return 1
}
stop_xvfb() {
  if [ -n "$_kv_xvfb_pid" ]; then
    wineserver -k >/dev/null 2>&1 || true
    kill "$_kv_xvfb_pid" 2>/dev/null || true
    wait "$_kv_xvfb_pid" 2>/dev/null || true
    _kv_xvfb_pid=""
  fi
}
