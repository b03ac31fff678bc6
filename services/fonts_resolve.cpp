// Family lookup with fontconfig.
//
// The system configuration is extended once so that the classic bitmap "MS Sans Serif" of
// Debian's fonts-wine is found: Debian neither searches the Wine font folder nor accepts
// bitmap-only fonts (70-no-bitmaps.conf). Everything else keeps the system's rules, so an
// unknown family falls back to its sans font.
#include <fontconfig/fontconfig.h>

#include <memory>
#include <string>

#include "services/internal/cp1252.h"
#include "services/internal/font_face.h"

namespace bevel::detail {
namespace {

constexpr char kClassicFonts[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/wine/fonts</dir>
  <selectfont><acceptfont><pattern>
    <patelt name="family"><string>MS Sans Serif</string></patelt>
  </pattern></acceptfont></selectfont>
</fontconfig>)";

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

// Built on first use (loading the configuration scans the font folders) and kept for the
// process; nullptr when fontconfig cannot start.
FcConfig* Config() {
  static FcConfig* const config = [] {
    FcConfig* c = FcInitLoadConfigAndFonts();
    if (c != nullptr) {
      FcConfigParseAndLoadFromMemory(c, reinterpret_cast<const FcChar8*>(kClassicFonts), FcTrue);
      FcConfigBuildFonts(c);
    }
    return c;
  }();
  return config;
}

}  // namespace

bool ResolveFont(std::string_view family, long pixelSize26, bool bold, FontSource& out) {
  FcConfig* config = Config();
  if (config == nullptr) return false;
  const std::string utf8 = family.empty() ? std::string("sans-serif") : Cp1252ToUtf8(family);
  Pattern pattern(FcPatternCreate());
  if (!pattern) return false;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.c_str()));
  FcPatternAddDouble(pattern.get(), FC_PIXEL_SIZE, static_cast<double>(pixelSize26) / 64.0);
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());

  FcResult result = FcResultNoMatch;
  const Pattern match(FcFontMatch(config, pattern.get(), &result));
  FcChar8* file = nullptr;
  if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return false;
  int index = 0;
  int weight = FC_WEIGHT_REGULAR;
  FcBool embolden = FcFalse;
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
  FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
  FcPatternGetBool(match.get(), FC_EMBOLDEN, 0, &embolden);
  out.file = reinterpret_cast<const char*>(file);
  out.index = index;
  // A family without a bold face matches its regular one; bold is then drawn by overstriking.
  // The system rules (90-synthetic.conf) already mark that case with embolden and then report
  // the requested weight, so both are looked at.
  out.synthesiseBold = bold && (embolden == FcTrue || weight < FC_WEIGHT_DEMIBOLD);
  return true;
}

}  // namespace bevel::detail
