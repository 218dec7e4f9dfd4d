// TSkinData's stored skin: the SkinStream property, loading the archive it holds, and
// SkinFile.
#include <filesystem>

#include "base/codec.h"
#include "skin/file/quick_ini.h"
#include "skin/file/skin_reader.h"
#include "skin/model/skin_data.h"

void TSkinData::WriteSkinStream(TStream& stream) const {
  const auto size = static_cast<std::int32_t>(FStored.Size());
  const std::uint8_t word[4] = {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
  stream.WriteBuffer(word, 4);
  if (size > 0) stream.WriteBuffer(FStored.Memory(), size);
}

void TSkinData::ReadSkinStream(TStream& stream) {
  std::uint8_t word[4] = {};
  if (stream.Read(word, 4) != 4) return;
  const std::int32_t size = static_cast<std::int32_t>(static_cast<std::uint32_t>(word[0]) | (word[1] << 8) |
                                                      (word[2] << 16) | (static_cast<std::uint32_t>(word[3]) << 24));
  if (size <= 0) return;
  // A size word larger than the bytes that follow is a damaged value: it is not taken (no
  // huge buffer, no failed form), and the component stays pending.
  if (size > stream.Size() - stream.Position()) {
    FStored.Clear();
    FSkinPending = true;
    return;
  }
  FStored.SetSize(size);
  FStored.SetPosition(0);
  stream.ReadBuffer(FStored.Memory(), size);
  if (!IsDesigning()) LoadSkinFromStore();
}

bool TSkinData::LoadSkinFromStore() {
  FSkinPending = true;
  if (IsDesigning()) return false;
  TSkinReader reader;
  TMemoryStream work;
  FStored.SetPosition(0);
  bool opened = false;
  try {
    opened = reader.Load(FStored);
  } catch (const Exception&) {
    opened = false;
  }
  if (!opened) return false;
  TQuickIni ini;
  std::string iniName;
  reader.FindEntry(".ini", work, iniName);
  work.SetPosition(0);
  ini.LoadFromStream(&work);
  FReader = &reader;
  FIni = &ini;
  try {
    ApplyDescription();
  } catch (const Exception&) {
    // A skin that fails half way is not used: the component stays pending and the windows
    // keep their own look.
    FReader = nullptr;
    FIni = nullptr;
    FSections.Clear();
    FSkinPending = true;
    return opened;
  }
  FReader = nullptr;
  FIni = nullptr;
  return opened;
}

void TSkinData::SetSkinFile(const std::string& fileName) {
  FSkinPending = true;
  FSkinFile = fileName;
  if (IsDesigning()) {
    if (!fileName.empty()) FStored.Clear();
    return;
  }
  // A description that names a file loads it while the form is read; RefreshSkin waits for
  // the end of reading by itself.
  if (fileName.empty()) return;
  std::error_code error;
  if (!std::filesystem::is_regular_file(std::filesystem::path(Utf8ToWide(fileName)), error)) return;
  // The skin in use is kept until the new file has loaded: a file that is no skin must not
  // throw the working one away.
  const std::vector<std::uint8_t> previous(FStored.Bytes().begin(), FStored.Bytes().end());
  try {
    FStored.LoadFromFile(fileName);
  } catch (const Exception&) {
    return;
  }
  if (!LoadSkinFromStore() && !previous.empty()) {
    FStored.Clear();
    FStored.WriteBuffer(previous.data(), static_cast<std::int64_t>(previous.size()));
    LoadSkinFromStore();
    return;
  }
  RefreshSkin();
}

std::string TSkinData::SkinStore() const {
  return IsDesigning() && FStored.Size() > 0 ? "(Good)" : "(none)";
}
