// Which skin a window wears: the user's choice against the skins at hand, the system's light or
// dark apps and its high-contrast mode.
#pragma once

#include <string>
#include <vector>

#include "skinchoice/skin_settings.h"

// The skins folder's files that following the system picks.
inline constexpr const char* kLightSkinFile = "light.skin";
inline constexpr const char* kDarkSkinFile = "dark.skin";

struct TSkinUse {
  bool skinned = true;
  // A file name of the skins folder; empty for the skin built into the program.
  std::string file;
  friend bool operator==(const TSkinUse&, const TSkinUse&) = default;
};

// High contrast always means the platform's look. A chosen file that is no longer in the folder
// falls back to following the system; following takes the light or dark skin of the folder, or
// the built-in skin (the light one) when that file is missing. File names compare without case,
// as the platform's do; the answer carries the folder's spelling.
TSkinUse ResolveSkinUse(const TSkinChoice& choice, bool lightApps, bool highContrast,
                        const std::vector<std::string>& available);

// The entry of a file name in the folder's list (without case); -1 when it is not there.
int FindSkinFile(const std::vector<std::string>& available, const std::string& file);
