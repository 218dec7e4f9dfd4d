// Changing the skin of a running program through its skin component: another skin file, the
// skin built into the program, or no skin at all.
#pragma once

#include <string>

#include "base/stream.h"

class TSkinData;

class TSkinSwitch {
public:
  // Keeps a copy of the skin the component holds now: the one built into the program.
  explicit TSkinSwitch(TSkinData& data);
  TSkinSwitch(const TSkinSwitch&) = delete;
  TSkinSwitch& operator=(const TSkinSwitch&) = delete;

  // Loads the built-in skin unless it is the one in use.
  void UseBuiltIn();
  // Loads a skin file unless it is the one in use; false with the problem (for the user) when
  // it cannot be used, and then the skin in use stays.
  bool UseFile(const std::wstring& path, std::wstring& problem);
  // Skinning on or off; the windows change a moment later, as with the component's Active.
  void SetSkinned(bool on);
  bool Skinned() const;
  // The file of the skin in use; empty for the built-in skin.
  const std::wstring& FileInUse() const { return FFile; }

private:
  TSkinData& FData;
  TMemoryStream FBuiltIn;
  std::wstring FFile;
};
