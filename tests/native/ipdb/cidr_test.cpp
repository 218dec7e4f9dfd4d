// CIDR blocks of address ranges: aligned, contiguous, exactly the range, and the fewest.
#include "ipdb/cidr.h"

#include <gtest/gtest.h>

#include <random>

#include "db_fixture.h"
#include "ipdb/qqwry_view.h"

namespace {

std::uint64_t SizeOf(const TCidrBlock& block) {
  return std::uint64_t{1} << (32 - block.PrefixLength);
}

// Checks the blocks of start..end against the range itself, not against the algorithm:
// each block is a valid aligned block, they follow each other without gap or overlap from
// start to end, and no two neighbours are the halves of one larger block (which is what
// makes a split into aligned blocks the shortest one).
void ExpectExactCover(std::uint32_t start, std::uint32_t end) {
  std::vector<TCidrBlock> blocks;
  AppendCidrBlocks(start, end, blocks);
  SCOPED_TRACE(DottedAddress(start) + " - " + DottedAddress(end));
  ASSERT_FALSE(blocks.empty());
  std::uint64_t next = start;
  for (size_t i = 0; i < blocks.size(); ++i) {
    const TCidrBlock& b = blocks[i];
    ASSERT_GE(b.PrefixLength, 0);
    ASSERT_LE(b.PrefixLength, 32);
    EXPECT_EQ(b.Address % SizeOf(b), 0u) << "block " << i << " not aligned";
    EXPECT_EQ(b.Address, next) << "block " << i << " leaves a gap or overlaps";
    next = std::uint64_t{b.Address} + SizeOf(b);
    if (i > 0) {
      const TCidrBlock& a = blocks[i - 1];
      const bool halvesOfOne = a.PrefixLength == b.PrefixLength && a.Address % (2 * SizeOf(a)) == 0;
      EXPECT_FALSE(halvesOfOne) << "blocks " << i - 1 << " and " << i << " could be one";
    }
  }
  EXPECT_EQ(next, std::uint64_t{end} + 1) << "the blocks do not end where the range ends";
  EXPECT_LE(blocks.size(), 62u);
}

std::string Texts(std::uint32_t start, std::uint32_t end) {
  std::vector<TCidrBlock> blocks;
  AppendCidrBlocks(start, end, blocks);
  std::string text;
  for (const TCidrBlock& block : blocks) {
    if (!text.empty()) text += ' ';
    AppendCidrText(block, text);
  }
  return text;
}

TEST(Cidr, KnownSplits) {
  const struct {
    const char *start, *end, *blocks;
  } cases[] = {
      {"0.0.0.0", "255.255.255.255", "0.0.0.0/0"},
      {"0.0.0.0", "0.0.0.0", "0.0.0.0/32"},
      {"255.255.255.255", "255.255.255.255", "255.255.255.255/32"},
      {"1.0.0.0", "1.0.0.255", "1.0.0.0/24"},
      {"1.0.0.1", "1.0.0.6", "1.0.0.1/32 1.0.0.2/31 1.0.0.4/31 1.0.0.6/32"},
      {"10.0.0.0", "10.1.2.255", "10.0.0.0/16 10.1.0.0/23 10.1.2.0/24"},
      {"128.0.0.0", "255.255.255.255", "128.0.0.0/1"},
      {"0.0.0.0", "127.255.255.255", "0.0.0.0/1"},
      {"255.255.255.0", "255.255.255.255", "255.255.255.0/24"},
      {"255.255.255.254", "255.255.255.255", "255.255.255.254/31"},
      {"192.168.0.255", "192.168.1.0", "192.168.0.255/32 192.168.1.0/32"},
  };
  for (const auto& c : cases) EXPECT_EQ(Texts(A(c.start), A(c.end)), c.blocks) << c.start << " - " << c.end;
}

TEST(Cidr, AWorstCaseRangeNeedsSixtyTwoBlocks) {
  std::vector<TCidrBlock> blocks;
  AppendCidrBlocks(1, 0xFFFFFFFEu, blocks);
  EXPECT_EQ(blocks.size(), 62u);
  const std::string text = Texts(1, 0xFFFFFFFEu);
  EXPECT_EQ(text.substr(0, 33), "0.0.0.1/32 0.0.0.2/31 0.0.0.4/30 ");
  EXPECT_NE(text.find(" 64.0.0.0/2 128.0.0.0/2 192.0.0.0/3 "), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 57), " 255.255.255.248/30 255.255.255.252/31 255.255.255.254/32");
}

TEST(Cidr, ARangeEndingBeforeItStartsHasNoBlocks) {
  std::vector<TCidrBlock> blocks;
  AppendCidrBlocks(A("1.0.0.1"), A("1.0.0.0"), blocks);
  AppendCidrBlocks(0xFFFFFFFFu, 0, blocks);
  EXPECT_TRUE(blocks.empty());
}

TEST(Cidr, EdgesAndBoundariesCoverExactly) {
  const std::uint32_t top = 0xFFFFFFFFu;
  const std::pair<std::uint32_t, std::uint32_t> ranges[] = {
      {0, top},
      {0, 0},
      {top, top},
      {0, top - 1},
      {1, top},
      {1, top - 1},
      {0, 1},
      {top - 1, top},
      {0x7FFFFFFF, 0x80000000},
      {0x00FFFFFF, 0x01000000},
      {0x80000000, top},
      {3, 0xFFFFFFFC},
      {0x01000001, 0x01FFFFFE},
  };
  for (const auto& [start, end] : ranges) ExpectExactCover(start, end);
}

TEST(Cidr, RandomRangesCoverExactly) {
  std::mt19937 random(2601);
  for (int i = 0; i < 20000; ++i) {
    const std::uint32_t start = static_cast<std::uint32_t>(random());
    // Sizes from a single address to most of the space, so every prefix length turns up.
    const int bits = static_cast<int>(random() % 33);
    const std::uint64_t wide = std::uint64_t{random()} << 32 | random();
    const std::uint64_t size = 1 + wide % (std::uint64_t{1} << bits);
    const std::uint64_t end = std::min<std::uint64_t>(std::uint64_t{start} + size - 1, 0xFFFFFFFFu);
    ExpectExactCover(start, static_cast<std::uint32_t>(end));
    if (i % 4 == 0) ExpectExactCover(start, start);
  }
}

}  // namespace
