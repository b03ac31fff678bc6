// The mount table behind the drive services, split from the file reading so that parsing and
// classification can be checked on a given text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bevel::detail {

struct MountEntry {
  std::string device;  // UTF-8, octal escapes decoded
  std::string point;   // UTF-8 mount point without a trailing "/" (except "/" itself)
  std::string type;
};

// Parses text in the format of /proc/self/mounts, in mount order. Lines with fewer than three
// fields are skipped.
std::vector<MountEntry> ParseMountTable(std::string_view text);

// True for kernel-interface file systems (proc, sysfs, cgroup, ...) that hold no user files.
bool IsPseudoFileSystem(std::string_view type);

// DRIVE_* kind of a mounted file system; DRIVE_UNKNOWN for pseudo file systems.
int MountDriveType(const MountEntry& mount);

}  // namespace bevel::detail
