// Lookup cost on a generated database of 500 000 records: with one open reader, and as the
// window does it (open, map, look up, decode, close for every line).
#include <benchmark/benchmark.h>

#include <random>

#include "base/codec.h"
#include "ipdb/qqwry.h"
#include "qqwry_writer.h"
#include "support/temp_dir.h"

namespace {

constexpr int kRecords = 500000;

// Ranges of random sizes over the whole address space, with a few thousand distinct
// locations so the builder shares them as real databases do.
std::vector<TDbRecord> GenerateRecords() {
  std::mt19937 random(42);
  std::vector<std::string> countries, areas;
  for (int i = 0; i < 300; ++i) countries.push_back(Utf8ToGbk("国家" + std::to_string(i)));
  for (int i = 0; i < 3000; ++i) areas.push_back(Utf8ToGbk("地区" + std::to_string(i) + "电信"));
  std::vector<TDbRecord> records;
  records.reserve(kRecords);
  const std::uint64_t span = (1ull << 32) - 256;
  std::uint64_t start = 0;
  for (int i = 0; i < kRecords - 1; ++i) {
    const std::uint64_t left = span - start;
    const std::uint64_t mean = left / static_cast<std::uint64_t>(kRecords - 1 - i);
    const std::uint64_t size = 1 + random() % (2 * mean - 1 > 0 ? 2 * mean - 1 : 1);
    const std::uint64_t end = std::min(start + size - 1, span - 1 - static_cast<std::uint64_t>(kRecords - 2 - i));
    records.push_back(TDbRecord{static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end),
                                countries[random() % countries.size()], areas[random() % areas.size()]});
    start = end + 1;
  }
  records.push_back(TDbRecord{0xFFFFFF00u, 0xFFFFFFFFu, Utf8ToGbk("基准数据"), Utf8ToGbk("2026年1月1日IP数据")});
  return records;
}

struct Fixture {
  TempDir dir;
  std::string path;
  std::vector<std::string> addresses;
  Fixture() {
    path = dir.Write("QQWry.Dat", BuildDatabase(GenerateRecords()));
    std::mt19937 random(7);
    for (int i = 0; i < 4096; ++i) {
      const std::uint32_t a = static_cast<std::uint32_t>(random());
      addresses.push_back(std::to_string(a >> 24) + "." + std::to_string((a >> 16) & 255) + "." +
                          std::to_string((a >> 8) & 255) + "." + std::to_string(a & 255));
    }
  }
};

Fixture& Data() {
  static Fixture fixture;
  return fixture;
}

void BM_FindRecordOpenReader(benchmark::State& state) {
  TQQWry reader(Data().path);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(reader.FindRecord(Data().addresses[i++ & 4095]));
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["records"] = static_cast<double>(reader.RecordCount());
}
BENCHMARK(BM_FindRecordOpenReader);

void BM_LookupAndFieldsOpenReader(benchmark::State& state) {
  TQQWry reader(Data().path);
  size_t i = 0;
  TStringList fields;
  for (auto _ : state) {
    reader.GetFields(fields, reader.FindRecord(Data().addresses[i++ & 4095]));
    benchmark::DoNotOptimize(fields[3].data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupAndFieldsOpenReader);

void BM_WindowLine(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) {
    TQQWry reader(Data().path);
    TStringList fields;
    reader.GetFields(fields, reader.FindRecord(Data().addresses[i++ & 4095]));
    benchmark::DoNotOptimize(fields[1].data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WindowLine);

}  // namespace

BENCHMARK_MAIN();
