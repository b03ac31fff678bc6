// The screen: device choice, back buffer, presentation, clock.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>

#include "services/internal/service_state.h"
#include "services/services.h"

namespace bevel {
namespace detail {

ServiceState& Services() {
  static ServiceState state;
  return state;
}

long long SystemLocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  // Civil fields to seconds without any time-zone rule: days from 1970-01-01 (proleptic
  // Gregorian), the same arithmetic the date services use.
  long long y = local.tm_year + 1900;
  const long long m = local.tm_mon + 1;
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + local.tm_mday - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long long days = era * 146097 + doe - 719468;
  return days * 86400 + local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

long long CurrentLocalNow() {
  ServiceState& s = Services();
  if (s.device) return s.device->LocalNow();
  if (s.selectedDevice == DEVICE_HEADLESS) return HeadlessLocalNow();
  return SystemLocalNow();
}

}  // namespace detail

using detail::Services;
using detail::ServiceState;

void SetWindowScale(int factor) {
  if (factor >= 1 && factor <= 8) Services().windowScale = factor;
}

void SelectDevice(int kind) {
  if (kind != DEVICE_AUTO && kind != DEVICE_SDL && kind != DEVICE_HEADLESS) return;
  CloseScreen();
  Services().selectedDevice = kind;
}

int ScreenDevice() {
  return Services().openDevice;
}

int OpenScreen(int width, int height, int depth, std::string_view title, int flags) {
  ServiceState& s = Services();
  if (!detail::ValidSurfaceSize(width, height) || (depth != 0 && depth != 32)) return 0;
  CloseScreen();
  const bool windowed = (flags & SCREEN_WINDOWED) != 0;
  std::unique_ptr<detail::Device> device;
  int kind = 0;
  if (s.selectedDevice != DEVICE_HEADLESS) {
    device = detail::MakeSdlDevice();
    if (device && !device->Open(width, height, title, windowed, s.windowScale)) device.reset();
    kind = DEVICE_SDL;
  }
  if (!device && s.selectedDevice != DEVICE_SDL) {
    device = detail::MakeHeadlessDevice();
    device->Open(width, height, title, windowed, 1);
    kind = DEVICE_HEADLESS;
  }
  if (!device) return 0;
  s.device = std::move(device);
  s.openDevice = kind;
  s.backBuffer = detail::Surface(width, height);
  s.keys = {};
  s.keysBefore = {};
  s.released = {};
  s.mouse = {};
  return 1;
}

void CloseScreen() {
  ServiceState& s = Services();
  if (s.drawing.targetId == detail::kBackBufferTarget) EndDrawing();
  s.device.reset();
  s.openDevice = 0;
  s.backBuffer = detail::Surface();
  s.keys = {};
  s.keysBefore = {};
  s.released = {};
  s.mouse = {};
}

int ScreenPixelWidth() {
  return Services().backBuffer.width;
}
int ScreenPixelHeight() {
  return Services().backBuffer.height;
}

void ClearScreen(int colour) {
  ServiceState& s = Services();
  std::fill(s.backBuffer.pixels.begin(), s.backBuffer.pixels.end(),
            static_cast<std::uint32_t>(colour) & 0xFFFFFF);
}

void ShowFrame() {
  ServiceState& s = Services();
  if (s.device) s.device->Present(s.backBuffer);
}

int BackBufferTarget() {
  return Services().device ? detail::kBackBufferTarget : 0;
}

int PollWindowMessages() {
  ServiceState& s = Services();
  return s.device && s.device->PumpMessages(true) ? 1 : 0;
}

int CloseRequested() {
  ServiceState& s = Services();
  return s.device && s.device->PumpMessages(false) ? 1 : 0;
}

std::uint32_t TickCount() {
  ServiceState& s = Services();
  if (s.device) return s.device->Ticks();
  if (s.selectedDevice == DEVICE_HEADLESS) return detail::HeadlessTicks();
  static const auto start = std::chrono::steady_clock::now();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now() - start)
                                        .count());
}

void Delay(int ms) {
  if (ms <= 0) return;
  ServiceState& s = Services();
  if (s.device) {
    s.device->Sleep(ms);
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
}

}  // namespace bevel
