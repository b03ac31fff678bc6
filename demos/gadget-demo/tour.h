// The built-in tour of gadget-demo: an input script (demos/common/script.h) that shows every
// feature once and takes screenshots, played when the program runs headless without --script.
#pragma once

namespace bevel::gadget_demo {

extern const char* const kTour;

}  // namespace bevel::gadget_demo
