// The first-level table over the index's start addresses.
#include "ipdb/start_table.h"

namespace {

constexpr std::int64_t kEntrySize = 7;
constexpr int kBlockBits = 16;
constexpr size_t kBlocks = size_t{1} << (32 - kBlockBits);
constexpr std::int64_t kLastAddress = 0xFFFFFFFF;

std::uint32_t StartAt(const std::uint8_t* index, std::int64_t i) {
  const std::uint8_t* p = index + i * kEntrySize;
  return p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

bool TStartTable::Build(const std::uint8_t* index, std::int64_t count) {
  FBelow.assign(kBlocks + 1, 0);
  std::uint32_t previous = 0;
  for (std::int64_t i = 0; i < count; ++i) {
    const std::uint32_t start = StartAt(index, i);
    if (i > 0 && start <= previous) {
      FBelow.clear();
      FBelow.shrink_to_fit();
      return false;
    }
    previous = start;
    ++FBelow[(start >> kBlockBits) + 1];
  }
  for (size_t b = 1; b <= kBlocks; ++b) FBelow[b] += FBelow[b - 1];
  return true;
}

std::int64_t TStartTable::Find(std::int64_t n, const std::uint8_t* index, std::int64_t count) const {
  if (n > kLastAddress) return count;
  const size_t block = static_cast<size_t>(n >> kBlockBits);
  // Records below FBelow[block] start before n's block, those from FBelow[block + 1] on
  // after it; the answer is how many records start at or below n.
  std::int64_t lo = FBelow[block];
  std::int64_t len = FBelow[block + 1] - lo;
  while (len > 0) {
    const std::int64_t half = len / 2;
    if (StartAt(index, lo + half) <= n) {
      lo += half + 1;
      len -= half + 1;
    } else {
      len = half;
    }
  }
  return lo;
}

void TStartTable::Prefetch(std::int64_t n, const std::uint8_t* index) const {
  if (FBelow.empty() || n < 0 || n > kLastAddress) return;
  const size_t block = static_cast<size_t>(n >> kBlockBits);
  const std::int64_t lo = FBelow[block];
  const std::int64_t len = FBelow[block + 1] - lo;
  if (len == 0) return;
  // The first probe and the block's first entry; the later probes are mostly nearby.
  __builtin_prefetch(index + (lo + len / 2) * kEntrySize);
  __builtin_prefetch(index + lo * kEntrySize);
}

void TStartTable::PrefetchBlock(std::int64_t n) const {
  if (FBelow.empty() || n < 0 || n > kLastAddress) return;
  __builtin_prefetch(FBelow.data() + (n >> kBlockBits));
}
