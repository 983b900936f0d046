#!/usr/bin/env bash
# Starts the real editor under Xvfb, as a user would: on a small catalogue with a deck on the
# command line its window appears titled with the deck's name; on a missing catalogue the message
# box appears, and once it is answered the program ends with a non-zero status, never having
# shown its main window.
set -euo pipefail
bin=$1
title=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/home/card" "$work/empty"
printf '[Card]\r\nTotal=2\r\nShowSelect=1\r\nDeck=50\r\nLimit=3\r\n[001]\r\nType=Character\r\nName=lamp\r\n[002]\r\nType=Spell\r\nName=tide\r\n' \
  > "$work/home/card/cardlist.ini"
printf '2,001,lamp\r\n' > "$work/my deck.txt"

# --help and --version answer without a display; any other argument stays a deck path.
[ "$(env -u DISPLAY "$bin" --version)" = "tessarin ${title#Tessarin ver}" ] || { echo "FAIL: --version"; exit 1; }
env -u DISPLAY "$bin" --help | grep -q '^Usage: tessarin \[DECKFILE\]$' || { echo "FAIL: --help"; exit 1; }
echo "ok: --help and --version"

cat > "$work/inner.sh" <<'INNER'
set -u
bin=$1; title=$2; work=$3
fail() { echo "FAIL: $*"; exit 1; }
export XDG_CONFIG_HOME="$work/config"  # the recent decks of this run only
wait_window() {  # name regex, seconds
  for _ in $(seq 1 $(( $2 * 10 ))); do
    id=$(xdotool search --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# 1. A catalogue and a deck on the command line.
TESSARIN_HOME="$work/home" "$bin" "$work/my deck.txt" >"$work/run1.log" 2>&1 &
pid=$!
wait_window "^$title - my deck\.txt\$" 60 >/dev/null || { cat "$work/run1.log"; fail "no window titled '$title - my deck.txt'"; }
kill -0 "$pid" 2>/dev/null || fail "editor ended early"
kill "$pid"; wait "$pid" 2>/dev/null
echo "ok: main window '$title - my deck.txt' shown"

# 2. No catalogue: the message, then the end, without the main window.
TESSARIN_HOME="$work/empty" "$bin" >"$work/run2.log" 2>&1 &
pid=$!
box=$(wait_window '^エラー$' 60) || { cat "$work/run2.log"; fail "no message box titled エラー"; }
xdotool search --name "^$title" >/dev/null 2>&1 && fail "the main window was shown"
grep -q 'カードリストファイルが見つかりません。' "$work/run2.log" || { cat "$work/run2.log"; fail "message text missing"; }
xdotool windowfocus "$box" 2>/dev/null; sleep 0.3; xdotool key Return
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "editor still running after the message"; }
wait "$pid"; status=$?
[ "$status" -ne 0 ] || fail "exit status 0 after a failed start"
echo "ok: missing catalogue reported, exit status $status"
INNER

xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" bash "$work/inner.sh" "$bin" "$title" "$work"
