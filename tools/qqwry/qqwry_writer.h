// Writes databases in the "QQWry.Dat" format: a low-level writer that can lay out
// every location form the format has, and a builder that picks the forms real files
// use (shared countries, shared locations, area redirections).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Texts are GBK bytes.
struct TDbRecord {
  std::uint32_t Start = 0;
  std::uint32_t End = 0;
  std::string Country;
  std::string Area;
};

// How an area is written: as its own string, or as a redirection (mode byte 1 or 2 and
// a 3-byte offset; offset 0 stands for "未知地区").
struct TAreaForm {
  std::optional<std::string> Text;
  std::uint8_t RedirectMode = 2;
  std::uint32_t RedirectOffset = 0;

  static TAreaForm Inline(std::string text) { return TAreaForm{std::move(text), 2, 0}; }
  static TAreaForm Redirect(std::uint32_t offset, std::uint8_t mode = 2) { return TAreaForm{std::nullopt, mode, offset}; }
};

class TQQWryWriter {
public:
  TQQWryWriter();

  std::uint32_t Position() const { return static_cast<std::uint32_t>(FBytes.size()); }

  // A zero-terminated string at the current position; returns its offset.
  std::uint32_t PutString(std::string_view text);
  // Raw bytes (for hand-made damage in tests); returns their offset.
  std::uint32_t PutBytes(const std::vector<std::uint8_t>& bytes);
  void PutByte(std::uint8_t value);
  void PutWord(std::uint32_t value);
  void PutOffset(std::uint32_t offset);
  void PutArea(const TAreaForm& area);

  // Record forms; each writes the end address and the location and returns the record offset.
  std::uint32_t RecordInline(std::uint32_t end, std::string_view country, const TAreaForm& area);
  std::uint32_t RecordCountryElsewhere(std::uint32_t end, std::uint32_t countryOffset, const TAreaForm& area);
  std::uint32_t RecordLocationElsewhere(std::uint32_t end, std::uint32_t locationOffset);
  // A location that only mode-1 records point at: mode 2 byte + country offset + area.
  std::uint32_t LocationCountryElsewhere(std::uint32_t countryOffset, const TAreaForm& area);

  void AddIndexEntry(std::uint32_t start, std::uint32_t recordOffset);

  // Appends the index and fills in the header. Raises Exception when an offset does not
  // fit in 24 bits.
  std::vector<std::uint8_t> Finish();

private:
  void Check24(std::uint32_t offset) const;
  std::vector<std::uint8_t> FBytes;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> FIndex;
};

// Builds a database from records in ascending order of start address. Repeated countries
// are written once and referred to (mode 2), repeated country/area pairs point at the first
// location (mode 1, which may itself be mode 2), repeated areas are redirections, and the
// area "未知地区" is the redirection to offset 0. Raises Exception on records out of order.
std::vector<std::uint8_t> BuildDatabase(const std::vector<TDbRecord>& records);

// Reads CSV lines start,end,country,area (UTF-8, RFC 4180 quoting) into records with GBK
// texts. Raises Exception naming the line on a bad line.
std::vector<TDbRecord> ReadRecordsCsv(std::string_view csv);

// Parses a strict dotted address (four numbers 0..255).
std::optional<std::uint32_t> ParseDottedAddress(std::string_view text);
