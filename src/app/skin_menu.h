// The main window's "皮肤" submenu of the system menu and the skin it wears: the skins of the
// skins folder, following the system's light or dark apps, no skin, the remembered choice, a
// skin given on the command line for one run, and no skin while high contrast is on.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/win32.h"
#include "skinchoice/skin_folder.h"
#include "skinchoice/skin_settings.h"

class TSkinData;
class TSkinSwitch;

// System-menu commands of the submenu (the platform keeps the low four bits of a system command
// for itself, so they step by 16 and stay below the platform's own).
inline constexpr UINT kSkinCommandFirst = 0x7000;
inline constexpr UINT kSkinCommandStep = 0x10;
inline constexpr UINT kFollowSystemCommand = kSkinCommandFirst + kSkinCommandStep * kMaxListedSkins;
inline constexpr UINT kNoSkinCommand = kFollowSystemCommand + kSkinCommandStep;

class TSkinMenu {
public:
  // status writes the first panel of the status bar.
  TSkinMenu(HWND window, TSkinData& data, std::function<void(const std::wstring&)> status);
  ~TSkinMenu();
  TSkinMenu(const TSkinMenu&) = delete;
  TSkinMenu& operator=(const TSkinMenu&) = delete;

  // Adds the submenu and puts on the skin: the one given for this run when there is one,
  // otherwise the remembered choice (following the system on a first start).
  void Start(const std::optional<std::wstring>& runSkin);
  // A system command of the submenu: used, remembered, and true; false for other commands.
  bool SystemCommand(WPARAM command);
  // The system's settings or colours changed: light or dark apps and high contrast are read
  // again, and the skin follows when they changed.
  void SystemSettingsChanged();
  // Lists the skins folder again (a user may have dropped a skin there) and sets the checks.
  void RefreshMenu();

private:
  void Apply();
  void BuildMenu();
  void EnsureInSystemMenu();
  void UseFileOrBuiltIn(const std::wstring& path);

  HWND FWindow;
  std::unique_ptr<TSkinSwitch> FSwitch;
  std::function<void(const std::wstring&)> FStatus;
  std::wstring FSettingsFile;
  TSkinChoice FChoice;
  // A skin for this run only (from the command line); empty text for the built-in skin.
  std::optional<std::wstring> FRunSkin;
  bool FLightApps = true;
  bool FHighContrast = false;
  std::vector<TSkinFileEntry> FSkins;
  HMENU FSubmenu = nullptr;
  // The folder skin in use (file name), for the check mark; empty when none of them is.
  std::string FFolderSkinInUse;
};
