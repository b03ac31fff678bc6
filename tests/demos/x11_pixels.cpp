// Pixels for the real-display tests' shell scripts: an X window's pixels as the X server holds
// them (what a person sees), compared with the headless device's screenshots.
//
//   x11-pixels capture WINDOW_ID FILE.png   writes the window's pixels
//   x11-pixels compare A.png B.png          counts the pixels that differ (sizes must match)
//   x11-pixels at FILE.png X Y              prints the pixel as 0xBBGGRR
//
// Exit code 0 done (compare: no pixel differs), 1 failed or different, 2 usage.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "services/internal/image_codec.h"
#include "tests/support/x11_window_pixels.h"

namespace {

using bevel::detail::LoadPng;
using bevel::detail::Surface;

int Capture(const char* windowId, const char* file) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 1;
  Surface picture;
  const bool written =
      bevel::testing::ReadWindowPixels(display, std::strtoul(windowId, nullptr, 10), picture) &&
      bevel::detail::SavePng(picture, file);
  XCloseDisplay(display);
  return written ? 0 : 1;
}

int Compare(const char* a, const char* b) {
  Surface pa, pb;
  if (!LoadPng(a, pa) || !LoadPng(b, pb)) {
    std::printf("cannot read %s or %s\n", a, b);
    return 1;
  }
  if (pa.width != pb.width || pa.height != pb.height) {
    std::printf("sizes differ: %d x %d, %d x %d\n", pa.width, pa.height, pb.width, pb.height);
    return 1;
  }
  int different = 0;
  for (int y = 0; y < pa.height; ++y) {
    for (int x = 0; x < pa.width; ++x) {
      if (((pa.At(x, y) ^ pb.At(x, y)) & 0xFFFFFF) == 0) continue;
      if (different++ == 0) {
        std::printf("first difference at (%d, %d): 0x%06X, 0x%06X\n", x, y,
                    static_cast<unsigned>(pa.At(x, y) & 0xFFFFFF),
                    static_cast<unsigned>(pb.At(x, y) & 0xFFFFFF));
      }
    }
  }
  std::printf("%d pixels differ\n", different);
  return different == 0 ? 0 : 1;
}

int At(const char* file, const char* x, const char* y) {
  Surface p;
  const int px = std::atoi(x), py = std::atoi(y);
  if (!LoadPng(file, p) || !p.Contains(px, py)) return 1;
  std::printf("0x%06X\n", static_cast<unsigned>(p.At(px, py) & 0xFFFFFF));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "capture" && argc == 4) return Capture(argv[2], argv[3]);
  if (command == "compare" && argc == 4) return Compare(argv[2], argv[3]);
  if (command == "at" && argc == 5) return At(argv[2], argv[3], argv[4]);
  std::fprintf(stderr,
               "usage: x11-pixels capture WINDOW_ID FILE.png | compare A.png B.png | "
               "at FILE.png X Y\n");
  return 2;
}
