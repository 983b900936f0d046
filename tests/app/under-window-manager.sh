#!/usr/bin/env bash
# Runs a widget test on an X server with a window manager, which frames a window only after it is
# shown, unlike the offscreen platform the other runs use. The screen is a common laptop's, on
# which the statistics window only just fits beside the main window.
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" bash -c '
  openbox >/dev/null 2>&1 &
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
  sleep 0.5  # the manager may still be starting when it announces itself
  QT_QPA_PLATFORM=xcb exec "$@"' under-window-manager "$@"
