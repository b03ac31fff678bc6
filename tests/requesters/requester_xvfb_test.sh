#!/usr/bin/env bash
# Requesters on a real X server: xdotool presses the second button of a message requester, then
# the window manager's close request reaches the program while an input requester runs: the
# requester is cancelled and the program's own loop hears the request afterwards.
set -u
probe="$1"
close_request="$2"
out_dir="$3"
source "$(dirname "$0")/../support/xvfb_session.sh"

report="$out_dir/requester_report.txt"
rm -f "$report"
"$probe" "$report" &
program_pid=$!
window=$(find_window RequesterProbe)
[ -n "$window" ] || { echo "the probe window did not appear"; exit 1; }
sleep 0.5
# "Nein": the window is 192 x 48 inside (two buttons; "Weiter?" in the 13-pixel font), centred
# on the 320 x 200 screen: content at (64, 86); the second button at (101, 22) in it, 80 x 20.
xdotool mousemove --window "$window" 205 118
sleep 0.2
xdotool click 1
for _ in $(seq 50); do grep -q '^answer' "$report" 2>/dev/null && break; sleep 0.1; done
sleep 0.5
"$close_request" "$window" || { echo "the close request could not be sent"; exit 1; }
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "the probe still runs after the close request: $(tr '\n' '|' <"$report")"
  exit 1
fi
wait "$program_pid"
status=$?
program_pid=""
[ "$status" -eq 0 ] || { echo "probe exit code $status"; exit 1; }
got=$(tr '\n' '|' <"$report")
want="answer 2|input abc|closed|"
if [ "$got" != "$want" ]; then
  echo "report $got, expected $want"
  exit 1
fi
echo "report $got"
