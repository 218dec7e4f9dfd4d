// Decoding of the "QQWry.Dat" format over a byte range: header, index search and
// record texts. Every read is checked against the range; a damaged file raises
// "数据库文件已损坏！" instead of reading outside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/strings.h"
#include "ipdb/start_table.h"

inline constexpr const char* kMsgCorrupt = "数据库文件已损坏！";
inline constexpr const char* kMsgBadAddress = "无效的IP地址！";
inline constexpr const char* kMsgBadRecord = "IP信息记录号过小或越界！";

// Longest record text: the buffer of 255 bytes keeps its last byte for the terminator.
inline constexpr size_t kMaxRecordText = 254;

// Dotted text w.x.y.z to w*2^24 + x*2^16 + y*2^8 + z. Pieces after the fourth are
// ignored and pieces are not limited to 0..255; fewer than four pieces or a piece that
// is not an integer raises "无效的IP地址！".
std::int64_t AddressToNumber(std::string_view text);

// One record decoded without the comma-text split: texts are GBK bytes.
struct TRawRecord {
  std::uint32_t StartAddress = 0;
  std::uint32_t EndAddress = 0;
  std::string Country;
  std::string Area;
};

class TQQWryView {
public:
  // Reads and checks the header; raises kMsgCorrupt when the index lies outside the data.
  TQQWryView(const std::uint8_t* data, size_t size);

  std::int32_t FirstIndex() const { return FFirstIndex; }
  std::int32_t LastIndex() const { return FLastIndex; }
  std::int64_t RecordCount() const { return FRecordCount; }

  // Record number for an address value over records lo..hi; 0 when the index has no
  // answer (an address below the first record, or an index that does not ascend).
  std::int64_t SearchIndex(std::int64_t n, std::int64_t hi, std::int64_t lo) const;
  std::int64_t FindRecord(std::string_view addressText) const;
  // The record for an address value: 0 below the first record, else what SearchIndex over
  // all records answers. After a few lookups this builds the first-level table, which
  // answers the same in a fraction of the probes (not when the index does not ascend).
  std::int64_t FindAddress(std::int64_t n) const;
  // Hints for bulk lookups, each for what the next step reads: for an address, its
  // first-level table entry, then (once that has arrived) its index entries; for a record,
  // its bytes, then its location. Many lookups then wait for memory at the same time. They
  // read nothing outside the data.
  void PrefetchIndexTable(std::int64_t n) const;
  void PrefetchAddress(std::int64_t n) const;
  void PrefetchRecord(std::int64_t record) const;
  void PrefetchLocation(std::int64_t record) const;
  // Builds the first-level table now; false when the index does not ascend strictly.
  bool BuildStartTable() const;
  size_t StartTableBytes() const { return FStartTable.Bytes(); }

  // The fixed-column record text (start address, end address, country, area).
  std::string GetRecordText(std::int64_t record) const;
  // The location fields: start, end, country, area (more entries are kept, their texts
  // joined onto entry 3).
  void GetFields(TStringList& list, std::int64_t record) const;

  TRawRecord ReadRecord(std::int64_t record) const;

private:
  std::uint8_t Byte(std::int64_t offset) const;
  std::uint32_t Offset24(std::int64_t offset) const;
  std::uint32_t Word32(std::int64_t offset) const;
  std::string_view String(std::int64_t offset) const;
  std::string_view ReadArea(std::int64_t offset) const;
  void ReadLocation(std::int64_t recordOffset, std::string_view& country, std::string_view& area) const;
  std::int64_t EntryOffset(std::int64_t record) const;
  std::uint32_t StartOf(std::int64_t record) const;
  void CheckRecord(std::int64_t record) const;

  const std::uint8_t* FData;
  size_t FSize;
  std::int32_t FFirstIndex = 0;
  std::int32_t FLastIndex = 0;
  std::int64_t FRecordCount = 0;
  // A reader opened for one lookup (as the window does per line) never pays for the table.
  // The lazy table makes a view unsafe to share between threads, as the reader always was.
  static constexpr int kPlainLookups = 8;
  mutable int FPlainLookups = 0;
  mutable bool FTableTried = false;
  mutable TStartTable FStartTable;
};

// Dotted decimal of an unsigned 32-bit address (byte 3 first).
std::string DottedAddress(std::uint32_t address);
void AppendDottedAddress(std::uint32_t address, std::string& text);
