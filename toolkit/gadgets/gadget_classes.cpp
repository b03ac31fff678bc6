// The per-type table of gadget behaviour.
#include "toolkit/gadgets/gadget_class.h"
#include "toolkit/render/renderers.h"

namespace bevel::detail {

// String and ComboBox, Date and Calendar draw with the text-entry and date renderers; until
// those exist their entries draw nothing.
const std::array<GadgetClass, kGadgetTypeCount + 1> kGadgetClasses = {{
    {"", nullptr},
    {"Button", RenderButton},
    {"CheckBox", RenderCheckBox},
    {"Option", RenderOption},
    {"Spin", RenderSpin},
    {"Text", RenderText},
    {"ColumnList", nullptr /*RenderColumnList*/},
    {"String", nullptr},
    {"ProgressBar", RenderProgressBar},
    {"ComboBox", nullptr},
    {"Frame3D", nullptr /*RenderFrame3D*/},
    {"TrackBar", nullptr /*RenderTrackBar*/},
    {"ScrollBar", nullptr /*RenderScrollBar*/},
    {"HyperLink", RenderHyperLink},
    {"ImageButton", RenderImageButton},
    {"Tree", nullptr /*RenderTree*/},
    {"TreeList", nullptr /*RenderTree*/},
    {"FileList", nullptr /*RenderColumnList*/},
    {"Date", nullptr},
    {"Calendar", nullptr},
}};
static_assert(kGadgetClasses.size() == kGadgetTypeCount + 1, "one entry per gadget type");

const GadgetClass* ClassOf(int type) {
  if (type < 1 || type > kGadgetTypeCount) return nullptr;
  return &kGadgetClasses[static_cast<std::size_t>(type)];
}

}  // namespace bevel::detail
