// Reading the system's light or dark apps setting and its high-contrast mode.
#include "skinchoice/system_theme.h"

#include <cstring>
#include <cwchar>
#include <string>

#include "base/win32.h"

namespace {

constexpr const wchar_t* kPersonalizeKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr const wchar_t* kAppsUseLightTheme = L"AppsUseLightTheme";
constexpr const wchar_t* kHighContrastKey = L"Control Panel\\Accessibility\\HighContrast";
constexpr const wchar_t* kHighContrastFlags = L"Flags";

// The registry keeps "Flags" as decimal text; some tools write a DWORD.
bool RegistryHighContrast() {
  DWORD type = 0;
  wchar_t text[32]{};
  DWORD size = sizeof text - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, kHighContrastKey, kHighContrastFlags, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type,
                   text, &size) != ERROR_SUCCESS)
    return false;
  DWORD flags = 0;
  if (type == REG_DWORD) {
    std::memcpy(&flags, text, sizeof flags);
  } else {
    wchar_t* end = nullptr;
    flags = static_cast<DWORD>(std::wcstoul(text, &end, 10));
    if (end == text) return false;
  }
  return (flags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

bool AppsUseLightTheme() {
  DWORD value = 1;
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kPersonalizeKey, kAppsUseLightTheme, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS)
    return true;
  return value != 0;
}

bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
      (contrast.dwFlags & HCF_HIGHCONTRASTON))
    return true;
  return RegistryHighContrast();
}
