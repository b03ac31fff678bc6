// Sizing a requester from its texts: lines, widths in the default fonts, and the fit to the
// screen.
//
// Widths are measured in a MeasureSession, as the gadgets and the window frame will draw them.
// A requester is never wider or taller than the screen: what does not fit is cut, the title so
// that the window frame (which grows to fit its title) stays on the screen too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "services/services.h"

namespace bevel::detail {

// The pieces of a text between line feeds; an empty text is one empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// A drawing session on the back buffer for measuring, text drawn transparently. The caller's
// session (a requester opened from inside a frame) is back when it ends. Without a screen
// nothing can be measured: the session is not ready.
class MeasureSession {
 public:
  MeasureSession();
  ~MeasureSession();
  MeasureSession(const MeasureSession&) = delete;
  MeasureSession& operator=(const MeasureSession&) = delete;
  bool Ready() const { return ready_; }

 private:
  DrawingState saved_;
  bool ready_ = false;
};

// In the current font: the widest non-empty line + 22, 0 when every line is empty.
int WidestLine(std::string_view text);
// Each line cut to at most `width` pixels in the current font.
std::string CutLines(std::string_view text, int width);
// What a title takes beside its own width: margins and the title-bar buttons the flags ask for.
int TitleExtra(int flags);
// The title cut so that it fits the screen with every title-bar button the flags allow; sets the
// window font.
std::string FitTitle(std::string_view title, int flags);

// The largest inner size of a requester window on the screen (border and title bar aside);
// without a screen, no limit.
int RoomWidth();
int RoomHeight();
// wanted, but no more than room and no less than least.
int Fit(long long wanted, int room, int least);

}  // namespace bevel::detail
