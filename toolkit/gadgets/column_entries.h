// The column entries of a ColumnList (its `columns` text): one entry per column,
// "<left edge><letter>_<title>" ended by CR, where the letter is L, R or C. Written at creation
// and by AddColumn; read by the press handling (column edges) and the renderer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bevel::detail {

struct ColumnEntry {
  int left = 0;    // pixels from the list's left edge
  char align = 0;  // 'L', 'R', anything else centred
  std::string_view title;
};

// Appends an entry; a CR in the title is dropped, since it would end the entry early.
void AppendColumnEntry(std::string& columns, int left, char align, std::string_view title);
// Reads the entry at pos and moves pos past its CR. A missing entry reads as left 0, no title.
ColumnEntry ReadColumnEntry(std::string_view columns, std::size_t& pos);

}  // namespace bevel::detail
