// The settings text: parsed as hostile input, written in one form.
#include "skinchoice/skin_settings.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kSection = "[Corvana]";
constexpr std::string_view kSkinKey = "Skin";
constexpr std::string_view kFollowValue = "follow";
constexpr std::string_view kNoneValue = "none";
constexpr std::string_view kSkinExtension = ".skin";
constexpr size_t kMaxSkinFileName = 200;

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool ValidUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    size_t extra = 0;
    if (c < 0x80)
      extra = 0;
    else if (c >= 0xC2 && c <= 0xDF)
      extra = 1;
    else if (c >= 0xE0 && c <= 0xEF)
      extra = 2;
    else if (c >= 0xF0 && c <= 0xF4)
      extra = 3;
    else
      return false;
    if (extra > 0 && i + extra >= s.size()) return false;
    for (size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    // Overlong three- and four-byte forms, surrogates and values past U+10FFFF.
    if (extra == 2) {
      const auto n = static_cast<unsigned char>(s[i + 1]);
      if ((c == 0xE0 && n < 0xA0) || (c == 0xED && n >= 0xA0)) return false;
    }
    if (extra == 3) {
      const auto n = static_cast<unsigned char>(s[i + 1]);
      if ((c == 0xF0 && n < 0x90) || (c == 0xF4 && n >= 0x90)) return false;
    }
    i += extra + 1;
  }
  return true;
}

}  // namespace

bool IsSkinFileName(std::string_view name) {
  if (name.size() <= kSkinExtension.size() || name.size() > kMaxSkinFileName) return false;
  if (!EqualNoCase(name.substr(name.size() - kSkinExtension.size()), kSkinExtension)) return false;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
        c == '>' || c == '|')
      return false;
  }
  // Names the platform gives another meaning: "..", and ones ending in a dot or blank are
  // excluded by the extension; a leading blank would not survive the trimmed line.
  if (name.front() == ' ') return false;
  return ValidUtf8(name);
}

TSkinChoice ParseSkinSettings(std::string_view text) {
  TSkinChoice choice;
  if (text.size() > kMaxSettingsSize || text.find('\0') != std::string_view::npos) return choice;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  bool inSection = false;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      inSection = EqualNoCase(line, kSection);
      continue;
    }
    const size_t equals = line.find('=');
    if (!inSection || equals == std::string_view::npos) continue;
    if (!EqualNoCase(Trim(line.substr(0, equals)), kSkinKey)) continue;
    const std::string_view value = Trim(line.substr(equals + 1));
    // The last line of the key counts, as in any settings file; a bad value means the default.
    if (EqualNoCase(value, kFollowValue)) {
      choice = TSkinChoice{};
    } else if (EqualNoCase(value, kNoneValue)) {
      choice = TSkinChoice{TSkinChoice::Kind::None, {}};
    } else if (IsSkinFileName(value)) {
      choice = TSkinChoice{TSkinChoice::Kind::File, std::string(value)};
    } else {
      choice = TSkinChoice{};
    }
  }
  return choice;
}

std::string FormatSkinSettings(const TSkinChoice& choice) {
  std::string value;
  switch (choice.kind) {
    case TSkinChoice::Kind::Follow:
      value = kFollowValue;
      break;
    case TSkinChoice::Kind::None:
      value = kNoneValue;
      break;
    case TSkinChoice::Kind::File:
      value = IsSkinFileName(choice.file) ? choice.file : std::string(kFollowValue);
      break;
  }
  return "; Corvana: the user's settings (UTF-8)\r\n" + std::string(kSection) + "\r\n" + std::string(kSkinKey) + "=" +
         value + "\r\n";
}
