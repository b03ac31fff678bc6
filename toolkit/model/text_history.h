// The undo history a text field keeps while SetTextFieldExtras has TEXT_FIELD_UNDO on
// (toolkit/text/text_extras.cpp records and replays it).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bevel {

// One undoable change: at `position`, `removed` was replaced by `inserted`; the field's
// selection anchor and caret before and after it.
struct TextChange {
  int position = 0;
  std::string removed;
  std::string inserted;
  int anchorBefore = 0, caretBefore = 0;
  int anchorAfter = 0, caretAfter = 0;
};

struct TextHistory {
  std::vector<TextChange> changes;  // oldest first
  std::size_t done = 0;             // changes[0, done) are in the text; the rest can be redone
  bool typing = false;              // the last change is typed characters the next may join
  // Invariant while tracking: `text` is the field's text after the last change recorded or
  // replayed. A field whose text differs was changed from outside, and its history no longer
  // fits it.
  bool tracking = false;
  std::string text;
};

}  // namespace bevel
