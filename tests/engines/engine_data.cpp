// Test data for the query-engine tests: a CSV of random ranges for the database builder
// and random addresses to look up, some anywhere and some on the ranges' edges.
//   corvana-engine-data RECORDS.csv ADDRESSES.txt NUMBERED.csv RECORDS ADDRESSES SEED
// NUMBERED.csv holds the same addresses with their line numbers (n,address), so the
// engines can give their answers in input order.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/csv.h"
#include "ipdb/qqwry_view.h"

namespace {

// The version record's range; addresses stay below it, since the engine exports leave it out.
constexpr std::uint64_t kVersionStart = 0xFFFFFF00u;

struct Range {
  std::uint32_t start, end;
};

// Ranges from 0.0.0.0 (so every address has a record to look up) up to the version record,
// of random sizes and alignments, most touching the next and some leaving a gap.
std::vector<Range> RandomRanges(size_t count, std::mt19937_64& random) {
  std::vector<std::uint32_t> starts{0};
  while (starts.size() < count) {
    std::uint32_t start = static_cast<std::uint32_t>(random() % kVersionStart);
    if (random() % 8 == 0) start &= ~0xFFu;  // some on block boundaries
    starts.push_back(start);
    if (starts.size() == count) {
      std::sort(starts.begin(), starts.end());
      starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    }
  }
  std::vector<Range> ranges;
  for (size_t i = 0; i < starts.size(); ++i) {
    const std::uint64_t next = i + 1 < starts.size() ? starts[i + 1] : kVersionStart;
    std::uint64_t end = next - 1;
    if (random() % 4 == 0) end = starts[i] + random() % (next - starts[i]);
    ranges.push_back(Range{starts[i], static_cast<std::uint32_t>(end)});
  }
  return ranges;
}

// Texts that need CSV quoting (commas, quotes) in Chinese and ASCII. No quote begins a word
// and no country is empty, so the lookup's split of a record text at commas and blanks (and
// its "无" for an empty area) are the only differences between its fields and the raw texts.
std::string Country(std::mt19937_64& random) {
  static const char* const kCountries[] = {"中国",      "美国", "示例网络",   "测试,国家", "Kingdom of Te\"st\"",
                                           "Land,West", "日本", "北\"京\"市", "Atlantis",  "Republic De\"mo\",North"};
  return kCountries[random() % std::size(kCountries)];
}

std::string Area(size_t i, std::mt19937_64& random) {
  const std::string n = std::to_string(i);
  switch (random() % 6) {
    case 0:
      return "地区" + n + "电信";
    case 1:
      return "海淀,中关村" + n;
    case 2:
      return "Area " + n + ", block\"B\"";
    case 3:
      return "西城\"" + n + "\"号";
    case 4:
      // "未知地区" is written as the format's redirection to offset 0; an empty area is
      // what the lookup shows as "无".
      return random() % 4 == 0 ? "未知地区" : random() % 3 == 0 ? "" : "联通" + n;
    default:
      return "Office" + n + ",q\"uoted\"";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) {
    std::cerr << "usage: corvana-engine-data RECORDS.csv ADDRESSES.txt NUMBERED.csv RECORDS ADDRESSES SEED\n";
    return 2;
  }
  const size_t recordCount = std::stoul(argv[4]);
  const size_t addressCount = std::stoul(argv[5]);
  std::mt19937_64 random(std::stoull(argv[6]));
  if (recordCount < 2) {
    std::cerr << "corvana-engine-data: at least two records (one range and the version record)\n";
    return 2;
  }

  const std::vector<Range> ranges = RandomRanges(recordCount - 1, random);
  std::ofstream records(argv[1], std::ios::binary);
  for (size_t i = 0; i < ranges.size(); ++i) {
    records << CsvLine({DottedAddress(ranges[i].start), DottedAddress(ranges[i].end), Country(random), Area(i, random)})
            << "\n";
  }
  records << "255.255.255.0,255.255.255.255,示例网络,2026年1月2日IP数据\n";

  std::ofstream addresses(argv[2], std::ios::binary);
  std::ofstream numbered(argv[3], std::ios::binary);
  for (size_t i = 0; i < addressCount; ++i) {
    std::uint64_t a = random() % kVersionStart;
    if (i % 3 == 0) {
      // A range's first or last address, or the one just after it (in a gap or the next range).
      const Range& r = ranges[random() % ranges.size()];
      const std::uint64_t edges[] = {r.start, r.end, std::min<std::uint64_t>(r.end + 1ull, kVersionStart - 1)};
      a = edges[random() % 3];
    }
    const std::string dotted = DottedAddress(static_cast<std::uint32_t>(a));
    addresses << dotted << "\n";
    numbered << i + 1 << "," << dotted << "\n";
  }
  records.close();
  addresses.close();
  numbered.close();
  if (!records || !addresses || !numbered) {
    std::cerr << "corvana-engine-data: cannot write the files\n";
    return 1;
  }
  return 0;
}
