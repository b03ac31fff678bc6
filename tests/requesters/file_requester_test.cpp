// The file requesters on a temporary directory tree, answered by a scripted person: typed names
// and paths, the list's selection and double clicks, multiple selection, the checks and their
// German messages, and names and directories that cannot be used.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/requester_person.h"
#include "tests/support/toolkit_screen.h"
#include "toolkit/gadgets/list_layout.h"

namespace bevel {
namespace {

namespace fs = std::filesystem;
using namespace testing;

constexpr int kAccept = -1, kCancel = -2, kList = -3, kField = -4, kBox = -5;
const std::string kCheck = std::string("\n\xDC") + "berpr\xFC" + "fen Sie, ob der ";
const std::string kNoPath = "\nPfad existiert nicht." + kCheck + "Pfad richtig ist.";
const std::string kNotFound =
    "\nDatei konnte nicht gefunden werden." + kCheck + "Dateiname richtig ist.";

// The centre of the list row showing `name`; x < 0 while there is none.
Where Row(std::string name) {
  return [name] {
    const auto [x, y] = GadgetCentre(kList)();
    for (int i = 0; x >= 0 && i < CountGadgetItems(kList); ++i) {
      if (GetItemText(kList, i) == name) {
        const Gadget& list = *detail::FindGadget(kList);
        return std::pair(x, y - list.height / 2 + 2 + 14 * i + 7);
      }
    }
    return std::pair(-1, -1);
  };
}
// The pattern box's field (row -1) or a row of its open list.
Where PatternRow(int row) {
  return [row] {
    const auto [x, y] = GadgetCentre(kBox)();
    if (x < 0) return std::pair(-1, -1);
    const Gadget& box = *detail::FindGadget(kBox);
    const long long top = y - box.height / 2;
    const detail::ComboLayout layout =
        detail::ComboBoxLayout(box, x - box.width / 2, top, box.width, detail::ComboFieldHeight(13),
                               detail::ComboListHeight(box));
    return std::pair(x, static_cast<int>(row < 0 ? top + 8 : layout.list.RowTop(row + 1) + 7));
  };
}
// Files first to last, with Shift.
Script Selected(std::string first, std::string last) {
  return ClickAt(Row(first)) + Then([] { headless::SetKey(KEY_LEFT_SHIFT, true); }) +
         ClickAt(Row(last)) + Then([] { headless::SetKey(KEY_LEFT_SHIFT, false); });
}
Script DoubleClick(Where where) {
  return ClickAt(where) + Then([] { headless::SetButton(1, true); }) +
         Then([] { headless::SetButton(1, false); });
}
Script Type(std::string text) {
  return Click(kField) + Then([text] { SetGadgetText(kField, text); }) + Keys({KEY_ENTER});
}
// The message of the InfoRequester on top, and its button `answer` pressed.
Script Says(std::string text, int buttons = 1, int answer = 1) {
  return WaitFor(-2) + Then([=] { EXPECT_EQ(GetGadgetText(-6 - buttons), text); }) +
         Click(-5 - answer);
}
Script Caption(std::string text) {
  return Then([text] { EXPECT_EQ(GetGadgetText(kAccept), text); });
}
int ItemIndex(const std::string& name) {
  for (int i = 0; i < CountGadgetItems(kList); ++i) {
    if (GetItemText(kList, i) == name) return i;
  }
  return -1;
}
// The list's directory ("" the drives) and the name field's text.
Script Expect(std::string directory, std::string field) {
  return Then([=] {
    const std::string text = GetGadgetText(kList);
    EXPECT_EQ(text.substr(0, text.size() - GetItemText(kList, GetGadgetState(kList)).size()),
              directory);
    if (directory.empty()) {
      EXPECT_NE(GetItemText(kList, 0).find("/)"), std::string::npos) << "the root drive";
    }
    EXPECT_EQ(GetGadgetText(kField), field);
  });
}

struct Case {
  const char* name;
  bool save;
  std::string defaultFile;
  int listFlags;
  Script script;
  std::string expected;
  std::vector<std::string> next = {};
  int patternIndex = 1;
};

class FileRequesters : public ToolkitScreen {
 protected:
  int ScreenWidth() const override { return 640; }
  int ScreenHeight() const override { return 480; }
  void SetUp() override {
    ToolkitScreen::SetUp();
    headless::SetFrameAdvance(20);
    SetScreenSize(640, 480, -1);
    GadgetEvent();
    char name[] = "/tmp/bevel-files-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    root_ = std::string(name) + "/";
    // "Übung.txt" (UTF-8, in octal), a Japanese name, one that is no UTF-8, a Japanese directory.
    for (const char* file :
         {"a.txt", "b.txt", "c.txt", "notes.log", "readonly.txt", "sub/inner.txt",
          "gone/deeper/x.txt", "locked/x.txt", "\303\234bung.txt", "\xE6\x97\xA5.txt",
          "bad\xFF.txt", "\xE6\x97\xA5_dir/x.txt"}) {
      fs::create_directories(fs::path(root_ + file).parent_path());
      std::ofstream(root_ + file) << "x";
    }
    fs::create_symlink("loop", root_ + "loop");
    fs::create_symlink("missing", root_ + "dead");
    chmod((root_ + "readonly.txt").c_str(), 0444);
    chmod((root_ + "locked").c_str(), 0);
    chmod(name, 0755);
    setenv("HOME", name, 1);
  }
  void TearDown() override {
    chmod((root_ + "locked").c_str(), 0755);
    fs::remove_all(root_);
    ToolkitScreen::TearDown();
  }
  void Run(const Case& c) {
    SCOPED_TRACE(c.name);
    Person person(c.script);
    const char* patterns = "Texte (*.txt)|*.txt|Alle Dateien|*";
    const int flags = c.listFlags | FILES_SORTED;
    const std::string result =
        c.save ? SaveFileRequester("Datei", c.defaultFile, patterns, c.patternIndex, 0, flags)
               : OpenFileRequester("Datei", c.defaultFile, patterns, c.patternIndex, 0, flags);
    EXPECT_EQ(result, c.expected);
    if (!c.save && !result.empty()) {
      EXPECT_GE(FileSize(result), 0) << "the path leads to it";
    }
    for (const std::string& path : c.next) EXPECT_EQ(NextChosenFile(), path);
    EXPECT_EQ(NextChosenFile(), "");
    EXPECT_EQ(WindowExists(-1), 0);
  }
  std::string root_;
};

TEST_F(FileRequesters, EveryWayToAnswer) {
  const std::string r = root_;
  const std::string replace = std::string(" besteht bereits.\nM\xF6") + "chten Sie sie ersetzen?";
  const std::string invalid = "\nDer angegebene Dateiname ist ung\xFCltig.";
  const std::string uebung = std::string("\xDC") + "bung.txt";
  // clang-format off
  const Case cases[] = {
      {"drives for an empty default, the layout", false, "", 0,
       WaitFor(-1) + Expect("", "") + Then([] {
         EXPECT_EQ(WindowWidth(-1) * 1000 + WindowHeight(-1), 514352);
         const Gadget& accept = *detail::FindGadget(kAccept);
         EXPECT_EQ(accept.x * 1000 + accept.y, 423302);
         EXPECT_EQ(detail::FindGadget(kList)->rows, 20);
         EXPECT_EQ(detail::FindGadget(kBox)->y, 352 - 13 - 10);
       }) + Click(kCancel), ""},
      {"directories typed or double-clicked open; '\\' is '/', '~' home, '..' a step up", false,
       r, 0,
       Type("sub") + Expect(r + "sub/", "sub") + Type("..") + Expect(r, "..") +
           DoubleClick(Row("sub")) + Expect(r + "sub/", "..") + Type("~\\sub\\inner.txt"),
       r + "sub/inner.txt"},
      {"refused: a missing directory, a missing file, '?' and '*'", false, r, FILE_MUST_EXIST,
       Type("x\\y.txt") + Says("x/" + kNoPath) + Type("nope.txt") +
           Says(r + "nope.txt" + kNotFound) + Type("a?.txt") + Says("a?.txt" + invalid) +
           Type("*") + Says("*" + invalid) + Click(kCancel),
       ""},
      {"replacing: Nein stays open, Ja answers", true, r + "a.txt", FILE_ASK_REPLACE,
       Click(kAccept) + Says(r + "a.txt" + replace, 2, 2) + Click(kAccept) +
           Says(r + "a.txt" + replace, 2, 1),
       r + "a.txt"},
      {"save: the caption follows the selection", true, r + "neu.txt", 0,
       Caption("Speichern") + ClickAt(Row("sub")) + Caption("\xD6" "ffnen") +
           ClickAt(Row("a.txt")) + Expect(r, "a.txt") + Caption("Speichern") + Click(kAccept),
       r + "a.txt"},
      {"three files, a lost name among them", false, r, FILE_MULTIPLE,
       Selected("a.txt", "c.txt") + Expect(r, "\"a.txt\" \"b.txt\" \"c.txt\" ") + Click(kAccept),
       r + "a.txt", {r + "b.txt", r + "c.txt", ""}},
      {"a double click answers unless the mouse moves before the release", false, r, 0,
       ClickAt(Row("b.txt")) + Then([] { headless::SetButton(1, true); }) +
           Then([] { headless::SetMouse(headless::MouseXNow() + 3, headless::MouseYNow()); }) +
           Then([] { headless::SetButton(1, false); }) + Expect(r, "b.txt") +
           DoubleClick(Row("c.txt")),
       r + "c.txt"},
      {"pattern index 5 of two is the first; another reads the list again", false, r, 0,
       WaitFor(-1) + Then([] {
         EXPECT_EQ(GetGadgetText(kBox), "Texte (*.txt)");
         EXPECT_EQ(Row("notes.log")().first, -1);
       }) + ClickAt(PatternRow(-1)) + ClickAt(PatternRow(1)) + Expect(r, "") +
           Then([] { EXPECT_GE(Row("notes.log")().first, 0); }) + Click(kCancel),
       "", {}, 5},
      {"Windows-1252 names round trip", false, r, 0,
       ClickAt(Row(uebung)) + Click(kAccept), r + uebung},
      {"names Windows-1252 cannot hold: greyed, neither chosen nor opened", false, r, 0,
       Then([] {
         const Gadget& list = *detail::FindGadget(kList);
         EXPECT_EQ(list.items[static_cast<std::size_t>(ItemIndex("?.txt"))].itemColors[2],
                   0x808080) << "greyed";
       }) + ClickAt(Row("?.txt")) + Click(kAccept) + DoubleClick(Row("bad?.txt")) +
           DoubleClick(Row("?_dir")) + Expect(r, "") +
           Then([] { SetItemState(kList, ItemIndex("?_dir"), ITEM_REQUEST_OPEN); }) +
           Expect(r, "") + Click(kCancel),
       ""},
      {"links in a loop and to nothing are listed, and missing", false, r, FILE_MUST_EXIST,
       ClickAt(Row("loop")) + Click(kAccept) + Says(r + "loop" + kNotFound) +
           DoubleClick(Row("dead")) + Says(r + "dead" + kNotFound) + Type("loop/x.txt") +
           Says("loop/" + kNoPath) + Click(kCancel),
       ""},
      {"the list's directory vanished: the drives", false, r + "gone/", 0,
       Then([&] { fs::remove_all(r + "gone"); }) + DoubleClick(Row("deeper")) + Expect("", "") +
           Click(kCancel),
       ""},
  };
  // clang-format on
  for (const Case& c : cases) Run(c);
}

// The callback hears each path the user answers with; a selection of several that it refuses
// leaves nothing behind, whether the requester is cancelled or answered with one file then.
TEST_F(FileRequesters, TheCallbackHearsThePathsAndSelectionsEndWithTheirRequester) {
  const Script ab = Selected("a.txt", "b.txt") + Click(kAccept);
  std::vector<std::string> heard;
  const auto refuseFirst = [&](int kind, int, std::string_view text) {
    if (kind == REQUESTER_OPENED) {
      EXPECT_EQ(NextChosenFile(), "") << "emptied at the start";
    }
    if (kind == REQUESTER_ANSWER) heard.emplace_back(text);
    return kind == REQUESTER_ANSWER && heard.size() > 1 ? 1 : 0;
  };
  const std::string a = root_ + "a.txt", c = root_ + "c.txt";
  const struct {
    Script then;
    std::vector<std::string> heard;
  } cases[] = {{Click(kCancel), {a}}, {DoubleClick(Row("c.txt")), {a, c}}};
  for (const auto& k : cases) {
    {
      Person person(ab);
      EXPECT_EQ(OpenFileRequester("Datei", root_, "", 0, 0, FILE_MULTIPLE | FILES_SORTED), a);
    }
    heard.clear();
    Person person(ab + k.then);
    const std::string result =
        FileRequester("Datei", root_, "", 0, 0, FILE_MULTIPLE | FILES_SORTED, refuseFirst);
    EXPECT_EQ(result, k.heard.size() > 1 ? c : "");
    EXPECT_EQ(heard, k.heard);
    EXPECT_EQ(NextChosenFile(), "") << "nothing left of the refused selection";
  }
}

// Root may read and write whatever the permission bits say: these run as "nobody" then.
TEST_F(FileRequesters, WhatTheUserMayNotReadOrWriteIsRefused) {
  const std::string r = root_;
  const Case cases[] = {
      {"a read-only file", true, r, FILE_REFUSE_READONLY,
       Type("readonly.txt") +
           Says(r + "readonly.txt\nDie Datei besteht bereits mit Schreibschutz.\n"
                    "Verwenden Sie einen anderen Dateinamen.") +
           Type("neu.txt"),
       r + "neu.txt"},
      {"a directory that cannot be read", false, r, 0,
       DoubleClick(Row("locked")) + Says(r + "locked/" + kNoPath) + Type("locked/x.txt") +
           Says("locked/" + kNoPath) + Expect(r, "locked/x.txt") + Click(kCancel),
       ""},
  };
  const auto run = [&] {
    for (const Case& c : cases) Run(c);
  };
  if (geteuid() != 0) return run();
  EXPECT_EXIT(
      {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
        run();
        _exit(HasFailure() ? 1 : 0);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace bevel
