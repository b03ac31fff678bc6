# A virtual X server for the real-display tests, sourced by their scripts: skips the test (exit
# 77) when Xvfb or xdotool is missing, starts Xvfb on a free display with DISPLAY set, and stops
# it, and the program under test (its pid in program_pid), when the script ends.
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
  echo "SKIPPED: Xvfb or xdotool is not installed (tools/install-deps installs them)"
  exit 77
fi
display=""
for n in $(seq 91 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free display number"; exit 1; }
# -noreset: an X server resets when its last client leaves, and refuses connections while it
# does; the readiness probe below is such a client.
Xvfb "$display" -noreset -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb_pid=$!
program_pid=""
# SIGKILL: SDL turns SIGTERM into a quit event, which a program that is stuck never reads.
cleanup() {
  [ -n "$program_pid" ] && kill -9 "$program_pid" 2>/dev/null
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# Under the sanitizers, libraries that SDL loads on X11 keep a few blocks past exit where no
# suppression can name them; the programs' own code is leak-checked by the unit tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

# The id of the first window named $1, waiting up to 10 s; empty when none appears.
find_window() {
  local window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name "$1" 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  echo "$window"
}

# Starts the typing probe ("$@"), waits for its window and clicks into its field; sets
# program_pid and window.
start_probe() {
  "$@" &
  program_pid=$!
  window=$(find_window TypingProbe)
  [ -n "$window" ] || { echo "the probe window did not appear"; exit 1; }
  sleep 0.5
  # Real input (XTEST), not events sent to the window: only those carry held modifiers.
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool mousemove --window "$window" 40 20
  xdotool click 1
  sleep 0.3
}

# Holds Escape until the probe ends; fails unless it ended with exit code 0.
stop_probe() {
  xdotool keydown Escape
  sleep 0.5
  xdotool keyup Escape
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  wait "$program_pid"
  local status=$?
  program_pid=""
  [ "$status" -eq 0 ] || { echo "probe exit code $status"; exit 1; }
}
