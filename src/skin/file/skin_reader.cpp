// The skin archive reader: expands the archive, checks and indexes the container.
#include "skin/file/skin_reader.h"

#include <cstring>

#include "base/error.h"
#include "skin/file/lzh.h"
#include "skin/file/skin_notice.h"

std::function<void(const std::string&)> TSkinReader::OnMessageBox;

namespace {

std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

int SkinSkippedBlockSize(std::int32_t version) {
  switch (version) {
    case 20000:
      return 0;
    case 30000:
      return 256;
    case 40000:
      return 80;
    case 50000:
      return 48;
    case 60000:
      return 117;
    case 70000:
      return 69;
    default:
      return -1;
  }
}

std::int32_t TSkinReader::Version() const {
  return static_cast<std::int32_t>(Le32(FHeader.data()));
}

bool TSkinReader::Fail(std::string reason) {
  FLastError = std::move(reason);
  return false;
}

bool TSkinReader::Decompress(TStream& archive, TMemoryStream& out) {
  archive.SetPosition(0);
  out.SetPosition(0);
  std::uint8_t sizeWord[4];
  if (archive.Read(sizeWord, 4) != 4) return Fail("The skin archive is too short to hold its size");
  const std::uint32_t size = Le32(sizeWord);
  if (size > kMaxSkinContainerSize)
    return Fail(FormatText("The skin archive announces %u bytes, more than a skin can hold", size));
  out.Reserve(size);
  TLZH lzh(&archive, &out);
  lzh.Decode(static_cast<std::int32_t>(size));
  return true;
}

bool TSkinReader::Load(TStream& archive) {
  FLastError.clear();
  TMemoryStream container;
  if (!Decompress(archive, container)) return false;
  const std::uint8_t* bytes = container.Memory();
  const std::int64_t size = container.Size();
  if (size < kSkinHeaderSize) return Fail("The skin archive is damaged: it has no header");
  std::memcpy(FHeader.data(), bytes, kSkinHeaderSize);

  const std::int32_t version = Version();
  const int skipped = SkinSkippedBlockSize(version);
  if (skipped < 0) {
    FLastError = FormatText("The skin archive has the unknown version %d", version);
    if (OnMessageBox) {
      OnMessageBox(kMsgOldSkinFile);
    } else {
      ShowSkinFileMessage(kMsgOldSkinFile);
    }
    return false;
  }

  // Everything is checked before anything is replaced, so a refused container leaves
  // the entries of the last good one in place.
  const std::int64_t namesAt = kSkinHeaderSize + skipped;
  const std::int64_t namesLength = Le32(bytes + 4);
  if (namesAt + namesLength > size) return Fail("The skin archive is damaged: its name list runs past its end");
  TStringList names;
  names.SetText(
      LowerAscii(std::string_view(reinterpret_cast<const char*>(bytes + namesAt), static_cast<size_t>(namesLength))));
  const int count = names.Count();
  if (count > kMaxSkinEntries)
    return Fail(
        FormatText("The skin archive is damaged: it names %d entries, at most %d are allowed", count, kMaxSkinEntries));

  const std::int64_t sizesAt = namesAt + namesLength;
  const std::int64_t dataAt = sizesAt + 4 * static_cast<std::int64_t>(count);
  if (dataAt > size) return Fail("The skin archive is damaged: its size table runs past its end");
  std::array<std::int32_t, kMaxSkinEntries> sizes{};
  std::int64_t total = 0;
  for (int i = 0; i < count; ++i) {
    sizes[i] = static_cast<std::int32_t>(Le32(bytes + sizesAt + 4 * i));
    if (sizes[i] < 0) return Fail(FormatText("The skin archive is damaged: entry %d has a negative size", i));
    total += sizes[i];
  }
  if (total > size - dataAt) return Fail("The skin archive is damaged: its entries run past its end");

  FNames = std::move(names);
  FCount = count;
  FSizes = sizes;
  FData.Clear();
  FData.WriteBuffer(bytes + dataAt, size - dataAt);
  return true;
}

void TSkinReader::CopyEntry(int index, std::int64_t offset, TMemoryStream& out) const {
  out.WriteBuffer(FData.Memory() + offset, FSizes[index]);
  out.SetPosition(0);
}

void TSkinReader::GetEntryAt(int index, TMemoryStream& out) const {
  out.Clear();
  if (index < 0 || index >= FCount) return;
  std::int64_t offset = 0;
  for (int i = 0; i < index; ++i) offset += FSizes[i];
  CopyEntry(index, offset, out);
}

void TSkinReader::GetEntry(std::string_view name, TMemoryStream& out) const {
  out.Clear();
  const std::string lowered = LowerAscii(name);
  std::int64_t offset = 0;
  for (int i = 0; i < FCount; ++i) {
    if (FNames[i] == lowered) {
      CopyEntry(i, offset, out);
      return;
    }
    offset += FSizes[i];
  }
}

void TSkinReader::FindEntry(std::string_view part, TMemoryStream& out, std::string& name) const {
  out.Clear();
  // An empty part names nothing in particular, so it finds nothing.
  if (part.empty()) return;
  std::int64_t offset = 0;
  for (int i = 0; i < FCount; ++i) {
    if (FNames[i].find(part) != std::string::npos) {
      CopyEntry(i, offset, out);
      name = FNames[i];
      return;
    }
    offset += FSizes[i];
  }
}
