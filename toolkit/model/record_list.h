// The containers of the toolkit's records: ordered, with stable addresses, and with retirement.
//
// A record closed while a frame runs is retired, not freed: it leaves the lookups at once (so
// its number or handle can be used again, and every command treats it as gone), is skipped by
// iteration, but keeps its memory until Purge, which the frame function calls when the
// outermost frame ends. Code that holds a record across a call into a handler therefore never
// meets freed memory; it sees `dead` set instead.
//
// Invariants of every container here: each live record is in its lookups exactly once; dead
// records are in none of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <list>
#include <unordered_map>

namespace bevel::detail {

// A handle value never given out before in this process: records carry one, and the public
// handles (Gadget*, MenuEntry*, Shortcut*) are these values, so a handle of a closed record can
// never name a record created later.
std::uintptr_t NewRecordHandle();

// Forward iteration over a std::list of records that skips dead ones.
template <class T, class ListIterator>
class LiveIterator {
 public:
  using iterator_category = std::forward_iterator_tag;
  using value_type = T;
  using difference_type = std::ptrdiff_t;
  using pointer = T*;
  using reference = T&;

  LiveIterator() = default;
  LiveIterator(ListIterator it, ListIterator end) : it_(it), end_(end) { Skip(); }
  T& operator*() const { return *it_; }
  T* operator->() const { return &*it_; }
  LiveIterator& operator++() {
    ++it_;
    Skip();
    return *this;
  }
  LiveIterator operator++(int) {
    LiveIterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(const LiveIterator& other) const { return it_ == other.it_; }

 private:
  void Skip() {
    while (it_ != end_ && it_->dead) ++it_;
  }
  ListIterator it_{}, end_{};
};

// Records with a caller-chosen number (windows, menus), in insertion order, O(1) by number.
template <class T>
class RecordList {
 public:
  using iterator = LiveIterator<T, typename std::list<T>::iterator>;
  using const_iterator = LiveIterator<const T, typename std::list<T>::const_iterator>;

  // Appends a zero-initialised record with this number; the caller has checked it is unused.
  T& Append(int number) {
    T& record = records_.emplace_back();
    record.number = number;
    index_[number] = &record;
    return record;
  }

  T* Find(int number) const {
    auto found = index_.find(number);
    return found == index_.end() ? nullptr : found->second;
  }
  bool Contains(int number) const { return index_.count(number) != 0; }

  void Retire(T& record) {
    if (record.dead) return;
    record.dead = true;
    index_.erase(record.number);
    ++retired_;
  }

  // Frees the retired records.
  void Purge() {
    if (retired_ == 0) return;
    records_.remove_if([](const T& record) { return record.dead; });
    retired_ = 0;
  }

  // Gives a live record a new, unused number.
  void Renumber(T& record, int number) {
    index_.erase(record.number);
    record.number = number;
    index_[number] = &record;
  }

  iterator begin() { return {records_.begin(), records_.end()}; }
  iterator end() { return {records_.end(), records_.end()}; }
  const_iterator begin() const { return {records_.begin(), records_.end()}; }
  const_iterator end() const { return {records_.end(), records_.end()}; }
  // Live records.
  std::size_t size() const { return index_.size(); }
  bool empty() const { return index_.empty(); }

 private:
  std::list<T> records_;
  std::unordered_map<int, T*> index_;
  int retired_ = 0;
};

// Records addressed only by their handle (menu entries, shortcuts), in insertion order.
template <class T>
class HandleList {
 public:
  using iterator = LiveIterator<T, typename std::list<T>::iterator>;
  using const_iterator = LiveIterator<const T, typename std::list<T>::const_iterator>;

  T& Append() {
    T& record = records_.emplace_back();
    record.handle = NewRecordHandle();
    index_[record.handle] = &record;
    return record;
  }

  // The live record a public handle names; nullptr for any other value.
  T* Find(const T* handle) const {
    auto found = index_.find(reinterpret_cast<std::uintptr_t>(handle));
    return found == index_.end() ? nullptr : found->second;
  }
  // The public handle of a record.
  static T* HandleOf(const T& record) { return reinterpret_cast<T*>(record.handle); }

  void Retire(T& record) {
    if (record.dead) return;
    record.dead = true;
    index_.erase(record.handle);
    ++retired_;
  }

  void Purge() {
    if (retired_ == 0) return;
    records_.remove_if([](const T& record) { return record.dead; });
    retired_ = 0;
  }

  iterator begin() { return {records_.begin(), records_.end()}; }
  iterator end() { return {records_.end(), records_.end()}; }
  const_iterator begin() const { return {records_.begin(), records_.end()}; }
  const_iterator end() const { return {records_.end(), records_.end()}; }
  // Live records.
  std::size_t size() const { return index_.size(); }
  bool empty() const { return index_.empty(); }

 private:
  std::list<T> records_;
  std::unordered_map<std::uintptr_t, T*> index_;
  int retired_ = 0;
};

}  // namespace bevel::detail
