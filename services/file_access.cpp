// What the running user may do with files, and where the user's own files are.
//
// Paths arrive in Windows-1252 and are converted to the file system's UTF-8 here, as in
// directories.cpp.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "services/internal/cp1252.h"
#include "services/services.h"

namespace bevel {

int FileWritable(std::string_view path) {
  if (path.empty()) return 0;
  // access(2) asks the kernel as the user would write, so root and read-only mounts come out
  // right, unlike a look at the permission bits.
  return access(detail::Cp1252ToUtf8(path).c_str(), W_OK) == 0 ? 1 : 0;
}

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') {
    const passwd* user = getpwuid(getuid());
    home = user != nullptr ? user->pw_dir : nullptr;
  }
  if (home == nullptr || home[0] != '/') return "";
  std::string result = detail::Utf8ToCp1252(home);
  // A name that does not convert back would lead elsewhere.
  if (detail::Cp1252ToUtf8(result) != home) return "";
  if (result.back() != '/') result += '/';
  return result;
}

}  // namespace bevel
