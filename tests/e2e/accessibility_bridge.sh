#!/usr/bin/env bash
# Runs the real editor on a private Xvfb with a private session bus, as on a desktop where a
# screen reader is running, and lets accessibility_client.py read and drive it over AT-SPI.
# Usage: accessibility_bridge.sh SEGMENT-EDITOR
set -uo pipefail
editor=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid=""
trap '[[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

source "$here/../../scripts/private_xvfb.sh"
start_private_xvfb "$work" || exit 1
export XDG_RUNTIME_DIR="$work"

# Qt turns its bridge on only when told that assistive technology listens; a screen reader's
# desktop tells it through the bus, here the variable does. Debian's python3, which has pyatspi.
dbus-run-session -- bash -c '
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" 2>"$2/editor.log" &
  editor_pid=$!
  /usr/bin/python3 "$3/accessibility_client.py" "$(basename "$1")"
  status=$?
  kill "$editor_pid"; wait "$editor_pid"
  ((status == 0)) || cat "$2/editor.log"
  exit "$status"' _ "$editor" "$work" "$here" 2> >(grep -v -e "^dbus-daemon" -e "SpiRegistry" >&2)
