// The FileList gadget: one directory's entries ("..", sub-directories, matching files, each
// with an icon), or the drive list (the mounted file systems) when no directory is set.
//
// A directory text always ends in "/"; "" stands for the drive list. The whole directory is
// read again on every fill (creation, SetGadgetText, opening an entry) and never by a frame:
// nothing is cached, so a fill shows what is there now. Names Windows-1252 cannot spell are
// greyed and never opened (their "?" would name something else); names with control bytes,
// which an item would take for column breaks and inline text codes, are left out.
#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "services/services.h"
#include "toolkit/gadgets/file_list.h"
#include "toolkit/gadgets/gadget_rules.h"
#include "toolkit/gadgets/items.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

constexpr char kParentEntry[] = "..";

const char* DriveTypeName(int type) {
  switch (type) {
    case DRIVE_FIXED:
      return "Lokaler Datentr\xE4ger";
    case DRIVE_REMOVABLE:
      return "Wechseldatentr\xE4ger";
    case DRIVE_REMOTE:
      return "Netzlaufwerk";
    case DRIVE_CDROM:
      return "CD-Laufwerk";
    case DRIVE_RAMDISK:
      return "RAM-Disk";
    default:
      return "Undefinierter Typ";
  }
}

// "DATEN" and "daten" both read "Daten".
std::string CapitalisedLabel(std::string_view label) {
  std::string result = LowerCase(label);
  if (!result.empty()) result[0] = UpperCase(result.substr(0, 1))[0];
  return result;
}

// Ascending, ignoring case; names equal but for case keep a fixed order (by their bytes), so
// the order never depends on the order the file system hands them out.
void SortIgnoringCase(std::vector<std::string>& names) {
  std::vector<std::pair<std::string, std::string>> keyed;
  keyed.reserve(names.size());
  for (std::string& name : names) keyed.emplace_back(LowerCase(name), std::move(name));
  std::sort(keyed.begin(), keyed.end());
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = std::move(keyed[i].second);
}

// Extension (".txt", lower case) -> icon; a later entry of the icon list wins.
std::unordered_map<std::string, int> IconsByExtension() {
  const ToolkitState& tk = Toolkit();
  std::unordered_map<std::string, int> icons;
  for (const FileTypeIcon& entry : tk.FileTypeIconList) icons[entry.extension] = entry.icon;
  return icons;
}

int FileIconFor(const std::string& name, const std::unordered_map<std::string, int>& icons) {
  const ToolkitState& tk = Toolkit();
  const auto dot = name.rfind('.');
  if (dot == std::string::npos) return tk.FileIcon;
  const auto found = icons.find(LowerCase(std::string_view(name).substr(dot)));
  return found == icons.end() ? tk.FileIcon : found->second;
}

// Names as read that do not lead back to their entries (ListingEntryExact). An exact name that
// reads the same as a lost one is greyed with it: the two cannot be told apart.
using LostNames = std::unordered_set<std::string>;

void AppendEntry(Gadget& gadget, const std::string& text, int icon, int state,
                 const LostNames& lost = {}) {
  if (AddItem(gadget, -1, text, icon, -1) == 0) return;
  GadgetItem& item = gadget.items.back();
  item.itemState = state;
  if (!lost.empty() && lost.count(text) != 0) {
    // Greyed in the disabled text colour: the name cannot be opened or chosen.
    const int slot = SlotIndex(COLOR_SHADOW);
    const int own = gadget.colors[static_cast<std::size_t>(slot)];
    item.itemColors[2] = own != -1 ? own : Toolkit().GadgetScheme[static_cast<std::size_t>(slot)];
    item.itemState |= ITEM_NAME_LOST;
  }
}

// Reads the directory `text` into the scratch name lists; false when it cannot be examined.
bool ReadDirectory(const Gadget& gadget, LostNames& lost) {
  ToolkitState& tk = Toolkit();
  const int listing = OpenListing(ANY_NUMBER, gadget.text, "");
  if (listing == 0) return false;
  tk.DirNameList.clear();
  tk.FileNameList.clear();
  while (NextListingEntry(listing) != 0) {
    std::string name = ListingEntryName(listing);
    if (name == "." || name == kParentEntry || !ShowableName(name)) continue;
    const int kind = ListingEntryKind(listing);
    if (ListingEntryExact(listing) == 0) lost.insert(name);
    if (kind == ENTRY_DIRECTORY) {
      if ((gadget.flags & FILES_NO_SUBDIRS) == 0) tk.DirNameList.push_back(std::move(name));
    } else if (kind == ENTRY_FILE && (gadget.flags & FILES_DIRS_ONLY) == 0) {
      if (MatchPattern(LowerCase(name), gadget.extraText) != 0) {
        tk.FileNameList.push_back(std::move(name));
      }
    }
  }
  CloseListing(listing);
  if (gadget.flags & FILES_SORTED) {
    SortIgnoringCase(tk.DirNameList);
    SortIgnoringCase(tk.FileNameList);
  }
  return true;
}

void AppendDirectoryItems(Gadget& gadget, const LostNames& lost) {
  const ToolkitState& tk = Toolkit();
  if ((gadget.flags & FILES_NO_PARENT) == 0) {
    AppendEntry(gadget, kParentEntry, tk.FolderIcon, ITEM_DIRECTORY);
  }
  for (const std::string& name : tk.DirNameList) {
    AppendEntry(gadget, name, tk.FolderIcon, ITEM_DIRECTORY, lost);
  }
  if (tk.FileNameList.empty()) return;
  const auto icons = IconsByExtension();
  for (const std::string& name : tk.FileNameList) {
    AppendEntry(gadget, name, FileIconFor(name, icons), 0, lost);
  }
}

void AppendDriveItems(Gadget& gadget) {
  ReadDrives();
  const ToolkitState& tk = Toolkit();
  for (const DriveRecord& drive : tk.DirEntryList) {
    AppendEntry(gadget, drive.driveText, drive.driveIcon, ITEM_DIRECTORY);
  }
}

}  // namespace

void FillFileList(Gadget& gadget) {
  ClearGadgetItems(gadget);
  LostNames lost;
  // A directory that vanished or cannot be read turns into the drive list.
  if (!gadget.text.empty() && !ReadDirectory(gadget, lost)) gadget.text.clear();
  if (!gadget.text.empty()) {
    AppendDirectoryItems(gadget, lost);
  } else if ((gadget.flags & FILES_NO_SUBDIRS) == 0) {
    AppendDriveItems(gadget);
  }
}

void OpenFileListEntry(Gadget& gadget, int index) {
  const ToolkitState& tk = Toolkit();
  if (index < 0 || index >= static_cast<int>(gadget.items.size())) return;
  if (gadget.text.empty()) {
    // The drive list's items are DirEntryList in order.
    if (index >= static_cast<int>(tk.DirEntryList.size())) return;
    gadget.text = tk.DirEntryList[static_cast<std::size_t>(index)].driveRoot;
  } else {
    const GadgetItem& item = gadget.items[static_cast<std::size_t>(index)];
    if ((item.itemState & ITEM_DIRECTORY) == 0) return;  // a file: nothing to open
    if (item.itemState & ITEM_NAME_LOST) return;         // its name leads elsewhere
    if (item.itemText == kParentEntry) {
      // "/a/b/" becomes "/a/"; "/" becomes "", the drive list.
      const std::string_view withoutSeparator =
          std::string_view(gadget.text).substr(0, gadget.text.size() - 1);
      gadget.text = std::string(DirectoryPart(withoutSeparator));
    } else {
      gadget.text += item.itemText + "/";
    }
  }
  FillFileList(gadget);
}

void SetFileListPath(int number, std::string_view directory, std::string_view pattern) {
  Gadget* gadget = Toolkit().GadgetList.Find(number);
  if (gadget == nullptr || gadget->type != GADGET_FILELIST) return;
  gadget->text = DirectoryPart(directory);
  gadget->extraText = LowerCase(pattern);
  FillFileList(*gadget);
}

void ReadDrives() {
  ToolkitState& tk = Toolkit();
  tk.DirEntryList.clear();
  for (const std::string& root : DriveRoots()) {
    // A mount point with a control byte could not be shown as itself; a label is only a name.
    if (!ShowableName(root)) continue;
    DriveRecord drive;
    drive.driveRoot = root;
    drive.driveType = DriveType(root);
    drive.driveTypeName = DriveTypeName(drive.driveType);
    const std::string label = DriveLabel(root);
    if (ShowableName(label)) drive.driveLabel = CapitalisedLabel(label);
    // "/media/stick/" reads as "/media/stick"; the root itself stays "/".
    const std::string shown =
        root.size() > 1 && root.back() == '/' ? root.substr(0, root.size() - 1) : root;
    drive.driveText = drive.driveLabel.empty()
                          ? drive.driveTypeName + " (" + shown + ")"
                          : drive.driveLabel + " (" + drive.driveTypeName + " " + shown + ")";
    drive.driveIcon = tk.FolderIcon;
    tk.DirEntryList.push_back(std::move(drive));
  }
}

bool ShowableName(std::string_view name) {
  return std::none_of(name.begin(), name.end(),
                      [](char c) { return static_cast<unsigned char>(c) < 32; });
}

}  // namespace bevel::detail
