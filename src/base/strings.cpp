// Byte-text lists and the splitting and conversion rules shared by the readers.
#include "base/strings.h"

int TStringList::Add(std::string text, std::intptr_t object) {
  FItems.push_back(Item{std::move(text), object});
  return Count() - 1;
}

void TStringList::Insert(int index, std::string text) {
  FItems.insert(FItems.begin() + index, Item{std::move(text), 0});
}

void TStringList::Delete(int index) { FItems.erase(FItems.begin() + index); }

int TStringList::IndexOf(std::string_view text) const {
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (FItems[i].text == text) return static_cast<int>(i);
  }
  return -1;
}

std::string TStringList::Text() const {
  std::string result;
  for (const Item& item : FItems) {
    result += item.text;
    result += "\r\n";
  }
  return result;
}

void TStringList::SetText(std::string_view text) {
  Clear();
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = pos;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    Add(std::string(text.substr(pos, end - pos)));
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    pos = end;
  }
}

std::vector<std::string> TStringList::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(FItems.size());
  for (const Item& item : FItems) lines.push_back(item.text);
  return lines;
}

size_t GbkCharLength(std::string_view text, size_t pos) {
  if (!IsGbkLeadByte(static_cast<unsigned char>(text[pos])) || pos + 1 >= text.size()) return 1;
  const auto trail = static_cast<unsigned char>(text[pos + 1]);
  return trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
}

namespace {

bool IsBlank(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}

// A quoted piece: runs to the closing quote, a doubled quote inside stands for one.
// An unclosed quote takes the rest of the text.
std::string ExtractQuoted(std::string_view text, size_t& pos) {
  std::string piece;
  ++pos;  // opening quote
  while (pos < text.size()) {
    if (text[pos] == '"') {
      if (pos + 1 < text.size() && text[pos + 1] == '"') {
        piece += '"';
        pos += 2;
        continue;
      }
      ++pos;  // closing quote
      return piece;
    }
    const size_t n = GbkCharLength(text, pos);
    piece.append(text.substr(pos, n));
    pos += n;
  }
  return piece;
}

}  // namespace

// Comma text: pieces are separated by commas and by runs of blanks (codes 1..32), a
// comma with the blanks around it counting once; leading blanks are skipped; two commas
// with only blanks between them enclose an empty piece; a comma that is the very last
// character adds an empty piece. Double-byte characters are stepped over whole.
void TStringList::SetCommaText(std::string_view text) {
  Clear();
  // The text ends at its first NUL, as a zero-terminated buffer does.
  text = text.substr(0, text.find('\0'));
  size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  while (pos < text.size()) {
    if (text[pos] == '"') {
      Add(ExtractQuoted(text, pos));
    } else {
      const size_t start = pos;
      while (pos < text.size() && static_cast<unsigned char>(text[pos]) > ' ' && text[pos] != ',')
        pos += GbkCharLength(text, pos);
      Add(std::string(text.substr(start, pos - start)));
    }
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos < text.size() && text[pos] == ',') {
      if (pos + 1 == text.size()) Add(std::string());
      do {
        ++pos;
      } while (pos < text.size() && IsBlank(text[pos]));
    }
  }
}

TStringList SplitText(std::string_view text, char separator) {
  TStringList list;
  size_t pos = 0;
  for (;;) {
    const size_t found = text.find(separator, pos);
    if (found == std::string_view::npos) break;
    list.Add(std::string(text.substr(pos, found - pos)));
    pos = found + 1;
  }
  list.Add(std::string(text.substr(pos)));
  return list;
}

size_t GbkFind(std::string_view text, std::string_view what, size_t from) {
  if (what.empty()) return from <= text.size() ? from : std::string_view::npos;
  for (size_t pos = from; pos < text.size(); pos += GbkCharLength(text, pos)) {
    if (text.substr(pos, what.size()) == what) return pos;
  }
  return std::string_view::npos;
}

std::string GbkReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
  std::string result;
  size_t pos = 0;
  for (;;) {
    const size_t found = GbkFind(text, what, pos);
    if (found == std::string_view::npos || what.empty()) break;
    result.append(text.substr(pos, found - pos));
    result.append(with);
    pos = found + what.size();
  }
  result.append(text.substr(pos));
  return result;
}

bool TryStrToInt(std::string_view text, std::int32_t& value) {
  size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  unsigned base = 10;
  if (pos < text.size() && text[pos] == '$') {
    base = 16;
    ++pos;
  } else if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
    base = 16;
    pos += 2;
  }
  if (pos >= text.size()) return false;
  // Hexadecimal may fill all 32 bits ($FFFFFFFF is -1); decimal must fit the signed range.
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    unsigned digit;
    if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
    else if (base == 16 && c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
    else if (base == 16 && c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
    else return false;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return false;
  }
  std::int64_t signedValue = base == 16 ? static_cast<std::int64_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude)))
                                        : static_cast<std::int64_t>(magnitude);
  if (negative) signedValue = -signedValue;
  value = static_cast<std::int32_t>(signedValue);
  return true;
}

std::string_view TrimText(std::string_view text) {
  size_t start = 0;
  size_t end = text.size();
  while (start < end && static_cast<unsigned char>(text[start]) <= ' ') ++start;
  while (end > start && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(start, end - start);
}

std::string LowerAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}
