// TPageControl and TTabSheet.
#include "ui/pagecontrol.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/skin_messages.h"

// ---- TTabSheet ----

const TClassInfo& TTabSheet::StaticClassInfo() {
  static const TClassInfo info("TTabSheet", &TWinControl::StaticClassInfo(),
                               {
                                   props::Boolean<TTabSheet>("TabVisible", &TTabSheet::TabVisible,
                                                             &TTabSheet::SetTabVisible),
                               },
                               [](TComponent* owner) { return new TTabSheet(owner); });
  return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csAcceptsControls | csSetCaption);
  SetVisibleField(false);  // shown when it becomes the active page
  SetColor(clBtnFace);
  SetParentColor(false);
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

int TTabSheet::PageIndex() const {
  TPageControl* pages = PageControl();
  if (!pages) return -1;
  const auto it = std::find(pages->FPages.begin(), pages->FPages.end(), this);
  return it == pages->FPages.end() ? -1 : static_cast<int>(it - pages->FPages.begin());
}

int TTabSheet::TabIndex() const {
  TPageControl* pages = PageControl();
  if (!pages || !FTabVisible) return -1;
  int index = 0;
  for (TTabSheet* p : pages->FPages) {
    if (p == this) return index;
    if (p->FTabVisible) ++index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool value) {
  if (value == FTabVisible) return;
  FTabVisible = value;
  if (TPageControl* pages = PageControl()) pages->UpdateTabs();
}

void TTabSheet::WndProc(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED) {
    if (TPageControl* pages = PageControl()) pages->UpdateTabs();
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TPageControl ----

const TClassInfo& TPageControl::StaticClassInfo() {
  static const TClassInfo info(
      "TPageControl", &TCustomTabControl::StaticClassInfo(),
      {
          props::Reference<TPageControl, TTabSheet>("ActivePage", &TPageControl::ActivePage,
                                                    &TPageControl::SetActivePage),
          props::Enumeration<TPageControl, TTabStyle>("Style", {"tsTabs", "tsButtons", "tsFlatButtons"},
                                                      &TPageControl::Style, &TPageControl::SetStyle),
          props::Enumeration<TPageControl, TTabPosition>("TabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"},
                                                         &TPageControl::TabPosition, &TPageControl::SetTabPosition),
          props::Event<TPageControl>("OnChange", &TPageControl::OnChange),
      },
      [](TComponent* owner) { return new TPageControl(owner); });
  return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

bool TPageControl::AcceptChild(TComponent* child) {
  // Only pages live directly on a page control.
  if (!dynamic_cast<TTabSheet*>(child)) return false;
  return TWinControl::AcceptChild(child);
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FActivePage) FActivePage = nullptr;
}

void TPageControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_CONTROLLISTCHANGE: {
      auto* page = dynamic_cast<TTabSheet*>(reinterpret_cast<TControl*>(message.WParam));
      if (page) {
        if (message.LParam) InsertPage(page);
        else RemovePage(page);
      }
      return;
    }
    default: break;
  }
  TCustomTabControl::WndProc(message);
}

void TPageControl::TabChosen(int index) {
  TTabSheet* page = PageOfTab(index);
  if (!page) return;
  // The focus does not stay behind on a page that is hidden.
  TTabSheet* old = FActivePage;
  const HWND focus = GetFocus();
  const bool focusOnOldPage = old && old->HandleAllocated() && focus && IsChild(old->Handle(), focus);
  FActivePage = page;
  ShowActivePage();
  if (focusOnOldPage) {
    std::vector<TWinControl*> list;
    page->GetTabOrderList(list);
    const auto first = std::find_if(list.begin(), list.end(), [](TWinControl* c) { return c->CanFocus(); });
    if (first != list.end()) (*first)->SetFocus();
    else SetFocus();
  }
  if (OnChange) OnChange(this);
}

void TPageControl::InsertPage(TTabSheet* page) {
  if (std::find(FPages.begin(), FPages.end(), page) != FPages.end()) return;
  FPages.push_back(page);
  page->FreeNotification(this);
  UpdateTabs();
  if (!FActivePage && !IsLoading()) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  const auto it = std::find(FPages.begin(), FPages.end(), page);
  if (it == FPages.end()) return;
  FPages.erase(it);
  page->RemoveFreeNotification(this);
  if (FActivePage == page) {
    FActivePage = nullptr;
    if (!FPages.empty() && !IsDestroying()) SetActivePage(FPages.front());
  }
  UpdateTabs();
}

TTabSheet* TPageControl::PageOfTab(int tabIndex) const {
  int index = 0;
  for (TTabSheet* p : FPages) {
    if (!p->TabVisible()) continue;
    if (index == tabIndex) return p;
    ++index;
  }
  return nullptr;
}

int TPageControl::ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  if (index >= 0 && index < PageCount()) SetActivePage(FPages[static_cast<size_t>(index)]);
  else SetActivePage(nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->PageControl() != this && !IsReading()) return;
  FActivePage = page;
  if (IsLoading()) return;
  ShowActivePage();
}

void TPageControl::ShowActivePage() {
  for (TTabSheet* p : FPages) {
    if (p != FActivePage) p->SetVisible(false);
  }
  if (FActivePage) {
    Realign();
    FActivePage->SetVisible(true);
    FActivePage->BringToFront();
    if (HandleAllocated()) {
      SetWindowPos(FActivePage->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(FActivePage->TabIndex()), 0);
    }
  }
}

void TPageControl::AfterCreateWnd() {
  UpdateTabs();
  if (FActivePage) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(FActivePage->TabIndex()), 0);
}

void TPageControl::UpdateTabs() {
  if (!HandleAllocated()) return;
  const HWND h = Handle();
  SendMessageW(h, TCM_DELETEALLITEMS, 0, 0);
  int index = 0;
  for (TTabSheet* p : FPages) {
    if (!p->TabVisible()) continue;
    std::wstring text = p->Caption();
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = text.data();
    item.lParam = reinterpret_cast<LPARAM>(p);
    SendMessageW(h, TCM_INSERTITEMW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
  }
  if (FActivePage) SendMessageW(h, TCM_SETCURSEL, static_cast<WPARAM>(FActivePage->TabIndex()), 0);
  Realign();
}

void TPageControl::AlignControls(TControl*, RECT& rect) {
  // Every page fills the display area; only the active one is visible.
  for (TTabSheet* p : FPages) {
    p->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  }
}

void TPageControl::Loaded() {
  TWinControl::Loaded();
  if (!FActivePage && !FPages.empty()) FActivePage = FPages.front();
  ShowActivePage();
}
