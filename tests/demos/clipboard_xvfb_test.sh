#!/usr/bin/env bash
# The system clipboard through SDL on a real X server: text put there as UTF-8 (by xclip)
# pastes into a String as Windows-1252, a cut puts it back as UTF-8, and undo brings the cut
# text back into the field.
set -u
probe="$1"
out_dir="$2"
source "$(dirname "$0")/../support/xvfb_session.sh"
if ! command -v xclip >/dev/null; then
  echo "SKIPPED: xclip is not installed (tools/install-deps installs it)"
  exit 77
fi

text=$'Gr\xc3\xbc\xc3\x9fe \xe2\x82\xac'  # "Grüße €" in UTF-8
printf '%s' "$text" | xclip -selection clipboard
report="$out_dir/clipboard_report.txt"
rm -f "$report"
start_probe "$probe" "$report" --extras
# The keys as on a US keymap; the toolkit reads the German places: "y" is the Z key (undo).
for k in ctrl+v shift+Home ctrl+x; do
  xdotool key --delay 120 "$k"
  sleep 0.35
done
got_clipboard=$(xclip -selection clipboard -o)
xdotool key --delay 120 ctrl+y
sleep 0.35
stop_probe

failed=0
if [ "$got_clipboard" != "$text" ]; then
  echo "the cut left '$got_clipboard' on the clipboard, expected '$text'"
  failed=1
fi
got=$(cat "$report")
want="4772FCDF652080"  # "Grüße €" in Windows-1252, back by undo
if [ "$got" != "$want" ]; then
  echo "field bytes $got, expected $want"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "pasted, cut and undone: $got"
exit "$failed"
