// Images: pictures kept by number, drawn with DrawImage by handle, and drawing targets
// themselves (an image's target id is its handle).
//
// Invariants: every image has a handle >= 2, unique among images, and handles are not reused
// soon after a release, so a stale handle finds nothing. An image made with ANY_NUMBER takes
// its handle as its number, so the value a load returns also releases it. Surfaces are held by
// unique_ptr because a drawing session keeps a Surface* to its target.
#include <memory>
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

constexpr int kFirstHandle = detail::kBackBufferTarget + 1;

struct Image {
  std::unique_ptr<Surface> surface;
  int handle = 0;
};

struct ImageTable {
  std::unordered_map<int, Image> byNumber;
  std::unordered_map<int, int> numberOfHandle;
  int nextHandle = kFirstHandle;
};

ImageTable& Images() {
  static ImageTable table;
  return table;
}

Image* FindNumber(int number) {
  auto& byNumber = Images().byNumber;
  const auto it = byNumber.find(number);
  return it == byNumber.end() ? nullptr : &it->second;
}

Surface* FindHandle(int handle) {
  ImageTable& t = Images();
  const auto it = t.numberOfHandle.find(handle);
  return it == t.numberOfHandle.end() ? nullptr : t.byNumber.at(it->second).surface.get();
}

// Puts a picture under `number` (replacing an image there) or, for ANY_NUMBER, under a new
// number equal to its handle. Returns the image.
Image& Store(int number, Surface&& picture) {
  ImageTable& t = Images();
  if (number != ANY_NUMBER) ReleaseImage(number);
  const int handle = detail::NextFreeNumber(t.nextHandle, kFirstHandle, [&](int h) {
    return t.numberOfHandle.contains(h) || (number == ANY_NUMBER && t.byNumber.contains(h));
  });
  if (number == ANY_NUMBER) number = handle;
  Image& image = t.byNumber[number];
  image.surface = std::make_unique<Surface>(std::move(picture));
  image.handle = handle;
  t.numberOfHandle[handle] = number;
  return image;
}

// Returns the image number (as CreateImage) or 0.
int Create(int number, int width, int height, const std::uint32_t* pixels) {
  if (number == 0 || !detail::ValidSurfaceSize(width, height)) return 0;
  try {
    Surface picture(width, height);
    if (pixels) {
      picture.pixels.assign(pixels, pixels + picture.pixels.size());
      picture.alpha = true;
    }
    const Image& image = Store(number, std::move(picture));
    return number == ANY_NUMBER ? image.handle : number;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

}  // namespace

namespace detail {

Surface* TargetSurface(int targetId) {
  if (targetId == kBackBufferTarget) {
    Surface& back = Services().backBuffer;
    return back.width > 0 ? &back : nullptr;
  }
  return FindHandle(targetId);
}

}  // namespace detail

int LoadImage(int number, std::string_view file) {
  if (number == 0) return 0;
  Surface picture;
  if (!detail::LoadPicture(detail::Cp1252ToUtf8(file), picture)) return 0;
  return Store(number, std::move(picture)).handle;
}

int CreateImage(int number, int width, int height) {
  return Create(number, width, height, nullptr);
}

int CreateImageFromPixels(int number, int width, int height, const std::uint32_t* pixels) {
  return pixels ? Create(number, width, height, pixels) : 0;
}

int ImageTarget(int number) {
  return ImageHandle(number);
}

void ResizeImage(int number, int width, int height) {
  Image* image = FindNumber(number);
  if (!image || !detail::ValidSurfaceSize(width, height)) return;
  Surface& s = *image->surface;
  if (s.width == width && s.height == height) return;
  try {
    // In place: a drawing session on this image keeps a valid target.
    s = detail::Resized(s, width, height);
  } catch (const std::bad_alloc&) {
  }
}

int ImageHandle(int number) {
  const Image* image = FindNumber(number);
  return image ? image->handle : 0;
}

int ImageWidth(int handle) {
  const Surface* s = FindHandle(handle);
  return s ? s->width : 0;
}

int ImageHeight(int handle) {
  const Surface* s = FindHandle(handle);
  return s ? s->height : 0;
}

void ReleaseImage(int number) {
  ImageTable& t = Images();
  const auto it = t.byNumber.find(number);
  if (it == t.byNumber.end()) return;
  // The session must not outlive its target.
  if (Services().drawing.target == it->second.surface.get()) EndDrawing();
  t.numberOfHandle.erase(it->second.handle);
  t.byNumber.erase(it);
}

void DrawImage(int image, int x, int y, int w, int h) {
  Surface* target = Services().drawing.target;
  const Surface* src = FindHandle(image);
  if (!target || !src) return;
  if (w == 0 || h == 0) {
    w = src->width;
    h = src->height;
  }
  if (src == target) {
    // Drawn onto itself: read from a copy so that written pixels are not read again.
    const Surface copy = *src;
    detail::DrawScaled(*target, copy, x, y, w, h);
  } else {
    detail::DrawScaled(*target, *src, x, y, w, h);
  }
}

}  // namespace bevel
