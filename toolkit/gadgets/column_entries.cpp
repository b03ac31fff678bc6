// Writing and reading the column entries of a ColumnList.
#include "toolkit/gadgets/column_entries.h"

#include <algorithm>

namespace bevel::detail {
namespace {

// Left edges beyond any screen are held at this, so a long run of digits cannot overflow.
constexpr long long kMaxEdge = 1000000;

// Leading decimal number with an optional sign; anything after it is ignored, no digits give 0.
int LeadingNumber(std::string_view s) {
  std::size_t p = 0;
  const bool negative = !s.empty() && s[0] == '-';
  if (negative || (!s.empty() && s[0] == '+')) p = 1;
  long long v = 0;
  for (; p < s.size() && s[p] >= '0' && s[p] <= '9'; ++p) {
    v = std::min(v * 10 + (s[p] - '0'), kMaxEdge);
  }
  return static_cast<int>(negative ? -v : v);
}

}  // namespace

void AppendColumnEntry(std::string& columns, int left, char align, std::string_view title) {
  columns += std::to_string(left);
  columns += align;
  columns += '_';
  for (const char c : title) {
    if (c != '\r') columns += c;
  }
  columns += '\r';
}

ColumnEntry ReadColumnEntry(std::string_view columns, std::size_t& pos) {
  ColumnEntry e;
  if (pos >= columns.size()) return e;
  const std::size_t end = std::min(columns.find('\r', pos), columns.size());
  const std::string_view entry = columns.substr(pos, end - pos);
  pos = end + 1;
  const std::size_t bar = entry.find('_');
  const std::string_view head = entry.substr(0, bar);
  if (bar != std::string_view::npos) e.title = entry.substr(bar + 1);
  if (!head.empty()) {
    e.align = head.back();
    e.left = LeadingNumber(head.substr(0, head.size() - 1));
  }
  return e;
}

}  // namespace bevel::detail
