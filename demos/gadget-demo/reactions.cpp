// gadget-demo's frame loop: the reaction to every gadget event, the window and menu events, the
// count-up of the progress bar and the spin, the event handler and the requesters' callbacks.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "demos/gadget-demo/gadget_demo.h"
#include "toolkit/toolkit.h"

namespace bevel::gadget_demo {
namespace {

// The "Ja/Nein" message, with inline codes for red letters, a grey highlight, a double
// underline and a blue letter.
constexpr const char* kLongMessage =
    "Dies ist ei\x18"
    "FF00005Wne s\x15"
    "808080CWehr lange Nachricht mit co\x13"
    "olen Effe\x17"
    "0000FFkte\nDazu noch die zweite Zeile";

// The progress bar and the spin count one step a frame up to their maximum.
constexpr int kCountUpFrames = 145;

struct LoopState {
  int counter = 0;        // frames counted up so far
  bool expanded = false;  // the last "Knoten" expanded the tree
  std::function<void(const std::string&)> log;
};

LoopState& Loop() {
  static LoopState state;
  return state;
}

void Log(int requester, const std::string& answer) {
  if (Loop().log) Loop().log("requester " + std::to_string(requester) + " " + answer);
}

// The input requester's check: a taller window, and no empty text.
int InputCheck(int kind, int value, std::string_view text) {
  if (kind == REQUESTER_OPENED) {
    ResizeWindow(value, KEEP_VALUE, KEEP_VALUE, KEEP_VALUE, WindowHeight(value) + 80);
  } else if (kind == REQUESTER_ANSWER) {
    if (!text.empty()) return 1;
    Log(kInput,
        "refused " + std::to_string(InfoRequester("Fehler", "Kein leeren String eingeben!", "OK")));
  }
  return 0;
}

// The complex message requester: a list of its own below the text. "Add" appends "neu" and
// keeps it open; "OK" needs a selection; selecting "Raus" (item 2) closes it.
int ListCallback(int kind, int value) {
  switch (kind) {
    case REQUESTER_OPENED:
      ResizeWindow(value, KEEP_VALUE, KEEP_VALUE, KEEP_VALUE, WindowHeight(value) + 80);
      CreateColumnList(kRequesterList, 10, 24, WindowWidth(value) - 20, 4, "", LIST_NO_HEADER);
      for (const char* item : {"Hallo 1", "Hallo 2", "Raus", "Hallo 4", "Hallo 5"}) {
        AddGadgetItem(kRequesterList, -1, item);
      }
      return 0;
    case REQUESTER_GADGET:
      return value == kRequesterList && GetGadgetState(kRequesterList) == 2 ? 1 : 0;
    case REQUESTER_ANSWER:
      if (value == 1) return GetGadgetState(kRequesterList) >= 0 ? 1 : 0;
      AddGadgetItem(kRequesterList, -1, "neu");
      return 0;
    default:
      return 0;
  }
}

void OpenWindow1() {
  if (OpenWindowEx(kWindow1, 170, 330, 300, 40,
                   "Wi\x16"
                   "0000FFndow 1",
                   WINDOW_NO_MAXIMIZE_BUTTON | WINDOW_MINIMIZE_ENABLED) == 0) {
    return;
  }
  SetWindowColor(kWindow1, COLOR_FACE, 0x808000);
  CreateHyperLink(kWindow1Link, 10, 10, 170, 20, "Dies ist ein Test-Window", 0x0000FF);
  CreateButton(kWindow1ShowWindow2, 190, 10, 100, 20, "Window 2");
}

// The colour requester, wide at once, starts from the colour the button shows (its caption, 0
// while it says "Color"); the colour chosen becomes the face of everything.
void ChooseColour() {
  const int chosen = ColorRequester(std::atoi(GetGadgetText(kColor).c_str()),
                                    COLOR_REQUESTER_EXPANDED | WINDOW_ESCAPE_CLOSES);
  Log(kColor, std::to_string(chosen));
  if (chosen == -1) return;
  SetGadgetDefaultColor(COLOR_FACE, chosen);
  SetWindowDefaultColor(COLOR_FACE, chosen);
  SetMenuDefaultColor(COLOR_FACE, chosen);
  SetGadgetText(kColor, std::to_string(chosen));
}

constexpr const char* kVexilPatterns = "Vexil-Dateien (*.vx)|*.vx|Alle Dateien (*.*)|*.*";

// The open requester starts where the OpenFile button's caption says (no directory: the drives)
// and takes several files; their paths, one a line, go into the text field.
void OpenFiles() {
  std::string chosen = OpenFileRequester(
      "\xD6"
      "ffne Datei...",
      GetGadgetText(kOpenFile), kVexilPatterns, 0, WINDOW_ESCAPE_CLOSES,
      FILES_SORTED | FILE_MULTIPLE);
  std::string lines, logged;
  for (; !chosen.empty(); chosen = NextChosenFile()) {
    lines += chosen + "\n";
    logged += " " + chosen;
  }
  SetGadgetText(kText, lines);
  Log(kOpenFile, logged.empty() ? logged : logged.substr(1));
}

// Expands every node of the tree, or collapses every one.
void ToggleTree() {
  LoopState& loop = Loop();
  loop.expanded = !loop.expanded;
  const int state = loop.expanded ? 0x4 : ITEM_REQUEST_COLLAPSE;
  for (int i = 0; i < CountGadgetItems(kTree); ++i) SetItemState(kTree, i, state);
}

// The reaction to the gadget that produced this frame's event; true when the program should end.
bool React(int event) {
  switch (event) {
    case kPlay:
      DisableGadget(kPlay, 1);
      DisableGadget(kStop, 0);
      SetItemState(kList, 4, 0x2);
      break;
    case kStop:
      DisableGadget(kPlay, 0);
      DisableGadget(kStop, 1);
      SetGadgetText(kPlay, "Haha");
      break;
    case kList:
      SetGadgetText(kText, std::to_string(GetGadgetState(kList)));
      if (GadgetActivated(kList) != 0) {
        Log(kList, std::to_string(MessageRequester("Doppelklick...", "...mit der linken Maustaste",
                                                   "OK", WINDOW_ESCAPE_CLOSES)));
      }
      break;
    case kAdd:
      AddGadgetItem(kList, -1, "New Item Added...");
      break;
    case kRemove:
      RemoveGadgetItem(kList, GetGadgetState(kList));
      break;
    case kSelect:
      SetGadgetText(kText, GetItemText(kList, GetGadgetState(kList)));
      break;
    case kQuitButton:
      Log(kQuitButton,
          std::to_string(MessageRequester("Info", "Dies ist eine Nachricht", "OK", 0)));
      return true;
    case kMessageYesNo:
      Log(kMessageYesNo,
          std::to_string(MessageRequester("Info", kLongMessage, "Ja\nNein", WINDOW_ESCAPE_CLOSES)));
      break;
    case kMessageEntries:
      Log(kMessageEntries, std::to_string(MessageRequester("Info", "Dies ist eine Nachricht",
                                                           "Eintrag 1\nEintrag 2", 0)));
      break;
    case kSpin:
      SetGadgetState(kProgress, GetGadgetState(kSpin));
      break;
    case kTrackBar:
    case kScrollBar:
      SetGadgetText(kText, std::to_string(GetGadgetState(event)));
      break;
    case kInput: {
      const std::string text =
          InputRequester("Info", "Eingabe...\nkein leerer String", GetGadgetText(kInput), 8,
                         WINDOW_ESCAPE_CLOSES, InputCheck);
      SetGadgetText(kInput, text);
      Log(kInput, text);
      break;
    }
    case kColor:
      ChooseColour();
      break;
    case kOpenFile:
      OpenFiles();
      break;
    case kSaveFile: {
      const std::string path = SaveFileRequester(
          "Speichere Datei...", GetGadgetText(kOpenFile), kVexilPatterns, 0, WINDOW_ESCAPE_CLOSES,
          FILES_SORTED | FILE_REFUSE_READONLY | FILE_ASK_REPLACE);
      SetGadgetText(kText, path);
      Log(kSaveFile, path);
      break;
    }
    case kKnoten:
      ToggleTree();
      break;
    case kWindow1Button:
      OpenWindow1();
      break;
    case kComplexMessage:
      Log(kComplexMessage, std::to_string(MessageRequesterEx(
                               "Komplexe Messagebox", "ListGadget:", "OK\nAdd", 0, ListCallback)));
      break;
    case kDate:
      SetGadgetText(kText, FormatDate("%dd.%mm.%yyyy, %hh:%ii", GetGadgetState(kDate)) + "\n" +
                               GetGadgetText(kDate));
      break;
    case kWindow1Link:
    case kWindow2CloseWindow1:
      CloseWindow(kWindow1);
      break;
    case kWindow1ShowWindow2:
      HideWindow(kWindow2, 0);
      break;
    case kWindow2Ok:
      HideWindow(kWindow2, 1);
      break;
    default:
      if (event >= kArtificialOption1 && event <= kArtificialOption3) {
        for (int n = kArtificialOption1; n <= kArtificialOption3; ++n) {
          if (n != event) SetGadgetState(n, 0);
        }
      }
      break;
  }
  return false;
}

}  // namespace

int EventHandler(Gadget* gadget, int kind, std::intptr_t item) {
  for (int n = kArtificialOption1; n <= kArtificialOption3; ++n) {
    if (gadget == GadgetRecord(n)) return kind == EVENT_PRESS && RecordState(gadget) != 0 ? 0 : 1;
  }
  if (gadget == GadgetRecord(kList)) {
    if (kind == EVENT_HEADER) {
      SetGadgetText(kText, "Wird sortiert nach Spalte " + std::to_string(item + 1));
    } else if (kind == EVENT_RIGHT_PRESS) {
      // The cell of the clicked column: the item's text holds one line per column.
      const std::string text = RecordItemText(gadget, static_cast<int>(item));
      std::size_t start = 0;
      for (int column = ClickedColumn(gadget); column > 0 && start != std::string::npos; --column) {
        start = text.find('\n', start);
        if (start != std::string::npos) ++start;
      }
      const std::string cell =
          start == std::string::npos ? "" : text.substr(start, text.find('\n', start) - start);
      SetGadgetText(kText, cell);
    }
  }
  return 1;
}

void ResetFrameLoop() {
  Loop().counter = 0;
  Loop().expanded = false;
}

void SetDemoLog(std::function<void(const std::string& line)> log) {
  Loop().log = std::move(log);
}

Frame DemoFrame() {
  ShowFrame();
  ClearScreen(0xC0C0C0);
  Frame end = PollWindowMessages() != 0 ? Frame::kClosed : Frame::kGoOn;
  const int event = GadgetEvent();
  if (React(event) && end == Frame::kGoOn) end = Frame::kQuitButton;
  if (WindowEvent() == WINDOW_EVENT_CLOSE && CurrentGadgetListOwner() == kWindow1) {
    CloseWindow(kWindow1);
  }
  // There is no menu 2, so the right button shows nothing: the call marks where a pop-up
  // menu would be shown.
  if (MouseButton(2) != 0 && OpenMenuNumber() == 0) ShowPopupMenu(2, -1, -1);
  if (MenuEvent() == kQuitMenuItem && end == Frame::kGoOn) end = Frame::kQuitMenu;
  LoopState& loop = Loop();
  if (loop.counter < kCountUpFrames) {
    ++loop.counter;
    SetGadgetState(kProgress, loop.counter);
    SetGadgetState(kSpin, loop.counter);
  }
  return end;
}

}  // namespace bevel::gadget_demo
