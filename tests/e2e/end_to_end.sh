#!/usr/bin/env bash
# Drives the real segment-editor on a private Xvfb: pointer presses with xdotool, the clipboard
# with xclip, pixels from a screenshot, and a stand-in xdg-open that records what it is asked to
# open. Last, a build with a broken window description must show its error box and exit 0.
# Usage: end_to_end.sh SEGMENT-EDITOR CLOSE-WINDOW BROKEN-FORM-EDITOR
set -uo pipefail
editor=$1
close_window=$2
broken_editor=$3
work=$(mktemp -d)
failures=0
xvfb_pid=""
editor_pid=""

cleanup() {
  [[ -n "$editor_pid" ]] && kill "$editor_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

check() {  # check DESCRIPTION EXPECTED ACTUAL
  if [[ "$2" == "$3" ]]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  fi
}

# The program without a display: one clear line, a non-zero exit, no abort.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$editor" 2>"$work/stderr"
status=$?
check "no display: exit code" 1 "$status"
check "no display: one line on stderr" 1 "$(wc -l <"$work/stderr")"
grep -q "no display" "$work/stderr" || { echo "FAILED: no display: message was '$(cat "$work/stderr")'"; failures=$((failures + 1)); }

# A private X server on the first free display number.
source "$(dirname "$0")/../../scripts/private_xvfb.sh"
start_private_xvfb "$work" || exit 1

mkdir "$work/bin"
printf '#!/bin/sh\necho "$*" >> "%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"

# Options that Qt would honour if it saw them; the program must ignore them all.
PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work" "$editor" -platform offscreen -style windows --reverse extra 2>"$work/editor.log" &
editor_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tarvo_Sekel_test$' | head -n1)
if [[ -z "$window" ]]; then
  echo "FAILED: the window never appeared"; cat "$work/editor.log"; exit 1
fi
check "window geometry" "795x321+192+107" \
  "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                                  /Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h "+" x "+" y}')"
xdotool windowfocus --sync "$window"
sleep 0.3

copy_text() {
  xclip -selection clipboard -i </dev/null  # clear, so a failed copy cannot pass
  xdotool key --window "$window" "$@"
  sleep 0.3
  timeout 5 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null
}
wait_for_exit() {  # wait_for_exit LOG: sets status to the editor's exit code, 124 if it still runs after 10 s
  status=124
  for _ in $(seq 100); do
    if ! kill -0 "$editor_pid" 2>/dev/null; then wait "$editor_pid"; status=$?; break; fi
    sleep 0.1
  done
  ((status == 124)) && { echo "the editor still runs; its log:"; cat "$1"; }
  editor_pid=""
}
pixel() {  # pixel X Y in window coordinates, as "r,g,b"
  import -window root -crop "1x1+$((192 + $1))+$((107 + $2))" -depth 8 txt:- | tail -n1 | sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}
press() {  # press X Y BUTTON [REPEAT]
  xdotool mousemove --window "$window" "$1" "$2" click --repeat "${4:-1}" --delay 80 "$3"
  sleep 0.2
}

check "Ctrl+C alone copies the selected text at start" "00 00 00 00" "$(copy_text ctrl+c)"

press 92 152 1      # Shape4, digit 1 middle, left button
press 396 124 3     # Shape33, colon upper dot, right button
press 368 272 2     # Shape16, digit 2 point, middle button
press 92 272 1 2    # Shape7, double click: twice toggled, back to off
press 200 200 1     # a gap between digits: nothing
press 30 100 8      # Shape1 with the back button: nothing
check "text after the presses" "01 01 00 01" "$(copy_text ctrl+a ctrl+c)"
check "Shape4 is black" "0,0,0" "$(pixel 92 152)"
check "colon lower dot is black" "0,0,0" "$(pixel 396 196)"
check "Shape16 is black" "0,0,0" "$(pixel 368 272)"
check "Shape7 is white after a double click" "255,255,255" "$(pixel 92 272)"
check "Shape1 is white inside" "255,255,255" "$(pixel 30 100)"
check "Shape1 outline corner" "0,0,0" "$(pixel 24 40)"
check "form colour in a gap" "240,240,240" "$(pixel 200 200)"
import -window "$window" "$work/window.png" 2>/dev/null && cp "$work/window.png" "${E2E_SCREENSHOT:-/dev/null}" 2>/dev/null

press 660 310 1     # the link
press 660 310 1 2   # a double click opens it once more
sleep 0.5
check "addresses opened" "2" "$(wc -l <"$work/opened" 2>/dev/null || echo 0)"
check "address opened" "http://sekel.test/" "$(sort -u "$work/opened" 2>/dev/null)"

"$close_window" "$window" || { echo "FAILED: close_window could not send WM_DELETE_WINDOW"; failures=$((failures + 1)); }
wait_for_exit "$work/editor.log"
check "exit code after WM_DELETE_WINDOW" 0 "$status"

# A broken window description: the error box names the line, column and name at fault, no main
# window is ever made, and the process still ends with exit code 0 once the box is dismissed.
"$broken_editor" 2>"$work/broken.log" &
editor_pid=$!
box=$(timeout 20 xdotool search --sync --onlyvisible --name "^$(basename "$broken_editor")\$" | head -n1)
if [[ -z "$box" ]]; then
  echo "FAILED: the error box never appeared"; cat "$work/broken.log"; failures=$((failures + 1))
else
  xdotool windowfocus --sync "$box"
  # The message is selectable text: click into it, select all and copy, as a user would.
  xdotool mousemove --window "$box" 200 20 click 1
  sleep 0.3
  window=$box
  check "broken description: error box text" "TFORM1:19:5: unknown property 'Widht' of TShape 'Shape1'" \
    "$(copy_text ctrl+a ctrl+c)"
  check "broken description: no main window" "" "$(xdotool search --name '^Tarvo_Sekel_test$')"
  xdotool key --window "$box" Return
fi
wait_for_exit "$work/broken.log"
check "broken description: exit code" 0 "$status"

if ((failures > 0)); then
  echo "$failures check(s) failed"; exit 1
fi
echo "all end-to-end checks passed"
