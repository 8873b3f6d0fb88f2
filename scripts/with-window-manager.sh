#!/usr/bin/env bash
# Runs a command on the X server of DISPLAY under a window manager
# (openbox): starts it, waits until it manages the screen, runs the command
# and stops the window manager again. The command's exit status is the
# script's. Meant to run under xvfb-run, on an X server of its own.
set -uo pipefail
if [ -z "${DISPLAY:-}" ]; then
  echo "with-window-manager.sh: no DISPLAY" >&2
  exit 2
fi

# A configuration of its own, so that no user's settings change how the
# windows are placed or focused.
config_home=$(mktemp -d)
trap 'rm -rf "$config_home"' EXIT
XDG_CONFIG_HOME="$config_home" openbox --sm-disable >"$config_home/openbox.log" 2>&1 &
wm=$!

# The window manager manages the screen once the root window names its
# check window (_NET_SUPPORTING_WM_CHECK).
managed=0
for _ in $(seq 1 100); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    managed=1
    break
  fi
  if ! kill -0 "$wm" 2>/dev/null; then
    break
  fi
  sleep 0.1
done
if [ "$managed" -ne 1 ]; then
  echo "with-window-manager.sh: openbox did not start" >&2
  cat "$config_home/openbox.log" >&2
  kill "$wm" 2>/dev/null
  exit 2
fi

"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$status"
