// The cidr export of the 500 000-record benchmark database: the split of every range into
// blocks in process, and "corvana dump --format cidr" end to end (best of three runs) beside
// the plain CSV dump, with block count and output size. Fails when the tool's blocks are
// not the ones the split gives.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "bench_database.h"
#include "best_run.h"
#include "ipdb/cidr.h"
#include "support/temp_dir.h"

namespace {

size_t CountLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  size_t lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  return lines;
}

}  // namespace

int main() {
  TempDir dir;
  const std::vector<TDbRecord> records = GenerateBenchRecords();
  const std::string db = dir.Write("QQWry.Dat", BuildDatabase(records));
  const std::string folder = TempDir::Utf8(dir.Path());
  const std::string bin = CORVANA_BENCH_BIN;

  // The version record (the last) is not exported.
  const size_t ranges = records.size() - 1;
  std::vector<TCidrBlock> blocks;
  size_t blockCount = 0;
  double split = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    blockCount = 0;
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < ranges; ++i) {
      blocks.clear();
      AppendCidrBlocks(records[i].Start, records[i].End, blocks);
      blockCount += blocks.size();
    }
    split = std::min(split, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }

  const std::string cidrPath = folder + "/blocks.csv";
  const std::string csvPath = folder + "/records.csv";
  const double cidr = BestRun(bin + "/corvana dump --db " + db + " --format cidr > " + cidrPath);
  const double csv = BestRun(bin + "/corvana dump --db " + db + " > " + csvPath);
  const size_t lines = CountLines(cidrPath);

  std::printf("cidr export, %zu ranges (%d records with the version record), best of %d runs\n", ranges, kBenchRecords,
              kRuns);
  std::printf("  %-34s %9zu blocks  %.2f per range\n", "blocks", blockCount, double(blockCount) / double(ranges));
  std::printf("  %-34s %8.3f s  %6.1f ns/range\n", "split in process", split, split * 1e9 / double(ranges));
  std::printf("  %-34s %8.3f s  %6.1f MiB  %6.1f ns/block\n", "corvana dump --format cidr", cidr,
              double(std::filesystem::file_size(cidrPath)) / (1 << 20), cidr * 1e9 / double(lines));
  std::printf("  %-34s %8.3f s  %6.1f MiB\n", "corvana dump (csv, for comparison)", csv,
              double(std::filesystem::file_size(csvPath)) / (1 << 20));
  std::printf("  blocks written match the split: %s\n", lines == blockCount ? "yes" : "NO");
  return lines == blockCount ? 0 : 1;
}
