// The user's remembered skin choice and the small settings text it is kept in.
#pragma once

#include <string>
#include <string_view>

// What the user chose in the system menu: follow the system's light or dark apps, no skin at
// all, or one skin file of the skins folder (its file name only, UTF-8).
struct TSkinChoice {
  enum class Kind { Follow, None, File };
  Kind kind = Kind::Follow;
  std::string file;
  friend bool operator==(const TSkinChoice&, const TSkinChoice&) = default;
};

// A settings file is a few lines; anything bigger is not ours and is not read.
inline constexpr size_t kMaxSettingsSize = 64 * 1024;

// Reads the choice from a settings text ("Skin=..." in section [Corvana], UTF-8, an optional
// byte order mark, CR LF or LF lines). A text that is damaged, too big, or names no valid
// choice gives the default choice: follow the system.
TSkinChoice ParseSkinSettings(std::string_view text);
// The settings text of a choice; ParseSkinSettings reads it back.
std::string FormatSkinSettings(const TSkinChoice& choice);

// A plain file name of the skins folder: ends in ".skin", no folder part, no control
// characters, not too long, valid UTF-8. Settings and menus accept no other names.
bool IsSkinFileName(std::string_view name);
