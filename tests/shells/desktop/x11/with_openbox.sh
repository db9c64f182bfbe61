#!/bin/sh
# Runs a command on the current X display (a virtual one, from xvfb-run)
# under the openbox window manager, as on a real desktop: windows get decorations,
# placement, focus and the manager's close.
set -eu
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true' EXIT
# A loaded machine may take seconds to start it.
for _ in $(seq 400); do
  wmctrl -m >/dev/null 2>&1 && break
  sleep 0.05
done
wmctrl -m >/dev/null 2>&1 || { echo "with_openbox: the window manager did not start" >&2; exit 1; }
"$@"
