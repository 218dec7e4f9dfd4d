// The LZHUF coding model shared by the decoder and the skin tool's encoder: constants,
// the adaptive Huffman tree of literals and match lengths, and the distance prefix code.
#pragma once

#include <array>
#include <cstdint>

namespace lzh {

inline constexpr int kRingSize = 4096;
inline constexpr int kLookAhead = 60;
inline constexpr int kThreshold = 2;
inline constexpr int kSymbols = 256 - kThreshold + kLookAhead;  // 314
inline constexpr int kTreeSize = 2 * kSymbols - 1;              // 627
inline constexpr int kRoot = kTreeSize - 1;                     // 626
inline constexpr unsigned kMaxFrequency = 0x8000;
// The ring starts with this many spaces; the first byte produced goes right after them.
inline constexpr int kRingStart = kRingSize - kLookAhead;  // 4036

// The fixed prefix code of the upper 6 bits of a distance, looked up by the next 8 input
// bits: the upper-bit value, and how many bits the code occupies.
struct TDistanceTables {
  std::array<std::uint8_t, 256> Upper{};
  std::array<std::uint8_t, 256> Bits{};
};

constexpr TDistanceTables MakeDistanceTables() {
  // Rows: first upper value, number of values, code length in bits. Each value fills a
  // block of 2^(8 - bits) consecutive table indexes.
  constexpr int rows[6][3] = {{0, 1, 3}, {1, 3, 4}, {4, 8, 5}, {12, 12, 6}, {24, 24, 7}, {48, 16, 8}};
  TDistanceTables t;
  int index = 0;
  for (const auto& row : rows) {
    const int block = 1 << (8 - row[2]);
    for (int v = 0; v < row[1]; ++v) {
      for (int k = 0; k < block; ++k, ++index) {
        t.Upper[index] = static_cast<std::uint8_t>(row[0] + v);
        t.Bits[index] = static_cast<std::uint8_t>(row[2]);
      }
    }
  }
  return t;
}

inline constexpr TDistanceTables kDistance = MakeDistanceTables();

// The adaptive Huffman tree. Nodes are kept in order of rising frequency; an inner node
// names its first child (the second is the next index), a leaf holds symbol + kTreeSize.
struct TCodeTree {
  std::array<std::uint16_t, kTreeSize + 1> Frequency;     // last entry: sentinel 0xFFFF
  std::array<std::int16_t, kTreeSize + kSymbols> Parent;  // from kTreeSize on: leaf of each symbol
  std::array<std::int16_t, kTreeSize> Child;
  // Times the tree was rebuilt since Init, so tests can see the halving happen.
  int Rebuilds = 0;

  void Init();
  void Rebuild();
  // Counts one more occurrence of the symbol and restores the order of frequencies.
  void Bump(int symbol);
};

}  // namespace lzh
