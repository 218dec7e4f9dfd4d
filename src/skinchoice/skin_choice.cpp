// The choice of the skin in use.
#include "skinchoice/skin_choice.h"

#include <algorithm>
#include <cctype>

int FindSkinFile(const std::vector<std::string>& available, const std::string& file) {
  auto same = [&](const std::string& name) {
    return name.size() == file.size() && std::equal(name.begin(), name.end(), file.begin(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
  };
  const auto found = std::find_if(available.begin(), available.end(), same);
  return found == available.end() ? -1 : static_cast<int>(found - available.begin());
}

TSkinUse ResolveSkinUse(const TSkinChoice& choice, bool lightApps, bool highContrast,
                        const std::vector<std::string>& available) {
  if (highContrast || choice.kind == TSkinChoice::Kind::None) return TSkinUse{false, {}};
  if (choice.kind == TSkinChoice::Kind::File) {
    const int index = FindSkinFile(available, choice.file);
    if (index >= 0) return TSkinUse{true, available[static_cast<size_t>(index)]};
  }
  const int index = FindSkinFile(available, lightApps ? kLightSkinFile : kDarkSkinFile);
  return TSkinUse{true, index >= 0 ? available[static_cast<size_t>(index)] : std::string()};
}
