// make-assets: draws the demo programs' pictures with the toolkit's services and writes them
// into a directory: "Mouse.bmp" (the pointer sprite), "ButtonSprite.bmp" (the image button's
// sprite) and "Drive.ico" (a 16 x 16 drive icon with alpha).
//
//   make-assets DIR
//
// Sprites are blitted with black as the transparent key, so their black parts are drawn in
// kInk, which looks black but is not the key. The services write only PNG, so the BMP and ICO
// bytes are put together here.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "services/services.h"

namespace {

using namespace bevel;

constexpr int kKey = 0x000000;    // sprites: transparent
constexpr int kInk = 0x010101;    // sprites: black that stays visible
constexpr int kClear = 0xFF00FF;  // icon drawing: becomes alpha 0
constexpr int kWhite = 0xFFFFFF;

struct Picture {
  int width = 0, height = 0;
  std::vector<int> pixels;  // 0x00BBGGRR, row by row from the top
  int At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Draws on a fresh image through the services and reads the result back.
template <typename Draw>
bool Render(int width, int height, int background, Draw draw, Picture& out) {
  const int image = CreateImage(ANY_NUMBER, width, height);
  if (image == 0 || !BeginDrawing(ImageTarget(image))) return false;
  Box(0, 0, width, height, background);
  draw();
  out = {width, height, {}};
  out.pixels.reserve(static_cast<std::size_t>(width * height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) out.pixels.push_back(ReadPixel(x, y));
  }
  EndDrawing();
  ReleaseImage(image);
  return true;
}

// Plots a picture given as text rows: each character picks a colour, ' ' leaves the pixel.
void PlotRows(int x0, int y0, const std::vector<std::string_view>& rows, int (*colourOf)(char)) {
  for (std::size_t y = 0; y < rows.size(); ++y) {
    for (std::size_t x = 0; x < rows[y].size(); ++x) {
      if (rows[y][x] != ' ') {
        Plot(x0 + static_cast<int>(x), y0 + static_cast<int>(y), colourOf(rows[y][x]));
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// The pictures
// ---------------------------------------------------------------------------------------------

// The classic arrow: hot spot at the top-left pixel, black outline, white fill.
bool Pointer(Picture& out) {
  static const std::vector<std::string_view> kArrow = {
      "X",         "XX",        "X.X",        "X..X",        "X...X",        "X....X",   "X.....X",
      "X......X",  "X.......X", "X........X", "X.........X", "X......XXXXX", "X...X..X", "X..XX..X",
      "X.X  X..X", "XX   X..X", "X     X..X", "      X..X",  "       XX",
  };
  return Render(
      12, 19, kKey, [] { PlotRows(0, 0, kArrow, [](char c) { return c == 'X' ? kInk : kWhite; }); },
      out);
}

// An exit door with a green arrow leaving it: the picture of the button that ends the program.
bool ButtonPicture(Picture& out) {
  return Render(
      26, 18, kKey,
      [] {
        Box(15, 0, 11, 18, RGB(96, 56, 24));   // door frame
        Box(17, 2, 7, 16, RGB(40, 24, 8));     // the dark doorway
        Box(11, 2, 5, 16, RGB(176, 112, 48));  // the open leaf, hinged at the frame
        Line(15, 2, 0, 16, RGB(128, 80, 32));
        Box(12, 9, 2, 2, RGB(255, 208, 64));  // knob
        // Arrow pointing left, out of the door: a head of vertical strokes and a shaft.
        const int arrow = RGB(0, 168, 0);
        for (int i = 0; i < 5; ++i) Line(i, 9 - i, 0, 2 * i + 1, arrow);
        Box(5, 8, 5, 3, arrow);
        Line(5, 11, 5, 0, RGB(0, 96, 0));
      },
      out);
}

// A hard disk drive seen from the front and slightly above, with a green light.
bool DriveIcon(Picture& out) {
  return Render(
      16, 16, kClear,
      [] {
        const int top = RGB(232, 232, 232), front = RGB(192, 192, 192);
        const int edge = RGB(64, 64, 64), dark = RGB(128, 128, 128);
        // Top face: a band that widens towards the front edge.
        for (int i = 0; i < 3; ++i) Line(3 - i, 5 + i, 10 + 2 * i, 0, top);
        LineBetween(3, 4, 12, 4, edge);
        LineBetween(3, 4, 0, 7, edge);
        LineBetween(12, 4, 15, 7, edge);
        // Front face: filled, outlined, with a slot and the light.
        Box(0, 7, 16, 6, front);
        SetDrawMode(DRAW_OUTLINE);
        Box(0, 7, 16, 6, edge);
        SetDrawMode(0);
        Line(2, 9, 8, 0, dark);
        Line(2, 10, 8, 0, kWhite);
        Box(12, 9, 2, 2, RGB(0, 208, 0));
        Line(1, 13, 15, 0, dark);  // shadow under the case
      },
      out);
}

// ---------------------------------------------------------------------------------------------
// Files
// ---------------------------------------------------------------------------------------------

void Put16(std::vector<std::uint8_t>& b, int v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void InfoHeader(std::vector<std::uint8_t>& b, int width, int height, int bpp, std::uint32_t size) {
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(width));
  Put32(b, static_cast<std::uint32_t>(height));
  Put16(b, 1);
  Put16(b, bpp);
  Put32(b, 0);  // no compression
  Put32(b, size);
  Put32(b, 2835);  // 72 dpi
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
}

// 24-bit BMP, rows from the bottom, each padded to 4 bytes.
std::vector<std::uint8_t> Bmp(const Picture& p) {
  const std::uint32_t row = static_cast<std::uint32_t>(p.width * 3 + 3) / 4 * 4;
  const std::uint32_t data = row * static_cast<std::uint32_t>(p.height);
  std::vector<std::uint8_t> b = {'B', 'M'};
  Put32(b, 54 + data);
  Put32(b, 0);
  Put32(b, 54);
  InfoHeader(b, p.width, p.height, 24, data);
  for (int y = p.height - 1; y >= 0; --y) {
    for (int x = 0; x < p.width; ++x) {
      const int c = p.At(x, y);
      b.push_back(static_cast<std::uint8_t>(Blue(c)));
      b.push_back(static_cast<std::uint8_t>(Green(c)));
      b.push_back(static_cast<std::uint8_t>(Red(c)));
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(p.width) * 3; pad < row; ++pad) {
      b.push_back(0);
    }
  }
  return b;
}

// One 32-bit icon picture: kClear pixels get alpha 0 and a set bit in the AND mask, so that
// programs reading only the mask see the same shape.
std::vector<std::uint8_t> Ico(const Picture& p) {
  const std::uint32_t maskRow = static_cast<std::uint32_t>(p.width + 31) / 32 * 4;
  const std::uint32_t colours = static_cast<std::uint32_t>(p.width * p.height * 4);
  const std::uint32_t dib = 40 + colours + maskRow * static_cast<std::uint32_t>(p.height);
  std::vector<std::uint8_t> b;
  Put16(b, 0);
  Put16(b, 1);  // icon
  Put16(b, 1);  // one picture
  b.push_back(static_cast<std::uint8_t>(p.width));
  b.push_back(static_cast<std::uint8_t>(p.height));
  b.push_back(0);  // no palette
  b.push_back(0);
  Put16(b, 1);
  Put16(b, 32);
  Put32(b, dib);
  Put32(b, 6 + 16);
  InfoHeader(b, p.width, p.height * 2, 32, colours);
  for (int y = p.height - 1; y >= 0; --y) {
    for (int x = 0; x < p.width; ++x) {
      const int c = p.At(x, y);
      const bool clear = c == kClear;
      b.push_back(clear ? 0 : static_cast<std::uint8_t>(Blue(c)));
      b.push_back(clear ? 0 : static_cast<std::uint8_t>(Green(c)));
      b.push_back(clear ? 0 : static_cast<std::uint8_t>(Red(c)));
      b.push_back(clear ? 0 : 255);
    }
  }
  for (int y = p.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> mask(maskRow, 0);
    for (int x = 0; x < p.width; ++x) {
      if (p.At(x, y) != kClear) continue;
      std::uint8_t& bits = mask[static_cast<std::size_t>(x / 8)];
      bits = static_cast<std::uint8_t>(bits | 0x80 >> (x % 8));
    }
    b.insert(b.end(), mask.begin(), mask.end());
  }
  return b;
}

bool Write(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) std::fprintf(stderr, "make-assets: cannot write %s\n", file.string().c_str());
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-assets DIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  Picture pointer, button, drive;
  if (!Pointer(pointer) || !ButtonPicture(button) || !DriveIcon(drive)) {
    std::fprintf(stderr, "make-assets: cannot draw the pictures\n");
    return 1;
  }
  const bool ok = Write(dir / "Mouse.bmp", Bmp(pointer)) &&
                  Write(dir / "ButtonSprite.bmp", Bmp(button)) &&
                  Write(dir / "Drive.ico", Ico(drive));
  return ok ? 0 : 1;
}
