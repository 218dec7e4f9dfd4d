// Reads the running system's version once; tests may replace it.
#include "ui/platform.h"

#include <optional>

#include "base/win32.h"

namespace {

TPlatformVersion ReadRealVersion() {
  TPlatformVersion version;
  // GetVersionEx answers what the manifest allows; the kernel's own call tells the truth.
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  const auto rtlGetVersion =
      ntdll ? reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
            : nullptr;
  if (!rtlGetVersion || rtlGetVersion(&info) != 0) {
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info)) return version;
  }
  version.NT = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  version.Major = static_cast<int>(info.dwMajorVersion);
  version.Minor = static_cast<int>(info.dwMinorVersion);
  return version;
}

std::optional<TPlatformVersion>& Override() {
  static std::optional<TPlatformVersion> value;
  return value;
}

}  // namespace

const TPlatformVersion& PlatformVersion() {
  static const TPlatformVersion real = ReadRealVersion();
  return Override() ? *Override() : real;
}

void SetPlatformVersion(const TPlatformVersion& version) { Override() = version; }

void ResetPlatformVersion() { Override().reset(); }
