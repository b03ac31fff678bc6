// The session recorder of the demo runner (--record FILE): writes what a person does on a real
// display as an input script (script.h) that replays the session on the headless device to the
// same pixels.
//
// While it records, the clock steps 20 ms per frame as the headless device's does
// (SetFrameClock), so the toolkit's timings come out the same in the replay. The script starts
// with the date of the session; then, for every frame that examined the devices, the changes of
// the pointer, the buttons, the wheel, the keys and the lock keys since the frame before, with a
// wait between frames. The frame in which the program ended was never shown: its input is left
// out, and a final wait lets the replay run up to it, so that a replay's last frame is the last
// frame the person saw.
#pragma once

#include <array>
#include <fstream>
#include <string>

namespace bevel::demo {

class Recorder {
 public:
  // Opens the file, starts the stepped clock and the observation of the devices. false when
  // the file cannot be written.
  bool Start(const std::string& file, const std::string& program, int frameMs);
  // Ends the recording with the wait up to the last frame; the clock runs on its own again.
  void Finish();
  bool Active() const { return out_.is_open(); }

 private:
  struct Input {
    std::array<bool, 256> keys{};
    bool capsLock = false, numLock = false;
    int x = 0, y = 0;
    std::array<bool, 4> buttons{};
    int wheel = 0;
  };

  void Examined(int examined, int frame);
  // Writes the frame's changes since the last frame written.
  void Write(const Input& in, int frame);

  std::ofstream out_;
  Input written_;  // the headless device's state where a replay starts
  Input pending_;  // the frame being examined
  int pendingFrame_ = -1;
  int writtenFrame_ = -1;
};

}  // namespace bevel::demo
