#!/bin/sh
# Runs every measurement on the display in $DISPLAY and prints one table.
# Called by scripts/bench inside a virtual X server; expects the release build.
set -eu
bin=build/release
runs=${AF_BENCH_RUNS:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Start-up to the first frame, and peak memory, alternating the programs: the
# program, a plain window with the same widgets and fonts, and a one-label
# window; in English and in German, whose captions the window fits (the
# plain window is given the fonts the program's ended with). One unmeasured
# start of each first, so none pays for a cold cache.
progs="startup_probe widgets_window baseline_window"
for lang in en de; do
  AF_FONTS_OUT="$work/fonts.$lang" LANGUAGE=$lang "$bin/bench/startup_probe" >/dev/null 2>&1
  for prog in $progs; do LANGUAGE=$lang AF_FONTS_IN="$work/fonts.$lang" "$bin/bench/$prog" >/dev/null 2>&1; done
  for k in $(seq "$runs"); do
    for prog in $progs; do
      start=$(date +%s%N)
      end=$(LANGUAGE=$lang AF_FONTS_IN="$work/fonts.$lang" /usr/bin/time -f %M -o "$work/rss" "$bin/bench/$prog" 2>/dev/null)
      echo $(( (end - start) / 1000 )) >> "$work/$prog.$lang.us"
      cat "$work/rss" >> "$work/$prog.$lang.kb"
    done
  done
done
ms() { median < "$work/$1.us" | awk '{ printf "%.1f", $1 / 1000 }'; }
kb() { median < "$work/$1.kb"; }

# Processor time of the real program over five idle seconds after start-up.
cpu_ns() { awk '{ s += $1 } END { print s }' /proc/"$1"/task/*/schedstat; }
"$bin/angular-frequency" 2>/dev/null &
app=$!
sleep 2
before=$(cpu_ns "$app")
sleep 5
after=$(cpu_ns "$app")
kill "$app"
idle_ms=$(echo "$before $after" | awk '{ printf "%.2f", ($2 - $1) / 1e6 }')

# Peak memory after a run, at the start-up size and in full screen on a
# 3840 x 2160 screen under a window manager.
fullscreen=$(xvfb-run -a -s "-screen 0 3840x2160x24" sh tests/shells/desktop/x11/with_openbox.sh \
  sh bench/fullscreen_memory.sh "$bin/angular-frequency" 2>/dev/null | tail -n 1)

"$bin/bench/core_bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
  --benchmark_color=false 2>/dev/null | grep '_median' > "$work/core.txt"
paced=$("$bin/bench/window_bench" 3 300 2>/dev/null)
# Runs of 501 frames with the sound on, on a sound server of its own.
sounded=$(sh bench/with_sound_server.sh "$bin/bench/sound_run_bench" 3 2>/dev/null)

ratio() { echo "$1 $2" | awk '{ printf "%.2f", $1 / $2 }'; }
printf '\n%-46s %9s %13s %9s %8s %8s\n' "measure" "program" "same widgets" "one label" "ratio" "ratio"
row() { printf '%-46s %9s %13s %9s %8s %8s\n' "$1" "$2" "$3" "$4" "$(ratio "$2" "$3")" "$(ratio "$2" "$4")"; }
for lang in en de; do
  row "start-up to first frame ($lang), median of $runs (ms)" "$(ms startup_probe.$lang)" "$(ms widgets_window.$lang)" "$(ms baseline_window.$lang)"
done
row "peak resident memory (en), median of $runs (KiB)" "$(kb startup_probe.en)" "$(kb widgets_window.en)" "$(kb baseline_window.en)"
printf '%-46s %9s\n' "processor time over 5 idle seconds (ms)" "$idle_ms"
echo
echo "Google Benchmark medians of 10 repetitions (real time; each moving-layer"
echo "iteration is one frame and its erasing call, so two frame drawings):"
awk '{ extra = ""; for (i = 7; i <= NF; ++i) extra = extra " " $i; printf "  %-40s %10s %s %s\n", $1, $2, $3, extra }' "$work/core.txt"
echo
echo "Paced animation runs (duration / steps x refresh interval):"
echo "$paced" | sed 's/^/  /'
echo "Runs with the sound on (times the sound device ran dry):"
echo "$sounded" | sed 's/^/  /'
echo
echo "Peak resident memory after a run at the 0.002 step (KiB): start-up size, then"
echo "full screen on 3840 x 2160 (client size last):"
echo "  $fullscreen"
