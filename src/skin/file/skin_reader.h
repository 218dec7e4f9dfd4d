// TSkinReader: expands a skin archive, indexes its named entries (bitmaps and the
// description text) and hands out an entry's bytes by name.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/stream.h"
#include "base/strings.h"

inline constexpr const char* kMsgOldSkinFile = "This is Older Skin File\rPlease update to new version !";

// A container holds at most this many entries.
inline constexpr int kMaxSkinEntries = 1001;
// Largest decompressed container accepted; a damaged size word must not make us allocate
// gigabytes (real skins are a few hundred kilobytes).
inline constexpr std::int64_t kMaxSkinContainerSize = 64 << 20;
inline constexpr int kSkinHeaderSize = 16;

// Length of the block after the header that a container version carries, or -1 for a
// version we do not know.
int SkinSkippedBlockSize(std::int32_t version);

class TSkinReader {
public:
  // Receives the "older skin file" text instead of the message box. Without a hook the
  // Windows build shows the box (no caption) and the portable build shows nothing.
  static std::function<void(const std::string&)> OnMessageBox;

  TSkinReader() = default;
  TSkinReader(const TSkinReader&) = delete;
  TSkinReader& operator=(const TSkinReader&) = delete;

  // Expands and indexes the archive. False for an unknown version (after the message box)
  // and for a damaged container; then the entries loaded before are kept. The archive is
  // read a byte at a time, so hand it a memory stream.
  bool Load(TStream& archive);
  // The bytes of the entry of that name (any case), positioned at 0; empty when absent.
  void GetEntry(std::string_view name, TMemoryStream& out) const;
  // The first entry whose name contains the part (names are lower case, the part is taken
  // as it is); its full name goes to name, which is left alone when nothing matches.
  void FindEntry(std::string_view part, TMemoryStream& out, std::string& name) const;

  // The bytes of entry index (0 to Count() - 1), whatever its name.
  void GetEntryAt(int index, TMemoryStream& out) const;

  int Count() const { return FCount; }
  const TStringList& Names() const { return FNames; }
  std::int32_t EntrySize(int index) const { return FSizes.at(static_cast<size_t>(index)); }
  // The version word of the last container read (also of one that was refused).
  std::int32_t Version() const;
  // Why the last Load answered false; empty after a successful one.
  const std::string& LastError() const { return FLastError; }

private:
  bool Decompress(TStream& archive, TMemoryStream& out);
  bool Fail(std::string reason);
  // Writes entry index (starting at offset in FData) to out.
  void CopyEntry(int index, std::int64_t offset, TMemoryStream& out) const;

  TStringList FNames;
  std::int32_t FCount = 0;
  std::array<std::int32_t, kMaxSkinEntries> FSizes{};
  TMemoryStream FData;
  std::array<std::uint8_t, kSkinHeaderSize> FHeader{};
  std::string FLastError;
};
