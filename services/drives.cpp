// Drives: the mounted file systems that hold files, read from /proc/self/mounts (or from the
// headless driver's table, headless::SetMountTable).
//
// The table is read afresh on every call: mounts come and go (a stick plugged in) and the
// callers (drive lists of file requesters) ask rarely.
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

#include "services/internal/cp1252.h"
#include "services/internal/device.h"
#include "services/internal/mount_table.h"
#include "services/services.h"

namespace bevel {
namespace detail {
namespace {

constexpr std::array<std::string_view, 20> kPseudoTypes = {
    "proc",     "sysfs",    "devpts",     "mqueue",   "debugfs",   "tracefs",   "securityfs",
    "pstore",   "bpf",      "autofs",     "configfs", "fusectl",   "hugetlbfs", "binfmt_misc",
    "devtmpfs", "efivarfs", "rpc_pipefs", "nsfs",     "selinuxfs", "cpuset"};

constexpr std::array<std::string_view, 7> kRemoteTypes = {"nfs",   "nfs4",  "cifs",      "smb3",
                                                          "smbfs", "sshfs", "fuse.sshfs"};

constexpr std::array<std::string_view, 6> kRemovableTypes = {"vfat",  "exfat", "ntfs",
                                                             "ntfs3", "msdos", "fuseblk"};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& list, std::string_view s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

bool IsOctal(char c) {
  return c >= '0' && c <= '7';
}

// The kernel writes space, tab, newline and backslash in mount fields as \040, \011, \012, \134.
std::string DecodeOctalEscapes(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) &&
        IsOctal(field[i + 2]) && IsOctal(field[i + 3])) {
      const int v = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
      out += static_cast<char>(v & 255);
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

// udev names /dev/disk/by-label links with \xHH for bytes unsafe in a file name ("\x20" space).
std::string DecodeHexEscapes(std::string_view name) {
  auto hex = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string out;
  out.reserve(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && hex(name[i + 2]) >= 0 &&
        hex(name[i + 3]) >= 0) {
      out += static_cast<char>(hex(name[i + 2]) * 16 + hex(name[i + 3]));
      i += 3;
    } else {
      out += name[i];
    }
  }
  return out;
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::vector<MountEntry> ReadMountTable() {
  if (const std::string& table = HeadlessMountTable(); !table.empty()) {
    return ParseMountTable(table);
  }
  std::ifstream in("/proc/self/mounts");
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return ParseMountTable(text.str());
}

// The entry mounted at `root` (Windows-1252); the last one wins because a later mount on the
// same point hides the earlier ones.
std::optional<MountEntry> FindMount(std::string_view root) {
  const std::string point = WithoutTrailingSlashes(Cp1252ToUtf8(root));
  if (point.empty() || point.front() != '/') return std::nullopt;
  std::vector<MountEntry> table = ReadMountTable();
  for (auto it = table.rbegin(); it != table.rend(); ++it) {
    if (it->point == point) return std::move(*it);
  }
  return std::nullopt;
}

// Mounts inside /proc and /sys (masked paths of containers, firmware tables) are kernel
// interfaces whatever their type.
bool InKernelTree(std::string_view point) {
  for (std::string_view tree : {std::string_view("/proc"), std::string_view("/sys")}) {
    if (point.substr(0, tree.size()) == tree &&
        (point.size() == tree.size() || point[tree.size()] == '/')) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<MountEntry> ParseMountTable(std::string_view text) {
  std::vector<MountEntry> table;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;

    std::array<std::string_view, 3> fields;
    std::size_t count = 0;
    std::size_t pos = 0;
    while (count < fields.size()) {
      pos = line.find_first_not_of(" \t", pos);
      if (pos == std::string_view::npos) break;
      const std::size_t stop = std::min(line.find_first_of(" \t", pos), line.size());
      fields[count++] = line.substr(pos, stop - pos);
      pos = stop;
    }
    if (count < fields.size()) continue;
    table.push_back({DecodeOctalEscapes(fields[0]),
                     WithoutTrailingSlashes(DecodeOctalEscapes(fields[1])),
                     std::string(fields[2])});
  }
  return table;
}

bool IsPseudoFileSystem(std::string_view type) {
  return OneOf(kPseudoTypes, type) || type.substr(0, 6) == "cgroup";
}

int MountDriveType(const MountEntry& mount) {
  const std::string_view type = mount.type;
  const std::string_view point = mount.point;
  if (IsPseudoFileSystem(type)) return DRIVE_UNKNOWN;
  if (type == "tmpfs" || type == "ramfs") return DRIVE_RAMDISK;
  if (OneOf(kRemoteTypes, type)) return DRIVE_REMOTE;
  if (type == "iso9660" || type == "udf") return DRIVE_CDROM;
  // Desktop environments mount sticks and cards below /media or /run/media; a FAT or NTFS
  // partition elsewhere is a fixed disk shared with another system.
  if (OneOf(kRemovableTypes, type) &&
      (point.substr(0, 7) == "/media/" || point.substr(0, 11) == "/run/media/")) {
    return DRIVE_REMOVABLE;
  }
  return DRIVE_FIXED;
}

}  // namespace detail

std::vector<std::string> DriveRoots() {
  namespace fs = std::filesystem;
  std::vector<std::string> others;
  for (const detail::MountEntry& m : detail::ReadMountTable()) {
    if (m.point == "/" || detail::IsPseudoFileSystem(m.type) || detail::InKernelTree(m.point)) {
      continue;
    }
    // Containers bind single files (/etc/hosts); those are no roots. Remote mounts are not
    // examined: a stat on a dead server can hang.
    if (detail::MountDriveType(m) != DRIVE_REMOTE) {
      std::error_code ec;
      if (!fs::is_directory(m.point, ec)) continue;
    }
    std::string root = detail::Utf8ToCp1252(m.point);
    // A point with characters Windows-1252 lacks could not be opened again from its name.
    if (detail::Cp1252ToUtf8(root) != m.point) continue;
    others.push_back(root + "/");
  }
  std::sort(others.begin(), others.end());
  others.erase(std::unique(others.begin(), others.end()), others.end());

  std::vector<std::string> roots{"/"};
  roots.insert(roots.end(), others.begin(), others.end());
  return roots;
}

int DriveType(std::string_view root) {
  const std::optional<detail::MountEntry> mount = detail::FindMount(root);
  return mount ? detail::MountDriveType(*mount) : DRIVE_NO_ROOT;
}

std::string DriveLabel(std::string_view root) {
  namespace fs = std::filesystem;
  const std::optional<detail::MountEntry> mount = detail::FindMount(root);
  if (!mount || mount->device.substr(0, 5) != "/dev/") return "";
  std::error_code ec;
  const fs::path device = fs::canonical(mount->device, ec);
  if (ec) return "";
  // udev keeps one link per labelled volume; the one resolving to the mount's device names it.
  fs::directory_iterator it("/dev/disk/by-label", ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code linkError;
    if (fs::canonical(it->path(), linkError) == device && !linkError) {
      return detail::Utf8ToCp1252(detail::DecodeHexEscapes(it->path().filename().string()));
    }
  }
  return "";
}

}  // namespace bevel
