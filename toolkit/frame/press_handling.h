// What a held mouse button does to each gadget type.
//
// While a button is held, the frame function gives the one gadget under the mouse that takes
// the press its Press function (every frame the button stays down over it), and every gadget
// that is not eligible its Release function. Press functions leave raw marks (states, item
// bits, dropState requests, pick points) that the update pass turns into events once the
// button is up; actions are offered to the event handlers first and skipped when vetoed.
// Release functions never notify; the kind 3 notification is the frame function's.
//
// Types without an entry here: Text and Frame3D never take a press; a ProgressBar takes it and
// does nothing; String, Text, ProgressBar and Frame3D keep their state on release.
#pragma once

#include "toolkit/model/frame_input.h"
#include "toolkit/model/gadget.h"

namespace bevel::detail {

// [SECTION] Press handling, one per type (or shared by types that behave alike)

void PressButton(Gadget& g, const FrameInput& in);    // Button, ImageButton
void PressCheckBox(Gadget& g, const FrameInput& in);  // CheckBox, Option
void PressSpin(Gadget& g, const FrameInput& in);
void PressHyperLink(Gadget& g, const FrameInput& in);
void PressList(Gadget& g, const FrameInput& in);  // ColumnList, FileList
void PressTree(Gadget& g, const FrameInput& in);  // Tree, TreeList
void PressString(Gadget& g, const FrameInput& in);
void PressComboBox(Gadget& g, const FrameInput& in);
void PressTrackBar(Gadget& g, const FrameInput& in);
void PressScrollBar(Gadget& g, const FrameInput& in);
void PressDate(Gadget& g, const FrameInput& in);
void PressCalendar(Gadget& g, const FrameInput& in);

// [SECTION] Release handling

void ReleaseButton(Gadget& g);     // Button, ImageButton
void ReleaseCheckBox(Gadget& g);   // CheckBox, Option
void ReleaseIdle(Gadget& g);       // Spin, HyperLink, Calendar: state 0
void ReleaseList(Gadget& g);       // ColumnList, FileList
void ReleaseDropDown(Gadget& g);   // ComboBox, Date
void ReleaseTrackBar(Gadget& g);   // a thumb drag stays armed (state 5)
void ReleaseScrollBar(Gadget& g);  // likewise
void ReleaseTree(Gadget& g);       // Tree, TreeList

// [SECTION] Shared pieces

// The built-in vertical scroll bar of a list, tree or open combo box list: 14 pixels wide at
// the right edge of the gadget, spanning listTop .. listTop + listHeight - 1 on the screen.
// itemCount is the number of rows that can scroll (visible tree nodes for a tree); hdr is 1
// when a 14-pixel header sits above the rows. Scrolls topItem (asking kind 9) and returns the
// new state: 2 up arrow, 3 down arrow, 4 thumb, else the state unchanged. The thumb's grab
// offset lives in hoverItem (-1: not dragging).
// A handler may close the gadget's window: callers check that the gadget still exists before
// storing the result.
int ListScrollBarPress(Gadget& g, const FrameInput& in, int itemCount, int listTop, int listHeight,
                       int hdr);

// The month calendar of a Calendar gadget, or the open drop-down of a Date gadget, occupying
// the screen rectangle (x, y, w, h); the 197 x 154 face is centred in it. Picks a day cell
// (pickX, pickY and state 10, taken on release), jumps to today, or steps the month or the
// year within the date limits. Returns the new state. As above, callers check the gadget
// still exists before storing it.
int CalendarPress(Gadget& g, const FrameInput& in, int x, int y, int w, int h);

// Steps the selected part (dateField / dateFieldType) of a Date by d = +1 or -1 without wrapping,
// clamps the date into its ranges and limits, and rewrites that part's text in extraText with
// leading zeros. Nothing happens while no part is selected or no date is held.
void StepDatePart(Gadget& g, int d);

}  // namespace bevel::detail
