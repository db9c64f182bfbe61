#!/bin/sh
# Runs a command with a sound server of its own: PulseAudio with one null
# sink, in a folder that goes with it, PULSE_SERVER pointing there.
set -eu
dir=$(mktemp -d)
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-level=error --enable-memfd=no \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
  -L "module-null-sink sink_name=heard rate=48000 channels=2" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$dir"' EXIT
export PULSE_SERVER="unix:$dir/native"
for k in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
"$@"
