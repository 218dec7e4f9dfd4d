// TQuickIni: the parser of a skin's description text (INI-style sections and keys).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/stream.h"
#include "base/strings.h"

inline constexpr const char* kMsgStringsUnassigned = "The parameter Strings is unassigned!";

class TQuickIni {
public:
  // Replaces the content by the text from the stream's position to its end (up to its
  // first NUL byte). A null stream changes nothing.
  void LoadFromStream(TStream* stream);

  // Index in the kept lines of the first header "[name]" (case ignored), or -1.
  int SectionIndex(std::string_view section) const;
  // The value of the first line with the key in the first section of that name; the
  // default when there is none or its value is empty.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  // As ReadString, converted: decimal, "$" or "0x" hexadecimal; the default otherwise.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
  // The section names in file order, without brackets. Raises EAssertionFailed when
  // no list is given.
  void GetSections(TStringList* strings) const;

  // The kept lines: trimmed, comments and empty lines dropped.
  const TStringList& Lines() const { return FLines; }

private:
  static std::string KeyOf(std::string_view line);
  static std::string ValueOf(std::string_view line, std::string_view key);
  static bool IsSection(std::string_view line);

  TStringList FLines;
  TStringList FSections;  // header texts, each with its index in FLines attached
};
