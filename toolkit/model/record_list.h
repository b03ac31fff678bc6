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

// What both lists below share: records in insertion order behind a lookup by Key, retired
// records skipped by iteration and kept until Purge.
template <class T, class Key>
class RetiringList {
 public:
  using iterator = LiveIterator<T, typename std::list<T>::iterator>;
  using const_iterator = LiveIterator<const T, typename std::list<T>::const_iterator>;

  // Frees the retired records.
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

 protected:
  T& Add(Key key) {
    T& record = records_.emplace_back();
    index_[key] = &record;
    return record;
  }
  T* Lookup(Key key) const {
    auto found = index_.find(key);
    return found == index_.end() ? nullptr : found->second;
  }
  void RetireAs(T& record, Key key) {
    if (record.dead) return;
    record.dead = true;
    index_.erase(key);
    ++retired_;
  }

  std::list<T> records_;
  std::unordered_map<Key, T*> index_;
  int retired_ = 0;
};

// Records with a caller-chosen number (windows, menus), O(1) by number.
template <class T>
class RecordList : public RetiringList<T, int> {
 public:
  // Appends a zero-initialised record with this number; the caller has checked it is unused.
  T& Append(int number) {
    T& record = this->Add(number);
    record.number = number;
    return record;
  }
  T* Find(int number) const { return this->Lookup(number); }
  bool Contains(int number) const { return this->index_.count(number) != 0; }
  void Retire(T& record) { this->RetireAs(record, record.number); }
};

// Records addressed only by their public handle (menu entries, shortcuts).
template <class T>
class HandleList : public RetiringList<T, std::uintptr_t> {
 public:
  T& Append() {
    const std::uintptr_t handle = NewRecordHandle();
    T& record = this->Add(handle);
    record.handle = handle;
    return record;
  }
  // The live record a public handle names; nullptr for any other value.
  T* Find(const T* handle) const { return this->Lookup(reinterpret_cast<std::uintptr_t>(handle)); }
  // The public handle of a record.
  static T* HandleOf(const T& record) { return reinterpret_cast<T*>(record.handle); }
  void Retire(T& record) { this->RetireAs(record, record.handle); }
};

}  // namespace bevel::detail
