// Byte-text lists, the splitting rules the database and skin readers rely on,
// and integer conversion of text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// An ordered list of byte texts, each with an optional attached number.
// Texts are bytes in whatever code page their source uses (GBK, ANSI, UTF-8).
class TStringList {
public:
  int Count() const { return static_cast<int>(FItems.size()); }
  bool Empty() const { return FItems.empty(); }
  const std::string& operator[](int index) const { return FItems.at(static_cast<size_t>(index)).text; }
  std::string& operator[](int index) { return FItems.at(static_cast<size_t>(index)).text; }
  std::intptr_t Object(int index) const { return FItems.at(static_cast<size_t>(index)).object; }
  void SetObject(int index, std::intptr_t object) { FItems.at(static_cast<size_t>(index)).object = object; }

  int Add(std::string text, std::intptr_t object = 0);
  void Insert(int index, std::string text);
  void Delete(int index);
  void Clear() { FItems.clear(); }
  int IndexOf(std::string_view text) const;

  // Lines joined with CR LF, each line followed by one.
  std::string Text() const;
  // Replaces the content by the lines of the text: lines end at CR, LF or CR LF,
  // a final line without a line end counts, a line end at the very end adds nothing.
  void SetText(std::string_view text);
  // Replaces the content by the pieces of a comma text (see the .cpp for the rules).
  void SetCommaText(std::string_view text);

  std::vector<std::string> Lines() const;

private:
  struct Item {
    std::string text;
    std::intptr_t object = 0;
  };
  std::vector<Item> FItems;
};

// Splits at every occurrence of a one-character separator; the rest after the
// last separator is always appended, even when empty ("1." gives "1" and "").
TStringList SplitText(std::string_view text, char separator);

// Whether a byte may start a double-byte character of GBK (code page 936).
inline bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Length in bytes of the character at text[pos]: 2 for a lead byte followed by a valid
// GBK trail byte, else 1.
size_t GbkCharLength(std::string_view text, size_t pos);

// Finds a GBK text inside another, stepping over double-byte characters whole so a
// match never begins on a trail byte. Returns std::string_view::npos when absent.
size_t GbkFind(std::string_view text, std::string_view what, size_t from = 0);

// Replaces every occurrence (character-aligned) of what by with.
std::string GbkReplaceAll(std::string_view text, std::string_view what, std::string_view with);

// The ordinary signed 32-bit integer conversion: optional leading blanks, an optional
// sign, decimal digits or "$"/"0x" followed by hexadecimal digits, nothing after.
bool TryStrToInt(std::string_view text, std::int32_t& value);

// Removes leading and trailing characters with codes 1..32 (and NUL).
std::string_view TrimText(std::string_view text);

// ASCII-only lower case, leaving other bytes (double-byte characters) untouched.
std::string LowerAscii(std::string_view text);
