#!/usr/bin/env bash
# gadget-demo on a real X server, recorded: xdotool presses Play, answers the "Ja/Nein" message
# with "Nein", opens window 1 and closes it with its link, and ends the demo with Ctrl+B, while
# --record writes the session. The window's last frame is read from X; the recording, replayed
# on the headless device, must end on the very same pixels.
set -u
demo="$1"
pixels="$2"
out_dir="$3"
source "$(dirname "$0")/../support/xvfb_session.sh"
rm -rf "$out_dir"
mkdir -p "$out_dir"
cd "$out_dir" || exit 1

"$demo" --windowed --record session.txt --report report.txt >demo.out 2>demo.err &
program_pid=$!
window=$(find_window '^TestQuillon$')
[ -n "$window" ] || { echo "the demo's window did not appear: $(cat demo.err)"; exit 1; }
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.5

# A click at a back-buffer pixel (the window shows the screen 1:1), each phase held for several
# frames.
click() {
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.2
  xdotool mouseup 1
  sleep 0.3
}
click 259 40   # Play
click 90 268   # "Message: Ja/Nein"; its requester is centred on the screen
click 445 324  # "Nein"
click 630 351  # "Window 1"
click 267 372  # window 1's link closes it
xdotool mousemove --window "$window" 790 590
# The picture stands still once the progress bar has counted up to its end (145 frames, a few
# seconds; longer in a sanitizer build): from then on every frame is the last one.
captured=0
for _ in $(seq 150); do
  sleep 0.2
  "$pixels" capture "$window" x-last.png || continue
  [ "$("$pixels" at x-last.png 547 58)" = 0x800000 ] && { captured=1; break; }
done
[ "$captured" -eq 1 ] || { echo "the window's pixels cannot be read, or never stood still"; exit 1; }

xdotool keydown ctrl+b
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
xdotool keyup ctrl+b
wait "$program_pid"
status=$?
program_pid=""
[ "$status" -eq 0 ] || { echo "exit code $status: $(cat demo.err)"; exit 1; }
fails=0
fail() {
  echo "FAILED: $1"
  fails=1
}
grep -qx "end menu" report.txt || fail "the demo did not end by Ctrl+B: $(tr '\n' '|' <report.txt)"
grep -qx "requester 117 2" report.txt || fail "the message was not answered with Nein"
# What the X window showed: "Play" disabled (grey caption), "Stop" enabled (black caption),
# and window 1 gone (the tree's white background where its title bar was).
pixel() { "$pixels" at x-last.png "$1" "$2"; }
[ "$(pixel 252 40)" = 0x808080 ] || fail "Play's caption is not grey: $(pixel 252 40)"
[ "$(pixel 344 40)" = 0x000000 ] || fail "Stop's caption is not black: $(pixel 344 40)"
[ "$(pixel 250 341)" = 0xFFFFFF ] || fail "window 1 still shows: $(pixel 250 341)"

# The replay: the recording with a screenshot at its end, where the session's last frame shows.
{ cat session.txt; echo "shot replay-last.png"; } >replay.txt
"$demo" --script replay.txt --shots . >replay.out 2>replay.err || fail "the replay failed"
"$pixels" compare x-last.png replay-last.png ||
  fail "the replay's last frame differs from the X window's (x-last.png, replay-last.png in $out_dir)"
[ "$fails" -eq 0 ] && echo "passed"
exit "$fails"
