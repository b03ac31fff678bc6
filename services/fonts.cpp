// Font handles: LoadFont, SetDrawFont and the system font.
//
// A handle names a loaded face at one size. Faces are cached by file, pixel size and
// synthesised bold, so several handles (the toolkit loads "MS Sans Serif" 8 for gadgets and
// menus alike) share one set of glyph masks. Faces live until the process ends; handles only
// point at them, so replacing a handle never invalidates another.
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "services/internal/font_face.h"
#include "services/internal/fonts.h"
#include "services/internal/service_state.h"
#include "services/services.h"

namespace bevel::detail {
namespace {

// ANY_NUMBER hands out numbers from here up: far above the small numbers callers pick, so a
// library that loads its fonts first does not take the number its host chooses next.
constexpr int kFirstAnyNumber = 0x10000;
constexpr int kMaxPointSize = 500;

struct FaceKey {
  std::string file;
  int index = 0;
  long pixelSize26 = 0;
  bool synthesisedBold = false;
  bool operator==(const FaceKey&) const = default;
};

struct FontRegistry {
  std::vector<std::pair<FaceKey, std::unique_ptr<FontFace>>> faces;
  std::unordered_map<int, const FontFace*> handles;
  const FontFace* systemFace = nullptr;
  bool systemTried = false;
  int nextAnyNumber = kFirstAnyNumber;
  // The last handle looked up: text is drawn and measured a piece at a time, mostly in one font.
  int lastFont = 0;
  const FontFace* lastFace = nullptr;
};

FontRegistry& Registry() {
  static FontRegistry registry;
  return registry;
}

// Points at 96 dpi, in 26.6 fixed point (size * 96 / 72 pixels).
long PixelSize26(int points) {
  return static_cast<long>(points) * 96 * 64 / 72;
}

const FontFace* LoadFace(std::string_view family, int points, bool bold) {
  const long pixelSize26 = PixelSize26(points);
  FontSource source;
  if (!ResolveFont(family, pixelSize26, bold, source)) return nullptr;
  FaceKey key{source.file, source.index, pixelSize26, source.synthesiseBold};
  FontRegistry& r = Registry();
  for (const auto& [k, face] : r.faces) {
    if (k == key) return face.get();
  }
  std::unique_ptr<FontFace> face = RenderFontFace(source, pixelSize26);
  if (!face) return nullptr;
  r.faces.emplace_back(std::move(key), std::move(face));
  return r.faces.back().second.get();
}

int NextFreeNumber(FontRegistry& r) {
  while (r.handles.contains(r.nextAnyNumber)) {
    r.nextAnyNumber = r.nextAnyNumber == INT32_MAX ? kFirstAnyNumber : r.nextAnyNumber + 1;
  }
  const int number = r.nextAnyNumber;
  r.nextAnyNumber = number == INT32_MAX ? kFirstAnyNumber : number + 1;
  return number;
}

}  // namespace

const FontFace* FontFaceOf(int font) {
  FontRegistry& r = Registry();
  if (r.lastFace != nullptr && font == r.lastFont) return r.lastFace;
  if (auto it = r.handles.find(font); it != r.handles.end()) {
    r.lastFont = font;
    return r.lastFace = it->second;
  }
  if (!r.systemTried) {
    r.systemTried = true;
    r.systemFace = LoadFace("MS Sans Serif", 8, false);
  }
  return r.systemFace;
}

int LineHeightOf(int font) {
  const FontFace* face = FontFaceOf(font);
  return face == nullptr ? 0 : face->ascent + face->descent;
}

}  // namespace bevel::detail

namespace bevel {

int LoadFont(int number, std::string_view name, int size, int flags) {
  using namespace detail;
  // -1 always means the system font, so it cannot name a loaded one.
  if (number == 0 || number == kSystemFont || size <= 0 || size > kMaxPointSize) return 0;
  const FontFace* face = LoadFace(name, size, (flags & FONT_BOLD) != 0);
  if (face == nullptr) return 0;
  FontRegistry& r = Registry();
  if (number == ANY_NUMBER) number = NextFreeNumber(r);
  r.handles[number] = face;
  r.lastFace = nullptr;
  return number;
}

void SetDrawFont(int font) {
  detail::ServiceState& s = detail::Services();
  if (s.drawing.target != nullptr) s.drawing.font = font;
}

}  // namespace bevel
