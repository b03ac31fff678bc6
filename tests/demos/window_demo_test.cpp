// window-demo end to end on the headless device: the built program is run with input scripts,
// and what it prints, reports and shows (its screenshots, probed pixel by pixel and compared
// with reference pictures) is checked.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "services/internal/image_codec.h"
#include "tests/support/golden.h"

namespace bevel::testing {
namespace {

namespace fs = std::filesystem;

// The list's geometry on the 220 x 150 screen while it is scrolled to the top.
constexpr int RowY(int item) {
  return 33 + 14 * item;  // centre of the row of item (0-based)
}
constexpr int kTextX = 60;                 // on the text column
constexpr int kCheckX = 17;                // on the check box
constexpr int kFillX = 150;                // on the row's background, right of every text
constexpr int kRestX = 200, kRestY = 145;  // the pointer out of the way

constexpr int kNavy = 0x800000, kWhite = 0xFFFFFF, kLightGrey = 0xC0C0C0, kGrey = 0x808080;

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct DemoRun {
  int exitCode = -1;
  std::string out, err;
  std::map<std::string, std::string> report;  // first value of each key
  fs::path dir;

  int Number(const std::string& key) const {
    const auto it = report.find(key);
    return it == report.end() ? -1 : std::atoi(it->second.c_str());
  }
  detail::Surface Shot(const std::string& name) const {
    detail::Surface s;
    EXPECT_TRUE(detail::LoadPng((dir / name).string(), s)) << "no screenshot " << name;
    return s;
  }
};

// A fresh directory per test, so that nothing from another run is mistaken for a result.
fs::path TestDir() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const fs::path dir = fs::path(BEVEL_TEST_OUT) / "window-demo" / info->name();
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// Runs the program in `dir` with `script` (none when empty) and extra flags.
DemoRun RunDemo(const std::string& script, const std::string& flags = "",
                const fs::path& program = BEVEL_WINDOW_DEMO, fs::path dir = {}) {
  DemoRun r;
  r.dir = dir.empty() ? TestDir() : dir;
  std::string command = "cd '" + r.dir.string() + "' && '" + program.string() + "' " + flags;
  if (!script.empty()) {
    std::ofstream(r.dir / "script.txt") << script;
    command += " --script script.txt";
  }
  command += " --report report.txt >out.txt 2>err.txt";
  const int status = std::system(command.c_str());
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = ReadFile(r.dir / "out.txt");
  r.err = ReadFile(r.dir / "err.txt");
  std::istringstream report(ReadFile(r.dir / "report.txt"));
  for (std::string line; std::getline(report, line);) {
    const auto space = line.find(' ');
    if (space != std::string::npos) r.report.emplace(line.substr(0, space), line.substr(space + 1));
  }
  return r;
}

int At(const detail::Surface& s, int x, int y) {
  return s.Contains(x, y) ? static_cast<int>(s.At(x, y) & 0xFFFFFF) : -1;
}

// Background of an item's row (0-based row on screen, counted from the top row).
int RowFill(const detail::Surface& s, int row) {
  return At(s, kFillX, RowY(row));
}

// Dark pixels inside the check box of a row: 0 when it is empty.
int TickPixels(const detail::Surface& s, int row) {
  int n = 0;
  for (int y = RowY(row) - 5; y <= RowY(row) + 4; ++y) {
    for (int x = 14; x <= 23; ++x) n += At(s, x, y) == 0 ? 1 : 0;
  }
  return n;
}

std::string Click(int x, int y, const std::string& modifier = "") {
  std::string s = "move " + std::to_string(x) + " " + std::to_string(y) + "\n";
  if (!modifier.empty()) s += "keydown " + modifier + "\n";
  s += "click\n";
  if (!modifier.empty()) s += "keyup " + modifier + "\n";
  return s;
}

std::string Shot(const std::string& name) {
  return "move " + std::to_string(kRestX) + " " + std::to_string(kRestY) + "\nwait 2\nshot " +
         name + "\n";
}

// ---------------------------------------------------------------------------------------------

TEST(WindowDemo, StartsWithTheListAndThePointer) {
  const DemoRun r = RunDemo(Shot("start.png"));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.report.at("end"), "script");
  EXPECT_EQ(r.Number("selection"), -1);
  const detail::Surface s = r.Shot("start.png");
  ASSERT_EQ(s.width, 220);
  ASSERT_EQ(s.height, 150);
  for (int row = 0; row < 8; ++row) {
    EXPECT_EQ(RowFill(s, row), row == 4 ? kLightGrey : kWhite) << "row " << row;
    EXPECT_EQ(TickPixels(s, row), 0) << "row " << row;
  }
  // DisableItem's text is grey; the other texts are black.
  int grey = 0, black = 0;
  for (int x = 26; x < 100; ++x) {
    grey += At(s, x, RowY(4)) == kGrey ? 1 : 0;
    black += At(s, x, RowY(3)) == 0 ? 1 : 0;
  }
  EXPECT_GT(grey, 0);
  EXPECT_GT(black, 0);
  // The pointer from Mouse.bmp: its outline is the near-black that survives the colour key.
  EXPECT_EQ(At(s, kRestX, kRestY), 0x010101);
  EXPECT_EQ(At(s, kRestX + 1, kRestY + 3), kWhite);
  EXPECT_EQ(r.err.find("window-demo:"), std::string::npos) << r.err;
  ExpectMatchesGolden((r.dir / "start.png").string(), "window-demo-start");
}

TEST(WindowDemo, DisableItemTakesNeitherTheSelectionNorATick) {
  const DemoRun r = RunDemo(Click(kTextX, RowY(1)) + Click(kTextX, RowY(4)) +
                            Click(kCheckX, RowY(4)) + Click(kCheckX, RowY(2)) + Shot("vetoed.png"));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.Number("selection"), 1);  // Item 1 stays selected
  EXPECT_EQ(r.Number("vetoed-select"), 1);
  EXPECT_EQ(r.Number("vetoed-check"), 1);
  const detail::Surface s = r.Shot("vetoed.png");
  EXPECT_EQ(RowFill(s, 1), kNavy);
  EXPECT_EQ(RowFill(s, 4), kLightGrey);
  EXPECT_EQ(TickPixels(s, 4), 0);
  EXPECT_GT(TickPixels(s, 2), 0);  // the same click on another box ticks it
  ExpectMatchesGolden((r.dir / "vetoed.png").string(), "window-demo-vetoed");
}

TEST(WindowDemo, CtrlAndShiftExtendTheSelectionAndRangesSkipDisableItem) {
  // Ctrl adds Item 2 to Item 0; Ctrl+Shift adds the range from Item 2 to Item 6.
  const DemoRun r =
      RunDemo(Click(kTextX, RowY(0)) + Click(kTextX, RowY(2), "ctrl") + "keydown ctrl\n" +
              Click(kTextX, RowY(6), "shift") + "keyup ctrl\n" + Shot("extended.png"));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.Number("vetoed-select"), 1);
  EXPECT_EQ(r.Number("selection"), 2);  // Shift leaves the value on the range start
  const detail::Surface s = r.Shot("extended.png");
  const int expected[8] = {kNavy, kWhite, kNavy, kNavy, kLightGrey, kNavy, kNavy, kWhite};
  for (int row = 0; row < 8; ++row) EXPECT_EQ(RowFill(s, row), expected[row]) << "row " << row;
  ExpectMatchesGolden((r.dir / "extended.png").string(), "window-demo-extended");

  // Shift alone replaces the selection by the range, again without DisableItem.
  const DemoRun plain =
      RunDemo(Click(kTextX, RowY(1)) + Click(kTextX, RowY(7), "shift") + Shot("range.png"));
  ASSERT_EQ(plain.exitCode, 0) << plain.err;
  const detail::Surface p = plain.Shot("range.png");
  const int range[8] = {kWhite, kNavy, kNavy, kNavy, kLightGrey, kNavy, kNavy, kNavy};
  for (int row = 0; row < 8; ++row) EXPECT_EQ(RowFill(p, row), range[row]) << "row " << row;
}

TEST(WindowDemo, WheelScrollsThreeItemsPerNotchWithinTheList) {
  // DisableItem (item 4) shows where the list stands: one notch down puts it on row 1.
  auto wheel = [](int x, int y, int notches) {
    return "move " + std::to_string(x) + " " + std::to_string(y) + "\nwheel " +
           std::to_string(notches) + "\nwait 1\n";
  };
  const DemoRun r =
      RunDemo(wheel(60, 75, -1) + Shot("one.png") + wheel(60, 75, -10) + Shot("bottom.png") +
              wheel(60, 75, 1) + Shot("back.png") + wheel(10, 148, -1) + Shot("outside.png"));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const detail::Surface one = r.Shot("one.png");
  for (int row = 0; row < 8; ++row) {
    EXPECT_EQ(RowFill(one, row), row == 1 ? kLightGrey : kWhite) << "row " << row;
  }
  // Ten notches stop at the last page (items 13 .. 20); one back shows items 10 .. 17.
  const detail::Surface bottom = r.Shot("bottom.png");
  const detail::Surface back = r.Shot("back.png");
  for (int row = 0; row < 8; ++row) {
    EXPECT_EQ(RowFill(bottom, row), kWhite);
    EXPECT_EQ(RowFill(back, row), kWhite);
  }
  ExpectMatchesGolden((r.dir / "bottom.png").string(), "window-demo-scrolled");
  // The wheel outside the list scrolls nothing.
  EXPECT_TRUE(r.Shot("outside.png").pixels == back.pixels);
}

TEST(WindowDemo, EscapeEndsTheProgramAfterTheFrameItIsSeenIn) {
  // Escape goes down in frame 4; the lines after it never run.
  const DemoRun r = RunDemo("wait 3\nkeydown escape\nwait 5\nshot never.png\n");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.report.at("end"), "escape");
  EXPECT_EQ(r.Number("frames"), 4);
  EXPECT_EQ(r.Number("script-lines-left"), 1);
  EXPECT_FALSE(fs::exists(r.dir / "never.png"));

  // --frames stops a run before its script ends.
  const DemoRun limited = RunDemo("wait 50\nkeydown escape\n", "--frames 7");
  EXPECT_EQ(limited.exitCode, 0) << limited.err;
  EXPECT_EQ(limited.report.at("end"), "frames");
  EXPECT_EQ(limited.Number("frames"), 7);
}

TEST(WindowDemo, HeadlessRunWithoutScriptPlaysTheTourAndPrintsItsScreenshots) {
  const fs::path dir = TestDir();
  const DemoRun r = RunDemo("", "--headless --shots tour", BEVEL_WINDOW_DEMO, dir);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.report.at("end"), "escape");
  int printed = 0;
  std::istringstream out(r.out);
  for (std::string line; std::getline(out, line);) {
    ASSERT_TRUE(line.starts_with("screenshot: ")) << line;
    const fs::path shot = line.substr(12);
    EXPECT_TRUE(shot.is_absolute()) << shot;
    EXPECT_EQ(fs::canonical(shot.parent_path()), fs::canonical(dir / "tour"));
    detail::Surface s;
    EXPECT_TRUE(detail::LoadPng(shot.string(), s)) << shot;
    ++printed;
  }
  EXPECT_EQ(printed, 4);
}

TEST(WindowDemo, BadInputIsReportedClearly) {
  // A malformed line: named with its number, nothing runs, a non-zero exit code.
  const DemoRun bad = RunDemo("move 10 10\nwait 2\nclik left\n");
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_NE(bad.err.find("line 3"), std::string::npos) << bad.err;
  EXPECT_NE(bad.err.find("clik"), std::string::npos) << bad.err;
  EXPECT_FALSE(fs::exists(bad.dir / "report.txt"));
  for (const char* line : {"move 10\n", "wait soon\n", "keydown hyper\n", "press thumb\n",
                           "wheel\n", "shot\n", "key sc300\n"}) {
    const DemoRun r = RunDemo(line);
    EXPECT_EQ(r.exitCode, 2) << line;
    EXPECT_NE(r.err.find("line 1: "), std::string::npos) << line << r.err;
  }
  for (const std::string flag : {"--frames many", "--scale 0", "--scale 9", "--scale 2x"}) {
    const DemoRun r = RunDemo("", flag);
    EXPECT_EQ(r.exitCode, 2) << flag;
    EXPECT_NE(r.err.find(flag.substr(0, flag.find(' '))), std::string::npos) << r.err;
  }

  // A screenshot that cannot be written: an error naming it, and the run goes on.
  const DemoRun shot = RunDemo("shot script.txt/sub/a.png\nwait 1\nshot b.png\n");
  EXPECT_EQ(shot.exitCode, 0);
  EXPECT_NE(shot.err.find("script.txt/sub/a.png (script line 1)"), std::string::npos) << shot.err;
  EXPECT_TRUE(fs::exists(shot.dir / "b.png"));
  EXPECT_EQ(shot.report.at("end"), "script");
}

TEST(WindowDemo, RunsWithoutAPointerWhenMouseBmpIsMissing) {
  // A copy of the program alone in a directory: no Mouse.bmp here or beside it.
  const fs::path dir = TestDir();
  const fs::path program = dir / "window-demo";
  fs::copy_file(BEVEL_WINDOW_DEMO, program);
  const DemoRun r = RunDemo(Shot("nopointer.png"), "", program, dir);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("Mouse.bmp"), std::string::npos) << r.err;
  const detail::Surface s = r.Shot("nopointer.png");
  EXPECT_EQ(At(s, kRestX, kRestY), kLightGrey);
  EXPECT_EQ(At(s, kRestX + 1, kRestY + 3), kLightGrey);
}

// The pictures make-assets drew and the build put beside the program.
TEST(WindowDemo, AssetsLoadWithTheirTransparency) {
  const fs::path dir = fs::path(BEVEL_WINDOW_DEMO).parent_path();
  detail::Surface pointer, button, drive;
  ASSERT_TRUE(detail::LoadBmp((dir / "Mouse.bmp").string(), pointer));
  ASSERT_TRUE(detail::LoadBmp((dir / "ButtonSprite.bmp").string(), button));
  ASSERT_TRUE(detail::LoadPicture((dir / "Drive.ico").string(), drive));
  // The arrow's tip is the hot spot at (0, 0); black around it is the key.
  EXPECT_EQ(pointer.At(0, 0) & 0xFFFFFF, 0x010101u);
  EXPECT_EQ(pointer.At(pointer.width - 1, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(pointer.At(1, 2) & 0xFFFFFF, 0xFFFFFFu);
  // The sprite keeps a keyed border and has no pure black inside its picture.
  EXPECT_EQ(button.At(0, 0) & 0xFFFFFF, 0u);
  int visible = 0;
  for (const std::uint32_t p : button.pixels) visible += (p & 0xFFFFFF) != 0 ? 1 : 0;
  EXPECT_GT(visible, button.width * button.height / 3);
  // The icon: 16 x 16, transparent corners, opaque middle.
  EXPECT_EQ(drive.width, 16);
  EXPECT_EQ(drive.height, 16);
  EXPECT_TRUE(drive.alpha);
  EXPECT_EQ(drive.At(0, 0) >> 24, 0u);
  EXPECT_EQ(drive.At(8, 10) >> 24, 255u);
}

}  // namespace
}  // namespace bevel::testing
