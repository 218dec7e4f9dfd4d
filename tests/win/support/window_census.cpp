// The thread's windows and the watch on window-procedure replacement.
#include "win/support/window_census.h"

#include <set>

#include "win/support/import_patch.h"

namespace {

std::set<HWND>& Subclassed() {
  static auto* windows = new std::set<HWND>();
  return *windows;
}

decltype(&::SetWindowLongPtrW) g_SetW = nullptr;
decltype(&::SetWindowLongPtrA) g_SetA = nullptr;

LONG_PTR WINAPI SetWHook(HWND window, int index, LONG_PTR value) {
  if (index == GWLP_WNDPROC) Subclassed().insert(window);
  return g_SetW(window, index, value);
}
LONG_PTR WINAPI SetAHook(HWND window, int index, LONG_PTR value) {
  if (index == GWLP_WNDPROC) Subclassed().insert(window);
  return g_SetA(window, index, value);
}

LONG_PTR ProcOf(HWND window) {
  return IsWindowUnicode(window) ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

BOOL CALLBACK AddChild(HWND window, LPARAM list) {
  reinterpret_cast<std::map<HWND, LONG_PTR>*>(list)->emplace(window, ProcOf(window));
  return TRUE;
}

BOOL CALLBACK AddTopLevel(HWND window, LPARAM list) {
  AddChild(window, list);
  EnumChildWindows(window, &AddChild, list);
  return TRUE;
}

bool g_Installed = false;

}  // namespace

std::map<HWND, LONG_PTR> ThreadWindowProcs() {
  std::map<HWND, LONG_PTR> windows;
  EnumThreadWindows(GetCurrentThreadId(), &AddTopLevel, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

bool InstallWindowProcWatch() {
  if (!g_Installed) {
    g_Installed = true;
    if (void* w = PatchImport("user32.dll", "SetWindowLongPtrW", reinterpret_cast<void*>(&SetWHook)))
      g_SetW = reinterpret_cast<decltype(g_SetW)>(w);
    if (void* a = PatchImport("user32.dll", "SetWindowLongPtrA", reinterpret_cast<void*>(&SetAHook)))
      g_SetA = reinterpret_cast<decltype(g_SetA)>(a);
  }
  return g_SetW || g_SetA;
}

void ResetWindowProcWatch() {
  Subclassed().clear();
}

TWindowProcCheck CheckWindowProcs(const std::map<HWND, LONG_PTR>& baseline) {
  TWindowProcCheck check;
  for (HWND window : Subclassed()) {
    ++check.Subclassed;
    if (!IsWindow(window)) {
      ++check.Destroyed;
      continue;
    }
    const auto known = baseline.find(window);
    if (known != baseline.end() && known->second == ProcOf(window))
      ++check.Restored;
    else
      ++check.NotRestored;
  }
  for (const auto& [window, proc] : ThreadWindowProcs())
    if (!baseline.count(window)) ++check.WindowsLeft;
  return check;
}

std::string DescribeUncleanWindows(const std::map<HWND, LONG_PTR>& baseline) {
  auto name = [](HWND window) {
    wchar_t text[80] = {};
    GetClassNameW(window, text, 80);
    std::string ascii;
    for (const wchar_t* c = text; *c; ++c) ascii += *c < 128 ? static_cast<char>(*c) : '?';
    return ascii;
  };
  std::string notRestored, left;
  for (HWND window : Subclassed()) {
    if (!IsWindow(window)) continue;
    const auto known = baseline.find(window);
    if (known == baseline.end() || known->second != ProcOf(window)) notRestored += " " + name(window);
  }
  for (const auto& [window, proc] : ThreadWindowProcs())
    if (!baseline.count(window)) left += " " + name(window);
  return "not restored:" + notRestored + "; left:" + left;
}
