// TSkinStatusBar and DrawCentredText.
#include "skin/controls/skin_statusbar.h"

#include "base/strings.h"
#include "skin/model/skin_draw.h"
#include "ui/bitmap.h"
#include "ui/gdi.h"
#include "ui/statusbar.h"

void DrawCentredText(const TSkinControl& skinner, HDC dc, const RECT& rect, UINT align, bool enabled,
                     const std::wstring& text) {
  SetBkMode(dc, TRANSPARENT);
  TSelectObject brush(dc, GetStockObject(NULL_BRUSH));
  RECT t = rect;
  DrawTextAuto(dc, text, t, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | align);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int textWidth = t.right - t.left, textHeight = t.bottom - t.top;
  if (align == DT_CENTER) {
    OffsetRect(&t, (width - textWidth) / 2, (height - textHeight) / 2 - 1);
  } else {
    OffsetRect(&t, 0, (height - textHeight) / 2 - 1);
    t.left = rect.left;
    t.right = rect.right;
  }
  COLORREF old = 0;
  if (!enabled) old = SetTextColor(dc, ColorToRGB(kDisabledTextColour));
  DrawTextAuto(dc, text, t, skinner.ReadingOrderFlags(align | DT_EXPANDTABS));
  if (!enabled) SetTextColor(dc, old);
}

const TClassInfo& TSkinStatusBar::StaticClassInfo() {
  static const TClassInfo info("TSkinStatusBar", &TSkinControl::StaticClassInfo(), {});
  return info;
}

bool TSkinStatusBar::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: {
      if (!Handle) return true;
      PaintInMessage(message);
      return false;
    }
    case WM_ERASEBKGND: message.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(message);
  }
}

void TSkinStatusBar::PanelBackground(HDC dc, const RECT& rect, int frame) {
  TDataSkinObject* edges = SkinData ? SkinData->StatusBarEdges.get() : nullptr;
  if (edges && !edges->Image.Empty()) {
    const RECT margins{edges->LeftWidth, edges->TopHeight, edges->RightWidth, edges->BottomHeight};
    auto piece = RenderSkinFrame(rect.right - rect.left, rect.bottom - rect.top, edges->Image, margins, false,
                                 edges->Tile, kStatusFrames, frame);
    if (!piece->Empty()) BitBlt(dc, rect.left, rect.top, piece->Width(), piece->Height(), piece->Canvas().Handle(), 0, 0, SRCCOPY);
    return;
  }
  if (frame == kStatusFlat) return;
  COLORREF topLeft = GetSysColor(COLOR_BTNSHADOW), bottomRight = GetSysColor(COLOR_BTNHIGHLIGHT);
  if (frame == kStatusRaised) std::swap(topLeft, bottomRight);
  TPenHandle light(CreatePen(PS_SOLID, 1, topLeft)), dark(CreatePen(PS_SOLID, 1, bottomRight));
  {
    TSelectObject pen(dc, light.Get());
    MoveToEx(dc, rect.left, rect.bottom - 1, nullptr);
    LineTo(dc, rect.left, rect.top);
    LineTo(dc, rect.right - 1, rect.top);
  }
  TSelectObject pen(dc, dark.Get());
  MoveToEx(dc, rect.right - 1, rect.top, nullptr);
  LineTo(dc, rect.right - 1, rect.bottom - 1);
  LineTo(dc, rect.left - 1, rect.bottom - 1);
}

void TSkinStatusBar::PaintSkin(HDC dc, const RECT& rect) {
  TBitmap* work = SkinWorkBitmap();
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!work || width <= 0 || height <= 0) return;
  work->SetPixelFormat(TPixelFormat::pf24bit);
  work->SetSize(width, height);
  const HDC face = work->Canvas().Handle();
  const RECT all{0, 0, width, height};
  FillFace(face, all);

  auto* bar = dynamic_cast<TStatusBar*>(Control);
  TFont font;
  HGDIOBJ fontHandle = nullptr;
  if (Control) {
    font.Assign(*Control->Font());
    font.SetStyle(0);
    fontHandle = font.Handle();
  } else if (Handle) {
    fontHandle = reinterpret_cast<HGDIOBJ>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  }
  TSelectObject selectFont(face, fontHandle ? fontHandle : GetStockObject(DEFAULT_GUI_FONT));
  TDataSkinObject* edges = SkinData ? SkinData->StatusBarEdges.get() : nullptr;
  const TColor textColour = edges ? edges->NormalColour2 : (SkinData ? SkinData->Colour(SkinColour::ButtonText) : clBtnText);
  SetTextColor(face, ColorToRGB(textColour));

  const auto* panels =
      static_cast<TCollection*>(GetObjectPropByName(Control, "Panels", TCollection::StaticClassInfo()));
  const int count = panels ? panels->Count() : 0;
  const bool simple = LowerAscii(GetEnumPropText(Control, "SimplePanel")) == "true" || count == 0;
  if (simple) {
    const UINT align = Control && Control->UseRightToLeftReading() ? DT_RIGHT : DT_LEFT;
    std::wstring text = Control ? GetTextProp(Control, "simpletext") : WindowText;
    if (text.empty()) text = L" ";
    PanelBackground(face, all, kStatusLowered);
    RECT inner = all;
    InflateRect(&inner, -2, 0);
    DrawCentredText(*this, face, inner, align, true, text);
  } else {
    for (int i = 0; i < count; ++i) {
      TCollectionItem* panel = panels->Items(i);
      RECT r{};
      if (!SendMessageW(Handle, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
      r.right += 2;
      if (i == count - 1) r.right = all.right;
      const std::string bevel = LowerAscii(GetEnumPropText(panel, "Bevel"));
      const int frame = bevel == "pbraised" ? kStatusRaised : bevel == "pblowered" ? kStatusLowered : kStatusFlat;
      PanelBackground(face, r, frame);
      if (LowerAscii(GetEnumPropText(panel, "Style")) != "pstext") continue;
      const bool rtl = LowerAscii(GetEnumPropText(panel, "BiDiMode")).find("righttoleft") != std::string::npos;
      std::wstring text = GetTextProp(panel, "Text");
      if (text.empty()) text = L" ";
      RECT inner = r;
      InflateRect(&inner, -2, 0);
      DrawCentredText(*this, face, inner, StatusAlignFlags(GetEnumPropText(panel, "Alignment"), rtl), true, text);
    }
  }

  TDataSkinObject* extra = SkinData ? SkinData->ExtraImages.get() : nullptr;
  const bool grip = Handle && (GetWindowLongW(Handle, GWL_STYLE) & SBARS_SIZEGRIP);
  if (grip && extra && !extra->Image.Empty() && extra->Frame >= kSizeGripFrame) {
    const int w = extra->Image.Width() / extra->Frame, h = extra->Image.Height();
    const RECT at{all.right - 1 - w, all.bottom - 1 - h, all.right - 1, all.bottom - 1};
    DrawFrameStretched(face, at, extra->Frame, kSizeGripFrame, extra->Image);
  }

  BitBlt(dc, rect.left, rect.top, width, height, face, 0, 0, SRCCOPY);
  if (bar) bar->PaintControls(dc, nullptr);
  if (bar && bar->OnDrawPanel && !simple) {
    for (int i = 0; i < count; ++i) {
      RECT r{};
      if (!SendMessageW(Handle, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
      InflateRect(&r, -2, -2);
      TSaveDC save(dc);
      bar->Canvas().SetHandle(dc);
      bar->Canvas().Font().Assign(*bar->Font());
      bar->OnDrawPanel(bar, bar->Panel(i), r);
      bar->Canvas().SetHandle(nullptr);
    }
  }
}
