// The wildcard matcher, name x pattern: any bytes on both sides. Its single backtracking point
// must give the answer of a plain dynamic-programming matcher on every input, and the file
// list's ";" alternatives must agree with matching each alternative on its own.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "services/services.h"
#include "toolkit/gadgets/file_list.h"

namespace {

char Fold(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// matched[n]: the pattern's first p bytes match the name's first n bytes.
bool ReferenceMatch(const std::string& pattern, const std::string& name) {
  std::vector<char> matched(name.size() + 1, 0), next(name.size() + 1, 0);
  matched[0] = 1;
  for (const char c : pattern) {
    next.assign(name.size() + 1, 0);
    for (std::size_t n = 0; n <= name.size(); ++n) {
      if (c == '*') {
        next[n] = matched[n] || (n > 0 && next[n - 1]);
      } else if (n > 0) {
        next[n] = matched[n - 1] && (c == '?' || Fold(c) == Fold(name[n - 1]));
      }
    }
    matched.swap(next);
  }
  return matched[name.size()] != 0;
}

void Fail(const char* what, const std::string& pattern, const std::string& name) {
  std::fprintf(stderr, "wildcard_fuzz: %s (pattern %zu bytes, name %zu bytes)\n", what,
               pattern.size(), name.size());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string pattern = in.ConsumeRandomLengthString(512);
  const std::string name = in.ConsumeRemainingBytesAsString().substr(0, 512);

  if (bevel::WildcardMatch(pattern, name) != ReferenceMatch(pattern, name)) {
    Fail("WildcardMatch differs from the reference", pattern, name);
  }
  bool any = false;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = pattern.find(';', start);
    any = any || ReferenceMatch(pattern.substr(start, end - start), name);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  const int expected = pattern.empty() ? 2 : any ? 1 : 0;
  if (bevel::detail::MatchPattern(name, pattern) != expected) {
    Fail("MatchPattern differs from matching each alternative", pattern, name);
  }
  return 0;
}
