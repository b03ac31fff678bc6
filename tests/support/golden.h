// Pixel-exact comparison of a picture with a reference PNG under tests/data/golden.
//
// A mismatch writes NAME.actual.png and NAME.diff.png (differing pixels red over a dimmed copy
// of the reference) into BEVEL_TEST_OUT/golden and fails. A missing reference fails too: it is
// never created silently. With the environment variable BEVEL_UPDATE_GOLDEN=1 the actual
// picture is written as the new reference instead (check the result before committing it).
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "services/internal/image_codec.h"

namespace bevel::testing {

inline std::filesystem::path GoldenDir() {
  return std::filesystem::path(BEVEL_TEST_DATA) / "golden";
}

inline void ExpectMatchesGolden(const std::string& actualPng, const std::string& name) {
  namespace fs = std::filesystem;
  detail::Surface actual;
  ASSERT_TRUE(detail::LoadPng(actualPng, actual)) << "cannot read " << actualPng;
  const fs::path reference = GoldenDir() / (name + ".png");
  const char* update = std::getenv("BEVEL_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    fs::create_directories(GoldenDir());
    ASSERT_TRUE(detail::SavePng(actual, reference.string())) << "cannot write " << reference;
    std::printf("golden picture written: %s\n", reference.string().c_str());
    return;
  }
  detail::Surface expected;
  ASSERT_TRUE(detail::LoadPng(reference.string(), expected))
      << "missing reference picture " << reference
      << " (BEVEL_UPDATE_GOLDEN=1 writes it from this run: check it before committing)";
  ASSERT_TRUE(expected.width == actual.width && expected.height == actual.height)
      << name << ": size " << actual.width << " x " << actual.height << ", reference "
      << expected.width << " x " << expected.height;
  detail::Surface diff(actual.width, actual.height);
  int different = 0, firstX = -1, firstY = -1;
  for (int y = 0; y < actual.height; ++y) {
    for (int x = 0; x < actual.width; ++x) {
      const std::uint32_t a = actual.At(x, y) & 0xFFFFFF, e = expected.At(x, y) & 0xFFFFFF;
      if (a != e) {
        if (different++ == 0) firstX = x, firstY = y;
        diff.At(x, y) = 0x0000FF;
      } else {
        diff.At(x, y) = (e >> 2) & 0x3F3F3F;
      }
    }
  }
  const fs::path out = fs::path(BEVEL_TEST_OUT) / "golden";
  const std::string actualOut = (out / (name + ".actual.png")).string();
  const std::string diffOut = (out / (name + ".diff.png")).string();
  if (different == 0) {
    // Pictures of an earlier failure would only mislead.
    std::error_code ec;
    fs::remove(actualOut, ec);
    fs::remove(diffOut, ec);
    return;
  }
  fs::create_directories(out);
  detail::SavePng(actual, actualOut);
  detail::SavePng(diff, diffOut);
  char first[64];
  std::snprintf(first, sizeof first, "0x%06X, reference 0x%06X",
                static_cast<unsigned>(actual.At(firstX, firstY) & 0xFFFFFF),
                static_cast<unsigned>(expected.At(firstX, firstY) & 0xFFFFFF));
  ADD_FAILURE() << name << ": " << different << " pixels differ, the first at (" << firstX << ", "
                << firstY << "): " << first << "\n  actual: " << actualOut
                << "\n  diff:   " << diffOut;
}

}  // namespace bevel::testing
