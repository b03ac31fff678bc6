// The Date gadget's share of the keyboard editor: digits, Backspace, Delete, the arrows, Home
// and End acting on the selected date part.
//
// Date part editing arrives with the date entry work. Until then a focused Date takes no
// typed digit and no part command here; Enter and Tab already work through KeyEditor.
#include "toolkit/text/key_editor.h"

namespace bevel::detail {

DateKeyStep DateKeyEditor(const ScreenWindow* /*window*/, Gadget& /*date*/,
                          const KeyChar& /*typed*/) {
  return {};
}

}  // namespace bevel::detail
