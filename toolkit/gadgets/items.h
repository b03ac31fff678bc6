// Operations on the items of a gadget that other parts of the toolkit use.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/gadgets/gadget.h"

namespace bevel::detail {

// Adds an item (the shared body of AddGadgetItem, AddGadgetItemData, AddTreeItem); level -1
// for items without a level. Serves ColumnList, ComboBox, Tree, TreeList and a FileList being
// filled. Returns the item handle or 0.
int AddItem(Gadget& g, int position, std::string_view text, int data, int level);
// Removes every item: topItem 0, no selection.
void ClearGadgetItems(Gadget& g);
// Removes one item (a tree node after its descendants) and fixes selection and topItem.
void RemoveItemAt(Gadget& g, int index);
// The text without its inline text codes.
std::string DisplayText(std::string_view text);
// Number of items after index with a greater level, up to the first that is not.
int DescendantCount(const Gadget& g, int index);
// TreeList: reads the children of the node at index from the file system (one level ahead).
void ExpandTreeListNode(Gadget& g, int index);
void CollapseTreeListNode(Gadget& g, int index);
// True for the types whose value is a 1-based item selection.
bool IsListType(int type);

}  // namespace bevel::detail
