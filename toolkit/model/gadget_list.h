// All gadgets in creation order (the order of hit testing and drawing), with O(1) lookup by
// number and by position.
//
// Invariants: order[i]->listIndex == i; byNumber holds every gadget's number exactly once.
// Records live behind unique_ptr, so a Gadget* stays valid until its gadget is removed, even
// while gadgets are appended.
#pragma once

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "toolkit/model/gadget.h"

namespace bevel::detail {

class GadgetList {
 public:
  // Appends a gadget with this number; the caller has checked the number is unused.
  Gadget& Append(int number);
  Gadget* Find(int number) const;
  bool Contains(int number) const { return byNumber_.count(number) != 0; }
  // Gadget at a position, nullptr outside the list.
  Gadget* At(int position) const;
  int size() const { return static_cast<int>(order_.size()); }
  // Removes every gadget for which `remove` is true, keeping the others' order.
  void RemoveIf(const std::function<bool(const Gadget&)>& remove);
  void Clear();
  // A fresh unique number for ANY_NUMBER: non-zero, never ANY_NUMBER, unused.
  int NewHandle();

  auto begin() const { return order_.begin(); }
  auto end() const { return order_.end(); }

 private:
  std::vector<std::unique_ptr<Gadget>> order_;
  std::unordered_map<int, Gadget*> byNumber_;
  int nextHandle_ = 0x10000000;
};

}  // namespace bevel::detail
