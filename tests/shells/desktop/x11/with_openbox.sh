#!/bin/sh
# Runs a command on the current X display (a virtual one, from xvfb-run)
# under the openbox window manager, as on a real desktop: windows get decorations,
# placement, focus and the manager's close.
set -eu
log=$(mktemp)
wm=
trap 'kill "$wm" 2>/dev/null || true; rm -f "$log"' EXIT

# A loaded machine may take seconds to start it, and a manager that exits at
# start (seen once, on a fresh machine) is started again rather than failing
# the test that needs it.
for attempt in 1 2 3; do
  openbox --sm-disable >>"$log" 2>&1 &
  wm=$!
  for _ in $(seq 200); do
    wmctrl -m >/dev/null 2>&1 && break 2
    kill -0 "$wm" 2>/dev/null || break
    sleep 0.05
  done
  kill "$wm" 2>/dev/null || true
  wait "$wm" 2>/dev/null || true
  echo "with_openbox: attempt $attempt: the window manager did not start" >>"$log"
done

if ! wmctrl -m >/dev/null 2>&1; then
  echo "with_openbox: the window manager did not start on $DISPLAY; what it said:" >&2
  cat "$log" >&2
  xdpyinfo >/dev/null 2>&1 || echo "with_openbox: the X display does not answer either" >&2
  exit 1
fi
"$@"
