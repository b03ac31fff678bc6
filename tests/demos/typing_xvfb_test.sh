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
start_probe "$probe" "$report"
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
stop_probe
got=$(cat "$report")
# z " ü ö ä ß € @ in Windows-1252.
want="7A22FCF6E4DF8040"
if [ "$got" != "$want" ]; then
  echo "typed bytes $got, expected $want"
  exit 1
fi
echo "typed $got"
