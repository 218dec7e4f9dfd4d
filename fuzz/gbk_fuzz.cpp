// The code page 936 table codec on any bytes: decoding gives valid UTF-8, and text that
// decoded without a replacement encodes back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/codec.h"
#include "base/codec_gbk_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string utf8 = GbkTableToUtf8(bytes);
  if (WideToUtf8(Utf8ToWide(utf8)) != utf8) __builtin_trap();
  if (utf8.find("\xEF\xBF\xBD") == std::string::npos) {
    bool lossless = false;
    if (Utf8ToGbkTable(utf8, &lossless) != bytes || !lossless) __builtin_trap();
  }
  bool lossless = false;
  const std::string gbk = Utf8ToGbkTable(bytes, &lossless);
  if (lossless && GbkTableToUtf8(gbk) != bytes) __builtin_trap();
  return 0;
}
