// The skins folder beside the programs: the ".skin" files a user can choose, with their names.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct TSkinFileEntry {
  std::string file;  // file name in the folder, UTF-8
  std::string name;  // the skin's own name (SkinName of its description), else the file's stem
};

// A folder with more skins than a menu can sensibly hold shows this many.
inline constexpr size_t kMaxListedSkins = 40;
// Skins bigger than this are listed by their file name; their archive is not read for a name.
inline constexpr std::uintmax_t kMaxNamedSkinSize = 4 << 20;

// The skin files of the folder, sorted by name without case; empty when the folder is missing
// or unreadable. Files that are not skins are listed too (choosing them reports the problem).
std::vector<TSkinFileEntry> ListSkinFolder(const std::filesystem::path& folder);

// SkinName of the description in a skin archive's bytes (GBK converted to UTF-8); empty when the
// archive does not open or gives no name.
std::string SkinNameOf(const std::string& archiveBytes);

// The file names of a list, for ResolveSkinUse.
std::vector<std::string> SkinFileNames(const std::vector<TSkinFileEntry>& entries);
