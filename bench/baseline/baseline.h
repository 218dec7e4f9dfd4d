// Yesterday's lookup path, kept only so the benchmarks can print it beside today's: the
// bisection over the whole index with the address split into a text list, the record
// text built and split for every GetFields, and GBK conversion through iconv with a
// converter opened per call. Not part of the product.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/filemap.h"
#include "base/strings.h"

class TBaselineReader {
public:
  // Opens and maps the file as the reader did; raises Exception on failure.
  explicit TBaselineReader(const std::string& fileName);

  std::int64_t RecordCount() const { return FRecordCount; }
  std::int64_t FindRecord(std::string_view addressText) const;
  void GetFields(TStringList& list, std::int64_t record) const;

private:
  std::uint8_t Byte(std::int64_t offset) const;
  std::uint32_t Offset24(std::int64_t offset) const;
  std::uint32_t Word32(std::int64_t offset) const;
  std::string_view String(std::int64_t offset) const;
  std::string ReadArea(std::int64_t offset) const;
  void ReadLocation(std::int64_t recordOffset, std::string& country, std::string& area) const;
  std::uint32_t StartOf(std::int64_t record) const;
  std::int64_t SearchIndex(std::int64_t n, std::int64_t hi, std::int64_t lo) const;
  std::string GetRecordText(std::int64_t record) const;

  TMappedFile FFile;
  const std::uint8_t* FData = nullptr;
  size_t FSize = 0;
  std::int32_t FFirstIndex = 0;
  std::int64_t FRecordCount = 0;
};

// GBK to UTF-8 and back through iconv "CP936", a converter opened for every call.
std::string BaselineGbkToUtf8(std::string_view gbk);
std::string BaselineUtf8ToGbk(std::string_view utf8);
