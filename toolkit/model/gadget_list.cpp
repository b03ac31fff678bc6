// The gadget list container.
#include "toolkit/model/gadget_list.h"

#include <algorithm>

namespace bevel::detail {

Gadget& GadgetList::Append(int number) {
  auto gadget = std::make_unique<Gadget>();
  gadget->number = number;
  gadget->listIndex = static_cast<int>(order_.size());
  Gadget& g = *gadget;
  order_.push_back(std::move(gadget));
  byNumber_[number] = &g;
  return g;
}

Gadget* GadgetList::Find(int number) const {
  auto found = byNumber_.find(number);
  return found == byNumber_.end() ? nullptr : found->second;
}

Gadget* GadgetList::At(int position) const {
  if (position < 0 || position >= static_cast<int>(order_.size())) return nullptr;
  return order_[position].get();
}

void GadgetList::RemoveIf(const std::function<bool(const Gadget&)>& remove) {
  auto keep = std::stable_partition(order_.begin(), order_.end(),
                                    [&](const std::unique_ptr<Gadget>& g) { return !remove(*g); });
  for (auto it = keep; it != order_.end(); ++it) byNumber_.erase((*it)->number);
  order_.erase(keep, order_.end());
  for (int i = 0; i < static_cast<int>(order_.size()); ++i) order_[i]->listIndex = i;
}

void GadgetList::Clear() {
  order_.clear();
  byNumber_.clear();
}

int GadgetList::NewHandle() {
  // Handles count up from 0x10000000 and wrap back there, far from the small numbers callers
  // choose and from the negative numbers of internal gadgets.
  auto advance = [this] { nextHandle_ = nextHandle_ == 0x7FFFFFFF ? 0x10000000 : nextHandle_ + 1; };
  while (Contains(nextHandle_)) advance();
  const int handle = nextHandle_;
  advance();
  return handle;
}

}  // namespace bevel::detail
