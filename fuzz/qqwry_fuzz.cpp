// Damaged databases: every operation either answers or raises the general error, never
// reads outside the buffer.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/error.h"
#include "ipdb/qqwry_view.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  // A copy of exactly the input's size, so a read past the end is caught.
  const std::vector<std::uint8_t> bytes(data, data + size);
  try {
    const TQQWryView view(bytes.data(), bytes.size());
    TStringList fields;
    const std::int64_t count = view.RecordCount();
    for (std::int64_t r : {std::int64_t{1}, count / 2, count, count + 1}) {
      try {
        view.GetFields(fields, r);
        view.ReadRecord(r);
      } catch (const Exception&) {
      }
    }
    for (const char* address : {"0.0.0.0", "1.2.3.4", "127.0.0.1", "200.1.2.3", "255.255.255.255"}) {
      try {
        const std::int64_t r = view.FindRecord(address);
        view.GetFields(fields, r);
      } catch (const Exception&) {
      }
    }
  } catch (const Exception&) {
  }
  return 0;
}
