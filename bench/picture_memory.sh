#!/usr/bin/env bash
# Peak resident memory of the editor on the sample catalogue with five card windows of card 001 open,
# under Xvfb: once with the sample picture, once with a 5700 x 5700 RGB PNG in its place. A picture
# decoded at the size shown costs a window the same whatever the file's size: the target is at most
# 1.25 times the sample's peak (decoded whole, the large picture took 793 MB against 57 MB here).
# Usage: bench/picture_memory.sh [build dir] [windows]
set -euo pipefail
build=$(realpath "${1:-build}")
windows=${2:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/inner.sh" <<'INNER'
bin=$1; home=$2; out=$3; windows=$4
TESSARIN_HOME=$home /usr/bin/time -v -o "$out" "$bin" >/dev/null 2>&1 &
pid=$!
wid=
for _ in $(seq 1 6000); do
  wid=$(xdotool search --onlyvisible --name '^Tessarin ver' 2>/dev/null | head -1) && [ -n "$wid" ] && break
  kill -0 "$pid" 2>/dev/null || { echo "tessarin ended before showing its window" >&2; exit 1; }
  sleep 0.01
done
sleep 0.5
# Row 1 (card 001) is current: a click on its name gives the grid the focus, each Enter opens a window.
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove $((X + 560)) $((Y + 108)) click 1
for i in $(seq 1 "$windows"); do
  xdotool windowfocus --sync "$wid" key Return
  for _ in $(seq 1 100); do
    [ "$(xdotool search --onlyvisible --name '^No\.001 ' 2>/dev/null | wc -l)" -ge "$i" ] && break
    sleep 0.05
  done
done
shown=$(xdotool search --onlyvisible --name '^No\.001 ' 2>/dev/null | wc -l)
sleep 1
kill "$(pgrep -P "$pid")"; wait "$pid" 2>/dev/null || true
[ "$shown" -eq "$windows" ] || { echo "$shown card windows opened, not $windows" >&2; exit 1; }
INNER

peak() {  # home -> peak resident set in kB
  xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" bash "$work/inner.sh" "$build/tessarin" "$1" "$work/time.txt" \
    "$windows" >&2 || return 1
  sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt"
}

mkdir -p "$work/sample" "$work/large"
cp -r "$build/card" "$work/sample/"
cp -r "$build/card" "$work/large/"
convert "$build/card/img/001.png" -filter point -resize '5700x5700!' "PNG24:$work/large/card/img/001.png"
sample=$(peak "$work/sample") || exit 1
large=$(peak "$work/large") || exit 1
echo "peak RSS, $windows card windows of card 001: sample picture $((sample / 1024)) MB," \
  "5700 x 5700 PNG $((large / 1024)) MB (ratio $(python3 -c "print(f'{$large / $sample:.2f}')"))"
[ $((large * 4)) -le $((sample * 5)) ] || { echo "over the target of 1.25" >&2; exit 1; }
