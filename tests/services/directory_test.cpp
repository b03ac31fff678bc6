// Directory listings, file queries and drives, on a scratch tree built under the test build
// folder for every test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "services/internal/mount_table.h"
#include "services/services.h"

namespace bevel {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Entries = std::map<std::string, int>;  // Windows-1252 name -> ENTRY_*

class DirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(root_);
    fs::create_directories(root_ / "sub");
    fs::create_directories(root_ / ".cache");
    for (const char* name : {"README.Txt", "x.txt.bak", "abc", "aXc", "abbc", ".profile"}) {
      Write(name, "");
    }
    Write("abc.txt", "hello");
    Write("notes.log", "0123456789");
    Write("\xC3\xA4.txt", "umlaut");  // UTF-8 "ä.txt"
    fs::create_directory_symlink(root_ / "sub", root_ / "link_to_sub");
    fs::create_symlink(root_ / "missing", root_ / "dangling");
  }
  void TearDown() override {
    // Tests lock entries only at the top level; unlock them so that removal can proceed.
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(root_, ec)) {
      fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(root_, ec);
  }

  void Write(const std::string& name, const std::string& content) {
    std::ofstream(root_ / name, std::ios::binary) << content;
  }
  std::string Path(const std::string& name = "") const { return (root_ / name).string(); }

  static Entries List(const std::string& path, const std::string& pattern) {
    Entries entries;
    const int id = OpenListing(ANY_NUMBER, path, pattern);
    EXPECT_GT(id, 0) << path;
    while (NextListingEntry(id)) {
      EXPECT_TRUE(entries.emplace(ListingEntryName(id), ListingEntryKind(id)).second)
          << "listed twice: " << ListingEntryName(id);
    }
    CloseListing(id);
    return entries;
  }

  const fs::path root_ = fs::path(BEVEL_TEST_OUT) / ("dirs_" + std::to_string(getpid()));
};

TEST_F(DirectoryTest, ListsEntriesWithKindsAndPatterns) {
  const Entries all = {
      {"abc.txt", ENTRY_FILE},
      {"README.Txt", ENTRY_FILE},
      {"notes.log", ENTRY_FILE},
      {"x.txt.bak", ENTRY_FILE},
      {"abc", ENTRY_FILE},
      {"aXc", ENTRY_FILE},
      {"abbc", ENTRY_FILE},
      {".profile", ENTRY_FILE},
      {"\xE4.txt", ENTRY_FILE},
      {"dangling", ENTRY_FILE},
      {"link_to_sub", ENTRY_DIRECTORY},
      {"sub", ENTRY_DIRECTORY},
      {".cache", ENTRY_DIRECTORY},
  };
  EXPECT_EQ(List(Path(), ""), all);
  EXPECT_EQ(List(root_.string(), "*"), all);
  EXPECT_EQ(List(Path("sub"), ""), Entries{});  // no "." or ".."

  const struct {
    const char* pattern;
    std::set<std::string> names;
  } cases[] = {
      {"*.txt;*.log", {"abc.txt", "README.Txt", "\xE4.txt", "notes.log"}},
      {"*.TXT", {"abc.txt", "README.Txt", "\xE4.txt"}},
      {"A?C", {"abc", "aXc"}},
      {"a*c", {"abc", "aXc", "abbc"}},  // needs a retry after the first "c"
      {"?????", {"\xE4.txt"}},          // one byte per character
      {"*.bak; s*", {"x.txt.bak", "sub"}},
      {"\xC4.TXT", {}},  // only ASCII letters fold
  };
  for (const auto& c : cases) {
    std::set<std::string> names;
    for (const auto& entry : List(Path(), c.pattern)) names.insert(entry.first);
    EXPECT_EQ(names, c.names) << "pattern " << c.pattern;
  }
}

TEST_F(DirectoryTest, ListingIdsAndStepping) {
  EXPECT_EQ(OpenListing(0, Path(), ""), 0);
  EXPECT_EQ(OpenListing(7, Path(), "abc"), 7);
  const int a = OpenListing(ANY_NUMBER, Path(), "");
  const int b = OpenListing(ANY_NUMBER, Path(), "");
  EXPECT_TRUE(a > 0 && b > 0 && a != b && a != 7 && b != 7) << a << " " << b;

  EXPECT_EQ(ListingEntryKind(7), 0);  // before the first step
  ASSERT_NE(NextListingEntry(7), 0);
  EXPECT_EQ(ListingEntryName(7), "abc");
  EXPECT_EQ(ListingEntryKind(7), ENTRY_FILE);
  EXPECT_EQ(NextListingEntry(7), 0);
  EXPECT_EQ(ListingEntryName(7), "");  // after the last
  EXPECT_EQ(ListingEntryKind(7), 0);

  EXPECT_EQ(OpenListing(7, Path(), "sub"), 7);  // replaces the listing
  ASSERT_NE(NextListingEntry(7), 0);
  EXPECT_EQ(ListingEntryKind(7), ENTRY_DIRECTORY);
  for (int id : {7, a, b}) CloseListing(id);
  EXPECT_EQ(NextListingEntry(7), 0);
  EXPECT_EQ(ListingEntryName(7), "");
}

TEST_F(DirectoryTest, OpenFailsWithoutAReadableDirectory) {
  for (const std::string& path : {Path("missing"), Path("abc.txt"), Path("dangling"), ""s}) {
    EXPECT_EQ(OpenListing(3, path, ""), 0) << path;
  }
}

TEST_F(DirectoryTest, OpenFailsOnUnreadableDirectory) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every directory";
  fs::create_directory(root_ / "locked");
  fs::permissions(root_ / "locked", fs::perms::none);
  EXPECT_EQ(OpenListing(ANY_NUMBER, Path("locked"), ""), 0);
}

TEST_F(DirectoryTest, Windows1252PathsReachUtf8Names) {
  fs::create_directory(root_ / "d\xC3\xA9j\xC3\xA0");                        // "déjà"
  std::ofstream(root_ / "d\xC3\xA9j\xC3\xA0" / "\xE2\x82\xAC.txt") << "12";  // "€.txt"
  const std::string dir = Path("d\xE9j\xE0");
  EXPECT_EQ(List(dir, ""), (Entries{{"\x80.txt", ENTRY_FILE}}));
  EXPECT_EQ(FileSize(dir + "/\x80.txt"), 2);
  EXPECT_EQ(FileSize(Path("\xE4.txt")), 6);
}

TEST_F(DirectoryTest, FileSizeAndAttributes) {
  fs::create_directory(root_ / "frozen");
  fs::permissions(root_ / "frozen", fs::perms::owner_read | fs::perms::owner_exec);
  Write("locked.txt", "x");
  fs::permissions(root_ / "locked.txt", fs::perms::owner_read | fs::perms::others_read);
  Write("group_writable", "x");
  fs::permissions(root_ / "group_writable", fs::perms::owner_read | fs::perms::group_write);

  const struct {
    const char* name;
    std::int64_t size;
    int attributes;
  } cases[] = {
      {"abc.txt", 5, ATTRIBUTE_NORMAL},
      {"README.Txt", 0, ATTRIBUTE_NORMAL},
      {"sub/", -2, ATTRIBUTE_DIRECTORY},
      {"link_to_sub", -2, ATTRIBUTE_DIRECTORY},
      {"locked.txt", 1, ATTRIBUTE_READONLY},  // even for root, who could still write it
      {"frozen", -2, ATTRIBUTE_DIRECTORY | ATTRIBUTE_READONLY},
      {"group_writable", 1, ATTRIBUTE_NORMAL},
      {".profile", 0, ATTRIBUTE_HIDDEN},
      {".cache/", -2, ATTRIBUTE_DIRECTORY | ATTRIBUTE_HIDDEN},
      {"sub/.", -2, ATTRIBUTE_DIRECTORY},
      {"sub/..", -2, ATTRIBUTE_DIRECTORY},
      {"missing", -1, 0},
      {"dangling", -1, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileSize(Path(c.name)), c.size) << c.name;
    EXPECT_EQ(FileAttributes(Path(c.name)), c.attributes) << c.name;
  }
  EXPECT_EQ(FileSize(""), -1);
  EXPECT_EQ(FileAttributes(""), 0);
  EXPECT_EQ(FileSize("/"), -2);
}

TEST(FileNames, Validity) {
  for (const char* good : {"a", "name with spaces", ".hidden", "\xE4\x80", "a;b"}) {
    EXPECT_EQ(IsValidFileName(good), 1) << good;
  }
  for (const char* bad : {"", "a\"b", "a*", "d/f", "c:", "<x", "x>", "x?", "a\\b", "a|b", "\t"}) {
    EXPECT_EQ(IsValidFileName(bad), 0) << bad;
  }
  EXPECT_EQ(IsValidFileName(std::string("a\0b", 3)), 0);
}

TEST_F(DirectoryTest, DriveRootsAreMountPoints) {
  const std::vector<std::string> roots = DriveRoots();
  ASSERT_FALSE(roots.empty());
  EXPECT_EQ(roots.front(), "/");
  std::set<std::string> seen;
  for (const std::string& root : roots) {
    EXPECT_EQ(root.back(), '/') << root;
    EXPECT_TRUE(seen.insert(root).second) << "twice: " << root;
    EXPECT_NE(DriveType(root), DRIVE_NO_ROOT) << root;
    EXPECT_NE(DriveType(root), DRIVE_UNKNOWN) << root;
  }
  EXPECT_EQ(DriveType(Path()), DRIVE_NO_ROOT);
  EXPECT_EQ(DriveType(""), DRIVE_NO_ROOT);
  EXPECT_EQ(DriveLabel(Path()), "");
}

TEST(MountTable, ParsesAndClassifies) {
  const auto table = detail::ParseMountTable(
      "/dev/sda1 / ext4 rw,relatime 0 0\n"
      "/dev/sdb1 /media/u/MY\\040STICK vfat rw 0 0\n"
      "srv:/a\\134b /mnt/x/ nfs4 rw 0 0\n"
      "short line\n"
      "\n"
      "tmpfs /tmp tmpfs rw 0 0");
  ASSERT_EQ(table.size(), 4u);
  EXPECT_EQ(table[0].device + " " + table[0].point + " " + table[0].type, "/dev/sda1 / ext4");
  EXPECT_EQ(table[1].point, "/media/u/MY STICK");
  EXPECT_EQ(table[2].device + " " + table[2].point, "srv:/a\\b /mnt/x");

  const int expected[] = {DRIVE_FIXED, DRIVE_REMOVABLE, DRIVE_REMOTE, DRIVE_RAMDISK};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(detail::MountDriveType(table[i]), expected[i]) << i;
  const struct {
    const char* type;
    const char* point;
    int drive;
  } cases[] = {
      {"overlay", "/", DRIVE_FIXED},         {"fuse.sshfs", "/r", DRIVE_REMOTE},
      {"iso9660", "/media/cd", DRIVE_CDROM}, {"exfat", "/run/media/u/C", DRIVE_REMOVABLE},
      {"vfat", "/boot/efi", DRIVE_FIXED},    {"vfat", "/mediadisk", DRIVE_FIXED},
      {"proc", "/proc", DRIVE_UNKNOWN},      {"cgroup2", "/sys/fs/cgroup", DRIVE_UNKNOWN},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(detail::MountDriveType({"dev", c.point, c.type}), c.drive) << c.type << c.point;
  }
}

}  // namespace
}  // namespace bevel
