// The first-level table against the plain bisection, and the shortcut of GetFields
// against the record text it stands for.
#include <gtest/gtest.h>

#include <random>

#include "db_fixture.h"
#include "ipdb/qqwry_view.h"

namespace {

// Ranges of random sizes with random gaps; some tiny, some spanning many blocks.
std::vector<TDbRecord> RandomRanges(unsigned seed, int count, std::uint32_t first) {
  std::mt19937 random(seed);
  std::vector<TDbRecord> records;
  std::uint64_t start = first;
  for (int i = 0; i < count && start <= 0xFFFFFFFFull; ++i) {
    const std::uint64_t size = random() % 4 == 0 ? 1 + random() % 16 : 1 + random() % (1u << (random() % 26));
    const std::uint64_t end = std::min<std::uint64_t>(start + size - 1, 0xFFFFFFFFull);
    records.push_back(TDbRecord{static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end),
                                "c" + std::to_string(random() % 5), "a"});
    start = end + 1 + (random() % 3 == 0 ? random() % 100000 : 0);
  }
  return records;
}

// Both ways of searching one database: the plain bisection, and a view with its table.
struct Searches {
  std::vector<std::uint8_t> bytes;
  TQQWryView plain, fast;
  explicit Searches(std::vector<std::uint8_t> b)
      : bytes(std::move(b)), plain(bytes.data(), bytes.size()), fast(bytes.data(), bytes.size()) {}

  std::int64_t Bisect(std::int64_t n) const {
    // The reader's own rule below the first range, then the plain search over all records.
    if (n < static_cast<std::int64_t>(plain.ReadRecord(1).StartAddress)) return 0;
    return plain.SearchIndex(n, plain.RecordCount(), 1);
  }
  // Compares the two at n; returns false (after reporting) on a difference.
  bool Same(std::int64_t n) const {
    const std::int64_t expected = Bisect(n);
    const std::int64_t actual = fast.FindAddress(n);
    EXPECT_EQ(actual, expected) << "address " << n;
    return actual == expected;
  }
};

void CheckEveryRangeEdge(const std::vector<TDbRecord>& records) {
  Searches s(BuildDatabase(records));
  ASSERT_TRUE(s.fast.BuildStartTable());
  EXPECT_GT(s.fast.StartTableBytes(), 0u);
  EXPECT_LE(s.fast.StartTableBytes(), 1u << 20);
  for (const TDbRecord& r : records) {
    for (const std::int64_t n : {std::int64_t{r.Start} - 1, std::int64_t{r.Start}, std::int64_t{r.Start} + 1,
                                 std::int64_t{r.End} - 1, std::int64_t{r.End}, std::int64_t{r.End} + 1}) {
      if (!s.Same(n)) return;
    }
  }
  for (const std::int64_t n : {std::int64_t{-1} << 24, std::int64_t{0}, std::int64_t{0xFFFFFFFF},
                               std::int64_t{0x100000000}, std::int64_t{255} << 32}) {
    if (!s.Same(n)) return;
  }
  EXPECT_EQ(s.fast.FindAddress(records.front().Start), 1);
  EXPECT_EQ(s.fast.FindAddress(records.back().End), static_cast<std::int64_t>(records.size()));
}

TEST(StartTable, AgreesWithBisectionOnEveryRangeStartAndEnd) {
  CheckEveryRangeEdge(RandomRanges(1, 20000, 0));
  CheckEveryRangeEdge(RandomRanges(2, 20000, 0x0A000000));  // first range well above 0
  CheckEveryRangeEdge(RandomRanges(3, 300, 0xFFFF0000));    // all in the last blocks, up to the top
  // Dense: every address of two blocks is its own range, so one block holds 65 536 records.
  std::vector<TDbRecord> dense;
  for (std::uint32_t a = 0x01000000; a < 0x01020000; ++a) dense.push_back(TDbRecord{a, a, "c", "a"});
  CheckEveryRangeEdge(dense);
}

TEST(StartTable, OneRecordDatabase) {
  CheckEveryRangeEdge({R("0.0.0.0", "255.255.255.255", "x", "")});
  CheckEveryRangeEdge({R("8.8.8.0", "8.8.8.255", "x", "y")});
}

TEST(StartTable, IndexThatDoesNotAscendKeepsThePlainSearch) {
  TQQWryWriter w;
  const std::uint32_t record = w.RecordInline(0x10, "c", TAreaForm::Inline("a"));
  for (const std::uint32_t start : {0x100u, 0x300u, 0x200u, 0x200u, 0x400u, 0x01000000u})
    w.AddIndexEntry(start, record);
  Searches s(w.Finish());
  EXPECT_FALSE(s.fast.BuildStartTable());
  EXPECT_EQ(s.fast.StartTableBytes(), 0u);
  for (std::int64_t n = 0; n < 0x500; n += 0x80) s.Same(n);
  s.Same(0x01000000);
  EXPECT_EQ(s.fast.FindAddress(0x200), 0);  // the plain search's answer where starts repeat
}

TEST(StartTable, BuiltOnlyAfterSeveralLookups) {
  const std::vector<TDbRecord> records = RandomRanges(4, 1000, 0);
  Searches s(BuildDatabase(records));
  s.Same(records[10].Start);
  EXPECT_EQ(s.fast.StartTableBytes(), 0u);  // a reader opened for one lookup never builds it
  for (const TDbRecord& r : records) s.Same(r.End);
  EXPECT_GT(s.fast.StartTableBytes(), 0u);
}

// What GetFields must answer: the record text split as comma text, padded to four
// entries with "无", further entries joined onto the fourth.
std::vector<std::string> FieldsByDefinition(const TQQWryView& view, std::int64_t record) {
  TStringList list;
  list.SetCommaText(view.GetRecordText(record));
  while (list.Count() < 4) list.Add(G("无"));
  for (int k = 4; k < list.Count(); ++k) list[3] = list[3] + " " + list[k];
  return list.Lines();
}

TEST(GetFields, ShortcutAnswersAsTheRecordTextSplit) {
  const std::string longText(230, 'x');
  const std::vector<std::pair<std::string, std::string>> texts = {
      {G("中国"), G("电信")}, {G("中国"), ""},
      {"", G("电信")},        {G("美国 加州"), G("谷歌")},
      {"a,b", "c"},           {"\"q\"", "x"},
      {"a", "b\"c"},          {longText, "tail"},
      {"x", longText},        {G("中国"), G("联通") + " " + G("机房")},
      {"\x81", "\x81"}};
  std::vector<TDbRecord> records;
  std::uint32_t start = 0x01000000;
  for (const auto& [country, area] : texts) {
    records.push_back(TDbRecord{start, start + 9, country, area});
    start += 16;
  }
  const std::vector<std::uint8_t> bytes = BuildDatabase(records);
  const TQQWryView view(bytes.data(), bytes.size());
  for (std::int64_t r = 1; r <= view.RecordCount(); ++r) {
    TStringList list;
    list.Add("left over");
    view.GetFields(list, r);
    EXPECT_EQ(list.Lines(), FieldsByDefinition(view, r)) << "record " << r;
  }
}

}  // namespace
