#!/usr/bin/env bash
# Runs the benchmarks of a build tree (configured with -DVELORIX_BENCH=ON):
# start-up under an X server of its own (Xvfb, on a free display, stopped
# afterwards) and on the offscreen platform, then click to result.  Prints
# the table and writes BUILD/bench/results.json.
#   bench/run.sh [BUILD] [RUNS] [CLICKS]
set -euo pipefail
build=${1:-build}
runs=${2:-30}
clicks=${3:-2000}
bin=$build/bench
mkdir -p "$bin"
rm -f "$bin/children.log"

# A display number that no server holds, from 99 up.
display=99
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((display + 1))
done
auth=$(mktemp)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -f "$auth"
}
trap cleanup EXIT
xauth -q -f "$auth" add ":$display" . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp -auth "$auth" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "bench: Xvfb did not start on :$display" >&2; exit 1; }
  sleep 0.05
done
[ -e "/tmp/.X11-unix/X$display" ] || { echo "bench: Xvfb did not start on :$display" >&2; exit 1; }

echo "Start-up: $runs runs of each program per platform (Xvfb on :$display, offscreen); clicks: $clicks per handler"
DISPLAY=":$display" XAUTHORITY="$auth" "$bin/velorix_bench" \
  --program "$bin/velorix_bench_startup" --bare "$bin/velorix_bench_startup_qt" \
  --clicks "$bin/velorix_bench_clicks" --json "$bin/results.json" \
  --runs "$runs" --clicks-per-handler "$clicks" --platforms xcb,offscreen --log "$bin/children.log"
