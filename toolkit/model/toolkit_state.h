// The one global record of the toolkit. Every toolkit source reaches it one way, and names it
// `tk` in function bodies (a gadget is never called that):
//   ToolkitState& tk = Toolkit();
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "toolkit/model/gadget_list.h"
#include "toolkit/model/menu_records.h"
#include "toolkit/model/record_list.h"
#include "toolkit/model/screen_window.h"
#include "toolkit/toolkit.h"

namespace bevel {

struct EventHandler {
  EventCallback procedure;
  const void* filter = nullptr;  // nullptr: all gadgets; else the one Gadget or ScreenWindow
  bool dead = false;             // its filter's record was closed: never called again
};

struct FileTypeIcon {
  std::string extension;  // with the leading ".", lower case
  int icon = 0;           // image handle
};

// One mounted file system shown at a file list's drive level.
struct DriveRecord {
  std::string driveRoot;
  int driveType = 0;
  std::string driveTypeName;
  std::string driveLabel;
  std::string driveText;
  int driveIcon = 0;
};

struct ToolkitState {
  int OpenPopupIndex = -1;  // position in GadgetList of the gadget with an open drop-down
  int SuppressPointer = 0;
  int EventGadget = 0;
  int ClickCounter = 0;
  int PointerVisible = 1;
  int PressX = 0, PressY = 0;
  int FramesPerTenth = 0;
  std::uint32_t LastFrameTick = 0;
  int ScreenSnapshot = 0;
  int FileIcon = 0, FolderIcon = 0;
  int LastEditKey = 0;
  const KeyInfo* AnnouncedKey = nullptr;  // the record of the EVENT_KEY being asked, if any
  int ScreenWidth = 0, ScreenHeight = 0;
  int PointerSprite = 0;
  int BlinkFrames = 0;
  int TabWidth = 0;
  int TextFieldExtras = 0;  // TEXT_FIELD_* bits of SetTextFieldExtras
  int ActiveWindow = 0;
  int PendingWindow = 0;
  int PendingDelay = 0;
  ColorScheme GadgetScheme{};
  ColorScheme MenuScheme{};
  ColorScheme WindowScheme{};
  std::vector<int> TreeTable;  // 258 entries, the tree renderer's level table

  // Frames: GadgetEvent calls in progress (a handler may run frames of its own), and the serial
  // of the frame being run (or last run), which nested frames save and put back.
  int FrameDepth = 0;
  std::uint64_t FrameSerial = 1;
  std::uint64_t LastFrameSerial = 1;  // the last serial given out

  detail::GadgetList GadgetList;                // creation order; items live in their gadget
  detail::RecordList<ScreenWindow> WindowList;  // opening order
  detail::RecordList<Menu> MenuList;
  detail::HandleList<MenuEntry> MenuEntryList;
  detail::HandleList<Shortcut> ShortcutList;
  // A deque: handlers appended while one runs never move it.
  std::deque<EventHandler> HandlerList;
  std::vector<DriveRecord> DirEntryList;
  std::vector<FileTypeIcon> FileTypeIconList;
  std::vector<std::string> DirNameList, FileNameList;

  // The colour requester's tables, made by InitColorRequester (empty SpectrumTable: not yet).
  // SpectrumTable holds 241 rows of 240 hues, row by row; ColorTable the swatches 1..80 (0 is
  // not used), 49..80 the custom colours. They and the slot the next added custom colour fills
  // last as long as the toolkit, from one requester call to the next.
  std::vector<int> SpectrumTable;
  std::array<int, 81> ColorTable{};
  int SpectrumImage = 0;  // image number, 0 none
  int NextCustomColor = 49;
  // A file requester's multiple selection, and the place of the path returned or fetched last.
  std::vector<std::string> SelectedFiles;
  std::size_t SelectedFilePlace = 0;
};

ToolkitState& Toolkit();

namespace detail {

// The live gadget with this number (its record, not its public handle); nullptr for none.
inline Gadget* FindGadget(int number) {
  return Toolkit().GadgetList.Find(number);
}

}  // namespace detail
}  // namespace bevel
