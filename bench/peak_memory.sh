#!/usr/bin/env bash
# Peak resident memory of the editor started on a catalogue, measured once its main window is shown,
# under Xvfb. Usage: bench/peak_memory.sh [build dir] [cards]   (cards: 0 = the sample catalogue)
set -euo pipefail
build=$(realpath "${1:-build}")
cards=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ "$cards" -eq 0 ]; then
  home=$build
else
  home=$work/home
  mkdir -p "$home/card"
  "$build/gencatalogue" "$cards" -o "$home/card/cardlist.ini"
  touch -d '1 hour ago' "$home/card/cardlist.ini"  # a catalogue as found on disk, not one just written
fi
cat > "$work/inner.sh" <<'INNER'
bin=$1; home=$2; out=$3
TESSARIN_HOME=$home /usr/bin/time -v -o "$out" "$bin" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 1 6000); do
  xdotool search --onlyvisible --name '^Tessarin ver' >/dev/null 2>&1 && break
  kill -0 "$pid" 2>/dev/null || { echo "tessarin ended before showing its window" >&2; exit 1; }
  sleep 0.01
done
sleep 1
kill "$(pgrep -P "$pid")"; wait "$pid" 2>/dev/null || true
INNER
xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" bash "$work/inner.sh" "$build/tessarin" "$home" "$work/time.txt"
grep -E 'Maximum resident' "$work/time.txt"
