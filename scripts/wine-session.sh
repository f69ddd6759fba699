# Sourced after wine-env.sh: a private Xvfb when no display is set, and one persistent
# wineserver whose background services start away from the caller's output pipes
# (ctest would otherwise wait on them). Both end when the sourcing script exits.
start_wine_session() {
  local screen="${1:-1280x1024x24}"
  if [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 90 120); do [ -e "/tmp/.X11-unix/X$n" ] || { display=":$n"; break; }; done
    Xvfb "$display" -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY="$display"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
  fi
  wineserver -p
  trap 'wineserver -k 2>/dev/null || true; [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT
  wine cmd /c exit </dev/null >/dev/null 2>&1
}
