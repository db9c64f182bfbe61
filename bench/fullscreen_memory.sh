#!/bin/sh
# Peak memory of the program after a run at the 0.002 step, at its start-up
# size and in full screen (F11) on a 3840 x 2160 screen under openbox.
# Prints "<start-up KiB> <full-screen KiB> <client width>x<height>".
# Usage: fullscreen_memory.sh PROGRAM  (on such a display, with a window manager)
set -eu
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

peak() {
  /usr/bin/time -f %M -o "$work/rss" "$program" 2>/dev/null &
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^Angular Frequency$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.05
  done
  sleep 0.5
  xdotool mousemove --window "$window" 90 295 click 1   # step 0.002
  xdotool mousemove --window "$window" 40 260 click 1   # ANIM
  sleep 9.5                                              # 501 frames at 60 Hz
  if [ "$1" = full ]; then
    xdotool key --window "$window" F11
    sleep 2
    xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { printf "%dx%d", w, h }' > "$work/size"
  fi
  wmctrl -i -c "$window"
  wait
  cat "$work/rss"
}
small=$(peak small)
full=$(peak full)
echo "$small $full $(cat "$work/size")"
