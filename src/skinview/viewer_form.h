// TSkinViewForm: the skin viewer's main window — one page per control family, the skin
// component that skins every window of the program, and the actions that switch skinning and
// open another skin.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/stream.h"
#include "base/win32.h"
#include "ui/form.h"
#include "ui/pagecontrol.h"
#include "ui/statusbar.h"
#include "ui/stdctrls.h"

class TImageList;
class TMainMenu;
class TMenuItem;
class TPopupMenu;
class TSkinData;

class TSkinViewForm : public TForm {
  CORVANA_CLASS(TSkinViewForm)

public:
  // Builds the pages and starts skinning with the skin file, or with the built-in default skin
  // when the name is empty. A skin file that cannot be used is reported and the default skin
  // is used instead.
  TSkinViewForm(TComponent* owner, const std::wstring& skinFile);
  ~TSkinViewForm() override;

  TSkinData* SkinData() const { return FSkinData; }
  TPageControl* Pages() const { return FPages; }
  TStatusBar* StatusBar() const { return FStatusBar; }

  bool Skinning() const;
  void SetSkinning(bool on);
  void ToggleSkinning() { SetSkinning(!Skinning()); }
  // Loads another skin: true when it is in use; otherwise the current skin stays and the
  // problem goes to OnError.
  bool OpenSkinFile(const std::wstring& path);
  // Asks for a skin file with the platform's open dialog and loads it.
  void ChooseSkinFile();
  // The file of the skin in use; empty for the built-in default skin.
  const std::wstring& SkinFileShown() const { return FSkinFile; }
  std::wstring StatusText() const;
  // The scale the skin is drawn at; F3 steps it through 100, 125, 150 and 200 % for a skin
  // author without changing the display's scale (the controls keep the display's).
  int SkinScalePercent() const;
  void NextPreviewScale();

  // The main menu and the right-click menu (viewer_menus.cpp).
  TMainMenu* MainMenu() const { return FMainMenu; }
  TPopupMenu* ContextMenu() const { return FContextMenu; }
  // The skin files opened in this run, newest first.
  const std::vector<std::wstring>& RecentSkins() const { return FRecent; }
  void ShowContextMenu(POINT screen);

  // The skins of the skins folder beside the program, as listed in the file menu.
  const std::vector<std::wstring>& FolderSkins() const { return FFolderSkins; }
  // True while the system's high-contrast mode holds the skin off.
  bool HighContrast() const { return FHighContrast; }

  // Receives error texts for the user, also those of the start; a message box when empty
  // (tests set it, so no box waits for a click).
  static std::function<void(const std::wstring& text)> OnError;

  // The buttons of the first page, kept so their captions follow the state.
  TButton* ToggleButton = nullptr;

  static constexpr const wchar_t* kTitle = L"Corvana 皮肤查看器";
  static constexpr const wchar_t* kSkinFilter = L"皮肤文件 (*.skin;*.skn;*.zip)|*.skin;*.skn;*.zip|所有文件 (*.*)|*.*";

protected:
  void WndProc(TMessage& message) override;

private:
  void BuildPages();
  // Skin off while the system's high-contrast mode is on, back as it was when it goes off.
  void FollowHighContrast();
  void UseDefaultSkin();
  void StartSkinData();
  void UpdateState();
  void BuildMenus();
  // Captions, checks and the recent list follow the state.
  void UpdateMenus();
  void UpdateRecentItems();
  void AddRecentSkin(const std::wstring& path);
  void ReportError(const std::wstring& text);
  // F2 and Ctrl+O anywhere in this window.
  void KeyMessage(MSG& msg, bool& handled);

  TSkinData* FSkinData = nullptr;
  TPageControl* FPages = nullptr;
  TStatusBar* FStatusBar = nullptr;
  std::wstring FSkinFile;
  std::function<void(MSG&, bool&)> FSavedOnMessage;
  TMainMenu* FMainMenu = nullptr;
  TPopupMenu* FContextMenu = nullptr;
  TImageList* FMenuImages = nullptr;
  TMenuItem* FToggleItem = nullptr;
  TMenuItem* FRecentItem = nullptr;
  TMenuItem* FStatusItem = nullptr;
  TMenuItem* FPagesItem = nullptr;
  std::vector<std::wstring> FRecent;
  TMenuItem* FFolderItem = nullptr;
  std::vector<std::wstring> FFolderSkins;
  bool FHighContrast = false;
  bool FSkinningBeforeContrast = false;
};
