// A database of many records and random addresses in it, with the result line each address
// must get, worked out from the records themselves (not by the reader under test).
#pragma once

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "base/codec.h"
#include "qqwry_writer.h"

inline std::wstring DottedWide(std::uint32_t a) {
  return std::to_wstring(a >> 24) + L"." + std::to_wstring((a >> 16) & 255) + L"." + std::to_wstring((a >> 8) & 255) +
         L"." + std::to_wstring(a & 255);
}

struct TBatchData {
  std::vector<TDbRecord> records;
  std::vector<std::uint8_t> database;

  // Ranges of random sizes that cover the whole address space, the version record last.
  explicit TBatchData(int recordCount, unsigned seed = 1) {
    std::mt19937 random(seed);
    const std::uint64_t span = 0xFFFFFF00ull;
    const std::uint64_t mean = span / static_cast<std::uint64_t>(recordCount - 1);
    std::uint64_t start = 0;
    for (int i = 0; i < recordCount - 1; ++i) {
      std::uint64_t end = i == recordCount - 2 ? span - 1 : start + 1 + random() % (2 * mean - 2);
      end = std::min(end, span - 1 - static_cast<std::uint64_t>(recordCount - 2 - i));
      records.push_back(TDbRecord{static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end),
                                  Utf8ToGbk("国家" + std::to_string(random() % 300)),
                                  Utf8ToGbk("地区" + std::to_string(random() % 3000) + "电信")});
      start = end + 1;
    }
    records.push_back(TDbRecord{0xFFFFFF00u, 0xFFFFFFFFu, Utf8ToGbk("示例网络"), Utf8ToGbk("2026年12月1日IP数据")});
    database = BuildDatabase(records);
  }

  // Addresses whose first part is 1 to 223, so every resolver takes them as they stand.
  std::vector<std::uint32_t> Addresses(size_t count, unsigned seed = 2) const {
    std::mt19937 random(seed);
    std::vector<std::uint32_t> addresses;
    while (addresses.size() < count) {
      const std::uint32_t a = static_cast<std::uint32_t>(random());
      if ((a >> 24) >= 1 && (a >> 24) <= 223) addresses.push_back(a);
    }
    return addresses;
  }

  std::wstring ExpectedLine(std::uint32_t address) const {
    const auto after = std::upper_bound(records.begin(), records.end(), address,
                                        [](std::uint32_t a, const TDbRecord& r) { return a < r.Start; });
    const TDbRecord& r = *(after - 1);
    return L"IP:" + DottedWide(r.End) + L" 国家:" + GbkToWide(r.Country) + L" 地区:" + GbkToWide(r.Area);
  }

  static std::wstring InputText(const std::vector<std::uint32_t>& addresses) {
    std::wstring text;
    for (std::uint32_t a : addresses) text += DottedWide(a) + L"\r\n";
    return text;
  }
};
