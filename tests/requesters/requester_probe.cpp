// A host program for answering requesters on a real display: its loop opens a message requester
// ("Ja", "Nein") and reports the answer, then an input requester with the default text "abc",
// which a request to close the program's window cancels; the host's loop must still hear that
// request afterwards. Each line is written as it happens.
//
//   requester-probe REPORT_FILE    report: "answer N", "input TEXT", "closed"
#include <cstdio>
#include <string>

#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  using namespace bevel;
  if (argc < 2) return 2;
  SelectDevice(DEVICE_SDL);
  if (!OpenScreen(320, 200, 32, "RequesterProbe", SCREEN_WINDOWED)) {
    std::fprintf(stderr, "requester-probe: no display\n");
    return 3;
  }
  InitToolkit();
  SetGadgetDefaultColor(COLOR_FONT, LoadFont(ANY_NUMBER, "MS Sans Serif", 8));
  SetScreenSize(320, 200, -1);
  std::FILE* out = std::fopen(argv[1], "w");
  if (!out) return 4;
  const auto report = [out](const std::string& line) {
    std::fprintf(out, "%s\n", line.c_str());
    std::fflush(out);
  };
  // One frame of the host's own: the picture the requesters freeze.
  ClearScreen(0x808080);
  GadgetEvent();
  report("answer " + std::to_string(MessageRequester("Frage", "Weiter?", "Ja\nNein", 0)));
  report("input " + InputRequester("Eingabe", "Name:", "abc", -1, 0));
  for (int frame = 0; frame < 60 * 60; ++frame) {  // a minute at most
    ClearScreen(0x808080);
    GadgetEvent();
    ShowFrame();
    if (PollWindowMessages()) {
      report("closed");
      break;
    }
    Delay(15);
  }
  std::fclose(out);
  return 0;
}
