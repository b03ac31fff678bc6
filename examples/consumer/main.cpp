// A program built on bevel: a screen, a text field and a button, and the frame loop.
//
//   consumer             a window; the button prints a greeting (Escape or closing it ends)
//   consumer --headless  no window: the program pastes into its own field, clicks its button
//                        and prints the greeting
#include <cstdio>
#include <string>
#include <string_view>

#include "services/frame_driver.h"
#include "services/headless.h"
#include "toolkit/toolkit.h"

using namespace bevel;

namespace {

constexpr int kName = 1, kGreet = 2;

// One frame: the host's scene, then the toolkit. Returns the gadget that reported an event.
int Frame() {
  ClearScreen(RGB(0, 128, 128));
  const int event = GadgetEvent();
  ShowFrame();
  return event;
}

}  // namespace

int main(int argc, char** argv) {
  const bool headless = argc > 1 && std::string_view(argv[1]) == "--headless";
  if (headless) headless::Use();
  if (!OpenScreen(320, 120, 32, "bevel consumer", SCREEN_WINDOWED)) {
    std::fprintf(stderr, "consumer: no screen\n");
    return 1;
  }
  InitToolkit();
  SetScreenSize(320, 120, -1);
  SetTextFieldExtras(TEXT_FIELD_CLIPBOARD | TEXT_FIELD_UNDO);  // Ctrl+C, Ctrl+V, Ctrl+Z ...
  CreateString(kName, 20, 20, 200, 20, "World", 40, 0);
  CreateButton(kGreet, 20, 60, 90, 24, "Greet");

  std::string greeting;
  auto frame = [&] {
    if (Frame() == kGreet) greeting = "Hello, " + GetGadgetText(kName) + "!";
  };
  if (headless) {
    headless::FrameDriver run(frame);
    headless::SetClipboard(" and bevel");
    run.Click(200, 30);  // the caret after the text
    run.KeyDown(KEY_LEFT_CTRL);
    run.Key(KEY_V);
    run.KeyUp(KEY_LEFT_CTRL);
    run.Click(60, 72);
    std::printf("%s\n", greeting.c_str());
    return greeting.empty() ? 1 : 0;
  }
  while (PollWindowMessages() == 0 && KeyPushed(KEY_ESCAPE) == 0) {
    frame();
    if (!greeting.empty()) std::printf("%s\n", greeting.c_str());
    greeting.clear();
    Delay(16);
  }
  CloseScreen();
  return 0;
}
