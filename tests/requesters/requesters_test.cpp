// The message and input requesters on a 640 x 480 headless screen, answered by a scripted person
// (tests/support/requester_person.h). Run under AddressSanitizer in CI: callbacks that close the
// requester's window or open requesters of their own must leave no freed record touched.
#include <string>
#include <utility>
#include <vector>

#include "tests/support/requester_person.h"
#include "tests/support/toolkit_screen.h"
#include "toolkit/model/rich_text.h"

namespace bevel {
namespace {

using testing::Person;
using Heard = std::vector<std::pair<int, int>>;

constexpr int kScene = 0x335577;

class Requesters : public testing::ToolkitScreen {
 protected:
  void SetUp() override {
    ToolkitScreen::SetUp();
    ASSERT_NE(OpenScreen(640, 480, 32, "requesters"), 0);
    headless::SetFrameAdvance(20);
    SetScreenSize(640, 480, -1);
    // The host's last frame: what the first requester freezes.
    ClearScreen(kScene);
    GadgetEvent();
  }
  static int WidthIn(int font, std::string_view text) {
    EXPECT_NE(BeginDrawing(BackBufferTarget()), 0);
    SetDrawFont(font);
    const int width = RichTextWidth(text);
    EndDrawing();
    return width;
  }
  static int WindowFont() { return Toolkit().WindowScheme[SlotIndex(COLOR_FONT)]; }
};

// [SECTION] Answers

TEST_F(Requesters, AButtonAnswersWithItsIndexAnythingElseWithZero) {
  const struct {
    const char* name;
    const char* buttons;
    int flags;
    std::function<void(Person&)> act;
    int expected;
    int closeReported = 0;
  } cases[] = {
      {"one button", "OK", 0, [](Person& p) { p.Click(Person::Gadget(-1)); }, 1},
      {"the second of two", "Ja\nNein", 0, [](Person& p) { p.Click(Person::Gadget(-2)); }, 2},
      {"an empty caption", "Ja\n\nNein", 0, [](Person& p) { p.Click(Person::Gadget(-2)); }, 2},
      {"Escape with its flag", "OK", WINDOW_ESCAPE_CLOSES, [](Person& p) { p.Keys({KEY_ESCAPE}); },
       0},
      {"Escape without it", "OK", 0,
       [](Person& p) {
         p.Keys({KEY_ESCAPE});
         p.Click(Person::Gadget(-1));
       },
       1},
      {"the close button", "OK", WINDOW_CLOSE_BUTTON,
       [](Person& p) { p.Click(Person::CloseButton(-1)); }, 0},
      {"the program's window asked to close", "OK", 0,
       [](Person& p) { p.Do([] { headless::RequestClose(); }); }, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Person person;
    c.act(person);
    EXPECT_EQ(MessageRequester("Frage", "Text", c.buttons, c.flags), c.expected);
    EXPECT_EQ(WindowExists(-1) + GadgetExists(-1), 0) << "closed with its gadgets";
    EXPECT_EQ(PollWindowMessages(), c.closeReported) << "the host still hears a close request";
  }
}

TEST_F(Requesters, TheInputRequesterAnswersWithTheFieldOrTheDefault) {
  const struct {
    const char* name;
    const char* preset;
    int maximum, flags;
    std::function<void(Person&)> act;
    const char* expected;
  } cases[] = {
      {"OK at once", "abc", -1, 0,
       [](Person& p) {
         p.WaitFor(-1);
         p.Do([] {
           EXPECT_EQ(GetGadgetState(-2), 3) << "the caret after the default text";
           EXPECT_EQ(detail::FindGadget(-2)->selectionStart, 3) << "nothing selected";
         });
         p.Click(Person::Gadget(-1));
       },
       "abc"},
      {"Return in the field", "abc", -1, 0,
       [](Person& p) {
         p.Keys({KEY_X, KEY_ENTER});
       },
       "abcx"},
      {"Escape after typing", "abc", -1, WINDOW_ESCAPE_CLOSES,
       [](Person& p) {
         p.Keys({KEY_X, KEY_ESCAPE});
       },
       "abc"},
      {"maximum 8", "", 8, 0,
       [](Person& p) {
         p.Keys({KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I, KEY_J});
         p.Click(Person::Gadget(-1));
       },
       "abcdefgh"},
      {"the flags serve the field", "", -1, STRING_UPPER_CASE,
       [](Person& p) {
         p.Keys({KEY_Q, KEY_ENTER});
       },
       "Q"},
      {"the program's window asked to close", "abc", -1, 0,
       [](Person& p) {
         p.Keys({KEY_X});
         p.Do([] { headless::RequestClose(); });
       },
       "abc"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Person person;
    c.act(person);
    EXPECT_EQ(InputRequester("Eingabe", "Name:", c.preset, c.maximum, c.flags), c.expected);
    PollWindowMessages();
  }
}

// [SECTION] Sizes

TEST_F(Requesters, SizesFollowTheFontsAndStayOnTheScreen) {
  const std::string longTitle = "Ein recht langer Titel f\xFCr ein kleines Fenster";
  const std::string wide(200, 'W');
  std::string tall = "1";
  for (int i = 2; i <= 60; ++i) tall += "\n" + std::to_string(i);
  struct Rect {
    int x, y, w, h;
    bool operator==(const Rect&) const = default;
  };
  const struct {
    const char* name;
    bool input;
    std::string title, text;
    const char* buttons;
    int flags;
    int width, height;
    std::vector<Rect> gadgets;  // -1, -2, ...
  } cases[] = {
      {"one button centred",
       false,
       "T",
       "Hallo",
       "OK",
       0,
       102,
       48,
       {{11, 22, 80, 20}, {10, 4, 82, 13}}},
      {"three lines, three buttons",
       false,
       "T",
       "a\nb\nc",
       "Ja\n\nNein",
       0,
       282,
       74,
       {{11, 48, 80, 20}, {101, 48, 80, 20}, {191, 48, 80, 20}, {10, 4, 262, 39}}},
      {"a long title with a close button",
       false,
       longTitle,
       "a",
       "OK",
       WINDOW_CLOSE_BUTTON,
       WidthIn(WindowFont(), longTitle) + 35,
       48,
       {}},
      {"too wide and too tall",
       false,
       wide,
       wide + "\n" + tall,
       "OK",
       0,
       636,
       456,
       {{278, 430, 80, 20}, {10, 4, 616, 421}}},
      {"input",
       true,
       "T",
       "Name:",
       "",
       0,
       296,
       74,
       {{108, 48, 80, 20}, {11, 21, 274, 18}, {10, 4, 276, 13}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Person person;
    person.WaitFor(-1);
    person.Do([&] {
      EXPECT_EQ(WindowWidth(-1), c.width);
      EXPECT_EQ(WindowHeight(-1), c.height);
      EXPECT_LE(WindowOuterWidth(-1), 640) << "the frame fits the title on the screen";
      for (int i = 0; i < static_cast<int>(c.gadgets.size()); ++i) {
        const Gadget& g = *detail::FindGadget(-1 - i);
        EXPECT_EQ((Rect{g.x, g.y, g.width, g.height}), c.gadgets[i]) << "gadget " << -1 - i;
      }
      const std::string text = GetGadgetText(c.input ? -3 : -2);
      EXPECT_LE(WidthIn(font_, text.substr(0, text.find('\n'))), c.width - 20) << "text cut";
    });
    person.Keys({KEY_ESCAPE});
    const int flags = c.flags | WINDOW_ESCAPE_CLOSES;
    if (c.input) {
      InputRequester(c.title, c.text, "", -1, flags);
    } else {
      MessageRequester(c.title, c.text, c.buttons, flags);
    }
  }
}

// [SECTION] Callbacks

TEST_F(Requesters, TheCallbackHearsEveryKindAndDecides) {
  Heard heard;
  Person person;
  person.Click(Person::Gadget(-2));  // "Nein", refused
  person.Click(Person::Gadget(1));   // the callback's own button
  person.Click(Person::TitleBar(-1));
  person.Keys({KEY_F1});
  person.Do([] { EXPECT_EQ(detail::FindGadget(-1)->y, 100 - 26) << "follows the new height"; });
  person.Click(Person::Gadget(-1));  // "Ja"
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
  EXPECT_EQ(heard, (Heard{{1, -1}, {5, 2}, {2, 1}, {3, 2}, {3, 3}, {4, 77}, {5, 1}}));
}

TEST_F(Requesters, ACallbackCancelsOrClosesTheWindowAndTheAnswerIsZero) {
  // Each case: the kind at which the callback ends the requester, by its result or by closing
  // the requester's window (then the result says to go on).
  const struct {
    const char* name;
    int kind;
    bool closes;
    std::function<void(Person&)> act;
  } cases[] = {
      {"its gadget", 2, false, [](Person& p) { p.Click(Person::Gadget(1)); }},
      {"a window event", 3, false, [](Person& p) { p.Click(Person::TitleBar(-1)); }},
      {"a shortcut", 4, false, [](Person& p) { p.Keys({KEY_F1}); }},
      {"closed when opened", 1, true, [](Person&) {}},
      {"closed at its gadget", 2, true, [](Person& p) { p.Click(Person::Gadget(1)); }},
      {"closed at the answer", 5, true, [](Person& p) { p.Click(Person::Gadget(-1)); }},
      {"closed by an event handler", 0, true, [](Person& p) { p.Click(Person::Gadget(-1)); }},
  };
  OpenWindow(7, 10, 10, 200, 100, "Host");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.kind == 0) {  // the last case
      SetEventCallback([](Gadget* gadget, int kind, std::intptr_t) {
        if (kind == EVENT_PRESS && RecordNumber(gadget) == -1) CloseWindow(-1);
        return 1;
      });
    }
    Person person;
    c.act(person);
    const auto callback = [&](int kind, int value) {
      if (kind == REQUESTER_OPENED) {
        CreateButton(1, 10, 30, 60, 20, "Add");
        AddShortcut(value, KEY_F1, 77);
        ResizeWindow(value, KEEP_VALUE, KEEP_VALUE, KEEP_VALUE, 100);  // "OK" moves below "Add"
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

// [SECTION] Nesting

TEST_F(Requesters, AValidationCallbackRefusesTheEmptyTextWithARequesterOfItsOwn) {
  int refusals = 0;
  Person person;
  person.Keys({KEY_BACKSPACE, KEY_BACKSPACE, KEY_BACKSPACE});
  person.Click(Person::Gadget(-1));
  person.Click(Person::Gadget(-4));  // the "Fehler" requester's OK
  person.WaitFor(-1);
  person.Do([] { EXPECT_EQ(GetGadgetText(-2), "") << "the field unchanged"; });
  person.Click(Person::Gadget(-2));
  person.Keys({KEY_Q});
  person.Click(Person::Gadget(-1));
  const std::string text = InputRequester(
      "Eingabe", "Name:", "abc", -1, 0, [&](int kind, int, std::string_view entered) {
        if (kind != REQUESTER_ANSWER || !entered.empty()) return 1;
        ++refusals;
        EXPECT_EQ(InfoRequester("Fehler", "Kein leeren String eingeben!", "OK"), 1);
        return 0;
      });
  EXPECT_EQ(text, "q");
  EXPECT_EQ(refusals, 1);
}

TEST_F(Requesters, ThreeDeepEachGoesOnOverItsOwnBackdropWhenTheInnerCloses) {
  // Outside every window the screen shows the host's scene; a requester's title bar is navy
  // while it is active.
  const auto expectLive = [](int window) {
    EXPECT_EQ(Toolkit().ActiveWindow, window);
    EXPECT_EQ(headless::ShownPixel(2, 2), kScene) << "the backdrop";
    const auto [x, y] = Person::TitleBar(window)();
    EXPECT_EQ(headless::ShownPixel(x, y), 0x800000) << "drawn active";
  };
  // Gadgets: -1 "Weiter", -2 "Ende", -3 text; -4 OK, -5 field, -6 text; -7 "Fertig", -8 text.
  Person person;
  person.Click(Person::Gadget(-1));
  person.Click(Person::Gadget(-4));
  person.Click(Person::Gadget(-7));
  person.Frames(2);
  person.Do([&] { expectLive(-2); });
  person.Click(Person::Gadget(-4));
  person.Frames(2);
  person.Do([&] { expectLive(-1); });
  person.Click(Person::Gadget(-2));
  int answers = 0, innermost = 0;
  const auto middle = [&](int kind, int, std::string_view) {
    if (kind != REQUESTER_ANSWER) return 0;
    if (answers++ == 0) innermost = MessageRequester("Drei", "innen", "Fertig", 0);
    return answers > 1 ? 1 : 0;
  };
  const auto outer = [&](int kind, int value) {
    if (kind != REQUESTER_ANSWER || value != 1) return 1;
    InputRequester("Zwei", "mitten", "", -1, 0, middle);
    return 0;
  };
  EXPECT_EQ(MessageRequesterEx("Eins", "aussen", "Weiter\nEnde", 0, outer), 2);
  EXPECT_EQ(innermost, 1);
  EXPECT_EQ(answers, 2);
}

// [SECTION] Screen, pointer

TEST_F(Requesters, WithoutAScreenARequesterAnswersAtOnceAndItsWindowFitsItsButtons) {
  CloseScreen();
  EXPECT_EQ(MessageRequester("Frage", "Text", "OK", 0), 0);
  EXPECT_EQ(InputRequester("Frage", "Text", "abc", -1, 0), "abc");
  EXPECT_EQ(WindowExists(-1), 0);
  // A screen opened by the callback: the unmeasured window still fits its buttons.
  Person person;
  person.Click(Person::Gadget(-2));
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
  ClearScreen(0x0000FF);
  const int sprite = CaptureSprite(ANY_NUMBER, 0, 0, 4, 4);
  for (const int pointer : {sprite, -1}) {
    SCOPED_TRACE(pointer);
    SetScreenSize(640, 480, pointer);
    Person person;
    person.Do([] { headless::SetMouse(5, 5); });
    person.Frames(2);
    person.Do([&] { EXPECT_EQ(headless::ShownPixel(6, 6), pointer >= 0 ? 0x0000FF : kScene); });
    person.Keys({KEY_ESCAPE});
    ClearScreen(kScene);
    MessageRequester("Frage", "Text", "OK", WINDOW_ESCAPE_CLOSES);
  }
}

}  // namespace
}  // namespace bevel
