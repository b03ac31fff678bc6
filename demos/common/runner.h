// The demo runner: lets a program built on the toolkit run on a real display or headless, play
// an input script (script.h), stop after a number of frames and write a report. Any program
// with a frame loop can use it:
//
//   demo::Runner run("my-program", kTourScript);
//   if (!run.ParseArgs(argc, argv)) return run.ExitCode();
//   run.SelectDevice();
//   if (!OpenScreen(...)) return 1;
//   run.Start();
//   for (bool quit = false; !quit;) {
//     ShowFrame(); ClearScreen(...); GadgetEvent();
//     if (KeyPushed(1)) { run.End("escape"); quit = true; }
//     if (run.EndOfFrame()) quit = true;  // every frame, the last one too
//   }
//   run.Report("state 3");
//   return run.Close();
//
// Flags:
//   --headless       run on the headless device (also chosen when no display can be opened)
//   --script FILE    play FILE on the headless device (implies --headless)
//   --frames N       stop after N frames
//   --shots DIR      relative screenshot names are taken in DIR
//   --report FILE    write what happened (end, frames, screenshots, the program's lines) to FILE
//   --scale N        a window shows each back-buffer pixel as N x N pixels (1..8)
//   --help           print the flags
//
// A headless run plays the script (or the program's built-in tour when there is no --script)
// and ends after the frame in which its last line ran, unless --frames says how many frames to
// run; Escape and closing the window end every run. The tour writes its screenshots into a new
// temporary directory unless --shots names one. Every screenshot written is printed as
// "screenshot: PATH"; one that cannot be written is reported on stderr and the run goes on.
// Headless frames last 20 ms of the headless clock; on a real display the runner paces the
// loop to about 60 frames per second.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "demos/common/script.h"

namespace bevel::demo {

class Runner {
 public:
  // program: the name used in messages; tour: a script played headless without --script ("" =
  // none: such a run shows one frame unless --frames asks for more).
  explicit Runner(std::string program, std::string tour = "");

  // Reads the flags. false after a message on stderr (or --help on stdout): the program
  // should end with ExitCode().
  bool ParseArgs(int argc, char** argv);
  // Chooses the device and the window scale for the next OpenScreen.
  void SelectDevice() const;
  // Call after OpenScreen: starts the script on the headless device.
  void Start();
  // Call once at the end of every frame: true when the run is over (--frames reached, or the
  // script has played its last line). Paces the loop on a real display.
  bool EndOfFrame();
  // Names why the run ends when the program ends it ("escape", "close"); EndOfFrame names
  // "frames" or "script". The first reason given counts.
  void End(std::string_view reason);
  // A line of the program's own for the report.
  void Report(std::string line);
  // Stops the script and writes the report (--report). Returns ExitCode().
  int Close();
  bool Headless() const;
  int Frames() const { return frames_; }
  // 0 after a good run, 2 after bad flags or a bad script, 1 when the report cannot be written.
  int ExitCode() const { return exitCode_; }

  // A data file of the program: the working directory's, else the one next to the executable;
  // "" when neither exists.
  static std::string FindFile(std::string_view name);

 private:
  void Examine(int frame);
  void Shot(const script::Step& step);
  std::string ShotPath(const std::string& file);

  std::string program_;
  std::string tour_;
  bool headless_ = false;
  int maxFrames_ = -1;
  int scale_ = 1;
  std::string shotDir_;
  std::string reportFile_;
  bool tourRun_ = false;

  std::vector<script::Step> steps_;
  std::size_t next_ = 0;
  int dueFrame_ = 0;
  std::uint32_t dueClock_ = 0;
  int lastFrame_ = -1;
  bool scriptDone_ = false;

  int frames_ = 0;
  std::uint32_t frameStart_ = 0;
  std::string reason_;
  int exitCode_ = 0;
  std::vector<std::string> shots_;
  std::vector<std::string> report_;
};

}  // namespace bevel::demo
