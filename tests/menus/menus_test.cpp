// Menus driven frame by frame on the headless screen: commands, the bar's mouse phases,
// drop-downs, pop-ups, shortcuts, MenuEvent, and the pixels of bar boxes and drop-downs.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/toolkit_screen.h"
#include "toolkit/menus/menus.h"
#include "toolkit/render/draw_helpers.h"

namespace bevel {
namespace {

constexpr int kFace = 0xC0C0C0;
struct Px {
  int x, y, colour;
};

class Menus : public testing::ToolkitScreen {
 protected:
  void SetUp() override {
    ToolkitScreen::SetUp();
    SetMenuDefaultColor(COLOR_FONT, font_);
  }
  // One frame of the menus' pass with the mouse at (x, y).
  void Frame(int x, int y, bool left) {
    headless::SetMouse(x, y);
    headless::SetButton(1, left);
    PollKeyboard();
    PollMouse();
    Clear();
    Draw();
    detail::HandleMenus(detail::LiveMenuBar());
    EndDrawing();
    ShowFrame();
  }
  void Click(int x, int y) {
    Frame(x, y, true);
    Frame(x, y, false);
  }
  int Width(std::string_view text) {
    Draw();
    SetDrawFont(font_);
    const int w = RichTextWidth(text);
    EndDrawing();
    return w;
  }
  // Leftmost column and topmost row in [x0, x1) x [y0, y1) not of colour `ground`.
  static Px Ink(int ground, int x0, int x1, int y0, int y1) {
    Px ink{x1, y1, 0};
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (At(x, y) != ground) ink = {std::min(ink.x, x), std::min(ink.y, y), 0};
    return ink;
  }
  // Where the ink of `text` starts relative to where it is drawn. Clears the screen.
  Px InkOffset(std::string_view text) {
    ClearScreen(kFace);
    Draw();
    SetDrawFont(font_);
    SetDrawMode(DRAW_TRANSPARENT);
    DrawText(20, 20, text, 0);
    EndDrawing();
    const Px ink = Ink(kFace, 0, kWidth, 0, kHeight);
    return {ink.x - 20, ink.y - 20, 0};
  }
  static void ExpectPixels(std::initializer_list<Px> pixels) {
    for (const Px& p : pixels)
      EXPECT_EQ(At(p.x, p.y), p.colour) << "(" << p.x << ", " << p.y << ")";
  }
  static Menu& Record(int number) { return *Toolkit().MenuList.Find(number); }

  // The screen's bar: "Datei" (1 Neu, 2 Beenden), "Bearbeiten" (3, 4), item 5 "Hilfe".
  void BuildBar() {
    ASSERT_EQ(CreateMenu(1), 1);
    AddMenuTitle("Datei");
    AddMenuItem(1, "Neu");
    AddMenuItem(2, "Beenden");
    EndSubMenu();
    AddMenuTitle("Bearbeiten");
    AddMenuItem(3, "Kopieren");
    paste_ = AddMenuItem(4, "Einf\xFCgen");
    EndSubMenu();
    AddMenuItem(5, "Hilfe");
    x2_ = 1 + Width("Datei") + 18;
    x3_ = x2_ + Width("Bearbeiten") + 18;
  }
  // Centre of row `index` (no separators above it) of a drop-down at y.
  static int RowY(int y, int index) { return y + 2 + 17 * index + 9; }

  // The record a public entry handle names.
  static MenuEntry& Entry(MenuEntry* handle) {
    MenuEntry* entry = Toolkit().MenuEntryList.Find(handle);
    EXPECT_NE(entry, nullptr);
    static MenuEntry none;
    return entry != nullptr ? *entry : none;
  }

  MenuEntry* paste_ = nullptr;
  int x2_ = 0, x3_ = 0;  // left edges of the second and third bar boxes
};

TEST_F(Menus, CommandsNumbersAndHandles) {
  EXPECT_EQ(AddMenuItem(1, "x"), nullptr);
  EXPECT_EQ(AddMenuTitle("x"), nullptr);
  EXPECT_EQ(AddMenuSeparator(), nullptr);
  EXPECT_TRUE(Toolkit().MenuEntryList.empty());
  EXPECT_EQ(CreateMenu(0), 0);
  EXPECT_EQ(CreateMenu(5), 5);
  EXPECT_EQ(CreatePopupMenu(5), 0) << "number in use";
  const int any = CreatePopupMenu(ANY_NUMBER);
  EXPECT_NE(any, 0);
  EXPECT_NE(any, 5);
  EXPECT_EQ(Entry(AddMenuItem(7, "x")).menu, &Record(any)) << "entries go to the menu created last";
  EXPECT_EQ(ShowPopupMenu(5, 0, 0), 0) << "a bar is no pop-up";
  EXPECT_EQ(AddShortcut(99, 30, 1), nullptr) << "no window 99";

  MenuEntry* a = AddMenuItem(8, "A");
  MenuEntry* other = AddMenuItem(9, "B");
  MenuEntry* c = AddMenuItem(8, "C");
  EXPECT_EQ(DisableMenuItem(any, 8, 1), 1);
  EXPECT_EQ(Entry(a).flags | Entry(c).flags | (Entry(other).flags << 4), ENTRY_DISABLED);
  SetMenuItemState(other, 1);
  EXPECT_EQ(Entry(other).flags, ENTRY_TICKED);

  // A window's menus, entries and shortcuts go with it; their handles are refused afterwards.
  ASSERT_EQ(OpenWindow(3, 0, 0, 100, 50, "W"), 3);
  ASSERT_EQ(CreateMenu(10), 10);
  MenuEntry* gone = AddMenuItem(1, "weg");
  AddShortcut(3, 30, 1);
  AddShortcut(0, 31, 2);
  CloseWindow(3);
  EXPECT_EQ(Toolkit().MenuList.Find(10), nullptr);
  EXPECT_EQ(Toolkit().MenuEntryList.size(), 4u);
  ASSERT_EQ(Toolkit().ShortcutList.size(), 1u);
  EXPECT_EQ(Toolkit().ShortcutList.begin()->window, 0);
  EXPECT_EQ(DisableMenuEntry(gone, 1), 0);
  EXPECT_EQ(SetMenuItemText(gone, "x"), 0);
  EXPECT_EQ(AddMenuItem(2, "x"), nullptr) << "the current menu went with its window";
}

TEST_F(Menus, BarBoxesHighlightAndPressedBevels) {
  BuildBar();
  const int light = ShadeColour(SHADE_INNER_LIGHT, kFace),
            dark = ShadeColour(SHADE_THIN_DARK, kFace);
  const Px ink = InkOffset("Bearbeiten");
  Draw();
  SetDrawFont(font_);
  const int labelY = 1 + (18 - TextHeight(" ")) / 2;
  EndDrawing();
  const int end = x3_ + Width("Hilfe") + 18;

  Frame(150, 140, false);
  ExpectPixels({{1, 1, kFace}, {x3_ - 1, 18, kFace}, {end - 1, 18, kFace}, {end, 5, kBackground}});
  Px label = Ink(kFace, x2_, x3_, 1, 19);
  EXPECT_EQ(label.x, x2_ + 9 + ink.x);
  EXPECT_EQ(label.y, labelY + ink.y);

  Frame(x2_ + 5, 10, false);  // hover: thin raised bevel 17 high; the label stays
  ExpectPixels({{x2_, 1, light}, {x3_ - 1, 17, dark}, {x2_ + 5, 18, kFace}, {1, 1, kFace}});
  EXPECT_EQ(Ink(kFace, x2_ + 1, x3_ - 1, 2, 17).x, label.x);

  Frame(x2_ + 5, 10, true);  // pressed: thin sunken bevel, label one pixel right and down
  ExpectPixels({{x2_, 1, dark}, {x3_ - 1, 17, light}});
  const Px pressed = Ink(kFace, x2_ + 1, x3_ - 1, 2, 17);
  EXPECT_EQ(pressed.x, label.x + 1);
  EXPECT_EQ(pressed.y, label.y + 1);
}

TEST_F(Menus, PressDragReleaseAndReclick) {
  BuildBar();
  Frame(5, 8, true);
  EXPECT_EQ(Record(1).openTitle, 1);
  EXPECT_EQ(OpenMenuNumber(), 1);
  EXPECT_EQ(At(1, 19), 0xF0F0F0) << "drop-down below the title";
  Frame(x2_ + 5, 8, true);  // dragging along the bar
  EXPECT_EQ(Record(1).openTitle, 2);
  EXPECT_EQ(At(1, 19), kBackground) << "only the new title's drop-down is drawn";
  Frame(x2_ + 5, 8, false);
  EXPECT_EQ(Record(1).openTitle, 2) << "releasing on a title keeps it open";
  Frame(5, 8, false);
  EXPECT_EQ(Record(1).openTitle, 1) << "after release, moving over a title switches too";
  Click(5, 8);
  EXPECT_EQ(Record(1).openTitle, 0) << "pressing the open title and releasing closes it";
  Click(5, 8);
  Click(5, 8);  // a press in the frame right after a release is a press too
  EXPECT_EQ(Record(1).openTitle, 0);
  EXPECT_EQ(MenuEvent(), 0);

  // A press on the open title that ends on an item leaves the next click unarmed.
  Click(5, 8);
  Frame(5, 8, true);
  Frame(10, RowY(19, 0), true);
  Frame(10, RowY(19, 0), false);
  EXPECT_EQ(MenuEvent(), 1);
  Click(x2_ + 5, 8);
  EXPECT_EQ(Record(1).openTitle, 2);
}

TEST_F(Menus, ChoosingFromDropDownAndBar) {
  BuildBar();
  Frame(5, 8, true);
  Frame(10, RowY(19, 1), true);
  Frame(10, RowY(19, 1), false);
  EXPECT_EQ(MenuEvent(), 2);
  EXPECT_EQ(Record(1).openTitle, 0);
  for (const MenuEntry& e : Toolkit().MenuEntryList) EXPECT_EQ(e.flags & ENTRY_HIGHLIGHTED, 0);
  Frame(10, RowY(19, 1), false);
  EXPECT_EQ(MenuEvent(), 0) << "reported in one frame only";

  // Highlight, then disabled: no highlight, the release does nothing, the drop-down stays.
  const int inkX = InkOffset("E").x;
  Click(x2_ + 5, 8);
  Frame(x2_ + 10, RowY(19, 1), false);
  EXPECT_EQ(At(x2_ + 3, RowY(19, 1) - 8), 0x800000);
  ASSERT_EQ(Entry(paste_).flags, ENTRY_HIGHLIGHTED);
  DisableMenuEntry(paste_, 1);
  EXPECT_EQ(Entry(paste_).flags, ENTRY_DISABLED) << "disabling removes the highlight";
  Frame(x2_ + 10, RowY(19, 1), true);
  Frame(x2_ + 10, RowY(19, 1), false);
  EXPECT_EQ(MenuEvent(), 0);
  EXPECT_EQ(Record(1).openTitle, 2);
  EXPECT_EQ(At(x2_ + 3, RowY(19, 1) - 8), kFace) << "no highlight bar on a disabled item";
  EXPECT_EQ(Ink(kFace, x2_ + 3, x2_ + 40, RowY(19, 1) - 8, RowY(19, 1) + 8).x, x2_ + 24 + inkX);

  Click(150, 140);
  EXPECT_EQ(Record(1).openTitle, 0) << "a click elsewhere closes";
  EXPECT_EQ(MenuEvent(), 0);

  Frame(x3_ + 3, 8, true);  // an item on the bar: chosen by press and release
  EXPECT_EQ(MenuEvent(), 0);
  Frame(x3_ + 3, 8, false);
  EXPECT_EQ(MenuEvent(), 5);
  EXPECT_EQ(OpenMenuNumber(), 0);
}

TEST_F(Menus, DropDownGeometrySeparatorTickArrowAndTab) {
  std::string label;  // exactly 100 pixels, from two letters
  for (char a = 'a'; a <= 'z' && label.empty(); ++a)
    for (char b = 'a'; b <= 'z' && label.empty(); ++b)
      for (int n = 0; n * Width(std::string(1, a)) <= 100 && label.empty(); ++n) {
        const int rest = 100 - n * Width(std::string(1, a)), wb = Width(std::string(1, b));
        if (rest % wb == 0) label = std::string(n, a) + std::string(rest / wb, b);
      }
  ASSERT_EQ(Width(label), 100);
  SetTabWidth(80);
  ASSERT_LT(Width("Beenden"), 80);
  CreateMenu(1);
  AddMenuTitle("Datei");
  SetMenuItemState(AddMenuItem(1, label), 1);
  AddMenuSeparator();
  AddMenuTitle("Mehr");
  AddMenuItem(3, "Tief");
  EndSubMenu();
  AddMenuItem(2, "Ende");
  EndSubMenu();
  AddMenuTitle("Ansicht");
  AddMenuItem(4, "Beenden\tStrg+B");
  Frame(5, 8, true);

  // 4 rows, 1 separator at (1, 19): W = 100 + 48 = 148, H = 4 x 17 - 8 + 6 = 66.
  const int x = 1, y = 19, w = 148, h = 66;
  const int sepDark = ShadeColour(SHADE_THIN_DARK, kFace);
  const int sepLight = ShadeColour(SHADE_INNER_LIGHT, kFace);
  ExpectPixels({{x + w - 1, y + 5, 0x404040},
                {x + w, y + 5, kBackground},
                {x + 5, y + h - 1, 0x404040},
                {x + 5, y + h, kBackground}});
  // Separator at row 19: lines at row + 4 and row + 5, from x + 4, W - 8 long.
  ExpectPixels({{x + 4, y + 23, sepDark},
                {x + w - 5, y + 24, sepLight},
                {x + 3, y + 23, kFace},
                {x + w - 4, y + 23, kFace}});
  // Tick of row 2: columns x + 9 .. x + 16, tops 8 9 10 9 8 7 6 5, 3 pixels each.
  ExpectPixels({{x + 9, y + 10, 0},
                {x + 9, y + 9, kFace},
                {x + 11, y + 14, 0},
                {x + 11, y + 15, kFace},
                {x + 16, y + 7, 0},
                {x + 16, y + 6, kFace}});
  // Arrow of the title at row 28: x + W - 14 (row + 5, 7 high) .. x + W - 11 (1 high).
  ExpectPixels({{x + w - 14, y + 33, 0},
                {x + w - 14, y + 39, 0},
                {x + w - 14, y + 40, kFace},
                {x + w - 11, y + 36, 0},
                {x + w - 11, y + 35, kFace}});

  // "Strg+B" starts at the tab stop 80 pixels after the label's start; nothing in between.
  const int inkX = InkOffset("Strg+B").x;
  const int x2 = 1 + Width("Datei") + 18;
  Frame(x2 + 5, 8, true);
  EXPECT_EQ(Ink(kFace, x2 + 24 + Width("Beenden"), kWidth, y + 3, y + 19).x, x2 + 24 + 80 + inkX);
}

TEST_F(Menus, SubMenuFollowsTheMouseAndChooses) {
  CreateMenu(1);
  AddMenuTitle("Datei");
  AddMenuItem(1, "Neu");
  MenuEntry* more = AddMenuTitle("Mehr");
  AddMenuItem(3, "Tief");
  const int subX = 1 + std::max(Width("Neu"), Width("Mehr")) + 48 - 3, subY = 19 + 19 - 2;
  Click(5, 8);
  Frame(10, RowY(19, 1), false);
  EXPECT_EQ(At(subX, subY), 0xF0F0F0) << "hovering the title opens its sub-menu";
  Frame(subX + 10, RowY(subY, 0), false);
  EXPECT_EQ(Entry(more).flags, ENTRY_HIGHLIGHTED) << "kept while the sub-menu holds the mouse";
  Click(subX + 10, RowY(subY, 0));
  EXPECT_EQ(MenuEvent(), 3);
  EXPECT_EQ(OpenMenuNumber(), 0);

  Click(5, 8);
  Frame(10, RowY(19, 1), false);
  Frame(10, RowY(19, 0), false);
  EXPECT_EQ(Entry(more).flags, 0);
  EXPECT_EQ(At(subX + 5, subY + 5), kBackground) << "moving to a sibling closes it";
}

TEST_F(Menus, PopupShowsAtTheMouseAndReportsItsChoice) {
  BuildBar();
  ASSERT_EQ(CreatePopupMenu(20), 20);
  AddMenuItem(21, "Ausschneiden");
  AddMenuItem(22, "Kopieren");
  Frame(40, 50, false);
  ASSERT_EQ(ShowPopupMenu(20, -1, -1), 1);
  EXPECT_EQ(OpenMenuNumber(), 20);
  EXPECT_TRUE(detail::AnyMenuOpen());
  Frame(45, RowY(50, 1), true);
  EXPECT_EQ(At(40, 50), 0xF0F0F0);
  Frame(45, RowY(50, 1), false);
  EXPECT_EQ(MenuEvent(), 22) << "a pop-up made after the screen's bar is heard too";
  EXPECT_EQ(OpenMenuNumber(), 0);
  Frame(45, RowY(50, 1), false);
  EXPECT_EQ(MenuEvent(), 0);

  ShowPopupMenu(20, 40, 50);
  Click(5, 140);
  EXPECT_EQ(Record(20).shown, 0) << "a click elsewhere closes";
  EXPECT_EQ(MenuEvent(), 0);
}

TEST_F(Menus, ShortcutsAreLevelTriggeredWithEitherModifierKey) {
  Toolkit().WindowList.Append(7);
  AddShortcut(0, 48 + SHORTCUT_CTRL, 77);
  AddShortcut(7, 30, 88);
  auto held = [](std::initializer_list<int> down) {
    headless::ReleaseAllKeys();
    for (int k : down) headless::SetKey(k, true);
    PollKeyboard();
    return MenuEvent();
  };
  EXPECT_EQ(held({48}), 0);
  EXPECT_EQ(held({29}), 0);
  EXPECT_EQ(held({29, 48}), 77);
  EXPECT_EQ(held({29, 48}), 77) << "every frame while held";
  EXPECT_EQ(held({157, 42, 48}), 77) << "right Ctrl, Shift held too";
  EXPECT_EQ(held({30}), 0) << "window 7 is not active";
  Toolkit().ActiveWindow = 7;
  EXPECT_EQ(held({29, 48}), 77);
  EXPECT_EQ(held({30}), 88);
}

TEST_F(Menus, WhichMenusChoiceMenuEventReports) {
  // The screen's bar comes first in the list, yet the active window's choice is reported.
  ASSERT_EQ(CreateMenu(1), 1);
  AddMenuItem(9, "Bildschirm");
  ScreenWindow& win = Toolkit().WindowList.Append(3);
  win.x = 20;
  win.y = 30;
  Toolkit().ActiveWindow = 3;
  ASSERT_EQ(CreateMenu(2), 2);
  AddMenuTitle("Fenster");
  AddMenuItem(6,
              "Schlie\xDF"
              "en");
  const detail::MenuPoint origin = detail::MenuBarOrigin(3);
  EXPECT_EQ(origin.x, 22);
  EXPECT_EQ(origin.y, 52) << "past the border and the title bar";
  Frame(27, 57, true);
  Frame(30, RowY(70, 0), true);
  Frame(30, RowY(70, 0), false);
  EXPECT_EQ(MenuEvent(), 6);
  Toolkit().ActiveWindow = 0;
  Click(5, 8);
  EXPECT_EQ(MenuEvent(), 9);

  // Two menus of one window choosing in the same frame: the first one's is reported. The
  // pop-up's first row lies over the bar's item, so one release chooses in both.
  ASSERT_EQ(CreatePopupMenu(4), 4);
  AddMenuItem(5, "Ueber");
  ShowPopupMenu(4, -2, -2);
  Click(5, 8);
  EXPECT_EQ(Record(4).selected, 5);
  EXPECT_EQ(MenuEvent(), 9);
}

TEST_F(Menus, MalformedMenusStayHarmless) {
  CreateMenu(1);
  EndSubMenu();          // nothing to close
  AddMenuTitle("\x15");  // only an inline code (without its parameters)
  AddMenuItem(1, "A");
  EndSubMenu();
  EndSubMenu();
  AddMenuTitle("Ab");
  EndSubMenu();
  AddMenuTitle("");  // empty: as wide as the box before it
  std::vector<MenuEntry*> titles;
  for (int i = 0; i < 100; ++i) titles.push_back(AddMenuTitle("T"));
  AddMenuItem(2, "tief");  // the levels are never closed
  for (MenuEntry* t : titles) Entry(t).flags |= ENTRY_HIGHLIGHTED;
  const int wide = Width("Ab") + 18, x3 = 19 + wide;

  Click(3, 8);  // the code-only title is 18 wide and still opens
  EXPECT_EQ(Record(1).openTitle, 1);
  Frame(19, 8, false);
  EXPECT_EQ(Record(1).openTitle, 2);
  Frame(x3 + wide - 1, 8, false);
  EXPECT_EQ(Record(1).openTitle, 3) << "the empty title repeats the width before it";
  ExpectPixels({{x3 + wide - 1, 18, kFace}, {x3 + wide, 18, kBackground}});
  Frame(x3 + 10, RowY(19, 0), false);  // on the first nested title; a hundred levels below it
  EXPECT_EQ(Entry(titles[0]).flags, ENTRY_HIGHLIGHTED);
  EXPECT_EQ(Entry(titles[1]).flags, 0) << "not under the mouse";
  Click(150, 140);
  EXPECT_EQ(OpenMenuNumber(), 0);
  EXPECT_EQ(MenuEvent(), 0);
}

}  // namespace
}  // namespace bevel
