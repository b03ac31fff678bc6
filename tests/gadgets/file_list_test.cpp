// File lists on a temporary directory tree: patterns, sorting, the listing flags, icons,
// navigation through ".." and the drive list, vanished directories, and the TreeList that
// reads a directory tree one level ahead.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "toolkit/gadgets/file_list.h"
#include "toolkit/gadgets/items.h"
#include "toolkit/model/gadget.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"

namespace bevel {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using StringSet = std::set<std::string>;

constexpr int kFiles = 1;

// ---------------------------------------------------------------------------------------------
// Patterns

struct PatternCase {
  const char* name;
  const char* patterns;
  int result;
};

TEST(MatchPattern, Cases) {
  const PatternCase cases[] = {
      {"a.txt", "*.txt;*.log", 1},
      {"b.log", "*.txt;*.log", 1},
      {"c.doc", "*.txt;*.log", 0},
      {"anything", "", 2},
      {"", "", 2},
      {"abc", "a?c", 1},
      {"ac", "a?c", 0},
      {"abcd", "a?c", 0},
      {"", "*", 1},
      {"", "**", 1},
      {"", "?", 0},
      {"a.txt.txt", "*.txt", 1},  // the star must give back what it took
      {"abx", "*?x", 1},
      {"ax", "*?x", 1},
      {"x", "*?x", 0},
      {"mississippi", "m*iss*ppi", 1},
      {"mississippi", "*sip*", 1},
      {"mississippi", "*sis*sip", 0},
      {"aaa", "a*a*a*a", 0},
      {"aaaa", "a*a*a*a", 1},
      {"ABC", "abc", 1},  // ASCII case is ignored
      {"abc", ";abc", 1},
      {"abc", "a;b;", 0},
      {"", "a;", 1},  // an empty alternative matches only the empty name
      {"read.me", "*.me", 1},
      {"x.tar.gz", "*.gz;*.tar", 1},
  };
  for (const PatternCase& c : cases) {
    EXPECT_EQ(detail::MatchPattern(c.name, c.patterns), c.result)
        << "name \"" << c.name << "\" patterns \"" << c.patterns << "\"";
  }
}

// A plain dynamic-programming matcher to compare against.
bool ReferenceMatch(const std::string& name, const std::string& pattern) {
  std::vector<std::vector<char>> m(pattern.size() + 1, std::vector<char>(name.size() + 1, 0));
  m[0][0] = 1;
  for (std::size_t p = 1; p <= pattern.size(); ++p) {
    for (std::size_t n = 0; n <= name.size(); ++n) {
      const char c = pattern[p - 1];
      if (c == '*') {
        m[p][n] = m[p - 1][n] || (n > 0 && m[p][n - 1]);
      } else if (n > 0) {
        m[p][n] = m[p - 1][n - 1] && (c == '?' || c == name[n - 1]);
      }
    }
  }
  return m[pattern.size()][name.size()] != 0;
}

int ReferenceMatchPattern(const std::string& name, const std::string& patterns) {
  if (patterns.empty()) return 2;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = patterns.find(';', start);
    if (ReferenceMatch(name, patterns.substr(start, end - start))) return 1;
    if (end == std::string::npos) return 0;
    start = end + 1;
  }
}

TEST(MatchPattern, AgreesWithAReferenceMatcherOnRandomInputs) {
  std::mt19937 random(20240607);
  const auto word = [&](const char* alphabet, int maxLength) {
    const std::string letters(alphabet);
    std::string s(random() % static_cast<unsigned>(maxLength + 1), ' ');
    for (char& c : s) c = letters[random() % letters.size()];
    return s;
  };
  for (int i = 0; i < 20000; ++i) {
    const std::string name = word("ab.", 8);
    const std::string patterns = word("ab.*?;", 9);
    ASSERT_EQ(detail::MatchPattern(name, patterns), ReferenceMatchPattern(name, patterns))
        << "name \"" << name << "\" patterns \"" << patterns << "\"";
  }
}

TEST(MatchPattern, PatternsFullOfStarsStayFast) {
  const std::string name(5000, 'a');
  std::string manyAlternatives;
  for (int i = 0; i < 200; ++i) manyAlternatives += "*a*a*?a*a*?*b;";
  std::string oneLong;
  for (int i = 0; i < 1000; ++i) oneLong += "*?";
  oneLong += "*b";
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(detail::MatchPattern(name, manyAlternatives), 0);
  EXPECT_EQ(detail::MatchPattern(name + "b", manyAlternatives), 1);
  EXPECT_EQ(detail::MatchPattern("", manyAlternatives), 1) << "the empty last alternative";
  EXPECT_EQ(detail::MatchPattern(name, oneLong), 0);
  EXPECT_EQ(detail::MatchPattern(name + "b", oneLong), 1);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 5.0) << "backtracking must not blow up";
}

// ---------------------------------------------------------------------------------------------
// The fixture: a fresh directory per test under the system's temporary directory.

class FileLists : public ::testing::Test {
 protected:
  void SetUp() override {
    InitToolkit();
    InitFileIcons(0);
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    root_ = fs::temp_directory_path() / ("bevel-files-" + std::to_string(getpid()) + "-" + test);
    fs::remove_all(root_);
    fs::create_directories(root_);
    for (const char* dir : {"b", "A"}) fs::create_directory(root_ / dir);
    for (const char* file : {"Read.ME", "z.txt", "a.TXT", "c.doc", "B.txt", "A/inner.txt"}) {
      Touch(file);
    }
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  void Touch(const std::string& relative) const { std::ofstream(root_ / relative) << "x"; }
  // The directory with its trailing separator, as a file list holds it.
  std::string Dir(const std::string& relative = "") const {
    return (root_ / relative).string() + (relative.empty() ? "" : "/");
  }
  std::string RootDir() const { return root_.string() + "/"; }

  static Gadget& Record(int number) { return *detail::FindGadget(number); }
  static Strings Texts(int number) {
    Strings texts;
    for (const GadgetItem& item : Record(number).items) texts.push_back(item.itemText);
    return texts;
  }
  static int IndexOf(int number, const std::string& text) {
    const Strings texts = Texts(number);
    const auto it = std::find(texts.begin(), texts.end(), text);
    return it == texts.end() ? -1 : static_cast<int>(it - texts.begin());
  }
  static bool IsDirectory(int number, int index) {
    return (Record(number).items[static_cast<std::size_t>(index)].itemState & 0x40) != 0;
  }
  static int Icon(int number, const std::string& text) {
    return Record(number).items[static_cast<std::size_t>(IndexOf(number, text))].itemData;
  }
  int Create(const std::string& path, int flags, int number = kFiles) const {
    return CreateFileList(number, 0, 0, 200, 10, path, flags);
  }

  fs::path root_;
};

// ---------------------------------------------------------------------------------------------
// Listing

TEST_F(FileLists, SortedListingHasParentThenDirectoriesThenMatchingFilesIgnoringCase) {
  ASSERT_NE(Create(RootDir() + "*.TXT;*.me", FILES_SORTED), 0);
  EXPECT_EQ(Record(kFiles).extraText, "*.txt;*.me") << "the pattern is kept in lower case";
  EXPECT_EQ(Texts(kFiles), (Strings{"..", "A", "b", "a.TXT", "B.txt", "Read.ME", "z.txt"}));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(IsDirectory(kFiles, i)) << i;
  for (int i = 3; i < 7; ++i) EXPECT_FALSE(IsDirectory(kFiles, i)) << i;
  EXPECT_EQ(GetGadgetState(kFiles), -1);
  EXPECT_EQ(Record(kFiles).type, GADGET_FILELIST);
}

TEST_F(FileLists, UnsortedListingKeepsTheGroups) {
  ASSERT_NE(Create(RootDir() + "*.txt", 0), 0);
  const Strings texts = Texts(kFiles);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[0], "..");
  EXPECT_EQ(StringSet(texts.begin() + 1, texts.begin() + 3), (StringSet{"A", "b"}));
  EXPECT_EQ(StringSet(texts.begin() + 3, texts.end()), (StringSet{"a.TXT", "B.txt", "z.txt"}));
}

TEST_F(FileLists, AnEmptyPatternListsEveryFile) {
  ASSERT_NE(Create(RootDir(), FILES_SORTED), 0);
  EXPECT_EQ(Texts(kFiles),
            (Strings{"..", "A", "b", "a.TXT", "B.txt", "c.doc", "Read.ME", "z.txt"}));
}

TEST_F(FileLists, FlagsLeaveOutParentDirectoriesOrFiles) {
  ASSERT_NE(Create(RootDir() + "*.txt", FILES_SORTED | FILES_NO_PARENT, 1), 0);
  EXPECT_EQ(Texts(1), (Strings{"A", "b", "a.TXT", "B.txt", "z.txt"}));
  ASSERT_NE(Create(RootDir() + "*.txt", FILES_SORTED | FILES_DIRS_ONLY, 2), 0);
  EXPECT_EQ(Texts(2), (Strings{"..", "A", "b"}));
  ASSERT_NE(Create(RootDir() + "*.txt", FILES_SORTED | FILES_NO_SUBDIRS, 3), 0);
  EXPECT_EQ(Texts(3), (Strings{"..", "a.TXT", "B.txt", "z.txt"}));
  ASSERT_NE(Create(RootDir(), FILES_NO_SUBDIRS | FILES_NO_PARENT | FILES_DIRS_ONLY, 4), 0);
  EXPECT_EQ(CountGadgetItems(4), 0);
}

TEST_F(FileLists, IconsComeFromTheLastMatchingFileTypeEntry) {
  Touch("Makefile");
  ToolkitState& g = Toolkit();
  ASSERT_NE(g.FileIcon, 0);
  ASSERT_NE(g.FolderIcon, 0);
  ASSERT_NE(g.FileIcon, g.FolderIcon);
  g.FileTypeIconList = {{".txt", 501}, {".me", 502}, {".txt", 503}};
  ASSERT_NE(Create(RootDir(), FILES_SORTED), 0);
  EXPECT_EQ(Icon(kFiles, ".."), g.FolderIcon);
  EXPECT_EQ(Icon(kFiles, "A"), g.FolderIcon);
  EXPECT_EQ(Icon(kFiles, "z.txt"), 503);
  EXPECT_EQ(Icon(kFiles, "a.TXT"), 503) << "the extension is compared in lower case";
  EXPECT_EQ(Icon(kFiles, "Read.ME"), 502);
  EXPECT_EQ(Icon(kFiles, "c.doc"), g.FileIcon);
  EXPECT_EQ(Icon(kFiles, "Makefile"), g.FileIcon);
}

TEST_F(FileLists, CallersCannotEditAFileListsItems) {
  ASSERT_NE(Create(RootDir(), FILES_SORTED), 0);
  const Strings before = Texts(kFiles);
  EXPECT_EQ(AddGadgetItem(kFiles, -1, "fake"), 0);
  RemoveGadgetItem(kFiles, 1);
  SetItemText(kFiles, 1, "renamed");
  EXPECT_EQ(Texts(kFiles), before);
  EXPECT_EQ(GetItemText(kFiles, 1), "A");
}

// ---------------------------------------------------------------------------------------------
// Navigation

TEST_F(FileLists, OpeningADirectoryAndItsParent) {
  ASSERT_NE(Create(RootDir() + "*.txt", FILES_SORTED), 0);
  SetGadgetState(kFiles, 1);
  EXPECT_EQ(GetGadgetText(kFiles), RootDir() + "A");

  SetItemState(kFiles, IndexOf(kFiles, "A"), ITEM_REQUEST_OPEN);
  EXPECT_EQ(Record(kFiles).text, Dir("A"));
  EXPECT_EQ(Texts(kFiles), (Strings{"..", "inner.txt"}));
  EXPECT_EQ(GetGadgetState(kFiles), -1) << "a refill selects nothing";
  EXPECT_EQ(GetGadgetText(kFiles), Dir("A"));

  SetItemState(kFiles, 0, ITEM_REQUEST_OPEN);
  EXPECT_EQ(Record(kFiles).text, RootDir());
  EXPECT_EQ(Texts(kFiles), (Strings{"..", "A", "b", "a.TXT", "B.txt", "z.txt"}));
}

TEST_F(FileLists, OpeningAFileChangesNothing) {
  ASSERT_NE(Create(RootDir() + "*.txt", FILES_SORTED), 0);
  const int file = IndexOf(kFiles, "z.txt");
  SetItemState(kFiles, file, 0x2);
  SetItemState(kFiles, file, ITEM_REQUEST_OPEN | 0x8);
  EXPECT_EQ(Record(kFiles).text, RootDir());
  EXPECT_EQ(CountGadgetItems(kFiles), 6);
  EXPECT_EQ(Record(kFiles).items[static_cast<std::size_t>(file)].itemState, 0x2);
}

TEST_F(FileLists, ParentOfTheRootShowsTheDrivesAndADriveShowsItsRoot) {
  ASSERT_NE(Create("/", 0), 0);
  ASSERT_EQ(GetItemText(kFiles, 0), "..");
  SetItemState(kFiles, 0, ITEM_REQUEST_OPEN);
  EXPECT_EQ(Record(kFiles).text, "");

  const ToolkitState& g = Toolkit();
  ASSERT_FALSE(g.DirEntryList.empty());
  EXPECT_EQ(g.DirEntryList[0].driveRoot, "/");
  ASSERT_EQ(CountGadgetItems(kFiles), static_cast<int>(g.DirEntryList.size()));
  for (int i = 0; i < CountGadgetItems(kFiles); ++i) {
    EXPECT_EQ(GetItemText(kFiles, i), g.DirEntryList[static_cast<std::size_t>(i)].driveText);
    EXPECT_TRUE(IsDirectory(kFiles, i));
    EXPECT_EQ(Record(kFiles).items[static_cast<std::size_t>(i)].itemData, g.FolderIcon);
  }

  SetItemState(kFiles, 0, ITEM_REQUEST_OPEN);
  EXPECT_EQ(Record(kFiles).text, "/");
  EXPECT_EQ(GetItemText(kFiles, 0), "..");
  EXPECT_GT(CountGadgetItems(kFiles), 1);
}

TEST_F(FileLists, DriveRecordsDescribeTheMountedFileSystems) {
  detail::ReadDrives();
  const ToolkitState& g = Toolkit();
  ASSERT_FALSE(g.DirEntryList.empty());
  const StringSet typeNames = {
      "Lokaler Datentr\xE4ger", "Wechseldatentr\xE4ger", "Netzlaufwerk", "CD-Laufwerk", "RAM-Disk",
      "Undefinierter Typ"};
  for (const DriveRecord& drive : g.DirEntryList) {
    SCOPED_TRACE(drive.driveRoot);
    ASSERT_FALSE(drive.driveRoot.empty());
    EXPECT_EQ(drive.driveRoot.back(), '/');
    EXPECT_EQ(drive.driveType, DriveType(drive.driveRoot));
    EXPECT_EQ(typeNames.count(drive.driveTypeName), 1u);
    std::string shown = drive.driveRoot;
    if (shown.size() > 1) shown.pop_back();
    if (drive.driveLabel.empty()) {
      EXPECT_EQ(drive.driveText, drive.driveTypeName + " (" + shown + ")");
    } else {
      EXPECT_EQ(drive.driveText, drive.driveLabel + " (" + drive.driveTypeName + " " + shown + ")");
      EXPECT_EQ(drive.driveLabel, detail::UpperCase(drive.driveLabel.substr(0, 1)) +
                                      detail::LowerCase(drive.driveLabel.substr(1)));
    }
    EXPECT_EQ(drive.driveIcon, g.FolderIcon);
  }
  EXPECT_EQ(g.DirEntryList[0].driveRoot, "/");
  EXPECT_EQ(g.DirEntryList[0].driveText.substr(g.DirEntryList[0].driveText.size() - 3), "(/)");
}

TEST_F(FileLists, NoDirectoryShowsTheDrivesUnlessSubdirectoriesAreOff) {
  ASSERT_NE(Create("", 0, 1), 0);
  EXPECT_EQ(CountGadgetItems(1), static_cast<int>(Toolkit().DirEntryList.size()));
  EXPECT_GT(CountGadgetItems(1), 0);
  ASSERT_NE(Create("", FILES_NO_SUBDIRS, 2), 0);
  EXPECT_EQ(CountGadgetItems(2), 0);
  // Opening in an empty list does nothing.
  SetItemState(2, 0, ITEM_REQUEST_OPEN);
  EXPECT_EQ(Record(2).text, "");
}

TEST_F(FileLists, AVanishedDirectoryTurnsIntoTheDriveList) {
  ASSERT_NE(Create(Dir("A") + "*.txt", 0, 1), 0);
  ASSERT_NE(Create(Dir("A") + "*.txt", FILES_NO_SUBDIRS, 2), 0);
  ASSERT_EQ(Texts(1), (Strings{"..", "inner.txt"}));
  fs::remove_all(root_ / "A");

  SetGadgetText(1, Dir("A"));
  EXPECT_EQ(Record(1).text, "");
  EXPECT_EQ(CountGadgetItems(1), static_cast<int>(Toolkit().DirEntryList.size()));
  SetGadgetText(2, Dir("A"));
  EXPECT_EQ(Record(2).text, "");
  EXPECT_EQ(CountGadgetItems(2), 0);
}

TEST_F(FileLists, OpeningASubdirectoryThatVanishedShowsTheDrives) {
  ASSERT_NE(Create(RootDir(), FILES_SORTED), 0);
  fs::remove_all(root_ / "b");
  SetItemState(kFiles, IndexOf(kFiles, "b"), ITEM_REQUEST_OPEN);
  EXPECT_EQ(Record(kFiles).text, "");
  EXPECT_EQ(CountGadgetItems(kFiles), static_cast<int>(Toolkit().DirEntryList.size()));
}

// ---------------------------------------------------------------------------------------------
// TreeList

class TreeLists : public FileLists {
 protected:
  void SetUp() override {
    FileLists::SetUp();
    // tree/x/x1/deep.txt, tree/x/x2.txt, tree/y/, tree/f.txt
    fs::create_directories(root_ / "tree" / "x" / "x1");
    fs::create_directories(root_ / "tree" / "y");
    Touch("tree/x/x1/deep.txt");
    Touch("tree/x/x2.txt");
    Touch("tree/f.txt");
    ASSERT_NE(CreateTree(kTree, 0, 0, 200, 10, 0), 0);
    Record(kTree).type = GADGET_TREELIST;
  }
  // A TreeList's selection is set by its press handling only, so tests set it directly.
  static void Select(int index) { Record(kTree).value = index + 1; }
  static std::string Selected() { return GetItemText(kTree, Record(kTree).value - 1); }
  static int Level(int index) {
    return Record(kTree).items[static_cast<std::size_t>(index)].itemLevel;
  }

  static constexpr int kTree = 7;
};

TEST_F(TreeLists, ExpandingReadsTheChildrenAndEachChildsEntries) {
  AddTreeItem(kTree, -1, (root_ / "tree").string(), 0, 0);
  detail::ExpandTreeListNode(Record(kTree), 0);
  ASSERT_EQ(CountGadgetItems(kTree), 6);

  StringSet children;
  for (int i = 1; i < 6; ++i) {
    if (Level(i) == 2) children.insert(GetItemText(kTree, i));
  }
  EXPECT_EQ(children, (StringSet{"x", "y", "f.txt"}));
  const int x = IndexOf(kTree, "x");
  ASSERT_GT(x, 0);
  EXPECT_EQ(Level(x + 1), 3);
  EXPECT_EQ(Level(x + 2), 3);
  EXPECT_EQ((StringSet{GetItemText(kTree, x + 1), GetItemText(kTree, x + 2)}),
            (StringSet{"x1", "x2.txt"}));
  EXPECT_EQ(IndexOf(kTree, "deep.txt"), -1) << "only one level ahead";

  // Expanding again reads nothing twice.
  detail::ExpandTreeListNode(Record(kTree), 0);
  EXPECT_EQ(CountGadgetItems(kTree), 6);

  // Opening x reads x1's entry; the selection stays on its item.
  Select(IndexOf(kTree, "y"));
  detail::ExpandTreeListNode(Record(kTree), x);
  EXPECT_EQ(CountGadgetItems(kTree), 7);
  const int deep = IndexOf(kTree, "deep.txt");
  ASSERT_GT(deep, 0);
  EXPECT_EQ(GetItemText(kTree, deep - 1), "x1");
  EXPECT_EQ(Level(deep), 4);
  EXPECT_EQ(Selected(), "y");
}

TEST_F(TreeLists, CollapsingKeepsOnlyTheDirectChildrenReadAfresh) {
  AddTreeItem(kTree, -1, (root_ / "tree").string() + "/", 0, 0);  // a trailing "/" is not doubled
  detail::ExpandTreeListNode(Record(kTree), 0);
  ASSERT_EQ(CountGadgetItems(kTree), 6);
  Touch("tree/new.txt");
  Select(5);

  detail::CollapseTreeListNode(Record(kTree), 0);
  ASSERT_EQ(CountGadgetItems(kTree), 5);
  StringSet children;
  for (int i = 1; i < 5; ++i) {
    EXPECT_EQ(Level(i), 2);
    children.insert(GetItemText(kTree, i));
  }
  EXPECT_EQ(children, (StringSet{"x", "y", "f.txt", "new.txt"}));
  EXPECT_EQ(Record(kTree).value, 1) << "the selection went with the subtree: the node is last";
}

TEST_F(TreeLists, NestedNodesBuildTheirPathFromTheirAncestors) {
  AddTreeItem(kTree, -1, root_.string(), 0, 0);
  AddTreeItem(kTree, -1, "tree", 0, 1);
  AddTreeItem(kTree, -1, "x", 0, 2);
  AddTreeItem(kTree, -1, "sibling", 0, 1);
  detail::ExpandTreeListNode(Record(kTree), 2);
  // x1, x2.txt and x1's deep.txt: the path was <root>/tree/x/ and <root>/tree/x/x1/.
  ASSERT_EQ(CountGadgetItems(kTree), 7);
  const int deep = IndexOf(kTree, "deep.txt");
  ASSERT_GT(deep, 3);
  EXPECT_EQ(GetItemText(kTree, deep - 1), "x1");
  EXPECT_EQ(Level(deep), 5);
  EXPECT_NE(IndexOf(kTree, "x2.txt"), -1);
  EXPECT_EQ(GetItemText(kTree, 6), "sibling");
}

TEST_F(TreeLists, AnUnreadableNodeAddsNothing) {
  AddTreeItem(kTree, -1, (root_ / "missing").string(), 0, 0);
  detail::ExpandTreeListNode(Record(kTree), 0);
  detail::CollapseTreeListNode(Record(kTree), 0);
  EXPECT_EQ(CountGadgetItems(kTree), 1);
  detail::ExpandTreeListNode(Record(kTree), 5);  // no such node
  detail::ExpandTreeListNode(Record(kTree), -1);
  EXPECT_EQ(CountGadgetItems(kTree), 1);
}

TEST_F(TreeLists, NamesThatCannotBeShownOrLeadBackAreLeftOut) {
  fs::create_directories(root_ / "odd");
  for (const char* name : {"ok.txt", "bad\xFF", "\xE6\x97\xA5", "line\nbreak"}) {
    fs::create_directory(root_ / "odd" / name);  // "bad?" could name another directory
  }
  AddTreeItem(kTree, -1, (root_ / "odd").string(), 0, 0);
  detail::ExpandTreeListNode(Record(kTree), 0);
  EXPECT_EQ(Texts(kTree), (Strings{(root_ / "odd").string(), "ok.txt"}));
}

TEST_F(TreeLists, RemovingANodeTakesItsReadEntriesAlong) {
  AddTreeItem(kTree, -1, (root_ / "tree").string(), 0, 0);
  AddTreeItem(kTree, -1, "other", 0, 0);
  detail::ExpandTreeListNode(Record(kTree), 0);
  RemoveGadgetItem(kTree, 0);
  EXPECT_EQ(Texts(kTree), (Strings{"other"}));
}

}  // namespace
}  // namespace bevel
