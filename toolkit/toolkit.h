// bevel: a classic grey 3-D desktop (windows, menus, gadgets, requesters) drawn into the back
// buffer of a program that runs its own frame loop.
//
// This is the one public header of the command interface. The host calls InitToolkit and opens
// the screen (in either order; OpenScreen and the other screen, drawing, sprite, image, input,
// font, date and file services come from services/services.h, included below), then calls
// SetScreenSize, sets its defaults, creates windows, menus and gadgets by number and calls
// GadgetEvent once per frame.
//
// Conventions:
// - Numbers of windows, gadgets and menus are chosen by the caller (1 or more) or ANY_NUMBER.
// - A missing record makes a command do nothing and return 0 (or "" / nullptr).
// - Colours are 0x00BBGGRR; -1 in a per-record colour or font slot means: use the default scheme.
// - Texts are Windows-1252 bytes.
// - Geometry is kept within a range far beyond any screen, so that no argument can make the
//   toolkit's arithmetic overflow: the positions and sizes that commands store (the gadget
//   creators, ResizeGadget, OpenWindowEx, ResizeWindow, ShowPopupMenu) are clamped to
//   -COORDINATE_LIMIT .. COORDINATE_LIMIT (one million pixels, services/services.h), the screen
//   size of SetScreenSize to 0 .. COORDINATE_LIMIT, and the row count of a list type to
//   0 .. 71427 (the most whose height stays within the limit). Commands that read geometry
//   back return the clamped values; the mouse is reported within the same range.
//
// Index of this file:
// [SECTION] Colour slots and schemes
// [SECTION] Initialisation and defaults
// [SECTION] The frame
// [SECTION] Events and record handles
// [SECTION] Keys
// [SECTION] Gadget creation
// [SECTION] Gadget items and columns
// [SECTION] Gadget state, text and attributes
// [SECTION] Menus
// [SECTION] Screen windows
// [SECTION] Requesters
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "services/services.h"

namespace bevel {

struct Gadget;        // a gadget's record; handlers receive it as the record handle
struct ScreenWindow;  // a screen window's record

//-----------------------------------------------------------------------------
// [SECTION] Colour slots and schemes
//-----------------------------------------------------------------------------

// Slot numbers of the colour commands. Bevel edges have no slots of their own: they are shades
// of the face colour.
enum ColorSlot : int {
  COLOR_FACE = 1,       // background and base of every bevel
  COLOR_LIGHT = 2,      // background of text fields, lists, check boxes and option marks;
                        // windows: the title bar while another window is about to become active
  COLOR_TEXT = 3,       // text; the glyphs of title-bar buttons
  COLOR_SHADOW = 4,     // disabled text; windows: the title text while another is about to
                        // become active
  COLOR_HIGHLIGHT = 5,  // selected text, the label of a highlighted menu entry, title text
  COLOR_SELECTION = 6,  // selection bar, progress bar fill, the bar behind a highlighted menu
                        // entry, title bar
  COLOR_FONT = 7,       // font handle
  COLOR_SPARE = 8,      // not drawn
};

// A colour block: eight signed 32-bit entries, stored in this order (index = storage place):
// 0 spare, 1 light, 2 text, 3 face, 4 shadow, 5 highlight, 6 selection, 7 font.
// Gadgets, windows and menus carry one; -1 in an entry means the default scheme's entry.
using ColorScheme = std::array<int, 8>;

// Storage index of a ColorSlot (1..8), or -1 for any other value.
constexpr int SlotIndex(int slot) {
  constexpr int kIndex[9] = {-1, 3, 1, 2, 4, 5, 6, 7, 0};
  return slot >= 1 && slot <= 8 ? kIndex[slot] : -1;
}

//-----------------------------------------------------------------------------
// [SECTION] Initialisation and defaults
//-----------------------------------------------------------------------------

// An event handler: called from inside GadgetEvent with the gadget's record handle, the event
// kind (EventKind) and an item or value before an action happens; returning 0 vetoes the action.
// See [SECTION] Events and record handles.
using EventCallback = std::function<int(Gadget* gadget, int kind, std::intptr_t item)>;

// Sets up the toolkit's state: no windows, gadgets, menus, shortcuts or handlers, and the three
// default colour schemes with their fonts ("MS Sans Serif" 10, normal for gadgets and menus,
// bold for windows). Call it once at start-up, before every other command of this header;
// before or after OpenScreen, as fonts load without a screen. A second call starts over: all
// records, handlers and settings (screen size, tab width, file icons) are dropped.
void InitToolkit();
// Makes the toolkit's own file and folder icons (FileList entries); with withTypes nonzero also
// reads the file-type icons of the machine (MIME glob data and the installed icon theme, when
// present). Call after InitToolkit and before creating file lists.
void InitFileIcons(int withTypes);
// Set one slot (ColorSlot 1..8) of a default scheme; a slot outside 1..8 changes nothing.
void SetGadgetDefaultColor(int slot, int value);
void SetWindowDefaultColor(int slot, int value);
void SetMenuDefaultColor(int slot, int value);
// Sets one slot of a colour block; a null block means the gadget scheme.
void SetColorSlot(int slot, int value, ColorScheme* block);
// Screen size in pixels (each clamped to 0 .. COORDINATE_LIMIT) and the pointer sprite
// (negative: none); starts the frame clock.
void SetScreenSize(int width, int height, int pointerSprite);
// Tab stop distance in pixels for texts with tab characters (menu labels, captions, items);
// values <= 0 are ignored. Until it is set, a tab is as wide as a space.
void SetTabWidth(int pixels);
// Appends an event handler that applies to all gadgets; an empty function is ignored. Handlers
// cannot be removed (InitToolkit drops them all).
void SetEventCallback(EventCallback callback);
// The window that receives new gadgets and menus: the pending window, else the active one
// (0 = the screen itself).
int CurrentGadgetListOwner();

//-----------------------------------------------------------------------------
// [SECTION] The frame
//-----------------------------------------------------------------------------

// One frame of the toolkit; call once per frame after drawing the scene and before ShowFrame.
// Reads keyboard and mouse, lets the gadgets of the live window (the active one, or the screen's
// own gadgets while no window is active) act on them, draws that window over the frozen rest of
// the screen (the screen's gadgets over the host's scene) with its menus and the pointer, and
// returns the number of the gadget that produced an event in this frame (0 none). MenuEvent and
// WindowEvent tell the rest.
int GadgetEvent();

//-----------------------------------------------------------------------------
// [SECTION] Events and record handles
//-----------------------------------------------------------------------------
// Handlers set with SetEventCallback are asked before an action happens, in the order they were
// set; the first that returns 0 vetoes it (for the kinds whose action can be refused). The item
// argument is a 0-based item index, a step or 0, as listed with each kind.
//
// A handler may do anything a host may do, including closing the gadget's window or running a
// frame loop of its own (a requester): a record closed during a frame is gone for every command
// at once (GadgetExists and WindowExists say 0) and is never drawn, pressed or notified again.

enum EventKind : int {
  EVENT_PRESS = 1,            // pressed, in every frame the press acts (Spin, Date arrows: item 0
                              // upper half, 1 lower half)
  EVENT_CLICK = 2,            // a click, toggle, selection change or the end of an edit
  EVENT_HELD_ELSEWHERE = 3,   // a mouse button is held while the mouse is not over the gadget
                              // (every frame; the result is ignored)
  EVENT_SELECT = 4,           // a list or tree item is about to be selected (item: its index)
  EVENT_RIGHT_PRESS = 5,      // a list item pressed with the right button (item: its index)
  EVENT_CHECK_PRESS = 6,      // an item's check box pressed (item: its index), a Date's check box
                              // pressed (0); a Tree item's tick toggled (item: its index)
  EVENT_CHECK_TOGGLE = 7,     // a ColumnList item's tick toggled (item: its index), a Date's check
                              // box toggled (0)
  EVENT_HEADER = 8,           // a ColumnList header column clicked (item: the 0-based column)
  EVENT_STEP = 9,             // a value or the first visible row is about to change by a step
                              // (item: the step, -1, +1 or the difference)
  EVENT_KEY = 10,             // a key is about to act on a text field (item: read with KeyOfEvent)
  EVENT_FOCUS = 11,           // a text field or Date takes the keyboard focus
  EVENT_FOCUS_LOST = 12,      // a text field or Date loses the keyboard focus
  EVENT_DROP_PRESS = 13,      // the button of a drop-down part (ComboBox list, Date calendar) is
                              // pressed to open or close it
  EVENT_DROP_OPEN = 14,       // a drop-down part is about to open
  EVENT_DROP_CLOSED = 15,     // a drop-down part closed
  EVENT_HOVER = 16,           // the mouse is over a HyperLink that is not highlighted yet (asked
                              // every frame while refused)
  EVENT_EXPANDER_PRESS = 17,  // a tree item's expand box pressed (item: its index)
  EVENT_EXPANDER = 18,        // a tree item's expand box clicked (item: its index)
  EVENT_COLLAPSE = 19,        // a tree item is about to collapse (item: its index)
  EVENT_EXPAND = 20,          // a tree item is about to expand (item: its index)
};

// What an EVENT_KEY handler is asked about: character is the typed byte (1..255), 0 for an
// editing key (Backspace, Delete, the arrows, Home, End, Enter); keyCode is the key's scan code,
// 0 for a character entered with Alt + digits.
struct KeyInfo {
  std::int16_t character;
  std::int16_t keyCode;
};
// The KeyInfo of an EVENT_KEY notification, read from the handler's item argument while the
// handler runs; {0, 0} for any other item.
KeyInfo KeyOfEvent(std::intptr_t item);

// Record handles. A Gadget* (GadgetRecord, the first argument of a handler), a MenuEntry* and a
// Shortcut* name one record while it exists: until its window is closed (closing counts at once,
// also in the middle of a frame). A handle of a closed record names nothing, even after another
// record took its number: commands given it do nothing and return 0 ("" for texts). Handles are
// tokens, not addresses: they cannot be dereferenced.
//
// The record handle of a gadget; nullptr when there is no such gadget.
Gadget* GadgetRecord(int number);
// The gadget's number; 0 for nullptr or a handle of a closed gadget.
int RecordNumber(const Gadget* record);
// GetGadgetState / GetItemText of the gadget the handle names; 0 / "" when it names none.
int RecordState(const Gadget* record);
std::string RecordItemText(const Gadget* record, int index);
// ColumnList: the 0-based column of the last click on a row or the header; other types 0.
int ClickedColumn(const Gadget* record);

//-----------------------------------------------------------------------------
// [SECTION] Keys
//-----------------------------------------------------------------------------
// Keys are scan codes (set 1; the extended keys + 128), the numbers KeyPushed and AddShortcut
// take. Letters and digits are named by the German keyboard's legends, which the toolkit's text
// entry follows (KEY_Z is the key right of T, KEY_Y the key left of X).

enum ScanCode : int {
  KEY_ESCAPE = 1,
  KEY_1 = 2,
  KEY_2 = 3,
  KEY_3 = 4,
  KEY_4 = 5,
  KEY_5 = 6,
  KEY_6 = 7,
  KEY_7 = 8,
  KEY_8 = 9,
  KEY_9 = 10,
  KEY_0 = 11,
  KEY_BACKSPACE = 14,
  KEY_TAB = 15,
  KEY_Q = 16,
  KEY_W = 17,
  KEY_E = 18,
  KEY_R = 19,
  KEY_T = 20,
  KEY_Z = 21,
  KEY_U = 22,
  KEY_I = 23,
  KEY_O = 24,
  KEY_P = 25,
  KEY_ENTER = 28,
  KEY_LEFT_CTRL = 29,
  KEY_A = 30,
  KEY_S = 31,
  KEY_D = 32,
  KEY_F = 33,
  KEY_G = 34,
  KEY_H = 35,
  KEY_J = 36,
  KEY_K = 37,
  KEY_L = 38,
  KEY_LEFT_SHIFT = 42,
  KEY_Y = 44,
  KEY_X = 45,
  KEY_C = 46,
  KEY_V = 47,
  KEY_B = 48,
  KEY_N = 49,
  KEY_M = 50,
  KEY_RIGHT_SHIFT = 54,
  KEY_LEFT_ALT = 56,
  KEY_SPACE = 57,
  KEY_CAPS_LOCK = 58,
  KEY_F1 = 59,
  KEY_F2 = 60,
  KEY_F3 = 61,
  KEY_F4 = 62,
  KEY_F5 = 63,
  KEY_F6 = 64,
  KEY_F7 = 65,
  KEY_F8 = 66,
  KEY_F9 = 67,
  KEY_F10 = 68,
  KEY_NUM_LOCK = 69,
  KEY_F11 = 87,
  KEY_F12 = 88,
  KEY_KEYPAD_ENTER = 156,
  KEY_RIGHT_CTRL = 157,
  KEY_RIGHT_ALT = 184,  // AltGr
  KEY_HOME = 199,
  KEY_UP = 200,
  KEY_PAGE_UP = 201,
  KEY_LEFT = 203,
  KEY_RIGHT = 205,
  KEY_END = 207,
  KEY_DOWN = 208,
  KEY_PAGE_DOWN = 209,
  KEY_INSERT = 210,
  KEY_DELETE = 211,
};

// Text field extras: comforts beyond the classic text fields for every String and editable
// ComboBox, off until SetTextFieldExtras switches them on (InitToolkit switches them off). Each
// of their keys is first offered to the handlers as EVENT_KEY with character 0 and the key's
// scan code (KEY_C, KEY_X, KEY_V, KEY_INSERT, KEY_DELETE, KEY_Z, KEY_Y); a veto leaves the field
// as it is, and the letter is not typed either.
//
// TEXT_FIELD_CLIPBOARD: Ctrl+C or Ctrl+Insert copies the selection to the clipboard
// (ClipboardText), Ctrl+X or Shift+Delete cuts it, Ctrl+V or Shift+Insert replaces it by the
// clipboard's text. A paste keeps the field's rules as typing does: nothing in a read-only
// field, only what STRING_NUMERIC admits, letters in the case STRING_LOWER_CASE or
// STRING_UPPER_CASE asks for, line feeds only in a multi-line String (CR LF and CR count as line
// feeds; other control bytes but tab are dropped), and no character beyond the maximum (those
// are left out). When nothing is left to paste the field stays as it is. A password field is
// never copied or cut.
// TEXT_FIELD_UNDO: Ctrl+Z undoes the last change of the text, Ctrl+Y redoes it; characters typed
// one after another form one step. A field keeps its last 100 steps; SetGadgetText, or any
// other change of the text than by the field's keys, drops them.
inline constexpr int TEXT_FIELD_CLIPBOARD = 0x1;
inline constexpr int TEXT_FIELD_UNDO = 0x2;
// Switches the extras on for the TEXT_FIELD_* bits given and off for the others; other bits are
// ignored.
void SetTextFieldExtras(int flags);

//-----------------------------------------------------------------------------
// [SECTION] Gadget creation
//-----------------------------------------------------------------------------
// Every creator takes number, x, y (relative to the owning window's client area) and width,
// height (or a row count for list types) first. The gadget belongs to CurrentGadgetListOwner.
// number must be 1 or more, or ANY_NUMBER (a new unique handle becomes the number); with
// GADGET_INTERNAL in the flags any number is allowed (CreateOption and CreateCalendar take no
// flags). A number already used by any gadget fails. Result: the gadget's number (1 for an
// internal gadget numbered 0), 0 on failure. Positions, sizes and row counts are clamped to
// the range given at the top of this header.
//
// Flags: each creator's comment names the bits its type understands; every creator with flags
// also takes GADGET_INTERNAL. Other bits have no effect. Where two bits exclude each other,
// the creator drops the losing one.

inline constexpr int GADGET_INTERNAL = 0x40000000;

// Flag bits. Some values are shared by bits of different types (FRAME_SINGLE and DATE_UPDOWN,
// LIST_CHECKBOXES and DATE_CHECKBOX, FRAME_FLAT and LIST_EXTENDED_SELECT, FLAG_TICKS and
// FILES_NO_OPEN).
inline constexpr int ALIGN_LEFT = 0x1;
inline constexpr int ALIGN_RIGHT = 0x2;
inline constexpr int ALIGN_CENTER = 0x4;
inline constexpr int BUTTON_TOGGLE = 0x8;
inline constexpr int SPIN_REVERSED = 0x10;
inline constexpr int LIST_NO_SELECTION = 0x20;
inline constexpr int STRING_NUMERIC = 0x80;
inline constexpr int STRING_PASSWORD = 0x100;
inline constexpr int STRING_LOWER_CASE = 0x200;
inline constexpr int STRING_UPPER_CASE = 0x400;
inline constexpr int FLAG_VERTICAL = 0x800;
inline constexpr int COMBO_EDITABLE = 0x1000;
inline constexpr int FRAME_SINGLE = 0x2000;
inline constexpr int FRAME_DOUBLE_SUNKEN = 0x4000;
inline constexpr int FRAME_FLAT = 0x8000;
inline constexpr int DATE_UPDOWN = 0x2000;
inline constexpr int LIST_EXTENDED_SELECT = 0x8000;
inline constexpr int FLAG_TICKS = 0x10000;
inline constexpr int LIST_ALWAYS_SCROLLBAR = 0x20000;
inline constexpr int STRING_MULTILINE = 0x40000;
inline constexpr int STRING_READONLY = 0x80000;
inline constexpr int LIST_NO_HEADER = 0x100000;
inline constexpr int LIST_CHECKBOXES = 0x200000;
inline constexpr int DATE_CHECKBOX = 0x200000;
inline constexpr int TREE_NO_LINES = 0x400000;
inline constexpr int LIST_MULTI_SELECT = 0x800000;
inline constexpr int LIST_HEADER_FIXED = 0x1000000;
inline constexpr int LIST_IMAGES = 0x2000000;
inline constexpr int FILES_NO_SUBDIRS = 0x40;
inline constexpr int FILES_NO_OPEN = 0x10000;
inline constexpr int FILES_SORTED = 0x4000000;
inline constexpr int FILES_NO_PARENT = 0x8000000;
inline constexpr int FILES_DIRS_ONLY = 0x10000000;

// Flags: ALIGN_LEFT, ALIGN_RIGHT, ALIGN_CENTER for the caption (centred when neither
// ALIGN_LEFT nor ALIGN_RIGHT is given; ALIGN_LEFT drops ALIGN_RIGHT); BUTTON_TOGGLE: a click
// turns it on or off instead.
int CreateButton(int number, int x, int y, int width, int height, std::string_view text,
                 int flags = 0);
// Flags: ALIGN_RIGHT puts the box at the right and right-aligns the caption (else both left).
int CreateCheckBox(int number, int x, int y, int width, int height, std::string_view text,
                   int flags = 0);
// No flags. Options next to each other in creation order form a group: setting one clears the
// others.
int CreateOption(int number, int x, int y, int width, int height, std::string_view text);
// Two stacked arrow buttons; the value starts at 0, even outside minimum .. maximum.
// Flags: SPIN_REVERSED: the lower arrow counts up.
int CreateSpin(int number, int x, int y, int width, int height, int minimum, int maximum,
               int flags = 0);
// Flags: ALIGN_LEFT (the default), ALIGN_RIGHT, ALIGN_CENTER; ALIGN_RIGHT drops ALIGN_CENTER.
int CreateText(int number, int x, int y, int width, int height, std::string_view text,
               int flags = 0);
// height = rows x 14 + 4, plus a 14-pixel header row unless LIST_NO_HEADER; title: the first
// column's header. Flags: ALIGN_RIGHT or ALIGN_CENTER aligns the first column's header and
// cells (not kept in the flags); LIST_NO_SELECTION, LIST_MULTI_SELECT, LIST_EXTENDED_SELECT
// (ignored with LIST_MULTI_SELECT), LIST_CHECKBOXES, LIST_NO_HEADER, LIST_HEADER_FIXED,
// LIST_ALWAYS_SCROLLBAR, LIST_IMAGES (itemData drawn as a 14 x 14 image before the text).
int CreateColumnList(int number, int x, int y, int width, int rows, std::string_view title,
                     int flags);
// maximum: longest text in characters (per line with STRING_MULTILINE), negative: no limit; a
// longer text is cut. Flags: ALIGN_RIGHT, ALIGN_CENTER (ALIGN_RIGHT drops ALIGN_CENTER);
// STRING_PASSWORD (drawn as "*"); STRING_MULTILINE (lines split at LF); STRING_READONLY;
// STRING_NUMERIC (keys type digits only, Alt + digits codes aside; then STRING_LOWER_CASE also
// admits "." and STRING_UPPER_CASE "-" at the start of a line); without STRING_NUMERIC,
// STRING_LOWER_CASE or STRING_UPPER_CASE types letters in that case (STRING_LOWER_CASE drops
// STRING_UPPER_CASE).
int CreateString(int number, int x, int y, int width, int height, std::string_view text,
                 int maximum, int flags);
// Bars: a range given the wrong way round is swapped, the value starts at the minimum, and
// width and height are swapped when needed so that a bar with FLAG_VERTICAL is never wider than
// tall and one without it never taller than wide.
// Flags: FLAG_VERTICAL (the bar grows downwards).
int CreateProgressBar(int number, int x, int y, int width, int height, int minimum, int maximum,
                      int flags = 0);
// rows: the rows of its drop-down list (height = rows x 14 + 4); the field is as high as its
// font plus 4. Flags: COMBO_EDITABLE (a text field; opening the list then selects the first
// item that begins with the typed text); STRING_UPPER_CASE or STRING_LOWER_CASE converts added
// items (upper case wins); typing into an editable box follows STRING_NUMERIC,
// STRING_LOWER_CASE, STRING_UPPER_CASE and STRING_READONLY as in a String; LIST_IMAGES.
int CreateComboBox(int number, int x, int y, int width, int rows, int flags);
// Flags: FRAME_SINGLE (thin sunken), FRAME_DOUBLE_SUNKEN, FRAME_FLAT (an outline in the text
// colour), the first one given wins; none: an etched group box with the caption at the left.
int CreateFrame3D(int number, int x, int y, int width, int height, std::string_view text,
                  int flags = 0);
// As the progress bar. Flags: FLAG_VERTICAL; FLAG_TICKS (a tick at every value, else only at
// the ends).
int CreateTrackBar(int number, int x, int y, int width, int height, int minimum, int maximum,
                   int flags);
// As the progress bar; page: the visible part of the range (thumb size). Flags: FLAG_VERTICAL.
int CreateScrollBar(int number, int x, int y, int width, int height, int minimum, int maximum,
                    int page, int flags);
// hoverColour: the text colour while the mouse is over it. Flags: ALIGN_LEFT (the default),
// ALIGN_RIGHT, ALIGN_CENTER; ALIGN_RIGHT drops ALIGN_CENTER.
int CreateHyperLink(int number, int x, int y, int width, int height, std::string_view text,
                    int hoverColour, int flags = 0);
// image: a sprite number (LoadSprite, CaptureSprite), blitted centred on the button with black
// as the transparent colour; a missing sprite shows the bare button. Flags: BUTTON_TOGGLE.
int CreateImageButton(int number, int x, int y, int width, int height, int image, int flags = 0);
// height = rows x 14 + 4. Flags: LIST_NO_SELECTION, LIST_CHECKBOXES, TREE_NO_LINES,
// LIST_IMAGES.
int CreateTree(int number, int x, int y, int width, int rows, int flags);
// A ColumnList without header whose items are a directory's entries (see the ColumnList for
// rows). path: directory and pattern, e.g. "/home/user/*.txt;*.log"; "" (or a directory that
// cannot be read) shows the drives. Flags: those of the ColumnList except LIST_CHECKBOXES and
// LIST_HEADER_FIXED (dropped) and LIST_NO_HEADER and LIST_IMAGES (always on); FILES_NO_SUBDIRS
// (no sub-directories and no drive list), FILES_NO_OPEN (a double click opens nothing),
// FILES_SORTED, FILES_NO_PARENT (no ".." entry), FILES_DIRS_ONLY. An entry whose name has
// characters Windows-1252 lacks shows "?" for them, greyed (item bit 0x80), and does not open.
int CreateFileList(int number, int x, int y, int width, int rows, std::string_view path, int flags);
// mask: "%dd.%mm.%yyyy" when empty; date 0: now. Flags: DATE_UPDOWN (up and down arrows
// instead of the calendar drop-down), DATE_CHECKBOX (a check box that sets or clears the date);
// STRING_NUMERIC is always added.
int CreateDate(int number, int x, int y, int width, int height, std::string_view mask = "",
               int date = 0, int flags = 0);
// At least 201 x 158; date 0: now. No flags.
int CreateCalendar(int number, int x, int y, int width, int height, int date = 0);

//-----------------------------------------------------------------------------
// [SECTION] Gadget items and columns
//-----------------------------------------------------------------------------
// Items of ColumnList, ComboBox, Tree and FileList gadgets, addressed by 0-based index.
// Adding: position -1 appends; 0..count inserts before that index (the selection stays on the
// same item); any other position appends. Results: a non-zero item handle, 0 when nothing was
// added (no such gadget, a type without items, or a FileList, whose items come from its
// directory). A ComboBox with STRING_UPPER_CASE / STRING_LOWER_CASE converts added texts.
// The other commands: 0 for a missing gadget or an index outside the items (nothing changes);
// 1 when done, and 1 unchanged for a type the command does not serve.

// A ColumnList item's text holds its cells, one per column, separated by LF.
int AddGadgetItem(int number, int position, std::string_view text);
// data: the caller's value of the item; with LIST_IMAGES an image handle (ImageHandle) drawn
// before its text.
int AddGadgetItemData(int number, int position, std::string_view text, int data);
// level: tree depth, 0 for top-level nodes.
int AddTreeItem(int number, int position, std::string_view text, int data, int level);
// ColumnList only: appends the column entry "<left>L_<title>" CR to the column entries (a CR in
// the title is dropped, a negative edge counts as 0); left is in pixels from the list's left.
int AddColumn(int number, std::string_view title, int left);
// ColumnList, ComboBox, Tree. The text is stored as given (a ComboBox's case flags apply only
// to added items).
int SetItemText(int number, int index, std::string_view text);
// "" for a missing gadget or index.
std::string GetItemText(int number, int index);
// 0 for a missing gadget or a type without items.
int CountGadgetItems(int number);
// ColumnList, ComboBox, Tree: removes an item (a tree node with its whole subtree). The
// selection stays on its item; when that item goes, the one that takes its index is selected
// (the new last item past the end).
int RemoveGadgetItem(int number, int index);
// slot: COLOR_LIGHT (2, the row's background), COLOR_TEXT (3) or COLOR_SPARE (8, kept but not
// drawn); colour -1 = the gadget's. Any other slot changes nothing and gives 0.
int SetItemColor(int number, int index, int slot, int colour);
// ColumnList, Tree, FileList. The low byte becomes the item's state bits: 0x2 ticked (with
// LIST_CHECKBOXES), 0x4 expanded (a tree node), 0x10 selected; a FileList's marks 0x40 (a
// directory) and 0x80 (a name with characters Windows-1252 lacks) are kept as they are. 0x10 is
// stored only with LIST_MULTI_SELECT; otherwise it selects the item as SetGadgetState does. Higher
// bits are requests: 0x400 collapses; 0x800 opens the entry of a FileList (navigation) and, for
// every type, leaves the item's bits unwritten. A tree node without children cannot be expanded; an
// expanded one stays expanded unless 0x400 asks otherwise.
int SetItemState(int number, int index, int state);
inline constexpr int ITEM_REQUEST_COLLAPSE = 0x400;
inline constexpr int ITEM_REQUEST_OPEN = 0x800;

//-----------------------------------------------------------------------------
// [SECTION] Gadget state, text and attributes
//-----------------------------------------------------------------------------

// A gadget's state by type: what GetGadgetState reads (0 for a missing gadget) and what
// SetGadgetState(number, value) does (result 1, or 0 for a missing gadget). Neither asks the
// event handlers.
//
//   Button, ImageButton  get: 1 while held down or toggled on, else 0.
//                        set: with BUTTON_TOGGLE nonzero = on, 0 = off; without it the value is
//                        stored as given (1: the next frame without a held mouse button reports
//                        a click).
//   CheckBox             get: 1 when ticked or held down, else 0. set: nonzero ticks, 0 clears.
//   Option               get: 1 when set or held down, else 0. set: nonzero sets it and clears
//                        the other Options of its group; 0 changes nothing.
//   Spin, ProgressBar,   get: the value. set: the value, clamped to minimum .. maximum.
//   TrackBar
//   ScrollBar            get: the value. set: the value, clamped to minimum .. maximum - page + 1
//                        (a page below 1 counts as 1; the minimum when the page exceeds the
//                        range).
//   ColumnList,          get: the selected item (0-based), -1 none. set: selects item `value`;
//   ComboBox, Tree,      past the end the last item, -1 or below none. A ComboBox shows the
//   FileList             selected item's text (inline codes removed), "" for none; a
//                        ColumnList's ClickedColumn becomes 0.
//   String               get: the caret position, -1 with no cursor. set: value >= 0 puts
//                        the caret there (at most the end of the text) with no selection and
//                        gives the field the focus; -2 puts it at the end; -1 and values below
//                        -2 remove the cursor and the focus.
//   Date                 get: the date (whole minutes), 0 while unticked (DATE_CHECKBOX).
//                        set: a negative value counts as 0; 0 with DATE_CHECKBOX unticks (the
//                        date is kept for when it is ticked again); any other value ticks it and
//                        sets the date, clamped to its limits (SetDateLimits).
//   Calendar             get: the date (whole minutes). set: the date, clamped to its limits.
//   Text, Frame3D        get: 0. set: nothing.
//   HyperLink            get: 1 while the mouse is over it, else 0. set: nothing.
int SetGadgetState(int number, int value);
int GetGadgetState(int number);
// String: the text, cut to the maximum (per line with STRING_MULTILINE), the cursor kept inside
// it; ComboBox: the field's text, inline codes removed; FileList: the directory part (up to the
// last "/" or "\"), the list is filled again and keeps its pattern; Date: the mask ("" the
// default mask), ending the edit of a date part; ColumnList, Tree: nothing; other types: their
// text (the caption where they show one). 1, or 0 for a missing gadget.
int SetGadgetText(int number, std::string_view text);
// ColumnList, Tree: the selected item's text ("" for none); FileList: its directory followed by
// the selected item's text; Date: the date formatted with its mask; other types: their text
// (caption or field content). "" for a missing gadget.
std::string GetGadgetText(int number);
// String and editable ComboBox: the selection anchor / the caret; the other end follows when
// the field had no cursor, a position past the text is its end, and the field takes the focus.
// A negative position removes the cursor (the field loses the focus). No handler is asked.
// 1 (also, with nothing changed, for other types), 0 for a missing gadget.
int SetSelectionStart(int number, int position);
int SetCursor(int number, int position);
// flag nonzero disables the gadget, 0 enables it. A disabled gadget takes no input and is drawn
// with the disabled text colour; a text field loses its caret and focus, an open drop-down
// closes. 1, or 0 for a missing gadget.
int DisableGadget(int number, int flag);
// hidden nonzero hides the gadget, 0 shows it again. A hidden gadget is neither drawn nor
// pressed, does not act on keys and is skipped by Tab; hiding takes its keyboard focus and
// closes its open drop-down (no handler is asked). 1, or 0 for a missing gadget.
int HideGadget(int number, int hidden);
// One slot (ColorSlot 1..8) of the gadget's own colour block; -1 returns it to the scheme.
// The result is always 0, whether or not the gadget exists.
int SetGadgetColor(int number, int slot, int value);
// The gadget's colour block, or nullptr when there is no such gadget (so that SetColorSlot
// then changes the gadget scheme).
ColorScheme* GetGadgetColors(int number);
// ColumnList, Tree, FileList: 1 in the frame of a double click on an item; String, editable
// ComboBox: 1 in the frame Return left a single-line field; else 0. HyperLink: its hover
// colour; ImageButton: its sprite number; other types 0.
int GadgetActivated(int number);
// 1 when a gadget with this number exists, else 0.
int GadgetExists(int number);
// Each of x, y, width, height equal to -65535 stays; for list types height is a row count.
// The others are clamped as at creation (see the conventions at the top). 1, or 0 for a missing
// gadget.
int ResizeGadget(int number, int x, int y, int width, int height);
inline constexpr int KEEP_VALUE = -65535;
// Date and Calendar limits as dates (0 or below = no limit; limits given the wrong way round
// are swapped); the date is clamped at once and on every later SetGadgetState. Other types: 1,
// nothing changes.
int SetDateLimits(int number, int lower, int upper);

//-----------------------------------------------------------------------------
// [SECTION] Menus
//-----------------------------------------------------------------------------
// A menu is the menu bar of a window (or of the screen, window 0) or a pop-up menu. It belongs
// to CurrentGadgetListOwner and lives until its window is closed. Entries are appended to the
// current menu (the one created last): titles open a level (a drop-down, or a sub-menu inside
// one), EndSubMenu closes it. A tab in a label puts the rest (the shortcut text) at the next
// tab stop (SetTabWidth). Only the first menu bar of a window is shown. Choices are read with
// MenuEvent after GadgetEvent.

struct MenuEntry;  // one entry of a menu; its address is the entry handle
struct Shortcut;   // one keyboard shortcut

// Modifier bits added to a shortcut's scan code.
inline constexpr int SHORTCUT_SHIFT = 0x10000;
inline constexpr int SHORTCUT_CTRL = 0x20000;
inline constexpr int SHORTCUT_ALT = 0x40000;

// A menu bar for the current window, which becomes the current menu. number: 1 or more, or
// ANY_NUMBER (a fresh unique handle). Result: the number, 0 when invalid or already used.
int CreateMenu(int number);
// As CreateMenu, but a pop-up menu: not drawn until ShowPopupMenu, closed by a choice or by a
// mouse button released outside it.
int CreatePopupMenu(int number);
// Append a title / an item / an end-of-level marker / a separator bar to the current menu.
// Result: the entry handle, nullptr when there is no current menu (nothing is appended).
MenuEntry* AddMenuTitle(std::string_view text);
// item: the number MenuEvent reports when this item is chosen.
MenuEntry* AddMenuItem(int item, std::string_view text);
MenuEntry* EndSubMenu();
MenuEntry* AddMenuSeparator();
// DisableMenuEntry on every entry of menu `menu` whose item number is `item`. 1 when the menu
// exists, else 0.
int DisableMenuItem(int menu, int item, int state);
// state nonzero disables the entry (and removes its highlight), 0 enables it. These three
// return 1, or 0 for a handle that is not (or no longer) an entry.
int DisableMenuEntry(MenuEntry* entry, int state);
int SetMenuItemText(MenuEntry* entry, std::string_view text);
// ticked nonzero draws a check mark before the label.
int SetMenuItemState(MenuEntry* entry, int ticked);
// A shortcut: while key's scan code and the keys of its SHORTCUT_* bits are held (either Shift,
// Ctrl or Alt key; other modifiers do not matter), MenuEvent reports `event` every frame.
// window 0: in every window, else only while that window is active. nullptr for a missing
// window.
Shortcut* AddShortcut(int window, int key, int event);
// Shows a pop-up menu with its top-left corner at (x, y) (clamped to -COORDINATE_LIMIT ..
// COORDINATE_LIMIT); -1 takes the mouse's x or y. 1, or 0 when there is no pop-up menu with
// this number.
int ShowPopupMenu(int number, int x = -1, int y = -1);
// Number of the last menu that is open (a bar with a drop-down, a shown pop-up); 0 when none.
int OpenMenuNumber();
// The height of a menu bar: 18 pixels.
int MenuBarHeight();
// What the menus produced in this frame: the event of the first held shortcut (of the active
// window or window 0), else the item chosen with the mouse (the active window's menus before
// the screen's); 0 when none.
int MenuEvent();

//-----------------------------------------------------------------------------
// [SECTION] Screen windows
//-----------------------------------------------------------------------------
// Only the active window is live: it is drawn every frame over a frozen picture of the screen
// as it looked before it became active (its backdrop). Opening or showing a window makes it
// modal over everything before it; it becomes active at the second GadgetEvent after opening.
// Closing or hiding it gives activity back to its owner (the window that was active, or about
// to become active, when it opened). New gadgets and menus belong to the window opened last.

// OpenWindowEx flags. With WINDOW_MINIMIZE_ENABLED or WINDOW_MAXIMIZE_ENABLED the title bar
// shows both the minimise and the maximise button (unless hidden by WINDOW_NO_*_BUTTON); the
// one whose own flag is missing is greyed and does nothing.
inline constexpr int WINDOW_CENTERED = 0x1;        // centre on the screen when opened
inline constexpr int WINDOW_CLOSE_BUTTON = 0x8;    // close button in the title bar
inline constexpr int WINDOW_NO_BORDER = 0x10;      // else a 2-pixel bevel on every side
inline constexpr int WINDOW_ESCAPE_CLOSES = 0x20;  // releasing Escape raises WINDOW_EVENT_CLOSE
inline constexpr int WINDOW_NO_MAXIMIZE_BUTTON = 0x800;
inline constexpr int WINDOW_MINIMIZE_ENABLED = 0x1000;   // implies the close button
inline constexpr int WINDOW_MAXIMIZE_ENABLED = 0x10000;  // implies the close button
inline constexpr int WINDOW_NO_MINIMIZE_BUTTON = 0x20000;
inline constexpr int WINDOW_NO_TITLE_BAR = 0x100000;  // else a 20-pixel title bar
inline constexpr int WINDOW_INTERNAL = 0x40000000;    // any number allowed (requesters)

// WindowEvent results.
inline constexpr int WINDOW_EVENT_CLOSE = 1;     // close button released over it, or Escape
                                                 // released (WINDOW_ESCAPE_CLOSES)
inline constexpr int WINDOW_EVENT_DRAGGING = 2;  // every frame while the title bar is dragged
inline constexpr int WINDOW_EVENT_DRAGGED = 3;   // drag finished
inline constexpr int WINDOW_EVENT_MAXIMIZE = 4;  // maximised or restored
inline constexpr int WINDOW_EVENT_MINIMIZE = 5;  // minimised or restored
inline constexpr int WINDOW_EVENT_MIN_SIZE = 6;  // enlarged to its minimum size when drawn

// OpenWindowEx with flags 0.
int OpenWindow(int number, int x, int y, int width, int height, std::string_view title);
// Opens a window: (x, y) is its outer corner, width x height its content area (a menu bar
// takes the top 18 pixels of it; gadgets are placed below the bar). number: 1 or more, or
// ANY_NUMBER (a fresh unique number); with WINDOW_INTERNAL any number. Position and size are
// clamped to -COORDINATE_LIMIT .. COORDINATE_LIMIT. Result: the number (1 for an internal
// window numbered 0), 0 when the number is invalid or already used.
// (0 also stands for the screen: a window numbered 0 never becomes active and owns nothing.)
int OpenWindowEx(int number, int x, int y, int width, int height, std::string_view title,
                 int flags);
// Closes a window with its gadgets, menus and shortcuts; an active window's owner becomes
// active at once. 1 when the window existed, else 0.
int CloseWindow(int number);
// hidden nonzero hides the window (activity goes to its owner), 0 shows it again above
// everything (active two frames later). 1 when the window exists, else 0.
int HideWindow(int number, int hidden);
// The active window's event of this frame (WINDOW_EVENT_*); 0 when none or no window is active.
int WindowEvent();
// Content size (for a maximised or minimised window the restored one), 0 for a missing window.
int WindowWidth(int number);
int WindowHeight(int number);
// Size with border and title bar (a maximised window covers the screen, a minimised one shows
// only its title bar); 0 for a missing window.
int WindowOuterWidth(int number);
int WindowOuterHeight(int number);
// Moves the window's outer corner to (x, y) and gives its content area width x height;
// KEEP_VALUE keeps a value; the others are clamped to -COORDINATE_LIMIT .. COORDINATE_LIMIT. A
// maximised or minimised window is left as it is. 1 when the window exists, else 0.
int ResizeWindow(int number, int x, int y, int width, int height);
// One slot (ColorSlot 1..8) of the window's own colour block; -1 returns it to the window
// scheme. 1 when the window exists, else 0.
int SetWindowColor(int number, int slot, int value);
// 1 when a window with this number exists.
int WindowExists(int number);

//-----------------------------------------------------------------------------
// [SECTION] Requesters
//-----------------------------------------------------------------------------
// Modal dialogs: each opens a centred window (the first free negative window number, its
// gadgets the first free negative gadget numbers downwards) over the frozen screen and runs
// frames of its own (ShowFrame, ClearScreen, GadgetEvent, the pointer) until it is answered;
// the host's loop waits meanwhile. A requester may be opened from anywhere, also from an event
// handler or another requester's callback; when it closes, the window that was active goes on.
//
// Texts and button lists are split into lines at LF. Flags are window flags: the requester drops
// WINDOW_NO_BORDER, WINDOW_MAXIMIZE_ENABLED, WINDOW_NO_MINIMIZE_BUTTON and WINDOW_NO_TITLE_BAR
// and adds WINDOW_CENTERED, so WINDOW_CLOSE_BUTTON, WINDOW_ESCAPE_CLOSES,
// WINDOW_MINIMIZE_ENABLED and WINDOW_NO_MAXIMIZE_BUTTON are the caller's to choose. A window
// wider or taller than the screen is cut to it (its texts with it).
//
// A requester is cancelled by its close button or Escape (with those flags), by a callback, by
// its window being closed by someone else, by the user asking to close the program's window
// (PollWindowMessages still reports that to the host afterwards), and at once when no screen is
// open.

// The kinds of a requester callback: callback(kind, value) -> result.
enum RequesterEventKind : int {
  REQUESTER_OPENED = 1,  // once, after the window and its own gadgets were made (value: the
                         // window number); the callback may add gadgets numbered 1 or more and
                         // resize the window; the result is ignored
  REQUESTER_GADGET = 2,  // a gadget of the callback's produced an event (value: its number);
                         // nonzero cancels
  REQUESTER_WINDOW = 3,  // the window produced a window event (value: WINDOW_EVENT_*); nonzero
                         // cancels
  REQUESTER_MENU = 4,    // a menu item or shortcut fired (value: its MenuEvent); nonzero cancels
  REQUESTER_ANSWER = 5,  // the user answered (message requester: value = the 1-based button;
                         // input requester: the entered text; colour requester: the colour);
                         // 0 refuses and keeps it open
  // Colour requester: "Farben definieren >>" widened the window (value 0); the result is ignored.
  REQUESTER_EXPANDED = 6,
  // Colour requester: "Farbe hinzufügen" stored the colour in a custom slot (value: the slot,
  // 0..31); the result is ignored.
  REQUESTER_CUSTOM_COLOR = 7,
};

// An empty function means no callback.
using RequesterCallback = std::function<int(int kind, int value)>;
// For requesters that answer with a text: kind REQUESTER_ANSWER gets the text (value 0); the
// other kinds get their value and "".
using TextRequesterCallback = std::function<int(int kind, int value, std::string_view text)>;

// title, a text of one or more lines, and a row of 80 x 20 buttons, one per line of buttons
// ("OK", "Ja\nNein"; an empty line makes a button without caption). The 1-based index of the
// button pressed; 0 when cancelled.
int MessageRequesterEx(std::string_view title, std::string_view text, std::string_view buttons,
                       int flags, RequesterCallback callback);
// MessageRequesterEx without a callback.
int MessageRequester(std::string_view title, std::string_view text, std::string_view buttons,
                     int flags);
// MessageRequester with flags 0: only a button ends it (the other requesters report their
// errors so).
int InfoRequester(std::string_view title, std::string_view text, std::string_view buttons);
// A message, a String holding `defaultText` (focused, the caret after the text) and an "OK"
// button. maximum: the longest text in characters (negative: no limit). flags serve the window
// and, besides, the String (STRING_NUMERIC, STRING_PASSWORD, STRING_LOWER_CASE, ...): each
// ignores the bits it does not know. The text entered, accepted by "OK" or Return; defaultText
// when cancelled.
std::string InputRequester(std::string_view title, std::string_view text,
                           std::string_view defaultText, int maximum, int flags,
                           TextRequesterCallback callback = {});

// Builds the colour requester's tables: the spectrum of hues (across) and saturations (down)
// with its picture, the 48 base colours, and the 32 custom colours, black. The custom colours
// then last from one colour requester to the next, as long as the toolkit (InitToolkit drops
// them; so does a second call of this). Call it after InitToolkit; a colour requester opened
// without it builds the tables itself. 1, or 0 when the picture could not be drawn (the spectrum
// then shows nothing but picks colours all the same).
int InitColorRequester();
// Colour requester flag: open wide, with the spectrum and the fields, at once.
inline constexpr int COLOR_REQUESTER_EXPANDED = 0x200000;
// "Farbe": a colour picked from 48 base and 32 custom swatches or, after "Farben definieren >>",
// from a spectrum of hue and saturation with a lightness bar, or typed as hue, saturation,
// lightness (0..239, 0..240, 0..240) or red, green, blue (0..255). "Farbe hinzufügen" stores
// the colour in the next custom slot (after the last one picked; the last slot is overwritten
// once all are used). colour: the colour shown at the start (0x00BBGGRR, the top byte
// ignored). flags: WINDOW_CLOSE_BUTTON, WINDOW_ESCAPE_CLOSES, COLOR_REQUESTER_EXPANDED. The
// colour accepted by "OK"; -1 when cancelled ("Abbrechen", the close button, Escape, ...); 0
// when a callback's result ended it (REQUESTER_GADGET, _MENU, _WINDOW).
int ColorRequesterEx(int colour, int flags, RequesterCallback callback);
// ColorRequesterEx without a callback.
int ColorRequester(int colour, int flags);

// File requesters: a FileList (the drives while no directory is set), a name field, a ComboBox
// of patterns and the buttons "Öffnen" ("Speichern" to save; "Öffnen" while a directory is
// selected) and "Abbrechen". Paths use "/": a "\" typed (or given) is read as "/", a leading "~"
// is the home directory (HomeDirectory), and a name not starting with "/" counts from the list's
// directory ("/" while the drives are shown). Typing a directory's name and Return (or the
// accept button) opens it; so do a double click and the accept button on a directory of the list.
// A double click on a file chooses it if the mouse does not move before the button is let go.
// List entries whose names have characters Windows-1252 lacks are greyed and can be neither
// opened nor chosen. Errors are shown with InfoRequester (titled `title`); the requester stays
// open.
//
// defaultFile: its directory part (up to the last "/") is the list's first directory ("" the
// drives), the rest the name field's first text. patterns: pairs of a shown name and a FileList
// pattern, all joined by "|" ("Texte (*.txt)|*.txt;*.log|Alle Dateien|*"), taken up to the first
// empty name; patternIndex: the pair shown first (0-based; outside the pairs the first).
// windowFlags serve the window (WINDOW_CLOSE_BUTTON, WINDOW_ESCAPE_CLOSES) and the name field
// (ALIGN_RIGHT, ALIGN_CENTER, STRING_READONLY); listFlags: the FileList's flags (FILES_*,
// LIST_ALWAYS_SCROLLBAR; LIST_MULTI_SELECT is dropped) and the FILE_* bits below.
//
// The result: the full path of the chosen file; "" when cancelled.
inline constexpr int FILE_MUST_EXIST = 0x800;        // open: only an existing file
inline constexpr int FILE_REFUSE_READONLY = 0x2000;  // save: no file the user may not write
inline constexpr int FILE_ASK_REPLACE = 0x4000;      // save: ask before replacing a file
// open: several files may be selected (Shift and Ctrl in the list); the name field then lists
// them, each in double quotes and followed by a blank. The result is the first; NextChosenFile
// gives the others.
inline constexpr int FILE_MULTIPLE = 0x8000;
std::string OpenFileRequester(std::string_view title, std::string_view defaultFile,
                              std::string_view patterns, int patternIndex, int windowFlags,
                              int listFlags);
std::string SaveFileRequester(std::string_view title, std::string_view defaultFile,
                              std::string_view patterns, int patternIndex, int windowFlags,
                              int listFlags);
// Both requesters with a callback: FILE_REQUESTER_SAVE in windowFlags asks for the save form.
// Kind REQUESTER_ANSWER gets the chosen path; 0 keeps the requester open.
inline constexpr int FILE_REQUESTER_SAVE = 0x40000000;
std::string FileRequester(std::string_view title, std::string_view defaultFile,
                          std::string_view patterns, int patternIndex, int windowFlags,
                          int listFlags, TextRequesterCallback callback);
// After a multiple selection: the next path after the one returned or fetched last; "" after
// the last one (and ever after), after a single selection and after a cancelled requester.
std::string NextChosenFile();
// The checks a file requester makes before it accepts path, with the FILE_* bits of listFlags:
// a valid name (IsValidFileName), then FILE_MUST_EXIST, FILE_REFUSE_READONLY and
// FILE_ASK_REPLACE (a directory counts as no file). A refusal or question is shown with
// InfoRequester titled `title`. 1 when accepted, 0 when refused.
int CheckChosenFile(std::string_view title, std::string_view path, int listFlags);

}  // namespace bevel
