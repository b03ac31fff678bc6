// GadgetEvent: one frame of the toolkit. It reads the devices, recognises double clicks,
// activates pending windows, draws the live window, hands a held mouse button to the gadget
// under it (or, with no button held, runs the update pass), draws every gadget, the drop-down
// parts, the menus and the pointer, grabs the snapshot, handles the title bar and measures the
// frame time.
//
// Index of this file:
// [SECTION] Double click
// [SECTION] Hit rectangles and drop-down direction
// [SECTION] Input: press and release handling
// [SECTION] Drawing
// [SECTION] Frame timing
// [SECTION] GadgetEvent
#include <algorithm>
#include <cmath>
#include <vector>

#include "services/services.h"
#include "toolkit/frame/draw_gadget.h"
#include "toolkit/frame/update_pass.h"
#include "toolkit/menus/menus.h"
#include "toolkit/model/colours.h"
#include "toolkit/model/frame_input.h"
#include "toolkit/model/gadget_class.h"
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

void CountClicks(ToolkitState& g, int mx, int my, bool anyDown) {
  if (g.ClickCounter == kDoubleClick) g.ClickCounter = kClickSpent;
  if (!anyDown) {
    if (g.ClickCounter >= 1 && g.ClickCounter < 1000) {
      ++g.ClickCounter;
      if (mx != g.PressX || my != g.PressY) g.ClickCounter = 0;
    } else {
      g.ClickCounter = 0;
    }
    return;
  }
  if (g.ClickCounter == 0) {
    g.ClickCounter = 1;
    g.PressX = mx;
    g.PressY = my;
  } else if (g.ClickCounter >= 2 && g.ClickCounter < 1000) {
    if (g.ClickCounter <= g.FramesPerTenth * 5 - 1) {
      g.ClickCounter = kDoubleClick;
    } else {
      // Too late for a double click: this press starts a new pair. (Counting it as spent would
      // make the title bar, which wants a single press, ignore it.)
      g.ClickCounter = 1;
      g.PressX = mx;
      g.PressY = my;
    }
  }
}

//-----------------------------------------------------------------------------
// [SECTION] Hit rectangles and drop-down direction
//-----------------------------------------------------------------------------

constexpr int kCalendarWidth = 201;
constexpr int kCalendarHeight = 158;

// Caller: a drawing session is open (the field height is measured in the gadget's font).
int ComboFieldHeight(const Gadget& gadget) {
  SetDrawFont(GadgetColour(gadget, COLOR_FONT));
  return TextHeight(" ") + 4;
}

// The open list's height: its stored height, or shorter when it has fewer items than rows.
int ComboListHeight(const Gadget& gadget) {
  const int count = static_cast<int>(gadget.items.size());
  return count < gadget.rows ? count * 14 + 4 : gadget.height;
}

// Decides, every frame, whether a drop-down part opens above its gadget.
void DecideDropDirection(Gadget& gadget, const FrameInput& in, int screenHeight) {
  const int gy = in.oy + gadget.y;
  if (gadget.type == GADGET_COMBOBOX) {
    gadget.dropUp = gy + ComboFieldHeight(gadget) + ComboListHeight(gadget) > screenHeight;
  } else if (gadget.type == GADGET_DATE) {
    gadget.dropUp = gy + gadget.height + kCalendarHeight > screenHeight;
  }
}

// The rectangle that takes the mouse: the gadget, a ComboBox's field (and its list while
// open), a Date with its open calendar.
bool Hit(const Gadget& gadget, const FrameInput& in) {
  const int gx = in.ox + gadget.x, gy = in.oy + gadget.y;
  int width = gadget.width, extra = 0, up = 0;
  if (gadget.type == GADGET_COMBOBOX) {
    // Closed: the field only. Open: the field and its list below (or above) it.
    const int field = ComboFieldHeight(gadget);
    const int list = gadget.dropState >= 2 ? ComboListHeight(gadget) : 0;
    const int top = gy - (gadget.dropUp ? list : 0);
    return in.mx >= gx && in.mx <= gx + width - 1 && in.my >= top &&
           in.my <= top + field + list - 1;
  } else if (gadget.type == GADGET_DATE && gadget.dropState >= 2) {
    extra = kCalendarHeight;
    up = gadget.dropUp ? kCalendarHeight : 0;
    width = std::max(width, kCalendarWidth);
  }
  return in.mx >= gx && in.mx <= gx + width - 1 && in.my >= gy - up &&
         in.my <= gy + gadget.height + extra - up - 1;
}

//-----------------------------------------------------------------------------
// [SECTION] Input: press and release handling
//-----------------------------------------------------------------------------

int N(Gadget& gadget, int kind, std::intptr_t item) {
  return NotifyHandlers(Toolkit().WindowList.Find(gadget.window), &gadget, kind, item);
}

// The gadgets of this frame, by number: handlers may create gadgets or close windows while
// the frame runs, so every step looks its gadget up again (O(1)) and skips vanished ones.
std::vector<int>& FrameGadgets() {
  static std::vector<int> numbers;
  numbers.clear();
  for (const auto& gadget : Toolkit().GadgetList) numbers.push_back(gadget->number);
  return numbers;
}

void CloseOpenDropDownOutside(ToolkitState& g, const FrameInput& in) {
  Gadget* open = g.GadgetList.At(g.OpenPopupIndex);
  if (open == nullptr) {
    g.OpenPopupIndex = -1;
    return;
  }
  if (Hit(*open, in)) return;
  g.OpenPopupIndex = -1;
  open->dropState = 0;
  open->dropClose = 0;
  N(*open, 15, 0);
}

void PressAndRelease(ToolkitState& g, const FrameInput& in) {
  if (in.left && g.OpenPopupIndex != -1) CloseOpenDropDownOutside(g, in);
  bool pressed = false;
  for (const int number : FrameGadgets()) {
    Gadget* gadget = g.GadgetList.Find(number);
    if (gadget == nullptr) continue;
    const bool eligible = !gadget->disabled && !gadget->hidden && gadget->type != GADGET_TEXT &&
                          gadget->type != GADGET_FRAME3D && gadget->window == g.ActiveWindow &&
                          !in.minimised && Hit(*gadget, in);
    const GadgetClass* cls = ClassOf(gadget->type);
    if (eligible) {
      const bool button =
          in.left ||
          (in.right && (gadget->type == GADGET_COLUMNLIST || gadget->type == GADGET_FILELIST));
      const bool popupAllows = g.OpenPopupIndex == -1 || g.OpenPopupIndex == gadget->listIndex;
      if (button && !pressed && popupAllows) {
        pressed = true;
        if (cls && cls->press) cls->press(*gadget, in);
      }
      continue;
    }
    if (cls && cls->release) cls->release(*gadget);
    if (Gadget* still = g.GadgetList.Find(number)) N(*still, 3, 0);
  }
  if (!pressed) return;
  // A press elsewhere takes the keyboard focus from every text field.
  for (const int number : FrameGadgets()) {
    Gadget* gadget = g.GadgetList.Find(number);
    if (gadget == nullptr || gadget->number == g.EventGadget) continue;
    const bool editable = gadget->type == GADGET_STRING ||
                          (gadget->type == GADGET_COMBOBOX && (gadget->flags & COMBO_EDITABLE));
    const int before = gadget->state;
    if (editable && gadget->dropState < 2) {
      gadget->state = 0;
      gadget->selectionStart = gadget->cursor = -1;
      gadget->altCode = 0;
    } else if (gadget->type == GADGET_DATE) {
      gadget->state = 0;
      gadget->altCode = 0;
      gadget->dateField = gadget->dateFieldType = 0;
    } else {
      continue;
    }
    if (before != 0) N(*gadget, 12, 0);
  }
}

//-----------------------------------------------------------------------------
// [SECTION] Drawing
//-----------------------------------------------------------------------------

bool Live(const ToolkitState& g, const Gadget& gadget, const FrameInput& in) {
  return gadget.window == g.ActiveWindow && !in.minimised && !gadget.hidden;
}

void DrawGadgets(ToolkitState& g, const FrameInput& in) {
  for (const auto& gadget : g.GadgetList) {
    if (!Live(g, *gadget, in) || gadget->listIndex == g.OpenPopupIndex) continue;
    DrawGadget(*gadget, in.ox, in.oy);
  }
  // A disabled gadget keeps no focus, selection anchor or open drop-down.
  for (const auto& gadget : g.GadgetList) {
    if (!gadget->disabled) continue;
    const int type = gadget->type;
    if (type == GADGET_COLUMNLIST || type == GADGET_STRING || type == GADGET_COMBOBOX ||
        type == GADGET_FILELIST) {
      gadget->state = 0;
    }
    gadget->selectionStart = gadget->cursor = -1;
    gadget->dropState = gadget->dropClose = 0;
  }
}

// Image buttons show a sprite, blitted with the colour key after the drawing session.
void DrawImageButtonSprites(const ToolkitState& g, const FrameInput& in) {
  for (const auto& gadget : g.GadgetList) {
    if (gadget->type != GADGET_IMAGEBUTTON || !Live(g, *gadget, in)) continue;
    const int sprite = gadget->hoverColour;
    if (!SpriteExists(sprite)) continue;
    const int p = gadget->state >= 1 ? 1 : 0;
    BlitSpriteKeyed(sprite, in.ox + gadget->x + (gadget->width - SpriteWidth(sprite)) / 2 + p,
                    in.oy + gadget->y + (gadget->height - SpriteHeight(sprite)) / 2 + p);
  }
}

//-----------------------------------------------------------------------------
// [SECTION] Frame timing
//-----------------------------------------------------------------------------

void MeasureFrame(ToolkitState& g) {
  const std::uint32_t t = TickCount();
  const std::uint32_t d = t - g.LastFrameTick;
  if (d < 1) return;
  const double perTenth = 100.0 / static_cast<double>(d);
  g.FramesPerTenth = static_cast<int>(std::nearbyint(perTenth));
  g.BlinkFrames = static_cast<int>(std::nearbyint(perTenth * 5));
  g.LastFrameTick = t;
}

}  // namespace
}  // namespace detail

//-----------------------------------------------------------------------------
// [SECTION] GadgetEvent
//-----------------------------------------------------------------------------

int GadgetEvent() {
  using namespace detail;
  ToolkitState& g = Toolkit();
  g.EventGadget = 0;
  const int mx0 = MouseX(), my0 = MouseY();

  PollKeyboard();
  PollMouse();
  FrameInput in;
  in.mx = MouseX();
  in.my = MouseY();
  in.wheel = MouseWheel();
  // Only the upper edges are clamped; the pointer may rest on the last column and row + 1.
  if (in.mx > g.ScreenWidth || in.my > g.ScreenHeight) {
    in.mx = std::min(in.mx, g.ScreenWidth);
    in.my = std::min(in.my, g.ScreenHeight);
    SetMousePosition(in.mx, in.my);
  }
  in.left = MouseButton(1) != 0;
  in.right = MouseButton(2) != 0;
  CountClicks(g, in.mx, in.my, in.left || in.right);
  in.doubleClick = g.ClickCounter == kDoubleClick;

  // Activation, the live window and its frame.
  BeginWindowFrame();
  in.window = ActiveWindowRecord();
  Menu* bar = LiveMenuBar();
  const bool menuOpen = AnyMenuOpen();
  const bool drawing = BeginDrawing(BackBufferTarget()) != 0;
  if (in.window) {
    if (drawing) DrawActiveWindow();
    ContentOrigin(*in.window, bar != nullptr, in.ox, in.oy);
    in.minimised = IsMinimised(*in.window);
  } else {
    in.ox = 0;
    in.oy = bar ? MenuBarHeight() : 0;
  }

  for (const auto& gadget : g.GadgetList) gadget->activated = 0;

  if (drawing) {
    SetDrawMode(DRAW_TRANSPARENT);
    for (const auto& gadget : g.GadgetList) {
      if (gadget->window == g.ActiveWindow) DecideDropDirection(*gadget, in, g.ScreenHeight);
    }
    if ((in.left || in.right) && !menuOpen) {
      PressAndRelease(g, in);
    } else if (!in.left && !in.right && !menuOpen) {
      RunUpdatePass(in);
    }
    // Handlers may have closed the live window: draw what is live now.
    in.window = ActiveWindowRecord();
    DrawGadgets(g, in);
    EndDrawing();
  }
  DrawImageButtonSprites(g, in);

  if (BeginDrawing(BackBufferTarget())) {
    SetDrawMode(DRAW_TRANSPARENT);
    if (Gadget* open = g.GadgetList.At(g.OpenPopupIndex); open && Live(g, *open, in)) {
      DrawGadget(*open, in.ox, in.oy);
    }
    HandleMenus(LiveMenuBar());
    EndDrawing();
  }

  EndWindowFrame();
  if (g.SuppressPointer == 0 && g.PointerSprite >= 0 && g.PointerVisible != 0) {
    BlitSpriteKeyed(g.PointerSprite, mx0, my0);
  }
  if (!menuOpen) HandleTitleBar(in.mx, in.my, in.left, g.ClickCounter);
  MeasureFrame(g);
  g.SuppressPointer = 0;
  return g.EventGadget;
}

}  // namespace bevel
