// gadget-demo's start-up: fonts, pictures, the screen's menu, one gadget of every type with a
// creation command, window 2 and gadget 127's colours. The texts are Windows-1252 bytes; the
// inline text codes are written as escapes, each ending its literal so that the colour digits
// after it are not read as part of the escape.
#include <cstdio>
#include <string>

#include "demos/common/runner.h"
#include "demos/gadget-demo/gadget_demo.h"
#include "toolkit/toolkit.h"

namespace bevel::gadget_demo {
namespace {

constexpr int kGadgetFont = 1, kWindowFont = 2, kMenuFont = 3, kSymbolFont = 4;
constexpr int kPointerSprite = 1, kButtonSprite = 2, kIconImage = 1;

// Loads a picture from the working directory or from beside the program; the demo runs on
// without it (no pointer, a bare button, lists without icons) and says so.
template <typename Load>
void LoadPicture(const char* name, Load load) {
  const std::string file = demo::Runner::FindFile(name);
  if (file.empty() || load(file) == 0) {
    std::fprintf(stderr, "gadget-demo: no readable %s; running without it\n", name);
  }
}

// The menu bar of the screen: 25 steps, with a sub-menu inside a sub-menu, a shortcut, a
// disabled item, and a title that is disabled, renamed and ticked.
void BuildMenu() {
  if (CreateMenu(kMenu) == 0) return;
  AddMenuTitle("Titel");
  AddMenuItem(1, "Hallo");
  AddMenuTitle("Sub");
  AddMenuItem(2, "TT");
  AddMenuTitle("Was");
  AddMenuItem(3, "Ja");
  EndSubMenu();
  AddMenuItem(4, "Tach");
  EndSubMenu();
  AddMenuTitle("Bearbeiten");
  AddMenuItem(7, "Ein");
  MenuEntry* const off = AddMenuItem(8, "Aus");
  EndSubMenu();
  SetTabWidth(100);
  AddMenuItem(kQuitMenuItem, "Beenden\tStrg+B");
  AddShortcut(0, SHORTCUT_CTRL | KEY_B, kQuitMenuItem);
  AddMenuSeparator();
  AddMenuItem(6,
              "Do\x18"
              "FF00003W\x15"
              "00FF003Wch nicht");
  EndSubMenu();
  AddMenuTitle(
      "Bear\x0E"
      "beiten");
  AddMenuItem(9, "Hallo");
  MenuEntry* const notDisable = AddMenuTitle("NotDisable");
  AddMenuItem(10, "Das wirst du niemals sehen");
  EndSubMenu();
  EndSubMenu();
  DisableMenuItem(kMenu, 1, 1);
  DisableMenuEntry(off, 1);
  DisableMenuEntry(notDisable, 1);
  SetMenuItemText(notDisable, "Disable");
  SetMenuItemState(notDisable, 1);
}

void BuildList(int icon) {
  CreateColumnList(kList, 20, 60, 230, 11, "Test",
                   LIST_IMAGES | LIST_CHECKBOXES | LIST_ALWAYS_SCROLLBAR | LIST_EXTENDED_SELECT);
  AddColumn(kList, "Item-Spalte", 120);
  for (int i = 0; i <= 21; ++i) {
    AddGadgetItemData(kList, -1,
                      "Music Song n\xB0 " + std::to_string(i) + "\nItem " + std::to_string(i + 1),
                      icon);
  }
  for (int i = 1; i <= 21; i += 2) SetItemColor(kList, i, COLOR_LIGHT, 0xE1E1E1);
}

void BuildTree(int icon) {
  CreateTree(kTree, 160, 300, 150, 14, LIST_IMAGES);
  AddTreeItem(kTree, -1, "Hallo 1", icon, 0);
  AddTreeItem(kTree, -1,
              "Ha\x10"
              "ll\x19"
              "FF0000o 2",
              icon, 0);
  AddTreeItem(kTree, -1, "Hallo 3", icon, 1);
  for (int i = 4; i <= 14; ++i) AddTreeItem(kTree, -1, "Hallo " + std::to_string(i), icon, 0);
  struct Insert {
    int position;
    const char* text;
    int level;
  };
  constexpr Insert kInserts[] = {{4, "Hallo 17", 1}, {3, "Hallo 15", 1}, {4, "Hallo 16", 2},
                                 {5, "Hallo 20", 1}, {1, "Hallo 18", 1}, {2, "Hallo 19", 2}};
  for (const Insert& insert : kInserts) {
    AddTreeItem(kTree, insert.position, insert.text, icon, insert.level);
  }
}

// The gadgets in their order of creation, which decides the option groups (110 .. 112 and
// 115, 116) and the order of drawing.
void BuildGadgets(int icon) {
  CreateString(kText, 20, 10, 200, 46, "0123456789\nHalli Hallo Wie gehts denn", -1,
               STRING_MULTILINE);
  SetSelectionStart(kText, 4);
  SetCursor(kText, 14);
  CreateButton(kPlay, 223, 10, 72, 24, "Play", BUTTON_TOGGLE);
  CreateButton(kStop, 295, 10, 72, 24, "Stop", ALIGN_RIGHT);
  DisableGadget(kStop, 1);
  BuildList(icon);
  CreateButton(kAdd, 260, 60, 80, 24,
               "A\x17"
               "00FF00dd");
  CreateButton(kRemove, 260, 88, 80, 24,
               "Re\x18"
               "FFFFFF3W\x15"
               "0000FF3Wmove");
  SetGadgetColor(kRemove, COLOR_FONT, LoadFont(kSymbolFont, "Symbol", 8));
  CreateHyperLink(kSelect, 260, 116, 80, 24, "Select", 0x0000FF, ALIGN_CENTER);
  CreateImageButton(kQuitButton, 685, 561 - MenuBarHeight(), 100, 24, kButtonSprite);
  CreateProgressBar(kProgress, 400, 30, 150, 20, 0, 145);
  CreateOption(110, 400, 100, 150, 20, "Gruppe 1, Eintrag 1");
  CreateOption(111, 400, 120, 150, 20, "Gruppe 1, Eintrag 2");
  CreateOption(112, 400, 140, 150, 20, "Gruppe 1, Eintrag 3");
  CreateComboBox(kCombo, 400, 60, 150, 10, LIST_IMAGES | COMBO_EDITABLE);
  for (int i = 0; i <= 15; ++i) AddGadgetItemData(kCombo, -1, "Hallo " + std::to_string(i), icon);
  SetGadgetState(kCombo, 2);
  SetItemText(kCombo, 5,
              "\x19"
              "FF0000Hallo 5");
  CreateCheckBox(113, 400, 170, 150, 20, "CheckBox", 0);
  CreateCheckBox(114, 400, 190, 150, 20, "CheckBox Right", ALIGN_RIGHT);
  CreateOption(115, 400, 220, 150, 20, "Gruppe 2, Eintrag 1");
  CreateOption(116, 400, 240, 150, 20, "Gruppe 2, Eintrag 2");
  CreateButton(kMessageYesNo, 20, 240, 140, 20, "Message: Ja/Nein");
  CreateButton(kMessageEntries, 180, 240, 180, 20, "Message: Eintrag 1/Eintrag 2");
  CreateButton(kComplexMessage, 20, 270, 140, 20, "Komplexe Messagebox");
  CreateSpin(kSpin, 560, 30, 15, 20, 0, 145, 0);
  CreateTrackBar(kTrackBar, 20, 300, 25, 201, 0, 20, FLAG_TICKS | FLAG_VERTICAL);
  CreateScrollBar(kScrollBar, 100, 300, 20, 200, 1, 100, 20, FLAG_VERTICAL);
  CreateButton(kInput, 260, 210, 100, 20, "Input");
  CreateButton(kColor, 260, 190, 100, 20, "Color");
  CreateButton(kOpenFile, 260, 150, 100, 20, "OpenFile");
  CreateButton(kSaveFile, 260, 170, 100, 20, "SaveFile");
  BuildTree(icon);
  CreateButton(kKnoten, 260, 502, 50, 16, "Knoten");
  CreateButton(kWindow1Button, 580, 316, 100, 35, "Window 1\nMultiLineButton");
  CreateFrame3D(128, 570, 300, 120, 60, "TestFrame3D", 0);
  CreateText(133, 570, 360, 120, 40, "Halli Hallo\nwie geht's denn so", 0);
  CreateDate(kDate, 570, 410, 200, 20, "Datum: %dd.%mm.%yyyy  Zeit: %hh:%ii", 0);
  CreateCalendar(kCalendar, 570, 80, 0, 0);
  for (int n = kArtificialOption1; n <= kArtificialOption3; ++n) {
    CreateButton(n, 570, 450 + 20 * (n - kArtificialOption1), 150, 18,
                 "K\xFCnstlicher OptionGadget " + std::to_string(n - kArtificialOption1 + 1),
                 BUTTON_TOGGLE);
  }
  SetGadgetState(kArtificialOption1, 1);
  CreateFileList(kFileList, 320, 300, 240, 14, "*.vx", FILES_SORTED);
  DisableGadget(kDisabledOption, 1);
}

// Window 2 waits hidden until window 1's "Window 2" button shows it.
void BuildWindow2() {
  if (OpenWindow(kWindow2, 200, 30, 100, 70, "Window 2") == 0) return;
  CreateButton(kWindow2Ok, 10, 10, 80, 20, "OK");
  CreateButton(kWindow2CloseWindow1, 10, 40, 80, 20, "Close Window 1");
  HideWindow(kWindow2, 1);
}

}  // namespace

void InitDemo() {
  InitToolkit();
  InitColorRequester();
  InitFileIcons(1);
  SetGadgetDefaultColor(COLOR_FONT, LoadFont(kGadgetFont, "MS Sans Serif", 8));
  SetWindowDefaultColor(COLOR_FONT, LoadFont(kWindowFont, "MS Sans Serif", 8, FONT_BOLD));
  SetMenuDefaultColor(COLOR_FONT, LoadFont(kMenuFont, "MS Sans Serif", 8));
}

void BuildDemo() {
  SetScreenSize(800, 600, kPointerSprite);
  LoadPicture("Mouse.bmp", [](const std::string& f) { return LoadSprite(kPointerSprite, f); });
  LoadPicture("ButtonSprite.bmp",
              [](const std::string& f) { return LoadSprite(kButtonSprite, f); });
  int icon = 0;
  LoadPicture("Drive.ico", [&icon](const std::string& f) {
    icon = LoadImage(kIconImage, f);
    return icon;
  });
  BuildMenu();
  BuildGadgets(icon);
  BuildWindow2();
  SetColorSlot(COLOR_FACE, 0x008000, GetGadgetColors(kWindow1Button));
  SetGadgetColor(kWindow1Button, COLOR_TEXT, 0xFFFFFF);
  SetEventCallback(EventHandler);
  ResetFrameLoop();
}

}  // namespace bevel::gadget_demo
