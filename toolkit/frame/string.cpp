// String, and the text field it shares with the editable ComboBox: a press takes the keyboard
// focus and leaves a caret-placement point; the update step runs the keyboard editor with the
// key auto-repeat; Tab and a press elsewhere move the focus.
//
// The renderer is the only place that knows where characters land, so the press leaves the
// click as a pick point and a state telling the renderer which ends to place there:
//
//   frame of the press   state 4   both ends at the point: a caret, no selection
//   later held frames    state 3   only the caret follows the mouse: a drag selects
//   first frame released state 1   EVENT_CLICK reported; the field has the focus
//
// so even a click that lasts one frame leaves both ends valid. Until the renderer has placed
// them, a field that had no caret gets both ends at the end of its text.
#include <algorithm>
#include <string>
#include <utility>

#include "services/services.h"
#include "toolkit/frame/behaviour.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/text/key_editor.h"

namespace bevel::detail {
namespace {

// The renderer reads a pick coordinate of 0 as "no point", and a point above the first line's
// top (2) as lying on no line: keep the point on the field's first text row and column.
constexpr int kFirstPickX = 1;
constexpr int kFirstPickY = 2;

int TextLength(const Gadget& g) {
  return static_cast<int>(std::min<std::size_t>(g.text.size(), 0x7fffffff));
}

// The caret shows at once after the focus came or a key acted.
void ShowCaret(Gadget& g) {
  const ToolkitState& tk = Toolkit();
  g.blinkPhase = tk.BlinkFrames - 1;
  g.blinkPhase2 = tk.BlinkFrames;
}

}  // namespace

void TakeTextFocus(Gadget& g, const FrameInput& in) {
  if (!Ask(g, EVENT_PRESS)) return;
  const int old = g.state;
  g.state = old >= 2 ? 3 : 4;
  if (g.selectionStart < 0 || g.cursor < 0) g.selectionStart = g.cursor = TextLength(g);
  const int gx = in.ox + g.x, gy = in.oy + g.y;
  g.pickX = std::max(in.mx - gx, kFirstPickX);
  g.pickY = std::max(in.my - gy, kFirstPickY);
  ShowCaret(g);
  g.altCode = 0;
  SetEvent(g);
  if (old == 0) Ask(g, EVENT_FOCUS);
}

void UpdateTextField(Gadget& field) {
  ToolkitState& tk = Toolkit();
  if (field.state == 0) return;
  if (field.state >= 2) {
    Ask(field, EVENT_CLICK);  // a click placed the cursor
    field.state = 1;
  }
  if (KeyRepeatWaits(field) || field.disabled != 0) return;

  KeyEdit edit =
      KeyEditor(tk.WindowList.Find(field.window), field, field.text, field.flags, field.maximum);
  field.text = std::move(edit.text);
  if (!edit.Handled()) return;
  StartKeyRepeat(field, edit.keyCode);
  ShowCaret(field);
}

bool KeyRepeatWaits(Gadget& field) {
  if (field.repeatDelay < 1) return false;
  // Releasing the key that started the wait ends it at the next frame.
  if (field.lastKey <= 0 || KeyPushed(field.lastKey) == 0) {
    field.lastKey = 0;
    field.repeatDelay = 1;
  }
  --field.repeatDelay;
  return true;
}

void StartKeyRepeat(Gadget& field, int keyCode) {
  ToolkitState& tk = Toolkit();
  // 200 ms before the first repeat, then about 33 ms while the same key stays held.
  int wait = 2 * tk.FramesPerTenth;
  if (keyCode != 0 && keyCode == field.lastKey && KeyPushed(keyCode) != 0) wait /= 6;
  field.repeatDelay = wait;
  field.lastKey = keyCode;
  tk.LastEditKey = 0;
  SetEvent(field);
}

void PressString(Gadget& g, const FrameInput& in) {
  TakeTextFocus(g, in);
}

void UpdateString(Gadget& g, const FrameInput&) {
  UpdateTextField(g);
}

bool TakesTextFocus(const Gadget&) {
  return true;
}

void GainTextFocus(Gadget& g) {
  g.selectionStart = g.cursor = TextLength(g);
  g.state = 1;
  ShowCaret(g);
}

bool LoseTextFocus(Gadget& g) {
  g.state = 0;
  g.selectionStart = g.cursor = -1;
  g.altCode = 0;
  return true;
}

bool StringKeepsKeyRepeat(const Gadget&) {
  return true;
}

}  // namespace bevel::detail
