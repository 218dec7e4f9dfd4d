// The LZHUF encoder: a binary-tree match finder over the ring (longest match first,
// the nearest of equally long ones), and the adaptive Huffman coder of the decoder.
#include "lzh_encoder.h"

#include <array>
#include <cstring>
#include <limits>
#include <memory>

#include "base/error.h"
#include "skin/file/lzh_tree.h"

using namespace lzh;

namespace {

constexpr int kNil = kRingSize;  // "no node" in the match tree

// For each upper 6-bit distance value, the first table index that decodes to it.
constexpr std::array<std::uint8_t, 64> MakeDistanceCodes() {
  std::array<std::uint8_t, 64> first{};
  for (int i = 255; i >= 0; --i) first[kDistance.Upper[i]] = static_cast<std::uint8_t>(i);
  return first;
}
constexpr std::array<std::uint8_t, 64> kDistanceCode = MakeDistanceCodes();

class TEncoder {
public:
  std::vector<std::uint8_t> Run(std::span<const std::uint8_t> data);

private:
  void InitMatchTree();
  void InsertNode(int r);
  void DeleteNode(int p);
  void EncodeSymbol(int symbol);
  void EncodeDistance(unsigned distance);
  void PutBits(int count, std::uint32_t value);
  void FlushBits();

  // The ring, with its first kLookAhead - 1 bytes mirrored after its end so a string
  // starting near the end can be compared without wrapping.
  std::array<std::uint8_t, kRingSize + kLookAhead - 1> FText{};
  // Binary search trees of the strings in the ring, one tree per first byte (roots at
  // kRingSize + 1 + byte in FRight).
  std::array<int, kRingSize + 1> FLeft{};
  std::array<int, kRingSize + 257> FRight{};
  std::array<int, kRingSize + 1> FDad{};
  int FMatchPosition = 0;
  int FMatchLength = 0;
  TCodeTree FTree{};
  std::vector<std::uint8_t> FOut;
  std::uint64_t FBits = 0;
  int FBitCount = 0;
};

void TEncoder::InitMatchTree() {
  for (int i = kRingSize + 1; i <= kRingSize + 256; ++i) FRight[i] = kNil;
  for (int i = 0; i < kRingSize; ++i) FDad[i] = kNil;
}

// Inserts the string at r and finds the longest earlier match for it; a string equal to
// an older one over the whole look-ahead replaces that one in the tree.
void TEncoder::InsertNode(int r) {
  int cmp = 1;
  const std::uint8_t* key = &FText[r];
  int p = kRingSize + 1 + key[0];
  FRight[r] = FLeft[r] = kNil;
  FMatchLength = 0;
  for (;;) {
    if (cmp >= 0) {
      if (FRight[p] != kNil) {
        p = FRight[p];
      } else {
        FRight[p] = r;
        FDad[r] = p;
        return;
      }
    } else {
      if (FLeft[p] != kNil) {
        p = FLeft[p];
      } else {
        FLeft[p] = r;
        FDad[r] = p;
        return;
      }
    }
    int i = 1;
    for (; i < kLookAhead; ++i) {
      cmp = key[i] - FText[p + i];
      if (cmp != 0) break;
    }
    if (i > kThreshold) {
      const int distance = ((r - p) & (kRingSize - 1)) - 1;
      if (i > FMatchLength) {
        FMatchPosition = distance;
        FMatchLength = i;
        if (i >= kLookAhead) break;
      } else if (i == FMatchLength && distance < FMatchPosition) {
        FMatchPosition = distance;
      }
    }
  }
  FDad[r] = FDad[p];
  FLeft[r] = FLeft[p];
  FRight[r] = FRight[p];
  FDad[FLeft[p]] = r;
  FDad[FRight[p]] = r;
  if (FRight[FDad[p]] == p) {
    FRight[FDad[p]] = r;
  } else {
    FLeft[FDad[p]] = r;
  }
  FDad[p] = kNil;
}

void TEncoder::DeleteNode(int p) {
  if (FDad[p] == kNil) return;
  int q;
  if (FRight[p] == kNil) {
    q = FLeft[p];
  } else if (FLeft[p] == kNil) {
    q = FRight[p];
  } else {
    q = FLeft[p];
    if (FRight[q] != kNil) {
      do q = FRight[q];
      while (FRight[q] != kNil);
      FRight[FDad[q]] = FLeft[q];
      FDad[FLeft[q]] = FDad[q];
      FLeft[q] = FLeft[p];
      FDad[FLeft[p]] = q;
    }
    FRight[q] = FRight[p];
    FDad[FRight[p]] = q;
  }
  FDad[q] = FDad[p];
  if (FRight[FDad[p]] == p) {
    FRight[FDad[p]] = q;
  } else {
    FLeft[FDad[p]] = q;
  }
  FDad[p] = kNil;
}

void TEncoder::PutBits(int count, std::uint32_t value) {
  FBits = (FBits << count) | value;
  FBitCount += count;
  while (FBitCount >= 8) {
    FBitCount -= 8;
    FOut.push_back(static_cast<std::uint8_t>(FBits >> FBitCount));
  }
}

void TEncoder::FlushBits() {
  if (FBitCount > 0) FOut.push_back(static_cast<std::uint8_t>(FBits << (8 - FBitCount)));
  FBitCount = 0;
}

// The path from the root to the symbol's leaf: at every node, 0 for the first child and
// 1 for the second (siblings sit at an even and the following odd index). Paths can be
// longer than 16 bits, so they are collected whole rather than in one machine word.
void TEncoder::EncodeSymbol(int symbol) {
  std::array<std::uint8_t, kTreeSize> path;
  int depth = 0;
  for (int k = FTree.Parent[symbol + kTreeSize]; k != kRoot; k = FTree.Parent[k]) path[depth++] = k & 1;
  while (depth > 0) {
    std::uint32_t chunk = 0;
    const int n = depth < 24 ? depth : 24;
    for (int i = 0; i < n; ++i) chunk = (chunk << 1) | path[--depth];
    PutBits(n, chunk);
  }
  FTree.Bump(symbol);
}

void TEncoder::EncodeDistance(unsigned distance) {
  const unsigned code = kDistanceCode[distance >> 6];
  const int bits = kDistance.Bits[code];
  PutBits(bits, code >> (8 - bits));
  PutBits(6, distance & 63);
}

std::vector<std::uint8_t> TEncoder::Run(std::span<const std::uint8_t> data) {
  FOut.clear();
  FOut.reserve(data.size() / 2 + 16);
  if (data.empty()) return FOut;
  FTree.Init();
  InitMatchTree();
  int s = 0;
  int r = kRingStart;
  std::memset(FText.data(), ' ', kRingStart);
  std::memset(FText.data() + kRingSize, ' ', kLookAhead - 1);
  size_t in = 0;
  int len = 0;
  for (; len < kLookAhead && in < data.size(); ++len) FText[r + len] = data[in++];
  // The spaces before the first byte can be matched too: the decoder's ring holds them.
  for (int i = 1; i <= kLookAhead; ++i) InsertNode(r - i);
  InsertNode(r);
  do {
    if (FMatchLength > len) FMatchLength = len;
    if (FMatchLength <= kThreshold) {
      FMatchLength = 1;
      EncodeSymbol(FText[r]);
    } else {
      EncodeSymbol(255 - kThreshold + FMatchLength);
      EncodeDistance(static_cast<unsigned>(FMatchPosition));
    }
    const int last = FMatchLength;
    int i = 0;
    for (; i < last && in < data.size(); ++i) {
      DeleteNode(s);
      const std::uint8_t c = data[in++];
      FText[s] = c;
      if (s < kLookAhead - 1) FText[s + kRingSize] = c;
      s = (s + 1) & (kRingSize - 1);
      r = (r + 1) & (kRingSize - 1);
      InsertNode(r);
    }
    // The input is used up: let the look-ahead run dry.
    for (; i < last; ++i) {
      DeleteNode(s);
      s = (s + 1) & (kRingSize - 1);
      r = (r + 1) & (kRingSize - 1);
      if (--len) InsertNode(r);
    }
  } while (len > 0);
  FlushBits();
  return std::move(FOut);
}

}  // namespace

std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data) {
  auto encoder = std::make_unique<TEncoder>();
  return encoder->Run(data);
}

std::vector<std::uint8_t> LzhCompress(std::span<const std::uint8_t> data) {
  if (data.size() > static_cast<size_t>(std::numeric_limits<std::int32_t>::max()))
    throw Exception("Data of 2 GiB or more cannot be coded: the size word would not hold it");
  const auto size = static_cast<std::uint32_t>(data.size());
  std::vector<std::uint8_t> result = {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                      static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
  const std::vector<std::uint8_t> coded = LzhEncode(data);
  result.insert(result.end(), coded.begin(), coded.end());
  return result;
}
