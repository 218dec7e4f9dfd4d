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
  // The system's scale is fixed for a process's life, and the skin asks for it on every paint
  // and hit test: it is read once.
  static const int dpi = [] {
    // GetDpiForSystem is there from Windows 10 1607; older systems give the screen's pixels.
    using TGetDpiForSystem = UINT(WINAPI*)();
    const auto getDpiForSystem = User32Function<TGetDpiForSystem>("GetDpiForSystem");
    if (getDpiForSystem) {
      const int system = static_cast<int>(getDpiForSystem());
      if (Plausible(system)) return system;
    }
    HDC screen = GetDC(nullptr);
    const int pixels = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return Plausible(pixels) ? pixels : kDesignDpi;
  }();
  return dpi;
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
