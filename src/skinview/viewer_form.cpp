// The viewer's main window: the skin component, switching skinning, opening skins, the
// keyboard and the status line.
#include "skinview/viewer_form.h"

#include "base/codec.h"
#include "skin/form/control_skinners.h"
#include "skin/form/form_skinner.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_manage.h"
#include "skinchoice/skin_source.h"
#include "skinchoice/system_theme.h"
#include "skinview/viewer_pages.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/dpi.h"

const TClassInfo& TSkinViewForm::StaticClassInfo() {
  static const TClassInfo info("TSkinViewForm", &TForm::StaticClassInfo(), {});
  return info;
}

std::function<void(const std::wstring& text)> TSkinViewForm::OnError;

TSkinViewForm::TSkinViewForm(TComponent* owner, const std::wstring& skinFile) : TForm(owner) {
  SetCaption(kTitle);
  SetBounds(140, 90, 640, 480);
  Font()->SetName(L"宋体");
  Font()->SetHeight(-12);
  BuildPages();
  BuildMenus();

  // The skin component must be known and the manager able to make form skinners before the
  // component loads, as when a form description carrying it is read.
  RegisterSkinModelClasses();
  TWinSkinForm::Register();
  RegisterControlSkinners();
  FSkinData = new TSkinData(this);
  FSkinData->SetName("SkinData1");
  ChooseViewerSkinners(*this, *FSkinData);
  std::wstring problem;
  if (!skinFile.empty() && ReadSkinFile(skinFile, FSkinData->StoredStream(), problem)) {
    FSkinFile = skinFile;
    AddRecentSkin(skinFile);
  } else {
    if (!skinFile.empty()) ReportError(L"无法打开皮肤“" + skinFile + L"”：\n" + problem + L"\n改用内置默认皮肤。");
    UseDefaultSkin();
  }
  StartSkinData();

  FSavedOnMessage = Application() ? Application()->OnMessage : nullptr;
  if (Application()) {
    Application()->OnMessage = [this](MSG& msg, bool& handled) {
      if (FSavedOnMessage) FSavedOnMessage(msg, handled);
      if (!handled) KeyMessage(msg, handled);
    };
  }
  FollowHighContrast();
  // The status line names the scale, which a move to another monitor changes.
  OnDpiChanged = [this](TObject*) { UpdateState(); };
  UpdateState();
}

TSkinViewForm::~TSkinViewForm() {
  if (Application()) Application()->OnMessage = FSavedOnMessage;
}

void TSkinViewForm::BuildPages() {
  FStatusBar = new TStatusBar(this);
  FStatusBar->SetParent(this);
  FStatusBar->SetAlign(TAlign::alBottom);
  FStatusBar->SetSimplePanel(true);
  FPages = new TPageControl(this);
  FPages->SetParent(this);
  FPages->SetAlign(TAlign::alClient);
  for (const TViewerPage& page : ViewerPages()) {
    auto* sheet = new TTabSheet(this);
    sheet->SetParent(FPages);
    sheet->SetCaption(page.Title);
    page.Fill(*this, *sheet);
  }
  FPages->SetActivePageIndex(0);
}

void TSkinViewForm::UseDefaultSkin() {
  FSkinFile.clear();
  if (!ReadDefaultSkin(FSkinData->StoredStream())) ReportError(L"程序缺少内置默认皮肤，窗口不换肤。");
}

void TSkinViewForm::StartSkinData() {
  // The component is brought up the way the form reader does it: properties while loading,
  // then Loaded, which registers it with the manager and schedules skinning.
  FSkinData->SetComponentState(csLoading, true);
  FSkinData->LoadSkinFromStore();
  FSkinData->SetActive(true);
  FSkinData->SetComponentState(csLoading, false);
  FSkinData->Loaded();
  if (FSkinData->SkinPending()) ReportError(L"皮肤无法使用，窗口不换肤。");
}

void TSkinViewForm::FollowHighContrast() {
  const bool on = HighContrastOn();
  if (on == FHighContrast || !FSkinData) return;
  FHighContrast = on;
  if (on) {
    FSkinningBeforeContrast = Skinning();
    FSkinData->SetActive(false);
  } else if (FSkinningBeforeContrast && !FSkinData->SkinPending()) {
    FSkinData->SetActive(true);
  }
  UpdateState();
}

void TSkinViewForm::WndProc(TMessage& message) {
  if (message.Msg == WM_SETTINGCHANGE || message.Msg == WM_SYSCOLORCHANGE) FollowHighContrast();
  TForm::WndProc(message);
}

bool TSkinViewForm::Skinning() const {
  return FSkinData && FSkinData->Active();
}

void TSkinViewForm::SetSkinning(bool on) {
  if (!FSkinData) return;
  // High contrast keeps the platform's look; the wish counts when it ends.
  if (FHighContrast) {
    FSkinningBeforeContrast = on;
    UpdateState();
    return;
  }
  if (on && FSkinData->SkinPending()) {
    ReportError(L"没有可用的皮肤，无法开启换肤。");
    return;
  }
  FSkinData->SetActive(on);
  UpdateState();
}

bool TSkinViewForm::OpenSkinFile(const std::wstring& path) {
  if (!FSkinData) return false;
  TMemoryStream archive;
  std::wstring problem;
  if (!ReadSkinFile(path, archive, problem)) {
    ReportError(L"无法打开皮肤“" + path + L"”：\n" + problem + L"\n仍使用当前皮肤。");
    return false;
  }
  // The component reads the file itself, so its refresh path runs; the archive in use is
  // kept to go back to when the description turns out unusable half way.
  TMemoryStream previous;
  previous.LoadFromStream(FSkinData->StoredStream());
  FSkinData->SetSkinFile(WideToUtf8(path));
  if (FSkinData->SkinPending()) {
    FSkinData->SetSkinFile("");
    FSkinData->StoredStream().LoadFromStream(previous);
    FSkinData->LoadSkinFromStore();
    FSkinData->RefreshSkin();
    ReportError(L"皮肤“" + path + L"”的描述无法使用。\n仍使用当前皮肤。");
    UpdateState();
    return false;
  }
  FSkinFile = path;
  AddRecentSkin(path);
  UpdateState();
  return true;
}

void TSkinViewForm::ChooseSkinFile() {
  std::wstring buffer(32768, L'\0');
  const std::wstring filter = TSaveDialog::PlatformFilter(kSkinFilter);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Handle();
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrTitle = L"打开皮肤文件";
  ofn.Flags = OFN_ENABLESIZING | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  if (!GetOpenFileNameW(&ofn)) return;
  OpenSkinFile(buffer.c_str());
}

std::wstring TSkinViewForm::StatusText() const {
  std::wstring text = L"皮肤：";
  const std::string name = FSkinData ? FSkinData->SkinName() : std::string();
  text += name.empty() ? L"（无名称）" : Utf8ToWide(GbkToUtf8(name));
  // The file's name only: a whole path would push the keys out of the bar (the recent-skins
  // menu shows where the file is).
  const std::wstring file = FSkinFile.substr(FSkinFile.find_last_of(L"\\/") + 1);
  text += L"（" + (FSkinFile.empty() ? std::wstring(L"内置默认皮肤") : file) + L"）";
  text += Skinning() ? L"   换肤：开启" : FHighContrast ? L"   换肤：关闭（高对比度）" : L"   换肤：关闭";
  text += L"   缩放：" + std::to_wstring(SkinScalePercent()) + L"%";
  // Before its window exists the form is not scaled yet; it will be to the system's scale.
  const int display = ScaleByDpi(100, HandleAllocated() ? CurrentDpi() : SystemDpi());
  if (display != SkinScalePercent()) text += L"（预览，显示器 " + std::to_wstring(display) + L"%）";
  text += L"   F2 开关换肤  F3 缩放预览  Ctrl+O 打开皮肤";
  return text;
}

int TSkinViewForm::SkinScalePercent() const {
  return FSkinData ? ScaleByDpi(100, FSkinData->Dpi()) : 100;
}

void TSkinViewForm::NextPreviewScale() {
  if (!FSkinData) return;
  static constexpr int kPreviewDpis[] = {96, 120, 144, 192};
  const int now = FSkinData->Dpi();
  int next = kPreviewDpis[0];
  for (int dpi : kPreviewDpis) {
    if (dpi > now) {
      next = dpi;
      break;
    }
  }
  FSkinData->SetDpi(next);
  UpdateState();
}

void TSkinViewForm::UpdateState() {
  if (FStatusBar) FStatusBar->SetSimpleText(StatusText());
  if (ToggleButton) ToggleButton->SetCaption(Skinning() ? L"关闭换肤(F2)" : L"开启换肤(F2)");
  UpdateMenus();
}

void TSkinViewForm::ReportError(const std::wstring& text) {
  if (OnError) {
    OnError(text);
    return;
  }
  MessageBoxW(HandleAllocated() ? Handle() : nullptr, text.c_str(), kTitle, MB_OK | MB_ICONERROR);
}

void TSkinViewForm::KeyMessage(MSG& msg, bool& handled) {
  if (msg.message == WM_RBUTTONUP && HandleAllocated() && dynamic_cast<TTabSheet*>(ControlOfWindow(msg.hwnd)) &&
      GetAncestor(msg.hwnd, GA_ROOT) == Handle()) {
    POINT at{};
    GetCursorPos(&at);
    ShowContextMenu(at);
    handled = true;
    return;
  }
  if (msg.message != WM_KEYDOWN || !HandleAllocated()) return;
  if (GetAncestor(msg.hwnd, GA_ROOT) != Handle()) return;
  if (msg.wParam == VK_F2) {
    ToggleSkinning();
    handled = true;
  } else if (msg.wParam == VK_F3) {
    NextPreviewScale();
    handled = true;
  } else if (msg.wParam == 'O' && (GetKeyState(VK_CONTROL) & 0x8000)) {
    ChooseSkinFile();
    handled = true;
  }
}
