// window-demo on a real X display: starts a virtual X server (Xvfb), runs the program on it
// through SDL, clicks, Ctrl-clicks and Shift-clicks list items, clicks "DisableItem" and its
// check box with xdotool (real X11 input), reads the window's pixels back from the X server,
// presses Escape and checks the exit code and the program's report. The picture the X server
// shows must equal, pixel for pixel, the headless run of the same clicks. Then again with
// --scale 2: the clicks land at window pixels twice as far out, and every pixel of the picture
// must show as a 2 x 2 block.
//
//   window_demo_xvfb PROGRAM WORKDIR
//
// Exit code 0 passed, 1 failed, 77 skipped (Xvfb or xdotool missing).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "services/internal/image_codec.h"
#include "tests/support/x11_window_pixels.h"

namespace {

namespace fs = std::filesystem;
using bevel::detail::Surface;

constexpr int kWidth = 220, kHeight = 150;
constexpr int kNavy = 0x800000, kWhite = 0xFFFFFF, kLightGrey = 0xC0C0C0;
constexpr int kTextX = 60, kCheckX = 17, kFillX = 150, kRestX = 200, kRestY = 145;
constexpr int RowY(int item) {
  return 33 + 14 * item;
}

int failures = 0;

void Check(bool ok, const std::string& what) {
  if (!ok) {
    std::fprintf(stderr, "FAILED: %s\n", what.c_str());
    ++failures;
  }
}

void Sleep(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool Installed(const char* program) {
  return std::system(("command -v " + std::string(program) + " >/dev/null 2>&1").c_str()) == 0;
}

// Starts a program with its output in files; returns its process id (or -1). withoutLeakCheck:
// SDL keeps its D-Bus connection for the life of the process, and LeakSanitizer reports the
// blocks hanging from it with stacks no suppression can match; the program's own code is
// leak-checked by the headless runs.
pid_t Spawn(const std::vector<std::string>& args, const fs::path& cwd, const fs::path& out,
            const fs::path& err, bool withoutLeakCheck = false) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  if (withoutLeakCheck) {
    const char* asan = std::getenv("ASAN_OPTIONS");
    const std::string options = asan && *asan ? std::string(asan) + ":" : std::string();
    setenv("ASAN_OPTIONS", (options + "detect_leaks=0").c_str(), 1);
  }
  if (chdir(cwd.c_str()) != 0) _exit(127);
  const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (o < 0 || e < 0) _exit(127);
  dup2(o, 1);
  dup2(e, 2);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

// Waits for a child to end; false when it is still running after timeoutMs.
bool WaitExit(pid_t pid, int timeoutMs, int& status) {
  for (int waited = 0; waited <= timeoutMs; waited += 20) {
    if (waitpid(pid, &status, WNOHANG) == pid) return true;
    Sleep(20);
  }
  return false;
}

void Stop(pid_t& pid) {
  if (pid <= 0) return;
  int status = 0;
  kill(pid, SIGTERM);
  if (!WaitExit(pid, 5000, status)) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  pid = -1;
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::map<std::string, std::string> ReadReport(const fs::path& file) {
  std::map<std::string, std::string> report;
  std::istringstream in(ReadFile(file));
  for (std::string line; std::getline(in, line);) {
    const auto space = line.find(' ');
    if (space != std::string::npos) report.emplace(line.substr(0, space), line.substr(space + 1));
  }
  return report;
}

// ---------------------------------------------------------------------------------------------
// The X server
// ---------------------------------------------------------------------------------------------

struct Server {
  pid_t pid = -1;
  int display = -1;
  ~Server() { Stop(pid); }
};

// Starts Xvfb on the first display number without a socket or lock; another program may take
// the same number at the same moment, so a server that dies at once is retried on the next.
bool StartServer(Server& server, const fs::path& dir) {
  for (int n = 90; n < 160; ++n) {
    const std::string num = std::to_string(n);
    if (fs::exists("/tmp/.X11-unix/X" + num) || fs::exists("/tmp/.X" + num + "-lock")) continue;
    // -noreset: an X server resets when its last client leaves and refuses connections while
    // it does; the readiness check is such a client.
    server.pid =
        Spawn({"Xvfb", ":" + num, "-noreset", "-screen", "0", "640x480x24", "-nolisten", "tcp"},
              dir, dir / "xvfb.out", dir / "xvfb.err");
    for (int waited = 0; waited < 10000; waited += 50) {
      int status = 0;
      if (waitpid(server.pid, &status, WNOHANG) == server.pid) {
        server.pid = -1;
        break;
      }
      if (Display* d = XOpenDisplay((":" + num).c_str())) {
        XCloseDisplay(d);
        server.display = n;
        return true;
      }
      Sleep(50);
    }
    Stop(server.pid);
  }
  return false;
}

// ---------------------------------------------------------------------------------------------
// Input through xdotool and pixels through Xlib
// ---------------------------------------------------------------------------------------------

bool Xdotool(const std::string& args) {
  return std::system(("xdotool " + args + " >/dev/null 2>&1").c_str()) == 0;
}

std::string FindWindow(int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 100) {
    FILE* p = popen("xdotool search --name '^TestScreen$' 2>/dev/null", "r");
    char line[64] = {};
    const bool got = p && std::fgets(line, sizeof line, p) != nullptr;
    if (p) pclose(p);
    if (got) return std::string(line, std::strlen(line) - (line[std::strlen(line) - 1] == '\n'));
    Sleep(100);
  }
  return "";
}

// The frame loop reads button and key states once per frame, so every press is held for
// several frames (about 60 per second) before it is let go.
constexpr int kHoldMs = 200;

void Click(const std::string& window, int x, int y) {
  Xdotool("mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y));
  Sleep(kHoldMs);
  Xdotool("mousedown 1");
  Sleep(kHoldMs);
  Xdotool("mouseup 1");
  Sleep(kHoldMs);
}

void ClickWith(const std::string& window, const char* key, int x, int y) {
  Xdotool(std::string("keydown ") + key);
  Sleep(kHoldMs);
  Click(window, x, y);
  Xdotool(std::string("keyup ") + key);
  Sleep(kHoldMs);
}

// The window's pixels as the X server holds them, as 0x00BBGGRR; false unless the window is
// exactly width x height.
bool Capture(int display, const std::string& window, int width, int height, Surface& out) {
  Display* d = XOpenDisplay((":" + std::to_string(display)).c_str());
  if (!d) return false;
  const bool read = bevel::testing::ReadWindowPixels(d, static_cast<Window>(std::stoul(window)),
                                                     out, width, height);
  XCloseDisplay(d);
  return read;
}

int At(const Surface& s, int x, int y) {
  return s.Contains(x, y) ? static_cast<int>(s.At(x, y) & 0xFFFFFF) : -1;
}

int TickPixels(const Surface& s, int row) {
  int n = 0;
  for (int y = RowY(row) - 5; y <= RowY(row) + 4; ++y) {
    for (int x = 14; x <= 23; ++x) n += At(s, x, y) == 0 ? 1 : 0;
  }
  return n;
}

// The same clicks as a script for the headless device.
constexpr const char* kScript = R"(move 60 33
click
keydown ctrl
move 60 61
click
keyup ctrl
keydown shift
move 60 117
click
keyup shift
move 60 89
click
move 17 89
click
move 17 47
click
move 200 145
wait 3
shot headless.png
)";

// Runs the program on the X server with --scale `scale`, plays the clicks at the window pixels
// they land on at that scale, reads the window back into `shown` and ends the program with
// Escape; checks how it ended and what it reported. false when its window never appeared.
bool PlayOnX(const fs::path& program, const fs::path& dir, int display, int scale, Surface& shown) {
  const std::string run = "scale " + std::to_string(scale) + ": ";
  const std::string name = "x" + std::to_string(scale);
  pid_t demo =
      Spawn({program.string(), "--scale", std::to_string(scale), "--report", name + "-report.txt"},
            dir, dir / (name + ".out"), dir / (name + ".err"), true);
  const std::string window = FindWindow(15000);
  if (window.empty()) {
    Stop(demo);
    Check(false, run + "no window titled TestScreen appeared\n" + ReadFile(dir / (name + ".err")));
    return false;
  }
  Sleep(500);  // the first frames

  // The middle of the block a back-buffer pixel shows as.
  auto at = [scale](int v) { return v * scale + scale / 2; };
  Click(window, at(kTextX), at(RowY(0)));
  ClickWith(window, "ctrl", at(kTextX), at(RowY(2)));
  ClickWith(window, "shift", at(kTextX), at(RowY(6)));
  Click(window, at(kTextX), at(RowY(4)));   // DisableItem: no selection
  Click(window, at(kCheckX), at(RowY(4)));  // its check box: no tick
  Click(window, at(kCheckX), at(RowY(1)));  // another box ticks
  Xdotool("mousemove --window " + window + " " + std::to_string(at(kRestX)) + " " +
          std::to_string(at(kRestY)));
  Sleep(500);

  Check(Capture(display, window, kWidth * scale, kHeight * scale, shown),
        run + "the window is " + std::to_string(scale) + " times the back buffer and its pixels " +
            "can be read from X");
  bevel::detail::SavePng(shown, (dir / (name + ".png")).string());

  Xdotool("keydown Escape");
  int status = 0;
  const bool ended = WaitExit(demo, 10000, status);
  Xdotool("keyup Escape");
  if (!ended) Stop(demo);
  Check(ended, run + "Escape ends the program");
  Check(ended && WIFEXITED(status) && WEXITSTATUS(status) == 0,
        run + "exit code 0 (status " + std::to_string(status) + ")");

  // What the program reports.
  const auto report = ReadReport(dir / (name + "-report.txt"));
  auto value = [&](const char* key) {
    const auto it = report.find(key);
    return it == report.end() ? std::string("(none)") : it->second;
  };
  Check(value("end") == "escape", run + "the run ended by Escape, not " + value("end"));
  Check(value("selection") == "2",
        run + "the selection stays on Item 2, not " + value("selection"));
  Check(value("vetoed-select") != "0" && value("vetoed-select") != "(none)",
        run + "selecting DisableItem was vetoed");
  Check(value("vetoed-check") != "0" && value("vetoed-check") != "(none)",
        run + "ticking DisableItem was vetoed");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: window_demo_xvfb PROGRAM WORKDIR\n");
    return 1;
  }
  const fs::path program = fs::absolute(argv[1]);
  const fs::path dir = fs::absolute(argv[2]);
  for (const char* tool : {"Xvfb", "xdotool"}) {
    if (!Installed(tool)) {
      std::printf("SKIPPED: %s is not installed (tools/install-deps installs xvfb and xdotool)\n",
                  tool);
      return 77;
    }
  }
  fs::remove_all(dir);
  fs::create_directories(dir);

  Server server;
  if (!StartServer(server, dir)) {
    std::fprintf(stderr, "FAILED: no virtual X server could be started (see %s)\n",
                 (dir / "xvfb.err").c_str());
    return 1;
  }
  const std::string display = ":" + std::to_string(server.display);
  setenv("DISPLAY", display.c_str(), 1);
  std::printf("Xvfb on display %s (process %d)\n", display.c_str(), server.pid);

  Surface shown;
  if (!PlayOnX(program, dir, server.display, 1, shown)) return 1;

  // What the screen showed: Items 2, 3, 5 and 6 selected, DisableItem grey and unticked, Item 1
  // ticked.
  const int fills[8] = {kWhite, kWhite, kNavy, kNavy, kLightGrey, kNavy, kNavy, kWhite};
  for (int row = 0; row < 8; ++row) {
    Check(At(shown, kFillX, RowY(row)) == fills[row],
          "row " + std::to_string(row) + " background " +
              std::to_string(At(shown, kFillX, RowY(row))));
  }
  Check(TickPixels(shown, 4) == 0, "DisableItem is not ticked");
  Check(TickPixels(shown, 1) > 0, "Item 1 is ticked");

  // Scaled: the same clicks at twice the window pixels select the same items, and the window
  // shows the same picture with every pixel as a 2 x 2 block.
  Surface scaled;
  if (PlayOnX(program, dir, server.display, 2, scaled) && scaled.width == 2 * kWidth &&
      shown.width == kWidth) {
    int different = 0;
    for (int y = 0; y < 2 * kHeight; ++y) {
      for (int x = 0; x < 2 * kWidth; ++x) different += At(scaled, x, y) != At(shown, x / 2, y / 2);
    }
    Check(different == 0, std::to_string(different) +
                              " pixels of the scaled window (x2.png) differ from the unscaled "
                              "one (x1.png) drawn as 2 x 2 blocks");
  }
  Stop(server.pid);

  // The headless device shows the very same pixels for the same clicks.
  std::ofstream(dir / "script.txt") << kScript;
  int status = 0;
  pid_t headless = Spawn({program.string(), "--script", "script.txt", "--shots", dir.string()}, dir,
                         dir / "headless.out", dir / "headless.err");
  Check(WaitExit(headless, 20000, status) && WIFEXITED(status) && WEXITSTATUS(status) == 0,
        "the headless run succeeds");
  Surface reference;
  if (bevel::detail::LoadPng((dir / "headless.png").string(), reference) &&
      reference.width == kWidth && reference.height == kHeight && shown.width == kWidth) {
    int different = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) different += At(shown, x, y) != At(reference, x, y);
    }
    Check(different == 0, std::to_string(different) +
                              " pixels differ between the X window (x1.png) and the headless "
                              "run (headless.png) in " +
                              dir.string());
  } else {
    Check(false, "the headless screenshot can be read");
  }

  if (failures == 0) std::printf("passed\n");
  return failures == 0 ? 0 : 1;
}
