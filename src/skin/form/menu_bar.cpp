// The skinned menu bar: its items built from the window's menu and the form's main menu, their
// layout in the band, the band painted from the skin and single items repainted by state.
#include "skin/form/menu_bar.h"

#include <algorithm>

#include "skin/controls/skin_control.h"
#include "skin/form/form_skinner.h"
#include "skin/form/menu_paint.h"
#include "skin/model/skin_draw.h"
#include "skin/model/skin_manage.h"
#include "ui/platform.h"

namespace {

constexpr int kBarFrames = 2;
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_EXPANDTABS | DT_CENTER;

RECT ToRect(const TFrameRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

bool BuildsFromFramework() {
  const TPlatformVersion& p = PlatformVersion();
  return (p.NT && p.Major == 4) || (p.Major == 4 && p.Minor == 0);
}

}  // namespace

// ---- TMenuBtn ----

void TMenuBtn::Paint() {
  if (!Owner->Handle || FBar->BarBackground.Empty()) return;
  TWindowDC dc(Owner->Handle, TWindowDC::Whole);
  PaintTo(dc.Get());
}

void TMenuBtn::PaintTo(HDC dc) {
  const RECT& band = FBar->BandRect;
  if (Bounds.right <= Bounds.left) return;
  BitBlt(dc, Bounds.left, band.top, Bounds.right - Bounds.left, band.bottom - band.top,
         FBar->BarBackground.Canvas().Handle(), Bounds.left - band.left, 0, SRCCOPY);
  if (State == ncPressed || State == ncHot) {
    TBrushHandle frame(CreateSolidBrush(ColorToRGB(SkinData->Colour(SkinColour::ButtonHilight))));
    FrameRect(dc, &Bounds, frame.Get());
  }
  TSelectObject font(dc, FBar->Font().Handle());
  SetTextColor(dc, ColorToRGB(SkinData->Colour(SkinColour::MenuBarText)));
  FBar->DrawBarCaption(dc, Bounds, Caption, ItemEnabled);
}

// ---- TWinSkinMenu ----

TWinSkinMenu::TWinSkinMenu(TWinSkinForm* owner, TSkinData* data) : SkinData(data), Owner(owner) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) FFont.SetLogFont(metrics.lfMenuFont);
}

TMainMenu* TWinSkinMenu::CurrentFrameworkMenu() const { return Owner->Form ? Owner->Form->Menu() : nullptr; }

void TWinSkinMenu::ReadHandleItems(HMENU menu, bool lookUpTextItemsOnly) {
  Items.clear();
  Owner->HotObject = nullptr;
  ItemCount = 0;
  const int n = menu ? GetMenuItemCount(menu) : 0;
  TMainMenu* framework = CurrentFrameworkMenu();
  for (int i = 0; i < n; ++i) {
    std::wstring text;
    MENUITEMINFOW info{};
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    if (!ReadMenuItem(menu, static_cast<UINT>(i), text, &info)) continue;
    // The platform's own pictures in the bar (the system menu and buttons of a maximized MDI
    // child) are drawn by the skin's MDI buttons instead.
    if (info.fType & MFT_BITMAP) continue;
    auto item = std::make_unique<TMenuBtn>(Owner, this);
    item->SkinData = SkinData;
    item->Index = static_cast<int>(Items.size());
    item->SubMenu = info.hSubMenu;
    item->ItemEnabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
    item->Visible = true;
    item->State = ncNormal;
    item->Command = static_cast<int>(info.wID);
    item->Caption = text;
    if (framework && (!lookUpTextItemsOnly || !text.empty())) {
      TMenuItem* found = framework->FindItem(info.wID);
      if (!found && info.hSubMenu) found = framework->FindHandle(info.hSubMenu);
      if (found) {
        item->Caption = GetTextProp(found, "Caption");
        item->ItemEnabled = found->Enabled();
        item->FrameworkItem = found;
        item->Command = static_cast<int>(found->Command());
        if (!lookUpTextItemsOnly) item->SubMenu = found->Count() > 0 ? found->Handle() : nullptr;
      }
    }
    Items.push_back(std::move(item));
  }
  ItemCount = static_cast<int>(Items.size());
}

HMENU TWinSkinMenu::WindowMenu() const {
  if (const HMENU menu = GetMenu(Owner->Handle)) return menu;
  // A form that keeps its changed menu off the window while this bar draws it.
  TCustomForm* form = Owner->Form;
  return form && !form->MenuOnWindow() && form->Menu() ? form->Menu()->Handle() : nullptr;
}

void TWinSkinMenu::BuildItems() {
  if (BuildsFromFramework()) {
    BuildItemsFromFramework();
    return;
  }
  const HMENU current = WindowMenu();
  if (!current) return;
  OsMenu = current;
  if (Owner->Form) {
    FrameworkMenu = Owner->Form->Menu();
    if (!FrameworkMenu) return;
  }
  ReadHandleItems(OsMenu, false);
  if (GetMenu(Owner->Handle)) SetMenu(Owner->Handle, nullptr);
}

void TWinSkinMenu::BuildItemsFromFramework() {
  const HMENU current = WindowMenu();
  if (!current) return;
  OsMenu = current;
  if (Owner->Form) {
    FrameworkMenu = Owner->Form->Menu();
    if (!FrameworkMenu) return;
  }
  Items.clear();
  Owner->HotObject = nullptr;
  if (FrameworkMenu) {
    TMenuItem* top = FrameworkMenu->Items();
    for (int i = 0; i < top->Count(); ++i) {
      TMenuItem* found = top->Items(i);
      auto item = std::make_unique<TMenuBtn>(Owner, this);
      item->SkinData = SkinData;
      item->Index = i;
      item->State = ncNormal;
      item->Visible = found->Visible();
      item->ItemEnabled = found->Enabled();
      item->Command = static_cast<int>(found->Command());
      item->Caption = GetTextProp(found, "Caption");
      item->FrameworkItem = found;
      item->SubMenu = found->Count() > 0 ? found->Handle() : nullptr;
      Items.push_back(std::move(item));
    }
  }
  ItemCount = static_cast<int>(Items.size());
  if (GetMenu(Owner->Handle)) SetMenu(Owner->Handle, nullptr);
}

void TWinSkinMenu::RebuildFromHandle(HMENU menu) {
  if (!menu) return;
  OsMenu = menu;
  if (Owner->Form) FrameworkMenu = Owner->Form->Menu();
  ReadHandleItems(menu, true);
  SetMenu(Owner->Handle, nullptr);
  LayoutMenuBar();
}

int TWinSkinMenu::StartOffset(int bandWidth) const {
  const bool hasObject = SkinData && SkinData->MenuBar && SkinData->MenuBar->HasImage();
  return MenuBarStartOffset(hasObject, hasObject ? SkinData->MenuBar->LeftWidth : 0,
                            hasObject ? SkinData->MenuBar->RightWidth : 0, Owner->RightToLeft, bandWidth,
                            SkinData ? SkinData->Dpi() : kDesignDpi);
}

std::vector<TFrameRect> TWinSkinMenu::Measure(HDC dc, int bandWidth, int bandHeight, int rightLimit) {
  TSelectObject font(dc, FFont.Handle());
  std::vector<TBarItemMeasure> measures;
  for (const auto& item : Items) {
    RECT r{0, 0, 0, 0};
    DrawTextAuto(dc, item->Caption, r, kCaptionFormat | DT_CALCRECT | DT_NOCLIP);
    measures.push_back(TBarItemMeasure{static_cast<int>(r.right - r.left), item->Visible});
  }
  return LayoutBarItems(measures, StartOffset(bandWidth), bandWidth, bandHeight, Owner->RightToLeft, rightLimit,
                        SkinData ? SkinData->Dpi() : kDesignDpi);
}

void TWinSkinMenu::LayoutMenuBar() {
  RECT window{};
  if (!GetWindowRect(Owner->Handle, &window)) return;
  const RECT band{Owner->FrameLeft, Owner->FrameTop, (window.right - window.left) - Owner->FrameRight,
                  Owner->FrameTop + Owner->MenuBarHeight};
  if (band.right <= band.left || band.bottom <= band.top) return;
  TWindowDC screen(nullptr);
  const std::vector<TFrameRect> rects = Measure(screen.Get(), band.right - band.left, band.bottom - band.top, -1);
  for (size_t i = 0; i < Items.size(); ++i) {
    RECT r = ToRect(rects[i]);
    if (r.right > r.left) OffsetRect(&r, band.left, band.top);
    Items[i]->Bounds = r;
  }
}

void TWinSkinMenu::PaintMenuBar(HDC dc, const RECT& band) {
  const int w = band.right - band.left, h = band.bottom - band.top;
  TBitmap* scratch = SkinWorkBitmap();
  if (!scratch || w <= 0 || h <= 0) return;
  if (scratch->Width() < w || scratch->Height() < h) scratch->SetSize(std::max(w, scratch->Width()), std::max(h, scratch->Height()));
  HDC work = scratch->Canvas().Handle();
  const RECT local{0, 0, w, h};
  TDataSkinObject* bar = SkinData->MenuBar && SkinData->MenuBar->HasImage() ? SkinData->MenuBar.get() : nullptr;
  if (bar) {
    const int frame = Owner->ActiveLook ? 1 : 2;
    if (bar->Tile == 1) {
      auto piece = RenderSkinFrame(w, h, bar->Image, bar->Margins(), true, 0, kBarFrames, frame);
      if (!piece->Empty()) BitBlt(work, 0, 0, w, h, piece->Canvas().Handle(), 0, 0, SRCCOPY);
    } else {
      DrawThreePart(work, local, bar->Image, kBarFrames, frame, bar->LeftWidth, bar->RightWidth, false);
    }
  } else {
    TSkinControl::FillColor(work, local, SkinData->Colour(SkinColour::Menubar));
  }
  BandRect = band;
  BarBackground.SetSize(w, h);
  BitBlt(BarBackground.Canvas().Handle(), 0, 0, w, h, work, 0, 0, SRCCOPY);

  // The MDI buttons of a maximized child sit at the band's right; right-to-left items stop
  // before them.
  std::vector<TWinSysButton*> mdiButtons;
  if (Owner->MdiRole == mdiFrame && Owner->MdiChildMaximized()) {
    for (const auto& b : Owner->CaptionButtons) {
      if (b->Visible && b->SkinButton->Visibility == kMenuBandVisibility && !b->SkinButton->Image.Empty())
        mdiButtons.push_back(b.get());
    }
  }
  int rightLimit = -1;
  if (Owner->RightToLeft && !mdiButtons.empty()) {
    rightLimit = w;
    for (TWinSysButton* b : mdiButtons) rightLimit = std::min(rightLimit, static_cast<int>(b->Bounds.left - band.left));
  }

  TSelectObject font(work, FFont.Handle());
  SetBkMode(work, TRANSPARENT);
  Painting = true;
  const std::vector<TFrameRect> rects = Measure(work, w, h, rightLimit);
  for (size_t i = 0; i < Items.size(); ++i) {
    TMenuBtn& item = *Items[i];
    const RECT r = ToRect(rects[i]);
    if (!item.Visible || r.right <= r.left) {
      item.Bounds = RECT{};
      continue;
    }
    if (item.State == ncPressed || item.State == ncHot) {
      TBrushHandle frame(CreateSolidBrush(ColorToRGB(SkinData->Colour(SkinColour::ButtonHilight))));
      FrameRect(work, &r, frame.Get());
    }
    SetTextColor(work, ColorToRGB(SkinData->Colour(SkinColour::MenuBarText)));
    DrawBarCaption(work, r, item.Caption, item.ItemEnabled);
    item.Bounds = r;
    OffsetRect(&item.Bounds, band.left, band.top);
  }
  Painting = false;

  if (!mdiButtons.empty()) {
    for (TWinSysButton* b : mdiButtons) {
      RECT r = b->Bounds;
      OffsetRect(&r, -Owner->FrameLeft, -Owner->FrameTop);
      DrawFrameStretched(work, r, std::max(1, b->SkinButton->Frame), 1, b->SkinButton->Image);
    }
    if (TSkinManage* manager = SkinManager(); manager && !manager->MdiMaximized) manager->SetMdiMaximized(true);
  }
  BitBlt(dc, band.left, band.top, w, h, work, 0, 0, SRCCOPY);
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT frame) const {
  for (const auto& item : Items) {
    const RECT& b = item->Bounds;
    if (!item->Caption.empty() && frame.x >= b.left && frame.x < b.right && frame.y >= b.top && frame.y < b.bottom)
      return item.get();
  }
  return nullptr;
}

void TWinSkinMenu::DrawBarCaption(HDC dc, const RECT& rect, const std::wstring& caption, bool enabled) {
  SetBkMode(dc, TRANSPARENT);
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  RECT measured = rect;
  DrawTextAuto(dc, caption, measured, kCaptionFormat | DT_CALCRECT | DT_NOCLIP);
  const int mw = measured.right - measured.left, mh = measured.bottom - measured.top;
  RECT placed{rect.left + (rect.right - rect.left - mw) / 2, rect.top + (rect.bottom - rect.top - mh) / 2, 0, 0};
  placed.right = placed.left + mw;
  placed.bottom = placed.top + mh;
  // Fonts whose glyphs overhang their measured width would lose their last character to a clip.
  DrawTextAuto(dc, caption, placed, kCaptionFormat | DT_NOCLIP);
}
