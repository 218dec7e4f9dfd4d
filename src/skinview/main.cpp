// Start of the skin viewer: corvana-skinview.exe [SKINFILE].
#include "base/error.h"
#include "base/win32.h"
#include "skin/model/skin_manage.h"
#include "skinview/viewer_form.h"
#include "ui/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  std::wstring skinFile;
  int count = 0;
  if (LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count)) {
    if (count > 1) skinFile = args[1];
    LocalFree(args);
  }
  TApplication application;
  application.Initialize();
  application.SetTitle(TSkinViewForm::kTitle);
  application.SetIcon(LoadIconW(instance, L"MAINICON"));
  try {
    auto* form = new TSkinViewForm(&application, skinFile);
    application.SetMainForm(form);
  } catch (const Exception& e) {
    application.ShowException(e.Message());
    return 1;
  }
  application.Run();
  // The skin manager unhooks while the application and its timers still exist.
  FreeSkinManager();
  return 0;
}
