// TStrings and TWideStringList.
#include "ui/strings.h"

#include <stdexcept>

#include "base/win32.h"

const TClassInfo& TStrings::StaticClassInfo() {
  static const TClassInfo info("TStrings", &TPersistent::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TWideStringList::StaticClassInfo() {
  static const TClassInfo info("TStringList", &TStrings::StaticClassInfo(), {});
  return info;
}

void TStrings::Put(int index, const std::wstring& text) {
  TObject* object = Objects(index);
  Delete(index);
  Insert(index, text);
  PutObject(index, object);
}

TObject* TStrings::Objects(int) const { return nullptr; }
void TStrings::PutObject(int, TObject*) {}

int TStrings::Add(const std::wstring& text) {
  const int index = Count();
  Insert(index, text);
  return index;
}

int TStrings::AddObject(const std::wstring& text, TObject* object) {
  const int index = Add(text);
  PutObject(index, object);
  return index;
}

void TStrings::AddStrings(const TStrings& other) {
  BeginUpdate();
  for (int i = 0; i < other.Count(); ++i) AddObject(other.Get(i), other.Objects(i));
  EndUpdate();
}

int TStrings::IndexOf(std::wstring_view text) const {
  for (int i = 0; i < Count(); ++i) {
    const std::wstring item = Get(i);
    if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, item.data(), static_cast<int>(item.size()),
                       text.data(), static_cast<int>(text.size())) == CSTR_EQUAL)
      return i;
  }
  return -1;
}

std::wstring TStrings::Text() const {
  std::wstring result;
  for (int i = 0; i < Count(); ++i) {
    result += Get(i);
    result += L"\r\n";
  }
  return result;
}

std::vector<std::wstring> SplitTextLines(std::wstring_view text) {
  std::vector<std::wstring> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = pos;
    while (end < text.size() && text[end] != L'\r' && text[end] != L'\n') ++end;
    lines.emplace_back(text.substr(pos, end - pos));
    if (end < text.size() && text[end] == L'\r') ++end;
    if (end < text.size() && text[end] == L'\n') ++end;
    pos = end;
  }
  return lines;
}

void TStrings::SetText(std::wstring_view text) {
  BeginUpdate();
  Clear();
  for (const std::wstring& line : SplitTextLines(text)) Add(line);
  EndUpdate();
}

void TStrings::AddLines(const std::vector<std::wstring>& lines) {
  BeginUpdate();
  for (const std::wstring& line : lines) Add(line);
  EndUpdate();
}

std::wstring TStrings::CommaText() const {
  std::wstring result;
  for (int i = 0; i < Count(); ++i) {
    if (i) result += L',';
    const std::wstring item = Get(i);
    bool quote = item.empty();
    for (const wchar_t c : item) {
      if (c <= L' ' || c == L',' || c == L'"') quote = true;
    }
    if (!quote) {
      result += item;
      continue;
    }
    result += L'"';
    for (const wchar_t c : item) {
      if (c == L'"') result += L'"';
      result += c;
    }
    result += L'"';
  }
  return result;
}

void TStrings::SetCommaText(std::wstring_view text) {
  BeginUpdate();
  Clear();
  size_t pos = 0;
  auto blank = [&](size_t p) { return p < text.size() && text[p] >= 1 && text[p] <= L' '; };
  while (blank(pos)) ++pos;
  while (pos < text.size()) {
    std::wstring piece;
    if (text[pos] == L'"') {
      ++pos;
      while (pos < text.size()) {
        if (text[pos] == L'"') {
          if (pos + 1 < text.size() && text[pos + 1] == L'"') {
            piece += L'"';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        piece += text[pos++];
      }
    } else {
      while (pos < text.size() && text[pos] > L' ' && text[pos] != L',') piece += text[pos++];
    }
    Add(piece);
    while (blank(pos)) ++pos;
    if (pos < text.size() && text[pos] == L',') {
      if (pos + 1 == text.size()) Add(std::wstring());
      do {
        ++pos;
      } while (blank(pos));
    }
  }
  EndUpdate();
}

std::vector<std::wstring> TStrings::ToVector() const {
  std::vector<std::wstring> lines;
  for (int i = 0; i < Count(); ++i) lines.push_back(Get(i));
  return lines;
}

void TStrings::SetStrings(const std::vector<std::wstring>& lines) {
  BeginUpdate();
  Clear();
  for (const std::wstring& line : lines) Add(line);
  EndUpdate();
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

bool TStrings::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TStrings*>(&source);
  if (!other) return false;
  if (other == this) return true;
  BeginUpdate();
  Clear();
  AddStrings(*other);
  EndUpdate();
  return true;
}

std::wstring TWideStringList::Get(int index) const { return FItems.at(static_cast<size_t>(index)).text; }

void TWideStringList::Put(int index, const std::wstring& text) {
  FItems.at(static_cast<size_t>(index)).text = text;
  Changed();
}

TObject* TWideStringList::Objects(int index) const { return FItems.at(static_cast<size_t>(index)).object; }

void TWideStringList::PutObject(int index, TObject* object) {
  FItems.at(static_cast<size_t>(index)).object = object;
  Changed();
}

void TWideStringList::Insert(int index, const std::wstring& text) {
  if (index < 0 || index > Count()) throw std::out_of_range("TWideStringList::Insert");
  FItems.insert(FItems.begin() + index, Item{text, nullptr});
  Changed();
}

void TWideStringList::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("TWideStringList::Delete");
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TWideStringList::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed();
}

void TWideStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TWideStringList::SetUpdateState(bool updating) {
  if (!updating) Changed();
}
