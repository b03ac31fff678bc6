// A first look at the services: opens a screen and draws a small classic panel with text.
// On a machine without a display (or with --headless) it runs on the headless device and
// writes a PNG screenshot, printing its path.
//
//   hello [--headless] [--frames N] [--screenshot FILE]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "services/headless.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;

constexpr int kW = 320, kH = 200;

// A raised 2-pixel bevel, the look every gadget builds on.
void Panel(int x, int y, int w, int h) {
  Box(x, y, w, h, 0xC0C0C0);
  Line(x, y, w - 1, 0, 0xFFFFFF);
  Line(x, y, 0, h - 1, 0xFFFFFF);
  Line(x + 1, y + 1, w - 3, 0, 0xDFDFDF);
  Line(x + 1, y + 1, 0, h - 3, 0xDFDFDF);
  Line(x, y + h - 1, w, 0, 0x000000);
  Line(x + w - 1, y, 0, h, 0x000000);
  Line(x + 1, y + h - 2, w - 2, 0, 0x808080);
  Line(x + w - 2, y + 1, 0, h - 2, 0x808080);
}

void DrawScene(int font, int bold, int frame) {
  ClearScreen(0x808000);  // the classic teal desktop
  if (!BeginDrawing(BackBufferTarget())) return;
  Panel(40, 40, 240, 120);
  Box(43, 43, 234, 18, 0x800000);
  SetDrawMode(DRAW_TRANSPARENT);
  SetDrawFont(bold);
  DrawText(48, 45, "bevel", 0xFFFFFF);
  SetDrawFont(font);
  DrawText(52, 72,
           "Gr\xFC\xDF"
           "e aus dem Software-Raster!",
           0x000000);
  DrawText(52, 90,
           "\xC4pfel \xD6l \xDC"
           "ber \x80 5,-",
           0x000000);
  Panel(200, 124, 70, 24);
  const std::string ok = "OK";
  DrawText(200 + (70 - TextWidth(ok)) / 2, 124 + (24 - TextHeight(ok)) / 2, ok, 0x000000);
  // A moving marker shows that frames advance.
  Box(52 + frame % 120, 112, 8, 4, 0x0000FF);
  EndDrawing();
}

}  // namespace

int main(int argc, char** argv) {
  bool headlessWanted = false;
  int frames = -1;
  std::string shot = (std::filesystem::temp_directory_path() / "bevel-hello.png").string();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--headless") {
      headlessWanted = true;
    } else if (arg == "--frames" && i + 1 < argc) {
      frames = std::atoi(argv[++i]);
    } else if (arg == "--screenshot" && i + 1 < argc) {
      shot = argv[++i];
    }
  }
  SelectDevice(headlessWanted ? DEVICE_HEADLESS : DEVICE_AUTO);
  if (!OpenScreen(kW, kH, 32, "bevel", SCREEN_WINDOWED)) {
    std::fprintf(stderr, "hello: cannot open a screen\n");
    return 1;
  }
  const bool headless = ScreenDevice() == DEVICE_HEADLESS;
  if (headless && frames < 0) frames = 3;
  const int font = LoadFont(ANY_NUMBER, "MS Sans Serif", 8);
  const int bold = LoadFont(ANY_NUMBER, "MS Sans Serif", 8, FONT_BOLD);
  for (int frame = 0; frames < 0 || frame < frames; ++frame) {
    DrawScene(font, bold, frame);
    ShowFrame();
    if (PollWindowMessages()) break;
    PollKeyboard();
    if (KeyPushed(1)) break;  // Escape
    if (!headless) Delay(16);
  }
  if (headless) {
    if (!headless::SavePng(shot, true)) {
      std::fprintf(stderr, "hello: cannot write %s\n", shot.c_str());
      return 1;
    }
    std::printf("screenshot: %s\n", shot.c_str());
  }
  CloseScreen();
  return 0;
}
