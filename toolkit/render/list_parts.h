// Pieces shared by the row gadgets' renderers (ColumnList, FileList, Tree, and the ComboBox's
// open list): the sunken frame with its built-in vertical scroll bar, and the item check box.
#pragma once

#include "toolkit/model/gadget.h"

namespace bevel::detail {

inline constexpr int kRowHeight = 14;

// Inclusive runs; an empty range draws nothing (the raster's Line would draw backwards).
void RowRun(int y, int x0, int x1, int colour);
void ColumnRun(int x, int y0, int y1, int colour);

// What the frame decided, for the rows drawn inside it.
struct ListFrame {
  bool scrollBar = false;
  int margin = 4;  // columns taken at the right: 18 with the scroll bar, else 4
};

// Draws the list's sunken frame, its scroll bar (when itemCount > rows, or always with
// alwaysBar), the light background and the thumb, in that order. Reads rows, topItem and state
// (2 up arrow, 3 down arrow, 4 thumb pressed) from g. hdr is 1 when a 14-pixel header row sits
// above the items. The caller guarantees nothing about the fields: any value draws something
// bounded.
ListFrame DrawListFrame(const Gadget& g, int x, int y, int w, int h, int face, int text,
                        int itemCount, int hdr, bool alwaysBar);

// The check box of an item row, covering columns ox+3 .. ox+14 and rows oy .. oy+11: outline in
// the text colour, a face-coloured interior while a click is pending (ITEM_CHECK_CLICKED) and
// the tick when ITEM_CHECKED. The list and the tree place it at different offsets of their rows.
void DrawItemCheckBox(int ox, int oy, int itemState, int face, int text);

// Converts a computed coordinate to int; values far off any surface are pinned so the
// conversion, and sums of a few such values, stay defined. Renderers pin the corner and size
// they are given this way too: a record's fields may hold any int.
int PinToInt(double v);
int PinToInt(long long v);
inline int PinToInt(int v) {
  return PinToInt(static_cast<long long>(v));
}

}  // namespace bevel::detail
