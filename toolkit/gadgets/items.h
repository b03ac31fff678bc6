// Operations on the items of a gadget that other parts of the toolkit use.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/model/gadget.h"

namespace bevel::detail {

// Adds an item (the shared body of AddGadgetItem, AddGadgetItemData, AddTreeItem); level -1
// for items without a level. Serves ColumnList, ComboBox, Tree, TreeList and a FileList being
// filled. Returns the item handle or 0.
int AddItem(Gadget& g, int position, std::string_view text, int data, int level);
// Removes every item: topItem 0, no selection.
void ClearGadgetItems(Gadget& g);
// Removes one item (a tree node after its descendants) and fixes selection and topItem.
void RemoveItemAt(Gadget& g, int index);
// Removes `count` consecutive items from `first` as if one by one, last first: the selection
// stays on its item when that survives, else moves to the item after the range (the new last
// when there is none); topItem is limited as for one removal. Out-of-range parts are ignored.
void RemoveItemRange(Gadget& g, int first, int count);
// Inserts one item per text at index (0..count) with the given itemLevel and data 0; the
// selection moves down with the items after index. Returns the number inserted.
int InsertItems(Gadget& g, int index, const std::vector<std::string>& texts, int itemLevel);
// Windows-1252 case conversion: A-Z / a-z and the letters 0xC0-0xDE / 0xE0-0xFE, leaving the
// signs 0xD7 and 0xF7 alone.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
// The text without its inline text codes.
std::string DisplayText(std::string_view text);
// Number of items after index with a greater level, up to the first that is not.
int DescendantCount(const Gadget& g, int index);
// TreeList: reads the children of the node at index from the file system (one level ahead).
// Neither changes the node's expanded bit; that is the caller's.
void ExpandTreeListNode(Gadget& g, int index);
void CollapseTreeListNode(Gadget& g, int index);

}  // namespace bevel::detail
