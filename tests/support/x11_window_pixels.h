// An X window's pixels as the X server holds them (what a person sees), for the real-display
// tests: the test servers run a 24-bit visual, red in bits 16..23.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>

#include "services/internal/surface.h"

namespace bevel::testing {

// Xlib's default handler ends the process on any error; a failed read is a failed capture.
inline int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

// The window's pixels as 0x00BBGGRR into `out`; false when the window cannot be read, or when
// width and height are given (> 0) and the window is not exactly that size.
inline bool ReadWindowPixels(Display* display, Window window, detail::Surface& out, int width = 0,
                             int height = 0) {
  XSetErrorHandler(IgnoreXError);
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
  if (width > 0 && (attributes.width != width || attributes.height != height)) return false;
  XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  out = detail::Surface(attributes.width, attributes.height);
  for (int y = 0; y < attributes.height; ++y) {
    for (int x = 0; x < attributes.width; ++x) {
      const unsigned long p = XGetPixel(image, x, y);
      const auto r = static_cast<std::uint32_t>((p & image->red_mask) >> 16);
      const auto g = static_cast<std::uint32_t>((p & image->green_mask) >> 8);
      const auto b = static_cast<std::uint32_t>(p & image->blue_mask);
      out.At(x, y) = r | g << 8 | b << 16;
    }
  }
  XDestroyImage(image);
  return true;
}

}  // namespace bevel::testing
