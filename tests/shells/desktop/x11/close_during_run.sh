#!/bin/sh
# The program closed through the window manager in the middle of a paced run
# at step 0.002, as a teacher closes it: the process must end with status 0
# without waiting for the run, also with three more runs queued behind it.
# Usage: close_during_run.sh PROGRAM [TRIALS]  (on an X display with a window manager)
set -eu
program=$1
trials=${2:-3}

# Window-relative places of the controls, in logical pixels.
anim="40 260"
step_0002="90 295"

wait_for_window() {
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$1" --name "^Angular Frequency$" 2>/dev/null | head -n 1) && [ -n "$window" ] && return 0
    sleep 0.05
  done
  echo "close test: the window did not appear" >&2
  return 1
}

click() { xdotool mousemove --window "$window" $2 click 1; }

# One trial: prints the milliseconds from the close request to the process's end.
trial() {
  extra_clicks=$1
  "$program" &
  pid=$!
  wait_for_window "$pid"
  sleep 0.3
  click "$window" "$step_0002"
  click "$window" "$anim"
  for _ in $(seq "$extra_clicks"); do click "$window" "$anim"; done
  sleep 0.5
  start=$(date +%s%N)
  wmctrl -i -c "$window"
  status=0
  wait "$pid" || status=$?
  end=$(date +%s%N)
  if [ "$status" -ne 0 ]; then
    echo "close test: exit status $status" >&2
    return 1
  fi
  echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

failed=0
for queued in 0 3; do
  times=""
  for _ in $(seq "$trials"); do times="$times $(trial "$queued")"; done
  med=$(echo "$times" | tr ' ' '\n' | grep . | median)
  worst=$(echo "$times" | tr ' ' '\n' | grep . | sort -n | tail -n 1)
  echo "close during a run, $queued more runs queued: median $med ms, worst $worst ms (trials:$times)"
  # No trial may wait for the run: at 0.002 a run has about 7.8 s left when
  # the close comes (501 frames from half a second in), and three more runs
  # behind it 33 s. How fast a close is belongs to the benchmarks; this
  # bound holds on a loaded machine and in the sanitizers' build, yet any
  # wait for a run's frames breaks it.
  if [ "$worst" -gt 2000 ]; then failed=1; fi
done
exit "$failed"
