// bevel: a classic grey 3-D desktop (windows, menus, gadgets, requesters) drawn into the back
// buffer of a program that runs its own frame loop.
//
// This is the one public header of the command interface. The host initialises the services
// (OpenScreen), calls InitToolkit, sets its defaults, creates windows, menus and gadgets by
// number and calls GadgetEvent once per frame.
//
// Conventions:
// - Numbers of windows, gadgets and menus are chosen by the caller (1 or more) or ANY_NUMBER.
// - A missing record makes a command do nothing and return 0 (or "" / nullptr).
// - Colours are 0x00BBGGRR; -1 in a per-record colour or font slot means: use the default scheme.
// - Texts are Windows-1252 bytes.
//
// Index of this file:
// [SECTION] Services (screen, drawing, sprites, images, input, fonts, dates, files)
// [SECTION] Colour slots and schemes
// [SECTION] Initialisation and defaults
// [SECTION] Gadget creation
// [SECTION] Gadget items and columns
// [SECTION] Gadget state, text and attributes
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

// Slot numbers of the colour commands.
enum ColorSlot : int {
  COLOR_FACE = 1,       // background and base of every bevel
  COLOR_LIGHT = 2,      // light edge; inactive title bar of windows
  COLOR_TEXT = 3,       // text
  COLOR_SHADOW = 4,     // shadow, disabled text; inactive title text of windows
  COLOR_HIGHLIGHT = 5,  // selected text, title text
  COLOR_SELECTION = 6,  // selection, active title bar
  COLOR_FONT = 7,       // font handle
  COLOR_SPARE = 8,
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

// An event handler: called with the gadget's record, the event kind and an item or value
// before an action happens; returning 0 vetoes the action.
using EventCallback = std::function<int(Gadget* gadget, int kind, std::intptr_t item)>;

// Sets up the toolkit's state: empty lists, the three default colour schemes and their fonts
// ("MS Sans Serif" 10, normal for gadgets and menus, bold for windows). Call once, after
// OpenScreen is not required (fonts load without a screen).
void InitToolkit();
// Loads the toolkit's own file and folder icons; with withTypes nonzero also the file-type
// icons of the machine (MIME glob data and the installed icon theme, when present).
void InitFileIcons(int withTypes);
// Set one slot (ColorSlot 1..8) of a default scheme; a slot outside 1..8 changes nothing.
void SetGadgetDefaultColor(int slot, int value);
void SetWindowDefaultColor(int slot, int value);
void SetMenuDefaultColor(int slot, int value);
// Sets one slot of a colour block; a null block means the gadget scheme.
void SetColorSlot(int slot, int value, ColorScheme* block);
// Screen size in pixels and the pointer sprite (negative: none); starts the frame clock.
void SetScreenSize(int width, int height, int pointerSprite);
// Tab stop distance in pixels for texts with tab characters; values <= 0 are ignored.
void SetTabWidth(int pixels);
// Appends an event handler that applies to all gadgets.
void SetEventCallback(EventCallback callback);
// The window that receives new gadgets and menus: the pending window, else the active one
// (0 = the screen itself).
int CurrentGadgetListOwner();

//-----------------------------------------------------------------------------
// [SECTION] Gadget creation
//-----------------------------------------------------------------------------
// Every creator takes number, x, y (relative to the owning window's client area) and width,
// height (or a row count for list types) first. The gadget belongs to CurrentGadgetListOwner.
// number must be 1 or more, or ANY_NUMBER (a new unique handle becomes the number); with
// GADGET_INTERNAL in the flags any number is allowed. A number already used by any gadget
// fails. Result: the gadget's number (1 for an internal gadget numbered 0), 0 on failure.

inline constexpr int GADGET_INTERNAL = 0x40000000;

// Flag bits (the bits each type understands are listed with its creator).
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

int CreateButton(int number, int x, int y, int width, int height, std::string_view text,
                 int flags = 0);
int CreateCheckBox(int number, int x, int y, int width, int height, std::string_view text,
                   int flags = 0);
int CreateOption(int number, int x, int y, int width, int height, std::string_view text);
int CreateSpin(int number, int x, int y, int width, int height, int minimum, int maximum,
               int flags = 0);
int CreateText(int number, int x, int y, int width, int height, std::string_view text,
               int flags = 0);
// height = rows x 14 + 4, plus a 14-pixel header row unless LIST_NO_HEADER.
int CreateColumnList(int number, int x, int y, int width, int rows, std::string_view title,
                     int flags);
// maximum: longest text in characters, -1 no limit.
int CreateString(int number, int x, int y, int width, int height, std::string_view text,
                 int maximum, int flags);
int CreateProgressBar(int number, int x, int y, int width, int height, int minimum, int maximum,
                      int flags = 0);
int CreateComboBox(int number, int x, int y, int width, int rows, int flags);
int CreateFrame3D(int number, int x, int y, int width, int height, std::string_view text,
                  int flags = 0);
int CreateTrackBar(int number, int x, int y, int width, int height, int minimum, int maximum,
                   int flags);
// page: the visible part of the range (thumb size).
int CreateScrollBar(int number, int x, int y, int width, int height, int minimum, int maximum,
                    int page, int flags);
int CreateHyperLink(int number, int x, int y, int width, int height, std::string_view text,
                    int hoverColour, int flags = 0);
// image: an image handle (ImageHandle / LoadImage).
int CreateImageButton(int number, int x, int y, int width, int height, int image, int flags = 0);
int CreateTree(int number, int x, int y, int width, int rows, int flags);
// path: directory and pattern, e.g. "/home/user/*.txt;*.log"; "" shows the drives.
int CreateFileList(int number, int x, int y, int width, int rows, std::string_view path, int flags);
// mask: "%dd.%mm.%yyyy" when empty; date 0: now.
int CreateDate(int number, int x, int y, int width, int height, std::string_view mask = "",
               int date = 0, int flags = 0);
// At least 201 x 158; date 0: now.
int CreateCalendar(int number, int x, int y, int width, int height, int date = 0);

//-----------------------------------------------------------------------------
// [SECTION] Gadget items and columns
//-----------------------------------------------------------------------------
// Items of ColumnList, ComboBox, Tree and FileList gadgets, addressed by 0-based index.
// Adding: position -1 appends; 0..count inserts before that index (the selection stays on the
// same item); other positions append. Results: a non-zero item handle, 0 when nothing was added.

int AddGadgetItem(int number, int position, std::string_view text);
int AddGadgetItemData(int number, int position, std::string_view text, int data);
// level: tree depth, 0 for top-level nodes.
int AddTreeItem(int number, int position, std::string_view text, int data, int level);
// Adds a column to a ColumnList at left edge `left` (pixels from the list's left).
int AddColumn(int number, std::string_view title, int left);
int SetItemText(int number, int index, std::string_view text);
std::string GetItemText(int number, int index);
int CountGadgetItems(int number);
// Removes an item (a tree node with its whole subtree).
int RemoveGadgetItem(int number, int index);
// slot: COLOR_SPARE (8), COLOR_LIGHT (2, background) or COLOR_TEXT (3); -1 = the gadget's.
int SetItemColor(int number, int index, int slot, int colour);
// The low byte becomes the item's state bits; 0x10 selects, 0x400 collapses, 0x800 opens
// (FileList navigation).
int SetItemState(int number, int index, int state);
inline constexpr int ITEM_REQUEST_COLLAPSE = 0x400;
inline constexpr int ITEM_REQUEST_OPEN = 0x800;

//-----------------------------------------------------------------------------
// [SECTION] Gadget state, text and attributes
//-----------------------------------------------------------------------------

// Value, selection (0-based, -1 none), toggle state, cursor or date by type.
int SetGadgetState(int number, int value);
int GetGadgetState(int number);
int SetGadgetText(int number, std::string_view text);
std::string GetGadgetText(int number);
// String and editable ComboBox: the selection anchor / the caret; a negative position removes
// the cursor (the field loses the focus).
int SetSelectionStart(int number, int position);
int SetCursor(int number, int position);
int DisableGadget(int number, int flag);
// One slot (ColorSlot 1..8) of the gadget's own colour block; -1 returns it to the scheme.
int SetGadgetColor(int number, int slot, int value);
// The gadget's colour block, or nullptr when there is no such gadget (so that SetColorSlot
// then changes the gadget scheme).
ColorScheme* GetGadgetColors(int number);
// 1 in the frame of a double click / Return (lists, String, ComboBox); HyperLink: its hover
// colour; ImageButton: its image.
int GadgetActivated(int number);
int GadgetExists(int number);
// Each of x, y, width, height equal to -65535 stays; for list types height is a row count.
int ResizeGadget(int number, int x, int y, int width, int height);
inline constexpr int KEEP_VALUE = -65535;
// Date and Calendar limits (0 = no limit); the date is clamped at once.
int SetDateLimits(int number, int lower, int upper);
// The record handle that event handlers receive; nullptr when there is no such gadget.
Gadget* GadgetRecord(int number);
int RecordState(const Gadget* record);
std::string RecordItemText(const Gadget* record, int index);
// ColumnList: the 0-based column of the last click on a row or the header; other types 0.
int ClickedColumn(const Gadget* record);

}  // namespace bevel
