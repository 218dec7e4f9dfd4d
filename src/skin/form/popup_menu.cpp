// The popup-menu skinner: the window procedure of a skinned "#32768" window.
#include "skin/form/popup_menu.h"

#include "skin/form/form_skinner.h"
#include "skin/model/skin_draw.h"
#include "skin/model/skin_manage.h"
#include "ui/platform.h"
#include "ui/skin_messages.h"

void TWinSkinPopMenu::Register() {
  EnsureSkinManager().SetPopupSkinnerFactory([] { return std::make_unique<TWinSkinPopMenu>(); });
}

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND window, TSkinData* data, HMENU ownerMenu) {
  Window = window;
  SkinData = data;
  OwnerMenu = ownerMenu;
  FNewProc.Install(window, [this](TMessage& m) { WndProc(m); });
  MenuBarMark = false;
}

void TWinSkinPopMenu::Detach() {
  FNewProc.Remove();
  Background.Clear();
}

void TWinSkinPopMenu::CallPrevious(TMessage& m) {
  m.Result = FNewProc.Installed() ? FNewProc.CallOld(m.Msg, m.WParam, m.LParam)
                                  : DefWindowProcW(Window, m.Msg, m.WParam, m.LParam);
}

bool TWinSkinPopMenu::CanPaint() const {
  return SkinData && !SkinData->SkinPending() && SkinData->MenuBackground && SkinData->MenuBackground->HasImage();
}

void TWinSkinPopMenu::WndProc(TMessage& m) {
  if (m.Msg == SKINMSG_QUERY) {
    m.Result = 1;
    return;
  }
  TSkinManage* manager = SkinManager();
  if (!manager || !manager->Enabled) {
    CallPrevious(m);
    return;
  }
  switch (m.Msg) {
    case WM_DESTROY: {
      // Out of the chain first; the saved procedure finishes the message.
      const WNDPROC old = FNewProc.OldProc();
      const bool unicode = FNewProc.Unicode();
      Detach();
      if (old) m.Result = unicode ? CallWindowProcW(old, Window, m.Msg, m.WParam, m.LParam)
                                  : CallWindowProcA(old, Window, m.Msg, m.WParam, m.LParam);
      return;
    }
    case WM_ERASEBKGND:
      if (!PlatformVersion().NT) break;
      if (!(SkinData && SkinData->HasOption(xoMenuBG))) CallPrevious(m);
      m.Result = 1;
      return;
    case WM_NCPAINT:
      if (m.WParam != 1 || !CanPaint()) break;
      {
        TWindowDC dc(Window, TWindowDC::Whole);
        PaintPopupFrame(dc.Get());
      }
      m.Result = 0;
      return;
    case WM_PRINTCLIENT:
      if (!CanPaint()) break;
      PaintPopupClient(reinterpret_cast<HDC>(m.WParam));
      m.Result = 0;
      return;
    case WM_PAINT:
      // Where the platform draws the popup's border inside its client area, the skin's
      // border goes over it once the items (which copy the background) are painted.
      if (CanPaint()) RenderBackground();
      CallPrevious(m);
      if (CanPaint()) {
        TWindowDC dc(Window, TWindowDC::Whole);
        CopyBorder(dc.Get());
      }
      return;
    default: break;
  }
  CallPrevious(m);
}

void TWinSkinPopMenu::RenderBackground() {
  RECT r{};
  GetWindowRect(Window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  // Rendered (and the region set, which repaints) only when the size changed.
  if (Background.Width() == w && Background.Height() == h) return;
  TDataSkinObject& picture = *SkinData->MenuBackground;
  std::unique_ptr<TBitmap> rendered = RenderSkinFrame(w, h, picture.Image, picture.Margins(), false, picture.Tile, 1, 1);
  if (rendered->Empty()) return;
  Background.Assign(*rendered);
  if (picture.Trans == 1) {
    // The picture's magenta outline shapes the popup.
    if (HRGN region = BitmapToRegion(Background, 0, 0)) {
      FRegion.Reset(region);
      // The window owns a region it accepted; a refused one stays ours and is freed by us.
      if (SetWindowRgn(Window, FRegion.Get(), TRUE)) (void)FRegion.Release();
    }
  }
}

void TWinSkinPopMenu::CopyBorder(HDC dc) {
  if (Background.Empty()) return;
  const int w = Background.Width(), h = Background.Height(), b = kPopupBorder;
  HDC from = Background.Canvas().Handle();
  BitBlt(dc, 0, 0, w, b, from, 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - b, w, b, from, 0, h - b, SRCCOPY);
  BitBlt(dc, 0, 0, b, h, from, 0, 0, SRCCOPY);
  BitBlt(dc, w - b, 0, b, h, from, w - b, 0, SRCCOPY);
}

void TWinSkinPopMenu::PaintPopupFrame(HDC dc) {
  if (!CanPaint()) return;
  RenderBackground();
  if (!OwnerMenu) {
    if (TSkinManage* manager = SkinManager()) manager->CurrentPopup = this;
  }
  CopyBorder(dc);
  BitBlt(dc, 0, 0, Background.Width(), Background.Height(), Background.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TWinSkinPopMenu::PaintPopupClient(HDC dc) {
  if (!CanPaint()) return;
  RenderBackground();
  if (Background.Empty()) return;
  BitBlt(dc, 0, 0, Background.Width(), Background.Height(), Background.Canvas().Handle(), 0, 0, SRCCOPY);
  TSaveDC saved(dc);
  SetBkMode(dc, TRANSPARENT);
  IntersectClipRect(dc, kPopupBorder, kPopupBorder, Background.Width() - kPopupBorder,
                    Background.Height() - kPopupBorder);
  TMessage m{WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT, 0};
  CallPrevious(m);
}
