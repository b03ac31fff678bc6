// The message and input requesters on a 640 x 480 headless screen, answered by a scripted person.
// Run under AddressSanitizer in CI: callbacks that close the requester's window or run
// requesters of their own must leave no freed record touched.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/requester_person.h"
#include "tests/support/toolkit_screen.h"
#include "toolkit/model/rich_text.h"

namespace bevel {
namespace {

using namespace testing;

constexpr int kScene = 0x335577, kNavy = 0x800000, kRed = 0x0000FF;

class Requesters : public ToolkitScreen {
 protected:
  void SetUp() override {
    ToolkitScreen::SetUp();
    ASSERT_NE(OpenScreen(640, 480, 32, "requesters"), 0);
    headless::SetFrameAdvance(20);
    SetScreenSize(640, 480, -1);
    // The host's last frame: the picture the first requester freezes.
    ClearScreen(kScene);
    GadgetEvent();
  }
  static int WidthIn(int font, std::string_view text) {
    EXPECT_NE(BeginDrawing(BackBufferTarget()), 0);
    SetDrawFont(font);
    const int width = RichTextWidth(text.substr(0, text.find('\n')));
    EndDrawing();
    return width;
  }
};

TEST_F(Requesters, AButtonAnswersWithItsIndexAnythingElseWithZero) {
  const struct {
    const char* name;
    const char* buttons;
    int flags;
    Script script;
    int expected;
    int closeReported = 0;
  } cases[] = {
      {"one button", "OK", 0, Click(-1), 1},
      {"the second of two", "Ja\nNein", 0, Click(-2), 2},
      {"an empty caption", "Ja\n\nNein", 0, Click(-2), 2},
      {"Escape with its flag", "OK", WINDOW_ESCAPE_CLOSES, Keys({KEY_ESCAPE}), 0},
      {"Escape without it", "OK", 0, Keys({KEY_ESCAPE}) + Click(-1), 1},
      {"the program's window asked to close", "OK", 0, Then(headless::RequestClose), 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Person person(c.script);
    EXPECT_EQ(MessageRequester("Frage", "Text", c.buttons, c.flags), c.expected);
    EXPECT_EQ(WindowExists(-1) + GadgetExists(-1), 0) << "closed with its gadgets";
    EXPECT_EQ(PollWindowMessages(), c.closeReported) << "the host still hears a close request";
  }
}

TEST_F(Requesters, TheInputRequesterAnswersWithTheFieldOrTheDefault) {
  const auto caretAfterText = Then([] {
    EXPECT_EQ(GetGadgetState(-2), 3);
    EXPECT_EQ(detail::FindGadget(-2)->selectionStart, 3) << "nothing selected";
  });
  const struct {
    const char* name;
    const char* preset;
    int maximum, flags;
    Script script;
    const char* expected;
  } cases[] = {
      {"OK at once", "abc", -1, 0, WaitFor(-1) + caretAfterText + Click(-1), "abc"},
      {"Return in the field", "abc", -1, 0, Keys({KEY_X, KEY_ENTER}), "abcx"},
      {"Escape after typing", "abc", -1, WINDOW_ESCAPE_CLOSES, Keys({KEY_X, KEY_ESCAPE}), "abc"},
      {"maximum 8", "", 8, 0,
       Keys({KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I, KEY_J}) + Click(-1),
       "abcdefgh"},
      {"the flags serve the field", "", -1, STRING_UPPER_CASE, Keys({KEY_Q, KEY_ENTER}), "Q"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Person person(c.script);
    EXPECT_EQ(InputRequester("Eingabe", "Name:", c.preset, c.maximum, c.flags), c.expected);
  }
}

TEST_F(Requesters, SizesFollowTheFontsAndStayOnTheScreen) {
  const std::string title = "Ein recht langer Titel f\xFCr ein kleines Fenster", wide(200, 'W');
  std::string tall = "1";
  for (int i = 2; i <= 60; ++i) tall += "\n" + std::to_string(i);
  using Rect = std::array<int, 4>;
  const struct {
    const char* name;
    bool input;
    std::string title, text;
    const char* buttons;
    int flags, width, height;
    std::vector<Rect> gadgets;  // -1, -2, ...
  } cases[] = {
      // clang-format off
      {"one button centred", false, "T", "Hallo", "OK", 0, 102, 48,
       {{11, 22, 80, 20}, {10, 4, 82, 13}}},
      {"three lines, three buttons", false, "T", "a\nb\nc", "Ja\n\nNein", 0, 282, 74,
       {{11, 48, 80, 20}, {101, 48, 80, 20}, {191, 48, 80, 20}, {10, 4, 262, 39}}},
      {"a long title with a close button", false, title, "a", "OK", WINDOW_CLOSE_BUTTON,
       WidthIn(Toolkit().WindowScheme[SlotIndex(COLOR_FONT)], title) + 35, 48, {}},
      {"too wide and too tall", false, wide, wide + "\n" + tall, "OK", 0, 636, 456,
       {{278, 430, 80, 20}, {10, 4, 616, 421}}},
      {"input", true, "T", "Name:", "", 0, 296, 74,
       {{108, 48, 80, 20}, {11, 21, 274, 18}, {10, 4, 276, 13}}},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Person person(WaitFor(-1) + Then([&] {
                    EXPECT_EQ(WindowWidth(-1), c.width);
                    EXPECT_EQ(WindowHeight(-1), c.height);
                    EXPECT_LE(WindowOuterWidth(-1), 640)
                        << "the frame fits its title on the screen";
                    for (std::size_t i = 0; i < c.gadgets.size(); ++i) {
                      const Gadget& g = *detail::FindGadget(-1 - static_cast<int>(i));
                      EXPECT_EQ((Rect{g.x, g.y, g.width, g.height}), c.gadgets[i]) << i;
                    }
                    EXPECT_LE(WidthIn(font_, GetGadgetText(c.input ? -3 : -2)), c.width - 20);
                  }) +
                  Keys({KEY_ESCAPE}));
    const int flags = c.flags | WINDOW_ESCAPE_CLOSES;
    if (c.input) {
      InputRequester(c.title, c.text, "", -1, flags);
    } else {
      MessageRequester(c.title, c.text, c.buttons, flags);
    }
  }
}

TEST_F(Requesters, TheCallbackHearsEveryKindAndDecides) {
  std::vector<std::pair<int, int>> heard;
  Person person(Click(-2) + Click(1) + ClickAt(TitleBar(-1)) + Keys({KEY_F1}) +
                Then([] { EXPECT_EQ(detail::FindGadget(-1)->y, 100 - 26) << "follows the size"; }) +
                Click(-1));
  const int answer = MessageRequesterEx("Liste", "Text", "Ja\nNein", 0, [&](int kind, int value) {
    heard.emplace_back(kind, value);
    if (kind == REQUESTER_OPENED) {
      CreateButton(1, 10, 30, 60, 20, "Add");
      AddShortcut(value, KEY_F1, 77);
      ResizeWindow(value, KEEP_VALUE, KEEP_VALUE, KEEP_VALUE, 100);
    }
    return kind == REQUESTER_ANSWER && value != 2 ? 1 : 0;
  });
  EXPECT_EQ(answer, 1);
  EXPECT_EQ(heard, (decltype(heard){{1, -1}, {5, 2}, {2, 1}, {3, 2}, {3, 3}, {4, 77}, {5, 1}}));
}

TEST_F(Requesters, ACallbackOrHandlerEndsTheRequesterAsCancelled) {
  // The kind at which the callback ends the requester: by its result, or by closing the
  // requester's window (0: an event handler closes it when its button is pressed).
  const struct {
    const char* name;
    int kind;
    bool closes;
    Script script;
  } cases[] = {
      {"its gadget's event", REQUESTER_GADGET, false, Click(1)},
      {"closed when opened", REQUESTER_OPENED, true, {}},
      {"closed at the answer", REQUESTER_ANSWER, true, Click(-1)},
      {"closed by an event handler", 0, true, Click(-1)},  // the last: handlers stay
  };
  OpenWindow(7, 10, 10, 200, 100, "Host");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.kind == 0) {
      SetEventCallback([](Gadget* gadget, int kind, std::intptr_t) {
        if (kind == EVENT_PRESS && RecordNumber(gadget) == -1) CloseWindow(-1);
        return 1;
      });
    }
    Person person(c.script);
    const auto callback = [&](int kind, int value) {
      if (kind == REQUESTER_OPENED) {
        CreateButton(1, 10, 30, 60, 20, "Add");
        ResizeWindow(value, KEEP_VALUE, KEEP_VALUE, KEEP_VALUE, 100);  // "OK" below "Add"
      }
      if (kind != c.kind) return 0;
      if (c.closes) CloseWindow(-1);
      return c.closes ? 0 : 1;
    };
    EXPECT_EQ(MessageRequesterEx("Frage", "Text", "OK", 0, callback), 0);
    EXPECT_EQ(WindowExists(-1), 0);
    EXPECT_EQ(CurrentGadgetListOwner(), 7) << "the host's window goes on";
  }
}

TEST_F(Requesters, ThreeDeepFromAHandlerEachGoesOnOverItsBackdropWhenTheInnerCloses) {
  // Outside every window the screen shows the host's scene; the live window's title is navy.
  const auto live = [](int window) {
    return WaitFor(window) + Frames(2) + Then([window] {
             EXPECT_EQ(headless::ShownPixel(2, 2), kScene) << "the backdrop";
             const auto [x, y] = TitleBar(window)();
             EXPECT_EQ(headless::ShownPixel(x, y), kNavy) << "window " << window;
           });
  };
  // The host's button opens a message requester (-1: gadgets -1 "Weiter", -2 "Ende", -3) from
  // its click handler; "Weiter" an input requester (-2: -4 OK, -5 field, -6) whose check of the
  // empty text opens "Fehler" (-3: -7 OK, -8).
  OpenWindow(7, 20, 20, 200, 100, "Host");
  CreateButton(1, 10, 10, 80, 20, "Fragen");
  int refusals = 0, outer = 0;
  std::string entered;
  const auto check = [&](int kind, int, std::string_view text) {
    if (kind != REQUESTER_ANSWER || !text.empty()) return 1;
    ++refusals;
    EXPECT_EQ(InfoRequester("Fehler", "Kein leeren String eingeben!", "OK"), 1);
    return 0;
  };
  const auto first = [&](int kind, int value) {
    if (kind == REQUESTER_ANSWER && value == 1)
      entered = InputRequester("Zwei", "", "", -1, 0, check);
    return kind == REQUESTER_ANSWER && value == 2 ? 1 : 0;
  };
  SetEventCallback([&](Gadget* gadget, int kind, std::intptr_t) {
    if (kind == EVENT_CLICK && RecordNumber(gadget) == 1) {
      outer = MessageRequesterEx("Eins", "", "Weiter\nEnde", 0, first);
    }
    return 1;
  });
  bool done = false;
  Person person(Click(1) + Click(-1) + Click(-4) + live(-3) + Click(-7) + live(-2) +
                Then([] { EXPECT_EQ(GetGadgetText(-5), "") << "the field unchanged"; }) +
                Click(-5) + Keys({KEY_Q}) + Click(-4) + live(-1) + Click(-2) + live(7) +
                Then([&] { done = true; }));
  for (int frame = 0; frame < 1000 && !done; ++frame) {
    ClearScreen(kScene);
    GadgetEvent();
    ShowFrame();
  }
  EXPECT_TRUE(done);
  EXPECT_EQ(refusals, 1);
  EXPECT_EQ(entered, "q");
  EXPECT_EQ(outer, 2);
}

TEST_F(Requesters, WithoutAScreenARequesterAnswersAtOnceAndItsWindowFitsItsButtons) {
  CloseScreen();
  EXPECT_EQ(MessageRequester("Frage", "Text", "OK", 0), 0);
  EXPECT_EQ(InputRequester("Frage", "Text", "abc", -1, 0), "abc");
  EXPECT_EQ(WindowExists(-1), 0);
  // A screen opened by the callback: the unmeasured window still fits its buttons.
  Person person(Click(-2));
  const int answer = MessageRequesterEx("Frage", "Text", "Ja\nNein", 0, [](int kind, int value) {
    if (kind == REQUESTER_OPENED) {
      OpenScreen(640, 480, 32, "late");
      EXPECT_EQ(WindowWidth(value), 192);
      EXPECT_EQ(WindowHeight(value), 35);
    }
    return 1;
  });
  EXPECT_EQ(answer, 2);
}

TEST_F(Requesters, TheLoopDrawsThePointerWhereTheMouseWas) {
  ClearScreen(kRed);
  const int sprite = CaptureSprite(ANY_NUMBER, 0, 0, 4, 4);
  for (const int pointer : {sprite, -1}) {
    SetScreenSize(640, 480, pointer);
    Person person(Then([] { headless::SetMouse(5, 5); }) + Frames(2) + Then([&] {
                    EXPECT_EQ(headless::ShownPixel(6, 6), pointer >= 0 ? kRed : kScene);
                  }) +
                  Keys({KEY_ESCAPE}));
    MessageRequester("Frage", "Text", "OK", WINDOW_ESCAPE_CLOSES);
  }
}

}  // namespace
}  // namespace bevel
