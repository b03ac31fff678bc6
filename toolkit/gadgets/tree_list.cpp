// TreeList: a Tree whose nodes are the entries of a directory tree.
//
// The tree is read one level ahead of what is shown: when a node opens, each of its children
// learns its own entries, so every visible child already knows whether to draw an expander.
#include <string>
#include <vector>

#include "services/services.h"
#include "toolkit/gadgets/file_list.h"
#include "toolkit/gadgets/items.h"

namespace bevel::detail {
namespace {

int LevelAt(const Gadget& gadget, int index) {
  return gadget.items[static_cast<std::size_t>(index)].itemLevel;
}

bool HasChildItems(const Gadget& gadget, int index) {
  return index + 1 < static_cast<int>(gadget.items.size()) &&
         LevelAt(gadget, index + 1) > LevelAt(gadget, index);
}

// Joins path parts with "/" without doubling one a part already ends in, so a top-level node
// "/" (or "") is the root and its child "home" is "/home/".
void AppendPart(std::string& path, const std::string& part) {
  path += part;
  if (path.empty() || path.back() != '/') path += '/';
}

// The texts of the node's ancestors from the top level down, then the node's own, each
// followed by "/".
std::string NodePath(const Gadget& gadget, int index) {
  std::vector<int> chain{index};
  int level = LevelAt(gadget, index);
  for (int i = index - 1; i >= 0 && level > 0; --i) {
    if (LevelAt(gadget, i) < level) {
      chain.push_back(i);
      level = LevelAt(gadget, i);
    }
  }
  std::string path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    AppendPart(path, gadget.items[static_cast<std::size_t>(*it)].itemText);
  }
  return path;
}

// Every entry of the directory, files and directories alike, in the order read; nothing for
// a path that cannot be examined. Names that an item cannot show, or that would not lead back
// to their entry (read with "?" for what Windows-1252 lacks), are left out: a node's path is
// built from the names, and a lost one could name another directory.
std::vector<std::string> ReadEntries(const std::string& path) {
  std::vector<std::string> names;
  const int listing = OpenListing(ANY_NUMBER, path, "");
  if (listing == 0) return names;
  while (NextListingEntry(listing) != 0) {
    std::string name = ListingEntryName(listing);
    if (name != "." && name != ".." && ShowableName(name) && ListingEntryExact(listing) != 0) {
      names.push_back(std::move(name));
    }
  }
  CloseListing(listing);
  return names;
}

}  // namespace

void ExpandTreeListNode(Gadget& gadget, int index) {
  if (index < 0 || index >= static_cast<int>(gadget.items.size())) return;
  const int level = LevelAt(gadget, index);
  const std::string nodePath = NodePath(gadget, index);
  // A node added by the host has not been read ahead yet.
  if (!HasChildItems(gadget, index)) {
    InsertItems(gadget, index + 1, ReadEntries(nodePath), level + 1);
  }
  int i = index + 1;
  while (i < static_cast<int>(gadget.items.size()) && LevelAt(gadget, i) > level) {
    // A child that already holds entries was read before; reading it again would double them.
    if (LevelAt(gadget, i) == level + 1 && !HasChildItems(gadget, i)) {
      std::string childPath = nodePath;
      AppendPart(childPath, gadget.items[static_cast<std::size_t>(i)].itemText);
      i += 1 + InsertItems(gadget, i + 1, ReadEntries(childPath), level + 2);
    } else {
      ++i;
    }
  }
}

void CollapseTreeListNode(Gadget& gadget, int index) {
  if (index < 0 || index >= static_cast<int>(gadget.items.size())) return;
  RemoveItemRange(gadget, index + 1, DescendantCount(gadget, index));
  // Only the direct children stay, read afresh so that the node shows what is there now.
  InsertItems(gadget, index + 1, ReadEntries(NodePath(gadget, index)), LevelAt(gadget, index) + 1);
}

}  // namespace bevel::detail
