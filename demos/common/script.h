// Input scripts: a text file of timed mouse, wheel and key input and screenshot commands, played
// on the headless device by the demo runner (demos/common/runner.h).
//
// One command per line; "#" starts a comment; blank lines are ignored; words are separated by
// spaces or tabs, and names are not case-sensitive.
//
//   move X Y          the pointer to back-buffer pixel (X, Y)
//   press [BUTTON]    holds a mouse button: left (default), right or middle
//   release [BUTTON]  lets it go
//   click [BUTTON]    press, wait 1, release, wait 1
//   wheel N           N wheel notches, positive away from the user
//   keydown KEY       holds a key
//   keyup KEY         lets it go
//   key KEY           keydown, wait 1, keyup, wait 1
//   wait N            lets N frames pass
//   wait Nms          lets N milliseconds of the headless clock pass
//   shot FILE         writes the frame now on the screen as a PNG file
//   date YYYY-MM-DD [HH:MM:SS]   the headless date and time from now on; before any other
//                     command: from the start of the run (gadgets made at start-up see it)
//   capslock on|off   the Caps Lock state
//   numlock on|off    the Num Lock state
//
// The commands between two waits take effect together, in one frame: it sees the last
// position moved to, the buttons and keys as they were left, and the sum of the wheel notches.
//
// A KEY is a name (escape, enter, tab, space, backspace, ctrl, rctrl, shift, rshift, alt, altgr,
// up, down, left, right, home, end, pageup, pagedown, insert, delete, f1 .. f12, a .. z,
// 0 .. 9; letters and digits name the key at that place of a US keyboard) or a scan code
// written "scN" (sc30 is the key A).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bevel::script {

enum class Op {
  Move,
  Press,
  Release,
  Wheel,
  KeyDown,
  KeyUp,
  WaitFrames,
  WaitMs,
  Shot,
  Date,
  CapsLock,
  NumLock
};

struct Step {
  Op op = Op::WaitFrames;
  int a = 0;  // x, button (1 left, 2 right, 3 middle), notches, scan code, frames, ms, date or
              // lock state (1 on)
  int b = 0;  // y
  std::string file;  // Shot
  int line = 0;      // 1-based line of the script, for messages
};

// Parses a script. On success returns true and fills `steps` (the composite commands click and
// key are expanded); on the first bad line returns false and sets `error` to
// "line N: what is wrong".
bool Parse(std::string_view text, std::vector<Step>& steps, std::string& error);

// Scan code of a key name or "scN" (1..255); 0 for anything else.
int KeyCode(std::string_view name);
// The name of a scan code as KeyCode reads it: its name, else "scN".
std::string KeyName(int code);

}  // namespace bevel::script
