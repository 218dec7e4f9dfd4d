// Whole-program timing of "corvana lookup" on 200 000 random addresses read from standard
// input against the 500 000-record benchmark database, beside yesterday's loop
// (corvana-lookup-baseline); both outputs must be the same bytes.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "bench_database.h"
#include "best_run.h"
#include "support/temp_dir.h"

namespace {

constexpr size_t kLines = 200000;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

int main() {
  TempDir dir;
  const std::string db = dir.Write("QQWry.Dat", BuildDatabase(GenerateBenchRecords()));
  std::string input;
  for (const std::string& address : RandomAddresses(kLines, 11)) input += address + "\n";
  const std::string inputPath = dir.Write("addresses.txt", std::vector<std::uint8_t>(input.begin(), input.end()));
  const std::string folder = TempDir::Utf8(dir.Path());
  const std::string bin = CORVANA_BENCH_BIN;

  const double before = BestRun(bin + "/corvana-lookup-baseline --db " + db + " < " + inputPath + " > " + folder +
                                "/before.txt");
  const double now = BestRun(bin + "/corvana lookup --db " + db + " < " + inputPath + " > " + folder + "/now.txt");
  const bool same = ReadAll(folder + "/before.txt") == ReadAll(folder + "/now.txt");

  std::printf("corvana lookup, %zu addresses on standard input, %d records (best of %d runs)\n", kLines,
              kBenchRecords, kRuns);
  std::printf("  %-28s %8.3f s  %6.3f us/line\n", "baseline (yesterday's loop)", before, before * 1e6 / kLines);
  std::printf("  %-28s %8.3f s  %6.3f us/line\n", "corvana lookup", now, now * 1e6 / kLines);
  std::printf("  output identical: %s\n", same ? "yes" : "NO");
  return same ? 0 : 1;
}
