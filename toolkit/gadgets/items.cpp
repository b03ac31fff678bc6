// Items of list-type gadgets: adding, changing, counting and removing rows, the column
// entries of a ColumnList, and the tree rules the item operations follow.
//
// Items live in their gadget's `items` vector, index = display position, so appending and
// every access by index are O(1); inserting or removing in the middle moves the later items.
// Invariants kept by every operation here: 0 <= value <= items.size() for the list types
// (value is the 1-based selection, 0 none); a change of the items or of an expanded bit marks
// a tree's row index stale (tree_rows.h).
#include <algorithm>
#include <climits>

#include "toolkit/gadgets/column_entries.h"
#include "toolkit/gadgets/file_list.h"
#include "toolkit/gadgets/items.h"
#include "toolkit/gadgets/tree_rows.h"
#include "toolkit/model/gadget_class.h"
#include "toolkit/model/rich_text.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace detail {
namespace {

// Deeper levels are clamped so that level arithmetic (a child is one deeper) cannot overflow.
constexpr int kMaxItemLevel = 1 << 20;

// Handles only need to be distinct while their items exist; a process would have to add 2^31
// items before the counter wraps.
int NewItemHandle() {
  static int last = 0;
  last = last == INT_MAX ? 1 : last + 1;
  return last;
}

unsigned char UpperByte(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
  return c;
}
unsigned char LowerByte(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
  return c;
}

// A ComboBox with a case flag holds its items in that case (upper case wins).
std::string TextForGadget(const Gadget& gadget, std::string_view text) {
  if (gadget.type == GADGET_COMBOBOX) {
    if (gadget.flags & STRING_UPPER_CASE) return UpperCase(text);
    if (gadget.flags & STRING_LOWER_CASE) return LowerCase(text);
  }
  return std::string(text);
}

GadgetItem MakeItem(const Gadget& gadget, std::string_view text, int data, int itemLevel) {
  GadgetItem item;
  item.itemText = TextForGadget(gadget, text);
  item.itemData = data;
  item.itemLevel = std::clamp(itemLevel, 0, kMaxItemLevel);
  item.handle = NewItemHandle();
  return item;
}

int ItemCount(const Gadget& gadget) {
  return static_cast<int>(gadget.items.size());
}

GadgetItem* ItemAt(Gadget& gadget, int index) {
  if (index < 0 || index >= ItemCount(gadget)) return nullptr;
  return &gadget.items[static_cast<std::size_t>(index)];
}

// A selected item at or after `index` moves down with the `count` items inserted there.
void ShiftSelectionForInsert(Gadget& gadget, int index, int count) {
  if (gadget.value >= 1 && gadget.value - 1 >= index) gadget.value += count;
}

// The first visible row stays within the list: no scrolling while everything fits.
void LimitTopItem(Gadget& gadget) {
  const int n = ItemCount(gadget);
  if (gadget.rows >= n) {
    gadget.topItem = 0;
  } else if (gadget.topItem > n - gadget.rows) {
    gadget.topItem = n - gadget.rows;
  }
}

bool HasChildren(const Gadget& gadget, int index) {
  const auto i = static_cast<std::size_t>(index);
  return i + 1 < gadget.items.size() && gadget.items[i + 1].itemLevel > gadget.items[i].itemLevel;
}

}  // namespace

// [SECTION] Internal operations

std::string UpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
  return out;
}

std::string LowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
  return out;
}

std::string DisplayText(std::string_view text) {
  return PlainText(text);
}

int AddItem(Gadget& gadget, int position, std::string_view text, int data, int level) {
  if (!HasClassFlag(gadget, CLASS_ITEMS)) return 0;
  const int count = ItemCount(gadget);
  GadgetItem item = MakeItem(gadget, text, data, level < 0 ? 0 : std::min(level, INT_MAX - 1) + 1);
  const int handle = item.handle;
  TreeRowsChanged(gadget);
  // Positions outside 0..count (-1 and any other) append and leave the selection alone.
  if (position < 0 || position >= count) {
    gadget.items.push_back(std::move(item));
  } else {
    gadget.items.insert(gadget.items.begin() + position, std::move(item));
    ShiftSelectionForInsert(gadget, position, 1);
  }
  return handle;
}

int InsertItems(Gadget& gadget, int index, const std::vector<std::string>& texts, int itemLevel) {
  if (!HasClassFlag(gadget, CLASS_ITEMS) || texts.empty()) return 0;
  const int count = ItemCount(gadget);
  if (index < 0 || index > count) index = count;
  std::vector<GadgetItem> fresh;
  fresh.reserve(texts.size());
  for (const std::string& text : texts) fresh.push_back(MakeItem(gadget, text, 0, itemLevel));
  gadget.items.insert(gadget.items.begin() + index, std::make_move_iterator(fresh.begin()),
                      std::make_move_iterator(fresh.end()));
  TreeRowsChanged(gadget);
  const int inserted = static_cast<int>(texts.size());
  ShiftSelectionForInsert(gadget, index, inserted);
  return inserted;
}

void ClearGadgetItems(Gadget& gadget) {
  gadget.items.clear();
  TreeRowsChanged(gadget);
  gadget.topItem = 0;
  gadget.value = 0;
}

int DescendantCount(const Gadget& gadget, int index) {
  const int n = ItemCount(gadget);
  if (index < 0 || index >= n) return 0;
  const int level = gadget.items[static_cast<std::size_t>(index)].itemLevel;
  int end = index + 1;
  while (end < n && gadget.items[static_cast<std::size_t>(end)].itemLevel > level) ++end;
  return end - index - 1;
}

void RemoveItemRange(Gadget& gadget, int first, int count) {
  const int n = ItemCount(gadget);
  if (first < 0 || first >= n || count <= 0) return;
  count = std::min(count, n - first);
  gadget.items.erase(gadget.items.begin() + first, gadget.items.begin() + first + count);
  TreeRowsChanged(gadget);

  // Removing one by one, last first, with the selection following its item when an item above
  // it goes and staying at its index when it goes itself, ends here:
  int selected = gadget.value - 1;
  if (selected >= first + count) {
    selected -= count;
  } else if (selected >= first) {
    selected = first;
  }
  selected = std::min(selected, n - count - 1);
  gadget.value = selected + 1;
  LimitTopItem(gadget);
}

void RemoveItemAt(Gadget& gadget, int index) {
  if (index < 0 || index >= ItemCount(gadget)) return;
  const int subtree = HasClassFlag(gadget, CLASS_TREE) ? DescendantCount(gadget, index) : 0;
  RemoveItemRange(gadget, index, 1 + subtree);
}

}  // namespace detail

// [SECTION] Public commands

using detail::FindGadget;

int AddGadgetItem(int number, int position, std::string_view text) {
  return AddTreeItem(number, position, text, 0, -1);
}

int AddGadgetItemData(int number, int position, std::string_view text, int data) {
  return AddTreeItem(number, position, text, data, -1);
}

int AddTreeItem(int number, int position, std::string_view text, int data, int level) {
  Gadget* gadget = FindGadget(number);
  if (gadget == nullptr || !detail::HasClassFlag(*gadget, detail::CLASS_EDITABLE_ITEMS)) return 0;
  return detail::AddItem(*gadget, position, text, data, level);
}

int AddColumn(int number, std::string_view title, int left) {
  Gadget* gadget = FindGadget(number);
  if (gadget == nullptr) return 0;
  if (gadget->type != GADGET_COLUMNLIST) return 1;
  // A negative edge would put the column left of the list.
  detail::AppendColumnEntry(gadget->columns, std::max(left, 0), 'L', title);
  ++gadget->columnCount;
  return 1;
}

int SetItemText(int number, int index, std::string_view text) {
  Gadget* gadget = FindGadget(number);
  if (gadget == nullptr) return 0;
  if (!detail::HasClassFlag(*gadget, detail::CLASS_EDITABLE_ITEMS)) return 1;
  GadgetItem* item = detail::ItemAt(*gadget, index);
  if (item == nullptr) return 0;
  item->itemText = std::string(text);
  return 1;
}

std::string GetItemText(int number, int index) {
  Gadget* gadget = FindGadget(number);
  if (gadget == nullptr || !detail::HasClassFlag(*gadget, detail::CLASS_ITEMS)) return {};
  const GadgetItem* item = detail::ItemAt(*gadget, index);
  return item == nullptr ? std::string() : item->itemText;
}

int CountGadgetItems(int number) {
  const Gadget* gadget = FindGadget(number);
  if (gadget == nullptr || !detail::HasClassFlag(*gadget, detail::CLASS_ITEMS)) return 0;
  return detail::ItemCount(*gadget);
}

int RemoveGadgetItem(int number, int index) {
  Gadget* gadget = FindGadget(number);
  if (gadget == nullptr) return 0;
  if (!detail::HasClassFlag(*gadget, detail::CLASS_EDITABLE_ITEMS)) return 1;
  if (detail::ItemAt(*gadget, index) == nullptr) return 0;
  detail::RemoveItemAt(*gadget, index);
  return 1;
}

int SetItemColor(int number, int index, int slot, int colour) {
  Gadget* gadget = FindGadget(number);
  if (gadget == nullptr) return 0;
  GadgetItem* item = detail::ItemAt(*gadget, index);
  if (item == nullptr) return 0;
  int place = -1;
  if (slot == COLOR_SPARE) place = 0;
  if (slot == COLOR_LIGHT) place = 1;
  if (slot == COLOR_TEXT) place = 2;
  if (place < 0) return 0;
  item->itemColors[static_cast<std::size_t>(place)] = colour;
  return 1;
}

// The low byte of `state` becomes the item's bits; higher bits are requests:
//   state bits           | effect
//   0x4 on a leaf        | dropped: a node without children cannot be expanded
//   neither 0x4 nor 0x400| an expanded node with children stays expanded
//   0x400                | collapse: clears 0x4
//   0x40, 0x80           | ignored: only the file list marks directories and lost names
//   0x10, single select  | selects the item (value), not stored
//   0x10, 0x800000       | stored as the item's selected bit
//   0x800                | FileList: opens the entry; never writes the item's bits
int SetItemState(int number, int index, int state) {
  Gadget* gadget = FindGadget(number);
  if (gadget == nullptr) return 0;
  if (!detail::HasClassFlag(*gadget, detail::CLASS_ITEM_STATES)) return 1;
  GadgetItem* item = detail::ItemAt(*gadget, index);
  if (item == nullptr) return 0;

  if (detail::HasClassFlag(*gadget, detail::CLASS_TREE)) {
    if (!detail::HasChildren(*gadget, index)) {
      state &= ~ITEM_EXPANDED;
    } else if ((state & (ITEM_EXPANDED | ITEM_REQUEST_COLLAPSE)) == 0 &&
               (item->itemState & ITEM_EXPANDED) != 0) {
      state |= ITEM_EXPANDED;
    }
  }
  if (state & ITEM_REQUEST_COLLAPSE) state &= ~(ITEM_REQUEST_COLLAPSE | ITEM_EXPANDED);
  constexpr int kFileListMarks = ITEM_DIRECTORY | ITEM_NAME_LOST;
  state &= ~kFileListMarks;
  if ((state & ITEM_SELECTED) != 0 && (gadget->flags & LIST_MULTI_SELECT) == 0) {
    state &= ~ITEM_SELECTED;
    SetGadgetState(number, index);
  }
  if (state & ITEM_REQUEST_OPEN) {
    // Opening refills a file list, so `item` must not be used after this.
    if (gadget->type == GADGET_FILELIST) detail::OpenFileListEntry(*gadget, index);
    return 1;
  }
  if (((item->itemState ^ state) & ITEM_EXPANDED) != 0) detail::TreeRowsChanged(*gadget);
  if (state & (ITEM_CHECK_CLICKED | ITEM_EXPANDER_CLICKED | ITEM_HOVER)) gadget->itemMarks = true;
  item->itemState = (state & 0xFF) | (item->itemState & kFileListMarks);
  return 1;
}

}  // namespace bevel
