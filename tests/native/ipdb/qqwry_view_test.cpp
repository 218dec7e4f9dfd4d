// Lookups and record decoding over databases made by the writer: every location form,
// the index search at its edges, and damaged files.
#include <gtest/gtest.h>

#include "base/error.h"
#include "db_fixture.h"
#include "ipdb/qqwry_view.h"

namespace {

std::string MessageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Exception& e) {
    return e.Message();
  }
  return "(no error)";
}

struct Db {
  std::vector<std::uint8_t> bytes;
  TQQWryView view;
  explicit Db(std::vector<std::uint8_t> b) : bytes(std::move(b)), view(bytes.data(), bytes.size()) {}
  std::vector<std::string> Fields(std::int64_t record) const {
    TStringList list;
    view.GetFields(list, record);
    return list.Lines();
  }
  std::vector<std::string> Lookup(const char* address) const { return Fields(view.FindRecord(address)); }
};

using V = std::vector<std::string>;

TEST(AddressToNumber, WeightsAndForms) {
  EXPECT_EQ(AddressToNumber("1.2.3.4"), 0x01020304);
  EXPECT_EQ(AddressToNumber("255.255.255.255"), 0xFFFFFFFFll);
  EXPECT_EQ(AddressToNumber("1.2.3.4.5"), AddressToNumber("1.2.3.4"));
  EXPECT_EQ(AddressToNumber("1.2.3.256"), AddressToNumber("1.2.4.0"));
  EXPECT_EQ(AddressToNumber("-1.0.0.0"), -(1ll << 24));
  for (const char* bad : {"1.2.3", "", "1.2.3.x", "1..3.4", "a.b.c.d", "localhost"}) {
    EXPECT_EQ(MessageOf([&] { AddressToNumber(bad); }), kMsgBadAddress) << bad;
  }
}

TEST(QQWryView, EveryLocationForm) {
  TQQWryWriter w;
  const std::uint32_t china = w.PutString(G("中国"));
  const std::uint32_t beijing = w.PutString(G("北京市"));
  const std::uint32_t shared = w.LocationCountryElsewhere(china, TAreaForm::Inline(G("电信")));
  const std::uint32_t r1 = w.RecordInline(A("1.0.0.255"), G("澳大利亚"), TAreaForm::Inline(G("悉尼")));
  const std::uint32_t r2 = w.RecordCountryElsewhere(A("1.0.1.255"), china, TAreaForm::Inline(G("福建省")));
  const std::uint32_t r3 = w.RecordLocationElsewhere(A("1.0.2.255"), shared);        // mode 1 -> mode 2
  const std::uint32_t r4 = w.RecordLocationElsewhere(A("1.0.3.255"), r1 + 4);        // mode 1 -> inline
  const std::uint32_t r5 = w.RecordInline(A("1.0.4.255"), G("日本"), TAreaForm::Redirect(beijing, 1));
  const std::uint32_t r6 = w.RecordCountryElsewhere(A("1.0.5.255"), china, TAreaForm::Redirect(beijing, 2));
  const std::uint32_t r7 = w.RecordInline(A("1.0.6.255"), G("韩国"), TAreaForm::Redirect(0));
  const std::uint32_t r8 = w.RecordInline(A("1.0.7.255"), G("美国"), TAreaForm::Inline(""));
  const std::uint32_t redirected = w.LocationCountryElsewhere(china, TAreaForm::Redirect(0));
  const std::uint32_t r9 = w.RecordLocationElsewhere(A("1.0.8.255"), redirected);
  std::uint32_t starts = A("1.0.0.0");
  for (const std::uint32_t r : {r1, r2, r3, r4, r5, r6, r7, r8, r9}) {
    w.AddIndexEntry(starts, r);
    starts += 256;
  }
  const Db db(w.Finish());
  ASSERT_EQ(db.view.RecordCount(), 9);
  EXPECT_EQ(db.Fields(1), (V{"1.0.0.0", "1.0.0.255", G("澳大利亚"), G("悉尼")}));
  EXPECT_EQ(db.Fields(2), (V{"1.0.1.0", "1.0.1.255", G("中国"), G("福建省")}));
  EXPECT_EQ(db.Fields(3), (V{"1.0.2.0", "1.0.2.255", G("中国"), G("电信")}));
  EXPECT_EQ(db.Fields(4), (V{"1.0.3.0", "1.0.3.255", G("澳大利亚"), G("悉尼")}));
  EXPECT_EQ(db.Fields(5), (V{"1.0.4.0", "1.0.4.255", G("日本"), G("北京市")}));
  EXPECT_EQ(db.Fields(6), (V{"1.0.5.0", "1.0.5.255", G("中国"), G("北京市")}));
  EXPECT_EQ(db.Fields(7), (V{"1.0.6.0", "1.0.6.255", G("韩国"), G("未知地区")}));
  EXPECT_EQ(db.Fields(8), (V{"1.0.7.0", "1.0.7.255", G("美国"), G("无")}));
  EXPECT_EQ(db.Fields(9), (V{"1.0.8.0", "1.0.8.255", G("中国"), G("未知地区")}));
}

TEST(QQWryView, RecordTextColumns) {
  const Db db(BuildDatabase({R("1.0.0.0", "1.0.0.255", "中国", "电信"), R("1.0.1.0", "1.0.1.255", "美国", "")}));
  EXPECT_EQ(db.view.GetRecordText(1), "1.0.0.0         1.0.0.255       " + G("中国") + " " + G("电信"));
  // An empty area leaves no trailing space.
  EXPECT_EQ(db.view.GetRecordText(2), "1.0.1.0         1.0.1.255       " + G("美国"));
}

TEST(QQWryView, SearchAtRangeEdges) {
  const Db db(BuildDatabase({R("1.0.0.0", "1.0.0.255", "A", "a"), R("1.0.1.0", "1.0.1.255", "B", "b"),
                             R("2.0.0.0", "2.0.0.255", "C", "c"), R("3.0.0.0", "3.0.0.255", "D", "d")}));
  EXPECT_EQ(db.view.FindRecord("1.0.0.0"), 1);
  EXPECT_EQ(db.view.FindRecord("1.0.0.255"), 1);
  EXPECT_EQ(db.view.FindRecord("1.0.1.0"), 2);
  EXPECT_EQ(db.view.FindRecord("1.0.2.0"), 2);  // in the gap after record 2: given to it
  EXPECT_EQ(db.view.FindRecord("2.0.0.7"), 3);
  EXPECT_EQ(db.view.FindRecord("3.0.0.0"), 4);
  EXPECT_EQ(db.view.FindRecord("255.255.255.255"), 4);
  EXPECT_EQ(db.view.FindRecord("1.0.0.5.99"), 1);
  // The result line of the window uses field 1, the range end.
  EXPECT_EQ(db.Lookup("1.0.0.5")[1], "1.0.0.255");
}

TEST(QQWryView, BelowTheFirstRangeFindsNoRecord) {
  for (int count : {1, 2, 3, 4, 7}) {
    std::vector<TDbRecord> records;
    for (int i = 0; i < count; ++i) {
      const std::uint32_t start = A("10.0.0.0") + static_cast<std::uint32_t>(i) * 256;
      records.push_back(TDbRecord{start, start + 255, "x", "y"});
    }
    const Db db(BuildDatabase(records));
    EXPECT_EQ(db.view.FindRecord("9.255.255.255"), 0) << count;
    EXPECT_EQ(MessageOf([&] { db.Lookup("1.2.3.4"); }), kMsgBadRecord) << count;
  }
}

TEST(QQWryView, SingleRecordAnswersEveryAddress) {
  const Db db(BuildDatabase({R("0.0.0.0", "255.255.255.255", "全球", "")}));
  for (const char* address : {"0.0.0.0", "8.8.8.8", "255.255.255.255"}) EXPECT_EQ(db.view.FindRecord(address), 1);
}

TEST(QQWryView, IndexThatDoesNotAscend) {
  TQQWryWriter w;
  const std::uint32_t r = w.RecordInline(A("9.0.0.0"), "x", TAreaForm::Inline("y"));
  for (const char* start : {"1.0.0.0", "5.0.0.0", "5.0.0.0", "5.0.0.0", "6.0.0.0"}) w.AddIndexEntry(A(start), r);
  const Db db(w.Finish());
  EXPECT_EQ(db.view.FindRecord("5.0.0.0"), 0);
}

TEST(QQWryView, FieldsSplitAtSpaces) {
  const Db db(BuildDatabase({R("1.0.0.0", "1.0.0.255", "Hong Kong", "HKT"), R("2.0.0.0", "2.0.0.255", "X", "a b c")}));
  EXPECT_EQ(db.Fields(1), (V{"1.0.0.0", "1.0.0.255", "Hong", "Kong HKT", "HKT"}));
  EXPECT_EQ(db.Fields(2), (V{"2.0.0.0", "2.0.0.255", "X", "a b c", "b", "c"}));
}

TEST(QQWryView, RecordNumbersOutOfRange) {
  const Db db(BuildDatabase({R("1.0.0.0", "1.0.0.255", "A", "a"), R("2.0.0.0", "2.0.0.255", "B", "b")}));
  for (const std::int64_t record : {0, 3, -1}) {
    EXPECT_EQ(MessageOf([&] { db.Fields(record); }), kMsgBadRecord) << record;
  }
}

TEST(QQWryView, LongTextsAreCutAt254Bytes) {
  const std::string longArea(400, 'a');
  const Db db(BuildDatabase({TDbRecord{A("1.0.0.0"), A("1.0.0.255"), G("中国"), longArea}}));
  EXPECT_EQ(db.view.GetRecordText(1).size(), kMaxRecordText);
  // After 35 single bytes the double-byte characters would be cut in half at 254.
  std::string area = "x";
  for (int i = 0; i < 120; ++i) area += G("中");
  const Db db2(BuildDatabase({TDbRecord{A("1.0.0.0"), A("1.0.0.255"), "c", area}}));
  const std::string text = db2.view.GetRecordText(1);
  EXPECT_EQ(text.size(), kMaxRecordText - 1);
  EXPECT_EQ(GbkToUtf8(text).find("\xEF\xBF\xBD"), std::string::npos);
}

TEST(QQWryView, DamagedFilesRaiseInsteadOfReadingOutside) {
  const std::vector<std::uint8_t> good = BuildDatabase({R("1.0.0.0", "1.0.0.255", "A", "a"),
                                                       R("2.0.0.0", "2.0.0.255", "B", "b")});
  auto damaged = [&](auto change) {
    std::vector<std::uint8_t> bytes = good;
    change(bytes);
    return bytes;
  };
  auto expectCorrupt = [&](const std::vector<std::uint8_t>& bytes, const char* what) {
    EXPECT_EQ(MessageOf([&] {
                TQQWryView view(bytes.data(), bytes.size());
                TStringList list;
                for (std::int64_t r = 1; r <= view.RecordCount(); ++r) view.GetFields(list, r);
                view.FindRecord("2.0.0.1");
              }),
              kMsgCorrupt)
        << what;
  };
  expectCorrupt({1, 2, 3}, "shorter than the header");
  expectCorrupt(damaged([](auto& b) { b.resize(b.size() - 3); }), "index runs past the end");
  expectCorrupt(damaged([](auto& b) { b[3] = 0x7F; }), "index beyond the file");
  expectCorrupt(damaged([](auto& b) { b[7] = 0x80; }), "negative last index");
  expectCorrupt(damaged([](auto& b) { b[b.size() - 1] = 0xFF; }), "record offset outside");
  // The record's location points past the end (mode 2 with a huge offset).
  expectCorrupt(damaged([](auto& b) {
                  b[12] = 2;
                  b[13] = b[14] = b[15] = 0xFF;
                }),
                "country offset outside");
  // A record at the very end whose country has no terminator.
  const std::vector<std::uint8_t> open = {8, 0, 0, 0, 8, 0, 0, 0,                 // header
                                          0, 0, 0, 0, 15, 0, 0,                   // index entry
                                          0xFF, 0xFF, 0xFF, 0xFF, 'x', 'y'};      // record
  expectCorrupt(open, "record straddles the end");
}

}  // namespace
