#!/usr/bin/env bash
# Types through a real X server into a String gadget: xdotool sends key events on a US X
# keymap, SDL reports the physical keys, and the toolkit's fixed German layout must turn them
# into Windows-1252 characters.
set -u
probe="$1"
out_dir="$2"
source "$(dirname "$0")/../support/xvfb_session.sh"

report="$out_dir/typing_report.txt"
rm -f "$report"
"$probe" "$report" &
program_pid=$!
window=$(find_window TypingProbe)
[ -n "$window" ] || { echo "the probe window did not appear"; exit 1; }
sleep 0.5
# Real input (XTEST), not events sent to the window: only those carry held modifiers.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool mousemove --window "$window" 40 20
xdotool click 1
sleep 0.3
# Each key held a little, so the toolkit sees it in a frame; a pause lets its repeat wait end.
for k in y shift+2 bracketleft semicolon apostrophe minus; do
  xdotool key --delay 120 "$k"
  sleep 0.35
done
# AltGr (the right Alt key, X keycode 108) held across the letter. By keycode: the keysym name
# Alt_R makes xdotool hold the left Alt too.
for k in e q; do
  xdotool keydown 108
  sleep 0.15
  xdotool key --delay 120 "$k"
  sleep 0.15
  xdotool keyup 108
  sleep 0.35
done
xdotool keydown Escape
sleep 0.5
xdotool keyup Escape
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
wait "$program_pid"
status=$?
program_pid=""
[ "$status" -eq 0 ] || { echo "probe exit code $status"; exit 1; }
got=$(cat "$report")
# z " ü ö ä ß € @ in Windows-1252.
want="7A22FCF6E4DF8040"
if [ "$got" != "$want" ]; then
  echo "typed bytes $got, expected $want"
  exit 1
fi
echo "typed $got"
