// Damaged databases: every operation either answers or raises the general error, never
// reads outside the buffer, and the first-level index table answers as the bisection.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/error.h"
#include "ipdb/qqwry_view.h"

namespace {

// The start address of a record, read straight from the index (which lies inside the data).
std::int64_t StartOf(const TQQWryView& view, const std::uint8_t* data, std::int64_t record) {
  const std::uint8_t* p = data + view.FirstIndex() + (record - 1) * 7;
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::int64_t>(p[3]) << 24;
}

// The reader's answer without the table: nothing below the first range, else the bisection.
std::int64_t Bisect(const TQQWryView& view, const std::uint8_t* data, std::int64_t n) {
  if (n < StartOf(view, data, 1)) return 0;
  return view.SearchIndex(n, view.RecordCount(), 1);
}

// Addresses around a few records' starts and some taken from the input itself.
std::vector<std::int64_t> Probes(const TQQWryView& view, const std::uint8_t* data, size_t size) {
  std::vector<std::int64_t> probes = {-1, 0, 0x01020304, 0x7F000001, 0xFFFFFFFF, 0x100000000};
  const std::int64_t count = view.RecordCount();
  for (const std::int64_t r : {std::int64_t{1}, count / 3, count / 2, count - 1, count}) {
    if (r < 1) continue;
    const std::int64_t start = StartOf(view, data, r);
    probes.insert(probes.end(), {start - 1, start, start + 1});
  }
  for (size_t i = 0; i + 4 <= size && i < 64; i += 4)
    probes.push_back(data[i] | data[i + 1] << 8 | data[i + 2] << 16 | static_cast<std::int64_t>(data[i + 3]) << 24);
  return probes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  // A copy of exactly the input's size, so a read past the end is caught.
  const std::vector<std::uint8_t> bytes(data, data + size);
  try {
    const TQQWryView view(bytes.data(), bytes.size());
    TStringList fields;
    const std::int64_t count = view.RecordCount();
    for (std::int64_t r : {std::int64_t{0}, std::int64_t{1}, count / 2, count, count + 1}) {
      view.PrefetchRecord(r);
      view.PrefetchLocation(r);
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
    // Index entries always lie inside the data (the view checks the header), so the
    // searches never raise.
    const std::vector<std::int64_t> probes = Probes(view, bytes.data(), bytes.size());
    view.BuildStartTable();
    for (const std::int64_t n : probes) {
      view.PrefetchIndexTable(n);
      view.PrefetchAddress(n);
      if (view.FindAddress(n) != Bisect(view, bytes.data(), n)) __builtin_trap();
    }
  } catch (const Exception&) {
  }
  return 0;
}
