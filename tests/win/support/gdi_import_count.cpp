// Counting wrappers around the GDI creators and deleters the program imports.
#include "win/support/gdi_import_count.h"

#include <map>
#include <mutex>
#include <unordered_map>

#include "base/win32.h"
#include "win/support/import_patch.h"

namespace {

struct TState {
  std::mutex Lock;
  // Every counted object alive, with the name of the call that made it.
  std::unordered_map<HANDLE, const char*> Live;
  TGdiImportCounts Counts;
};

TState& State() {
  static TState* state = new TState();  // never freed: wrappers may run during shutdown
  return *state;
}

void Remember(HANDLE handle, const char* creator) {
  if (!handle) return;
  TState& s = State();
  std::lock_guard guard(s.Lock);
  ++s.Counts.Created;
  // A handle the table still holds was freed out of our sight (by the system) and made anew.
  if (!s.Live.insert_or_assign(handle, creator).second) ++s.Counts.Deleted;
}

// True when the handle was counted (and is now forgotten).
bool Forget(HANDLE handle) {
  TState& s = State();
  std::lock_guard guard(s.Lock);
  if (s.Live.erase(handle) == 0) return false;
  ++s.Counts.Deleted;
  return true;
}

void ForeignDelete() {
  TState& s = State();
  std::lock_guard guard(s.Lock);
  ++s.Counts.ForeignDeletes;
}

// One wrapper per creator, told apart by the name; the original entry is kept in the wrapper.
template <const char* Name, typename F>
struct TCreator;
template <const char* Name, typename R, typename... A>
struct TCreator<Name, R(WINAPI*)(A...)> {
  static inline R(WINAPI* Original)(A...) = nullptr;
  static R WINAPI Hook(A... args) {
    R handle = Original(args...);
    Remember(reinterpret_cast<HANDLE>(handle), Name);
    return handle;
  }
};

// LoadImageW and CopyImage make bitmaps only for IMAGE_BITMAP; icons and cursors are not GDI
// objects of this count.
decltype(&::LoadImageW) g_LoadImageW = nullptr;
HANDLE WINAPI LoadImageWHook(HINSTANCE module, LPCWSTR name, UINT type, int cx, int cy, UINT flags) {
  HANDLE handle = g_LoadImageW(module, name, type, cx, cy, flags);
  if (type == IMAGE_BITMAP && !(flags & LR_SHARED)) Remember(handle, "LoadImageW");
  return handle;
}
decltype(&::CopyImage) g_CopyImage = nullptr;
HANDLE WINAPI CopyImageHook(HANDLE image, UINT type, int cx, int cy, UINT flags) {
  HANDLE handle = g_CopyImage(image, type, cx, cy, flags);
  if (type == IMAGE_BITMAP && handle != image) Remember(handle, "CopyImage");
  return handle;
}

decltype(&::DeleteObject) g_DeleteObject = nullptr;
BOOL WINAPI DeleteObjectHook(HGDIOBJ object) {
  const BOOL done = g_DeleteObject(object);
  if (done && object && !Forget(object)) ForeignDelete();
  return done;
}
decltype(&::DeleteDC) g_DeleteDC = nullptr;
BOOL WINAPI DeleteDCHook(HDC dc) {
  const BOOL done = g_DeleteDC(dc);
  if (done && dc && !Forget(dc)) ForeignDelete();
  return done;
}
decltype(&::SetWindowRgn) g_SetWindowRgn = nullptr;
int WINAPI SetWindowRgnHook(HWND window, HRGN region, BOOL redraw) {
  const int done = g_SetWindowRgn(window, region, redraw);
  // From here on the window owns the region: the program must not free it, the system does.
  if (done && region && Forget(region)) {
    TState& s = State();
    std::lock_guard guard(s.Lock);
    ++s.Counts.HandedToWindows;
  }
  return done;
}

#define CREATOR_NAME(fn) constexpr char k##fn[] = #fn;
CREATOR_NAME(CreateRectRgn)
CREATOR_NAME(CreateRectRgnIndirect)
CREATOR_NAME(CreateRoundRectRgn)
CREATOR_NAME(CreateEllipticRgn)
CREATOR_NAME(CreatePolygonRgn)
CREATOR_NAME(ExtCreateRegion)
CREATOR_NAME(CreateSolidBrush)
CREATOR_NAME(CreatePatternBrush)
CREATOR_NAME(CreateBrushIndirect)
CREATOR_NAME(CreateHatchBrush)
CREATOR_NAME(CreateDIBPatternBrushPt)
CREATOR_NAME(CreatePen)
CREATOR_NAME(CreatePenIndirect)
CREATOR_NAME(ExtCreatePen)
CREATOR_NAME(CreateFontIndirectW)
CREATOR_NAME(CreateFontIndirectA)
CREATOR_NAME(CreateFontW)
CREATOR_NAME(CreateFontA)
CREATOR_NAME(CreateCompatibleBitmap)
CREATOR_NAME(CreateBitmap)
CREATOR_NAME(CreateBitmapIndirect)
CREATOR_NAME(CreateDIBSection)
CREATOR_NAME(CreateDIBitmap)
CREATOR_NAME(CreateCompatibleDC)
CREATOR_NAME(CreateDCW)
CREATOR_NAME(LoadBitmapW)
#undef CREATOR_NAME

struct TEntry {
  const char* Dll;
  const char* Name;
  void* Hook;
  void** Original;
};

#define CREATOR(dll, fn)                                                          \
  TEntry {                                                                        \
    dll, k##fn, reinterpret_cast<void*>(&TCreator<k##fn, decltype(&::fn)>::Hook), \
        reinterpret_cast<void**>(&TCreator<k##fn, decltype(&::fn)>::Original)     \
  }
#define WRAPPER(dll, fn)                                                            \
  TEntry {                                                                          \
    dll, #fn, reinterpret_cast<void*>(&fn##Hook), reinterpret_cast<void**>(&g_##fn) \
  }

const TEntry kEntries[] = {
    CREATOR("gdi32.dll", CreateRectRgn),
    CREATOR("gdi32.dll", CreateRectRgnIndirect),
    CREATOR("gdi32.dll", CreateRoundRectRgn),
    CREATOR("gdi32.dll", CreateEllipticRgn),
    CREATOR("gdi32.dll", CreatePolygonRgn),
    CREATOR("gdi32.dll", ExtCreateRegion),
    CREATOR("gdi32.dll", CreateSolidBrush),
    CREATOR("gdi32.dll", CreatePatternBrush),
    CREATOR("gdi32.dll", CreateBrushIndirect),
    CREATOR("gdi32.dll", CreateHatchBrush),
    CREATOR("gdi32.dll", CreateDIBPatternBrushPt),
    CREATOR("gdi32.dll", CreatePen),
    CREATOR("gdi32.dll", CreatePenIndirect),
    CREATOR("gdi32.dll", ExtCreatePen),
    CREATOR("gdi32.dll", CreateFontIndirectW),
    CREATOR("gdi32.dll", CreateFontIndirectA),
    CREATOR("gdi32.dll", CreateFontW),
    CREATOR("gdi32.dll", CreateFontA),
    CREATOR("gdi32.dll", CreateCompatibleBitmap),
    CREATOR("gdi32.dll", CreateBitmap),
    CREATOR("gdi32.dll", CreateBitmapIndirect),
    CREATOR("gdi32.dll", CreateDIBSection),
    CREATOR("gdi32.dll", CreateDIBitmap),
    CREATOR("gdi32.dll", CreateCompatibleDC),
    CREATOR("gdi32.dll", CreateDCW),
    CREATOR("user32.dll", LoadBitmapW),
    WRAPPER("user32.dll", LoadImageW),
    WRAPPER("user32.dll", CopyImage),
    WRAPPER("gdi32.dll", DeleteObject),
    WRAPPER("gdi32.dll", DeleteDC),
    WRAPPER("user32.dll", SetWindowRgn),
};
#undef CREATOR
#undef WRAPPER

int g_Patched = -1;

}  // namespace

bool InstallGdiImportCounting() {
  if (g_Patched >= 0) return g_Patched > 0;
  g_Patched = 0;
  for (const TEntry& e : kEntries) {
    void* original = PatchImport(e.Dll, e.Name, e.Hook);
    if (!original) continue;
    *e.Original = original;
    ++g_Patched;
  }
  return g_Patched > 0;
}

TGdiImportCounts GdiImportCounts() {
  TState& s = State();
  std::lock_guard guard(s.Lock);
  return s.Counts;
}

std::string LiveGdiObjectsByCreator() {
  std::map<std::string, int> byCreator;
  {
    TState& s = State();
    std::lock_guard guard(s.Lock);
    for (const auto& [handle, creator] : s.Live) ++byCreator[creator];
  }
  std::string text;
  for (const auto& [creator, count] : byCreator) {
    if (!text.empty()) text += ", ";
    text += creator + (" " + std::to_string(count));
  }
  return text;
}

int PatchedGdiImports() {
  return g_Patched < 0 ? 0 : g_Patched;
}
