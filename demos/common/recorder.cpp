// The session recorder (recorder.h).
#include "demos/common/recorder.h"

#include "demos/common/script.h"
#include "services/services.h"

namespace bevel::demo {
namespace {

constexpr const char* kButtonNames[4] = {"", "left", "right", "middle"};

}  // namespace

bool Recorder::Start(const std::string& file, const std::string& program, int frameMs) {
  out_.open(file, std::ios::binary | std::ios::trunc);
  if (!out_) return false;
  SetFrameClock(frameMs);
  out_ << "# " << program << " session recorded with --record; replay it with --script.\n"
       << "date " << FormatDate("%yyyy-%mm-%dd %hh:%ii:%ss", DateNow()) << "\n";
  out_.flush();
  SetExamineObserver([this](int examined, int frame) { Examined(examined, frame); });
  return true;
}

// A frame's input is complete once the next frame examines the devices: both examinations of a
// frame (keyboard and mouse) are in by then.
void Recorder::Examined(int examined, int frame) {
  if (frame != pendingFrame_) {
    if (pendingFrame_ >= 0) Write(pending_, pendingFrame_);
    pendingFrame_ = frame;
    pending_.wheel = 0;
  }
  if (examined == EXAMINED_KEYBOARD) {
    for (int k = 1; k < 256; ++k) pending_.keys[static_cast<std::size_t>(k)] = KeyPushed(k) != 0;
    pending_.capsLock = CapsLockOn() != 0;
    pending_.numLock = NumLockOn() != 0;
  } else {
    pending_.x = MouseX();
    pending_.y = MouseY();
    for (int b = 1; b <= 3; ++b)
      pending_.buttons[static_cast<std::size_t>(b)] = MouseButton(b) != 0;
    pending_.wheel += MouseWheel();
  }
}

void Recorder::Write(const Input& in, int frame) {
  std::string lines;
  if (in.capsLock != written_.capsLock) lines += in.capsLock ? "capslock on\n" : "capslock off\n";
  if (in.numLock != written_.numLock) lines += in.numLock ? "numlock on\n" : "numlock off\n";
  if (in.x != written_.x || in.y != written_.y) {
    lines += "move " + std::to_string(in.x) + " " + std::to_string(in.y) + "\n";
  }
  for (std::size_t b = 1; b <= 3; ++b) {
    if (in.buttons[b] != written_.buttons[b]) {
      lines += std::string(in.buttons[b] ? "press " : "release ") + kButtonNames[b] + "\n";
    }
  }
  if (in.wheel != 0) lines += "wheel " + std::to_string(in.wheel) + "\n";
  for (std::size_t k = 1; k < 256; ++k) {
    if (in.keys[k] != written_.keys[k]) {
      lines += std::string(in.keys[k] ? "keydown " : "keyup ") +
               script::KeyName(static_cast<int>(k)) + "\n";
    }
  }
  // The first frame anchors the script: a replay plays its lines at its first examination.
  if (lines.empty() && writtenFrame_ >= 0) return;
  if (writtenFrame_ >= 0) out_ << "wait " << frame - writtenFrame_ << "\n";
  out_ << lines;
  out_.flush();
  written_ = in;
  written_.wheel = 0;
  writtenFrame_ = frame;
}

void Recorder::Finish() {
  if (!out_.is_open()) return;
  SetExamineObserver({});
  SetFrameClock(0);
  // The frame examined last ended the program before it was shown: a replay runs up to it.
  if (writtenFrame_ >= 0 && pendingFrame_ > writtenFrame_) {
    out_ << "wait " << pendingFrame_ - writtenFrame_ << "\n";
  }
  out_ << "# end of the recording\n";
  out_.close();
}

}  // namespace bevel::demo
