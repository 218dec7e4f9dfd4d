// Address ranges as CIDR blocks: the fewest aligned power-of-two blocks that cover a range.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TCidrBlock {
  std::uint32_t Address = 0;  // the first address, aligned to the block's size
  int PrefixLength = 32;      // 0 for the whole address space
};

// Appends the blocks of start..end (both included) in ascending order; nothing when end
// lies below start. A range needs at most 62 blocks.
void AppendCidrBlocks(std::uint32_t start, std::uint32_t end, std::vector<TCidrBlock>& blocks);

// "a.b.c.d/n".
void AppendCidrText(const TCidrBlock& block, std::string& text);
