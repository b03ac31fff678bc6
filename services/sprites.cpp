// Sprites: pictures kept by number and blitted straight to the back buffer, outside drawing
// sessions too.
#include <algorithm>
#include <new>
#include <unordered_map>

#include "services/internal/cp1252.h"
#include "services/internal/image_codec.h"
#include "services/internal/numbers.h"
#include "services/internal/service_state.h"
#include "services/services.h"

namespace bevel {
namespace {

using detail::Services;
using detail::Surface;

struct SpriteTable {
  std::unordered_map<int, Surface> sprites;
  int nextNumber = detail::kFirstAutoNumber;
};

SpriteTable& Sprites() {
  static SpriteTable table;
  return table;
}

const Surface* Find(int number) {
  const auto& sprites = Sprites().sprites;
  const auto it = sprites.find(number);
  return it == sprites.end() ? nullptr : &it->second;
}

// Puts a picture under `number` (replacing a sprite there) or under a new number for
// ANY_NUMBER. Returns the new number for ANY_NUMBER, else 1.
int Store(int number, Surface&& picture) {
  SpriteTable& t = Sprites();
  if (number == ANY_NUMBER) {
    number = detail::NextFreeNumber(t.nextNumber, detail::kFirstAutoNumber,
                                    [&](int n) { return t.sprites.contains(n); });
    t.sprites[number] = std::move(picture);
    return number;
  }
  t.sprites[number] = std::move(picture);
  return 1;
}

void Blit(int number, int x, int y, bool keyed) {
  const Surface* sprite = Find(number);
  // Without a screen the back buffer is empty and CopySurface clips everything away.
  if (sprite) detail::CopySurface(Services().backBuffer, *sprite, x, y, keyed);
}

}  // namespace

int LoadSprite(int number, std::string_view file) {
  Surface picture;
  if (!detail::LoadBmp(detail::Cp1252ToUtf8(file), picture)) return 0;
  return Store(number, std::move(picture));
}

int SpriteExists(int number) {
  return Find(number) ? 1 : 0;
}

void ReleaseSprite(int number) {
  Sprites().sprites.erase(number);
}

int CaptureSprite(int number, int x, int y, int w, int h) {
  const Surface& back = Services().backBuffer;
  if (back.width <= 0 || !detail::ValidSurfaceSize(w, h)) return 0;
  // A capture into a sprite of the same size (the frame's snapshot, taken every frame) reuses
  // its pixels: no allocation, and no clearing unless part of it lies outside the back buffer.
  if (number != ANY_NUMBER) {
    const auto it = Sprites().sprites.find(number);
    if (it != Sprites().sprites.end() && it->second.width == w && it->second.height == h) {
      Surface& picture = it->second;
      const long long left = x, top = y;
      if (left < 0 || top < 0 || left + w > back.width || top + h > back.height) {
        std::fill(picture.pixels.begin(), picture.pixels.end(), 0u);
      }
      detail::CopySurface(picture, back, -left, -top, false);
      return 1;
    }
  }
  try {
    Surface picture(w, h);
    // The back buffer drawn into the sprite at (-x, -y): what lies outside it stays black.
    detail::CopySurface(picture, back, -static_cast<long long>(x), -static_cast<long long>(y),
                        false);
    return Store(number, std::move(picture));
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

void BlitSprite(int number, int x, int y) {
  Blit(number, x, y, false);
}

void BlitSpriteKeyed(int number, int x, int y) {
  Blit(number, x, y, true);
}

int SpriteWidth(int number) {
  const Surface* sprite = Find(number);
  return sprite ? sprite->width : 0;
}

int SpriteHeight(int number) {
  const Surface* sprite = Find(number);
  return sprite ? sprite->height : 0;
}

}  // namespace bevel
