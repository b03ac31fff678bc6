// The per-type table of gadget behaviour.
#include "toolkit/gadgets/gadget_class.h"
#include "toolkit/render/renderers.h"

namespace bevel::detail {

// String and ComboBox, Date and Calendar draw with the text-entry and date renderers; until
// those exist their entries draw nothing. Text and Frame3D never take a press; a ProgressBar
// takes it and does nothing.
const std::array<GadgetClass, kGadgetTypeCount + 1> kGadgetClasses = {{
    //  name           render              press           release           update
    {"", nullptr, nullptr, nullptr, nullptr},
    {"Button", RenderButton, nullptr, nullptr, nullptr},
    {"CheckBox", RenderCheckBox, nullptr, nullptr, nullptr},
    {"Option", RenderOption, nullptr, nullptr, nullptr},
    {"Spin", RenderSpin, nullptr, nullptr, nullptr},
    {"Text", RenderText, nullptr, nullptr, nullptr},
    {"ColumnList", nullptr, nullptr, nullptr, nullptr},
    {"String", nullptr, nullptr, nullptr, nullptr},
    {"ProgressBar", RenderProgressBar, nullptr, nullptr, nullptr},
    {"ComboBox", nullptr, nullptr, nullptr, nullptr},
    {"Frame3D", nullptr, nullptr, nullptr, nullptr},
    {"TrackBar", nullptr, nullptr, nullptr, nullptr},
    {"ScrollBar", nullptr, nullptr, nullptr, nullptr},
    {"HyperLink", RenderHyperLink, nullptr, nullptr, nullptr},
    {"ImageButton", RenderImageButton, nullptr, nullptr, nullptr},
    {"Tree", nullptr, nullptr, nullptr, nullptr},
    {"TreeList", nullptr, nullptr, nullptr, nullptr},
    {"FileList", nullptr, nullptr, nullptr, nullptr},
    {"Date", nullptr, nullptr, nullptr, nullptr},
    {"Calendar", nullptr, nullptr, nullptr, nullptr},
}};
static_assert(kGadgetClasses.size() == kGadgetTypeCount + 1, "one entry per gadget type");

const GadgetClass* ClassOf(int type) {
  if (type < 1 || type > kGadgetTypeCount) return nullptr;
  return &kGadgetClasses[static_cast<std::size_t>(type)];
}

}  // namespace bevel::detail
