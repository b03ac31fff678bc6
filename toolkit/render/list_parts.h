// Pieces shared by the row gadgets' renderers (ColumnList, FileList, Tree, and the ComboBox's
// open list): the sunken frame with its built-in vertical scroll bar, and the item check box.
#pragma once

#include "toolkit/gadgets/list_layout.h"
#include "toolkit/model/gadget.h"

namespace bevel::detail {

// Inclusive runs; an empty range draws nothing (the raster's Line would draw backwards).
void RowRun(int y, int x0, int x1, int colour);
void ColumnRun(int x, int y0, int y1, int colour);

// Draws the list's sunken frame, its scroll bar (when the layout shows it), the light
// background and the thumb, in that order, for itemCount rows in all. Reads state (2 up arrow,
// 3 down arrow, 4 thumb pressed) from g. The caller guarantees nothing about the fields: any
// value draws something bounded.
void DrawListFrame(const Gadget& g, const RowLayout& layout, long long itemCount, int face,
                   int text);

// The check box of an item row, covering columns ox+3 .. ox+14 and rows oy .. oy+11: outline in
// the text colour, a face-coloured interior while a click is pending (ITEM_CHECK_CLICKED) and
// the tick when ITEM_CHECKED. The list and the tree place it at different offsets of their rows.
void DrawItemCheckBox(int ox, int oy, int itemState, int face, int text);

// Box over a layout rectangle, its corner and size pinned.
void FillRect(const Rect& r, int colour);

// Converts a computed coordinate to int; values far off any surface are pinned so the
// conversion, and sums of a few such values, stay defined. Renderers pin the corner and size
// they are given this way too: a record's fields may hold any int.
int PinToInt(double v);
int PinToInt(long long v);
inline int PinToInt(int v) {
  return PinToInt(static_cast<long long>(v));
}

}  // namespace bevel::detail
