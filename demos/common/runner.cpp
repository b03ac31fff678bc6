// The demo runner (runner.h): flags, device choice, script playing through the headless
// driver's examine callback, frame counting and pacing, screenshots and the report.
#include "demos/common/runner.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>

#include "services/headless.h"
#include "services/services.h"

namespace bevel::demo {
namespace {

namespace fs = std::filesystem;

// Each headless frame advances the clock by this much, so millisecond waits, double clicks and
// auto-repeat behave as at 50 frames per second, the same on every machine.
constexpr std::uint32_t kHeadlessFrameMs = 20;
// Real-display pacing: about 60 frames per second.
constexpr std::uint32_t kFrameMs = 16;

constexpr const char* kUsage =
    "  --headless       run on the headless device\n"
    "  --script FILE    play an input script (implies --headless)\n"
    "  --frames N       stop after N frames\n"
    "  --shots DIR      directory for relative screenshot names\n"
    "  --report FILE    write what happened to FILE\n"
    "  --scale N        show each pixel of a window as N x N pixels (1..8)\n";

bool ReadText(const std::string& file, std::string& text) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return !in.bad();
}

}  // namespace

Runner::Runner(std::string program, std::string tour)
    : program_(std::move(program)), tour_(std::move(tour)) {}

bool Runner::ParseArgs(int argc, char** argv) {
  std::string scriptFile;
  auto fail = [&](const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", program_.c_str(), message.c_str());
    exitCode_ = 2;
    return false;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool takesValue = arg == "--script" || arg == "--frames" || arg == "--shots" ||
                            arg == "--report" || arg == "--scale";
    if (takesValue && i + 1 >= argc) return fail(arg + " needs a value");
    if (arg == "--headless") {
      headless_ = true;
    } else if (arg == "--script") {
      scriptFile = argv[++i];
    } else if (arg == "--frames") {
      const std::string v = argv[++i];
      char* end = nullptr;
      const long n = std::strtol(v.c_str(), &end, 10);
      if (v.empty() || *end != '\0' || n < 1 || n > 1000000000) {
        return fail("--frames needs a number of frames (1 or more), not '" + v + "'");
      }
      maxFrames_ = static_cast<int>(n);
    } else if (arg == "--scale") {
      const std::string v = argv[++i];
      if (v.size() != 1 || v[0] < '1' || v[0] > '8') {
        return fail("--scale needs a factor from 1 to 8, not '" + v + "'");
      }
      scale_ = v[0] - '0';
    } else if (arg == "--shots") {
      shotDir_ = argv[++i];
    } else if (arg == "--report") {
      reportFile_ = argv[++i];
    } else if (arg == "--help" || arg == "-h") {
      std::printf("usage: %s [flags]\n%s", program_.c_str(), kUsage);
      return false;
    } else {
      return fail("unknown flag '" + arg + "' (--help lists the flags)");
    }
  }
  std::string text;
  if (!scriptFile.empty()) {
    if (!ReadText(scriptFile, text)) return fail("cannot read the script " + scriptFile);
    headless_ = true;
  } else {
    text = tour_;
    tourRun_ = true;
  }
  std::string error;
  if (!script::Parse(text, steps_, error)) {
    return fail((scriptFile.empty() ? std::string("built-in tour") : scriptFile) + ", " + error);
  }
  return true;
}

void Runner::SelectDevice() const {
  bevel::SelectDevice(headless_ ? DEVICE_HEADLESS : DEVICE_AUTO);
  SetWindowScale(scale_);
}

bool Runner::Headless() const {
  return ScreenDevice() == DEVICE_HEADLESS;
}

void Runner::Start() {
  frameStart_ = TickCount();
  if (!Headless()) {
    steps_.clear();  // scripts play on the headless device only
    return;
  }
  headless::SetFrameAdvance(kHeadlessFrameMs);
  if (tourRun_ && shotDir_.empty() && !steps_.empty()) {
    // A fresh directory per run: two tours at once must not overwrite each other's pictures.
    std::error_code ec;
    fs::path temp = fs::temp_directory_path(ec);
    if (ec) temp = "/tmp";
    std::string pattern = (temp / (program_ + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) != nullptr) shotDir_ = pattern;
  }
  scriptDone_ = steps_.empty();
  headless::SetExamineCallback([this](int frame) { Examine(frame); });
}

// Runs at every examination of the devices; the steps due run once per frame, at the first
// examination, so that the keyboard and the mouse read in that frame both see them.
void Runner::Examine(int frame) {
  if (frame == lastFrame_ || scriptDone_) return;
  lastFrame_ = frame;
  if (frame < dueFrame_ || headless::Clock() < dueClock_) return;
  while (next_ < steps_.size()) {
    const script::Step& s = steps_[next_++];
    switch (s.op) {
      case script::Op::Move:
        headless::SetMouse(s.a, s.b);
        break;
      case script::Op::Press:
        headless::SetButton(s.a, true);
        break;
      case script::Op::Release:
        headless::SetButton(s.a, false);
        break;
      case script::Op::Wheel:
        headless::AddWheel(s.a);
        break;
      case script::Op::KeyDown:
        headless::SetKey(s.a, true);
        break;
      case script::Op::KeyUp:
        headless::SetKey(s.a, false);
        break;
      case script::Op::Shot:
        Shot(s);
        break;
      case script::Op::WaitFrames:
        dueFrame_ = frame + s.a;
        if (s.a > 0) return;
        break;
      case script::Op::WaitMs:
        dueClock_ = headless::Clock() + static_cast<std::uint32_t>(s.a);
        if (s.a > 0) return;
        break;
    }
  }
  scriptDone_ = true;
}

std::string Runner::ShotPath(const std::string& file) {
  fs::path p(file);
  if (p.is_relative() && !shotDir_.empty()) p = fs::path(shotDir_) / p;
  std::error_code ec;
  const fs::path absolute = fs::absolute(p, ec);
  return (ec ? p : absolute).lexically_normal().string();
}

void Runner::Shot(const script::Step& step) {
  const std::string path = ShotPath(step.file);
  std::error_code ec;
  const fs::path parent = fs::path(path).parent_path();
  if (!parent.empty()) fs::create_directories(parent, ec);
  // The frame last shown: what a user would see on the screen at this moment.
  if (!headless::SavePng(path, true)) {
    std::fprintf(stderr, "%s: cannot write the screenshot %s (script line %d)\n", program_.c_str(),
                 path.c_str(), step.line);
    return;
  }
  shots_.push_back(path);
  std::printf("screenshot: %s\n", path.c_str());
  std::fflush(stdout);
}

bool Runner::EndOfFrame() {
  ++frames_;
  if (!Headless()) {
    const std::uint32_t spent = TickCount() - frameStart_;
    if (spent < kFrameMs) Delay(static_cast<int>(kFrameMs - spent));
    frameStart_ = TickCount();
  }
  if (maxFrames_ > 0 && frames_ >= maxFrames_) {
    End("frames");
    return true;
  }
  if (maxFrames_ < 0 && Headless() && scriptDone_) {
    End("script");
    return true;
  }
  return false;
}

void Runner::End(std::string_view reason) {
  if (reason_.empty()) reason_ = reason;
}

void Runner::Report(std::string line) {
  report_.push_back(std::move(line));
}

int Runner::Close() {
  if (Headless()) headless::SetExamineCallback({});
  if (reportFile_.empty()) return exitCode_;
  std::set<int> linesLeft;
  for (std::size_t i = next_; i < steps_.size(); ++i) linesLeft.insert(steps_[i].line);
  std::ofstream out(reportFile_, std::ios::binary | std::ios::trunc);
  out << "end " << (reason_.empty() ? "program" : reason_) << "\n";
  out << "frames " << frames_ << "\n";
  out << "script-lines-left " << linesLeft.size() << "\n";
  for (const std::string& shot : shots_) out << "screenshot " << shot << "\n";
  for (const std::string& line : report_) out << line << "\n";
  out.close();
  if (!out) {
    std::fprintf(stderr, "%s: cannot write the report %s\n", program_.c_str(), reportFile_.c_str());
    exitCode_ = 1;
  }
  return exitCode_;
}

std::string Runner::FindFile(std::string_view name) {
  std::error_code ec;
  const fs::path here(name);
  if (fs::is_regular_file(here, ec)) return here.string();
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const fs::path beside = exe.parent_path() / here;
    if (fs::is_regular_file(beside, ec)) return beside.string();
  }
  return "";
}

}  // namespace bevel::demo
