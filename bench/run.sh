#!/usr/bin/env bash
# Runs the benchmarks of a build tree (configured with -DVELORIX_BENCH=ON):
# start-up under an X server of its own (Xvfb, on a free display, stopped
# afterwards) and on the offscreen platform, then click to result.  Prints
# the table and writes BUILD/bench/results.json.  With valgrind installed it
# also counts the instructions of a start-up and of the slowest click.
#   bench/run.sh [BUILD] [RUNS] [CLICKS]
set -euo pipefail
build=${1:-build}
runs=${2:-30}
clicks=${3:-2000}
bin=$build/bench
mkdir -p "$bin"
rm -f "$bin/children.log"

# Xvfb picks a free display itself (-displayfd) and writes its number.  The
# server accepts every cookie in its authority file, whatever display an
# entry names; the clients look the cookie up under the display's number.
auth=$(mktemp)
number=$(mktemp)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -f "$auth" "$number"
}
trap cleanup EXIT
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
xauth -q -f "$auth" add :0 . "$cookie"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -auth "$auth" 3>"$number" >/dev/null 2>&1 &
xvfb_pid=$!
display=
for _ in $(seq 200); do
  display=$(tr -dc 0-9 <"$number")
  [ -n "$display" ] && [ -e "/tmp/.X11-unix/X$display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "bench: Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done
[ -n "$display" ] || { echo "bench: Xvfb did not start" >&2; exit 1; }
xauth -q -f "$auth" add ":$display" . "$cookie"

valgrind=()
if command -v valgrind >/dev/null; then
  valgrind=(--valgrind "$(command -v valgrind)")
else
  echo "bench: valgrind is not installed; no instruction counts (tools/install-deps.sh bench)" >&2
fi

echo "Start-up: $runs runs of each program per platform (Xvfb on :$display, offscreen); clicks: $clicks per handler"
DISPLAY=":$display" XAUTHORITY="$auth" "$bin/velorix_bench" \
  --program "$bin/velorix_bench_startup" --bare "$bin/velorix_bench_startup_qt" \
  --clicks "$bin/velorix_bench_clicks" --json "$bin/results.json" \
  --runs "$runs" --clicks-per-handler "$clicks" --platforms xcb,offscreen --log "$bin/children.log" \
  "${valgrind[@]}"
