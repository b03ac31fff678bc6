// The headless device and its driver (services/headless.h): no window; input, lock keys, the
// clock and the date come from the program that drives it.
#include <algorithm>
#include <deque>
#include <vector>

#include "services/headless.h"
#include "services/internal/device.h"
#include "services/internal/image_codec.h"
#include "services/internal/service_state.h"
#include "services/services.h"

namespace bevel {
namespace detail {
namespace {

// 2007-02-14 12:00:00 as local civil seconds: a fixed, known date keeps screenshots stable.
constexpr long long kDefaultDate = 1171454400;

struct Pending {
  bool byFrame = false;
  long long when = 0;  // frame or milliseconds
  std::function<void()> action;
};

struct Driver {
  KeyboardState keys;
  MouseState mouse;  // wheel holds the notches not yet delivered
  std::uint32_t clock = 0;
  std::uint32_t frameAdvance = 0;
  long long dateAtZero = kDefaultDate;
  int frames = 0;
  std::vector<Pending> pending;  // in the order queued
  std::function<void(int)> examine;
  bool closeRequested = false;
  Surface shown;
  std::string clipboard;
};

Driver& TheDriver() {
  static Driver driver;
  return driver;
}

// Runs due actions and the callback. Actions may queue further actions: those run at a later
// examination, never re-entrantly here.
void Examine() {
  Driver& d = TheDriver();
  std::vector<Pending> due;
  auto it = std::stable_partition(d.pending.begin(), d.pending.end(), [&](const Pending& p) {
    return !(p.byFrame ? d.frames >= p.when : d.clock >= p.when);
  });
  std::move(it, d.pending.end(), std::back_inserter(due));
  d.pending.erase(it, d.pending.end());
  for (Pending& p : due) p.action();
  if (d.examine) {
    auto callback = d.examine;  // the callback may replace itself
    callback(d.frames);
  }
}

class HeadlessDevice final : public Device {
 public:
  bool Open(int width, int height, std::string_view, bool, int) override {
    TheDriver().shown = Surface(width, height);
    return true;
  }
  void Present(const Surface& backBuffer) override {
    Driver& d = TheDriver();
    d.shown = backBuffer;
    ++d.frames;
    d.clock += d.frameAdvance;
  }
  bool PumpMessages(bool take) override {
    Driver& d = TheDriver();
    const bool requested = d.closeRequested;
    if (take) d.closeRequested = false;
    return requested;
  }
  void ReadKeyboard(KeyboardState& out) override {
    Examine();
    out = TheDriver().keys;
  }
  void ReadMouse(MouseState& out) override {
    Examine();
    Driver& d = TheDriver();
    out = d.mouse;
    d.mouse.wheel = 0;
  }
  void WarpMouse(int x, int y) override {
    TheDriver().mouse.x = x;
    TheDriver().mouse.y = y;
  }
  std::string ClipboardText() override { return TheDriver().clipboard; }
  void SetClipboardText(std::string_view text) override { headless::SetClipboard(text); }
  std::uint32_t Ticks() override { return TheDriver().clock; }
  void Sleep(int ms) override { TheDriver().clock += static_cast<std::uint32_t>(ms); }
  long long LocalNow() override { return HeadlessLocalNow(); }
};

bool HeadlessOpen() {
  return Services().openDevice == DEVICE_HEADLESS;
}

int PixelOf(const Surface& s, int x, int y) {
  if (!HeadlessOpen() || !s.Contains(x, y)) return -1;
  return static_cast<int>(s.At(x, y) & 0xFFFFFF);
}

}  // namespace

std::unique_ptr<Device> MakeHeadlessDevice() {
  return std::make_unique<HeadlessDevice>();
}

std::uint32_t HeadlessTicks() {
  return TheDriver().clock;
}

long long HeadlessLocalNow() {
  return TheDriver().dateAtZero + TheDriver().clock / 1000;
}

}  // namespace detail

namespace headless {

using detail::TheDriver;

void Use() {
  SelectDevice(DEVICE_HEADLESS);
}

void Reset() {
  detail::Driver& d = TheDriver();
  d = detail::Driver{};
}

void SetKey(int scanCode, bool down) {
  if (scanCode >= 0 && scanCode < 256) TheDriver().keys.down[scanCode] = down;
}
void ReleaseAllKeys() {
  TheDriver().keys.down = {};
}
void SetCapsLock(bool on) {
  TheDriver().keys.capsLock = on;
}
void SetNumLock(bool on) {
  TheDriver().keys.numLock = on;
}

void SetMouse(int x, int y) {
  TheDriver().mouse.x = x;
  TheDriver().mouse.y = y;
}
void SetButton(int n, bool down) {
  if (n >= 1 && n <= 3) TheDriver().mouse.buttons[n] = down;
}
void AddWheel(int notches) {
  TheDriver().mouse.wheel += notches;
}
int MouseXNow() {
  return TheDriver().mouse.x;
}
int MouseYNow() {
  return TheDriver().mouse.y;
}

void SetClock(std::uint32_t ms) {
  TheDriver().clock = ms;
}
void AdvanceClock(std::uint32_t ms) {
  TheDriver().clock += ms;
}
std::uint32_t Clock() {
  return TheDriver().clock;
}
void SetFrameAdvance(std::uint32_t ms) {
  TheDriver().frameAdvance = ms;
}
void SetDateAtClockZero(int date) {
  TheDriver().dateAtZero = date;
}

void SetClipboard(std::string_view text) {
  TheDriver().clipboard = text.substr(0, text.find('\0'));  // as a system clipboard keeps it
}
std::string Clipboard() {
  return TheDriver().clipboard;
}

int FrameCount() {
  return TheDriver().frames;
}

void RequestClose() {
  TheDriver().closeRequested = true;
}

void AtFrame(int frame, std::function<void()> action) {
  if (action) TheDriver().pending.push_back({true, frame, std::move(action)});
}
void AtTime(std::uint32_t ms, std::function<void()> action) {
  if (action) TheDriver().pending.push_back({false, ms, std::move(action)});
}
void SetExamineCallback(std::function<void(int)> callback) {
  TheDriver().examine = std::move(callback);
}

int Pixel(int x, int y) {
  return detail::PixelOf(detail::Services().backBuffer, x, y);
}
int ShownPixel(int x, int y) {
  return detail::PixelOf(TheDriver().shown, x, y);
}

bool SavePng(const std::string& path, bool shown) {
  const detail::Surface& s = shown ? TheDriver().shown : detail::Services().backBuffer;
  if (s.width <= 0) return false;
  return detail::SavePng(s, path);
}

}  // namespace headless
}  // namespace bevel
