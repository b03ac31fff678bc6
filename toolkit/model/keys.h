// The modifier keys as the toolkit reads them: either key of a pair counts.
#pragma once

#include "services/services.h"
#include "toolkit/toolkit.h"

namespace bevel::detail {

inline bool ShiftHeld() {
  return KeyPushed(KEY_LEFT_SHIFT) != 0 || KeyPushed(KEY_RIGHT_SHIFT) != 0;
}
inline bool CtrlHeld() {
  return KeyPushed(KEY_LEFT_CTRL) != 0 || KeyPushed(KEY_RIGHT_CTRL) != 0;
}
inline bool AltHeld() {
  return KeyPushed(KEY_LEFT_ALT) != 0 || KeyPushed(KEY_RIGHT_ALT) != 0;
}

}  // namespace bevel::detail
