// Yesterday's reader: whole-index bisection, record text built and split per lookup.
#include <cstring>

#include "base/error.h"
#include "baseline.h"
#include "ipdb/gbk_texts.h"
#include "ipdb/qqwry_view.h"

namespace {

[[noreturn]] void Corrupt() { throw Exception(kMsgCorrupt); }

std::string OldDottedAddress(std::uint32_t address) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (shift != 24) text += '.';
    text += std::to_string((address >> shift) & 0xFF);
  }
  return text;
}

std::int64_t OldAddressToNumber(std::string_view text) {
  const TStringList pieces = SplitText(text, '.');
  if (pieces.Count() < 4) throw Exception(kMsgBadAddress);
  std::int64_t sum = 0;
  std::int64_t weight = 1;
  for (int k = 3; k >= 0; --k) {
    std::int32_t value = 0;
    if (!TryStrToInt(pieces[k], value)) throw Exception(kMsgBadAddress);
    sum += static_cast<std::int64_t>(value) * weight;
    weight *= 256;
  }
  return sum;
}

}  // namespace

TBaselineReader::TBaselineReader(const std::string& fileName) {
  // The same file queries as the reader makes before mapping.
  std::int64_t size = 0;
  if (!FileExists(fileName) || !ReadFileSize(fileName, size) || size == 0) throw Exception("cannot open " + fileName);
  if (FFile.Open(fileName) != TMappedFile::OpenResult::Ok) throw Exception("cannot open " + fileName);
  FData = FFile.Data();
  FSize = FFile.Size();
  FFirstIndex = static_cast<std::int32_t>(Word32(0));
  const auto last = static_cast<std::int32_t>(Word32(4));
  if (FFirstIndex < 0 || last < FFirstIndex || static_cast<std::int64_t>(last) + 7 > static_cast<std::int64_t>(FSize))
    Corrupt();
  FRecordCount = (last - FFirstIndex) / 7 + 1;
}

std::uint8_t TBaselineReader::Byte(std::int64_t offset) const {
  if (offset < 0 || offset >= static_cast<std::int64_t>(FSize)) Corrupt();
  return FData[offset];
}

std::uint32_t TBaselineReader::Offset24(std::int64_t offset) const {
  if (offset < 0 || offset + 3 > static_cast<std::int64_t>(FSize)) Corrupt();
  const std::uint8_t* p = FData + offset;
  return p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
}

std::uint32_t TBaselineReader::Word32(std::int64_t offset) const {
  if (offset < 0 || offset + 4 > static_cast<std::int64_t>(FSize)) Corrupt();
  const std::uint8_t* p = FData + offset;
  return p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::string_view TBaselineReader::String(std::int64_t offset) const {
  if (offset < 0 || offset >= static_cast<std::int64_t>(FSize)) Corrupt();
  const auto* start = reinterpret_cast<const char*>(FData + offset);
  const void* end = std::memchr(start, 0, FSize - static_cast<size_t>(offset));
  if (!end) Corrupt();
  return std::string_view(start, static_cast<size_t>(static_cast<const char*>(end) - start));
}

std::string TBaselineReader::ReadArea(std::int64_t offset) const {
  const std::uint8_t mode = Byte(offset);
  if (mode == 1 || mode == 2) {
    const std::uint32_t target = Offset24(offset + 1);
    if (target == 0) return std::string(gbk::kUnknownArea);
    return std::string(String(target));
  }
  return std::string(String(offset));
}

void TBaselineReader::ReadLocation(std::int64_t recordOffset, std::string& country, std::string& area) const {
  const std::int64_t location = recordOffset + 4;
  const std::uint8_t mode = Byte(location);
  if (mode == 1) {
    const std::int64_t elsewhere = Offset24(location + 1);
    if (Byte(elsewhere) == 2) {
      country = String(Offset24(elsewhere + 1));
      area = ReadArea(elsewhere + 4);
    } else {
      country = String(elsewhere);
      area = ReadArea(elsewhere + static_cast<std::int64_t>(country.size()) + 1);
    }
  } else if (mode == 2) {
    country = String(Offset24(location + 1));
    area = ReadArea(recordOffset + 8);
  } else {
    country = String(location);
    area = ReadArea(location + static_cast<std::int64_t>(country.size()) + 1);
  }
}

std::uint32_t TBaselineReader::StartOf(std::int64_t record) const { return Word32(FFirstIndex + (record - 1) * 7); }

std::int64_t TBaselineReader::SearchIndex(std::int64_t n, std::int64_t hi, std::int64_t lo) const {
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
      return 0;
    }
  }
}

std::int64_t TBaselineReader::FindRecord(std::string_view addressText) const {
  const std::int64_t n = OldAddressToNumber(addressText);
  if (n < static_cast<std::int64_t>(StartOf(1))) return 0;
  return SearchIndex(n, FRecordCount, 1);
}

std::string TBaselineReader::GetRecordText(std::int64_t record) const {
  if (record < 1 || record > FRecordCount) throw Exception(kMsgBadRecord);
  const std::int64_t entry = FFirstIndex + (record - 1) * 7;
  const std::uint32_t recordOffset = Offset24(entry + 4);
  std::string text = OldDottedAddress(Word32(entry));
  if (text.size() < 16) text.append(16 - text.size(), ' ');
  text += OldDottedAddress(Word32(recordOffset));
  if (text.size() < 32) text.append(32 - text.size(), ' ');
  std::string country, area;
  ReadLocation(recordOffset, country, area);
  text += country;
  text += ' ';
  text += area;
  if (text.size() > kMaxRecordText) {
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

void TBaselineReader::GetFields(TStringList& list, std::int64_t record) const {
  list.SetCommaText(GetRecordText(record));
  while (list.Count() < 4) list.Add(std::string(gbk::kNone));
  for (int k = 4; k < list.Count(); ++k) list[3] = list[3] + " " + list[k];
}
