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
const std::string kNoPath =
    "\nPfad existiert nicht.\n\xDC"
    "berpr\xFC"
    "fen Sie, ob der Pfad richtig ist.";
const std::string kNotFound =
    "\nDatei konnte nicht gefunden werden.\n\xDC"
    "berpr\xFC"
    "fen Sie, ob der Dateiname richtig ist.";

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
int ItemIndex(const std::string& name, int list = kList) {
  for (int i = 0; i < CountGadgetItems(list); ++i) {
    if (GetItemText(list, i) == name) return i;
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
    // "Übung.txt", a Japanese name, a name that is no UTF-8, and a Japanese directory.
    for (const char* file : {"a.txt", "b.txt", "c.txt", "notes.log", "readonly.txt",
                             "sub/inner.txt", "gone/deeper/x.txt", "locked/x.txt",
                             "\xC3\x9C"
                             "bung.txt",
                             "\xE6\x97\xA5.txt", "bad\xFF.txt",
                             "\xE6\x97\xA5"
                             "dir/x.txt"}) {
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
  const std::string replace =
      " besteht bereits.\nM\xF6"
      "chten Sie sie ersetzen?";
  const std::string invalid = "\nDer angegebene Dateiname ist ung\xFCltig.";
  const std::string uebung =
      "\xDC"
      "bung.txt";
  const Script severalSelected =
      ClickAt(Row("a.txt")) + Then([] { headless::SetKey(KEY_LEFT_SHIFT, true); }) +
      ClickAt(Row("c.txt")) + Then([] { headless::SetKey(KEY_LEFT_SHIFT, false); });
  // clang-format off
  const Case cases[] = {
      {"drives for an empty default", false, "", 0,
       WaitFor(-1) + Expect("", "") + Click(kCancel), ""},
      {"a sub-directory typed opens and answers nothing", false, r, 0,
       Type("sub") + Expect(r + "sub/", "sub") + Click(kCancel), ""},
      {"typed paths: '\\' is '/', '~' home, '..' a step up", false, r, 0,
       DoubleClick(Row("sub")) + Expect(r + "sub/", "") + Type("..") + Expect(r, "..") +
           Type("~\\sub\\inner.txt"),
       r + "sub/inner.txt"},
      {"a missing directory in the name", false, r, 0,
       Type("x\\y.txt") + Says("x/" + kNoPath) + Click(kCancel), ""},
      {"a file that must exist", false, r, FILE_MUST_EXIST,
       Type("nope.txt") + Says(r + "nope.txt" + kNotFound) + Click(kCancel), ""},
      {"'?' and '*' are no names", false, r, 0,
       Type("a?.txt") + Says("a?.txt" + invalid) + Type("*") + Says("*" + invalid) +
           Click(kCancel),
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
       severalSelected + Expect(r, "\"a.txt\" \"b.txt\" \"c.txt\" ") + Click(kAccept),
       r + "a.txt", {r + "b.txt", r + "c.txt", ""}},
      {"a double click", false, r, 0, DoubleClick(Row("b.txt")), r + "b.txt"},
      {"a double click, moved before the release", false, r, 0,
       ClickAt(Row("b.txt")) + Then([] { headless::SetButton(1, true); }) +
           Then([] { headless::SetMouse(headless::MouseXNow() + 3, headless::MouseYNow()); }) +
           Then([] { headless::SetButton(1, false); }) + Expect(r, "b.txt") + Click(kCancel),
       ""},
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
           DoubleClick(Row("?dir")) + Expect(r, "") + Click(kCancel),
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

TEST_F(FileRequesters, SelectionsOfSeveralEndWithTheirRequester) {
  const Script severalChosen =
      ClickAt(Row("a.txt")) + Then([] { headless::SetKey(KEY_LEFT_SHIFT, true); }) +
      ClickAt(Row("b.txt")) + Then([] { headless::SetKey(KEY_LEFT_SHIFT, false); }) +
      Click(kAccept);
  int answers = 0;
  const auto refuseFirst = [&](int kind, int, std::string_view) {
    if (kind == REQUESTER_OPENED) {
      EXPECT_EQ(NextChosenFile(), "") << "emptied at the start";
    }
    return kind == REQUESTER_ANSWER && ++answers > 1 ? 1 : 0;
  };
  // Then a requester whose selection of several is refused ends cancelled, or with one file.
  for (const Script& then : {Click(kCancel), DoubleClick(Row("c.txt"))}) {
    {
      Person person(severalChosen);
      EXPECT_EQ(OpenFileRequester("Datei", root_, "", 0, 0, FILE_MULTIPLE | FILES_SORTED),
                root_ + "a.txt");
    }
    answers = 0;
    Person person(severalChosen + then);
    FileRequester("Datei", root_, "", 0, 0, FILE_MULTIPLE | FILES_SORTED, refuseFirst);
    EXPECT_EQ(NextChosenFile(), "") << "nothing left of the refused selection";
  }
}

TEST_F(FileRequesters, TheCallbackHearsTheChosenPathAndMayRefuseIt) {
  std::vector<std::string> heard;
  Person person(Type("b.txt") + Type("c.txt"));
  const std::string result =
      FileRequester("Datei", root_, "", 0, 0, 0, [&](int kind, int value, std::string_view text) {
        heard.push_back(std::to_string(kind) + " " + std::to_string(value) + " " +
                        std::string(text));
        return kind == REQUESTER_ANSWER && text.find("c.txt") != std::string_view::npos ? 1 : 0;
      });
  EXPECT_EQ(result, root_ + "c.txt");
  EXPECT_EQ(heard, (std::vector<std::string>{"1 -1 ", "5 0 " + root_ + "b.txt",
                                             "5 0 " + root_ + "c.txt"}));
}

TEST_F(FileRequesters, AFileListOfItsOwnOpensNoLostName) {
  CreateFileList(1, 0, 0, 200, 10, root_, 0);
  SetItemState(1, ItemIndex("?dir", 1), ITEM_REQUEST_OPEN);
  EXPECT_EQ(GetGadgetText(1), root_);
  SetItemState(1, ItemIndex("sub", 1), ITEM_REQUEST_OPEN);
  EXPECT_EQ(GetGadgetText(1), root_ + "sub/");
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
