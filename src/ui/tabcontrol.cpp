// TCustomTabControl and TTabControl.
#include "ui/tabcontrol.h"

#include <algorithm>

#include "ui/skin_messages.h"

// ---- TCustomTabControl ----

const TClassInfo& TCustomTabControl::StaticClassInfo() {
  static const TClassInfo info("TCustomTabControl", &TWinControl::StaticClassInfo(), {});
  return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csAcceptsControls | csCaptureMouse);
  SetBoundsFields(0, 0, 289, 193);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
  if (position == FTabPosition) return;
  FTabPosition = position;
  RecreateWnd();
}

void TCustomTabControl::SetStyle(TTabStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  RecreateWnd();
}

int TCustomTabControl::TabCount() const {
  if (!HandleAllocated()) return 0;
  return static_cast<int>(SendMessageW(const_cast<TCustomTabControl*>(this)->Handle(), TCM_GETITEMCOUNT, 0, 0));
}

int TCustomTabControl::CurrentTab() const {
  if (!HandleAllocated()) return -1;
  return static_cast<int>(SendMessageW(const_cast<TCustomTabControl*>(this)->Handle(), TCM_GETCURSEL, 0, 0));
}

void TCustomTabControl::SelectNextTab(bool forward) {
  const int count = TabCount();
  if (count < 2) return;
  const int current = std::max(CurrentTab(), 0);
  const int next = (current + (forward ? 1 : count - 1)) % count;
  SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(next), 0);
  TabChosen(next);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = WC_TABCONTROLW;
  params.Style |= WS_CLIPCHILDREN;
  switch (FTabPosition) {
    case TTabPosition::tpBottom: params.Style |= TCS_BOTTOM; break;
    case TTabPosition::tpLeft: params.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case TTabPosition::tpRight: params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    default: break;
  }
  if (FStyle == TTabStyle::tsButtons) params.Style |= TCS_BUTTONS;
  if (FStyle == TTabStyle::tsFlatButtons) params.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
}

void TCustomTabControl::AdjustClientRect(RECT& rect) {
  if (HandleAllocated() && TabCount() > 0) {
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
    return;
  }
  // Before the window exists: the usual room for one row of tabs and the page border.
  rect.left += 4;
  rect.right -= 4;
  rect.bottom -= 4;
  rect.top += 24;
}

void TCustomTabControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY: {
      // SKINMSG_DONE shares this number and carries SKIN_MAGIC, not a header.
      if (!IsNotifyHeaderPointer(message.LParam)) return;
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (header->code == static_cast<UINT>(TCN_SELCHANGE)) TabChosen(CurrentTab());
      return;
    }
    case WM_ERASEBKGND:
      DefaultHandler(message);
      return;
    default: break;
  }
  TWinControl::WndProc(message);
}

// ---- TTabControl ----

const TClassInfo& TTabControl::StaticClassInfo() {
  static const TClassInfo info(
      "TTabControl", &TCustomTabControl::StaticClassInfo(),
      {
          props::SubObject<TTabControl, TStrings>("Tabs", &TTabControl::Tabs),
          props::Integer<TTabControl>("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex),
          props::Enumeration<TTabControl, TTabStyle>("Style", {"tsTabs", "tsButtons", "tsFlatButtons"},
                                                     &TTabControl::Style, &TTabControl::SetStyle),
          props::Enumeration<TTabControl, TTabPosition>("TabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"},
                                                        &TTabControl::TabPosition, &TTabControl::SetTabPosition),
          props::Event<TTabControl>("OnChange", &TTabControl::OnChange),
      },
      [](TComponent* owner) { return new TTabControl(owner); });
  return info;
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner), FTabs(std::make_unique<TWideStringList>()) {
  FTabs->OnChange = [this](TObject*) { UpdateTabs(); };
}

TTabControl::~TTabControl() { FTabs->OnChange = nullptr; }

void TTabControl::SetTabIndex(int index) {
  if (index < -1 || index >= FTabs->Count()) return;
  FTabIndex = index;
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TTabControl::AfterCreateWnd() { UpdateTabs(); }

void TTabControl::UpdateTabs() {
  if (FTabIndex >= FTabs->Count()) FTabIndex = FTabs->Count() - 1;
  if (FTabIndex < 0 && FTabs->Count() > 0) FTabIndex = 0;
  if (!HandleAllocated()) return;
  const HWND h = Handle();
  SendMessageW(h, TCM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < FTabs->Count(); ++i) {
    std::wstring text = FTabs->Get(i);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(h, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  if (FTabIndex >= 0) SendMessageW(h, TCM_SETCURSEL, static_cast<WPARAM>(FTabIndex), 0);
  Realign();
}

void TTabControl::TabChosen(int index) {
  if (index < 0 || index == FTabIndex) return;
  FTabIndex = index;
  if (OnChange) OnChange(this);
}
