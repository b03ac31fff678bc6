// An ordered list of records with stable addresses and an O(1) index by number.
//
// Records are kept in insertion order (the order of drawing and hit testing) in a std::list, so
// a record's address never changes while it exists; the index maps a number to its place.
// Invariant: every record's `number` is in the index exactly once, pointing at that record.
#pragma once

#include <cstddef>
#include <iterator>
#include <list>
#include <unordered_map>

namespace bevel::detail {

template <class T>
class RecordList {
 public:
  using iterator = typename std::list<T>::iterator;
  using const_iterator = typename std::list<T>::const_iterator;

  // Appends a zero-initialised record with this number; the caller has checked it is unused.
  T& Append(int number) {
    records_.emplace_back();
    auto it = std::prev(records_.end());
    it->number = number;
    index_[number] = it;
    return *it;
  }

  T* Find(int number) {
    auto found = index_.find(number);
    return found == index_.end() ? nullptr : &*found->second;
  }
  const T* Find(int number) const {
    auto found = index_.find(number);
    return found == index_.end() ? nullptr : &*found->second;
  }
  bool Contains(int number) const { return index_.count(number) != 0; }

  bool Remove(int number) {
    auto found = index_.find(number);
    if (found == index_.end()) return false;
    records_.erase(found->second);
    index_.erase(found);
    return true;
  }

  // Gives an existing record a new, unused number.
  void Renumber(T& record, int number) {
    auto found = index_.find(record.number);
    if (found == index_.end()) return;
    auto it = found->second;
    index_.erase(found);
    record.number = number;
    index_[number] = it;
  }

  void Clear() {
    records_.clear();
    index_.clear();
  }

  iterator begin() { return records_.begin(); }
  iterator end() { return records_.end(); }
  const_iterator begin() const { return records_.begin(); }
  const_iterator end() const { return records_.end(); }
  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  T& back() { return records_.back(); }

 private:
  std::list<T> records_;
  std::unordered_map<int, iterator> index_;
};

}  // namespace bevel::detail
