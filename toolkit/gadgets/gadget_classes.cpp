// The per-type table of gadget behaviour.
#include "toolkit/gadgets/gadget_class.h"
#include "toolkit/core/press_handling.h"
#include "toolkit/render/renderers.h"

namespace bevel::detail {

// String and ComboBox, Date and Calendar draw with the text-entry and date renderers; until
// those exist their entries draw nothing. Text and Frame3D never take a press; a ProgressBar
// takes it and does nothing.
const std::array<GadgetClass, kGadgetTypeCount + 1> kGadgetClasses = {{
    //  name           render              press           release           update
    {"", nullptr, nullptr, nullptr, nullptr},
    {"Button", RenderButton, PressButton, ReleaseButton, nullptr},
    {"CheckBox", RenderCheckBox, PressCheckBox, ReleaseCheckBox, nullptr},
    {"Option", RenderOption, PressCheckBox, ReleaseCheckBox, nullptr},
    {"Spin", RenderSpin, PressSpin, ReleaseIdle, nullptr},
    {"Text", RenderText, nullptr, nullptr, nullptr},
    {"ColumnList", RenderColumnList, PressList, ReleaseList, nullptr},
    {"String", nullptr, PressString, nullptr, nullptr},
    {"ProgressBar", RenderProgressBar, nullptr, nullptr, nullptr},
    {"ComboBox", nullptr, PressComboBox, ReleaseDropDown, nullptr},
    {"Frame3D", RenderFrame3D, nullptr, nullptr, nullptr},
    {"TrackBar", RenderTrackBar, PressTrackBar, ReleaseTrackBar, nullptr},
    {"ScrollBar", RenderScrollBar, PressScrollBar, ReleaseScrollBar, nullptr},
    {"HyperLink", RenderHyperLink, PressHyperLink, ReleaseIdle, nullptr},
    {"ImageButton", RenderImageButton, PressButton, ReleaseButton, nullptr},
    {"Tree", RenderTree, PressTree, ReleaseTree, nullptr},
    {"TreeList", RenderTree, PressTree, ReleaseTree, nullptr},
    {"FileList", RenderColumnList, PressList, ReleaseList, nullptr},
    {"Date", nullptr, PressDate, ReleaseDropDown, nullptr},
    {"Calendar", nullptr, PressCalendar, ReleaseIdle, nullptr},
}};
static_assert(kGadgetClasses.size() == kGadgetTypeCount + 1, "one entry per gadget type");

const GadgetClass* ClassOf(int type) {
  if (type < 1 || type > kGadgetTypeCount) return nullptr;
  return &kGadgetClasses[static_cast<std::size_t>(type)];
}

}  // namespace bevel::detail
