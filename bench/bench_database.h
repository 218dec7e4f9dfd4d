// The benchmark database: 500 000 records over the whole address space, and random
// addresses to look up in it.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "base/codec.h"
#include "qqwry_writer.h"

inline constexpr int kBenchRecords = 500000;

// Ranges of random sizes over the whole address space, with a few thousand distinct
// locations so the builder shares them as real databases do.
inline std::vector<TDbRecord> GenerateBenchRecords() {
  std::mt19937 random(42);
  std::vector<std::string> countries, areas;
  for (int i = 0; i < 300; ++i) countries.push_back(Utf8ToGbk("国家" + std::to_string(i)));
  for (int i = 0; i < 3000; ++i) areas.push_back(Utf8ToGbk("地区" + std::to_string(i) + "电信"));
  std::vector<TDbRecord> records;
  records.reserve(kBenchRecords);
  const std::uint64_t span = (1ull << 32) - 256;
  std::uint64_t start = 0;
  for (int i = 0; i < kBenchRecords - 1; ++i) {
    const std::uint64_t left = span - start;
    const std::uint64_t mean = left / static_cast<std::uint64_t>(kBenchRecords - 1 - i);
    const std::uint64_t size = 1 + random() % (2 * mean - 1 > 0 ? 2 * mean - 1 : 1);
    const std::uint64_t end =
        std::min(start + size - 1, span - 1 - static_cast<std::uint64_t>(kBenchRecords - 2 - i));
    records.push_back(TDbRecord{static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end),
                                countries[random() % countries.size()], areas[random() % areas.size()]});
    start = end + 1;
  }
  records.push_back(TDbRecord{0xFFFFFF00u, 0xFFFFFFFFu, Utf8ToGbk("基准数据"), Utf8ToGbk("2026年1月1日IP数据")});
  return records;
}

inline std::vector<std::string> RandomAddresses(size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::string> addresses;
  addresses.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const std::uint32_t a = static_cast<std::uint32_t>(random());
    addresses.push_back(std::to_string(a >> 24) + "." + std::to_string((a >> 16) & 255) + "." +
                        std::to_string((a >> 8) & 255) + "." + std::to_string(a & 255));
  }
  return addresses;
}
