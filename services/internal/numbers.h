// Numbers handed out for ANY_NUMBER.
#pragma once

#include <cstdint>

namespace bevel::detail {

// First number handed out for ANY_NUMBER: far above the small numbers programs choose
// themselves, so a later explicit number rarely replaces an automatic one by accident.
inline constexpr int kFirstAutoNumber = 0x10000;

// The next number from cursor on (wrapping within [first, INT32_MAX]) for which inUse(n) is
// false; cursor moves past it so numbers are not reused soon after a release.
// Caller guarantees that some number in the range is free.
template <typename InUse>
int NextFreeNumber(int& cursor, int first, InUse inUse) {
  for (;;) {
    const int n = cursor < first ? first : cursor;
    cursor = n == INT32_MAX ? first : n + 1;
    if (!inUse(n)) return n;
  }
}

}  // namespace bevel::detail
