// Lookup cost on a generated database of 500 000 records, each figure beside yesterday's
// path (bench/baseline): with one open reader, and as the window does it (open, map, look
// up, decode, close for every line); the GBK conversion of one record's texts; the cost
// and size of the reader's first-level index table.
#include <benchmark/benchmark.h>

#include "base/codec.h"
#include "baseline/baseline.h"
#include "bench_database.h"
#include "ipdb/qqwry.h"
#include "support/temp_dir.h"

namespace {

struct Fixture {
  TempDir dir;
  std::string path = dir.Write("QQWry.Dat", BuildDatabase(GenerateBenchRecords()));
  std::vector<std::string> addresses = RandomAddresses(4096, 7);
};

Fixture& Data() {
  static Fixture fixture;
  return fixture;
}

const std::string& Address(size_t i) { return Data().addresses[i & 4095]; }

void BM_FindRecord_Baseline(benchmark::State& state) {
  const TBaselineReader reader(Data().path);
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(reader.FindRecord(Address(i++)));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindRecord_Baseline);

void BM_FindRecord(benchmark::State& state) {
  TQQWry reader(Data().path);
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(reader.FindRecord(Address(i++)));
  state.SetItemsProcessed(state.iterations());
  state.counters["records"] = static_cast<double>(reader.RecordCount());
}
BENCHMARK(BM_FindRecord);

void BM_FindRecordAndFields_Baseline(benchmark::State& state) {
  const TBaselineReader reader(Data().path);
  size_t i = 0;
  TStringList fields;
  for (auto _ : state) {
    reader.GetFields(fields, reader.FindRecord(Address(i++)));
    benchmark::DoNotOptimize(fields[3].data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindRecordAndFields_Baseline);

void BM_FindRecordAndFields(benchmark::State& state) {
  TQQWry reader(Data().path);
  size_t i = 0;
  TStringList fields;
  for (auto _ : state) {
    reader.GetFields(fields, reader.FindRecord(Address(i++)));
    benchmark::DoNotOptimize(fields[3].data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindRecordAndFields);

void BM_WindowLine_Baseline(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) {
    const TBaselineReader reader(Data().path);
    TStringList fields;
    reader.GetFields(fields, reader.FindRecord(Address(i++)));
    benchmark::DoNotOptimize(fields[1].data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WindowLine_Baseline);

void BM_WindowLine(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) {
    TQQWry reader(Data().path);
    TStringList fields;
    reader.GetFields(fields, reader.FindRecord(Address(i++)));
    benchmark::DoNotOptimize(fields[1].data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WindowLine);

// The three texts of a result line (end address, country, area) to UTF-8.
template <std::string (*Convert)(std::string_view)>
void ConvertFields(benchmark::State& state) {
  TQQWry reader(Data().path);
  std::vector<TStringList> records(256);
  for (size_t r = 0; r < records.size(); ++r) reader.GetFields(records[r], reader.FindRecord(Address(r)));
  size_t i = 0;
  for (auto _ : state) {
    const TStringList& fields = records[i++ & 255];
    for (int k = 1; k <= 3; ++k) benchmark::DoNotOptimize(Convert(fields[k]).data());
  }
  state.SetItemsProcessed(state.iterations());
}
void BM_GbkToUtf8ThreeFields_Baseline(benchmark::State& state) { ConvertFields<BaselineGbkToUtf8>(state); }
BENCHMARK(BM_GbkToUtf8ThreeFields_Baseline);
void BM_GbkToUtf8ThreeFields(benchmark::State& state) { ConvertFields<GbkToUtf8>(state); }
BENCHMARK(BM_GbkToUtf8ThreeFields);

void BM_StartTableBuild(benchmark::State& state) {
  TMappedFile file;
  file.Open(Data().path);
  size_t bytes = 0;
  for (auto _ : state) {
    const TQQWryView view(file.Data(), file.Size());
    benchmark::DoNotOptimize(view.BuildStartTable());
    bytes = view.StartTableBytes();
  }
  state.counters["table_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_StartTableBuild)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  Data();  // the database is built before the first timing
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
