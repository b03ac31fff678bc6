// The FileList gadget's directory reading, pattern matching, drives and navigation.
#pragma once

#include <string_view>

#include "toolkit/model/gadget.h"

namespace bevel::detail {

// Reads the directory `text` into the items (or the drives when `text` is "").
void FillFileList(Gadget& g);
// Opens the entry at index: a drive, "..", or a sub-directory; a file or an entry whose name
// leads elsewhere (ITEM_NAME_LOST) changes nothing.
void OpenFileListEntry(Gadget& g, int index);
// 1 when name matches one of the ";"-separated wildcard patterns, 0 when not, 2 when the
// pattern string is empty. ASCII case is ignored; callers pass both in lower case so that the
// other letters of Windows-1252 match regardless of case too.
int MatchPattern(std::string_view name, std::string_view patterns);
// False for a name with a control byte: an item would show it as another text (LF breaks
// columns, other bytes below 32 are tabs and inline text codes).
bool ShowableName(std::string_view name);
// Sets a FileList's directory (its directory part; "" the drives) and pattern and fills it once.
// Nothing for another gadget or a missing number.
void SetFileListPath(int number, std::string_view directory, std::string_view pattern);
// Rebuilds the toolkit's drive list from the mounted file systems.
void ReadDrives();

}  // namespace bevel::detail
