// A small program with one focused String gadget, for typing through a real keyboard path:
// it runs until Escape and then writes the field's bytes, in hex, to the report file. With
// --extras the field has the clipboard and undo keys (SetTextFieldExtras).
//
//   typing-probe REPORT_FILE [--extras]
#include <cstdio>
#include <string>

#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  using namespace bevel;
  if (argc < 2) return 2;
  SelectDevice(DEVICE_SDL);
  if (!OpenScreen(320, 120, 32, "TypingProbe", SCREEN_WINDOWED)) {
    std::fprintf(stderr, "typing-probe: no display\n");
    return 3;
  }
  InitToolkit();
  SetGadgetDefaultColor(COLOR_FONT, LoadFont(ANY_NUMBER, "MS Sans Serif", 8));
  SetScreenSize(320, 120, -1);
  if (argc > 2 && std::string(argv[2]) == "--extras") {
    SetTextFieldExtras(TEXT_FIELD_CLIPBOARD | TEXT_FIELD_UNDO);
  }
  CreateString(1, 10, 10, 300, 20, "", -1, 0);
  SetCursor(1, 0);
  for (int frame = 0; frame < 60 * 120; ++frame) {  // two minutes at most
    ClearScreen(0xC0C0C0);
    GadgetEvent();
    ShowFrame();
    if (PollWindowMessages() || KeyPushed(1)) break;
    Delay(15);
  }
  std::FILE* out = std::fopen(argv[1], "w");
  if (!out) return 4;
  for (unsigned char c : GetGadgetText(1)) std::fprintf(out, "%02X", c);
  std::fprintf(out, "\n");
  std::fclose(out);
  return 0;
}
