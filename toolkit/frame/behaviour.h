// The behaviour of each gadget type: what a held mouse button does to it (press), what a button
// held elsewhere cancels (release), and its per-frame step while no button is held (update), with
// its hit rectangle, drop-down placement and keyboard focus rules. One file per type (or per
// pair of types that behave alike); toolkit/frame/gadget_classes.cpp puts them into the class
// rows.
//
// Press functions leave raw marks (states, item bits, dropState requests, pick points) that the
// update step turns into events once the button is up. Every action is offered to the event
// handlers first (Ask, StepTo) and skipped when refused; a handler that closes the gadget's
// window makes every later Ask of that gadget refuse, so no step checks for that itself.
//
// Index of this file:
// [SECTION] Per-type entry points
// [SECTION] Pieces the types share
#pragma once

#include "toolkit/gadgets/list_layout.h"
#include "toolkit/model/frame_input.h"
#include "toolkit/model/gadget.h"
#include "toolkit/model/notify.h"
#include "toolkit/model/screen_window.h"

namespace bevel::detail {

//-----------------------------------------------------------------------------
// [SECTION] Per-type entry points
//-----------------------------------------------------------------------------

// button.cpp: Button, ImageButton.
void PressButton(Gadget& g, const FrameInput& in);
void ReleaseButton(Gadget& g);
void UpdateButton(Gadget& g, const FrameInput& in);
void DrawImageButtonSprite(const Gadget& g, int originX, int originY);

// check_box.cpp: CheckBox, Option.
void PressCheckBox(Gadget& g, const FrameInput& in);
void ReleaseCheckBox(Gadget& g);
void UpdateCheckBox(Gadget& g, const FrameInput& in);
void UpdateOption(Gadget& g, const FrameInput& in);

// spin.cpp
void PressSpin(Gadget& g, const FrameInput& in);
void UpdateSpin(Gadget& g, const FrameInput& in);

// hyper_link.cpp
void PressHyperLink(Gadget& g, const FrameInput& in);
void UpdateHyperLink(Gadget& g, const FrameInput& in);

// list.cpp: ColumnList, FileList.
void PressList(Gadget& g, const FrameInput& in);
void ReleaseList(Gadget& g);
void UpdateList(Gadget& g, const FrameInput& in);

// tree.cpp: Tree, TreeList.
void PressTree(Gadget& g, const FrameInput& in);
void ReleaseTree(Gadget& g);
void UpdateTree(Gadget& g, const FrameInput& in);

// string.cpp: String, and the text field shared with the editable ComboBox.
void PressString(Gadget& g, const FrameInput& in);
void UpdateString(Gadget& g, const FrameInput& in);
bool TakesTextFocus(const Gadget& g);
void GainTextFocus(Gadget& g);
bool LoseTextFocus(Gadget& g);
bool StringKeepsKeyRepeat(const Gadget& g);

// combo_box.cpp
bool HitComboBox(const Gadget& g, const FrameInput& in);
void PlaceComboList(Gadget& g, const FrameInput& in, int screenHeight);
void PressComboBox(Gadget& g, const FrameInput& in);
void ReleaseDropDown(Gadget& g);  // ComboBox, Date
void UpdateComboBox(Gadget& g, const FrameInput& in);
bool ComboTakesFocus(const Gadget& g);
bool ComboLosesFocus(Gadget& g);
bool ComboKeepsKeyRepeat(const Gadget& g);

// track_bar.cpp, scroll_bar.cpp
void PressTrackBar(Gadget& g, const FrameInput& in);
void ReleaseTrackBar(Gadget& g);
void UpdateTrackBar(Gadget& g, const FrameInput& in);
void PressScrollBar(Gadget& g, const FrameInput& in);
void ReleaseScrollBar(Gadget& g);
void UpdateScrollBar(Gadget& g, const FrameInput& in);

// date.cpp
bool HitDate(const Gadget& g, const FrameInput& in);
void PlaceCalendar(Gadget& g, const FrameInput& in, int screenHeight);
void PressDate(Gadget& g, const FrameInput& in);
void UpdateDate(Gadget& g, const FrameInput& in);
bool DateTakesFocus(const Gadget& g);
void DateGainsFocus(Gadget& g);
bool DateLosesFocus(Gadget& g);
bool DateKeepsKeyRepeat(const Gadget& g);

// calendar.cpp
void PressCalendar(Gadget& g, const FrameInput& in);
void UpdateCalendar(Gadget& g, const FrameInput& in);

//-----------------------------------------------------------------------------
// [SECTION] Pieces the types share
//-----------------------------------------------------------------------------

// Makes g the gadget this frame reports (EventGadget); a closed gadget reports nothing.
void SetEvent(const Gadget& g);

// On/off gadgets keep their state in bit 2: arming 0 -> 1 and 2 -> 3, cancelling 1 -> 0 and
// 3 -> 2; other states are left alone.
void ArmToggle(Gadget& g);
void DisarmToggle(Gadget& g);
// The release of types whose press leaves nothing to keep: state 0 (Spin, HyperLink, Calendar).
void ReleaseIdle(Gadget& g);

// Auto-repeat of a held press: true when the action is due (repeatDelay below 1; the caller
// then acts and reloads repeatDelay), else counts one frame down. With FramesPerTenth 0 (the
// first frame) reloads are 0 and the action runs every frame.
bool RepeatDue(Gadget& g);
// The page-step repeat period: 4/3 of the arrow period.
int PageRepeat();

// The mouse strictly inside the rectangle (left, top, width, height) in screen pixels: edges
// excluded, as every gadget but the HyperLink tests it.
bool InsideRect(const FrameInput& in, long long left, long long top, long long width,
                long long height);
// The mouse inside the gadget (its window's content origin added), and the gadget neither
// disabled nor hidden.
bool Inside(const Gadget& g, const FrameInput& in);
// The gadget's rectangle on the screen: its window's content origin added.
inline Rect GadgetRect(const Gadget& g, const FrameInput& in) {
  return {static_cast<long long>(in.ox) + g.x, static_cast<long long>(in.oy) + g.y, g.width,
          g.height};
}

// The built-in vertical scroll bar of a list, tree or open combo box list, where `layout` puts
// it. itemCount is the number of rows that can scroll (visible tree nodes for a tree). Scrolls
// topItem (asking EVENT_STEP) and returns the new state: 2 up arrow, 3 down arrow, 4 thumb,
// else the state unchanged. The thumb's grab offset lives in hoverItem (-1: not dragging).
// (list_scrolling.cpp)
int ListScrollBarPress(Gadget& g, const FrameInput& in, const RowLayout& layout,
                       long long itemCount);
// The list wheel rule: with more than `rows` entries (count), the top entry moves by three
// per notch towards the start for a positive wheel, kept within 0 .. count - rows, asking
// EVENT_STEP with the difference. Lists, trees (count in visible nodes) and the open combo box
// list share it. (list_scrolling.cpp)
void WheelScroll(Gadget& g, int wheel, long long count);

// The focus and caret-placement press of a String, shared with the editable ComboBox's field.
void TakeTextFocus(Gadget& g, const FrameInput& in);
// One frame of a focused text field (String, or a ComboBox with a cursor): a pending click is
// reported, the key auto-repeat waits, else the keyboard editor runs once.
void UpdateTextField(Gadget& field);

// The key auto-repeat of a focused field (String, ComboBox with a cursor, Date). While the wait
// after an edit runs, KeyRepeatWaits counts it down and is true (nothing else happens in that
// frame); StartKeyRepeat starts it after the editor acted on keyCode and reports the field.
bool KeyRepeatWaits(Gadget& field);
void StartKeyRepeat(Gadget& field, int keyCode);

// The month calendar of a Calendar gadget, or the open drop-down of a Date gadget, occupying
// the screen rectangle `area`; the 197 x 154 face is centred in it. Picks a day cell
// (pickX, pickY and state 10, taken on release), jumps to today, or steps the month or the
// year within the date limits. Returns the new state. (calendar.cpp)
int CalendarPress(Gadget& g, const FrameInput& in, const Rect& area);
// The calendar states on release, shared by the Calendar and a Date's open calendar:
// 10 a day cell released -> 11 (the renderer takes the day), 12..14 a month step -> 0,
// 15..17 the year field -> 15; each reports EVENT_CLICK. (calendar.cpp)
void SettleCalendar(Gadget& g);

// Closes a Date's open calendar at once, reporting EVENT_DROP_CLOSED when it was open.
// (date.cpp)
void CloseDateCalendar(Gadget& g);

}  // namespace bevel::detail
