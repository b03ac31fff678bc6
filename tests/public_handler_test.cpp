// Event handlers written the way a host writes them: from toolkit.h alone, with the public
// event kinds, record accessors, KeyOfEvent and scan codes, on real frames of the headless
// device. Gadget handles are compared and passed on, never looked into.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "services/headless.h"
#include "toolkit/toolkit.h"

namespace bevel {
namespace {

class HostHandlers : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    headless::Use();
    ASSERT_NE(OpenScreen(320, 200, 32, "test"), 0);
    InitToolkit();
    SetScreenSize(320, 200, -1);
    headless::SetFrameAdvance(20);
  }
  void TearDown() override { CloseScreen(); }
  static int Frame() {
    ClearScreen(0x808080);
    const int event = GadgetEvent();
    ShowFrame();
    return event;
  }
  // A click as a hand makes it: the mouse arrives first, so presses never pair up.
  // Returns what GadgetEvent reported in the frame of the press.
  static int Click(int x, int y) {
    headless::SetMouse(x, y);
    Frame();
    headless::SetButton(1, true);
    const int event = Frame();
    headless::SetButton(1, false);
    Frame();
    return event;
  }
};

// Lists at x 10 and x 160, y 10, below a 14-pixel header: item i covers the rows 26 + 14 i to
// 39 + 14 i.
TEST_F(HostHandlers, ASelectionVetoNamesItsListByNumberAndItsItemByIndex) {
  constexpr int kGuarded = 1, kOther = 2, kLocked = 3;
  ASSERT_EQ(CreateColumnList(kGuarded, 10, 10, 140, 5, "Guarded", 0), kGuarded);
  ASSERT_EQ(CreateColumnList(kOther, 160, 10, 140, 5, "Other", 0), kOther);
  for (int i = 0; i < 5; ++i) {
    AddGadgetItem(kGuarded, -1, "Item");
    AddGadgetItem(kOther, -1, "Item");
  }
  std::vector<int> stateBeforeSelect;
  SetEventCallback([&](Gadget* gadget, int kind, std::intptr_t item) {
    if (kind != EVENT_SELECT) return 1;
    stateBeforeSelect.push_back(RecordState(gadget));
    return RecordNumber(gadget) == kGuarded && item == kLocked ? 0 : 1;
  });
  Frame();

  struct Case {
    int list, item;
    int reported, guardedState, otherState;
  };
  const Case cases[] = {
      {kGuarded, 1, kGuarded, 1, -1},
      {kGuarded, kLocked, 0, 1, -1},  // vetoed: the old selection stays, nothing is reported
      {kGuarded, 2, kGuarded, 2, -1},
      {kOther, kLocked, kOther, 2, kLocked},  // the same index in another list is free
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "list " << c.list << ", item " << c.item);
    const int before = GetGadgetState(c.list);
    stateBeforeSelect.clear();
    const int x = c.list == kGuarded ? 40 : 190;
    EXPECT_EQ(Click(x, 32 + 14 * c.item), c.reported);
    EXPECT_EQ(stateBeforeSelect, std::vector<int>{before}) << "asked once, before it acts";
    EXPECT_EQ(GetGadgetState(kGuarded), c.guardedState);
    EXPECT_EQ(GetGadgetState(kOther), c.otherState);
  }
}

TEST_F(HostHandlers, AKeyHandlerReadsTheKeyAndVetoesOneCharacter) {
  constexpr int kField = 7;
  ASSERT_EQ(CreateString(kField, 10, 10, 200, 20, "", -1, 0), kField);
  SetCursor(kField, 0);  // the focus, without a click
  std::vector<KeyInfo> asked;
  std::intptr_t lastItem = 0;
  SetEventCallback([&](Gadget* gadget, int kind, std::intptr_t item) {
    if (kind != EVENT_KEY || RecordNumber(gadget) != kField) return 1;
    const KeyInfo key = KeyOfEvent(item);
    const KeyInfo unrelated = KeyOfEvent(item + 1);
    EXPECT_TRUE(unrelated.character == 0 && unrelated.keyCode == 0) << "names no key";
    asked.push_back(key);
    lastItem = item;
    return key.character == '1' ? 0 : 1;
  });
  Frame();

  struct Case {
    int scanCode;
    KeyInfo announced;
    const char* text;
  };
  const Case cases[] = {
      {KEY_Z, {'z', KEY_Z}, "z"},
      {KEY_1, {'1', KEY_1}, "z"},  // vetoed
      {KEY_Y, {'y', KEY_Y}, "zy"},
      {KEY_2, {'2', KEY_2}, "zy2"},
      {KEY_BACKSPACE, {0, KEY_BACKSPACE}, "zy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "scan code " << c.scanCode);
    asked.clear();
    headless::SetKey(c.scanCode, true);
    // A vetoed key is still the field's key: it starts the repeat wait and is reported.
    EXPECT_EQ(Frame(), kField);
    headless::SetKey(c.scanCode, false);
    Frame();  // ends the key's repeat wait
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].character, c.announced.character);
    EXPECT_EQ(asked[0].keyCode, c.announced.keyCode);
    EXPECT_EQ(GetGadgetText(kField), c.text);
    const KeyInfo after = KeyOfEvent(lastItem);
    EXPECT_TRUE(after.character == 0 && after.keyCode == 0) << "gone once the handler answered";
  }
}

}  // namespace
}  // namespace bevel
