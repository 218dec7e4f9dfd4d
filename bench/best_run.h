// The best wall time of a few runs of a shell command: what the command-line benches compare.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

inline constexpr int kRuns = 3;

// In seconds; a failing command ends the bench.
inline double BestRun(const std::string& command) {
  double best = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
      std::cerr << "failed: " << command << "\n";
      std::exit(1);
    }
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}
