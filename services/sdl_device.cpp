// The SDL2 device: a real window (or full screen) showing the back buffer, keyboard and mouse
// mapped to the scan-code numbers the toolkit uses.
#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "services/internal/cp1252.h"
#include "services/internal/device.h"

namespace bevel::detail {
namespace {

// SDL scancode -> set-1 scan code (0 = not mapped). SDL scancodes name physical positions
// (USB usage ids), which is what the fixed German layout tables expect.
std::array<unsigned char, SDL_NUM_SCANCODES> BuildScanTable() {
  std::array<unsigned char, SDL_NUM_SCANCODES> t{};
  auto set = [&](SDL_Scancode sc, int code) { t[sc] = static_cast<unsigned char>(code); };
  set(SDL_SCANCODE_ESCAPE, 1);
  const SDL_Scancode digits[] = {SDL_SCANCODE_1, SDL_SCANCODE_2, SDL_SCANCODE_3, SDL_SCANCODE_4,
                                 SDL_SCANCODE_5, SDL_SCANCODE_6, SDL_SCANCODE_7, SDL_SCANCODE_8,
                                 SDL_SCANCODE_9, SDL_SCANCODE_0};
  for (int i = 0; i < 10; ++i) set(digits[i], 2 + i);
  set(SDL_SCANCODE_MINUS, 12);
  set(SDL_SCANCODE_EQUALS, 13);
  set(SDL_SCANCODE_BACKSPACE, 14);
  set(SDL_SCANCODE_TAB, 15);
  const SDL_Scancode row1[] = {SDL_SCANCODE_Q, SDL_SCANCODE_W,           SDL_SCANCODE_E,
                               SDL_SCANCODE_R, SDL_SCANCODE_T,           SDL_SCANCODE_Y,
                               SDL_SCANCODE_U, SDL_SCANCODE_I,           SDL_SCANCODE_O,
                               SDL_SCANCODE_P, SDL_SCANCODE_LEFTBRACKET, SDL_SCANCODE_RIGHTBRACKET};
  for (int i = 0; i < 12; ++i) set(row1[i], 16 + i);
  set(SDL_SCANCODE_RETURN, 28);
  set(SDL_SCANCODE_LCTRL, 29);
  const SDL_Scancode row2[] = {SDL_SCANCODE_A,         SDL_SCANCODE_S,          SDL_SCANCODE_D,
                               SDL_SCANCODE_F,         SDL_SCANCODE_G,          SDL_SCANCODE_H,
                               SDL_SCANCODE_J,         SDL_SCANCODE_K,          SDL_SCANCODE_L,
                               SDL_SCANCODE_SEMICOLON, SDL_SCANCODE_APOSTROPHE, SDL_SCANCODE_GRAVE};
  for (int i = 0; i < 12; ++i) set(row2[i], 30 + i);
  set(SDL_SCANCODE_LSHIFT, 42);
  set(SDL_SCANCODE_BACKSLASH, 43);
  set(SDL_SCANCODE_NONUSHASH, 43);
  const SDL_Scancode row3[] = {
      SDL_SCANCODE_Z, SDL_SCANCODE_X, SDL_SCANCODE_C,     SDL_SCANCODE_V,      SDL_SCANCODE_B,
      SDL_SCANCODE_N, SDL_SCANCODE_M, SDL_SCANCODE_COMMA, SDL_SCANCODE_PERIOD, SDL_SCANCODE_SLASH};
  for (int i = 0; i < 10; ++i) set(row3[i], 44 + i);
  set(SDL_SCANCODE_RSHIFT, 54);
  set(SDL_SCANCODE_KP_MULTIPLY, 55);
  set(SDL_SCANCODE_LALT, 56);
  set(SDL_SCANCODE_SPACE, 57);
  set(SDL_SCANCODE_CAPSLOCK, 58);
  for (int i = 0; i < 10; ++i) set(static_cast<SDL_Scancode>(SDL_SCANCODE_F1 + i), 59 + i);
  set(SDL_SCANCODE_NUMLOCKCLEAR, 69);
  set(SDL_SCANCODE_SCROLLLOCK, 70);
  set(SDL_SCANCODE_KP_7, 71);
  set(SDL_SCANCODE_KP_8, 72);
  set(SDL_SCANCODE_KP_9, 73);
  set(SDL_SCANCODE_KP_MINUS, 74);
  set(SDL_SCANCODE_KP_4, 75);
  set(SDL_SCANCODE_KP_5, 76);
  set(SDL_SCANCODE_KP_6, 77);
  set(SDL_SCANCODE_KP_PLUS, 78);
  set(SDL_SCANCODE_KP_1, 79);
  set(SDL_SCANCODE_KP_2, 80);
  set(SDL_SCANCODE_KP_3, 81);
  set(SDL_SCANCODE_KP_0, 82);
  set(SDL_SCANCODE_KP_PERIOD, 83);
  set(SDL_SCANCODE_NONUSBACKSLASH, 86);
  set(SDL_SCANCODE_F11, 87);
  set(SDL_SCANCODE_F12, 88);
  set(SDL_SCANCODE_KP_ENTER, 156);
  set(SDL_SCANCODE_RCTRL, 157);
  set(SDL_SCANCODE_KP_DIVIDE, 181);
  set(SDL_SCANCODE_PRINTSCREEN, 183);
  set(SDL_SCANCODE_RALT, 184);
  set(SDL_SCANCODE_PAUSE, 197);
  set(SDL_SCANCODE_HOME, 199);
  set(SDL_SCANCODE_UP, 200);
  set(SDL_SCANCODE_PAGEUP, 201);
  set(SDL_SCANCODE_LEFT, 203);
  set(SDL_SCANCODE_RIGHT, 205);
  set(SDL_SCANCODE_END, 207);
  set(SDL_SCANCODE_DOWN, 208);
  set(SDL_SCANCODE_PAGEDOWN, 209);
  set(SDL_SCANCODE_INSERT, 210);
  set(SDL_SCANCODE_DELETE, 211);
  set(SDL_SCANCODE_LGUI, 219);
  set(SDL_SCANCODE_RGUI, 220);
  set(SDL_SCANCODE_APPLICATION, 221);
  return t;
}

const std::array<unsigned char, SDL_NUM_SCANCODES>& ScanTable() {
  static const auto table = BuildScanTable();
  return table;
}

// The largest factor up to `wanted` at which the window fits the desktop's usable area.
int FittingScale(int width, int height, int wanted) {
  SDL_Rect usable{};
  if (wanted <= 1 || SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
  int factor = wanted;
  while (factor > 1 && (width * factor > usable.w || height * factor > usable.h)) --factor;
  return factor;
}

class SdlDevice final : public Device {
 public:
  ~SdlDevice() override {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    if (initialised_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  bool Open(int width, int height, std::string_view title, bool windowed, int scale) override {
    // No display server named and no driver asked for: there is nothing to show a window on.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("SDL_VIDEODRIVER")) {
      return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    initialised_ = true;
    // Without a display SDL falls back to drivers that show nothing; the headless device
    // serves that case better (its pixels can be read and its input scripted).
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::string_view(driver) == "offscreen" || std::string_view(driver) == "dummy") {
      return false;
    }
    const std::string name(title);
    const Uint32 flags = windowed ? 0u : static_cast<Uint32>(SDL_WINDOW_FULLSCREEN_DESKTOP);
    const int factor = windowed ? FittingScale(width, height, scale) : 1;
    window_ = SDL_CreateWindow(name.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               width * factor, height * factor, flags);
    if (!window_) return false;
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) return false;
    // Full screen keeps the aspect ratio with bars; mouse events arrive in back-buffer pixels,
    // also in a scaled window. A window shows whole multiples only, each pixel a square block.
    SDL_RenderSetLogicalSize(renderer_, width, height);
    if (windowed) SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
    // 0x00BBGGRR in memory on a little-endian machine is SDL's ABGR8888 with alpha ignored.
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STREAMING,
                                 width, height);
    if (!texture_) return false;
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    width_ = width;
    height_ = height;
    SDL_ShowCursor(SDL_DISABLE);  // the toolkit draws its own pointer
    return true;
  }

  void Present(const Surface& backBuffer) override {
    if (backBuffer.width != width_ || backBuffer.height != height_) return;
    PumpEvents();
    SDL_UpdateTexture(texture_, nullptr, backBuffer.pixels.data(),
                      backBuffer.width * static_cast<int>(sizeof(std::uint32_t)));
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
  }

  bool PumpMessages(bool take) override {
    PumpEvents();
    const bool q = quit_;
    if (take) quit_ = false;
    return q;
  }

  void ReadKeyboard(KeyboardState& out) override {
    PumpEvents();
    int n = 0;
    const Uint8* state = SDL_GetKeyboardState(&n);
    out.down = {};
    const auto& table = ScanTable();
    for (int sc = 0; sc < n && sc < SDL_NUM_SCANCODES; ++sc) {
      if ((state[sc] || keyTapped_[sc]) && table[sc]) out.down[table[sc]] = true;
    }
    keyTapped_ = {};
    const SDL_Keymod mod = SDL_GetModState();
    out.capsLock = (mod & KMOD_CAPS) != 0;
    out.numLock = (mod & KMOD_NUM) != 0;
  }

  void ReadMouse(MouseState& out) override {
    PumpEvents();
    out.x = mouseX_;
    out.y = mouseY_;
    const Uint32 b = SDL_GetMouseState(nullptr, nullptr);
    out.buttons[1] = (b & SDL_BUTTON(SDL_BUTTON_LEFT)) != 0 || buttonTapped_[1];
    out.buttons[2] = (b & SDL_BUTTON(SDL_BUTTON_RIGHT)) != 0 || buttonTapped_[2];
    out.buttons[3] = (b & SDL_BUTTON(SDL_BUTTON_MIDDLE)) != 0 || buttonTapped_[3];
    buttonTapped_ = {};
    out.wheel = wheel_;
    wheel_ = 0;
  }

  void WarpMouse(int x, int y) override {
    mouseX_ = std::clamp(x, 0, width_ - 1);
    mouseY_ = std::clamp(y, 0, height_ - 1);
    // The window is scaled in full screen: warp in window coordinates.
    int ww = 0, wh = 0;
    SDL_GetWindowSize(window_, &ww, &wh);
    float scale = std::min(static_cast<float>(ww) / static_cast<float>(width_),
                           static_cast<float>(wh) / static_cast<float>(height_));
    if (scale <= 0) scale = 1;
    const float offX = (static_cast<float>(ww) - static_cast<float>(width_) * scale) / 2;
    const float offY = (static_cast<float>(wh) - static_cast<float>(height_) * scale) / 2;
    SDL_WarpMouseInWindow(window_, static_cast<int>(offX + static_cast<float>(mouseX_) * scale),
                          static_cast<int>(offY + static_cast<float>(mouseY_) * scale));
  }

  std::string ClipboardText() override {
    char* utf8 = SDL_GetClipboardText();  // "" when empty; nullptr only when out of memory
    if (!utf8) return "";
    std::string text = Utf8ToCp1252(utf8);
    SDL_free(utf8);
    return text;
  }
  void SetClipboardText(std::string_view text) override {
    SDL_SetClipboardText(Cp1252ToUtf8(text).c_str());
  }

  std::uint32_t Ticks() override { return static_cast<std::uint32_t>(SDL_GetTicks64()); }
  void Sleep(int ms) override { SDL_Delay(static_cast<Uint32>(ms)); }
  long long LocalNow() override { return SystemLocalNow(); }

 private:
  void PumpEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      switch (e.type) {
        case SDL_QUIT:
          quit_ = true;
          break;
        case SDL_MOUSEMOTION:
          mouseX_ = e.motion.x;
          mouseY_ = e.motion.y;
          break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
          mouseX_ = e.button.x;
          mouseY_ = e.button.y;
          // A press released before the next examination is still seen down once.
          if (e.type == SDL_MOUSEBUTTONDOWN) {
            const int n = e.button.button == SDL_BUTTON_LEFT     ? 1
                          : e.button.button == SDL_BUTTON_RIGHT  ? 2
                          : e.button.button == SDL_BUTTON_MIDDLE ? 3
                                                                 : 0;
            if (n) buttonTapped_[static_cast<std::size_t>(n)] = true;
          }
          break;
        case SDL_KEYDOWN:
          // Likewise a key tapped between two examinations.
          if (e.key.keysym.scancode >= 0 && e.key.keysym.scancode < SDL_NUM_SCANCODES) {
            keyTapped_[static_cast<std::size_t>(e.key.keysym.scancode)] = true;
          }
          break;
        case SDL_MOUSEWHEEL:
          wheel_ += e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
          break;
        default:
          break;
      }
    }
  }

  bool initialised_ = false;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int width_ = 0, height_ = 0;
  int mouseX_ = 0, mouseY_ = 0;
  int wheel_ = 0;
  bool quit_ = false;
  // Presses seen as events since the last examination, so that a press and its release
  // between two frames still count as one frame down.
  std::array<bool, 4> buttonTapped_{};
  std::array<bool, SDL_NUM_SCANCODES> keyTapped_{};
};

}  // namespace

std::unique_ptr<Device> MakeSdlDevice() {
  // Without a display SDL cannot open video; the caller falls back to headless.
  return std::make_unique<SdlDevice>();
}

}  // namespace bevel::detail
