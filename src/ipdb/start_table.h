// A first-level table over the index: for every value of an address's top 16 bits, how
// many records start below that block. A lookup then bisects only the few records that
// start inside one block of 65 536 addresses instead of the whole index.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class TStartTable {
public:
  // Reads the start addresses of `count` 7-byte entries at `index` (the caller has checked
  // that they lie inside the file). False, and an empty table, when the starts do not
  // ascend strictly: only the plain bisection then gives the reader's answers.
  bool Build(const std::uint8_t* index, std::int64_t count);

  bool Empty() const { return FBelow.empty(); }
  size_t Bytes() const { return FBelow.size() * sizeof(std::uint32_t); }

  // The record holding address n, for n at or above the first start: the last record
  // whose start is at most n. `index` and `count` as given to Build.
  std::int64_t Find(std::int64_t n, const std::uint8_t* index, std::int64_t count) const;
  // Starts loading the table entry of n's block.
  void PrefetchBlock(std::int64_t n) const;
  // Starts loading the index entries Find will read for n.
  void Prefetch(std::int64_t n, const std::uint8_t* index) const;

private:
  std::vector<std::uint32_t> FBelow;  // FBelow[b]: records starting below b << 16
};
