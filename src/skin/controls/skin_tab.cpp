// TSkinTab, TSkinTabSheet and TSkinTabBtn: tab rows composed in one bitmap from the skin's
// "Tabs" pictures (turned for tabs at the sides), the page border, close boxes and pages.
#include "skin/controls/skin_tab.h"

#include <algorithm>

#include "skin/controls/skin_updown.h"
#include "skin/controls/tab_caption.h"
#include "skin/file/imgutil.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_draw.h"
#include "skin/model/skin_manage.h"
#include "ui/canvas.h"
#include "ui/gdi.h"
#include "ui/pagecontrol.h"
#include "ui/wincontrol.h"

namespace {

// Tab texts are read into a buffer of this many characters.
constexpr int kTabTextBuffer = 80;
// The page border's margins when the skin gives only the "Tabs" border picture.
constexpr RECT kFixedPaneMargins{4, 5, 4, 4};

TTabRect ToTab(const RECT& r) { return TTabRect{r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const TTabRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

void PaintBySkinner(TSkinControl& skinner, TMessage& message) {
  RECT r{};
  GetWindowRect(skinner.Handle, &r);
  OffsetRect(&r, -r.left, -r.top);
  // A WM_PAINT may carry a DC too (a child painting its parent's look under itself).
  if (message.WParam) {
    skinner.PaintSkin(reinterpret_cast<HDC>(message.WParam), r);
  } else {
    TPaintDC paint(skinner.Handle);
    skinner.PaintSkin(paint, r);
  }
  message.Result = 0;
}

// A 24-bit copy of a picture (empty stays empty).
void CopyPicture(TBitmap& target, const TBitmap& source) {
  target.Assign(source);
  if (!target.Empty()) target.SetPixelFormat(TPixelFormat::pf24bit);
}

HFONT WindowFont(HWND window) { return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)); }

}  // namespace

// ---- TSkinTab ----

const TClassInfo& TSkinTab::StaticClassInfo() {
  static const TClassInfo info("TSkinTab", &TSkinControl::StaticClassInfo(), {});
  return info;
}

void TSkinTab::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) {
  if (Attached) return;
  TSkinControl::AttachControl(formSkinner, skinData, recolour, workCanvas);
  if (!Handle) return;
  auto* pages = dynamic_cast<TPageControl*>(Control);
  CloseBoxesOn = pages && pages->Tag() == kCloseBoxTag && pages->TabPosition() == TTabPosition::tpTop;
  AfterAttach();
}

void TSkinTab::AttachWindow(HWND handle, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas) {
  TSkinControl::AttachWindow(handle, skinData, formSkinner, workCanvas);
  FocusedLook = GetFocus() == handle;
  AfterAttach();
}

void TSkinTab::AfterAttach() {
  EnabledLook = !(GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED);
  PrepareImages();
  SkinArrows();
  Active = true;
  UnicodeTabs = IsWindowUnicode(Handle) != FALSE;
  InvalidateRect(Handle, nullptr, TRUE);
}

void TSkinTab::SkinChanged() {
  TSkinControl::SkinChanged();
  PrepareImages();
  Redraw();
}

void TSkinTab::PrepareImages() {
  if (!Handle || !SkinData) return;
  Placement = PlacementOfStyle(static_cast<std::uint32_t>(GetWindowLongW(Handle, GWL_STYLE)));
  TDataSkinBorder* tabs = SkinData->Tabs.get();
  TabImage.SetSize(0, 0);
  PaneImage.SetSize(0, 0);
  if (!tabs) return;
  CopyPicture(TabImage, tabs->Image);
  if (tabs->Style == 0) {
    CopyPicture(PaneImage, tabs->SecondImage);
  } else if (tabs->Style == 1 && SkinData->TabPane && SkinData->TabPane->HasImage()) {
    CopyPicture(PaneImage, SkinData->TabPane->Image);
  }
  switch (Placement) {
    case TTabPlacement::Bottom:
      if (!TabImage.Empty()) FlipVertical(TabImage);
      if (!PaneImage.Empty()) FlipVertical(PaneImage);
      break;
    case TTabPlacement::Left:
      if (!PaneImage.Empty()) RotateLeft(PaneImage);
      break;
    case TTabPlacement::Right:
      if (!PaneImage.Empty()) RotateRight(PaneImage);
      break;
    default: break;
  }
}

bool TSkinTab::SkinArrows() {
  const HWND arrows = FindWindowExW(Handle, nullptr, UPDOWN_CLASSW, nullptr);
  if (!arrows) return false;
  if (!ArrowSkinner) {
    ArrowSkinner = new TSkinUpDown(Control ? static_cast<TComponent*>(Control) : this);
    ArrowSkinner->AttachWindow(arrows, SkinData, FormSkinner, WorkCanvas);
  }
  return (GetWindowLongW(arrows, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool TSkinTab::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: PaintBySkinner(*this, m); return false;
    case WM_LBUTTONDOWN:
      if (CloseBoxesOn && HitCloseBox(m)) {
        m.Result = 0;
        return false;
      }
      return TSkinControl::BeforeMessage(m);
    default: return TSkinControl::BeforeMessage(m);
  }
}

void TSkinTab::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE: {
      TCHITTESTINFO hit{};
      hit.pt = POINT{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
      const int tab = static_cast<int>(SendMessageW(Handle, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      if (tab != HotTab) {
        HotTab = tab;
        Redraw();
      }
      TrackMouseLeave(Handle);
      break;
    }
    case WM_MOUSELEAVE:
      if (HotTab != -1) {
        HotTab = -1;
        Redraw();
      }
      break;
    default: TSkinControl::AfterMessage(m); break;
  }
}

bool TSkinTab::HitCloseBox(const TMessage& m) {
  const int x = static_cast<short>(LOWORD(m.LParam)), y = static_cast<short>(HIWORD(m.LParam));
  for (int i = static_cast<int>(CloseBoxes.size()) - 1; i >= 0; --i) {
    if (!CloseBoxes[static_cast<size_t>(i)].Contains(x, y)) continue;
    const HWND host = FormSkinner ? FormSkinner->HostWindow() : nullptr;
    const LRESULT answer = host ? SendMessageW(host, SKINMSG_TABCLOSE, reinterpret_cast<WPARAM>(Handle), i) : 0;
    if (answer == 0) DestroyPage(i);
    return true;
  }
  return false;
}

void TSkinTab::DestroyPage(int tab) {
  if (auto* pages = dynamic_cast<TPageControl*>(Control)) {
    if (TTabSheet* page = pages->PageOfTab(tab)) page->Free();
  } else if (Handle) {
    SendMessageW(Handle, TCM_DELETEITEM, static_cast<WPARAM>(tab), 0);
  }
  Redraw();
}

std::wstring TSkinTab::TabText(int index, int& image) const {
  image = -1;
  if (UnicodeTabs) {
    wchar_t buffer[kTabTextBuffer] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
    item.pszText = buffer;
    item.cchTextMax = kTabTextBuffer;
    if (!SendMessageW(Handle, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return {};
    buffer[kTabTextBuffer - 1] = L'\0';
    image = item.iImage;
    return buffer;
  }
  char buffer[kTabTextBuffer] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
  item.pszText = buffer;
  item.cchTextMax = kTabTextBuffer;
  if (!SendMessageA(Handle, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return {};
  buffer[kTabTextBuffer - 1] = '\0';
  image = item.iImage;
  return ToWide(buffer);
}

void TSkinTab::DrawPane(HDC dc, const TTabRect& pane) {
  if (PaneImage.Empty() || !SkinData || !SkinData->Tabs) return;
  const TDataSkinBorder& tabs = *SkinData->Tabs;
  if (tabs.Style != 0 && SkinData->TabPane) {
    DrawSkinFrame(dc, ToRect(pane), PaneImage, SkinData->TabPane->Margins(), SkinData->TabPane->Tile, 1, 1, false);
    return;
  }
  try {
    DrawSkinFrame(dc, ToRect(pane), PaneImage, kFixedPaneMargins, 0, 1, 1, false);
  } catch (...) {
    // A border picture too small for its margins leaves the platform's border.
  }
}

void TSkinTab::PaintSkin(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle) return;
  TDataSkinBorder* tabs = SkinData->Tabs.get();
  const bool hasTabs = tabs && tabs->HasImage() && !TabImage.Empty();
  RECT display = rect;
  SendMessageW(Handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const TTabRect window = ToTab(rect);
  const TTabRect pane = PaneRect(ToTab(display), Placement);
  const int n = static_cast<int>(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0));
  const int current = static_cast<int>(SendMessageW(Handle, TCM_GETCURFOCUS, 0, 0));
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
  CloseBoxes.assign(static_cast<size_t>(std::max(n, 0)), TTabRect{});

  if (hasTabs) {
    const TTabRect strip = StripRect(window, pane, Placement);
    const int length = StripLength(strip, Placement), thickness = StripThickness(strip, Placement);
    if (length > 0 && thickness > 0) {
      StripBitmap.SetPixelFormat(TPixelFormat::pf24bit);
      StripBitmap.SetSize(length, thickness);
      const HDC sdc = StripBitmap.Canvas().Handle();
      RECT all{0, 0, length, thickness};
      FillParentColor(sdc, all);
      const HFONT font = WindowFont(Handle);
      const HGDIOBJ oldFont = font ? SelectObject(sdc, font) : nullptr;
      for (int i = 0; i < n; ++i) {
        int image = -1;
        const std::wstring text = TabText(i, image);
        RECT itemRect{};
        if (!SendMessageW(Handle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&itemRect))) continue;
        const TTabRect item = TabInStrip(ToTab(itemRect), Placement, window, pane, length);
        int frame = i == current ? kCurrentTabFrame : kOtherTabFrame;
        if (i == HotTab && i != current && tabs->DeclaredFrame >= kHotTabFrame) frame = kHotTabFrame;
        DrawSkinFrame(sdc, ToRect(item), TabImage, tabs->Margins(), tabs->Tile, std::max(tabs->Frame, 1), frame,
                      tabs->Trans == 1);
        if (CloseBoxesOn) {
          const TTabRect box = CloseBoxOf(item);
          CloseBoxes[static_cast<size_t>(i)] = box;
          MoveToEx(sdc, box.Left, box.Top, nullptr);
          LineTo(sdc, box.Right, box.Top);
          LineTo(sdc, box.Right, box.Bottom);
          LineTo(sdc, box.Left, box.Bottom);
          LineTo(sdc, box.Left, box.Top);
          LineTo(sdc, box.Right, box.Bottom);
          MoveToEx(sdc, box.Right, box.Top, nullptr);
          LineTo(sdc, box.Left, box.Bottom);
        }
        TTabCaption caption;
        caption.Text = text;
        caption.ImageIndex = image;
        caption.Images = images;
        caption.Colour = frame == kCurrentTabFrame ? tabs->MouseOverColour2 : tabs->NormalColour2;
        caption.Enabled = EnabledLook;
        caption.ReadingFlags = ReadingOrderFlags(0);
        DrawTabCaption(sdc, ToRect(item), TCaptionAlign::Centre, caption);
      }
      if (oldFont) SelectObject(sdc, oldFont);
      if (Placement == TTabPlacement::Right) RotateRight(StripBitmap);
      if (Placement == TTabPlacement::Left) RotateLeft(StripBitmap);
      const HDC source = StripBitmap.Canvas().Handle();
      const int w = StripBitmap.Width(), h = StripBitmap.Height();
      if (SkinArrows()) {
        // The arrows paint themselves; the strip stays off them.
        RECT arrows{};
        const HWND arrowWindow = FindWindowExW(Handle, nullptr, UPDOWN_CLASSW, nullptr);
        GetWindowRect(arrowWindow, &arrows);
        MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&arrows), 2);
        const int saved = SaveDC(dc);
        ExcludeClipRect(dc, arrows.left, arrows.top, arrows.right, arrows.bottom);
        BitBlt(dc, strip.Left, strip.Top, w, h, source, 0, 0, SRCCOPY);
        RestoreDC(dc, saved);
      } else {
        BitBlt(dc, strip.Left, strip.Top, w, h, source, 0, 0, SRCCOPY);
      }
    }
  }
  DrawPane(dc, pane);
  if (Variant == 2) {
    if (auto* windowed = dynamic_cast<TWinControl*>(Control)) windowed->PaintControls(dc, nullptr);
  }
}

// ---- TSkinTabSheet ----

const TClassInfo& TSkinTabSheet::StaticClassInfo() {
  static const TClassInfo info("TSkinTabSheet", &TSkinControl::StaticClassInfo(), {});
  return info;
}

void TSkinTabSheet::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool, TCanvas* workCanvas) {
  TSkinControl::AttachControl(formSkinner, skinData, true, workCanvas);
}

bool TSkinTabSheet::BeforeMessage(TMessage& m) {
  if (!TSkinControl::BeforeMessage(m)) return false;
  if (Variant != 0) return true;
  switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT: PaintBySkinner(*this, m); return false;
    case WM_ERASEBKGND: {
      RECT r{};
      GetClientRect(Handle, &r);
      FillFace(reinterpret_cast<HDC>(m.WParam), r);
      m.Result = 1;
      return false;
    }
    default: return true;
  }
}

void TSkinTabSheet::PaintSkin(HDC dc, const RECT& rect) {
  FillFace(dc, rect);
  // Labels and other windowless controls live on the page's own surface.
  if (auto* windowed = dynamic_cast<TWinControl*>(Control)) windowed->PaintControls(dc, nullptr);
}

// ---- TSkinTabBtn ----

const TClassInfo& TSkinTabBtn::StaticClassInfo() {
  static const TClassInfo info("TSkinTabBtn", &TSkinControl::StaticClassInfo(), {});
  return info;
}

bool TSkinTabBtn::BeforeMessage(TMessage& m) {
  if (m.Msg == WM_PAINT) {
    PaintBySkinner(*this, m);
    return false;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinTabBtn::PaintSkin(HDC dc, const RECT& rect) {
  if (!SkinData || !SkinData->Buttons || !SkinData->Buttons->HasImage() || !Handle) return;
  TDataSkinButton& buttons = *SkinData->Buttons;
  EnabledLook = Control ? Control->Enabled() : IsWindowEnabled(Handle) != FALSE;
  RECT display = rect;
  SendMessageW(Handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  InflateRect(&display, 4, 4);
  const RECT strip{rect.left, rect.top, rect.right, display.top + 1};
  const int w = strip.right - strip.left, h = strip.bottom - strip.top;
  if (w <= 0 || h <= 0) return;
  TBitmap bitmap(w, h, TPixelFormat::pf24bit);
  const HDC sdc = bitmap.Canvas().Handle();
  RECT all{0, 0, w, h};
  FillFace(sdc, all);
  const HFONT font = WindowFont(Handle);
  const HGDIOBJ oldFont = font ? SelectObject(sdc, font) : nullptr;
  const int n = static_cast<int>(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0));
  const int current = static_cast<int>(SendMessageW(Handle, TCM_GETCURSEL, 0, 0));
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
  for (int i = 0; i < n; ++i) {
    RECT item{};
    if (!SendMessageW(Handle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
    OffsetRect(&item, 0, 1);
    const int frame = i == current ? 2 : 1;
    DrawSkinFrame(sdc, item, buttons.Image, buttons.Margins(), buttons.Tile, std::max(buttons.Frame, 1), frame,
                  buttons.Trans == 1);
    wchar_t buffer[kTabTextBuffer] = {};
    TCITEMW tab{};
    tab.mask = TCIF_TEXT | TCIF_IMAGE;
    tab.pszText = buffer;
    tab.cchTextMax = kTabTextBuffer;
    SendMessageW(Handle, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab));
    TTabCaption caption;
    caption.Text = buffer;
    caption.ImageIndex = tab.iImage;
    caption.Images = images;
    caption.Colour = 0;  // black, unless the skin names the button texts' colours
    if (frame == 1 && buttons.HasNormalColour2) caption.Colour = buttons.NormalColour2;
    if (frame == 2 && buttons.HasPressedColour2) caption.Colour = buttons.PressedColour2;
    caption.Enabled = EnabledLook;
    caption.ReadingFlags = ReadingOrderFlags(0);
    DrawTabCaption(sdc, item, TCaptionAlign::Centre, caption);
  }
  if (oldFont) SelectObject(sdc, oldFont);
  BitBlt(dc, strip.left, strip.top, w, h, sdc, 0, 0, SRCCOPY);
}

void RegisterTabSkinners() {
  RegisterSkinnerKind("TSkinTab", [](TComponent* owner) -> TSkinControl* { return new TSkinTab(owner); });
  RegisterSkinnerKind("TSkinTabSheet", [](TComponent* owner) -> TSkinControl* { return new TSkinTabSheet(owner); });
  RegisterSkinnerKind("TSkinTabBtn", [](TComponent* owner) -> TSkinControl* { return new TSkinTabBtn(owner); });
}
