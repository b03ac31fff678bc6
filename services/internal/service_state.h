// The one state record of the services. Every services source reaches it through
// `ServiceState& s = Services();`.
#pragma once

#include <cstdint>
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
};

ServiceState& Services();

// Surface of a drawing target id, nullptr when it does not exist (implemented with images).
Surface* TargetSurface(int targetId);

// Local civil "now" of the active device (or the machine's clock without a screen).
long long CurrentLocalNow();

}  // namespace bevel::detail
