// The gadget update pass: once per frame in which no mouse button is held and no menu is open,
// it turns the raw marks that press handling left (states, item bits, drop-down states) and the
// wheel into results: toggles, selections, scrolling, drop-downs opening and closing, events
// for the handlers and EventGadget.
//
// The driver (update_pass.cpp) does the steps every gadget shares; each type's own step is its
// UpdateFn in the gadget class table (gadget_classes.cpp):
//   Button, ImageButton  UpdateButton        update_buttons.cpp
//   CheckBox             UpdateCheckBox      update_buttons.cpp
//   Option               UpdateOption        update_buttons.cpp
//   Spin                 UpdateSpin          update_buttons.cpp
//   HyperLink            UpdateHyperLink     update_buttons.cpp
//   ColumnList, FileList UpdateList          update_lists.cpp
//   String               UpdateString        update_string.cpp
//   ComboBox             UpdateComboBox      update_combo_box.cpp
//   TrackBar             UpdateTrackBar      update_bars.cpp
//   ScrollBar            UpdateScrollBar     update_bars.cpp
//   Tree, TreeList       UpdateTree          update_tree.cpp
//   Date                 UpdateDate          update_date.cpp
//   Calendar             UpdateCalendar      update_date.cpp
//   Text, ProgressBar, Frame3D: nothing.
//
// Handlers run in the middle of a step and may close windows (deleting their gadgets) or
// create gadgets. Every step therefore holds its gadget as a pointer that N() re-fetches after
// each notification, and stops when it becomes nullptr.
#pragma once

#include <cstdint>

#include "toolkit/model/frame_input.h"
#include "toolkit/model/gadget.h"
#include "toolkit/model/screen_window.h"

namespace bevel::detail {

// Runs the pass over every gadget in list order.
void RunUpdatePass(const FrameInput& in);

// The per-type steps.
void UpdateButton(Gadget& g, const FrameInput& in);
void UpdateCheckBox(Gadget& g, const FrameInput& in);
void UpdateOption(Gadget& g, const FrameInput& in);
void UpdateSpin(Gadget& g, const FrameInput& in);
void UpdateHyperLink(Gadget& g, const FrameInput& in);
void UpdateList(Gadget& g, const FrameInput& in);
void UpdateString(Gadget& g, const FrameInput& in);
void UpdateComboBox(Gadget& g, const FrameInput& in);
void UpdateTrackBar(Gadget& g, const FrameInput& in);
void UpdateScrollBar(Gadget& g, const FrameInput& in);
void UpdateTree(Gadget& g, const FrameInput& in);
void UpdateDate(Gadget& g, const FrameInput& in);
void UpdateCalendar(Gadget& g, const FrameInput& in);

// [SECTION] Helpers shared by the steps

// Event kinds the pass raises.
inline constexpr int EVENT_CLICK = 2;
inline constexpr int EVENT_TREE_CHECK = 6;
inline constexpr int EVENT_CHECK = 7;
inline constexpr int EVENT_HEADER = 8;
inline constexpr int EVENT_SCROLL = 9;
inline constexpr int EVENT_FOCUS_LOST = 12;
inline constexpr int EVENT_DROP_OPEN = 14;
inline constexpr int EVENT_DROP_CLOSED = 15;
inline constexpr int EVENT_HOVER = 16;
inline constexpr int EVENT_EXPANDER = 18;
inline constexpr int EVENT_COLLAPSE = 19;
inline constexpr int EVENT_EXPAND = 20;

// Asks the handlers (with the gadget's window record) before an action on *g. A handler may
// delete the gadget: afterwards g is the gadget again, or nullptr when it no longer exists.
// Returns 1 when the action may go ahead, 0 when vetoed or when the gadget is gone.
// The caller guarantees g is non-null.
int N(Gadget*& g, int kind, std::intptr_t item);

// The mouse strictly inside the rectangle (left, top, width, height) in screen pixels: edges
// excluded, as every gadget but the HyperLink tests it.
bool InsideRect(const FrameInput& in, long long left, long long top, long long width,
                long long height);
// The mouse inside the gadget (its window's content origin added), and the gadget neither
// disabled nor hidden.
bool Inside(const Gadget& g, const FrameInput& in);

// The list wheel rule: with more than `rows` entries (count), the top entry moves by three
// per notch towards the start for a positive wheel, kept within 0 .. count - rows, and the
// handlers are offered the move as kind 9 with its difference. Lists, trees (count in visible
// nodes) and the open combo box list share it.
void WheelScroll(Gadget*& g, int wheel, long long count);

// Sets EventGadget to the gadget's number.
void MakeEventGadget(const Gadget& g);

}  // namespace bevel::detail
