// Presses on a ComboBox: the drop button, the text field, and the rows and scroll bar of the
// open list.
//
// dropState, as the press and the update pass move it (the update pass completes each step
// once the button is up):
//
//   0 closed  --drop button-->  1  --update-->  2 open  --drop button-->  3  --update-->  0
//   0 closed  --field of a fixed box-->  5 (open now)      2 open  --field-->  6 (close now)
//   an editable box's field closes the list at once and takes the keyboard focus
//
// The field is TextHeight(" ") + 4 high at the gadget's top; the gadget's height is that of the
// open list, which shrinks to n x 14 + 4 for fewer items than rows and lies below the field, or
// above it with dropUp.
#include <algorithm>
#include <cstddef>

#include "services/services.h"
#include "toolkit/frame/press_common.h"
#include "toolkit/frame/press_handling.h"
#include "toolkit/model/colours.h"

namespace bevel::detail {

using press::kGone;
using press::N;

namespace {

constexpr int kRow = 14;

int ItemCount(const Gadget& g) {
  return static_cast<int>(std::min<std::size_t>(g.items.size(), 0x7fffffff));
}

// Closes the list at once (an open list, or one about to close, is reported closed; one only
// about to open, 5, is just dropped). False when the gadget is gone.
bool CloseList(Gadget& g) {
  ToolkitState& ts = Toolkit();
  const bool open = g.dropState >= 2 && g.dropState != 5;
  if (open && ts.OpenPopupIndex == g.listIndex) ts.OpenPopupIndex = -1;
  g.dropState = 0;
  g.dropClose = 0;
  return !open || N(g, 15, 0) != kGone;
}

}  // namespace

void PressComboBox(Gadget& g, const FrameInput& in) {
  const int number = g.number;
  if (N(g, 1, 0) == kGone) return;
  const int gx = in.ox + g.x, gy = in.oy + g.y;
  const int w = g.width;
  const int mx = in.mx, my = in.my;
  SetDrawFont(GadgetColour(g, COLOR_FONT));
  const int f = TextHeight(" ") + 4;

  if (my >= gy && my < gy + f) {
    if (mx >= gx + w - 16 && mx <= gx + w - 2) {
      // The drop button: arms opening (0 -> 1) or closing (2 -> 3); both complete on release.
      if (g.dropState == 0 || g.dropState == 2) {
        const int answer = N(g, 13, 0);
        if (answer == kGone) return;
        if (answer) {
          const bool wasClosed = g.dropState == 0;
          ++g.dropState;
          if (wasClosed) {
            g.selectionStart = -1;
            g.cursor = -1;
            g.state = 0;
          }
        }
      }
    } else if (g.flags & COMBO_EDITABLE) {
      if (g.dropState != 1 && g.dropState != 3) {
        if (!CloseList(g)) return;
        press::TakeTextFocus(g, in);
      }
    } else if (g.dropState == 2) {
      g.dropState = 6;  // the update pass closes it and reports kind 15 once
    } else if (g.dropState == 0) {
      const int answer = N(g, 13, 0);
      if (answer == kGone) return;
      if (answer) g.dropState = 5;
    }
    return;
  }

  // The open list (the field was handled above, even when the list lies over it upward).
  if (g.dropState < 2 || g.dropState > 4) return;
  const int n = ItemCount(g);
  const bool scrollBar = n > g.rows;
  const int listHeight = n < g.rows ? n * kRow + 4 : g.height;
  const int listTop = g.dropUp ? gy - listHeight : gy + f;
  if (my < listTop || my >= listTop + listHeight) return;

  const int rowRight = scrollBar ? gx + w - 17 : gx + w - 1;
  if (mx > gx && mx <= rowRight && my > listTop + 1) {
    // Row k spans listTop + 2 + 14 (k - 1) .. listTop + 1 + 14 k; the last row starts at least
    // 9 pixels above the list's bottom.
    const long long k = (static_cast<long long>(my) - listTop - 2) / kRow + 1;
    const long long i = static_cast<long long>(g.topItem) + k;
    if (k >= 1 && 2 + kRow * (k - 1) <= listHeight - 9 && i >= 1 && i <= n) {
      const int answer = N(g, 4, static_cast<std::intptr_t>(i - 1));
      if (answer == kGone) return;
      if (answer) {
        g.value = static_cast<int>(i);
        g.state = 1;
        g.dropClose = 1;
      }
    }
  }
  if (scrollBar) {
    const int state = ListScrollBarPress(g, in, n, listTop, listHeight, 0);
    if (!press::Alive(g, number)) return;
    g.state = state;
  }
}

}  // namespace bevel::detail
