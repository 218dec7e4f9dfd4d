// Where the viewer's skins come from: the built-in default skin and skin files, checked
// before the skin component sees them.
#pragma once

#include <string>

#include "base/stream.h"

// The default skin archive carried as the resource "DEFAULTSKIN"; false when it is missing.
bool ReadDefaultSkin(TMemoryStream& out);

// Empty when the archive opens as a skin (its container loads and it holds a description);
// otherwise what is wrong, for the user.
std::wstring SkinArchiveProblem(TMemoryStream& archive);

// Reads and checks a skin file; false with the problem (for the user) when it is not usable.
bool ReadSkinFile(const std::wstring& path, TMemoryStream& out, std::wstring& problem);
