// Keyboard, mouse and clipboard: the device is read once per examination; the queries return that
// state.
#include <algorithm>

#include "services/internal/service_state.h"
#include "services/services.h"

namespace bevel {

using detail::Services;
using detail::ServiceState;

void PollKeyboard() {
  ServiceState& s = Services();
  if (!s.device) return;
  s.keysBefore = s.keys.down;
  s.device->ReadKeyboard(s.keys);
  for (int k = 0; k < 256; ++k) s.released[k] = s.keysBefore[k] && !s.keys.down[k];
}

int KeyPushed(int key) {
  const ServiceState& s = Services();
  if (key == -1) {
    for (bool d : s.keys.down) {
      if (d) return 1;
    }
    return 0;
  }
  if (key < 0 || key > 255) return 0;
  return s.keys.down[key] ? 1 : 0;
}

int KeyReleased(int key) {
  if (key < 0 || key > 255) return 0;
  return Services().released[key] ? 1 : 0;
}

int CapsLockOn() {
  return Services().keys.capsLock ? 1 : 0;
}
int NumLockOn() {
  return Services().keys.numLock ? 1 : 0;
}

void PollMouse() {
  ServiceState& s = Services();
  if (s.device) s.device->ReadMouse(s.mouse);
}

int MouseX() {
  return std::clamp(Services().mouse.x, -COORDINATE_LIMIT, COORDINATE_LIMIT);
}
int MouseY() {
  return std::clamp(Services().mouse.y, -COORDINATE_LIMIT, COORDINATE_LIMIT);
}

int MouseButton(int n) {
  if (n < 1 || n > 3) return 0;
  return Services().mouse.buttons[n] ? 1 : 0;
}

int MouseWheel() {
  return Services().mouse.wheel;
}

std::string ClipboardText() {
  ServiceState& s = Services();
  return s.device ? s.device->ClipboardText() : std::string();
}

void SetClipboardText(std::string_view text) {
  ServiceState& s = Services();
  if (s.device) s.device->SetClipboardText(text);
}

void SetMousePosition(int x, int y) {
  ServiceState& s = Services();
  if (!s.device) return;
  s.device->WarpMouse(x, y);
  s.mouse.x = x;
  s.mouse.y = y;
}

}  // namespace bevel
