// File-name patterns of file lists: ";"-separated alternatives with "*" and "?".
#include <string_view>

#include "toolkit/gadgets/file_list.h"

namespace bevel::detail {
namespace {

// "*" matches any run of characters (none too), "?" exactly one, anything else itself.
// On a mismatch the latest "*" absorbs one more character and matching resumes after it;
// earlier stars never need revisiting, since the latest one can absorb anything they could.
// So the work is at most name length x pattern length, however many stars there are.
bool MatchAlternative(std::string_view name, std::string_view pattern) {
  constexpr auto kNone = std::string_view::npos;
  std::size_t p = 0, n = 0;
  std::size_t afterStar = kNone;  // pattern position just after the latest "*"
  std::size_t starTaken = 0;      // name position where that star's run ends so far
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      afterStar = ++p;
      starTaken = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (afterStar != kNone) {
      p = afterStar;
      n = ++starTaken;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

int MatchPattern(std::string_view name, std::string_view patterns) {
  if (patterns.empty()) return 2;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = patterns.find(';', start);
    const std::string_view alternative = patterns.substr(
        start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (MatchAlternative(name, alternative)) return 1;
    if (end == std::string_view::npos) return 0;
    start = end + 1;
  }
}

}  // namespace bevel::detail
