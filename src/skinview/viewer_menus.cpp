// The viewer's main menu (file, view, a disabled edit menu, help; three levels deep, with
// separators, shortcuts, images, checked and radio items) and its right-click menu.
#include <algorithm>

#include "base/codec.h"
#include "skinchoice/settings_store.h"
#include "skinchoice/skin_folder.h"
#include "skinview/viewer_form.h"
#include "skinview/viewer_pages.h"
#include "ui/application.h"
#include "ui/imagelist.h"
#include "ui/menus.h"

namespace {

constexpr size_t kMaxRecentSkins = 5;
// Images of the glyph strip the program carries (restore, maximize, minimize, close).
constexpr int kImageMaximize = 1, kImageMinimize = 2, kImageClose = 3;

TMenuItem* Item(TSkinViewForm& form, TMenuItem* parent, const std::wstring& caption, TNotifyEvent onClick = nullptr) {
  auto* item = new TMenuItem(&form);
  item->SetCaption(caption);
  item->OnClick = std::move(onClick);
  parent->Add(item);
  return item;
}

void Line(TSkinViewForm& form, TMenuItem* parent) { Item(form, parent, L"-"); }

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

void TSkinViewForm::BuildMenus() {
  FMenuImages = new TImageList(this);
  FMenuImages->LoadFromResourceName(GetModuleHandleW(nullptr), L"REDEDODEVED", clWhite);
  FMainMenu = new TMainMenu(this);
  FMainMenu->SetImages(FMenuImages);

  TMenuItem* file = Item(*this, FMainMenu->Items(), L"文件(&F)");
  TMenuItem* open = Item(*this, file, L"打开皮肤(&O)…", [this](TObject*) { ChooseSkinFile(); });
  open->SetShortCut(scCtrl | 'O');
  FToggleItem = Item(*this, file, L"关闭皮肤(&C)", [this](TObject*) { ToggleSkinning(); });
  FToggleItem->SetShortCut(VK_F2);
  FRecentItem = Item(*this, file, L"最近的皮肤(&R)");
  // The skins beside the program, each opened like any skin file.
  FFolderItem = Item(*this, file, L"皮肤");
  const std::wstring folder = SkinsFolder();
  for (const TSkinFileEntry& entry : ListSkinFolder(std::filesystem::path(folder))) {
    const std::wstring path = folder + L"\\" + Utf8ToWide(entry.file);
    FFolderSkins.push_back(path);
    Item(*this, FFolderItem, Utf8ToWide(entry.name), [this, path](TObject*) { OpenSkinFile(path); })->SetHint(path);
  }
  if (FFolderSkins.empty()) Item(*this, FFolderItem, L"（没有）")->SetEnabled(false);
  Line(*this, file);
  TMenuItem* quit = Item(*this, file, L"退出(&X)", [this](TObject*) { Close(); });
  quit->SetShortCut(scAlt | VK_F4);
  quit->SetImageIndex(kImageClose);

  TMenuItem* edit = Item(*this, FMainMenu->Items(), L"编辑(&E)");
  Item(*this, edit, L"撤销(&U)")->SetShortCut(scCtrl | 'Z');
  edit->SetEnabled(false);

  TMenuItem* view = Item(*this, FMainMenu->Items(), L"查看(&V)");
  FStatusItem = Item(*this, view, L"状态栏(&S)", [this](TObject*) {
    if (FStatusBar) FStatusBar->SetVisible(!FStatusBar->Visible());
    UpdateMenus();
  });
  FPagesItem = Item(*this, view, L"页面(&P)");
  for (int i = 0; FPages && i < FPages->PageCount(); ++i) {
    TMenuItem* page = Item(*this, FPagesItem, FPages->Pages(i)->Caption(), [this, i](TObject*) {
      FPages->SetActivePageIndex(i);
      UpdateMenus();
    });
    page->SetRadioItem(true);
  }
  Line(*this, view);
  TMenuItem* levels = Item(*this, view, L"菜单层次(&L)");
  Item(*this, levels, L"第二层的项");
  TMenuItem* third = Item(*this, levels, L"第三层(&T)");
  Item(*this, third, L"第三层的项 一");
  Item(*this, third, L"第三层的项 二")->SetChecked(true);
  Item(*this, third, L"不可用的项")->SetEnabled(false);
  TMenuItem* minimize = Item(*this, view, L"最小化(&N)", [this](TObject*) { SetWindowState(TWindowState::wsMinimized); });
  minimize->SetImageIndex(kImageMinimize);
  Item(*this, view, L"MDI 框架窗口(&M)…", [this](TObject*) { ShowMdiSample(*this); });

  TMenuItem* help = Item(*this, FMainMenu->Items(), L"帮助(&H)");
  Item(*this, help, L"关于(&A)…", [this](TObject*) {
    MessageBoxW(Handle(), L"Corvana 皮肤查看器：把皮肤用到每一种控件上。\n菜单栏、弹出菜单和系统菜单也由皮肤画出。", kTitle,
                MB_OK | MB_ICONINFORMATION);
  });
  SetMenu(FMainMenu);

  FContextMenu = new TPopupMenu(this);
  FContextMenu->SetImages(FMenuImages);
  TMenuItem* contextToggle = Item(*this, FContextMenu->Items(), L"开关换肤(&K)", [this](TObject*) { ToggleSkinning(); });
  contextToggle->SetShortCut(VK_F2);
  Item(*this, FContextMenu->Items(), L"打开皮肤(&O)…", [this](TObject*) { ChooseSkinFile(); });
  Item(*this, FContextMenu->Items(), L"最大化(&M)", [this](TObject*) {
    SetWindowState(WindowState() == TWindowState::wsMaximized ? TWindowState::wsNormal : TWindowState::wsMaximized);
  })->SetImageIndex(kImageMaximize);
  Line(*this, FContextMenu->Items());
  Item(*this, FContextMenu->Items(), L"下一页(&N)", [this](TObject*) {
    if (FPages && FPages->PageCount() > 0) FPages->SetActivePageIndex((FPages->ActivePageIndex() + 1) % FPages->PageCount());
    UpdateMenus();
  });
  Item(*this, FContextMenu->Items(), L"上一页(&P)", [this](TObject*) {
    const int n = FPages ? FPages->PageCount() : 0;
    if (n > 0) FPages->SetActivePageIndex((FPages->ActivePageIndex() + n - 1) % n);
    UpdateMenus();
  });
}

void TSkinViewForm::UpdateMenus() {
  if (!FMainMenu) return;
  // One build of the platform menu for all of this, and none when nothing changed.
  FMainMenu->BeginUpdate();
  FToggleItem->SetCaption(Skinning() ? L"关闭皮肤(&C)" : L"启用皮肤(&C)");
  FStatusItem->SetChecked(FStatusBar && FStatusBar->Visible());
  for (int i = 0; i < FFolderItem->Count(); ++i)
    FFolderItem->Items(i)->SetChecked(!FSkinFile.empty() && FFolderItem->Items(i)->Hint() == FSkinFile);
  for (int i = 0; i < FPagesItem->Count(); ++i) FPagesItem->Items(i)->SetChecked(FPages && FPages->ActivePageIndex() == i);
  UpdateRecentItems();
  FMainMenu->EndUpdate();
}

void TSkinViewForm::UpdateRecentItems() {
  if (FRecent.empty()) {
    if (FRecentItem->Count() == 1 && !FRecentItem->Items(0)->Enabled()) return;
    FRecentItem->Clear();
    Item(*this, FRecentItem, L"（没有）")->SetEnabled(false);
    return;
  }
  // The same number of skins in another order: the items are relabelled in place.
  if (FRecentItem->Count() != static_cast<int>(FRecent.size()) || !FRecentItem->Items(0)->Enabled()) {
    FRecentItem->Clear();
    for (size_t i = 0; i < FRecent.size(); ++i) Item(*this, FRecentItem, L"");
  }
  for (size_t i = 0; i < FRecent.size(); ++i) {
    const std::wstring path = FRecent[i];
    TMenuItem* recent = FRecentItem->Items(static_cast<int>(i));
    recent->SetCaption(L"&" + std::to_wstring(i + 1) + L" " + FileNameOf(path));
    recent->SetHint(path);
    recent->OnClick = [this, path](TObject*) { OpenSkinFile(path); };
  }
}

void TSkinViewForm::AddRecentSkin(const std::wstring& path) {
  FRecent.erase(std::remove(FRecent.begin(), FRecent.end(), path), FRecent.end());
  FRecent.insert(FRecent.begin(), path);
  if (FRecent.size() > kMaxRecentSkins) FRecent.resize(kMaxRecentSkins);
}

void TSkinViewForm::ShowContextMenu(POINT screen) {
  if (FContextMenu) FContextMenu->Popup(screen.x, screen.y, Handle());
}
