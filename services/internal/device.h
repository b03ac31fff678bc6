// The device behind the screen: presents the back buffer and delivers raw input.
//
// Two implementations: SdlDevice (services/sdl_device.cpp) and HeadlessDevice
// (services/headless_device.cpp). Only those files know how a device works; the rest of the
// services see this interface.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "services/internal/surface.h"

namespace bevel::detail {

struct KeyboardState {
  std::array<bool, 256> down{};  // by scan code (set 1)
  bool capsLock = false;
  bool numLock = false;
};

struct MouseState {
  int x = 0, y = 0;
  std::array<bool, 4> buttons{};  // index 1 left, 2 right, 3 middle
  int wheel = 0;                  // notches since the previous examination
};

class Device {
 public:
  virtual ~Device() = default;
  // Opens the presentation for a back buffer of width x height; false when it cannot. scale
  // (1..8): a windowed screen's pixel size in window pixels (SetWindowScale).
  virtual bool Open(int width, int height, std::string_view title, bool windowed, int scale) = 0;
  virtual void Present(const Surface& backBuffer) = 0;
  // Pumps the operating system's messages; true while a close request waits. take: the request
  // is reported only once.
  virtual bool PumpMessages(bool take) = 0;
  virtual void ReadKeyboard(KeyboardState& out) = 0;
  // Fills position, buttons and the wheel notches gathered since the last call.
  virtual void ReadMouse(MouseState& out) = 0;
  virtual void WarpMouse(int x, int y) = 0;
  // The clipboard, in Windows-1252.
  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(std::string_view text) = 0;
  virtual std::uint32_t Ticks() = 0;
  virtual void Sleep(int ms) = 0;
  // Seconds since 1970-01-01 00:00:00 of local civil time, as a 64-bit value.
  virtual long long LocalNow() = 0;
};

// Returns nullptr when SDL cannot open a display.
std::unique_ptr<Device> MakeSdlDevice();
std::unique_ptr<Device> MakeHeadlessDevice();

// The headless driver's clock and date, also valid before a headless screen is open.
std::uint32_t HeadlessTicks();
long long HeadlessLocalNow();

// Local civil time of the machine, used by the SDL device and before any screen exists.
long long SystemLocalNow();

}  // namespace bevel::detail
