// All gadgets in creation order (the order of hit testing and drawing), with O(1) lookup by
// number, by public handle and by position.
//
// Positions are stable while a frame runs: a gadget retired by a handler keeps its place (and
// its memory) until Purge closes the gaps when the outermost frame ends. Iteration skips dead
// gadgets; At() does not, so that walks by position see the same list before and after a
// handler ran.
//
// Invariants: order[i]->listIndex == i; byNumber and byHandle hold every live gadget exactly once
// and no dead one.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "toolkit/model/gadget.h"

namespace bevel::detail {

class GadgetList {
 public:
  // Iterates the live gadgets, yielding Gadget*.
  class iterator {
   public:
    using Slot = std::vector<std::unique_ptr<Gadget>>::const_iterator;
    iterator(Slot it, Slot end) : it_(it), end_(end) { Skip(); }
    Gadget* operator*() const { return it_->get(); }
    iterator& operator++() {
      ++it_;
      Skip();
      return *this;
    }
    bool operator==(const iterator& other) const { return it_ == other.it_; }

   private:
    void Skip() {
      while (it_ != end_ && (*it_)->dead) ++it_;
    }
    Slot it_, end_;
  };

  // Appends a gadget with this number; the caller has checked the number is unused.
  Gadget& Append(int number);
  Gadget* Find(int number) const;
  bool Contains(int number) const { return byNumber_.count(number) != 0; }
  // The live gadget a public handle names; nullptr for any other value.
  Gadget* FromHandle(const Gadget* handle) const;
  // The public handle of a gadget.
  static Gadget* HandleOf(const Gadget& gadget) { return reinterpret_cast<Gadget*>(gadget.handle); }
  // The gadget at a position, dead or alive; nullptr outside the list.
  Gadget* At(int position) const;
  // Positions, dead gadgets included.
  int size() const { return static_cast<int>(order_.size()); }
  // Takes the gadget out of the lookups and marks it dead; it keeps its place until Purge.
  void Retire(Gadget& gadget);
  bool HasRetired() const { return retired_ != 0; }
  // Frees the retired gadgets, closing up the positions of the others.
  void Purge();
  // A fresh unique number for ANY_NUMBER: non-zero, never ANY_NUMBER, unused.
  int NewNumber();

  iterator begin() const { return {order_.begin(), order_.end()}; }
  iterator end() const { return {order_.end(), order_.end()}; }

 private:
  std::vector<std::unique_ptr<Gadget>> order_;
  std::unordered_map<int, Gadget*> byNumber_;
  std::unordered_map<std::uintptr_t, Gadget*> byHandle_;
  int retired_ = 0;
  int nextHandle_ = 0x10000000;
};

}  // namespace bevel::detail
