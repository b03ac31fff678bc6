// The file requesters: a FileList, a name field, a ComboBox of patterns, the accept button
// ("Öffnen" or "Speichern") and "Abbrechen", on the one modal loop.
//
// Size (inner, in pixels): W = 514, or the title's width + TitleExtra in the gadget font when
// wider; H = 352; both cut to the screen; h = the gadget font's line height.
//
//   accept button   W - 91, H - 50, 80 x 20     name field    11, H - 50, (W - 112) x 20
//   "Abbrechen"     W - 91, H - 26, 80 x 20     pattern box   11, H - h - 10, W - 112 wide
//   file list       11, 8, W - 22 wide, (H - 72) / 14 rows
//
// Every frame the gadgets follow the window's size, as in the message requester.
//
// What the accept button takes depends on where the name came from last (the name source):
//
//   source      set by                          the accept button (or Return)
//   kFromList   a list or pattern box event     the list's selection: a directory opens, a
//                                               file is chosen; nothing selected: nothing
//   kTyped      an edit of the name field       the typed name: a directory opens; else the
//                                               file in its directory, once that can be read
//   kReturn     Return in the name field        as kTyped, in the next frame
//
// A name field holding double quotes always counts as a multiple selection. A double click on a
// file leaves the choice pending while the button is held: it is taken when the button is let
// go where it went down, dropped when the mouse moves first.
#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/gadgets/file_list.h"
#include "toolkit/model/gadget.h"
#include "toolkit/model/requester_access.h"
#include "toolkit/requesters/modal_loop.h"
#include "toolkit/requesters/requester_text.h"

namespace bevel {
namespace {

constexpr int kWidth = 514, kHeight = 352;
constexpr int kLeastWidth = 200, kLeastHeight = 100;
constexpr int kButtonWidth = 80, kButtonHeight = 20, kFieldHeight = 20;
constexpr int kButtonLeft = 91;    // from the right edge
constexpr int kBesideField = 112;  // the field and the pattern box leave room for the buttons
constexpr int kUpperRise = 50, kLowerRise = 26;
constexpr int kMargin = 11, kListTop = 8;
constexpr int kBelowList = 72;  // the two rows of buttons and fields under the list
constexpr int kRowHeight = 14;
constexpr int kMostPatternRows = 10;
// Window flags that neither the name field nor the requester's window takes.
constexpr int kDroppedFlags = WINDOW_NO_BORDER | STRING_NUMERIC | STRING_PASSWORD |
                              STRING_LOWER_CASE | STRING_UPPER_CASE | WINDOW_NO_MAXIMIZE_BUTTON |
                              WINDOW_MINIMIZE_ENABLED | WINDOW_MAXIMIZE_ENABLED |
                              WINDOW_NO_MINIMIZE_BUTTON | STRING_MULTILINE | WINDOW_NO_TITLE_BAR;

constexpr char kOpen[] =
    "\xD6"
    "ffnen";
constexpr char kSave[] = "Speichern";
constexpr char kCancel[] = "Abbrechen";
constexpr char kNoPath[] =
    "\nPfad existiert nicht.\n\xDC"
    "berpr\xFC"
    "fen Sie, ob der Pfad richtig ist.";
constexpr char kInvalidName[] = "\nDer angegebene Dateiname ist ung\xFCltig.";
constexpr char kNotFound[] =
    "\nDatei konnte nicht gefunden werden.\n\xDC"
    "berpr\xFC"
    "fen Sie, ob der Dateiname richtig ist.";
constexpr char kReadOnly[] =
    "\nDie Datei besteht bereits mit Schreibschutz.\nVerwenden Sie einen anderen Dateinamen.";
constexpr char kReplace[] =
    " besteht bereits.\nM\xF6"
    "chten Sie sie ersetzen?";

struct Pattern {
  std::string_view name, pattern;
};

// Cut at every "|", the fields taken in pairs up to the first empty name; the first pair is
// always there.
std::vector<Pattern> SplitPatterns(std::string_view text) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t bar = text.find('|');
    fields.push_back(text.substr(0, bar));
    if (bar == std::string_view::npos) break;
    text.remove_prefix(bar + 1);
  }
  std::vector<Pattern> pairs;
  for (std::size_t i = 0; i < fields.size(); i += 2) {
    if (fields[i].empty() && !pairs.empty()) break;
    pairs.push_back({fields[i], i + 1 < fields.size() ? fields[i + 1] : std::string_view()});
  }
  return pairs;
}

// The length of a path's directory part: up to and including its last "/".
std::size_t DirectoryLength(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? 0 : slash + 1;
}

// A name as a user writes it, in the file system's terms: "\" is "/", a leading "~" the home
// directory.
std::string UserPath(std::string_view text) {
  std::string path(text);
  std::replace(path.begin(), path.end(), '\\', '/');
  if (!path.empty() && path[0] == '~' && (path.size() == 1 || path[1] == '/')) {
    const std::string home = HomeDirectory();
    if (!home.empty()) path = home + path.substr(std::min<std::size_t>(path.size(), 2));
  }
  return path;
}

// path seen from the directory base (absolute, ending in "/"), with its "." and ".." steps
// taken as the list's own ".." entry takes them: by the name alone.
std::string Absolute(std::string_view path, std::string_view base) {
  const std::string joined =
      !path.empty() && path[0] == '/' ? std::string(path) : std::string(base) + std::string(path);
  std::vector<std::string_view> steps;
  bool directory = true;
  for (std::string_view rest = joined; !rest.empty();) {
    const std::size_t slash = rest.find('/');
    const std::string_view step = rest.substr(0, slash);
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    directory = slash != std::string_view::npos || step == "." || step == "..";
    if (step == "..") {
      if (!steps.empty()) steps.pop_back();
    } else if (!step.empty() && step != ".") {
      steps.push_back(step);
    }
  }
  std::string result = "/";
  for (std::size_t i = 0; i < steps.size(); ++i) {
    result += steps[i];
    if (i + 1 < steps.size() || directory) result += '/';
  }
  return result;
}

bool Listable(const std::string& directory) {
  const int listing = OpenListing(ANY_NUMBER, directory, "");
  if (listing == 0) return false;
  CloseListing(listing);
  return true;
}

void ForgetSelectedFiles() {
  detail::SelectedFiles().clear();
  detail::SelectedFilePlace() = 0;
}

// One file requester's gadgets and what the user has done with them.
class FileDialog {
 public:
  struct Gadgets {
    int accept, cancel, list, field, box;
  };
  enum Source { kFromList, kTyped, kReturn };

  FileDialog(std::string_view title, const Gadgets& gadgets, bool save, int listFlags,
             std::vector<Pattern> patterns, int pattern, Source source)
      : title_(title),
        g_(gadgets),
        caption_(save ? kSave : kOpen),
        flags_(listFlags),
        patterns_(std::move(patterns)),
        pattern_(pattern),
        source_(source) {}

  detail::Verdict Frame(const detail::FrameEvents& events);
  const std::string& Chosen() const { return chosen_; }

 private:
  enum Choice { kNone, kChosen, kPending };

  void Attempt();
  void TakeSelection();
  void TakeQuoted(std::string_view names, const std::string& base);
  void TakeTyped(const std::string& name, const std::string& base);
  void Choose(std::string path, bool several);
  void ListEvent(bool doubleClicked);
  void OpenEntry(int index);
  void PatternEvent();
  std::string ListDirectory() const;
  void ShowDirectory(const std::string& directory);
  std::string FieldNames(int index) const;

  std::string title_;
  Gadgets g_;
  const char* caption_;
  int flags_;
  std::vector<Pattern> patterns_;
  int pattern_;
  Source source_;
  Choice choice_ = kNone;
  bool checked_ = false;  // the chosen path passed CheckChosenFile already
  int pressX_ = 0, pressY_ = 0;
  std::string chosen_;
};

detail::Verdict FileDialog::Frame(const detail::FrameEvents& events) {
  const int r = events.gadget;
  if (r == g_.cancel) return detail::Verdict::kCancelled;
  if (r == g_.field || r == g_.box || r == g_.list || r >= 1) SetGadgetText(g_.accept, caption_);
  if (r == g_.accept || source_ == kReturn) Attempt();
  if (source_ == kReturn) source_ = kTyped;
  if (r == g_.field) source_ = events.activated != 0 ? kReturn : kTyped;
  if (r == g_.box) {
    PatternEvent();
    source_ = kFromList;
  }
  if (r == g_.list) {
    ListEvent(events.activated != 0);
    source_ = kFromList;
  }
  if (choice_ == kPending) {
    if (MouseX() != pressX_ || MouseY() != pressY_) {
      choice_ = kNone;
    } else if (MouseButton(1) == 0) {
      Choose(chosen_, false);
    }
  }
  if (choice_ == kChosen && !checked_ && CheckChosenFile(title_, chosen_, flags_) == 0) {
    choice_ = kNone;
  }
  if (choice_ != kChosen) return detail::Verdict::kGoOn;
  choice_ = kNone;  // a callback refusing the answer leaves nothing chosen
  return detail::Verdict::kAnswered;
}

void FileDialog::Attempt() {
  const std::string names = GetGadgetText(g_.field);
  const bool quoted = names.find('"') != std::string::npos;
  if (!quoted && source_ == kFromList) {
    TakeSelection();
    return;
  }
  std::string base = ListDirectory();
  if (base.empty()) base = "/";  // the drives are shown: "/" is the first of them
  if (quoted) {
    TakeQuoted(names, base);
  } else {
    TakeTyped(UserPath(names), base);
  }
}

void FileDialog::TakeSelection() {
  const int index = GetGadgetState(g_.list);
  const int bits = detail::ItemBits(g_.list, index);
  if (index < 0 || (bits & ITEM_NAME_LOST) != 0) return;
  if (bits & ITEM_DIRECTORY) {
    OpenEntry(index);
  } else {
    Choose(GetGadgetText(g_.list), false);
  }
}

// Every name between a pair of double quotes, in its directory; the first refused one ends the
// scan with nothing chosen.
void FileDialog::TakeQuoted(std::string_view names, const std::string& base) {
  ForgetSelectedFiles();
  std::vector<std::string>& files = detail::SelectedFiles();
  for (std::size_t open = names.find('"'); open != std::string_view::npos;) {
    const std::size_t close = names.find('"', open + 1);
    if (close == std::string_view::npos) break;
    const std::string_view name = names.substr(open + 1, close - open - 1);
    if (!name.empty()) {
      std::string path = Absolute(UserPath(name), base);
      if (CheckChosenFile(title_, path, flags_) == 0) {
        files.clear();
        return;
      }
      files.push_back(std::move(path));
    }
    open = names.find('"', close + 1);
  }
  if (!files.empty()) Choose(files.front(), true);
}

// A directory opens; otherwise the file in its directory, which must be readable.
void FileDialog::TakeTyped(const std::string& name, const std::string& base) {
  if (name.empty()) return;
  const std::string asDirectory = Absolute(name.back() == '/' ? name : name + "/", base);
  if (Listable(asDirectory)) {
    ShowDirectory(asDirectory);
    return;
  }
  const std::size_t part = DirectoryLength(name);
  const std::string directory = Absolute(std::string_view(name).substr(0, part), base);
  if (!Listable(directory)) {
    InfoRequester(title_, (part != 0 ? name.substr(0, part) : directory) + kNoPath, "OK");
    return;
  }
  ShowDirectory(directory);
  if (part < name.size()) Choose(directory + name.substr(part), false);
}

// several: the first of a multiple selection, checked already; otherwise a single path, and any
// earlier selection of several is over.
void FileDialog::Choose(std::string path, bool several) {
  if (!several) ForgetSelectedFiles();
  chosen_ = std::move(path);
  checked_ = several;
  choice_ = kChosen;
}

void FileDialog::ListEvent(bool doubleClicked) {
  const int index = GetGadgetState(g_.list);
  const int bits = detail::ItemBits(g_.list, index);
  if (index < 0 || (bits & ITEM_NAME_LOST) != 0) return;
  if (bits & ITEM_DIRECTORY) {
    SetGadgetText(g_.accept, kOpen);
    // The list was told not to open entries itself, so that a directory it cannot read is
    // reported rather than turning the list into the drives.
    if (doubleClicked && (flags_ & FILES_NO_OPEN) == 0) OpenEntry(index);
    return;
  }
  SetGadgetText(g_.field, FieldNames(index));
  if (doubleClicked && MouseButton(1) != 0) {
    chosen_ = GetGadgetText(g_.list);
    checked_ = false;
    choice_ = kPending;
    pressX_ = MouseX();
    pressY_ = MouseY();
  }
}

// A directory, a drive or "..". A sub-directory that cannot be read is reported; when the
// list's own directory has vanished the list turns into the drives, as it does by itself.
void FileDialog::OpenEntry(int index) {
  const std::string directory = ListDirectory();
  const std::string name = GetItemText(g_.list, index);
  if (!directory.empty() && name != "..") {
    const std::string target = directory + name + "/";
    if (!Listable(target)) {
      if (Listable(directory)) {
        InfoRequester(title_, target + kNoPath, "OK");
      } else {
        SetGadgetText(g_.list, directory);
      }
      return;
    }
  }
  SetItemState(g_.list, index, ITEM_REQUEST_OPEN);
}

// Reads the directory again only for another pattern: a click that leaves it is no reason to
// read a large directory anew.
void FileDialog::PatternEvent() {
  const int index = GetGadgetState(g_.box);
  if (index < 0 || index >= static_cast<int>(patterns_.size()) || index == pattern_) return;
  pattern_ = index;
  detail::SetFileListPath(g_.list, ListDirectory(),
                          patterns_[static_cast<std::size_t>(index)].pattern);
}

// The list's directory ("" for the drives): its text less the selected item's.
std::string FileDialog::ListDirectory() const {
  const std::string text = GetGadgetText(g_.list);
  const std::string item = GetItemText(g_.list, GetGadgetState(g_.list));
  return text.substr(0, text.size() - std::min(item.size(), text.size()));
}

void FileDialog::ShowDirectory(const std::string& directory) {
  if (directory != ListDirectory()) SetGadgetText(g_.list, directory);
}

// The selected file's name; with FILE_MULTIPLE and two or more files selected, every selected
// file's name in double quotes, each followed by a blank.
std::string FileDialog::FieldNames(int index) const {
  if (flags_ & FILE_MULTIPLE) {
    std::string names;
    int count = 0;
    const int items = CountGadgetItems(g_.list);
    for (int i = 0; i < items; ++i) {
      const int bits = detail::ItemBits(g_.list, i);
      if ((bits & ITEM_SELECTED) == 0 || (bits & (ITEM_DIRECTORY | ITEM_NAME_LOST)) != 0) continue;
      names += '"' + GetItemText(g_.list, i) + "\" ";
      ++count;
    }
    if (count >= 2) return names;
  }
  return GetItemText(g_.list, index);
}

}  // namespace

std::string FileRequester(std::string_view title, std::string_view defaultFile,
                          std::string_view patterns, int patternIndex, int windowFlags,
                          int listFlags, TextRequesterCallback callback) {
  using namespace detail;
  ForgetSelectedFiles();
  const bool save = (windowFlags & FILE_REQUESTER_SAVE) != 0;
  const int flags = windowFlags & ~(FILE_REQUESTER_SAVE | kDroppedFlags);
  listFlags &= ~LIST_MULTI_SELECT;
  listFlags &=
      save ? ~(FILE_MUST_EXIST | FILE_MULTIPLE) : ~(FILE_REFUSE_READONLY | FILE_ASK_REPLACE);

  std::vector<Pattern> choices = SplitPatterns(patterns);
  const int count = static_cast<int>(std::min<std::size_t>(choices.size(), 0x7fffffff));
  if (patternIndex < 0 || patternIndex >= count) patternIndex = 0;
  const std::string start = UserPath(defaultFile);
  const std::size_t directoryLength = DirectoryLength(start);

  int width = Fit(kWidth, RoomWidth(), kLeastWidth), lineHeight = 0;
  std::string shownTitle(title);
  if (MeasureSession measure; measure.Ready()) {
    shownTitle = FitTitle(title, flags);
    SetDrawFont(GadgetSchemeFont());
    const int wanted = shownTitle.empty() ? 0 : TextWidth(shownTitle) + TitleExtra(flags);
    width = Fit(std::max(wanted, kWidth), RoomWidth(), kLeastWidth);
    lineHeight = TextHeight(" ");
  }
  const int height = Fit(kHeight, RoomHeight(), kLeastHeight);

  RequesterCallback ask;
  if (callback) ask = [&callback](int kind, int value) { return callback(kind, value, ""); };
  ModalRequester requester(shownTitle, width, height, flags, std::move(ask));
  FileDialog::Gadgets g{};
  g.accept = requester.NewGadgetNumber();
  CreateButton(g.accept, width - kButtonLeft, height - kUpperRise, kButtonWidth, kButtonHeight,
               save ? kSave : kOpen, GADGET_INTERNAL);
  g.cancel = requester.NewGadgetNumber();
  CreateButton(g.cancel, width - kButtonLeft, height - kLowerRise, kButtonWidth, kButtonHeight,
               kCancel, GADGET_INTERNAL);
  g.list = requester.NewGadgetNumber();
  CreateFileList(g.list, kMargin, kListTop, width - 2 * kMargin, (height - kBelowList) / kRowHeight,
                 "", listFlags | FILES_NO_OPEN | GADGET_INTERNAL);
  SetFileListPath(g.list, std::string_view(start).substr(0, directoryLength),
                  choices[static_cast<std::size_t>(patternIndex)].pattern);
  g.field = requester.NewGadgetNumber();
  CreateString(g.field, kMargin, height - kUpperRise, width - kBesideField, kFieldHeight,
               std::string_view(start).substr(directoryLength), -1, flags | GADGET_INTERNAL);
  SetGadgetState(g.field, -2);  // focused, the caret after the text
  g.box = requester.NewGadgetNumber();
  CreateComboBox(g.box, kMargin, height - lineHeight - 10, width - kBesideField,
                 std::min(count, kMostPatternRows), GADGET_INTERNAL);
  for (const Pattern& choice : choices) AddGadgetItem(g.box, -1, choice.name);
  SetGadgetState(g.box, patternIndex);
  requester.Opened();

  // A default name is taken as typed: the accept button saves (or opens) it at once.
  const auto source = directoryLength < start.size() ? FileDialog::kTyped : FileDialog::kFromList;
  FileDialog dialog(title, g, save, listFlags, std::move(choices), patternIndex, source);
  const auto layout = [&](int w, int h) {
    ResizeGadget(g.accept, w - kButtonLeft, h - kUpperRise, KEEP_VALUE, KEEP_VALUE);
    ResizeGadget(g.cancel, w - kButtonLeft, h - kLowerRise, KEEP_VALUE, KEEP_VALUE);
    ResizeGadget(g.list, KEEP_VALUE, KEEP_VALUE, w - 2 * kMargin, KEEP_VALUE);
    ResizeGadget(g.field, KEEP_VALUE, h - kUpperRise, w - kBesideField, KEEP_VALUE);
    ResizeGadget(g.box, KEEP_VALUE, h - lineHeight - 10, w - kBesideField, KEEP_VALUE);
  };
  const auto own = [&](const FrameEvents& events) { return dialog.Frame(events); };
  const auto accept = [&] {
    return !callback || callback(REQUESTER_ANSWER, 0, dialog.Chosen()) != 0;
  };
  if (requester.Run(layout, own, accept)) return dialog.Chosen();
  ForgetSelectedFiles();
  return "";
}

std::string OpenFileRequester(std::string_view title, std::string_view defaultFile,
                              std::string_view patterns, int patternIndex, int windowFlags,
                              int listFlags) {
  return FileRequester(title, defaultFile, patterns, patternIndex,
                       windowFlags & ~FILE_REQUESTER_SAVE, listFlags, {});
}

std::string SaveFileRequester(std::string_view title, std::string_view defaultFile,
                              std::string_view patterns, int patternIndex, int windowFlags,
                              int listFlags) {
  return FileRequester(title, defaultFile, patterns, patternIndex,
                       windowFlags | FILE_REQUESTER_SAVE, listFlags, {});
}

std::string NextChosenFile() {
  std::vector<std::string>& files = detail::SelectedFiles();
  std::size_t& place = detail::SelectedFilePlace();
  if (place + 1 < files.size()) return files[++place];
  place = files.size();
  return "";
}

int CheckChosenFile(std::string_view title, std::string_view path, int listFlags) {
  const std::string file(path.substr(DirectoryLength(path)));
  if (IsValidFileName(file) == 0) {
    InfoRequester(title, file + kInvalidName, "OK");
    return 0;
  }
  const std::string full(path);
  // A directory is no file.
  const bool exists = FileSize(full) >= 0;
  if (!exists && (listFlags & FILE_MUST_EXIST) != 0) {
    InfoRequester(title, full + kNotFound, "OK");
    return 0;
  }
  if (exists && (listFlags & FILE_REFUSE_READONLY) != 0 && FileWritable(full) == 0) {
    InfoRequester(title, full + kReadOnly, "OK");
    return 0;
  }
  if (exists && (listFlags & FILE_ASK_REPLACE) != 0) {
    return InfoRequester(title, full + kReplace, "Ja\nNein") == 1 ? 1 : 0;
  }
  return 1;
}

}  // namespace bevel
