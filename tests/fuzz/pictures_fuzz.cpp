// Picture files: BMP (every depth, bit fields, run-length data) and ICO (DIB and PNG entries),
// damaged and truncated. A file is refused or gives a picture whose size is valid and whose
// pixels are all there; the sprite loader (BMP only) and the image loader (by content) agree
// on a BMP.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "services/internal/image_codec.h"
#include "services/internal/surface.h"

namespace {

using bevel::detail::Surface;

void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "pictures_fuzz: %s\n", what);
    std::abort();
  }
}

void RequireWhole(const Surface& s) {
  Require(bevel::detail::ValidSurfaceSize(s.width, s.height), "a decoded picture has a valid size");
  Require(s.pixels.size() == static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height),
          "a decoded picture has all its pixels");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Surface bmp, picture;
  const bool asBmp = bevel::detail::DecodeBmpBytes(data, size, bmp);
  const bool asPicture = bevel::detail::DecodePictureBytes(data, size, picture);
  if (asBmp) RequireWhole(bmp);
  if (asPicture) RequireWhole(picture);
  if (asBmp) {
    Require(asPicture, "a BMP the sprite loader reads is refused by the image loader");
    Require(picture.pixels == bmp.pixels && !bmp.alpha, "two pictures of one BMP");
  }
  return 0;
}
