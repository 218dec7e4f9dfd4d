// The LZHUF decoder.
#include "skin/file/lzh.h"

#include <cstring>
#include <new>

using namespace lzh;

void TLZH::AllocTables() {
  FTables.reset(new (std::nothrow) TTables);
  if (!FTables) throw ElzhException(kMsgLzhNoMemory);
}

void TLZH::FreeTables() noexcept {
  FTables.reset();
}

std::int32_t TLZH::ReadInput(std::uint8_t* buffer, std::int32_t count) {
  if (!FInput || count <= 0) return 0;
  return static_cast<std::int32_t>(FInput->Read(buffer, count));
}

void TLZH::WriteOutput(const std::uint8_t* buffer, std::int32_t count) {
  if (FOutput) FOutput->WriteBuffer(buffer, count);
}

// Keeps more than 8 bits in the buffer; input past the end reads as zero bytes.
template <class TRead>
inline void TLZH::FillBits(const TRead& input) {
  while (FBitCount <= 8) {
    std::uint8_t byte = 0;
    if (input(&byte, 1) != 1) byte = 0;
    FBitBuf = static_cast<std::uint16_t>(FBitBuf | (byte << (8 - FBitCount)));
    FBitCount = static_cast<std::uint8_t>(FBitCount + 8);
  }
}

template <class TRead>
inline int TLZH::NextBit(const TRead& input) {
  FillBits(input);
  const int bit = FBitBuf >> 15;
  FBitBuf = static_cast<std::uint16_t>(FBitBuf << 1);
  --FBitCount;
  return bit;
}

template <class TRead>
inline int TLZH::NextByte(const TRead& input) {
  FillBits(input);
  const int byte = FBitBuf >> 8;
  FBitBuf = static_cast<std::uint16_t>(FBitBuf << 8);
  FBitCount = static_cast<std::uint8_t>(FBitCount - 8);
  return byte;
}

template <class TRead>
int TLZH::DecodeSymbol(const TRead& input) {
  TCodeTree& tree = FTables->Tree;
  int n = tree.Child[kRoot];
  while (n < kTreeSize) n = tree.Child[n + NextBit(input)];
  const int symbol = n - kTreeSize;
  tree.Bump(symbol);
  return symbol;
}

template <class TRead>
int TLZH::DecodeDistance(const TRead& input) {
  int i = NextByte(input);
  const int upper = kDistance.Upper[i] << 6;
  for (int extra = kDistance.Bits[i] - 2; extra > 0; --extra) i = (i << 1) + NextBit(input);
  return upper | (i & 63);
}

template <class TWrite, class TRead>
void TLZH::Run(std::int32_t size, const TWrite& output, const TRead& input) {
  FBitBuf = 0;
  FBitCount = 0;
  FRebuilds = 0;
  AllocTables();
  try {
    std::uint8_t* ring = FTables->Ring;
    FTables->Tree.Init();
    std::memset(ring, ' ', kRingStart);
    // Never read by a valid stream; zeros keep a damaged one deterministic.
    std::memset(ring + kRingStart, 0, sizeof(FTables->Ring) - kRingStart);
    int r = kRingStart;
    std::int64_t produced = 0;
    while (produced < size) {
      const int symbol = DecodeSymbol(input);
      if (symbol < 256) {
        const std::uint8_t byte = static_cast<std::uint8_t>(symbol);
        output(&byte, 1);
        ring[r] = byte;
        r = (r + 1) & (kRingSize - 1);
        ++produced;
      } else {
        const int start = (r - DecodeDistance(input) - 1) & (kRingSize - 1);
        const int length = symbol - 255 + kThreshold;
        for (int k = 0; k < length; ++k) {
          const std::uint8_t byte = ring[(start + k) & (kRingSize - 1)];
          output(&byte, 1);
          ring[r] = byte;
          r = (r + 1) & (kRingSize - 1);
          ++produced;
        }
      }
    }
  } catch (...) {
    FRebuilds = FTables->Tree.Rebuilds;
    FreeTables();
    throw;
  }
  FRebuilds = FTables->Tree.Rebuilds;
  FreeTables();
}

void TLZH::Decode(std::int32_t size, const TOutputFunc& output, const TInputFunc& input) {
  Run(size, output, input);
}

void TLZH::Decode(std::int32_t size) {
  Run(
      size, [this](const std::uint8_t* buffer, std::int32_t count) { WriteOutput(buffer, count); },
      [this](std::uint8_t* buffer, std::int32_t count) { return ReadInput(buffer, count); });
}
