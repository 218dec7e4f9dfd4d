// The skinned menu-item painter and measures.
#include "skin/form/menu_paint.h"

#include <algorithm>
#include <functional>

#include "skin/controls/skin_control.h"
#include "skin/form/menu_rules.h"
#include "skin/model/skin_draw.h"
#include "skin/model/skin_manage.h"
#include "ui/imagelist.h"

namespace {

constexpr int kMenuItemFrames = 5;
constexpr int kNormalFrame = 1, kSeparatorFrame = 2, kSelectedFrame = 4;
constexpr int kShortCutRightGap = 10;
constexpr int kCheckBoxHeight = 16;

int SkinDpiOf(const TSkinData* skin) {
  return skin ? skin->Dpi() : kDesignDpi;
}
constexpr UINT kTextFormat = DT_SINGLELINE | DT_EXPANDTABS;
// The raster operation that paints the brush where a monochrome source is black and keeps the
// destination where it is white.
constexpr DWORD kRopBrushWhereBlack = 0x00B8074A;

TFrameRect ToFrame(const RECT& r) { return TFrameRect{r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const TFrameRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

TColor Colour(TSkinData* skin, int entry, int system) {
  return skin ? skin->Colour(entry) : static_cast<TColor>(GetSysColor(system));
}

bool HasMenuItemPicture(TSkinData* skin) { return skin && skin->MenuItem && skin->MenuItem->HasImage(); }
int MenuItemLeftWidth(TSkinData* skin) { return HasMenuItemPicture(skin) ? skin->MenuItem->LeftWidth : 0; }

// The popup skinner showing a menu: its background and where the popup's client area lies in
// its window (the background covers the whole window).
TBitmap* PopupBackgroundOf(HMENU menu, POINT& clientOffset) {
  clientOffset = POINT{0, 0};
  TSkinManage* manager = SkinManager();
  if (!manager || !menu) return nullptr;
  for (const auto& popup : manager->PopupSkinners()) {
    if (popup->OwnerMenu != menu) continue;
    RECT window{};
    POINT origin{0, 0};
    if (popup->Window && GetWindowRect(popup->Window, &window) && ClientToScreen(popup->Window, &origin))
      clientOffset = POINT{origin.x - window.left, origin.y - window.top};
    return &popup->Background;
  }
  return nullptr;
}

// A work bitmap of the item's size holding what lies under the item.
void FillItemBackground(TSkinData* skin, TBitmap& work, const TMenuItemView& item, const RECT& rect) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  POINT offset{};
  TBitmap* background = PopupBackgroundOf(item.ParentMenu, offset);
  if (background && !background->Empty()) {
    BitBlt(work.Canvas().Handle(), 0, 0, w, h, background->Canvas().Handle(), rect.left + offset.x,
           rect.top + offset.y, SRCCOPY);
    return;
  }
  TSkinControl::FillColor(work.Canvas().Handle(), RECT{0, 0, w, h}, Colour(skin, SkinColour::Menu, COLOR_MENU));
}

// The platform's check mark (or radio bullet) in colour, centred in box.
void DrawMark(HDC dc, const RECT& box, const RECT& item, bool radio, TColor colour) {
  const int w = GetSystemMetrics(SM_CXMENUCHECK), h = GetSystemMetrics(SM_CYMENUCHECK);
  TBitmap mark(w, h, TPixelFormat::pf1bit);
  RECT all{0, 0, w, h};
  HDC markDC = mark.Canvas().Handle();
  PatBlt(markDC, 0, 0, w, h, WHITENESS);
  DrawFrameControl(markDC, &all, DFC_MENU, radio ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  const int x = box.left + (box.right - box.left - w) / 2 + 1;
  const int y = item.top + (item.bottom - item.top - h) / 2;
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(colour)));
  TSelectObject selected(dc, brush.Get());
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0)), oldBack = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, w, h, markDC, 0, 0, kRopBrushWhereBlack);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

// Caption text of an item: colour by state, bold for the default item.
void DrawMenuText(TSkinData* skin, const TMenuItemView& item, TCanvas& canvas, UINT flags, bool selected, RECT& rect,
                  std::wstring text) {
  const bool measuring = flags & DT_CALCRECT;
  if (measuring && (text.empty() || text == L"&")) text += L' ';
  if (text == L"-") return;
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().SetStyle(item.Default ? fsBold : 0u);
  TColor colour = selected ? Colour(skin, SkinColour::HilightText, COLOR_HIGHLIGHTTEXT)
                           : Colour(skin, SkinColour::MenuText, COLOR_MENUTEXT);
  if (!item.Enabled) {
    colour = Colour(skin, SkinColour::ButtonShadow, COLOR_BTNSHADOW);
    if (colour == Colour(skin, SkinColour::MenuText, COLOR_MENUTEXT)) colour = static_cast<TColor>(GetSysColor(COLOR_GRAYTEXT));
  }
  canvas.Font().SetColor(colour);
  // The font and colour go into the DC here: the canvas selects its tools only for its own
  // drawing calls.
  HDC dc = canvas.Handle();
  TSelectObject font(dc, canvas.Font().Handle());
  SetTextColor(dc, ColorToRGB(colour));
  SetBkMode(dc, TRANSPARENT);
  DrawTextAuto(dc, text, rect, flags);
}

void DrawWork(TCanvas& canvas, TBitmap& work, const RECT& rect) {
  BitBlt(canvas.Handle(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, work.Canvas().Handle(), 0,
         0, SRCCOPY);
}

void PaintSkinned(TSkinData* skin, const TMenuItemView& item, TCanvas& canvas, bool selected, const RECT& rect,
                  bool separatorCase) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  TBitmap work(w, h);
  FillItemBackground(skin, work, item, rect);
  const RECT local{0, 0, w, h};
  const bool separator = separatorCase && item.Caption == L"-";
  if (!separator) {
    TDataSkinObject& picture = *skin->MenuItem;
    DrawSkinFrame(work.Canvas().Handle(), local, picture.Image, picture.Margins(), picture.Tile, kMenuItemFrames,
                  selected ? kSelectedFrame : kNormalFrame, picture.Trans != 0);
    work.Canvas().Font().Assign(canvas.Font());
    DrawMenuItemContent(skin, item, work.Canvas(), selected, local);
  }
  DrawWork(canvas, work, rect);
  if (separator) DrawMenuSeparator(skin, canvas, rect);
}

// Our handlers, told apart from an item's own by their type.
struct TSkinnedDraw {
  TSkinData* Skin;
  void operator()(TObject* sender, TCanvas& canvas, RECT rect, bool selected) const {
    if (auto* item = dynamic_cast<TMenuItem*>(sender)) PaintMenuItem(Skin, ViewOfItem(*item), canvas, selected, rect);
  }
};
struct TSkinnedMeasure {
  TSkinData* Skin;
  bool Popup;
  void operator()(TObject* sender, TCanvas& canvas, int& width, int& height) const {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item) return;
    if (Popup) MeasurePopupItem(Skin, *item, canvas, width, height);
    else MeasureSubMenuItem(Skin, *item, canvas, width, height);
  }
};

void OwnMeasure(TMenuItem& item, TCanvas& canvas, int& width, int& height) {
  TMenuMeasureItemEvent saved = std::move(item.OnMeasureItem);
  item.OnMeasureItem = nullptr;
  item.MeasureItem(canvas, width, height);
  item.OnMeasureItem = std::move(saved);
}

bool MenuHasImages(TMenuItem& item) {
  TMenu* menu = item.GetParentMenu();
  return menu && menu->Images() && menu->Images()->Count() > 0;
}

}  // namespace

void UseMenuFont(TCanvas& canvas) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    canvas.Font().SetLogFont(metrics.lfMenuFont);
}

bool ReadMenuItem(HMENU menu, UINT position, std::wstring& text, MENUITEMINFOW* info) {
  MENUITEMINFOW local{};
  MENUITEMINFOW& item = info ? *info : local;
  const UINT wanted = info ? info->fMask : 0;
  // First the length, then the text: a fixed buffer would cut long captions for good when the
  // text is written back.
  item = MENUITEMINFOW{};
  item.cbSize = sizeof item;
  item.fMask = wanted | MIIM_STRING | MIIM_FTYPE;
  if (!GetMenuItemInfoW(menu, position, TRUE, &item)) return false;
  text.clear();
  if (item.fType & MFT_SEPARATOR || item.cch == 0) return true;
  std::wstring buffer(static_cast<size_t>(item.cch) + 1, L'\0');
  item.dwTypeData = buffer.data();
  item.cch = static_cast<UINT>(buffer.size());
  if (!GetMenuItemInfoW(menu, position, TRUE, &item)) return false;
  buffer.resize(std::min<size_t>(item.cch, buffer.size()));
  text = buffer.c_str();
  item.dwTypeData = nullptr;
  return true;
}

std::wstring MenuStringOf(HMENU menu, UINT command) {
  if (!menu) return {};
  const int length = GetMenuStringW(menu, command, nullptr, 0, MF_BYCOMMAND);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetMenuStringW(menu, command, text.data(), length + 1, MF_BYCOMMAND);
  text.resize(static_cast<size_t>(std::max(0, got)));
  return text;
}

TMenuItemView ViewOfItem(TMenuItem& item) {
  TMenuItemView view;
  view.Caption = GetTextProp(&item, "Caption");
  view.Enabled = item.Enabled();
  view.Checked = item.Checked();
  view.Radio = item.RadioItem();
  view.Default = item.Default();
  view.ShortCut = item.ShortCut();
  view.ImageIndex = item.ImageIndex();
  if (TMenu* menu = item.GetParentMenu()) {
    view.Images = menu->Images();
    view.RightToLeft = menu->RightToLeft();
  }
  view.ParentMenu = item.ParentMenuHandle();
  return view;
}

TMenuItemView ViewOfOsItem(HMENU menu, const std::wstring& text, bool enabled, bool checked) {
  TMenuItemView view;
  view.Caption = text.empty() ? L"-" : text;
  view.Enabled = enabled;
  view.Checked = checked;
  view.ParentMenu = menu;
  // The shortcut of a platform item follows a tab in its text.
  if (const size_t tab = view.Caption.find(L'\t'); tab != std::wstring::npos) view.Caption.resize(tab);
  return view;
}

void PaintMenuItem(TSkinData* skin, const TMenuItemView& item, TCanvas& canvas, bool selected, const RECT& rect) {
  if (TSkinManage* manager = SkinManager()) {
    manager->MarkAllPopups();
    manager->AssignPopupOwner(item.ParentMenu);
  }
  if (!HasMenuItemPicture(skin)) {
    PaintMenuItemPlain(skin, item, canvas, selected, rect);
    return;
  }
  PaintSkinned(skin, item, canvas, selected, rect, true);
}

void PaintOsMenuItem(TSkinData* skin, const TMenuItemView& item, TCanvas& canvas, bool selected, const RECT& rect) {
  if (!HasMenuItemPicture(skin)) {
    PaintMenuItemPlain(skin, item, canvas, selected, rect);
    return;
  }
  PaintSkinned(skin, item, canvas, selected, rect, false);
}

void PaintMenuItemPlain(TSkinData* skin, const TMenuItemView& item, TCanvas& canvas, bool selected, const RECT& rect) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  TBitmap work(w, h);
  TSkinControl::FillColor(work.Canvas().Handle(), RECT{0, 0, w, h},
                          selected ? Colour(skin, SkinColour::Hilight, COLOR_HIGHLIGHT)
                                   : Colour(skin, SkinColour::Menu, COLOR_MENU));
  work.Canvas().Font().Assign(canvas.Font());
  const RECT local{0, 0, w, h};
  if (item.Caption == L"-") {
    // The plain separator: an etched line along the top of the item moved down by 4.
    RECT line{local.left, local.top + 4, local.right, local.bottom};
    DrawEdge(work.Canvas().Handle(), &line, EDGE_ETCHED, BF_TOP);
  } else {
    DrawMenuItemContent(skin, item, work.Canvas(), selected, local);
  }
  DrawWork(canvas, work, rect);
}

void DrawMenuItemContent(TSkinData* skin, const TMenuItemView& item, TCanvas& canvas, bool selected, const RECT& rect) {
  const bool separator = item.Caption == L"-";
  const bool hasImage = item.Images && item.ImageIndex >= 0 && item.ImageIndex < item.Images->Count();
  const TMenuItemLayout layout = MenuItemLayoutOf(ToFrame(rect), MenuItemLeftWidth(skin),
                                                  item.Images ? item.Images->Width() : 0, item.Checked, separator,
                                                  item.RightToLeft, SkinDpiOf(skin));
  RECT box = ToRect(layout.GlyphBox);
  HDC dc = canvas.Handle();
  if (!separator && hasImage) {
    if (item.Checked) {
      // A checked item with an image: the image sits in a sunken, dithered box.
      box.bottom = box.top + ScaleByDpi(kCheckBoxHeight, SkinDpiOf(skin));
      TBitmap dither(8, 8);
      for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
          dither.Canvas().SetPixel(x, y, (x + y) % 2 ? static_cast<TColor>(GetSysColor(COLOR_BTNFACE))
                                                      : static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT)));
      }
      TBrushHandle pattern(CreatePatternBrush(dither.Handle()));
      FillRect(dc, &box, pattern.Get());
      DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    } else {
      box.bottom = box.top + item.Images->Height();
    }
    item.Images->Draw(canvas, box.left, box.top, item.ImageIndex, item.Enabled);
  } else if (!separator && item.Checked) {
    DrawMark(dc, box, rect, item.Radio, Colour(skin, SkinColour::ButtonText, COLOR_BTNTEXT));
  }
  RECT text = ToRect(layout.TextRect);
  UINT align = item.RightToLeft ? DT_RIGHT | DT_RTLREADING : 0;
  RECT measured = text;
  DrawMenuText(skin, item, canvas, kTextFormat | DT_CALCRECT | DT_NOCLIP | align, selected, measured, item.Caption);
  const int th = measured.bottom - measured.top;
  RECT placed{text.left, rect.top + (rect.bottom - rect.top - th) / 2, text.right,
              rect.top + (rect.bottom - rect.top - th) / 2 + th};
  DrawMenuText(skin, item, canvas, kTextFormat | align, selected, placed, item.Caption);
  if (item.ShortCut == 0 || separator) return;
  const std::wstring shortcut = ShortCutToText(static_cast<TShortCut>(item.ShortCut));
  if (item.RightToLeft) {
    RECT room{rect.left + 1 + ScaleByDpi(kShortCutRightGap, SkinDpiOf(skin)), placed.top, text.right - (measured.right - measured.left), placed.bottom};
    DrawMenuText(skin, item, canvas, kTextFormat | DT_LEFT, selected, room, shortcut);
  } else {
    RECT room{text.left + (measured.right - measured.left), placed.top, rect.right - 1 - ScaleByDpi(kShortCutRightGap, SkinDpiOf(skin)), placed.bottom};
    DrawMenuText(skin, item, canvas, kTextFormat | DT_RIGHT, selected, room, shortcut);
  }
}

void DrawMenuSeparator(TSkinData* skin, TCanvas& canvas, const RECT& rect) {
  if (!HasMenuItemPicture(skin)) return;
  TDataSkinObject& picture = *skin->MenuItem;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const int frameW = picture.Image.Width() / kMenuItemFrames;
  const TSeparatorRows rows = SeparatorRowsOf(picture.Image.Height(), h);
  if (w <= 0 || h <= 0 || frameW <= 0 || rows.Height <= 0) return;
  const int frameLeft = (kSeparatorFrame - 1) * frameW;
  const int capL = std::min(picture.LeftWidth, frameW), capR = std::min(picture.RightWidth, frameW - capL);
  TBitmap work(w, h);
  HDC to = work.Canvas().Handle(), from = picture.Image.Canvas().Handle();
  SetStretchBltMode(to, COLORONCOLOR);
  StretchBlt(to, 0, 0, capL, h, from, frameLeft, rows.Top, capL, rows.Height, SRCCOPY);
  StretchBlt(to, w - capR, 0, capR, h, from, frameLeft + frameW - capR, rows.Top, capR, rows.Height, SRCCOPY);
  StretchBlt(to, capL, 0, w - capL - capR, h, from, frameLeft + capL, rows.Top, frameW - capL - capR, rows.Height,
             SRCCOPY);
  DrawKeyed(canvas.Handle(), rect, work, kMagenta);
}

void MeasureSubMenuItem(TSkinData* skin, TMenuItem& item, TCanvas& canvas, int& width, int& height) {
  OwnMeasure(item, canvas, width, height);
  width += MenuItemExtraWidth(HasMenuItemPicture(skin), MenuItemLeftWidth(skin), MenuHasImages(item), false,
                             SkinDpiOf(skin));
}

void MeasurePopupItem(TSkinData* skin, TMenuItem& item, TCanvas& canvas, int& width, int& height) {
  OwnMeasure(item, canvas, width, height);
  width += MenuItemExtraWidth(HasMenuItemPicture(skin), MenuItemLeftWidth(skin), MenuHasImages(item), true,
                             SkinDpiOf(skin));
}

void MeasureOsMenuItem(TSkinData* skin, const std::wstring& text, TCanvas& canvas, int& width, int& height) {
  if (text.empty() || text == L"-") {
    height = 8;
    return;
  }
  RECT r{0, 0, 0, 0};
  TSelectObject font(canvas.Handle(), canvas.Font().Handle());
  DrawTextAuto(canvas.Handle(), text, r, kTextFormat | DT_CALCRECT | DT_NOCLIP);
  width = (r.right - r.left) + 26 + MenuItemLeftWidth(skin);
  height = std::max(height, static_cast<int>(r.bottom - r.top)) + 4;
}

void SetSkinnedMenuHandlers(TMenu& menu, TSkinData* skin, bool on, bool popupMenu) {
  std::function<void(TMenuItem&, int)> walk = [&](TMenuItem& parent, int depth) {
    for (int i = 0; i < parent.Count(); ++i) {
      TMenuItem& item = *parent.Items(i);
      if (!on) {
        item.OnDrawItem = nullptr;
        item.OnMeasureItem = nullptr;
      } else if (popupMenu || depth > 0) {
        const bool ownDraw = item.OnDrawItem && !item.OnDrawItem.target<TSkinnedDraw>();
        const bool ownMeasure = item.OnMeasureItem && !item.OnMeasureItem.target<TSkinnedMeasure>();
        if (popupMenu || !ownDraw) {
          item.OnDrawItem = TSkinnedDraw{skin};
          if (!ownMeasure) item.OnMeasureItem = TSkinnedMeasure{skin, popupMenu};
        }
      }
      walk(item, depth + 1);
    }
  };
  walk(*menu.Items(), 0);
  menu.SetOwnerDraw(on);
}
