// TLZH: the LZHUF decoder (LZSS over a 4096-byte ring with adaptive Huffman coding) that
// expands skin archives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "base/error.h"
#include "base/stream.h"
#include "skin/file/lzh_tree.h"

class ElzhException : public Exception {
public:
  using Exception::Exception;
};

inline constexpr const char* kMsgLzhNoMemory = "LZH : Cannot get memory for dictionary tables";

class TLZH {
public:
  // Asked for up to count bytes; answers how many it delivered (0 at the end).
  using TInputFunc = std::function<std::int32_t(std::uint8_t* buffer, std::int32_t count)>;
  // Handed count bytes to store.
  using TOutputFunc = std::function<void(const std::uint8_t* buffer, std::int32_t count)>;

  TLZH(TStream* input, TStream* output) : FInput(input), FOutput(output) {}
  TLZH(const TLZH&) = delete;
  TLZH& operator=(const TLZH&) = delete;

  // Produces size bytes (at least: a match is copied whole even past the size). Input
  // that ends early reads as zero bits; that is not an error.
  void Decode(std::int32_t size, const TOutputFunc& output, const TInputFunc& input);
  // The same through ReadInput and WriteOutput on the two streams.
  void Decode(std::int32_t size);

  // min(count, bytes left) bytes from the input stream's position.
  std::int32_t ReadInput(std::uint8_t* buffer, std::int32_t count);
  void WriteOutput(const std::uint8_t* buffer, std::int32_t count);

  // How often the code tree was rebuilt during the last decoding.
  int Rebuilds() const { return FRebuilds; }
  // Memory a decoding takes besides its streams, whatever the data size.
  static constexpr std::size_t TableBytes();

private:
  struct TTables {
    std::uint8_t Ring[lzh::kRingSize + lzh::kLookAhead - 1];
    lzh::TCodeTree Tree;
  };

  void AllocTables();
  void FreeTables() noexcept;
  // The decoding itself, for any pair of callables: the stream path calls ReadInput and
  // WriteOutput directly rather than through std::function.
  template <class TWrite, class TRead>
  void Run(std::int32_t size, const TWrite& output, const TRead& input);
  template <class TRead>
  void FillBits(const TRead& input);
  template <class TRead>
  int NextBit(const TRead& input);
  template <class TRead>
  int NextByte(const TRead& input);
  template <class TRead>
  int DecodeSymbol(const TRead& input);
  template <class TRead>
  int DecodeDistance(const TRead& input);

  TStream* FInput;
  TStream* FOutput;
  std::uint16_t FBitBuf = 0;
  std::uint8_t FBitCount = 0;
  std::unique_ptr<TTables> FTables;
  int FRebuilds = 0;
};

constexpr std::size_t TLZH::TableBytes() { return sizeof(TTables); }
