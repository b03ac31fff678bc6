// Sizing a requester from its texts.
#include "toolkit/requesters/requester_text.h"

#include <algorithm>
#include <climits>

#include "toolkit/model/requester_access.h"
#include "toolkit/toolkit.h"

namespace bevel::detail {
namespace {

constexpr int kBorders = 2 * 2;
constexpr int kFrameHeight = 2 * 2 + 20;  // borders and title bar
constexpr int kLineMargin = 22;

// The longest prefix no wider than `width`: found by halving, the widths of prefixes grow with
// their length.
std::string_view CutToWidth(std::string_view text, int width) {
  if (CodedTextWidth(text) <= width) return text;
  std::size_t fits = 0, tooWide = text.size();
  while (tooWide - fits > 1) {
    const std::size_t middle = fits + (tooWide - fits) / 2;
    if (CodedTextWidth(text.substr(0, middle)) <= width) {
      fits = middle;
    } else {
      tooWide = middle;
    }
  }
  return text.substr(0, fits);
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (;;) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return lines;
    text.remove_prefix(end + 1);
  }
}

MeasureSession::MeasureSession() : saved_(CurrentDrawing()) {
  ready_ = BeginDrawing(BackBufferTarget()) != 0;
  if (ready_) SetDrawMode(DRAW_TRANSPARENT);
}

MeasureSession::~MeasureSession() {
  if (ready_) EndDrawing();
  ResumeDrawing(saved_);
}

int WidestLine(std::string_view text) {
  int widest = 0;
  for (const std::string_view line : SplitLines(text)) {
    if (!line.empty()) widest = std::max(widest, CodedTextWidth(line) + kLineMargin);
  }
  return widest;
}

std::string CutLines(std::string_view text, int width) {
  std::string cut;
  bool first = true;
  for (const std::string_view line : SplitLines(text)) {
    if (!first) cut += '\n';
    first = false;
    cut += CutToWidth(line, width);
  }
  return cut;
}

int TitleExtra(int flags) {
  int extra = 17;
  if (flags & (WINDOW_CLOSE_BUTTON | WINDOW_MINIMIZE_ENABLED)) extra += 18;
  if (flags & WINDOW_MINIMIZE_ENABLED) extra += 34;
  if (flags & WINDOW_NO_MAXIMIZE_BUTTON) extra -= 16;
  return extra;
}

std::string FitTitle(std::string_view title, int flags) {
  SetDrawFont(WindowSchemeFont());
  // The window frame's own rule for the room its title needs does not always take off what a
  // hidden maximise button saves: leave room as if it were shown.
  const int room = RoomWidth() - TitleExtra(flags & ~WINDOW_NO_MAXIMIZE_BUTTON);
  return std::string(CutToWidth(title, std::max(room, 0)));
}

int RoomWidth() {
  const int screen = ScreenPixelWidth();
  return screen > 0 ? screen - kBorders : INT_MAX;
}

int RoomHeight() {
  const int screen = ScreenPixelHeight();
  return screen > 0 ? screen - kFrameHeight : INT_MAX;
}

int Fit(long long wanted, int room, int least) {
  return std::max(static_cast<int>(std::min<long long>(wanted, room)), least);
}

}  // namespace bevel::detail
