// Splitting address ranges into CIDR blocks.
#include "ipdb/cidr.h"

#include <algorithm>
#include <bit>

#include "ipdb/qqwry_view.h"

void AppendCidrBlocks(std::uint32_t start, std::uint32_t end, std::vector<TCidrBlock>& blocks) {
  // 64-bit arithmetic, so the step past 255.255.255.255 and the size of 0.0.0.0/0 fit.
  std::uint64_t next = start;
  const std::uint64_t last = end;
  while (next <= last) {
    // The largest block that starts at `next` (its alignment) and ends within the range.
    const std::uint64_t aligned = next == 0 ? std::uint64_t{1} << 32 : next & (~next + 1);
    const std::uint64_t size = std::min(aligned, std::bit_floor(last - next + 1));
    blocks.push_back(TCidrBlock{static_cast<std::uint32_t>(next), 32 - std::countr_zero(size)});
    next += size;
  }
}

void AppendCidrText(const TCidrBlock& block, std::string& text) {
  AppendDottedAddress(block.Address, text);
  text += '/';
  text += std::to_string(block.PrefixLength);
}
