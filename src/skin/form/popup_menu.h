// TWinSkinPopMenu: takes over one popup menu window (class "#32768") and paints its frame and
// background from the skin's "MenuBackground" picture; the owner-drawn items copy their
// background from it.
#pragma once

#include "skin/model/popup_skinner_base.h"
#include "ui/gdi.h"
#include "ui/window_thunk.h"

class TWinSkinPopMenu : public TPopupSkinnerBase {
public:
  ~TWinSkinPopMenu() override;
  // Makes popup skinners for the skin manager from now on.
  static void Register();

  void Attach(HWND window, TSkinData* data, HMENU ownerMenu) override;
  void Detach() override;
  // The border (and with a transparent picture the window region) into the window.
  void PaintPopupFrame(HDC dc);
  // The background, then the platform's items over it, clipped inside the border.
  void PaintPopupClient(HDC dc);
  bool Attached() const { return FNewProc.Installed(); }

  TSkinData* SkinData = nullptr;

private:
  void WndProc(TMessage& message);
  bool CanPaint() const;
  void RenderBackground();
  void CopyBorder(HDC dc);
  void CallPrevious(TMessage& message);

  TWindowProcInstance FNewProc;
  TRegionHandle FRegion;
};

// The width of the popup border painted from the background picture.
inline constexpr int kPopupBorder = 3;
