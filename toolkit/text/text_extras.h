// The text field extras of SetTextFieldExtras: the clipboard commands and the undo history of
// String and editable ComboBox fields. The keyboard editor (key_editor.cpp) asks for the held
// command before anything else and records every change it makes.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/model/gadget.h"

namespace bevel::detail {

enum class TextCommand { kNone, kCopy, kCut, kPaste, kUndo, kRedo };

struct HeldCommand {
  TextCommand command = TextCommand::kNone;
  int keyCode = 0;  // the key announced for it
};

// The command the keys held in this frame ask for, among those the extras switched on;
// kNone while an Alt key is held.
HeldCommand HeldTextCommand();

// Carries out a command on a field being edited: `text` is its text (the editor's copy), the
// ends are the field's, clamped to the text by the caller; flags and maximum as the editor
// got them. The clipboard is read and written here.
void RunTextCommand(TextCommand command, Gadget& field, std::string& text, int flags, int maximum);

// The undo history's side of one editor call, with TEXT_FIELD_UNDO on. BeginEdit before the
// keys act drops a history that no longer fits `text` (changed from outside); EndEdit records
// the change from the history's text to `text` (typed: it came from a typed character, which
// may join the step before).
void BeginEdit(Gadget& field, std::string_view text);
void EndEdit(Gadget& field, std::string_view text, int anchorBefore, int caretBefore, bool typed);

}  // namespace bevel::detail
