// The class rows: every gadget type's behaviour in one place. The behaviour of a row lives in the
// type's own file in this folder (behaviour.h lists them), its drawing in toolkit/render/.
#include "toolkit/frame/behaviour.h"
#include "toolkit/gadgets/gadget_rules.h"
#include "toolkit/model/gadget_class.h"
#include "toolkit/render/renderers.h"

namespace bevel::detail {
namespace {

constexpr unsigned kPress = CLASS_TAKES_PRESS;
constexpr unsigned kList = CLASS_TAKES_PRESS | CLASS_ITEMS | CLASS_ACTIVATES;
using S = StateMeaning;

}  // namespace

// clang-format off
const std::array<GadgetClass, kGadgetTypeCount + 1> kGadgetClasses = {{
  {"", 0, S::kNone, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
   nullptr, nullptr, nullptr, nullptr, nullptr},
  {"Button", kPress, S::kButton, ButtonFlags, nullptr, nullptr, nullptr,
   PressButton, ReleaseButton, UpdateButton, nullptr, nullptr, nullptr, nullptr,
   RenderButton, nullptr},
  {"CheckBox", kPress, S::kCheck, nullptr, nullptr, nullptr, nullptr,
   PressCheckBox, ReleaseCheckBox, UpdateCheckBox, nullptr, nullptr, nullptr, nullptr,
   RenderCheckBox, nullptr},
  {"Option", kPress, S::kOption, nullptr, nullptr, nullptr, nullptr,
   PressCheckBox, ReleaseCheckBox, UpdateOption, nullptr, nullptr, nullptr, nullptr,
   RenderOption, nullptr},
  {"Spin", kPress, S::kValue, nullptr, nullptr, nullptr, nullptr,
   PressSpin, ReleaseIdle, UpdateSpin, nullptr, nullptr, nullptr, nullptr,
   RenderSpin, nullptr},
  // Text and Frame3D never take a press.
  {"Text", 0, S::kNone, TextFlags, nullptr, nullptr, nullptr,
   nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
   RenderText, nullptr},
  {"ColumnList",
   kList | CLASS_RIGHT_BUTTON | CLASS_EDITABLE_ITEMS | CLASS_ITEM_STATES |
       CLASS_DISABLED_CLEARS_STATE,
   S::kSelection, ColumnListFlags, ColumnListHeight, nullptr, nullptr,
   PressList, ReleaseList, UpdateList, nullptr, nullptr, nullptr, nullptr,
   RenderColumnList, nullptr},
  {"String", kPress | CLASS_TEXT_FIELD | CLASS_DISABLED_CLEARS_STATE | CLASS_ACTIVATES,
   S::kCursor, StringFlags,
   nullptr, nullptr, nullptr,
   PressString, nullptr, UpdateString, TakesTextFocus, GainTextFocus, LoseTextFocus,
   StringKeepsKeyRepeat,
   RenderString, nullptr},
  // A ProgressBar takes a press and does nothing with it.
  {"ProgressBar", kPress, S::kValue, nullptr, nullptr, nullptr, nullptr,
   nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
   RenderProgressBar, nullptr},
  {"ComboBox", kList | CLASS_TEXT_FIELD | CLASS_EDITABLE_ITEMS | CLASS_DISABLED_CLEARS_STATE,
   S::kSelection,
   ComboBoxFlags, ListHeight, HitComboBox, PlaceComboList,
   PressComboBox, ReleaseDropDown, UpdateComboBox, ComboTakesFocus, GainTextFocus,
   ComboLosesFocus, ComboKeepsKeyRepeat,
   RenderComboBox, nullptr},
  {"Frame3D", 0, S::kNone, Frame3DFlags, nullptr, nullptr, nullptr,
   nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
   RenderFrame3D, nullptr},
  {"TrackBar", kPress, S::kValue, nullptr, nullptr, nullptr, nullptr,
   PressTrackBar, ReleaseTrackBar, UpdateTrackBar, nullptr, nullptr, nullptr, nullptr,
   RenderTrackBar, nullptr},
  {"ScrollBar", kPress, S::kScrollValue, nullptr, nullptr, nullptr, nullptr,
   PressScrollBar, ReleaseScrollBar, UpdateScrollBar, nullptr, nullptr, nullptr, nullptr,
   RenderScrollBar, nullptr},
  {"HyperLink", kPress | CLASS_ACTIVATED_IS_EXTRA, S::kNone, TextFlags, nullptr, nullptr,
   nullptr,
   PressHyperLink, ReleaseIdle, UpdateHyperLink, nullptr, nullptr, nullptr, nullptr,
   RenderHyperLink, nullptr},
  {"ImageButton", kPress | CLASS_ACTIVATED_IS_EXTRA, S::kButton, nullptr, nullptr, nullptr,
   nullptr,
   PressButton, ReleaseButton, UpdateButton, nullptr, nullptr, nullptr, nullptr,
   RenderImageButton, DrawImageButtonSprite},
  {"Tree", kList | CLASS_EDITABLE_ITEMS | CLASS_ITEM_STATES | CLASS_TREE, S::kSelection,
   nullptr, ListHeight, nullptr, nullptr,
   PressTree, ReleaseTree, UpdateTree, nullptr, nullptr, nullptr, nullptr,
   RenderTree, nullptr},
  // A Tree whose nodes are a directory tree; it has no creator of its own.
  {"TreeList",
   kPress | CLASS_ITEMS | CLASS_EDITABLE_ITEMS | CLASS_ITEM_STATES | CLASS_TREE, S::kNone,
   nullptr, nullptr, nullptr, nullptr,
   PressTree, ReleaseTree, UpdateTree, nullptr, nullptr, nullptr, nullptr,
   RenderTree, nullptr},
  {"FileList", kList | CLASS_RIGHT_BUTTON | CLASS_ITEM_STATES | CLASS_DISABLED_CLEARS_STATE,
   S::kSelection, nullptr, ListHeight, nullptr, nullptr,
   PressList, ReleaseList, UpdateList, nullptr, nullptr, nullptr, nullptr,
   RenderColumnList, nullptr},
  {"Date", kPress, S::kDate, DateFlags, nullptr, HitDate, PlaceCalendar,
   PressDate, ReleaseDropDown, UpdateDate, DateTakesFocus, DateGainsFocus, DateLosesFocus,
   DateKeepsKeyRepeat,
   RenderDate, nullptr},
  {"Calendar", kPress, S::kDate, nullptr, nullptr, nullptr, nullptr,
   PressCalendar, ReleaseIdle, UpdateCalendar, nullptr, nullptr, nullptr, nullptr,
   RenderCalendar, nullptr},
}};
// clang-format on
static_assert(kGadgetClasses.size() == kGadgetTypeCount + 1, "one row per gadget type");

const GadgetClass& ClassOf(int type) {
  if (type < 1 || type > kGadgetTypeCount) return kGadgetClasses[0];
  return kGadgetClasses[static_cast<std::size_t>(type)];
}

}  // namespace bevel::detail
