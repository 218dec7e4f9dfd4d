// The database builder: the forms it picks, and CSV input.
#include <gtest/gtest.h>

#include "base/error.h"
#include "db_fixture.h"
#include "ipdb/qqwry_view.h"

namespace {

// The location byte of each record (1, 2, or 0 for inline text).
std::vector<int> LocationModes(const std::vector<std::uint8_t>& db) {
  const TQQWryView view(db.data(), db.size());
  std::vector<int> modes;
  for (std::int64_t r = 1; r <= view.RecordCount(); ++r) {
    const size_t entry = static_cast<size_t>(view.FirstIndex() + (r - 1) * 7);
    const size_t record = db[entry + 4] | (db[entry + 5] << 8) | (db[entry + 6] << 16);
    const int mode = db[record + 4];
    modes.push_back(mode == 1 || mode == 2 ? mode : 0);
  }
  return modes;
}

TEST(BuildDatabase, SharesCountriesLocationsAndAreas) {
  const std::vector<TDbRecord> records = {
      R("1.0.0.0", "1.0.0.255", "中国", "电信"),   // inline
      R("1.0.1.0", "1.0.1.255", "中国", "联通"),   // country elsewhere
      R("1.0.2.0", "1.0.2.255", "中国", "电信"),   // whole location elsewhere (inline)
      R("1.0.3.0", "1.0.3.255", "中国", "联通"),   // whole location elsewhere (mode 2)
      R("1.0.4.0", "1.0.4.255", "日本", "电信"),   // inline country, area redirected
      R("1.0.5.0", "1.0.5.255", "美国", "未知地区"),  // area redirected to offset 0
  };
  const std::vector<std::uint8_t> db = BuildDatabase(records);
  EXPECT_EQ(LocationModes(db), (std::vector<int>{0, 2, 1, 1, 0, 0}));
  const TQQWryView view(db.data(), db.size());
  for (size_t i = 0; i < records.size(); ++i) {
    const TRawRecord raw = view.ReadRecord(static_cast<std::int64_t>(i + 1));
    EXPECT_EQ(raw.StartAddress, records[i].Start);
    EXPECT_EQ(raw.EndAddress, records[i].End);
    EXPECT_EQ(raw.Country, records[i].Country);
    EXPECT_EQ(raw.Area, records[i].Area);
  }
  // The redirected areas are 4 bytes instead of their text.
  EXPECT_LT(db.size(), 8 + 6 * 7 + 6 * 4 + 40u + 20u);
}

TEST(BuildDatabase, RefusesBadRecords) {
  EXPECT_THROW(BuildDatabase({}), Exception);
  EXPECT_THROW(BuildDatabase({R("2.0.0.0", "2.0.0.255", "a", "b"), R("1.0.0.0", "1.0.0.255", "a", "b")}), Exception);
  EXPECT_THROW(BuildDatabase({R("2.0.0.0", "2.0.0.255", "a", "b"), R("2.0.0.255", "2.0.1.255", "a", "b")}), Exception);
  EXPECT_THROW(BuildDatabase({R("2.0.0.9", "2.0.0.1", "a", "b")}), Exception);
  EXPECT_THROW(BuildDatabase({TDbRecord{1, 2, "\x02x", "b"}}), Exception);
}

TEST(ReadRecordsCsv, LinesQuotingAndErrors) {
  const auto records = ReadRecordsCsv(
      "\xEF\xBB\xBF# comment\r\n1.0.0.0,1.0.0.255,中国,\"a, \"\"b\"\"\"\r\n\n2.0.0.0,2.0.0.255,Hong Kong,\n");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].Country, G("中国"));
  EXPECT_EQ(records[0].Area, "a, \"b\"");
  EXPECT_EQ(records[1].Country, "Hong Kong");
  EXPECT_EQ(records[1].Area, "");
  for (const char* bad : {"1.0.0.0,1.0.0.255,x\n", "1.0.0.0,1.0.0.256,x,y\n", "1.0.0,1.0.0.255,x,y\n",
                          "1.0.0.0,1.0.0.255,\"x,y\n", "1.0.0.0,1.0.0.255,x,😀\n"}) {
    EXPECT_THROW(ReadRecordsCsv(bad), Exception) << bad;
  }
  try {
    ReadRecordsCsv("1.0.0.0,1.0.0.255,a,b\n\nbad\n");
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message().rfind("line 3:", 0), 0u) << e.Message();
  }
}

}  // namespace
