// The one state record of the services. Every services source reaches it through
// `ServiceState& s = Services();`.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

#include "services/internal/device.h"
#include "services/internal/surface.h"

namespace bevel::detail {

// Drawing target ids: the back buffer is 1; an image's target id is its handle (handles start
// at 2, see images).
inline constexpr int kBackBufferTarget = 1;
inline constexpr int kSystemFont = -1;

struct DrawingSession {
  Surface* target = nullptr;  // nullptr: no session, every drawing call does nothing
  int targetId = 0;
  int mode = 0;
  std::uint32_t pen = 0;
  int font = kSystemFont;
};

struct ServiceState {
  int selectedDevice = 0;  // DeviceKind chosen for the next OpenScreen
  int openDevice = 0;      // DeviceKind of the open screen, 0 none
  int windowScale = 1;     // SetWindowScale, for the next windowed OpenScreen
  std::unique_ptr<Device> device;
  Surface backBuffer;

  DrawingSession drawing;

  KeyboardState keys;
  std::array<bool, 256> keysBefore{};  // keys at the previous examination
  std::array<bool, 256> released{};    // edges seen by the latest examination
  MouseState mouse;

  // SetFrameClock: 0 = the device's clock; else the clock steps by this many ms per frame.
  int frameClockMs = 0;
  std::uint32_t frameClockTicks = 0;
  long long frameClockDate = 0;  // local "now" when the frame clock started
  std::chrono::steady_clock::time_point lastShown;
  int framesShown = 0;  // ShowFrame calls since OpenScreen
  std::function<void(int, int)> examineObserver;
};

ServiceState& Services();

// Surface of a drawing target id, nullptr when it does not exist (implemented with images).
Surface* TargetSurface(int targetId);

// Local civil "now" of the active device (or the machine's clock without a screen).
long long CurrentLocalNow();

}  // namespace bevel::detail
