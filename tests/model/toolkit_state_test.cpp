// The toolkit's global state after InitToolkit and the default-colour commands.
#include <gtest/gtest.h>

#include "services/headless.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"

namespace bevel {
namespace {

class State : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    headless::Use();
    InitToolkit();
  }
};

TEST_F(State, DefaultsAfterInit) {
  const ToolkitState& g = Toolkit();
  EXPECT_EQ(g.OpenPopupIndex, -1);
  EXPECT_EQ(g.PointerVisible, 1);
  EXPECT_EQ(g.FramesPerTenth, 0);
  EXPECT_EQ(g.BlinkFrames, 0);
  EXPECT_EQ(g.ActiveWindow, 0);
  EXPECT_EQ(g.TreeTable.size(), 258u);
  // Roles by ColorSlot through the storage order.
  EXPECT_EQ(g.GadgetScheme[SlotIndex(COLOR_FACE)], 0xC0C0C0);
  EXPECT_EQ(g.GadgetScheme[SlotIndex(COLOR_LIGHT)], 0xFFFFFF);
  EXPECT_EQ(g.GadgetScheme[SlotIndex(COLOR_TEXT)], 0x000000);
  EXPECT_EQ(g.GadgetScheme[SlotIndex(COLOR_SHADOW)], 0x808080);
  EXPECT_EQ(g.GadgetScheme[SlotIndex(COLOR_SELECTION)], 0x800000);
  EXPECT_EQ(g.WindowScheme[SlotIndex(COLOR_LIGHT)], 0x808080) << "inactive title bar";
  EXPECT_EQ(g.WindowScheme[SlotIndex(COLOR_SHADOW)], 0xC0C0C0) << "inactive title text";
  EXPECT_EQ(g.MenuScheme[SlotIndex(COLOR_LIGHT)], 0);
  EXPECT_EQ(g.GadgetScheme[SlotIndex(COLOR_SPARE)], 0);
}

TEST_F(State, SchemeFontsAreMsSansSerifTenNormalAndBold) {
  const ToolkitState& g = Toolkit();
  const int normal = g.GadgetScheme[7];
  const int bold = g.WindowScheme[7];
  ASSERT_NE(normal, 0);
  ASSERT_NE(bold, 0);
  EXPECT_EQ(g.MenuScheme[7], normal) << "menus share the gadget font";
  ASSERT_NE(OpenScreen(100, 50, 32, "t"), 0);
  ASSERT_NE(BeginDrawing(BackBufferTarget()), 0);
  SetDrawFont(normal);
  EXPECT_EQ(TextHeight(" "), 16) << "10 pt is the 16-pixel strike";
  const int plain = TextWidth("Titel");
  SetDrawFont(bold);
  EXPECT_EQ(TextWidth("Titel"), plain + 5) << "synthesised bold: one pixel per character";
  EndDrawing();
  CloseScreen();
}

TEST_F(State, ColorSlotsMapToTheirStoragePlace) {
  ColorScheme block{0, -1, -1, -1, -1, -1, -1, -1};
  SetColorSlot(8, 0x123456, &block);
  EXPECT_EQ(block[0], 0x123456) << "slot 8 is storage place 0";
  SetColorSlot(1, 0x00FF00, &block);
  EXPECT_EQ(block[3], 0x00FF00) << "slot 1 (face) is storage place 3";
  const ColorScheme before = block;
  SetColorSlot(9, 1, &block);
  SetColorSlot(0, 1, &block);
  SetColorSlot(-1, 1, &block);
  EXPECT_EQ(block, before);
  const ColorScheme gadgets = Toolkit().GadgetScheme;
  SetColorSlot(9, 1, nullptr);
  EXPECT_EQ(Toolkit().GadgetScheme, gadgets);
  SetColorSlot(COLOR_FACE, 0x0000FF, nullptr);
  EXPECT_EQ(Toolkit().GadgetScheme[3], 0x0000FF) << "a null block is the gadget scheme";
}

TEST_F(State, DefaultColourCommandsTouchOnlyTheirScheme) {
  SetWindowDefaultColor(COLOR_SELECTION, 0x008000);
  SetMenuDefaultColor(COLOR_TEXT, 0x0000FF);
  SetGadgetDefaultColor(COLOR_FONT, 77);
  SetGadgetDefaultColor(12, 5);
  const ToolkitState& g = Toolkit();
  EXPECT_EQ(g.WindowScheme[6], 0x008000);
  EXPECT_EQ(g.GadgetScheme[6], 0x800000);
  EXPECT_EQ(g.MenuScheme[2], 0x0000FF);
  EXPECT_EQ(g.GadgetScheme[7], 77);
}

TEST_F(State, ScreenSizeTabWidthAndOwner) {
  headless::SetClock(1234);
  SetScreenSize(800, 600, 1);
  const ToolkitState& g = Toolkit();
  EXPECT_EQ(g.ScreenWidth, 800);
  EXPECT_EQ(g.PointerSprite, 1);
  EXPECT_EQ(g.LastFrameTick, 1234u);
  SetTabWidth(40);
  SetTabWidth(0);
  SetTabWidth(-8);
  EXPECT_EQ(g.TabWidth, 40);
  EXPECT_EQ(CurrentGadgetListOwner(), 0);
  Toolkit().ActiveWindow = 3;
  EXPECT_EQ(CurrentGadgetListOwner(), 3);
  Toolkit().PendingWindow = 5;  // opened this frame, not yet active
  EXPECT_EQ(CurrentGadgetListOwner(), 5);
}

TEST_F(State, EventCallbacksAppendInOrderWithoutFilter) {
  SetEventCallback([](Gadget*, int, std::intptr_t) { return 1; });
  SetEventCallback([](Gadget*, int kind, std::intptr_t) { return kind == 4 ? 0 : 1; });
  SetEventCallback(nullptr);  // nothing to call: not appended
  const auto& handlers = Toolkit().HandlerList;
  ASSERT_EQ(handlers.size(), 2u);
  EXPECT_EQ(handlers[1].filter, nullptr);
  EXPECT_EQ(handlers[1].procedure(nullptr, 4, 0), 0);
  InitToolkit();
  EXPECT_TRUE(Toolkit().HandlerList.empty()) << "a second InitToolkit starts over";
}

TEST_F(State, FileIconsWithAndWithoutTypes) {
  InitFileIcons(0);
  const ToolkitState& g = Toolkit();
  EXPECT_NE(g.FileIcon, 0);
  EXPECT_NE(g.FolderIcon, 0);
  EXPECT_NE(g.FileIcon, g.FolderIcon);
  EXPECT_EQ(ImageWidth(g.FileIcon), 16);
  EXPECT_TRUE(g.FileTypeIconList.empty());
  InitFileIcons(1);
  for (const FileTypeIcon& t : g.FileTypeIconList) {
    ASSERT_EQ(t.extension[0], '.');
    ASSERT_NE(t.icon, 0);
  }
  // Where the machine has MIME data and an icon theme, common types are found.
  if (!g.FileTypeIconList.empty()) {
    bool txt = false;
    for (const FileTypeIcon& t : g.FileTypeIconList) txt |= t.extension == ".txt";
    EXPECT_TRUE(txt);
  }
}

}  // namespace
}  // namespace bevel
