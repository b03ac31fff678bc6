// The per-type table of gadget behaviour.
#include "toolkit/frame/press_handling.h"
#include "toolkit/frame/update_pass.h"
#include "toolkit/model/gadget_class.h"
#include "toolkit/render/renderers.h"

namespace bevel::detail {

// Date and Calendar draw with the date renderers; until those exist their entries draw
// nothing. Text and Frame3D never take a press; a ProgressBar
// takes it and does nothing.
const std::array<GadgetClass, kGadgetTypeCount + 1> kGadgetClasses = {{
    //  name           render              press           release           update
    {"", nullptr, nullptr, nullptr, nullptr},
    {"Button", RenderButton, PressButton, ReleaseButton, UpdateButton},
    {"CheckBox", RenderCheckBox, PressCheckBox, ReleaseCheckBox, UpdateCheckBox},
    {"Option", RenderOption, PressCheckBox, ReleaseCheckBox, UpdateOption},
    {"Spin", RenderSpin, PressSpin, ReleaseIdle, UpdateSpin},
    {"Text", RenderText, nullptr, nullptr, nullptr},
    {"ColumnList", RenderColumnList, PressList, ReleaseList, UpdateList},
    {"String", RenderString, PressString, nullptr, UpdateString},
    {"ProgressBar", RenderProgressBar, nullptr, nullptr, nullptr},
    {"ComboBox", RenderComboBox, PressComboBox, ReleaseDropDown, UpdateComboBox},
    {"Frame3D", RenderFrame3D, nullptr, nullptr, nullptr},
    {"TrackBar", RenderTrackBar, PressTrackBar, ReleaseTrackBar, UpdateTrackBar},
    {"ScrollBar", RenderScrollBar, PressScrollBar, ReleaseScrollBar, UpdateScrollBar},
    {"HyperLink", RenderHyperLink, PressHyperLink, ReleaseIdle, UpdateHyperLink},
    {"ImageButton", RenderImageButton, PressButton, ReleaseButton, UpdateButton},
    {"Tree", RenderTree, PressTree, ReleaseTree, UpdateTree},
    {"TreeList", RenderTree, PressTree, ReleaseTree, UpdateTree},
    {"FileList", RenderColumnList, PressList, ReleaseList, UpdateList},
    {"Date", nullptr, PressDate, ReleaseDropDown, UpdateDate},
    {"Calendar", nullptr, PressCalendar, ReleaseIdle, UpdateCalendar},
}};
static_assert(kGadgetClasses.size() == kGadgetTypeCount + 1, "one entry per gadget type");

const GadgetClass* ClassOf(int type) {
  if (type < 1 || type > kGadgetTypeCount) return nullptr;
  return &kGadgetClasses[static_cast<std::size_t>(type)];
}

}  // namespace bevel::detail
