#include "ui/dpi.h"

namespace {
template <class F>
F User32Function(const char* name) {
  HMODULE user = GetModuleHandleW(L"user32.dll");
  return user ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user, name))) : nullptr;
}

bool Plausible(int dpi) {
  return dpi >= 48 && dpi <= 960;
}
}  // namespace

int SystemDpi() {
  // GetDpiForSystem is there from Windows 10 1607; older systems give the screen's pixels.
  using TGetDpiForSystem = UINT(WINAPI*)();
  static const auto getDpiForSystem = User32Function<TGetDpiForSystem>("GetDpiForSystem");
  if (getDpiForSystem) {
    const int dpi = static_cast<int>(getDpiForSystem());
    if (Plausible(dpi)) return dpi;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return Plausible(dpi) ? dpi : kDesignDpi;
}

int WindowDpi(HWND window) {
  using TGetDpiForWindow = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<TGetDpiForWindow>("GetDpiForWindow");
  if (window && getDpiForWindow && IsWindow(window)) {
    const int dpi = static_cast<int>(getDpiForWindow(window));
    if (Plausible(dpi)) return dpi;
  }
  return SystemDpi();
}
