// The renderer of each gadget type. DrawGadget opens nothing: it is called inside the frame's
// drawing session with the gadget's font selected, transparent text, and its absolute corner
// (x, y), face colour and text colour (the shadow colour when disabled).
//
// Renderers only draw; the few that must record what drawing found (the String caret's x, the
// Date's part texts, the Calendar's picked day) say so where they do it.
#pragma once

#include "toolkit/model/colours.h"
#include "toolkit/model/gadget.h"

namespace bevel {

void RenderButton(Gadget& g, int x, int y, int face, int text);
void RenderCheckBox(Gadget& g, int x, int y, int face, int text);
void RenderOption(Gadget& g, int x, int y, int face, int text);
void RenderSpin(Gadget& g, int x, int y, int face, int text);
void RenderText(Gadget& g, int x, int y, int face, int text);
void RenderColumnList(Gadget& g, int x, int y, int face, int text);
void RenderProgressBar(Gadget& g, int x, int y, int face, int text);
void RenderFrame3D(Gadget& g, int x, int y, int face, int text);
void RenderTrackBar(Gadget& g, int x, int y, int face, int text);
void RenderScrollBar(Gadget& g, int x, int y, int face, int text);
void RenderHyperLink(Gadget& g, int x, int y, int face, int text);
void RenderImageButton(Gadget& g, int x, int y, int face, int text);
void RenderTree(Gadget& g, int x, int y, int face, int text);
// String and ComboBox also place a pending pick point as the caret and keep the caret blink;
// the String keeps its scroll on the caret and its caret column in pickX.
void RenderString(Gadget& g, int x, int y, int face, int text);
void RenderComboBox(Gadget& g, int x, int y, int face, int text);
// The Date also rebuilds its part texts (extraText), sets the type of the part under edit and
// selects the part a pending click (pickX) lies in; its open calendar is drawn with it.
void RenderDate(Gadget& g, int x, int y, int face, int text);
void RenderCalendar(Gadget& g, int x, int y, int face, int text);

namespace detail {

// The month sheet of gadget g's date centred in the rectangle (x, y, w, h): a Calendar's face
// and a Date's open drop-down.
void DrawCalendar(const Gadget& g, int x, int y, int w, int h, int face, int text);

}  // namespace detail

}  // namespace bevel
