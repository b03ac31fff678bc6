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
  // Every requester of the tour, answered as the tour's comments say.
  EXPECT_EQ(RequesterLines(r.report),
            (std::vector<std::string>{"requester 104 1", "requester 117 2", "requester 118 2",
                                      "requester 132 0", "requester 123 refused 1",
                                      "requester 123 Hallo We", "requester 124 14798781"}));

  const std::vector<std::string> printed = Lines(r.out);
  const char* const shots[] = {"01-start",     "02-play",          "03-double-click", "04-list",
                               "05-tree",      "06-menu",          "07-windows",      "08-yes-no",
                               "09-complex",   "10-input-refused", "11-calendar",     "12-colour",
                               "13-recoloured"};
  ASSERT_EQ(printed.size(), std::size(shots)) << r.out;
  for (std::size_t i = 0; i < printed.size(); ++i) {
    const fs::path path = printed[i].substr(printed[i].find(' ') + 1);
    EXPECT_EQ(printed[i], "screenshot: " + path.string());
    EXPECT_TRUE(path.is_absolute()) << path;
    EXPECT_EQ(path.filename().string(), "gadget-demo-" + std::string(shots[i]) + ".png");
  }
  const fs::path dir = fs::path(printed.front().substr(12)).parent_path();
  for (const char* name :
       {"start", "menu", "windows", "complex", "input-refused", "calendar", "colour"}) {
    std::string file;
    for (const char* shot : shots) {
      if (std::string(shot).ends_with(name)) file = "gadget-demo-" + std::string(shot) + ".png";
    }
    ExpectMatchesGolden((dir / file).string(), "gadget-demo-" + std::string(name));
  }
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
