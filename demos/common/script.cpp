// Parsing of input scripts (the format is described in script.h).
#include "demos/common/script.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "services/services.h"

namespace bevel::script {
namespace {

struct NamedKey {
  std::string_view name;
  int code;
};

// Set-1 scan codes, the numbering the services use.
constexpr NamedKey kKeys[] = {
    {"escape", 1},   {"backspace", 14}, {"tab", 15},   {"enter", 28},  {"return", 28},
    {"ctrl", 29},    {"rctrl", 157},    {"shift", 42}, {"rshift", 54}, {"alt", 56},
    {"altgr", 184},  {"space", 57},     {"home", 199}, {"up", 200},    {"pageup", 201},
    {"left", 203},   {"right", 205},    {"end", 207},  {"down", 208},  {"pagedown", 209},
    {"insert", 210}, {"delete", 211},   {"f11", 87},   {"f12", 88},
};

constexpr std::string_view kRow1 = "qwertyuiop";
constexpr std::string_view kRow2 = "asdfghjkl";
constexpr std::string_view kRow3 = "zxcvbnm";

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// A whole word as a decimal number (optional leading minus).
bool Number(std::string_view word, int& out) {
  if (word.empty()) return false;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, out);
  return ec == std::errc() && ptr == end;
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t p = 0;
  while (p < line.size()) {
    while (p < line.size() && (line[p] == ' ' || line[p] == '\t' || line[p] == '\r')) ++p;
    const std::size_t start = p;
    while (p < line.size() && line[p] != ' ' && line[p] != '\t' && line[p] != '\r') ++p;
    if (p > start) words.push_back(line.substr(start, p - start));
  }
  return words;
}

// "2007-02-14" and "12:00:00" as a date of the services; false unless both are whole and valid.
bool DateAndTime(std::string_view day, std::string_view time, int& date) {
  auto fields = [](std::string_view text, char separator, int(&out)[3]) {
    for (int i = 0; i < 3; ++i) {
      const std::size_t end = i < 2 ? text.find(separator) : text.size();
      if (end == std::string_view::npos || !Number(text.substr(0, end), out[i])) return false;
      text.remove_prefix(i < 2 ? end + 1 : end);
    }
    return true;
  };
  int d[3] = {}, t[3] = {};
  if (!fields(day, '-', d) || !fields(time, ':', t)) return false;
  if (d[0] < 1902 || d[0] > 2037 || d[1] < 1 || d[1] > 12 || d[2] < 1 || d[2] > 31) return false;
  if (t[0] < 0 || t[0] > 23 || t[1] < 0 || t[1] > 59 || t[2] < 0 || t[2] > 59) return false;
  date = MakeDate(d[0], d[1], d[2], t[0], t[1], t[2]);
  return DateDay(date) == d[2];  // no 31 April
}

int Button(std::string_view word) {
  const std::string w = Lower(word);
  if (w == "left") return 1;
  if (w == "right") return 2;
  if (w == "middle") return 3;
  return 0;
}

// Parses one line's words into steps; returns "" or what is wrong.
std::string ParseLine(const std::vector<std::string_view>& w, int line, std::vector<Step>& out) {
  const std::string cmd = Lower(w[0]);
  const std::size_t args = w.size() - 1;
  auto add = [&](Op op, int a = 0, int b = 0) { out.push_back({op, a, b, "", line}); };
  auto wantArgs = [&](std::size_t lo, std::size_t hi) -> std::string {
    if (args >= lo && args <= hi) return "";
    return "'" + cmd + "' takes " +
           (lo == hi ? std::to_string(lo) : std::to_string(lo) + " or " + std::to_string(hi)) +
           (hi == 1 ? " argument" : " arguments");
  };

  if (cmd == "move") {
    if (auto e = wantArgs(2, 2); !e.empty()) return e;
    int x = 0, y = 0;
    if (!Number(w[1], x) || !Number(w[2], y)) return "'move' needs two whole numbers";
    add(Op::Move, x, y);
  } else if (cmd == "press" || cmd == "release" || cmd == "click") {
    if (auto e = wantArgs(0, 1); !e.empty()) return e;
    const int button = args == 1 ? Button(w[1]) : 1;
    if (button == 0) return "unknown mouse button '" + std::string(w[1]) + "'";
    if (cmd != "release") add(Op::Press, button);
    if (cmd == "click") add(Op::WaitFrames, 1);
    if (cmd != "press") add(Op::Release, button);
    // The frame sees the release before anything that follows.
    if (cmd == "click") add(Op::WaitFrames, 1);
  } else if (cmd == "wheel") {
    if (auto e = wantArgs(1, 1); !e.empty()) return e;
    int notches = 0;
    if (!Number(w[1], notches)) return "'wheel' needs a whole number of notches";
    add(Op::Wheel, notches);
  } else if (cmd == "keydown" || cmd == "keyup" || cmd == "key") {
    if (auto e = wantArgs(1, 1); !e.empty()) return e;
    const int code = KeyCode(w[1]);
    if (code == 0) return "unknown key '" + std::string(w[1]) + "'";
    if (cmd != "keyup") add(Op::KeyDown, code);
    if (cmd == "key") add(Op::WaitFrames, 1);
    if (cmd != "keydown") add(Op::KeyUp, code);
    if (cmd == "key") add(Op::WaitFrames, 1);
  } else if (cmd == "wait") {
    if (auto e = wantArgs(1, 1); !e.empty()) return e;
    std::string_view count = w[1];
    const bool ms = count.size() > 2 && Lower(count.substr(count.size() - 2)) == "ms";
    if (ms) count.remove_suffix(2);
    int n = 0;
    if (!Number(count, n) || n < 0)
      return "'wait' needs a count of frames or milliseconds (5, 100ms)";
    add(ms ? Op::WaitMs : Op::WaitFrames, n);
  } else if (cmd == "shot") {
    if (args == 0) return "'shot' needs a file name";
    // The rest of the line is the name, so that names with spaces work.
    const std::size_t from = static_cast<std::size_t>(w[1].data() - w[0].data());
    std::string_view rest(
        w[0].data() + from,
        static_cast<std::size_t>(w.back().data() + w.back().size() - (w[0].data() + from)));
    out.push_back({Op::Shot, 0, 0, std::string(rest), line});
  } else if (cmd == "date") {
    if (auto e = wantArgs(1, 2); !e.empty()) return e;
    int date = 0;
    if (!DateAndTime(w[1], args == 2 ? w[2] : "00:00:00", date)) {
      return "'date' needs a date and time as 2007-02-14 12:00:00";
    }
    add(Op::Date, date);
  } else if (cmd == "capslock" || cmd == "numlock") {
    if (auto e = wantArgs(1, 1); !e.empty()) return e;
    const std::string state = Lower(w[1]);
    if (state != "on" && state != "off") return "'" + cmd + "' needs on or off";
    add(cmd == "capslock" ? Op::CapsLock : Op::NumLock, state == "on" ? 1 : 0);
  } else {
    return "unknown command '" + std::string(w[0]) + "'";
  }
  return "";
}

}  // namespace

int KeyCode(std::string_view name) {
  const std::string n = Lower(name);
  for (const NamedKey& k : kKeys) {
    if (k.name == n) return k.code;
  }
  if (n.size() == 1) {
    const char c = n[0];
    if (c >= '1' && c <= '9') return 2 + (c - '1');
    if (c == '0') return 11;
    if (auto p = kRow1.find(c); p != std::string_view::npos) return 16 + static_cast<int>(p);
    if (auto p = kRow2.find(c); p != std::string_view::npos) return 30 + static_cast<int>(p);
    if (auto p = kRow3.find(c); p != std::string_view::npos) return 44 + static_cast<int>(p);
    return 0;
  }
  int v = 0;
  if (n.size() >= 2 && n[0] == 'f' && Number(std::string_view(n).substr(1), v) && v >= 1 &&
      v <= 10) {
    return 58 + v;
  }
  if (n.size() >= 3 && n.starts_with("sc") && Number(std::string_view(n).substr(2), v) && v >= 1 &&
      v <= 255) {
    return v;
  }
  return 0;
}

std::string KeyName(int code) {
  for (const NamedKey& k : kKeys) {
    if (k.code == code && k.name != "return") return std::string(k.name);
  }
  if (code >= 2 && code <= 10) return std::string(1, static_cast<char>('1' + code - 2));
  if (code == 11) return "0";
  if (code >= 16 && code < 16 + static_cast<int>(kRow1.size()))
    return std::string(1, kRow1[code - 16]);
  if (code >= 30 && code < 30 + static_cast<int>(kRow2.size()))
    return std::string(1, kRow2[code - 30]);
  if (code >= 44 && code < 44 + static_cast<int>(kRow3.size()))
    return std::string(1, kRow3[code - 44]);
  if (code >= 59 && code <= 68) return "f" + std::to_string(code - 58);
  return "sc" + std::to_string(code);
}

bool Parse(std::string_view text, std::vector<Step>& steps, std::string& error) {
  steps.clear();
  int line = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    std::string_view content = text.substr(pos, end - pos);
    pos = end + 1;
    ++line;
    if (const std::size_t hash = content.find('#'); hash != std::string_view::npos) {
      content = content.substr(0, hash);
    }
    const auto words = Words(content);
    if (words.empty()) continue;
    if (std::string e = ParseLine(words, line, steps); !e.empty()) {
      error = "line " + std::to_string(line) + ": " + e;
      steps.clear();
      return false;
    }
  }
  return true;
}

}  // namespace bevel::script
