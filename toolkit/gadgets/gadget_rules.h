// Small rules that gadget creation and the gadget commands share.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "toolkit/model/gadget.h"

namespace bevel::detail {

inline constexpr char kDefaultDateMask[] = "%dd.%mm.%yyyy";

// The creation flag rules of the classes that have them (the class rows point here).
int ButtonFlags(int flags);
int TextFlags(int flags);  // Text and HyperLink
int StringFlags(int flags);
int ComboBoxFlags(int flags);
int ColumnListFlags(int flags);
int Frame3DFlags(int flags);
int DateFlags(int flags);

// Pixel heights of the classes whose height is given as a row count: rows x 14 + 4, and a
// ColumnList adds a 14-pixel header row unless LIST_NO_HEADER (toolkit/gadgets/list_layout.h).
// Negative row counts count as 0.
int ListHeight(int flags, int rows);
int ColumnListHeight(int flags, int rows);

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
