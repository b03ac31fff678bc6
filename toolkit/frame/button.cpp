// Button and ImageButton. A click completes on release: the press only arms the button, the
// update step reports it in the first frame without a held button. A toggle button keeps its
// on/off state in bit 2:
//
//   state before the press   0   2
//   while held over it       1   3
//   released elsewhere       0   2   (the press is cancelled, on/off stays)
//   released over it         2   0   (reported, EVENT_CLICK)
#include "services/services.h"
#include "toolkit/frame/behaviour.h"
#include "toolkit/toolkit.h"

namespace bevel::detail {

void PressButton(Gadget& g, const FrameInput&) {
  if (!Ask(g, EVENT_PRESS)) return;
  if (g.flags & BUTTON_TOGGLE) {
    ArmToggle(g);
  } else {
    g.state = 1;
  }
}

void ReleaseButton(Gadget& g) {
  if (g.flags & BUTTON_TOGGLE) {
    DisarmToggle(g);
  } else {
    g.state = 0;
  }
}

// The state changes before EVENT_CLICK is sent, so a handler reading the gadget sees the result.
void UpdateButton(Gadget& g, const FrameInput&) {
  if (g.flags & BUTTON_TOGGLE) {
    if (g.state != 1 && g.state != 3) return;
    SetEvent(g);
    g.state = g.state == 1 ? 2 : 0;
  } else {
    if (g.state != 1) return;
    SetEvent(g);
    g.state = 0;
  }
  Ask(g, EVENT_CLICK);
}

// The picture is a sprite, blitted with its colour key after the drawing session, centred and
// moved with the pressed face.
void DrawImageButtonSprite(const Gadget& g, int originX, int originY) {
  const int sprite = g.hoverColour;
  if (!SpriteExists(sprite)) return;
  const int p = g.state >= 1 ? 1 : 0;
  BlitSpriteKeyed(sprite, originX + g.x + (g.width - SpriteWidth(sprite)) / 2 + p,
                  originY + g.y + (g.height - SpriteHeight(sprite)) / 2 + p);
}

}  // namespace bevel::detail
