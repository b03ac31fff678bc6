// Small rules that gadget creation and the gadget commands share.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "toolkit/model/gadget.h"

namespace bevel::detail {

// Rows of lists, trees and combo boxes are 14 pixels; their frame adds 4.
inline constexpr int kRowHeight = 14;
inline constexpr int kListFrame = 4;
inline constexpr char kDefaultDateMask[] = "%dd.%mm.%yyyy";

// The types whose height is given as a row count (creation and ResizeGadget).
inline bool TakesRowCount(int type) {
  return type == GADGET_COLUMNLIST || type == GADGET_COMBOBOX || type == GADGET_TREE ||
         type == GADGET_FILELIST;
}

// Pixel height of a gadget of `type` showing `rows` rows: rows x 14 + 4, plus the 14-pixel
// header row of a ColumnList without LIST_NO_HEADER. Negative row counts count as 0.
inline int RowsToHeight(int type, int flags, int rows) {
  const int header = type == GADGET_COLUMNLIST && (flags & LIST_NO_HEADER) == 0 ? kRowHeight : 0;
  return (rows < 0 ? 0 : rows) * kRowHeight + kListFrame + header;
}

// A String's text cut to `maximum` characters when 0 <= maximum < its length; with multiLine
// every LF-separated line is cut on its own and the lines are joined again with LF.
inline std::string CutToMaximum(std::string_view text, int maximum, bool multiLine) {
  if (maximum < 0) return std::string(text);
  const auto limit = static_cast<std::string_view::size_type>(maximum);
  if (!multiLine) return std::string(text.substr(0, limit));
  std::string result;
  result.reserve(text.size());
  std::string_view rest = text;
  for (;;) {
    const auto lf = rest.find('\n');
    result += rest.substr(0, std::min(lf, limit));
    if (lf == std::string_view::npos) break;
    result += '\n';
    rest.remove_prefix(lf + 1);
  }
  return result;
}

// Keeps a text field's selection anchor and caret inside its text: a position beyond the text
// becomes the text length (-1, no cursor, stays).
inline void ClampTextPositions(Gadget& g) {
  const int length = static_cast<int>(g.text.size());
  if (g.selectionStart > length) g.selectionStart = length;
  if (g.cursor > length) g.cursor = length;
}

// The directory part of a path: up to and including its last "/" or "\", "" when it has none.
inline std::string_view DirectoryPart(std::string_view path) {
  const auto separator = path.find_last_of("/\\");
  return separator == std::string_view::npos ? std::string_view() : path.substr(0, separator + 1);
}

}  // namespace bevel::detail
