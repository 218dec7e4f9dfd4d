// Helpers for the skin file tests: byte texts, test data with known properties, and
// decoding through the program's own reader path.
#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "base/stream.h"
#include "skin/file/lzh.h"

inline std::vector<std::uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

inline std::string Text(std::span<const std::uint8_t> bytes) {
  return {bytes.begin(), bytes.end()};
}

inline std::vector<std::uint8_t> RandomBytes(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::uint8_t> bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

// A sequence over `letters` bytes starting at `first` in which every run of three bytes
// occurs once (a de Bruijn sequence of order 3): no match of the coder's minimum length
// exists, so every byte is coded as a literal symbol.
inline std::vector<std::uint8_t> NoRepeatedTriples(int letters, std::uint8_t first) {
  std::vector<std::uint8_t> out;
  std::vector<int> a(4 * static_cast<size_t>(letters), 0);
  auto db = [&](auto&& self, int t, int p) -> void {
    if (t > 3) {
      if (3 % p == 0)
        for (int j = 1; j <= p; ++j) out.push_back(static_cast<std::uint8_t>(first + a[j]));
      return;
    }
    a[t] = a[t - p];
    self(self, t + 1, p);
    for (int j = a[t - p] + 1; j < letters; ++j) {
      a[t] = j;
      self(self, t + 1, t);
    }
  };
  db(db, 1, 1);
  return out;
}

struct TDecodeResult {
  std::vector<std::uint8_t> Output;
  std::int64_t Consumed = 0;  // input bytes read after the size word
  int Rebuilds = 0;
};

// Decodes coded data (without the size word) the way the archive reader does.
inline TDecodeResult DecodeCoded(std::span<const std::uint8_t> coded, std::int32_t size) {
  TMemoryStream input(coded);
  TMemoryStream output;
  TLZH lzh(&input, &output);
  lzh.Decode(size);
  return {std::vector<std::uint8_t>(output.Bytes().begin(), output.Bytes().end()), input.Position(), lzh.Rebuilds()};
}
