// TSkinListView and TSkinScControl.
#include "skin/controls/skin_listview.h"

#include "skin/controls/skin_header.h"
#include "ui/messages.h"
#include "ui/wincontrol.h"

// ---- TSkinListView ----

const TClassInfo& TSkinListView::StaticClassInfo() {
  static const TClassInfo info("TSkinListView", &TSkinScrollbar::StaticClassInfo(), {});
  return info;
}

void TSkinListView::AttachScrolled(TControl* control, TSkinData* skinData, ISkinnerHost* formSkinner) {
  TSkinScrollbar::AttachScrolled(control, skinData, formSkinner);
  if (!Handle || Header) return;
  const auto header = reinterpret_cast<HWND>(SendMessageW(Handle, LVM_GETHEADER, 0, 0));
  if (!header) return;
  Header = new TSkinHeader(control);
  Header->AttachWindow(header, skinData, formSkinner, WorkCanvas);
}

// ---- TSkinScControl ----

const TClassInfo& TSkinScControl::StaticClassInfo() {
  static const TClassInfo info("TSkinScControl", &TSkinControl::StaticClassInfo(), {});
  return info;
}

TSkinScControl::~TSkinScControl() = default;

void TSkinScControl::AttachScrollContainer(TControl* control, TSkinData* skinData, ISkinnerHost* formSkinner,
                                           TCanvas* workCanvas) {
  if (Attached || !control) return;
  WorkCanvas = workCanvas;
  // The dispatch first, so the overlay is placed over the control's window as it is now.
  TSkinControl::AttachControl(formSkinner, skinData, false, workCanvas);
  ScrollBar = std::make_unique<TWScrollbar>();
  ScrollBar->AttachToControl(this, control, kControlOverlay);
  if (!control->Visible()) ScrollBar->HideOverlay();
}

void TSkinScControl::Place() {
  if (ScrollBar) ScrollBar->UpdatePosition();
}

void TSkinScControl::Refresh() {
  if (!ScrollBar) return;
  ScrollBar->ForgetLook();
  ScrollBar->Repaint();
}

void TSkinScControl::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_WINDOWPOSCHANGED: Place(); break;
    case WM_NCPAINT:
      if (auto* windowed = dynamic_cast<TWinControl*>(Control)) Handle = windowed->Handle();
      Place();
      break;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case CN_VSCROLL:
    case CN_HSCROLL: Refresh(); break;
    case CM_VISIBLECHANGED:
      if (!ScrollBar) break;
      if (m.WParam)
        Place();
      else
        ScrollBar->HideOverlay();
      break;
    default: TSkinControl::AfterMessage(m); break;
  }
}

void TSkinScControl::PaintSkin(HDC, const RECT&) { Refresh(); }

void TSkinScControl::SkinChanged() {
  TSkinControl::SkinChanged();
  Refresh();
}

void TSkinScControl::Switched(bool on) {
  if (ScrollBar) {
    if (on) Place();
    else ScrollBar->HideOverlay();
  }
  TSkinControl::Switched(on);
}

void TSkinScControl::Detach() {
  if (Detached) return;
  TSkinControl::Detach();
  if (LifeState != kSkinnerWindowDestroyed)
    ScrollBar.reset();
  else if (ScrollBar && IsWindow(ScrollBar->Window()))
    ScrollBar->HideOverlay();  // the control is gone: nothing stays standing over its place
}

void RegisterListSkinners() {
  RegisterSkinnerKind("TSkinHeader", [](TComponent* owner) -> TSkinControl* { return new TSkinHeader(owner); });
  RegisterSkinnerKind("TSkinListView", [](TComponent* owner) -> TSkinControl* { return new TSkinListView(owner); });
  RegisterSkinnerKind("TSkinScControl", [](TComponent* owner) -> TSkinControl* { return new TSkinScControl(owner); });
}
