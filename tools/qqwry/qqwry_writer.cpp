// Database writer and CSV reading for the database builder.
#include "qqwry_writer.h"

#include <map>

#include "base/codec.h"
#include "base/csv.h"
#include "base/error.h"

namespace {

constexpr std::uint32_t kMaxOffset = 0xFFFFFF;
constexpr std::string_view kUnknownAreaUtf8 = "未知地区";

void CheckText(std::string_view text, const char* what) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) throw Exception(FormatText("%s holds a control character", what));
  }
}

}  // namespace

TQQWryWriter::TQQWryWriter() : FBytes(8, 0) {}

void TQQWryWriter::Check24(std::uint32_t offset) const {
  if (offset > kMaxOffset) throw Exception("database larger than the format's 16 MiB offsets");
}

void TQQWryWriter::PutByte(std::uint8_t value) { FBytes.push_back(value); }

void TQQWryWriter::PutWord(std::uint32_t value) {
  for (int i = 0; i < 4; ++i) FBytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void TQQWryWriter::PutOffset(std::uint32_t offset) {
  Check24(offset);
  for (int i = 0; i < 3; ++i) FBytes.push_back(static_cast<std::uint8_t>(offset >> (8 * i)));
}

std::uint32_t TQQWryWriter::PutString(std::string_view text) {
  const std::uint32_t at = Position();
  FBytes.insert(FBytes.end(), text.begin(), text.end());
  FBytes.push_back(0);
  return at;
}

std::uint32_t TQQWryWriter::PutBytes(const std::vector<std::uint8_t>& bytes) {
  const std::uint32_t at = Position();
  FBytes.insert(FBytes.end(), bytes.begin(), bytes.end());
  return at;
}

void TQQWryWriter::PutArea(const TAreaForm& area) {
  if (area.Text) {
    PutString(*area.Text);
  } else {
    PutByte(area.RedirectMode);
    PutOffset(area.RedirectOffset);
  }
}

std::uint32_t TQQWryWriter::RecordInline(std::uint32_t end, std::string_view country, const TAreaForm& area) {
  const std::uint32_t at = Position();
  PutWord(end);
  PutString(country);
  PutArea(area);
  return at;
}

std::uint32_t TQQWryWriter::RecordCountryElsewhere(std::uint32_t end, std::uint32_t countryOffset,
                                                   const TAreaForm& area) {
  const std::uint32_t at = Position();
  PutWord(end);
  PutByte(2);
  PutOffset(countryOffset);
  PutArea(area);
  return at;
}

std::uint32_t TQQWryWriter::RecordLocationElsewhere(std::uint32_t end, std::uint32_t locationOffset) {
  const std::uint32_t at = Position();
  PutWord(end);
  PutByte(1);
  PutOffset(locationOffset);
  return at;
}

std::uint32_t TQQWryWriter::LocationCountryElsewhere(std::uint32_t countryOffset, const TAreaForm& area) {
  const std::uint32_t at = Position();
  PutByte(2);
  PutOffset(countryOffset);
  PutArea(area);
  return at;
}

void TQQWryWriter::AddIndexEntry(std::uint32_t start, std::uint32_t recordOffset) {
  FIndex.emplace_back(start, recordOffset);
}

std::vector<std::uint8_t> TQQWryWriter::Finish() {
  if (FIndex.empty()) throw Exception("a database needs at least one record");
  const std::uint32_t first = Position();
  for (const auto& [start, record] : FIndex) {
    PutWord(start);
    PutOffset(record);
  }
  const std::uint32_t last = first + static_cast<std::uint32_t>(FIndex.size() - 1) * 7;
  for (int i = 0; i < 4; ++i) {
    FBytes[static_cast<size_t>(i)] = static_cast<std::uint8_t>(first >> (8 * i));
    FBytes[static_cast<size_t>(4 + i)] = static_cast<std::uint8_t>(last >> (8 * i));
  }
  return FBytes;
}

std::vector<std::uint8_t> BuildDatabase(const std::vector<TDbRecord>& records) {
  const std::string unknownArea = Utf8ToGbk(kUnknownAreaUtf8);
  TQQWryWriter writer;
  std::map<std::string, std::uint32_t> countries;                           // country -> its string
  std::map<std::string, std::uint32_t> areas;                               // area -> its string
  std::map<std::pair<std::string, std::string>, std::uint32_t> locations;  // pair -> location

  auto areaForm = [&](const std::string& area) {
    if (area == unknownArea) return TAreaForm::Redirect(0);
    if (const auto it = areas.find(area); it != areas.end()) return TAreaForm::Redirect(it->second);
    return TAreaForm::Inline(area);
  };
  // Where an inline area lands: after everything written before it in this record.
  auto rememberArea = [&](const std::string& area, const TAreaForm& form, std::uint32_t areaOffset) {
    if (form.Text && !area.empty()) areas.emplace(area, areaOffset);
  };

  for (size_t i = 0; i < records.size(); ++i) {
    const TDbRecord& r = records[i];
    CheckText(r.Country, "a country");
    CheckText(r.Area, "an area");
    if (r.Start > r.End) throw Exception(FormatText("record %zu: start after end", i + 1));
    if (i > 0 && r.Start <= records[i - 1].End)
      throw Exception(FormatText("record %zu: overlaps or is out of order", i + 1));

    const auto pair = std::make_pair(r.Country, r.Area);
    std::uint32_t recordOffset;
    if (const auto it = locations.find(pair); it != locations.end()) {
      recordOffset = writer.RecordLocationElsewhere(r.End, it->second);
    } else if (const auto c = countries.find(r.Country); c != countries.end()) {
      const TAreaForm form = areaForm(r.Area);
      recordOffset = writer.RecordCountryElsewhere(r.End, c->second, form);
      rememberArea(r.Area, form, recordOffset + 8);
      locations.emplace(pair, recordOffset + 4);
    } else {
      const TAreaForm form = areaForm(r.Area);
      recordOffset = writer.RecordInline(r.End, r.Country, form);
      countries.emplace(r.Country, recordOffset + 4);
      rememberArea(r.Area, form, recordOffset + 4 + static_cast<std::uint32_t>(r.Country.size()) + 1);
      locations.emplace(pair, recordOffset + 4);
    }
    writer.AddIndexEntry(r.Start, recordOffset);
  }
  return writer.Finish();
}

std::optional<std::uint32_t> ParseDottedAddress(std::string_view text) {
  std::uint32_t value = 0;
  size_t pos = 0;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (pos >= text.size() || text[pos] != '.') return std::nullopt;
      ++pos;
    }
    unsigned number = 0;
    int digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 3) {
      number = number * 10 + static_cast<unsigned>(text[pos] - '0');
      ++digits;
      ++pos;
    }
    if (digits == 0 || number > 255) return std::nullopt;
    value = (value << 8) | number;
  }
  if (pos != text.size()) return std::nullopt;
  return value;
}

std::vector<TDbRecord> ReadRecordsCsv(std::string_view csv) {
  if (csv.substr(0, 3) == "\xEF\xBB\xBF") csv.remove_prefix(3);
  std::vector<TDbRecord> records;
  size_t pos = 0;
  int line = 0;
  while (pos < csv.size()) {
    ++line;
    bool ok = true;
    const std::vector<std::string> fields = ReadCsvLine(csv, pos, ok);
    if (fields.size() == 1 && fields[0].empty()) continue;  // blank line
    if (!fields[0].empty() && fields[0][0] == '#') continue;  // comment
    if (!ok || fields.size() != 4) throw Exception(FormatText("line %d: expected start,end,country,area", line));
    const auto start = ParseDottedAddress(fields[0]);
    const auto end = ParseDottedAddress(fields[1]);
    if (!start || !end) throw Exception(FormatText("line %d: bad address", line));
    for (int f = 2; f < 4; ++f) {
      if (!Utf8FitsGbk(fields[static_cast<size_t>(f)]))
        throw Exception(FormatText("line %d: text has characters GBK cannot hold", line));
    }
    records.push_back(TDbRecord{*start, *end, Utf8ToGbk(fields[2]), Utf8ToGbk(fields[3])});
  }
  return records;
}
