// Move-only owners of GDI and USER handles: every handle the code creates is held by one
// of these, so nothing is freed twice and nothing leaks on an early return.
#pragma once

#include <utility>

#include "base/win32.h"

// Live GDI objects and DCs held by the owners below (a leak check where the platform cannot
// count a process's GDI objects).
long& OwnedGdiObjects();
// Objects given away by Release (to the platform or another owner): a hand-over is not a
// deletion, so a leak check can tell the two apart.
long& HandedOverGdiObjects();

// A GDI object (brush, pen, font, bitmap, region) deleted with DeleteObject.
template <typename H>
class TGdiHandle {
public:
  TGdiHandle() = default;
  explicit TGdiHandle(H handle) : FHandle(handle) {
    if (handle) ++OwnedGdiObjects();
  }
  ~TGdiHandle() { Reset(); }
  TGdiHandle(TGdiHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  TGdiHandle& operator=(TGdiHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.FHandle, nullptr));
    return *this;
  }
  TGdiHandle(const TGdiHandle&) = delete;
  TGdiHandle& operator=(const TGdiHandle&) = delete;

  H Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  void Reset(H handle = nullptr) {
    if (FHandle) {
      DeleteObject(FHandle);
      --OwnedGdiObjects();
    }
    FHandle = handle;
    if (handle) ++OwnedGdiObjects();
  }
  // Gives the handle up (for example to a window that takes ownership of a region).
  H Release() {
    if (FHandle) {
      --OwnedGdiObjects();
      ++HandedOverGdiObjects();
    }
    return std::exchange(FHandle, nullptr);
  }

private:
  H FHandle = nullptr;
};

using TBrushHandle = TGdiHandle<HBRUSH>;
using TPenHandle = TGdiHandle<HPEN>;
using TFontHandle = TGdiHandle<HFONT>;
using TBitmapHandle = TGdiHandle<HBITMAP>;
using TRegionHandle = TGdiHandle<HRGN>;

// A memory device context, deleted with DeleteDC.
class TMemoryDC {
public:
  explicit TMemoryDC(HDC compatible = nullptr) : FDC(CreateCompatibleDC(compatible)) {
    if (FDC) ++OwnedGdiObjects();
  }
  ~TMemoryDC() {
    if (FDC) {
      DeleteDC(FDC);
      --OwnedGdiObjects();
    }
  }
  TMemoryDC(TMemoryDC&& other) noexcept : FDC(std::exchange(other.FDC, nullptr)) {}
  TMemoryDC& operator=(TMemoryDC&&) = delete;
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  HDC Get() const { return FDC; }
  operator HDC() const { return FDC; }

private:
  HDC FDC;
};

// A window's DC from GetDC or GetWindowDC, released with ReleaseDC.
class TWindowDC {
public:
  enum Kind { Client, Whole };
  explicit TWindowDC(HWND window, Kind kind = Client)
      : FWindow(window), FDC(kind == Whole ? GetWindowDC(window) : GetDC(window)) {}
  ~TWindowDC() {
    if (FDC) ReleaseDC(FWindow, FDC);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  HDC Get() const { return FDC; }
  operator HDC() const { return FDC; }

private:
  HWND FWindow;
  HDC FDC;
};

// BeginPaint/EndPaint around a WM_PAINT.
class TPaintDC {
public:
  explicit TPaintDC(HWND window) : FWindow(window) { FDC = BeginPaint(window, &FPaint); }
  ~TPaintDC() { EndPaint(FWindow, &FPaint); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  HDC Get() const { return FDC; }
  operator HDC() const { return FDC; }
  const RECT& PaintRect() const { return FPaint.rcPaint; }

private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC = nullptr;
};

// Selects an object into a DC for the lifetime of this guard.
class TSelectObject {
public:
  TSelectObject(HDC dc, HGDIOBJ object) : FDC(dc), FOld(object ? SelectObject(dc, object) : nullptr) {}
  ~TSelectObject() {
    if (FOld) SelectObject(FDC, FOld);
  }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

private:
  HDC FDC;
  HGDIOBJ FOld;
};

// SaveDC/RestoreDC around a change of the DC's state (clip, origin, modes).
class TSaveDC {
public:
  explicit TSaveDC(HDC dc) : FDC(dc), FState(SaveDC(dc)) {}
  ~TSaveDC() {
    if (FState) RestoreDC(FDC, FState);
  }
  TSaveDC(const TSaveDC&) = delete;
  TSaveDC& operator=(const TSaveDC&) = delete;

private:
  HDC FDC;
  int FState;
};

// An icon or cursor created (not loaded shared) and destroyed with DestroyIcon.
class TIconHandle {
public:
  TIconHandle() = default;
  explicit TIconHandle(HICON icon) : FIcon(icon) {}
  ~TIconHandle() { Reset(); }
  TIconHandle(TIconHandle&& other) noexcept : FIcon(std::exchange(other.FIcon, nullptr)) {}
  TIconHandle& operator=(TIconHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.FIcon, nullptr));
    return *this;
  }
  TIconHandle(const TIconHandle&) = delete;
  TIconHandle& operator=(const TIconHandle&) = delete;
  HICON Get() const { return FIcon; }
  void Reset(HICON icon = nullptr) {
    if (FIcon) DestroyIcon(FIcon);
    FIcon = icon;
  }

private:
  HICON FIcon = nullptr;
};

// The process's count of GDI objects, for leak checks; where the platform does not count
// them, the objects the framework's owners hold.
inline long GdiObjectCount() {
  const DWORD platform = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  return platform ? static_cast<long>(platform) : OwnedGdiObjects();
}

// The header of a 32-bit picture whose rows run from the top, as pixel reads and probes want.
inline BITMAPINFO TopDownDibInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}
