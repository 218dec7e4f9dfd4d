// A per-user registry value set for a test and put back as it was when the test ends.
#pragma once

#include <string>

#include "base/win32.h"

class TRegistryValue {
public:
  TRegistryValue(const wchar_t* key, const wchar_t* name) : FKey(key), FName(name) {
    DWORD size = sizeof FOld;
    FHad = RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, &FType, FOld, &size) == ERROR_SUCCESS;
    FSize = size;
  }
  ~TRegistryValue() {
    if (FHad)
      RegSetKeyValueW(HKEY_CURRENT_USER, FKey, FName, FType, FOld, FSize);
    else
      RegDeleteKeyValueW(HKEY_CURRENT_USER, FKey, FName);
  }
  void SetDword(DWORD value) { RegSetKeyValueW(HKEY_CURRENT_USER, FKey, FName, REG_DWORD, &value, sizeof value); }
  void SetText(const std::wstring& value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, FKey, FName, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }

private:
  const wchar_t* FKey;
  const wchar_t* FName;
  bool FHad = false;
  DWORD FType = 0, FSize = 0;
  BYTE FOld[256]{};
};
