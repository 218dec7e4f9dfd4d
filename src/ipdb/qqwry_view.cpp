// Decoding of the database format over a checked byte range.
#include "ipdb/qqwry_view.h"

#include <cstring>

#include "base/error.h"
#include "ipdb/gbk_texts.h"

namespace {

[[noreturn]] void Corrupt() { throw Exception(kMsgCorrupt); }

constexpr std::int64_t kIndexEntrySize = 7;
constexpr std::uint8_t kModeWholeLocation = 1;  // the location lies elsewhere
constexpr std::uint8_t kModeCountry = 2;        // the country lies elsewhere
constexpr size_t kAddressColumn = 16;

void PadTo(std::string& text, size_t column) {
  if (text.size() < column) text.append(column - text.size(), ' ');
}

// A text the comma-text split keeps as one piece: no blanks or control characters, no
// comma, no quote. (GBK trail bytes are 0x40 or above, so they are never one of those.)
bool IsPlainPiece(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"') return false;
  }
  return true;
}

// One to three decimal digits, the usual piece of an address: what TryStrToInt would
// answer, without its general path.
bool ShortDecimal(std::string_view piece, std::int32_t& value) {
  if (piece.empty() || piece.size() > 3) return false;
  value = 0;
  for (const char c : piece) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

}  // namespace

void AppendDottedAddress(std::uint32_t address, std::string& text) {
  char digits[16];
  char* p = digits;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (shift != 24) *p++ = '.';
    const unsigned part = (address >> shift) & 0xFF;
    if (part >= 100) *p++ = static_cast<char>('0' + part / 100);
    if (part >= 10) *p++ = static_cast<char>('0' + part / 10 % 10);
    *p++ = static_cast<char>('0' + part % 10);
  }
  text.append(digits, static_cast<size_t>(p - digits));
}

std::string DottedAddress(std::uint32_t address) {
  std::string text;
  AppendDottedAddress(address, text);
  return text;
}

std::int64_t AddressToNumber(std::string_view text) {
  // The pieces are the texts between dots; only the first four count.
  std::int64_t sum = 0;
  size_t pos = 0;
  for (int k = 0; k < 4; ++k) {
    const size_t dot = text.find('.', pos);
    if (dot == std::string_view::npos && k < 3) throw Exception(kMsgBadAddress);
    const size_t end = dot == std::string_view::npos ? text.size() : dot;
    std::int32_t value = 0;
    if (!ShortDecimal(text.substr(pos, end - pos), value) && !TryStrToInt(text.substr(pos, end - pos), value))
      throw Exception(kMsgBadAddress);
    sum += static_cast<std::int64_t>(value) * (std::int64_t{1} << (8 * (3 - k)));
    pos = end + 1;
  }
  return sum;
}

TQQWryView::TQQWryView(const std::uint8_t* data, size_t size) : FData(data), FSize(size) {
  if (size < 8) Corrupt();
  FFirstIndex = static_cast<std::int32_t>(Word32(0));
  FLastIndex = static_cast<std::int32_t>(Word32(4));
  if (FFirstIndex < 0 || FLastIndex < FFirstIndex ||
      static_cast<std::int64_t>(FLastIndex) + kIndexEntrySize > static_cast<std::int64_t>(size))
    Corrupt();
  FRecordCount = (FLastIndex - FFirstIndex) / kIndexEntrySize + 1;
}

std::uint8_t TQQWryView::Byte(std::int64_t offset) const {
  if (offset < 0 || offset >= static_cast<std::int64_t>(FSize)) Corrupt();
  return FData[offset];
}

std::uint32_t TQQWryView::Offset24(std::int64_t offset) const {
  if (offset < 0 || offset + 3 > static_cast<std::int64_t>(FSize)) Corrupt();
  const std::uint8_t* p = FData + offset;
  return p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
}

std::uint32_t TQQWryView::Word32(std::int64_t offset) const {
  if (offset < 0 || offset + 4 > static_cast<std::int64_t>(FSize)) Corrupt();
  const std::uint8_t* p = FData + offset;
  return p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::string_view TQQWryView::String(std::int64_t offset) const {
  if (offset < 0 || offset >= static_cast<std::int64_t>(FSize)) Corrupt();
  const auto* start = reinterpret_cast<const char*>(FData + offset);
  const void* end = std::memchr(start, 0, FSize - static_cast<size_t>(offset));
  if (!end) Corrupt();
  return std::string_view(start, static_cast<size_t>(static_cast<const char*>(end) - start));
}

std::string_view TQQWryView::ReadArea(std::int64_t offset) const {
  const std::uint8_t mode = Byte(offset);
  if (mode == kModeWholeLocation || mode == kModeCountry) {
    const std::uint32_t target = Offset24(offset + 1);
    if (target == 0) return gbk::kUnknownArea;
    return String(target);
  }
  return String(offset);
}

void TQQWryView::ReadLocation(std::int64_t recordOffset, std::string_view& country, std::string_view& area) const {
  const std::int64_t location = recordOffset + 4;
  const std::uint8_t mode = Byte(location);
  if (mode == kModeWholeLocation) {
    const std::int64_t elsewhere = Offset24(location + 1);
    if (Byte(elsewhere) == kModeCountry) {
      country = String(Offset24(elsewhere + 1));
      area = ReadArea(elsewhere + 4);
    } else {
      country = String(elsewhere);
      area = ReadArea(elsewhere + static_cast<std::int64_t>(country.size()) + 1);
    }
  } else if (mode == kModeCountry) {
    country = String(Offset24(location + 1));
    area = ReadArea(recordOffset + 8);
  } else {
    country = String(location);
    area = ReadArea(location + static_cast<std::int64_t>(country.size()) + 1);
  }
}

std::int64_t TQQWryView::EntryOffset(std::int64_t record) const {
  return FFirstIndex + (record - 1) * kIndexEntrySize;
}

std::uint32_t TQQWryView::StartOf(std::int64_t record) const {
  return Word32(EntryOffset(record));
}

void TQQWryView::CheckRecord(std::int64_t record) const {
  if (record < 1 || record > FRecordCount) throw Exception(kMsgBadRecord);
}

std::int64_t TQQWryView::SearchIndex(std::int64_t n, std::int64_t hi, std::int64_t lo) const {
  // Bisection over start addresses only: an address between a record's end and the next
  // start belongs to the record before it.
  for (;;) {
    if (lo == hi) return lo;
    if (hi < lo) return 0;
    const std::int64_t mid = lo + (hi - lo) / 2;
    const std::int64_t a = StartOf(mid);
    const std::int64_t b = StartOf(mid + 1);
    if (a <= n && n < b) return mid;
    if (n > a) {
      lo = mid + 1;
    } else if (n < a) {
      hi = mid - 1;
    } else {
      return 0;  // the index does not ascend here
    }
  }
}

std::int64_t TQQWryView::FindRecord(std::string_view addressText) const {
  return FindAddress(AddressToNumber(addressText));
}

std::int64_t TQQWryView::FindAddress(std::int64_t n) const {
  // Below the first range there is no record; record 0 makes the caller's GetFields refuse it.
  if (n < static_cast<std::int64_t>(StartOf(1))) return 0;
  if (!FTableTried && ++FPlainLookups > kPlainLookups) BuildStartTable();
  if (!FStartTable.Empty()) return FStartTable.Find(n, FData + FFirstIndex, FRecordCount);
  return SearchIndex(n, FRecordCount, 1);
}

void TQQWryView::PrefetchIndexTable(std::int64_t n) const { FStartTable.PrefetchBlock(n); }

void TQQWryView::PrefetchAddress(std::int64_t n) const { FStartTable.Prefetch(n, FData + FFirstIndex); }

void TQQWryView::PrefetchRecord(std::int64_t record) const {
  if (record < 1 || record > FRecordCount) return;
  const std::int64_t recordOffset = Offset24(EntryOffset(record) + 4);
  if (recordOffset < static_cast<std::int64_t>(FSize)) __builtin_prefetch(FData + recordOffset);
}

void TQQWryView::PrefetchLocation(std::int64_t record) const {
  if (record < 1 || record > FRecordCount) return;
  const std::int64_t location = static_cast<std::int64_t>(Offset24(EntryOffset(record) + 4)) + 4;
  if (location + 4 > static_cast<std::int64_t>(FSize)) return;
  const std::uint8_t mode = FData[location];
  if (mode != kModeWholeLocation && mode != kModeCountry) return;
  const std::uint32_t target = Offset24(location + 1);
  if (target < FSize) __builtin_prefetch(FData + target);
}

bool TQQWryView::BuildStartTable() const {
  FTableTried = true;
  // The constructor checked that every index entry lies inside the data.
  return FStartTable.Build(FData + FFirstIndex, FRecordCount);
}

std::string TQQWryView::GetRecordText(std::int64_t record) const {
  CheckRecord(record);
  const std::int64_t entry = EntryOffset(record);
  const std::uint32_t recordOffset = Offset24(entry + 4);
  const std::uint32_t start = Word32(entry);
  const std::uint32_t end = Word32(recordOffset);
  std::string_view country, area;
  ReadLocation(recordOffset, country, area);
  std::string text;
  text.reserve(2 * kAddressColumn + country.size() + 1 + area.size());
  AppendDottedAddress(start, text);
  PadTo(text, kAddressColumn);
  AppendDottedAddress(end, text);
  PadTo(text, 2 * kAddressColumn);
  text += country;
  text += ' ';
  text += area;
  if (text.size() > kMaxRecordText) {
    // Cut on a character boundary so no half of a double-byte character remains.
    size_t cut = 0;
    while (cut < text.size()) {
      const size_t n = GbkCharLength(text, cut);
      if (cut + n > kMaxRecordText) break;
      cut += n;
    }
    text.resize(cut);
  }
  if (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

void TQQWryView::GetFields(TStringList& list, std::int64_t record) const {
  CheckRecord(record);
  const std::int64_t entry = EntryOffset(record);
  const std::uint32_t recordOffset = Offset24(entry + 4);
  const std::uint32_t start = Word32(entry);
  const std::uint32_t end = Word32(recordOffset);
  std::string_view country, area;
  ReadLocation(recordOffset, country, area);
  if (!country.empty() && IsPlainPiece(country) && IsPlainPiece(area) &&
      2 * kAddressColumn + country.size() + 1 + area.size() <= kMaxRecordText) {
    // The record text would split into exactly these four pieces; skip building it.
    list.Clear();
    list.Add(DottedAddress(start));
    list.Add(DottedAddress(end));
    list.Add(std::string(country));
    list.Add(std::string(area.empty() ? gbk::kNone : area));
    return;
  }
  list.SetCommaText(GetRecordText(record));
  while (list.Count() < 4) list.Add(std::string(gbk::kNone));
  for (int k = 4; k < list.Count(); ++k) list[3] = list[3] + " " + list[k];
}

TRawRecord TQQWryView::ReadRecord(std::int64_t record) const {
  CheckRecord(record);
  const std::int64_t entry = EntryOffset(record);
  const std::uint32_t recordOffset = Offset24(entry + 4);
  TRawRecord raw;
  raw.StartAddress = Word32(entry);
  raw.EndAddress = Word32(recordOffset);
  std::string_view country, area;
  ReadLocation(recordOffset, country, area);
  raw.Country = country;
  raw.Area = area;
  return raw;
}
