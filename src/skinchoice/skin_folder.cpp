// Listing the skins folder and reading each skin's name.
#include "skinchoice/skin_folder.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>

#include "base/codec.h"
#include "base/error.h"
#include "base/stream.h"
#include "skin/file/quick_ini.h"
#include "skin/file/skin_reader.h"
#include "skinchoice/skin_settings.h"

namespace {

// The reader's "older skin file" box must not pop up while a menu is being filled.
class TQuietReader {
public:
  TQuietReader() : FSaved(TSkinReader::OnMessageBox) {
    TSkinReader::OnMessageBox = [](const std::string&) {};
  }
  ~TQuietReader() { TSkinReader::OnMessageBox = FSaved; }
  TQuietReader(const TQuietReader&) = delete;
  TQuietReader& operator=(const TQuietReader&) = delete;

private:
  std::function<void(const std::string&)> FSaved;
};

std::string Utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

std::string SkinNameOf(const std::string& archiveBytes) {
  TQuietReader quiet;
  try {
    TMemoryStream archive;
    archive.WriteBuffer(archiveBytes.data(), static_cast<std::int64_t>(archiveBytes.size()));
    archive.SetPosition(0);
    TSkinReader reader;
    if (!reader.Load(archive)) return {};
    TMemoryStream text;
    std::string entry;
    reader.FindEntry(".ini", text, entry);
    if (entry.empty()) return {};
    TQuickIni ini;
    ini.LoadFromStream(&text);
    std::string name = ini.ReadString("TitlebarSkin", "SkinName", "");
    // A name is one short line of a menu.
    name.erase(std::remove_if(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
               name.end());
    if (name.size() > 80) name.resize(80);
    return GbkToUtf8(name);
  } catch (const Exception&) {
    return {};
  } catch (const std::exception&) {
    return {};
  }
}

std::vector<TSkinFileEntry> ListSkinFolder(const std::filesystem::path& folder) {
  std::vector<std::pair<std::filesystem::path, std::string>> files;
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    std::error_code kindError;
    if (!it->is_regular_file(kindError)) continue;
    const std::string name = Utf8Of(it->path().filename());
    if (!IsSkinFileName(name)) continue;
    files.emplace_back(it->path(), name);
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return Lower(a.second) < Lower(b.second); });
  if (files.size() > kMaxListedSkins) files.resize(kMaxListedSkins);

  std::vector<TSkinFileEntry> entries;
  for (const auto& [path, file] : files) {
    TSkinFileEntry entry{file, {}};
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
    if (!sizeError && size <= kMaxNamedSkinSize) {
      std::ifstream in(path, std::ios::binary);
      std::string bytes(static_cast<size_t>(size), '\0');
      if (in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) entry.name = SkinNameOf(bytes);
    }
    if (entry.name.empty()) entry.name = file.substr(0, file.size() - 5);  // without ".skin"
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<std::string> SkinFileNames(const std::vector<TSkinFileEntry>& entries) {
  std::vector<std::string> names;
  for (const TSkinFileEntry& e : entries) names.push_back(e.file);
  return names;
}
