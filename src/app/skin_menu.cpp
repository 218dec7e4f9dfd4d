// The skin submenu of the main window's system menu and the choice behind it.
#include "app/skin_menu.h"

#include "base/codec.h"
#include "skin/model/skin_data.h"
#include "skinchoice/settings_store.h"
#include "skinchoice/skin_choice.h"
#include "skinchoice/skin_source.h"
#include "skinchoice/skin_switch.h"
#include "skinchoice/system_theme.h"

namespace {

constexpr const wchar_t* kSkinMenuText = L"皮肤";
constexpr const wchar_t* kFollowSystemText = L"跟随系统";
constexpr const wchar_t* kNoSkinText = L"不使用皮肤";
constexpr const wchar_t* kRunSkinUnusable = L"皮肤文件无法读取，使用默认皮肤";
constexpr const wchar_t* kFolderSkinUnusable = L"所选皮肤无法读取，使用默认皮肤";

}  // namespace

TSkinMenu::TSkinMenu(HWND window, TSkinData& data, std::function<void(const std::wstring&)> status)
    : FWindow(window), FSwitch(std::make_unique<TSkinSwitch>(data)), FStatus(std::move(status)) {}

TSkinMenu::~TSkinMenu() = default;

void TSkinMenu::Start(const std::optional<std::wstring>& runSkin) {
  FSettingsFile = SettingsFilePath();
  FChoice = LoadSkinChoice(FSettingsFile);
  FLightApps = AppsUseLightTheme();
  FHighContrast = HighContrastOn();
  FSkins = ListSkinFolder(std::filesystem::path(SkinsFolder()));
  if (runSkin) {
    std::wstring problem;
    TMemoryStream checked;
    // A skin that cannot be used is said once; the run goes on with the built-in skin.
    if (ReadSkinFile(*runSkin, checked, problem)) {
      FRunSkin = *runSkin;
    } else {
      FRunSkin = std::wstring();
      if (FStatus) FStatus(kRunSkinUnusable);
    }
  }
  Apply();
}

bool TSkinMenu::SystemCommand(WPARAM command) {
  const UINT id = static_cast<UINT>(command & 0xFFF0);
  if (id < kSkinCommandFirst || id > kNoSkinCommand) return false;
  TSkinChoice choice;
  if (id == kNoSkinCommand) {
    choice.kind = TSkinChoice::Kind::None;
  } else if (id != kFollowSystemCommand) {
    const size_t index = (id - kSkinCommandFirst) / kSkinCommandStep;
    if (index >= FSkins.size()) return true;
    choice = TSkinChoice{TSkinChoice::Kind::File, FSkins[index].file};
  }
  FChoice = choice;
  FRunSkin.reset();
  SaveSkinChoice(FSettingsFile, FChoice);
  Apply();
  return true;
}

void TSkinMenu::SystemSettingsChanged() {
  const bool light = AppsUseLightTheme(), highContrast = HighContrastOn();
  if (light == FLightApps && highContrast == FHighContrast) return;
  FLightApps = light;
  FHighContrast = highContrast;
  Apply();
}

void TSkinMenu::UseFileOrBuiltIn(const std::wstring& path) {
  if (path.empty()) {
    FSwitch->UseBuiltIn();
    return;
  }
  std::wstring problem;
  if (!FSwitch->UseFile(path, problem)) {
    FSwitch->UseBuiltIn();
    if (FStatus) FStatus(kFolderSkinUnusable);
  }
}

void TSkinMenu::Apply() {
  FFolderSkinInUse.clear();
  if (FHighContrast) {
    FSwitch->SetSkinned(false);
  } else if (FRunSkin) {
    UseFileOrBuiltIn(*FRunSkin);
    FSwitch->SetSkinned(true);
  } else {
    const TSkinUse use = ResolveSkinUse(FChoice, FLightApps, false, SkinFileNames(FSkins));
    if (use.skinned) {
      UseFileOrBuiltIn(use.file.empty() ? std::wstring() : SkinsFolder() + L"\\" + Utf8ToWide(use.file));
      if (!use.file.empty() && !FSwitch->FileInUse().empty()) FFolderSkinInUse = use.file;
    }
    FSwitch->SetSkinned(use.skinned);
  }
  BuildMenu();
}

void TSkinMenu::RefreshMenu() {
  FSkins = ListSkinFolder(std::filesystem::path(SkinsFolder()));
  BuildMenu();
}

void TSkinMenu::EnsureInSystemMenu() {
  // The platform may hand out a fresh system menu (after a style change, or when someone reset
  // it); the submenu then goes in again.
  HMENU system = GetSystemMenu(FWindow, FALSE);
  if (!system) return;
  const int count = GetMenuItemCount(system);
  if (FSubmenu && IsMenu(FSubmenu) && count > 0 && GetSubMenu(system, count - 1) == FSubmenu) return;
  FSubmenu = CreatePopupMenu();
  AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(system, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(FSubmenu), kSkinMenuText);
}

void TSkinMenu::BuildMenu() {
  EnsureInSystemMenu();
  if (!FSubmenu) return;
  while (GetMenuItemCount(FSubmenu) > 0) DeleteMenu(FSubmenu, 0, MF_BYPOSITION);
  for (size_t i = 0; i < FSkins.size(); ++i) {
    const bool inUse = FSkins[i].file == FFolderSkinInUse;
    AppendMenuW(FSubmenu, MF_STRING | (inUse ? MF_CHECKED : MF_UNCHECKED),
                kSkinCommandFirst + kSkinCommandStep * static_cast<UINT>(i), Utf8ToWide(FSkins[i].name).c_str());
  }
  if (!FSkins.empty()) AppendMenuW(FSubmenu, MF_SEPARATOR, 0, nullptr);
  const bool chosen = !FRunSkin.has_value();
  AppendMenuW(FSubmenu, MF_STRING | (chosen && FChoice.kind == TSkinChoice::Kind::Follow ? MF_CHECKED : MF_UNCHECKED),
              kFollowSystemCommand, kFollowSystemText);
  AppendMenuW(FSubmenu, MF_STRING | (chosen && FChoice.kind == TSkinChoice::Kind::None ? MF_CHECKED : MF_UNCHECKED),
              kNoSkinCommand, kNoSkinText);
}
