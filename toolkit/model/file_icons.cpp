// The toolkit's own file and folder icons, and the file-type icons of the machine: extensions
// from the shared MIME glob data, pictures from the installed icon theme's 16 x 16 MIME icons.
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

using IconArt = std::array<const char*, 16>;

// '.' transparent, K black, W white, G grey, L light grey, Y yellow, O dark yellow.
constexpr IconArt kFileArt = {
    "..KKKKKKKK......", "..KWWWWWWKK.....", "..KWWWWWWKLK....", "..KWWWWWWKKKK...",
    "..KWWWWWWWWGK...", "..KWWWWWWWWWK...", "..KWWWWWWWWWK...", "..KWWWWWWWWWK...",
    "..KWWWWWWWWWK...", "..KWWWWWWWWWK...", "..KWWWWWWWWWK...", "..KWWWWWWWWWK...",
    "..KWWWWWWWWWK...", "..KWWWWWWWWWK...", "..KKKKKKKKKKK...", "................"};

constexpr IconArt kFolderArt = {
    "................", "................", "..OOOOO.........", ".OYWYWYO........",
    "OWYYYYYYOOOOOOO.", "OYYYYYYYYYYYYYOK", "OYYYYYYYYYYYYYOK", "OYYYYYYYYYYYYYOK",
    "OYYYYYYYYYYYYYOK", "OYYYYYYYYYYYYYOK", "OYYYYYYYYYYYYYOK", "OYYYYYYYYYYYYYOK",
    "OYYYYYYYYYYYYYOK", "OOOOOOOOOOOOOOOK", ".KKKKKKKKKKKKKKK", "................"};

std::uint32_t ArtColour(char c) {
  switch (c) {
    case 'K':
      return 0xFF000000;
    case 'W':
      return 0xFFFFFFFF;
    case 'G':
      return 0xFF808080;
    case 'L':
      return 0xFFC0C0C0;
    case 'Y':
      return 0xFF00FFFF;  // 0xAABBGGRR: red + green
    case 'O':
      return 0xFF008080;
    default:
      return 0x00000000;
  }
}

int MakeIcon(const IconArt& art) {
  std::array<std::uint32_t, 256> pixels{};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) pixels[y * 16 + x] = ArtColour(art[y][x]);
  }
  return ImageHandle(CreateImageFromPixels(ANY_NUMBER, 16, 16, pixels.data()));
}

constexpr const char* kMimeDir = "/usr/share/mime/";
constexpr std::array<const char*, 2> kThemes = {"/usr/share/icons/Adwaita/16x16/mimetypes/",
                                                "/usr/share/icons/hicolor/16x16/mimetypes/"};

// The icon files of each theme, listed once: asking the file system per extension cost
// thousands of failed opens at start-up.
class ThemeIcons {
 public:
  ThemeIcons() {
    for (std::size_t i = 0; i < kThemes.size(); ++i) {
      std::error_code ec;
      for (auto it = std::filesystem::directory_iterator(kThemes[i], ec);
           !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code fileEc;
        if (it->is_regular_file(fileEc)) names_[i].insert(it->path().filename().string());
      }
    }
  }
  std::string FileFor(const std::string& iconName) const {
    for (std::size_t i = 0; i < kThemes.size(); ++i) {
      if (names_[i].contains(iconName + ".png")) return kThemes[i] + iconName + ".png";
    }
    return {};
  }

 private:
  std::array<std::unordered_set<std::string>, kThemes.size()> names_;
};

std::unordered_map<std::string, std::string> GenericIcons() {
  std::unordered_map<std::string, std::string> generic;
  std::ifstream in(std::string(kMimeDir) + "generic-icons");
  std::string line;
  while (std::getline(in, line)) {
    const auto colon = line.find(':');
    if (colon != std::string::npos) generic[line.substr(0, colon)] = line.substr(colon + 1);
  }
  return generic;
}

// A glob "*.ext" with a plain extension; "" for anything else.
std::string PlainExtension(const std::string& glob) {
  if (glob.size() < 3 || glob[0] != '*' || glob[1] != '.') return {};
  std::string ext = glob.substr(1);
  for (std::size_t i = 1; i < ext.size(); ++i) {
    const char c = ext[i];
    if (c == '*' || c == '?' || c == '[' || c == '.' || c == ' ') return {};
    ext[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return ext;
}

void BuildFileTypeIcons(ToolkitState& tk) {
  std::ifstream globs(std::string(kMimeDir) + "globs2");
  if (!globs) return;
  const auto generic = GenericIcons();
  const ThemeIcons themes;
  std::unordered_map<std::string, int> loaded;  // icon file -> handle, each picture loaded once
  std::unordered_set<std::string> seen;         // globs2 lists the strongest match first
  std::string line;
  while (std::getline(globs, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto c1 = line.find(':');
    const auto c2 = c1 == std::string::npos ? c1 : line.find(':', c1 + 1);
    if (c2 == std::string::npos) continue;
    const std::string mime = line.substr(c1 + 1, c2 - c1 - 1);
    const auto c3 = line.find(':', c2 + 1);
    const std::string ext = PlainExtension(line.substr(c2 + 1, c3 - c2 - 1));
    if (ext.empty() || !seen.insert(ext).second) continue;
    std::string iconName = mime;
    for (char& c : iconName) c = c == '/' ? '-' : c;
    std::string file = themes.FileFor(iconName);
    if (file.empty()) {
      const auto found = generic.find(mime);
      if (found != generic.end()) file = themes.FileFor(found->second);
    }
    if (file.empty()) {
      // The shared MIME rules: without a listed generic icon, "media/..." uses "media-x-generic".
      file = themes.FileFor(mime.substr(0, mime.find('/')) + "-x-generic");
    }
    if (file.empty()) continue;
    auto [it, fresh] = loaded.try_emplace(file, 0);
    if (fresh) it->second = LoadImage(ANY_NUMBER, file);
    if (it->second != 0) tk.FileTypeIconList.push_back({ext, it->second});
  }
}

}  // namespace

void InitFileIcons(int withTypes) {
  ToolkitState& tk = Toolkit();
  tk.FileIcon = MakeIcon(kFileArt);
  tk.FolderIcon = MakeIcon(kFolderArt);
  tk.FileTypeIconList.clear();
  if (withTypes != 0) BuildFileTypeIcons(tk);
}

}  // namespace bevel
