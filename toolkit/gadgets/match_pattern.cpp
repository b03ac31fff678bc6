// File-name patterns of file lists: ";"-separated alternatives with "*" and "?".
#include <string_view>

#include "services/services.h"
#include "toolkit/gadgets/file_list.h"

namespace bevel::detail {

int MatchPattern(std::string_view name, std::string_view patterns) {
  if (patterns.empty()) return 2;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = patterns.find(';', start);
    const std::string_view alternative = patterns.substr(
        start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (WildcardMatch(alternative, name)) return 1;
    if (end == std::string_view::npos) return 0;
    start = end + 1;
  }
}

}  // namespace bevel::detail
