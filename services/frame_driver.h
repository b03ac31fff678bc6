// Scripted frames on the headless device: the steps a person takes between frames (move, press,
// release, wheel, keys, waiting), each followed by frames of the program under test.
//
// Used by tests and by the script player of the demonstration programs; built only on the
// public headless driver (services/headless.h).
//
//   FrameDriver run([] { ClearScreen(0); GadgetEvent(); ShowFrame(); });
//   run.Click(40, 30);          // move, press, release: one frame each
//   run.Key(1);                 // Escape down, then up
//   run.Screenshot("after.png");
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace bevel::headless {

class FrameDriver {
 public:
  // frame: one frame of the program (the host's loop body). It runs once per step, after the
  // step's input is set.
  explicit FrameDriver(std::function<void()> frame) : frame_(std::move(frame)) {}

  // Runs n frames with the input as it is.
  void Frames(int n);
  // Runs frames until the headless clock has moved on by ms (at least one frame). With no
  // frame advance set, the clock is moved by ms first.
  void WaitMs(std::uint32_t ms);
  void MoveTo(int x, int y);
  // n: 1 left, 2 right, 3 middle.
  void Down(int button = 1);
  void Up(int button = 1);
  // Move, press, release: three frames.
  void Click(int x, int y, int button = 1);
  // Two clicks at the same pixel in consecutive frames: a double click.
  void DoubleClick(int x, int y);
  void Wheel(int notches);
  void KeyDown(int scanCode);
  void KeyUp(int scanCode);
  // Down, then up: two frames.
  void Key(int scanCode);
  // Saves the last shown frame as PNG; false when it cannot be written.
  bool Screenshot(const std::string& path);

  int FramesRun() const { return frames_; }

 private:
  void Step();

  std::function<void()> frame_;
  int frames_ = 0;
};

}  // namespace bevel::headless
