// The demo runner's input scripts: any bytes as a script. A script parses into steps or into
// one message naming a line of the text; the steps carry the lines they came from in order, and
// only what the format allows (buttons 1 to 3, scan codes 1 to 255, waits not negative).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "demos/common/script.h"

namespace {

using bevel::script::Op;

void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "script_fuzz: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<bevel::script::Step> steps;
  std::string error;
  const bool ok = bevel::script::Parse(text, steps, error);
  if (!ok) {
    Require(steps.empty(), "a failed parse leaves steps");
    Require(error.starts_with("line "), "a message without its line");
    const long line = std::strtol(error.c_str() + 5, nullptr, 10);
    const long lines = static_cast<long>(std::count(text.begin(), text.end(), '\n')) + 1;
    Require(line >= 1 && line <= lines, "a message names a line the script does not have");
    return 0;
  }
  int previousLine = 0;
  for (const bevel::script::Step& step : steps) {
    Require(step.line >= previousLine && step.line >= 1, "steps out of line order");
    previousLine = step.line;
    switch (step.op) {
      case Op::Press:
      case Op::Release:
        Require(step.a >= 1 && step.a <= 3, "a mouse button outside 1 to 3");
        break;
      case Op::KeyDown:
      case Op::KeyUp:
        Require(step.a >= 1 && step.a <= 255, "a scan code outside 1 to 255");
        Require(bevel::script::KeyCode("sc" + std::to_string(step.a)) == step.a,
                "a scan code that its own name does not give back");
        break;
      case Op::WaitFrames:
      case Op::WaitMs:
        Require(step.a >= 0, "a negative wait");
        break;
      case Op::Shot:
        Require(!step.file.empty(), "a screenshot without a file name");
        break;
      default:
        break;
    }
  }
  return 0;
}
