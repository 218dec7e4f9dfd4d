// Lays out skin containers and codes them into archives.
#include "skin_writer.h"

#include <limits>
#include <set>

#include "base/error.h"
#include "base/strings.h"
#include "lzh_encoder.h"
#include "skin/file/skin_reader.h"

namespace {

void PutWord(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> LayOutContainer(const TSkinContainerLayout& layout) {
  std::vector<std::uint8_t> out;
  PutWord(out, static_cast<std::uint32_t>(layout.Version));
  PutWord(out, layout.NameListLength.value_or(static_cast<std::uint32_t>(layout.NameList.size())));
  PutWord(out, layout.Reserved[0]);
  PutWord(out, layout.Reserved[1]);
  const int skipped = layout.SkippedLength.value_or(SkinSkippedBlockSize(layout.Version));
  out.insert(out.end(), static_cast<size_t>(skipped > 0 ? skipped : 0), 0);
  out.insert(out.end(), layout.NameList.begin(), layout.NameList.end());
  for (std::int32_t size : layout.Sizes) PutWord(out, static_cast<std::uint32_t>(size));
  out.insert(out.end(), layout.Data.begin(), layout.Data.end());
  return out;
}

std::vector<std::uint8_t> BuildSkinContainer(const std::vector<TSkinEntry>& entries, std::int32_t version) {
  if (SkinSkippedBlockSize(version) < 0)
    throw Exception(FormatText("Unknown skin format %d (known: 20000, 30000, 40000, 50000, 60000, 70000)", version));
  if (entries.size() > static_cast<size_t>(kMaxSkinEntries))
    throw Exception(FormatText("A skin holds at most %d entries, not %zu", kMaxSkinEntries, entries.size()));
  TSkinContainerLayout layout;
  layout.Version = version;
  std::set<std::string> seen;
  for (const TSkinEntry& entry : entries) {
    if (entry.Name.find_first_of("\r\n") != std::string::npos)
      throw Exception("An entry name cannot hold a line break: \"" + entry.Name + "\"");
    if (!seen.insert(LowerAscii(entry.Name)).second)
      throw Exception("Two entries are named \"" + LowerAscii(entry.Name) + "\" (names ignore case)");
    if (entry.Data.size() > static_cast<size_t>(std::numeric_limits<std::int32_t>::max()))
      throw Exception("The entry \"" + entry.Name + "\" is too large for a skin");
    layout.NameList += entry.Name + "\r\n";
    layout.Sizes.push_back(static_cast<std::int32_t>(entry.Data.size()));
    layout.Data.insert(layout.Data.end(), entry.Data.begin(), entry.Data.end());
  }
  return LayOutContainer(layout);
}

std::vector<std::uint8_t> BuildSkinArchive(const std::vector<TSkinEntry>& entries, std::int32_t version) {
  return LzhCompress(BuildSkinContainer(entries, version));
}
