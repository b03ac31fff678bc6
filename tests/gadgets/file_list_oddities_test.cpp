// File lists on odd file systems: names Windows-1252 cannot spell or an item cannot show, links
// that loop or lead nowhere, directories that cannot be read or vanish while shown, names and
// paths at the system's limits, and a directory of 10,000 files. Nothing crashes or hangs, and
// every entry shown is the file it names: what cannot be shown is left out.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "services/internal/cp1252.h"
#include "tests/support/frame_fixture.h"
#include "toolkit/toolkit.h"

namespace bevel {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

constexpr int kList = 1;

class FileListOddities : public testing::FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    InitFileIcons(0);
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    root_ = fs::temp_directory_path() / ("bevel-odd-" + std::to_string(getpid()) + "-" + test);
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(root_ / "locked", fs::perms::owner_all, ec);
    fs::remove_all(root_, ec);
    FrameFixture::TearDown();
  }
  // The directory as a file list holds it: Windows-1252, ending in "/".
  std::string Dir(const fs::path& p) const { return detail::Utf8ToCp1252(p.string()) + "/"; }
  static Strings Texts() {
    Strings texts;
    for (int i = 0; i < CountGadgetItems(kList); ++i) texts.push_back(GetItemText(kList, i));
    return texts;
  }
  static bool IsDirectory(const std::string& text) {
    const Strings texts = Texts();
    const auto it = std::find(texts.begin(), texts.end(), text);
    if (it == texts.end()) return false;
    SetGadgetState(kList, static_cast<int>(it - texts.begin()));
    return (detail::FindGadget(kList)
                ->items[static_cast<std::size_t>(it - texts.begin())]
                .itemState &
            0x40) != 0;
  }
  // Every entry but ".." and the greyed ones names something that is there under exactly that name.
  static void ExpectEveryEntryIsItsFile() {
    for (int i = 0; i < CountGadgetItems(kList); ++i) {
      // ".." and greyed entries (names Windows-1252 cannot hold) are never chosen.
      if (GetItemText(kList, i) == ".." ||
          (detail::FindGadget(kList)->items[static_cast<std::size_t>(i)].itemState & 0x80) != 0) {
        continue;
      }
      SetGadgetState(kList, i);
      std::error_code ec;
      EXPECT_TRUE(fs::exists(fs::symlink_status(detail::Cp1252ToUtf8(GetGadgetText(kList)), ec)))
          << GetGadgetText(kList);
    }
  }
  fs::path root_;
};

// One entry on disk (its name in UTF-8 bytes) and how the list shows it: its text, or nullptr
// when it is left out.
struct EntryCase {
  const char* diskName;
  enum Kind { kFile, kDirectory, kLinkToSelf, kDanglingLink, kLinkToDirectory } kind;
  const char* shown;
  bool directory;
  bool greyed = false;
};

TEST_F(FileListOddities, EntriesAreShownAsThemselvesOrLeftOut) {
  const std::string longName = std::string(251, 'x') + ".txt";  // 255 bytes, the most allowed
  const EntryCase cases[] = {
      {"plain.txt", EntryCase::kFile, "plain.txt", false},
      {"caf\xC3\xA9.txt", EntryCase::kFile, "caf\xE9.txt", false},
      {"\xE2\x82\xAC", EntryCase::kDirectory, "\x80", true},
      {"a*b?c|d", EntryCase::kFile, "a*b?c|d", false},
      {longName.c_str(), EntryCase::kFile, longName.c_str(), false},
      // Names Windows-1252 cannot hold are shown greyed, and can be neither opened nor chosen.
      {"bad\xFF.txt", EntryCase::kFile, "bad?.txt", false, true},    // not UTF-8
      {"half\xC3", EntryCase::kDirectory, "half?", true, true},      // a cut-off sequence
      {"\xE6\x97\xA5.txt", EntryCase::kFile, "?.txt", false, true},  // a character 1252 lacks
      {"tab\tname", EntryCase::kFile, nullptr, false},               // would move to a tab stop
      {"line\nbreak", EntryCase::kFile, nullptr, false},             // would start a second column
      {"\x0Eunderlined", EntryCase::kFile, nullptr, false},          // an inline text code
      {"loop", EntryCase::kLinkToSelf, "loop", false},
      {"dangling", EntryCase::kDanglingLink, "dangling", false},
      {"linked", EntryCase::kLinkToDirectory, "linked", true},
  };
  fs::create_directory(root_ / "target");
  Strings expected = {"..", "target"};
  for (const EntryCase& c : cases) {
    const fs::path p = root_ / c.diskName;
    switch (c.kind) {
      case EntryCase::kFile:
        std::ofstream(p) << "x";
        break;
      case EntryCase::kDirectory:
        fs::create_directory(p);
        break;
      case EntryCase::kLinkToSelf:
        fs::create_symlink(c.diskName, p);
        break;
      case EntryCase::kDanglingLink:
        fs::create_symlink("nowhere", p);
        break;
      case EntryCase::kLinkToDirectory:
        fs::create_directory_symlink("target", p);
        break;
    }
    if (c.shown != nullptr) expected.push_back(c.shown);
  }

  ASSERT_NE(CreateFileList(kList, 0, 0, 200, 10, Dir(root_), 0), 0);
  Strings texts = Texts();
  std::sort(texts.begin(), texts.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(texts, expected);
  const Strings listed = Texts();
  for (const EntryCase& c : cases) {
    if (c.shown != nullptr) {
      EXPECT_EQ(IsDirectory(c.shown), c.directory) << c.shown;
      const auto at = std::find(listed.begin(), listed.end(), std::string(c.shown));
      ASSERT_NE(at, listed.end()) << c.shown;
      const int state =
          detail::FindGadget(kList)->items[static_cast<std::size_t>(at - listed.begin())].itemState;
      EXPECT_EQ((state & 0x80) != 0, c.greyed) << c.shown;
    }
  }
  ExpectEveryEntryIsItsFile();
  Frames(2);  // and every one of them draws
}

TEST_F(FileListOddities, ALinkBackToItsParentOpensUntilTheSystemStopsFollowingIt) {
  fs::create_directory(root_ / "d");
  fs::create_directory_symlink("..", root_ / "d" / "up");
  ASSERT_NE(CreateFileList(kList, 0, 0, 200, 10, Dir(root_ / "d"), FILES_SORTED), 0);
  // d/up/d/up/...: every step lists the real directory, until the path holds more links than
  // the system follows; from there "up" cannot be examined and shows as a file, which opens
  // nothing.
  int opened = 0;
  while (opened < 1000 && IsDirectory(GetItemText(kList, 1))) {
    const Strings texts = Texts();
    ASSERT_TRUE(texts == (Strings{"..", "up"}) || texts == (Strings{"..", "d"}))
        << GetGadgetText(kList);
    SetItemState(kList, 1, ITEM_REQUEST_OPEN);
    ++opened;
  }
  EXPECT_LT(opened, 1000);
  EXPECT_EQ(Texts(), (Strings{"..", "up"}));
  const std::string stuck = detail::FindGadget(kList)->text;
  SetItemState(kList, 1, ITEM_REQUEST_OPEN);
  EXPECT_EQ(detail::FindGadget(kList)->text, stuck);
}

TEST_F(FileListOddities, ADirectoryThatCannotBeReadShowsTheDrives) {
  std::ofstream(root_ / "file") << "x";
  fs::create_directory(root_ / "locked");
  fs::permissions(root_ / "locked", fs::perms::none);
  struct Case {
    const char* name;
    std::string path;
    bool onlyWithoutRoot;  // root reads any directory
  };
  const Case cases[] = {
      {"missing", Dir(root_ / "missing"), false},
      {"a file", Dir(root_ / "file"), false},
      {"no permission", Dir(root_ / "locked"), true},
  };
  for (const Case& c : cases) {
    if (c.onlyWithoutRoot && geteuid() == 0) continue;
    SCOPED_TRACE(c.name);
    ASSERT_NE(CreateFileList(kList, 0, 0, 200, 10, c.path, 0), 0);
    EXPECT_EQ(GetGadgetText(kList), "");
    EXPECT_EQ(CountGadgetItems(kList), static_cast<int>(Toolkit().DirEntryList.size()));
    Frame();
    InitToolkit();
  }
}

TEST_F(FileListOddities, ADirectoryRemovedWhileShownKeepsItsEntriesUntilOneIsOpened) {
  const fs::path shown = root_ / "shown";
  fs::create_directories(shown / "sub");
  std::ofstream(shown / "a.txt") << "x";
  ASSERT_NE(CreateFileList(kList, 0, 0, 200, 10, Dir(shown), FILES_SORTED), 0);
  ASSERT_EQ(Texts(), (Strings{"..", "sub", "a.txt"}));
  Frames(2);
  fs::remove_all(shown);

  Frames(3);  // frames never read the directory again
  EXPECT_EQ(Texts(), (Strings{"..", "sub", "a.txt"}));
  Click(20, 2 + 2 * 14 + 5);  // the file: selected, still named by its old path
  EXPECT_EQ(GetGadgetText(kList), Dir(shown) + "a.txt");
  Frames(30);  // too late for a double click
  // A double click on the vanished sub-directory opens nothing there: the drives show.
  Click(20, 2 + 14 + 5);
  Press(20, 2 + 14 + 5);
  Frame();
  Release();
  Frame();
  EXPECT_EQ(GetGadgetText(kList), "");
  EXPECT_EQ(CountGadgetItems(kList), static_cast<int>(Toolkit().DirEntryList.size()));
}

TEST_F(FileListOddities, PathsLongerThanTheSystemTakesEndInTheDrives) {
  // A chain of 100 directories of 200 bytes each: far past PATH_MAX (4096), built one level
  // at a time from inside.
  const fs::path start = fs::current_path();
  const std::string name(200, 'n');
  fs::current_path(root_);
  for (int i = 0; i < 100; ++i) {
    fs::create_directory(name);
    fs::current_path(name);
  }
  fs::current_path(start);

  ASSERT_NE(CreateFileList(kList, 0, 0, 200, 10, Dir(root_), FILES_SORTED), 0);
  int depth = 0;
  while (!GetGadgetText(kList).empty()) {
    ASSERT_LT(depth, 100);
    ASSERT_EQ(Texts(), (Strings{"..", name})) << "depth " << depth;
    SetItemState(kList, 1, ITEM_REQUEST_OPEN);
    ++depth;
    Frame();
  }
  EXPECT_GT(depth, 10) << "long paths below the limit still list";
  EXPECT_EQ(CountGadgetItems(kList), static_cast<int>(Toolkit().DirEntryList.size()));
}

TEST_F(FileListOddities, TenThousandFilesAreReadOncePerChange) {
  for (int i = 0; i < 10000; ++i) {
    std::ofstream(root_ / ("f" + std::to_string(10000 + i) + ".txt"));
  }
  ASSERT_NE(CreateFileList(kList, 0, 0, 200, 10, Dir(root_), FILES_SORTED), 0);
  ASSERT_EQ(CountGadgetItems(kList), 10001);
  EXPECT_EQ(GetItemText(kList, 1), "f10000.txt");
  EXPECT_EQ(GetItemText(kList, 10000), "f19999.txt");

  std::ofstream(root_ / "late.txt");
  Frames(3);
  EXPECT_EQ(CountGadgetItems(kList), 10001) << "a frame reads nothing";
  SetGadgetText(kList, Dir(root_));
  EXPECT_EQ(CountGadgetItems(kList), 10002) << "a change reads the directory again";
}

}  // namespace
}  // namespace bevel
