// Damaged coded streams: the decoder always produces its bytes without reading outside
// its tables; and any data survives a trip through the skin tool's encoder and back.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "base/stream.h"
#include "lzh_encoder.h"
#include "skin/file/lzh.h"

namespace {

// Decoding time grows with the declared size, not the input: a tiny input declaring
// megabytes would only slow the fuzzer down. Real skins are about 256 KiB.
constexpr std::uint32_t kFuzzMaxSize = 1 << 14;

std::vector<std::uint8_t> Decode(std::span<const std::uint8_t> coded, std::int32_t size, std::int64_t* consumed) {
  TMemoryStream input(coded);
  TMemoryStream output;
  TLZH lzh(&input, &output);
  lzh.Decode(size);
  *consumed = input.Position();
  return {output.Bytes().begin(), output.Bytes().end()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  if (size >= 4) {
    const std::uint32_t declared = data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    if (declared <= kFuzzMaxSize) {
      std::int64_t consumed = 0;
      const std::vector<std::uint8_t> out = Decode(bytes.subspan(4), static_cast<std::int32_t>(declared), &consumed);
      // At least the size, at most one match beyond it; never more input than there is.
      if (out.size() < declared || out.size() > declared + 59) std::abort();
      if (consumed > static_cast<std::int64_t>(size - 4)) std::abort();
    }
  }
  const std::vector<std::uint8_t> coded = LzhEncode(bytes);
  std::int64_t consumed = 0;
  if (Decode(coded, static_cast<std::int32_t>(size), &consumed) !=
      std::vector<std::uint8_t>(bytes.begin(), bytes.end()))
    std::abort();
  if (consumed != static_cast<std::int64_t>(coded.size())) std::abort();
  return 0;
}
