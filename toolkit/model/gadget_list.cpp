// The gadget list container, and the process-wide source of record handles.
#include "toolkit/model/gadget_list.h"

#include <algorithm>

#include "toolkit/model/record_list.h"

namespace bevel::detail {

std::uintptr_t NewRecordHandle() {
  // Counted per process, never reset (not even by InitToolkit), so no two records ever share a
  // handle. Small values are far from any address, so a handle dereferenced by mistake faults.
  static std::uintptr_t last = 0;
  return ++last;
}

Gadget& GadgetList::Append(int number) {
  auto gadget = std::make_unique<Gadget>();
  gadget->number = number;
  gadget->handle = NewRecordHandle();
  gadget->listIndex = static_cast<int>(order_.size());
  Gadget& g = *gadget;
  order_.push_back(std::move(gadget));
  byNumber_[number] = &g;
  byHandle_[g.handle] = &g;
  return g;
}

Gadget* GadgetList::Find(int number) const {
  auto found = byNumber_.find(number);
  return found == byNumber_.end() ? nullptr : found->second;
}

Gadget* GadgetList::FromHandle(const Gadget* handle) const {
  auto found = byHandle_.find(reinterpret_cast<std::uintptr_t>(handle));
  return found == byHandle_.end() ? nullptr : found->second;
}

Gadget* GadgetList::At(int position) const {
  if (position < 0 || position >= static_cast<int>(order_.size())) return nullptr;
  return order_[static_cast<std::size_t>(position)].get();
}

void GadgetList::Retire(Gadget& gadget) {
  if (gadget.dead) return;
  gadget.dead = true;
  byNumber_.erase(gadget.number);
  byHandle_.erase(gadget.handle);
  ++retired_;
}

void GadgetList::Purge() {
  if (retired_ == 0) return;
  std::erase_if(order_, [](const std::unique_ptr<Gadget>& g) { return g->dead; });
  for (int i = 0; i < static_cast<int>(order_.size()); ++i) {
    order_[static_cast<std::size_t>(i)]->listIndex = i;
  }
  retired_ = 0;
}

int GadgetList::NewNumber() {
  // Handles count up from 0x10000000 and wrap back there, far from the small numbers callers
  // choose and from the negative numbers of internal gadgets.
  auto advance = [this] { nextHandle_ = nextHandle_ == 0x7FFFFFFF ? 0x10000000 : nextHandle_ + 1; };
  while (Contains(nextHandle_)) advance();
  const int handle = nextHandle_;
  advance();
  return handle;
}

}  // namespace bevel::detail
