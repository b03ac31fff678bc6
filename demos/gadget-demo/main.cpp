// gadget-demo: the toolkit's reference program. An 800 x 600 screen (full screen, or a window
// with --windowed) titled "TestQuillon" shows a gadget of every type that has a creation
// command, a menu bar with sub-menus and the shortcut Ctrl+B, two windows and every requester,
// and reacts to them in its frame loop (gadget_demo.h). Ctrl+B, the menu item "Beenden", the
// picture button at the bottom right (after its message) and closing the window end it.
//
// The flags are those of the demo runner (demos/common/runner.h) and --windowed. On a machine
// without a display, or with --headless and no --script, it plays a built-in tour that shows
// every feature once and prints the paths of the screenshots it writes. --report also lists
// every requester the demo opened and its answer; --record FILE writes a session on a real
// display as a script that --script replays headless.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "demos/common/runner.h"
#include "demos/gadget-demo/gadget_demo.h"
#include "demos/gadget-demo/tour.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;
using gadget_demo::Frame;

const char* Reason(Frame end) {
  switch (end) {
    case Frame::kQuitMenu:
      return "menu";
    case Frame::kQuitButton:
      return "button";
    case Frame::kClosed:
      return "close";
    case Frame::kGoOn:
      break;
  }
  return "";
}

// The tour's file requesters go to "~", its home: the tour's own directory, with three files
// to choose from. So its pictures show the same files on every machine.
void PrepareTourFiles(const std::string& directory) {
  setenv("HOME", directory.c_str(), 1);
  for (const char* name : {"Brief.vx", "Karte.vx", "Notizen.vx"}) {
    std::ofstream((std::filesystem::path(directory) / name).string()) << "Vexil\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  demo::Runner run("gadget-demo", gadget_demo::kTour);
  run.AddSwitch("--windowed", "an 800 x 600 window instead of full screen");
  if (!run.ParseArgs(argc, argv)) return run.ExitCode();

  gadget_demo::InitDemo();
  run.SelectDevice();
  if (!OpenScreen(800, 600, 32, "TestQuillon", run.Switch("--windowed") ? SCREEN_WINDOWED : 0)) {
    // As the program ends after a failed start: without a screen there is nothing to show.
    std::fprintf(stderr, "gadget-demo: cannot open the screen\n");
    return 0;
  }
  run.Start();
  if (const std::string tour = run.TourDirectory(); !tour.empty()) PrepareTourFiles(tour);
  gadget_demo::BuildDemo();
  gadget_demo::SetDemoLog([&run](const std::string& line) { run.Report(line); });

  for (bool quit = false; !quit;) {
    const Frame end = gadget_demo::DemoFrame();
    if (end != Frame::kGoOn) {
      run.End(Reason(end));
      quit = true;
    }
    if (run.EndOfFrame()) quit = true;
  }

  const int code = run.Close();
  CloseScreen();
  return code;
}
