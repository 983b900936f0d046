#!/usr/bin/env bash
# Runs a widget test on Wayland: a headless weston compositor of its own, the Qt Wayland platform.
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 --no-config \
  --width=1600 --height=1000 >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do [ -S "$runtime/wayland-test" ] && break; sleep 0.1; done
[ -S "$runtime/wayland-test" ] || { cat "$runtime/weston.log"; echo "weston did not start"; exit 1; }
unset DISPLAY
WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland "$@"
