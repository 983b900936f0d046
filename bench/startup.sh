#!/usr/bin/env bash
# Time from process start to the first shown main window, on the sample catalogue, under Xvfb.
# Usage: bench/startup.sh [build dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-5}
inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat > "$inner" <<'INNER'
bin=$1; runs=$2
for i in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  "$bin" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 3000); do
    xdotool search --onlyvisible --name '^Tessarin ver' >/dev/null 2>&1 && break
    kill -0 "$pid" 2>/dev/null || { echo "tessarin ended before showing its window" >&2; exit 1; }
    sleep 0.005
  done
  end=$(date +%s%N)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo $(( (end - start) / 1000000 ))
done
INNER
times=$(xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" bash "$inner" "$(realpath "$build/tessarin")" "$runs" | sort -n)
echo "start-up to first shown main window (ms), $runs runs:" $times
echo "median: $(echo "$times" | sed -n "$(( (runs + 1) / 2 ))p") ms"
