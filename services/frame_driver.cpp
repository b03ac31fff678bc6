// Scripted frames on the headless device.
#include "services/frame_driver.h"

#include "services/headless.h"

namespace bevel::headless {

void FrameDriver::Step() {
  if (frame_) frame_();
  ++frames_;
}

void FrameDriver::Frames(int n) {
  for (int i = 0; i < n; ++i) Step();
}

void FrameDriver::WaitMs(std::uint32_t ms) {
  const std::uint32_t start = Clock();
  Step();
  if (Clock() == start) {
    // The clock does not move by itself: move it, so that waits still mean time.
    AdvanceClock(ms);
    return;
  }
  // Bounded: a frame that stops the clock cannot make this spin.
  for (int guard = 0; Clock() - start < ms && guard < 1000000; ++guard) Step();
}

void FrameDriver::MoveTo(int x, int y) {
  SetMouse(x, y);
  Step();
}

void FrameDriver::Down(int button) {
  SetButton(button, true);
  Step();
}

void FrameDriver::Up(int button) {
  SetButton(button, false);
  Step();
}

void FrameDriver::Click(int x, int y, int button) {
  MoveTo(x, y);
  Down(button);
  Up(button);
}

void FrameDriver::DoubleClick(int x, int y) {
  Click(x, y);
  Down();
  Up();
}

void FrameDriver::Wheel(int notches) {
  AddWheel(notches);
  Step();
}

void FrameDriver::KeyDown(int scanCode) {
  SetKey(scanCode, true);
  Step();
}

void FrameDriver::KeyUp(int scanCode) {
  SetKey(scanCode, false);
  Step();
}

void FrameDriver::Key(int scanCode) {
  KeyDown(scanCode);
  KeyUp(scanCode);
}

bool FrameDriver::Screenshot(const std::string& path) {
  return SavePng(path, true);
}

}  // namespace bevel::headless
