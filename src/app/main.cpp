// Program start: one copy only, then the main window and the message loop.
#include <optional>
#include <string>

#include "app/main_form.h"
#include "base/error.h"
#include "skin/model/skin_manage.h"
#include "ui/application.h"

namespace {

// "--skin FILE": a skin for this run; a "--skin" without a file counts as an unusable skin.
std::optional<std::wstring> SkinArgument() {
  std::optional<std::wstring> skin;
  int count = 0;
  if (LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) {
      if (std::wstring(args[i]) == L"--skin") skin = i + 1 < count ? std::wstring(args[++i]) : std::wstring();
    }
    LocalFree(args);
  }
  return skin;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // A second copy ends at once, silently; the first keeps the mutex until it ends.
  HANDLE mutex = CreateMutexW(nullptr, TRUE, L"Corvana");
  if (!mutex) return 0;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return 0;
  }
  TApplication application;
  application.Initialize();
  application.SetTitle(L"Corvana");
  application.SetIcon(LoadIconW(instance, L"MAINICON"));
  try {
    application.CreateForm<TForm1>()->StartSkinChoice(SkinArgument());
  } catch (const Exception& e) {
    application.ShowException(e.Message());
    return 1;
  }
  application.Run();
  // The skin manager unhooks while the application and its timers still exist.
  FreeSkinManager();
  return 0;
}
