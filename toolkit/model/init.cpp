// Toolkit state, initialisation and the default-colour commands.
#include "toolkit/model/coordinates.h"
#include "toolkit/model/requester_access.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

constexpr int kFontSize = 10;
constexpr char kFontFamily[] = "MS Sans Serif";

void SetSchemeSlot(ColorScheme& scheme, int slot, int value) {
  const int index = SlotIndex(slot);
  if (index >= 0) scheme[index] = value;
}

}  // namespace

ToolkitState& Toolkit() {
  static ToolkitState state;
  return state;
}

void InitToolkit() {
  ToolkitState& tk = Toolkit();
  // Starting over inside a frame would free records the frame still holds.
  if (tk.FrameDepth > 0) return;
  // A second call starts over with fresh lists rather than leaving the old records behind.
  if (tk.SpectrumImage != 0) ReleaseImage(tk.SpectrumImage);
  tk = ToolkitState{};
  tk.TreeTable.assign(258, 0);

  const int font = LoadFont(ANY_NUMBER, kFontFamily, kFontSize);
  const int bold = LoadFont(ANY_NUMBER, kFontFamily, kFontSize, FONT_BOLD);
  //                 spare  light     text  face      shadow    highlight selection font
  tk.GadgetScheme = {0, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x808080, 0xFFFFFF, 0x800000, font};
  tk.WindowScheme = {0, 0x808080, 0x000000, 0xC0C0C0, 0xC0C0C0, 0xFFFFFF, 0x800000, bold};
  tk.MenuScheme = {0, 0, 0x000000, 0xC0C0C0, 0x808080, 0xFFFFFF, 0x800000, font};
}

void SetGadgetDefaultColor(int slot, int value) {
  SetSchemeSlot(Toolkit().GadgetScheme, slot, value);
}
void SetWindowDefaultColor(int slot, int value) {
  SetSchemeSlot(Toolkit().WindowScheme, slot, value);
}
void SetMenuDefaultColor(int slot, int value) {
  SetSchemeSlot(Toolkit().MenuScheme, slot, value);
}

void SetColorSlot(int slot, int value, ColorScheme* block) {
  SetSchemeSlot(block ? *block : Toolkit().GadgetScheme, slot, value);
}

void SetScreenSize(int width, int height, int pointerSprite) {
  ToolkitState& tk = Toolkit();
  tk.ScreenWidth = detail::ClampExtent(width);
  tk.ScreenHeight = detail::ClampExtent(height);
  tk.PointerSprite = pointerSprite;
  tk.LastFrameTick = TickCount();
}

void SetTabWidth(int pixels) {
  if (pixels > 0) Toolkit().TabWidth = pixels;
}

void SetEventCallback(EventCallback callback) {
  if (callback) Toolkit().HandlerList.push_back({std::move(callback), nullptr});
}

int CurrentGadgetListOwner() {
  const ToolkitState& tk = Toolkit();
  return tk.PendingWindow != 0 ? tk.PendingWindow : tk.ActiveWindow;
}

}  // namespace bevel
