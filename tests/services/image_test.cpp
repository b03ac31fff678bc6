// Picture files and images: BMP and ICO decoded pixel by pixel, broken files refused, PNG
// output, and images as numbered pictures, drawing targets and DrawImage sources.
#include <sys/resource.h>

#include <algorithm>
#include <random>

#include "services/internal/image_codec.h"
#include "services/internal/service_state.h"
#include "tests/support/headless_screen.h"
#include "tests/support/picture_files.h"

namespace bevel {
namespace {

using detail::Surface;
using testing::Bmp;
using testing::Bytes;
using testing::Ico;
using testing::IconDib;
using testing::WriteTestFile;

constexpr int kW = 5, kH = 3;  // odd width: rows need padding at every depth
std::uint32_t Colour(int x, int y) {
  return RGB(40 * x + 10, 60 * y + 20, 20 * (x + y) + 30);
}
bool NoMask(int, int) {
  return false;
}

// The picture behind an image handle, alpha byte included.
Surface Picture(int handle) {
  const Surface* s = detail::TargetSurface(handle);
  return s ? *s : Surface();
}
int LoadBytes(const Bytes& bytes) {
  return LoadImage(ANY_NUMBER, WriteTestFile("pic.bin", bytes));
}
Bytes With(Bytes b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  return b;
}

void ExpectPixels(const Surface& s, int w, int h, const testing::PixelFn& want, const char* what) {
  ASSERT_EQ(s.width, w) << what;
  ASSERT_EQ(s.height, h) << what;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      ASSERT_EQ(s.At(x, y), want(x, y)) << what << " at " << x << "," << y;
}

// 6 x 2 run-length coded at 8 or 4 bits. Bottom row: a run of three, three literal pixels;
// top row: a skip of two pixels, a run of two 2s, end of bitmap.
Bytes Rle(int bpp) {
  Bytes b = Bmp(6, 2, bpp, false, [](int, int) { return 0u; }, {0xFFFFFF, 0xFF, 0xFF00});
  b.resize(54 + 12);
  b[30] = bpp == 8 ? 1 : 2;
  const std::vector<int> rle8 = {3, 1, 0, 3, 2, 2, 1, 0, 0, 0, 0, 2, 2, 0, 2, 2, 0, 1};
  const std::vector<int> rle4 = {3, 0x12, 0, 3, 0x21, 0x20, 0, 0, 0, 2, 2, 0, 2, 0x22, 0, 1};
  for (const int v : bpp == 8 ? rle8 : rle4) b.push_back(static_cast<std::uint8_t>(v));
  return b;
}

TEST(PictureFiles, BmpAtEveryDepthAndRowOrder) {
  std::vector<std::uint32_t> palette;
  for (int i = 0; i < 16; ++i)
    palette.push_back(static_cast<std::uint32_t>(RGB(15 * i, 9 * i, 99)));
  const auto five = [](std::uint32_t c) { return (((c & 255) >> 3) * 255 + 15) / 31; };
  for (const int bpp : {1, 4, 8, 16, 24, 32}) {
    const std::uint32_t n = bpp == 1 ? 2 : 16;
    const auto index = [n](int x, int y) { return static_cast<std::uint32_t>(x + 3 * y) % n; };
    const std::vector<std::uint32_t> pal(palette.begin(), palette.begin() + (bpp <= 8 ? n : 0));
    for (const bool topDown : {false, true}) {
      // The junk top byte at 32 bits must not survive into an opaque picture.
      const int handle = LoadBytes(Bmp(
          kW, kH, bpp, topDown,
          [&](int x, int y) { return bpp <= 8 ? index(x, y) : Colour(x, y) | 0x5A000000u; }, pal));
      ExpectPixels(
          Picture(handle), kW, kH,
          [&](int x, int y) {
            const std::uint32_t c = Colour(x, y);
            if (bpp <= 8) return palette[index(x, y)];
            return bpp == 16 ? five(c) | five(c >> 8) << 8 | five(c >> 16) << 16 : c;
          },
          topDown ? "top-down" : "bottom-up");
      EXPECT_FALSE(Picture(handle).alpha);
    }
  }
  const std::uint32_t rle8[] = {0xFF, 0xFF, 0xFF, 0xFF00, 0xFF00, 0xFF};
  const std::uint32_t rle4[] = {0xFF, 0xFF00, 0xFF, 0xFF00, 0xFF, 0xFF00};
  const std::uint32_t top[] = {0, 0, 0xFF00, 0xFF00, 0, 0};  // skipped pixels are black
  ExpectPixels(
      Picture(LoadBytes(Rle(8))), 6, 2, [&](int x, int y) { return y ? rle8[x] : top[x]; }, "RLE8");
  ExpectPixels(
      Picture(LoadBytes(Rle(4))), 6, 2, [&](int x, int y) { return y ? rle4[x] : top[x]; }, "RLE4");
}

TEST(PictureFiles, IconsKeepAlphaOrTakeItFromTheirMask) {
  // An alpha channel wins over the mask (which would hide column 3).
  const auto alpha = [](int x, int y) { return Colour(x, y) | (x * 85u) << 24; };
  const Bytes a = IconDib(4, 3, 32, alpha, [](int x, int) { return x == 3; });
  ExpectPixels(Picture(LoadBytes(Ico({{4, 3, 32, a}}))), 4, 3, alpha, "alpha channel");
  // 24 bits, and 32 bits whose alpha bytes are all 0 (icons older than alpha), use the mask;
  // 35 columns need a mask row of two 32-bit words.
  const auto masked = [](int x, int y) { return (x + 2 * y) % 3 == 0; };
  const auto want = [&](int x, int y) { return Colour(x, y) | (masked(x, y) ? 0 : 0xFF000000u); };
  ExpectPixels(Picture(LoadBytes(Ico({{35, 2, 24, IconDib(35, 2, 24, Colour, masked)}}))), 35, 2,
               want, "24");
  ExpectPixels(Picture(LoadBytes(Ico({{35, 2, 32, IconDib(35, 2, 32, Colour, masked)}}))), 35, 2,
               want, "32");

  // The largest entry is taken, the deepest of equal sizes, a PNG entry included.
  const auto solid = [](std::uint32_t c) { return [c](int, int) { return c; }; };
  const Bytes deep = IconDib(32, 32, 32, solid(0xFF00FF00), NoMask);
  const Bytes icon = Ico({{16, 16, 32, IconDib(16, 16, 32, solid(0xFF0000FF), NoMask)},
                          {32, 32, 32, deep},
                          {32, 32, 24, IconDib(32, 32, 24, solid(0xFF), NoMask)}});
  EXPECT_EQ(Picture(LoadBytes(icon)).At(5, 5), 0xFF00FF00u);
  Surface big(48, 40);
  for (int i = 0; i < 48 * 40; ++i) big.pixels[i] = Colour(i % 48, i / 48);
  const std::string png = std::string(BEVEL_TEST_OUT) + "/entry.png";
  ASSERT_TRUE(detail::SavePng(big, png));
  const Surface s =
      Picture(LoadBytes(Ico({{32, 32, 32, deep}, {48, 40, 32, testing::ReadTestFile(png)}})));
  ExpectPixels(
      s, 48, 40, [](int x, int y) { return Colour(x, y) | 0xFF000000u; }, "PNG entry");
  EXPECT_TRUE(s.alpha);
}

// A PNG whose header claims side x side pixels (with a valid checksum) but holds one pixel.
Bytes HugePng(int side) {
  const std::string path = std::string(BEVEL_TEST_OUT) + "/one.png";
  EXPECT_TRUE(detail::SavePng(Surface(1, 1), path));
  Bytes b = testing::ReadTestFile(path);
  for (const std::size_t at : {16u, 20u}) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(side >> (24 - 8 * i));
  }
  std::uint32_t crc = 0xFFFFFFFF;  // over the chunk type and data
  for (std::size_t i = 12; i < 29; ++i) {
    crc ^= b[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  for (int i = 0; i < 4; ++i) b[29 + i] = static_cast<std::uint8_t>(~crc >> (24 - 8 * i));
  return b;
}

long PeakMemory() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return r.ru_maxrss * 1024L;
}

TEST(PictureFiles, BrokenFilesLoadNothing) {
  const Bytes bmp = Bmp(kW, kH, 24, false, Colour);
  const Bytes ico = Ico({{4, 4, 32, IconDib(4, 4, 32, Colour, NoMask)}});
  Bytes random(400);
  std::mt19937 rng(7);
  for (auto& byte : random) byte = static_cast<std::uint8_t>(rng());
  Bytes rleCut = Rle(8);
  rleCut.erase(rleCut.end() - 2, rleCut.end());  // no end-of-bitmap, top row unfinished
  const std::vector<std::pair<const char*, Bytes>> cases = {
      {"random bytes", random},
      {"100000 x 100000", With(With(bmp, 18, 100000), 22, 100000)},
      {"zero width", With(bmp, 18, 0)},
      {"zero height", With(bmp, 22, 0)},
      {"negative width", With(bmp, 18, static_cast<std::uint32_t>(-5))},
      {"height INT_MIN", With(bmp, 22, 0x80000000u)},
      {"unknown header size", With(bmp, 14, 41)},
      {"7 bits per pixel", With(bmp, 28, 7)},
      {"pixel data past the end", With(bmp, 10, 5000)},
      {"palette larger than the file", With(Bmp(kW, kH, 8, false, NoMask, {0}), 46, 256)},
      {"run-length data cut short", rleCut},
      {"run-length data top-down", With(Rle(8), 22, static_cast<std::uint32_t>(-2))},
      {"icon entry past the end", With(ico, 18, 5000)},
      {"icon entry size past the end", With(ico, 14, 0xFFFFFFF0u)},
      {"icon negative height", With(ico, 30, static_cast<std::uint32_t>(-8))},
      {"icon odd height: no mask", With(ico, 30, 7)},
      {"icon without entries", With(ico, 2, 1)},
  };
  for (const auto& [name, bytes] : cases) {
    EXPECT_EQ(LoadBytes(bytes), 0) << name;
    EXPECT_EQ(LoadSprite(ANY_NUMBER, WriteTestFile("pic.bin", bytes)), 0) << name;
  }
  for (const Bytes* good : {&bmp, &ico}) {
    ASSERT_NE(LoadBytes(*good), 0);
    for (std::size_t n = 0; n < good->size(); ++n) {
      EXPECT_EQ(LoadBytes(Bytes(good->begin(), good->begin() + static_cast<long>(n))), 0) << n;
    }
  }
  EXPECT_EQ(LoadImage(ANY_NUMBER, std::string(BEVEL_TEST_OUT) + "/no such file.bmp"), 0);
  EXPECT_EQ(LoadImage(ANY_NUMBER, BEVEL_TEST_OUT), 0) << "a directory";
  const std::vector<std::uint32_t> surplus(257, 0xFF);  // more colours than 8 bits index
  EXPECT_EQ(Picture(LoadBytes(Bmp(kW, kH, 8, false, NoMask, surplus))).At(1, 1), 0xFFu);

  // The largest accepted size, 1 GiB of pixels, claimed by a few bytes of data.
  const long before = PeakMemory();
  const int side = detail::kMaxSurfaceSide;
  EXPECT_EQ(LoadBytes(With(With(bmp, 18, side), 22, side)), 0);
  EXPECT_EQ(LoadBytes(With(With(Rle(8), 18, side), 22, side)), 0);
  EXPECT_EQ(LoadBytes(Ico({{0, 0, 32, HugePng(side)}})), 0);
  EXPECT_LT(PeakMemory() - before, 64L << 20);
}

// Random damage to valid files: what still loads must be a well-formed picture (and the
// sanitizer build sees every read).
TEST(PictureFiles, DamagedFilesKeepTheSurfaceInvariant) {
  const Bytes files[] = {Bmp(kW, kH, 4, false, [](int x, int) { return x % 4u; }, {1, 2, 3, 4}),
                         Ico({{4, 4, 24, IconDib(4, 4, 24, Colour, NoMask)}}), Rle(8)};
  std::mt19937 rng(99);
  int loaded = 0;
  for (int i = 0; i < 1500; ++i) {
    Bytes b = files[i % 3];
    for (int k = 0; k < 3; ++k) b[rng() % 70] = static_cast<std::uint8_t>(rng());
    Surface s;
    if (!detail::LoadPicture(WriteTestFile("damaged.bin", b), s)) continue;
    ++loaded;
    ASSERT_TRUE(detail::ValidSurfaceSize(s.width, s.height)) << i;
    ASSERT_EQ(s.pixels.size(), static_cast<std::size_t>(s.width) * s.height) << i;
  }
  EXPECT_GT(loaded, 0) << "damage to palettes and pixels leaves readable files";
}

TEST(PictureFiles, PngSavedAsRgbReadsBackExactly) {
  Surface s(7, 5);
  for (int i = 0; i < 35; ++i) s.pixels[i] = Colour(i % 7, i / 7) | 0xAB000000u;
  const std::string path = std::string(BEVEL_TEST_OUT) + "/saved.png";
  ASSERT_TRUE(detail::SavePng(s, path));
  const Bytes b = testing::ReadTestFile(path);
  ASSERT_GT(b.size(), 26u);
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 26),
            (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I',
                   'H',  'D', 'R', 0,   0,    0,    7,    0,    0, 0, 5, 8,  2}))
      << "7 x 5, 8-bit RGB";
  Surface back;
  ASSERT_TRUE(detail::LoadPng(path, back));
  ExpectPixels(back, 7, 5, Colour, "read back");
  EXPECT_FALSE(back.alpha);
  EXPECT_FALSE(detail::SavePng(Surface(), path));
  EXPECT_FALSE(detail::SavePng(s, std::string(BEVEL_TEST_OUT) + "/no/such/folder/x.png"));
}

TEST(ImageNumbers, NumbersHandlesReplacingAndRelease) {
  CloseScreen();  // images need no screen
  const int a = CreateImage(ANY_NUMBER, 4, 3), b = CreateImage(ANY_NUMBER, 4, 3);
  ASSERT_NE(a * b, 0);
  EXPECT_NE(a, b);
  EXPECT_GE(ImageHandle(a), 2);
  EXPECT_NE(ImageHandle(a), ImageHandle(b));
  EXPECT_EQ(ImageTarget(a), ImageHandle(a));
  EXPECT_EQ(ImageWidth(ImageHandle(a)), 4);
  EXPECT_EQ(ImageHeight(ImageHandle(a)), 3);

  EXPECT_EQ(CreateImage(7, 2, 2), 7);
  const int old = ImageHandle(7);
  EXPECT_EQ(CreateImage(7, 5, 6), 7) << "replaces image 7";
  EXPECT_NE(ImageHandle(7), old);
  EXPECT_EQ(ImageWidth(old), 0) << "the old handle finds nothing";
  EXPECT_EQ(ImageHeight(ImageHandle(7)), 6);

  // ANY_NUMBER takes its handle as number, skipping numbers chosen explicitly.
  const int next = CreateImage(ANY_NUMBER, 1, 1);
  EXPECT_EQ(ImageHandle(next), next);
  EXPECT_EQ(CreateImage(next + 2, 9, 1), next + 2);  // takes handle next + 1
  EXPECT_NE(CreateImage(ANY_NUMBER, 1, 1), next + 2);
  EXPECT_EQ(ImageWidth(ImageHandle(next + 2)), 9);

  for (const auto& [w, h] : {std::pair{0, 2}, {2, -1}, {detail::kMaxSurfaceSide + 1, 1}}) {
    EXPECT_EQ(CreateImage(50, w, h), 0) << w << " x " << h;
  }
  EXPECT_EQ(CreateImage(0, 2, 2), 0);
  EXPECT_EQ(ImageHandle(0), 0);
  EXPECT_EQ(CreateImageFromPixels(50, 2, 1, nullptr), 0);
  EXPECT_EQ(ImageHandle(50), 0);
  const std::string file = WriteTestFile("ok.bmp", Bmp(2, 2, 24, false, Colour));
  EXPECT_EQ(LoadImage(0, file), 0);

  const int h7 = ImageHandle(7);
  ReleaseImage(7);
  EXPECT_EQ(ImageHandle(7), 0);
  EXPECT_EQ(ImageTarget(7), 0);
  EXPECT_EQ(ImageWidth(h7), 0);
  EXPECT_EQ(BeginDrawing(h7), 0);
  // Loaded with ANY_NUMBER, the handle is also the number that releases it.
  const int loaded = LoadImage(ANY_NUMBER, file);
  ASSERT_NE(loaded, 0);
  ReleaseImage(loaded);
  EXPECT_EQ(ImageWidth(loaded), 0);
  // Paths are Windows-1252; the file system's names are UTF-8.
  WriteTestFile("caf\xC3\xA9.bmp", Bmp(2, 2, 24, false, Colour));
  EXPECT_NE(LoadImage(ANY_NUMBER, std::string(BEVEL_TEST_OUT) + "/caf\xE9.bmp"), 0);
}

TEST(ImageTargets, DrawnOnBeforeAnyScreenAndReleasedMidSession) {
  CloseScreen();
  EXPECT_EQ(detail::TargetSurface(detail::kBackBufferTarget), nullptr);
  const int n = CreateImage(ANY_NUMBER, 8, 8);
  ASSERT_NE(BeginDrawing(ImageTarget(n)), 0);
  Box(2, 2, 3, 3, 0x00FF00);
  EXPECT_EQ(ReadPixel(2, 2), 0x00FF00);
  EXPECT_EQ(ReadPixel(1, 1), 0) << "a new image is black";
  ReleaseImage(n);
  EXPECT_EQ(detail::Services().drawing.target, nullptr) << "releasing the target ends the session";
  Box(0, 0, 8, 8, 0xFFFFFF);  // must not touch the freed picture
}

class Images : public testing::HeadlessScreen {};

TEST_F(Images, DrawnAtSizeScaledAndBlended) {
  const std::uint32_t px[] = {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFFFFFFFF};
  const int img = ImageHandle(CreateImageFromPixels(ANY_NUMBER, 2, 2, px));
  DrawImage(img, 10, 10);
  EXPECT_EQ(At(10, 10), 0) << "no drawing session: nothing";
  Draw();
  DrawImage(img, 10, 10);
  DrawImage(img, 20, 20, 4, 6);  // each pixel a 2 x 3 block
  DrawImage(img, 40, 40, 4, 0);  // one side 0: at its size
  // Index into px of the pixel a w x h drawing at (dx, dy) puts at (x, y); -1 outside it.
  const auto source = [](int x, int y, int dx, int dy, int w, int h) {
    if (x < dx || y < dy || x >= dx + w || y >= dy + h) return -1;
    return (y - dy) * 2 / h * 2 + (x - dx) * 2 / w;
  };
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 50; ++x) {
      const int at = std::max(
          {source(x, y, 10, 10, 2, 2), source(x, y, 20, 20, 4, 6), source(x, y, 40, 40, 2, 2)});
      ASSERT_EQ(At(x, y), at < 0 ? 0 : static_cast<int>(px[at] & 0xFFFFFF)) << x << "," << y;
    }
  }
  DrawImage(img + 1000, 60, 60);  // no such handle
  EXPECT_EQ(At(60, 60), 0);

  ClearScreen(0xFF0000);
  const std::uint32_t red[] = {0xFF0000FF, 0x800000FF, 0x000000FF};  // opaque, half, clear
  const int r = ImageHandle(CreateImageFromPixels(ANY_NUMBER, 3, 1, red));
  DrawImage(r, 0, 0);
  DrawImage(r, 0, 5, 6, 2);
  const int half = 0x7F0080;  // (255 * 128 + 127) / 255 red, the rest of the blue
  for (const auto& [x, y, want] : {std::tuple{0, 0, 0x0000FF},
                                   {1, 0, half},
                                   {2, 0, 0xFF0000},
                                   {3, 6, half},
                                   {5, 6, 0xFF0000}}) {
    EXPECT_EQ(At(x, y), want) << x << "," << y;
  }
  // A masked icon leaves the background where its mask is set.
  const auto green = [](int, int) { return 0x00FF00u; };
  DrawImage(
      LoadBytes(Ico({{2, 1, 24, IconDib(2, 1, 24, green, [](int x, int) { return x == 1; })}})), 10,
      10);
  EXPECT_EQ(At(10, 10), 0x00FF00);
  EXPECT_EQ(At(11, 10), 0xFF0000);

  // An opaque picture at its own width, cut by the screen's left edge.
  const int opaque = CreateImage(ANY_NUMBER, 3, 1);
  ASSERT_NE(BeginDrawing(ImageTarget(opaque)), 0);
  Plot(1, 0, 0x00FF00);
  Plot(2, 0, 0x0000FF);
  Draw();
  DrawImage(ImageHandle(opaque), -1, 20, 3, 2);  // twice as tall
  for (const auto& [x, y, want] :
       {std::tuple{0, 20, 0x00FF00}, {1, 21, 0x0000FF}, {2, 20, 0xFF0000}}) {
    EXPECT_EQ(At(x, y), want) << x << "," << y;
  }
}

TEST_F(Images, ResizeScalesBilinearlyUnderAnOpenSession) {
  const int n = CreateImage(ANY_NUMBER, 2, 1);
  const int h = ImageHandle(n);
  ASSERT_NE(BeginDrawing(ImageTarget(n)), 0);
  Plot(1, 0, 0xFFFFFF);
  ResizeImage(n, 4, 1);
  EXPECT_EQ(ImageHandle(n), h);
  const int want[] = {0, 0x404040, 0xBFBFBF, 0xFFFFFF};  // quarter steps between the ends
  for (int x = 0; x < 4; ++x) EXPECT_EQ(ReadPixel(x, 0), want[x]) << x;
  Plot(3, 0, 0x0000FF);  // the session draws on the resized picture
  EXPECT_EQ(ReadPixel(3, 0), 0x0000FF);
  ResizeImage(n, 0, 5);
  ResizeImage(n, 3, detail::kMaxSurfaceSide + 1);
  EXPECT_EQ(ImageWidth(h), 4) << "bad sizes change nothing";
  EXPECT_EQ(ImageHeight(h), 1);
}

// Shapes and text drawn onto a picture with an alpha channel must stay visible when the picture
// is drawn.
TEST_F(Images, DrawingOnAnAlphaPictureKeepsItOpaque) {
  std::vector<std::uint32_t> clear(16 * 16, 0x00000000u);
  const int image = CreateImageFromPixels(ANY_NUMBER, 16, 16, clear.data());
  ASSERT_NE(BeginDrawing(ImageTarget(image)), 0);
  Box(0, 0, 8, 16, 0x00FF00);
  Plot(12, 4, 0x0000FF);
  DrawText(8, 0, "I", 0xFFFFFF);
  EndDrawing();
  ClearScreen(0xFF0000);
  Draw();
  DrawImage(ImageHandle(image), 0, 0);
  EndDrawing();
  EXPECT_EQ(At(3, 3), 0x00FF00);
  EXPECT_EQ(At(12, 4), 0x0000FF);
  EXPECT_EQ(At(14, 14), 0xFF0000) << "untouched pixels stay transparent";
  bool text = false;
  for (int y = 0; y < 16; ++y)
    for (int x = 8; x < 16; ++x) text |= At(x, y) == 0xFFFFFF;
  EXPECT_TRUE(text);
}

}  // namespace
}  // namespace bevel
