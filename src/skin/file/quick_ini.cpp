// The skin description parser. The text is ANSI bytes; only ASCII letters change case.
#include "skin/file/quick_ini.h"

#include <vector>

#include "base/error.h"

namespace {

bool SameTextAscii(std::string_view a, std::string_view b) {
  return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}

}  // namespace

bool TQuickIni::IsSection(std::string_view line) {
  return !line.empty() && line.front() == '[' && line.back() == ']';
}

std::string TQuickIni::KeyOf(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::string();
  return LowerAscii(TrimText(line.substr(0, equals)));
}

std::string TQuickIni::ValueOf(std::string_view line, std::string_view key) {
  if (line.empty() || key.empty()) return std::string();
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos || KeyOf(line) != key) return std::string();
  return std::string(TrimText(line.substr(equals + 1)));
}

void TQuickIni::LoadFromStream(TStream* stream) {
  if (!stream) return;
  const std::int64_t length = stream->Size() - stream->Position();
  std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
  if (!text.empty()) text.resize(static_cast<size_t>(stream->Read(text.data(), length)));
  text.resize(std::min(text.size(), text.find('\0')));
  FLines.Clear();
  FSections.Clear();
  TStringList raw;
  raw.SetText(text);
  for (int i = 0; i < raw.Count(); ++i) {
    const std::string_view line = TrimText(raw[i]);
    if (line.empty() || line.front() == ';') continue;
    const int index = FLines.Add(std::string(line));
    if (IsSection(line)) FSections.Add(std::string(line), index);
  }
}

int TQuickIni::SectionIndex(std::string_view section) const {
  std::string header;
  header.reserve(section.size() + 2);
  header += '[';
  header += section;
  header += ']';
  for (int i = 0; i < FSections.Count(); ++i) {
    if (SameTextAscii(FSections[i], header)) return static_cast<int>(FSections.Object(i));
  }
  return -1;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
  std::string result(defaultValue);
  const std::string lowered = LowerAscii(key);
  if (FLines.Empty()) return result;
  const int header = SectionIndex(section);
  if (header < 0) return result;
  for (int i = header + 1; i < FLines.Count() && !IsSection(FLines[i]); ++i) {
    if (KeyOf(FLines[i]) != lowered) continue;
    std::string value = ValueOf(FLines[i], lowered);
    if (!value.empty()) result = std::move(value);
    break;
  }
  return result;
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
  std::string text = ReadString(section, key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
  std::int32_t value = 0;
  return TryStrToInt(text, value) ? value : defaultValue;
}

void TQuickIni::GetSections(TStringList* strings) const {
  if (!strings) throw EAssertionFailed(std::string(kMsgStringsUnassigned) + " (Winskinini)");
  strings->Clear();
  for (int i = 0; i < FSections.Count(); ++i) {
    std::string_view name = TrimText(FSections[i]);
    name = name.substr(1, name.size() - 2);
    strings->Add(std::string(TrimText(name)));
  }
}
