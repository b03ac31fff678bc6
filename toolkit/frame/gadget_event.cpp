// GadgetEvent: one frame of the toolkit. It reads the devices, recognises double clicks,
// activates pending windows, draws the live window, hands a held mouse button to the gadget
// under it (or, with no button held, runs the update pass), draws every gadget, the drop-down
// parts, the menus and the pointer, grabs the snapshot, handles the title bar and measures the
// frame time.
//
// Handlers run in the middle of it and may close windows or run frames of their own (a
// requester opened from a handler): see toolkit/model/lifetime.h for how records and the
// drawing session survive that.
//
// Index of this file:
// [SECTION] Double click
// [SECTION] Input: press and release handling
// [SECTION] Drawing
// [SECTION] Frame timing
// [SECTION] GadgetEvent
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "services/services.h"
#include "toolkit/frame/draw_gadget.h"
#include "toolkit/frame/invariants.h"
#include "toolkit/frame/update_pass.h"
#include "toolkit/menus/menus.h"
#include "toolkit/model/frame_input.h"
#include "toolkit/model/gadget_class.h"
#include "toolkit/model/lifetime.h"
#include "toolkit/model/notify.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/windows/windows.h"

namespace bevel {
namespace detail {
namespace {

//-----------------------------------------------------------------------------
// [SECTION] Double click
//-----------------------------------------------------------------------------
//
// ClickCounter, advanced once per frame:
//
//   value          button up                          button down
//   0              stays 0                            1, press position stored
//   1              2 (counting starts)                stays 1 (held)
//   2 .. 999       +1; 0 when the mouse moved         double click (32767) while below
//                                                     5 x FramesPerTenth, else 1 (a new
//                                                     first press)
//   32767          (lasts one frame) -> 32766 -> 0    32766: no second double click until
//   32766          0                                  the button is released
//
// So a second press within 500 ms of releasing the first, at the very same pixel, is a
// double click.
constexpr int kClickSpent = 32766;

void CountClicks(ToolkitState& tk, int mx, int my, bool anyDown) {
  if (tk.ClickCounter == kDoubleClick) tk.ClickCounter = kClickSpent;
  if (!anyDown) {
    if (tk.ClickCounter >= 1 && tk.ClickCounter < 1000) {
      ++tk.ClickCounter;
      if (mx != tk.PressX || my != tk.PressY) tk.ClickCounter = 0;
    } else {
      tk.ClickCounter = 0;
    }
    return;
  }
  if (tk.ClickCounter == 0) {
    tk.ClickCounter = 1;
    tk.PressX = mx;
    tk.PressY = my;
  } else if (tk.ClickCounter >= 2 && tk.ClickCounter < 1000) {
    if (tk.ClickCounter <= tk.FramesPerTenth * 5 - 1) {
      tk.ClickCounter = kDoubleClick;
    } else {
      // Too late for a double click: this press starts a new pair. (Counting it as spent would
      // make the title bar, which wants a single press, ignore it.)
      tk.ClickCounter = 1;
      tk.PressX = mx;
      tk.PressY = my;
    }
  }
}

//-----------------------------------------------------------------------------
// [SECTION] Input: press and release handling
//-----------------------------------------------------------------------------

// The rectangle that takes the mouse: the class's (a drop-down part included), else the
// gadget's own.
bool Hit(const Gadget& g, const FrameInput& in) {
  if (const HitFn hit = ClassOf(g).hit) return hit(g, in);
  const int gx = in.ox + g.x, gy = in.oy + g.y;
  return in.mx >= gx && in.mx <= gx + g.width - 1 && in.my >= gy && in.my <= gy + g.height - 1;
}

void CloseOpenDropDownOutside(ToolkitState& tk, const FrameInput& in) {
  Gadget* open = tk.GadgetList.At(tk.OpenPopupIndex);
  if (open == nullptr || open->dead) {
    tk.OpenPopupIndex = -1;
    return;
  }
  if (Hit(*open, in)) return;
  tk.OpenPopupIndex = -1;
  open->dropState = 0;
  open->dropClose = 0;
  Ask(*open, EVENT_DROP_CLOSED);
}

void PressAndRelease(ToolkitState& tk, const FrameInput& in) {
  if (in.left && tk.OpenPopupIndex != -1) CloseOpenDropDownOutside(tk, in);
  // By position over the gadgets there were when the press came: positions stay put while the
  // frame runs, whatever the handlers close or create.
  const int count = tk.GadgetList.size();
  bool pressed = false;
  for (int position = 0; position < count; ++position) {
    Gadget& g = *tk.GadgetList.At(position);
    if (g.dead) continue;
    const GadgetClass& cls = ClassOf(g);
    const bool eligible = (cls.flags & CLASS_TAKES_PRESS) && !g.disabled && !g.hidden &&
                          g.window == tk.ActiveWindow && !in.minimised && Hit(g, in);
    if (eligible) {
      const bool button = in.left || (in.right && (cls.flags & CLASS_RIGHT_BUTTON));
      const bool popupAllows = tk.OpenPopupIndex == -1 || tk.OpenPopupIndex == g.listIndex;
      if (button && !pressed && popupAllows) {
        pressed = true;
        if (cls.press != nullptr) cls.press(g, in);
      }
      continue;
    }
    if (cls.release != nullptr) cls.release(g);
    Ask(g, EVENT_HELD_ELSEWHERE);
  }
  if (!pressed) return;
  // A press elsewhere takes the keyboard focus from every other text field and Date.
  for (int position = 0; position < count; ++position) {
    Gadget& g = *tk.GadgetList.At(position);
    const BlurFn loseFocus = ClassOf(g).loseFocus;
    if (g.dead || loseFocus == nullptr || g.number == tk.EventGadget) continue;
    const int before = g.state;
    if (loseFocus(g) && before != 0) Ask(g, EVENT_FOCUS_LOST);
  }
}

//-----------------------------------------------------------------------------
// [SECTION] Drawing
//-----------------------------------------------------------------------------

bool Live(const ToolkitState& tk, const Gadget& g, const FrameInput& in) {
  return g.window == tk.ActiveWindow && !in.minimised && !g.hidden;
}

// The live area: the active window (drawn over its backdrop when `draw`), or the screen, and
// where its gadget coordinates start.
void EnterLiveArea(FrameInput& in, bool draw) {
  in.window = ActiveWindowRecord();
  const bool bar = LiveMenuBar() != nullptr;
  if (in.window != nullptr) {
    if (draw) DrawActiveWindow();
    ContentOrigin(*in.window, bar, in.ox, in.oy);
    in.minimised = IsMinimised(*in.window);
  } else {
    in.ox = 0;
    in.oy = bar ? MenuBarHeight() : 0;
    in.minimised = false;
  }
}

void DrawGadgets(ToolkitState& tk, const FrameInput& in) {
  for (Gadget* g : tk.GadgetList) {
    if (!Live(tk, *g, in) || g->listIndex == tk.OpenPopupIndex) continue;
    DrawGadget(*g, in.ox, in.oy);
  }
  // A disabled gadget keeps no focus, selection anchor or open drop-down (nor the claim on the
  // mouse wheel and the presses that an open drop-down holds).
  for (Gadget* g : tk.GadgetList) {
    if (!g->disabled) continue;
    if (HasClassFlag(*g, CLASS_DISABLED_CLEARS_STATE)) g->state = 0;
    g->selectionStart = g->cursor = -1;
    g->dropState = g->dropClose = 0;
    if (g->listIndex == tk.OpenPopupIndex) tk.OpenPopupIndex = -1;
  }
}

// Sprites are blitted with their colour key after the drawing session.
void DrawSprites(const ToolkitState& tk, const FrameInput& in) {
  for (const Gadget* g : tk.GadgetList) {
    const SpriteFn drawSprite = ClassOf(*g).drawSprite;
    if (drawSprite != nullptr && Live(tk, *g, in)) drawSprite(*g, in.ox, in.oy);
  }
}

//-----------------------------------------------------------------------------
// [SECTION] Frame timing
//-----------------------------------------------------------------------------

void MeasureFrame(ToolkitState& tk) {
  const std::uint32_t t = TickCount();
  const std::uint32_t d = t - tk.LastFrameTick;
  if (d < 1) return;
  const double perTenth = 100.0 / static_cast<double>(d);
  tk.FramesPerTenth = static_cast<int>(std::nearbyint(perTenth));
  tk.BlinkFrames = static_cast<int>(std::nearbyint(perTenth * 5));
  tk.LastFrameTick = t;
}

}  // namespace
}  // namespace detail

//-----------------------------------------------------------------------------
// [SECTION] GadgetEvent
//-----------------------------------------------------------------------------

int GadgetEvent() {
  using namespace detail;
  ToolkitState& tk = Toolkit();
  // A frame run from a handler reports its own gadget; the outer frame's stays for it.
  const int outerEvent = tk.EventGadget;
  FrameScope frame;
  tk.EventGadget = 0;
  const int mx0 = MouseX(), my0 = MouseY();

  PollKeyboard();
  PollMouse();
  FrameInput in;
  in.mx = MouseX();
  in.my = MouseY();
  in.wheel = MouseWheel();
  // Only the upper edges are clamped; the pointer may rest on the last column and row + 1.
  if (in.mx > tk.ScreenWidth || in.my > tk.ScreenHeight) {
    in.mx = std::min(in.mx, tk.ScreenWidth);
    in.my = std::min(in.my, tk.ScreenHeight);
    SetMousePosition(in.mx, in.my);
  }
  in.left = MouseButton(1) != 0;
  in.right = MouseButton(2) != 0;
  CountClicks(tk, in.mx, in.my, in.left || in.right);
  in.doubleClick = tk.ClickCounter == kDoubleClick;

  // Activation, the live window and its frame.
  BeginWindowFrame();
  const bool menuOpen = AnyMenuOpen();
  const bool drawing = BeginDrawing(BackBufferTarget()) != 0;
  EnterLiveArea(in, drawing);

  if (drawing) {
    SetDrawMode(DRAW_TRANSPARENT);
    for (Gadget* g : tk.GadgetList) {
      const PlaceFn place = ClassOf(*g).placeDropDown;
      if (place != nullptr && g->window == tk.ActiveWindow) place(*g, in, tk.ScreenHeight);
    }
    const std::uint64_t framesBefore = tk.LastFrameSerial;
    const int activeBefore = tk.ActiveWindow;
    if ((in.left || in.right) && !menuOpen) {
      PressAndRelease(tk, in);
    } else if (!in.left && !in.right && !menuOpen) {
      RunUpdatePass(in);
    }
    // Frames run by a handler drew over this one, and a handler may have closed the live
    // window: draw what is live now, where it is now.
    if (tk.LastFrameSerial != framesBefore || tk.ActiveWindow != activeBefore) {
      RestoreLiveBackdrop();
      EnterLiveArea(in, true);
    }
    DrawGadgets(tk, in);
    EndDrawing();
  }
  DrawSprites(tk, in);

  if (BeginDrawing(BackBufferTarget())) {
    SetDrawMode(DRAW_TRANSPARENT);
    if (Gadget* open = tk.GadgetList.At(tk.OpenPopupIndex);
        open && !open->dead && Live(tk, *open, in)) {
      DrawGadget(*open, in.ox, in.oy);
    }
    HandleMenus(LiveMenuBar());
    EndDrawing();
  }

  EndWindowFrame();
  if (tk.SuppressPointer == 0 && tk.PointerSprite >= 0 && tk.PointerVisible != 0) {
    BlitSpriteKeyed(tk.PointerSprite, mx0, my0);
  }
  if (!menuOpen) HandleTitleBar(in.mx, in.my, in.left, tk.ClickCounter);
  MeasureFrame(tk);
  tk.SuppressPointer = 0;
  const int event = tk.EventGadget;
  if (frame.Nested()) tk.EventGadget = outerEvent;
  CheckFrameInvariants();
  return event;
}

}  // namespace bevel
