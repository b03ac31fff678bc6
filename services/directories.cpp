// Directory listings and file queries.
//
// Callers speak Windows-1252, the file system speaks UTF-8: names are converted at this border
// and nowhere else. Every std::filesystem call takes an error_code, so a vanished entry, a
// permission problem or a dead link gives the neutral result instead of an exception.
#include <climits>
#include <filesystem>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "services/internal/cp1252.h"
#include "services/services.h"

namespace bevel {
namespace {

namespace fs = std::filesystem;

struct Listing {
  fs::directory_iterator next;        // the entry after the current one
  std::vector<std::string> patterns;  // Windows-1252; empty = every name
  std::string name;                   // current entry, Windows-1252; "" before the first step
  int kind = 0;                       // ENTRY_* of the current entry, 0 before or after the end
  bool exact = false;                 // name converts back to the name on disk
};

struct ListingRegistry {
  std::unordered_map<int, Listing> open;
  int lastId = 0;
};

ListingRegistry& Listings() {
  static ListingRegistry registry;
  return registry;
}

Listing* FindListing(int id) {
  auto& open = Listings().open;
  auto it = open.find(id);
  return it == open.end() ? nullptr : &it->second;
}

// Invariant: the result is positive and not in use.
int NewListingId() {
  ListingRegistry& r = Listings();
  do {
    r.lastId = r.lastId == INT_MAX ? 1 : r.lastId + 1;
  } while (r.open.count(r.lastId) != 0);
  return r.lastId;
}

// "*.bmp; *.ico" reads naturally, so spaces around alternatives are dropped; empty alternatives
// are ignored.
std::vector<std::string> SplitPattern(std::string_view pattern) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= pattern.size()) {
    std::size_t end = pattern.find(';', start);
    if (end == std::string_view::npos) end = pattern.size();
    std::string_view part = pattern.substr(start, end - start);
    while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
    while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
    if (!part.empty()) parts.emplace_back(part);
    start = end + 1;
  }
  return parts;
}

char FoldAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Matches(const std::vector<std::string>& patterns, std::string_view name) {
  if (patterns.empty()) return true;
  for (const std::string& p : patterns) {
    if (WildcardMatch(p, name)) return true;
  }
  return false;
}

fs::path FileSystemPath(std::string_view path) {
  return fs::path(detail::Cp1252ToUtf8(path));
}

}  // namespace

// Backtracks only to the latest "*", which is enough because an earlier "*" could only have
// absorbed less.
bool WildcardMatch(std::string_view pattern, std::string_view name) {
  std::size_t p = 0, n = 0;
  std::size_t star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || FoldAscii(pattern[p]) == FoldAscii(name[n]))) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

int OpenListing(int number, std::string_view path, std::string_view pattern) {
  if (number == 0) return 0;
  std::error_code ec;
  fs::directory_iterator it(FileSystemPath(path), ec);
  if (ec) return 0;
  const int id = number == ANY_NUMBER ? NewListingId() : number;
  Listings().open[id] = Listing{std::move(it), SplitPattern(pattern), "", 0};
  return id;
}

int NextListingEntry(int id) {
  Listing* listing = FindListing(id);
  if (!listing) return 0;
  while (listing->next != fs::directory_iterator()) {
    const fs::directory_entry& entry = *listing->next;
    const std::string onDisk = entry.path().filename().string();
    std::string name = detail::Utf8ToCp1252(onDisk);
    // Follows links, so a link to a directory is one; an entry whose status cannot be read
    // (dead link, no permission) counts as a file.
    std::error_code statusError;
    const bool directory = entry.is_directory(statusError);

    std::error_code stepError;
    listing->next.increment(stepError);
    if (stepError) listing->next = fs::directory_iterator();

    if (Matches(listing->patterns, name)) {
      listing->exact = detail::Cp1252ToUtf8(name) == onDisk;
      listing->name = std::move(name);
      listing->kind = directory && !statusError ? ENTRY_DIRECTORY : ENTRY_FILE;
      return 1;
    }
  }
  listing->name.clear();
  listing->kind = 0;
  return 0;
}

std::string ListingEntryName(int id) {
  const Listing* listing = FindListing(id);
  return listing ? listing->name : std::string();
}

int ListingEntryKind(int id) {
  const Listing* listing = FindListing(id);
  return listing ? listing->kind : 0;
}

int ListingEntryExact(int id) {
  const Listing* listing = FindListing(id);
  return listing && listing->kind != 0 && listing->exact ? 1 : 0;
}

void CloseListing(int id) {
  Listings().open.erase(id);
}

int IsValidFileName(std::string_view name) {
  if (name.empty()) return 0;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 32) return 0;
    switch (c) {
      case '"':
      case '*':
      case '/':
      case ':':
      case '<':
      case '>':
      case '?':
      case '\\':
      case '|':
        return 0;
      default:
        break;
    }
  }
  return 1;
}

int FileAttributes(std::string_view path) {
  if (path.empty()) return 0;
  const fs::path p = FileSystemPath(path);
  std::error_code ec;
  const fs::file_status status = fs::status(p, ec);
  if (ec || !fs::exists(status)) return 0;

  int attributes = 0;
  if (fs::is_directory(status)) attributes |= ATTRIBUTE_DIRECTORY;
  // Permission bits rather than access(): as root access() grants everything, and the
  // attribute should describe the file, not the caller.
  constexpr fs::perms kWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((status.permissions() & kWrite) == fs::perms::none) attributes |= ATTRIBUTE_READONLY;
  // "dir/.cache/" names .cache; "." and ".." are no hidden names.
  std::string trimmed = p.string();
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  const std::string name = fs::path(trimmed).filename().string();
  if (name.size() > 1 && name[0] == '.' && name != "..") attributes |= ATTRIBUTE_HIDDEN;
  if (attributes == 0) attributes = ATTRIBUTE_NORMAL;
  return attributes;
}

std::int64_t FileSize(std::string_view path) {
  if (path.empty()) return -1;
  const fs::path p = FileSystemPath(path);
  std::error_code ec;
  const fs::file_status status = fs::status(p, ec);
  if (ec || !fs::exists(status)) return -1;
  if (fs::is_directory(status)) return -2;
  // Devices and pipes have no size of their own.
  if (!fs::is_regular_file(status)) return 0;
  const std::uintmax_t size = fs::file_size(p, ec);
  return ec ? -1 : static_cast<std::int64_t>(size);
}

}  // namespace bevel
