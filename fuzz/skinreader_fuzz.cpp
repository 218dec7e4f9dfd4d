// Damaged skin archives: loading answers true or false, never reads outside the container;
// every entry of an accepted one can be handed out, and the skin check copes with it.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "base/stream.h"
#include "lzh_encoder.h"
#include "skin/file/skin_reader.h"
#include "skin_check.h"

namespace {

// Only the harness caps the declared size this low, to keep each run quick.
constexpr std::uint32_t kFuzzMaxSize = 1 << 14;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size < 1) return 0;
  TSkinReader::OnMessageBox = [](const std::string&) {};
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  // Odd first byte: the rest is a container, coded here, so the container parser sees the
  // mutations directly. Even: the rest is an archive as it would be stored.
  std::vector<std::uint8_t> archive;
  if (data[0] & 1) {
    archive = LzhCompress(rest);
  } else {
    if (rest.size() >= 4 &&
        (rest[0] | rest[1] << 8 | rest[2] << 16 | static_cast<std::uint32_t>(rest[3]) << 24) > kFuzzMaxSize)
      return 0;
    archive.assign(rest.begin(), rest.end());
  }
  TSkinReader reader;
  TMemoryStream stream(archive);
  if (!reader.Load(stream)) return 0;
  if (reader.Count() > kMaxSkinEntries || reader.Names().Count() != reader.Count()) std::abort();
  TMemoryStream out;
  for (int i = 0; i < reader.Count(); ++i) {
    reader.GetEntryAt(i, out);
    if (out.Size() != reader.EntrySize(i)) std::abort();
    reader.GetEntry(reader.Names()[i], out);
  }
  std::string name;
  reader.FindEntry(".ini", out, name);
  reader.FindEntry("bmp", out, name);
  CheckSkin(reader);
  return 0;
}
