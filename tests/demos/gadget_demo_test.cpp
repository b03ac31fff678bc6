// gadget-demo end to end on the headless device: the built program's tour, as a user runs it,
// with its key frames compared pixel by pixel with reference pictures, and its flags.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/golden.h"

namespace bevel::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct DemoRun {
  int exitCode = -1;
  std::string out, err, report;
};

// Runs the program in a fresh directory named after the test, with an optional script.
DemoRun RunDemo(const std::string& flags, const std::string& script = "") {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const fs::path dir = fs::path(BEVEL_TEST_OUT) / "gadget-demo" / info->name();
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::string command = "cd '" + dir.string() + "' && '" BEVEL_GADGET_DEMO "' " + flags;
  if (!script.empty()) {
    std::ofstream(dir / "script.txt") << script;
    command += " --script script.txt";
  }
  command += " --report report.txt >out.txt 2>err.txt";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(dir / "out.txt"),
          ReadFile(dir / "err.txt"), ReadFile(dir / "report.txt")};
}

std::vector<std::string> RequesterLines(const std::string& report) {
  std::vector<std::string> lines;
  for (const std::string& line : Lines(report)) {
    if (line.starts_with("requester ")) lines.push_back(line);
  }
  return lines;
}

TEST(GadgetDemo, TourShowsEveryFeatureMatchesItsPicturesAndEndsWithCtrlB) {
  const DemoRun r = RunDemo("--headless --shots shots");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err.find("gadget-demo:"), std::string::npos) << r.err;
  EXPECT_TRUE(r.report.starts_with("end menu\n")) << r.report;

  // The screenshots in the tour's order, with the reference picture of the key frames.
  const struct {
    const char* shot;
    const char* golden;
  } shots[] = {{"01-start", "start"},
               {"02-play", nullptr},
               {"03-double-click", nullptr},
               {"04-list", nullptr},
               {"05-tree", nullptr},
               {"06-menu", "menu"},
               {"07-windows", "windows"},
               {"08-yes-no", nullptr},
               {"09-complex", "complex"},
               {"10-input-refused", "input-refused"},
               {"11-open-files", "open-files"},
               {"12-save", nullptr},
               {"13-calendar", "calendar"},
               {"14-colour", "colour"},
               {"15-recoloured", nullptr}};
  const std::vector<std::string> printed = Lines(r.out);
  ASSERT_EQ(printed.size(), std::size(shots)) << r.out;
  const std::string dir = fs::path(printed.front().substr(12)).parent_path().string();
  for (std::size_t i = 0; i < printed.size(); ++i) {
    const std::string file = dir + "/gadget-demo-" + shots[i].shot + ".png";
    EXPECT_EQ(printed[i], "screenshot: " + file);
    if (shots[i].golden) ExpectMatchesGolden(file, "gadget-demo-" + std::string(shots[i].golden));
  }
  EXPECT_TRUE(fs::path(dir).is_absolute()) << dir;

  // Every requester of the tour, answered as its comments say; the files are the tour's own.
  EXPECT_EQ(RequesterLines(r.report),
            (std::vector<std::string>{
                "requester 104 1", "requester 117 2", "requester 118 2", "requester 132 0",
                "requester 123 refused 1", "requester 123 Hallo We",
                "requester 129 " + dir + "/Brief.vx " + dir + "/Karte.vx " + dir + "/Notizen.vx",
                "requester 130 " + dir + "/Neu.vx", "requester 124 14798781"}));
}

TEST(GadgetDemo, ScriptsSetLockKeysCancelAnOpenRequesterAtTheEndAndBadLinesAreRefused) {
  // A script that ends while a requester is open cancels it and ends the run.
  const DemoRun open = RunDemo("", "move 90 268\nclick\nwait 3\n");
  EXPECT_EQ(open.exitCode, 0) << open.err;
  EXPECT_TRUE(open.report.starts_with("end script\n")) << open.report;
  EXPECT_EQ(RequesterLines(open.report), std::vector<std::string>{"requester 117 0"});

  // The lock keys as the script sets them: Caps Lock for capitals, Num Lock for the keypad's 1.
  const DemoRun locks =
      RunDemo("",
              "capslock on\nnumlock on\nmove 310 238\nclick\nwait 2\nkey a\nkey b\n"
              "capslock off\nkey sc79\nkey enter\nwait 2\n");
  EXPECT_EQ(RequesterLines(locks.report), std::vector<std::string>{"requester 123 InputAB1"});

  const DemoRun bad = RunDemo("--record rec.txt --headless");
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_NE(bad.err.find("--record"), std::string::npos) << bad.err;
  for (const char* line : {"date 2007-02-30 12:00:00", "date tomorrow", "capslock maybe"}) {
    const DemoRun badLine = RunDemo("", std::string(line) + "\n");
    EXPECT_EQ(badLine.exitCode, 2) << line;
    EXPECT_NE(badLine.err.find("line 1: "), std::string::npos) << line << badLine.err;
  }
}

}  // namespace
}  // namespace bevel::testing
