// TSkinTab31 and TSkinAdvPage: tab sets drawn from the skin's upside-down "Tabs" pictures, and
// the tab pictures handed to a page control that draws itself.
#include "skin/controls/skin_tabset.h"

#include <algorithm>

#include "skin/controls/skin_updown.h"
#include "skin/controls/tab_geometry.h"
#include "skin/file/imgutil.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_draw.h"
#include "ui/canvas.h"
#include "ui/gdi.h"
#include "ui/strings.h"
#include "ui/wincontrol.h"

namespace {

constexpr int kOtherTabFrame = 1, kCurrentTabFrame = 2;

int IntPropOr(TObject* object, std::string_view name, int fallback) {
  const int value = GetIntProp(object, name);
  return value < 0 ? fallback : value;
}

}  // namespace

// ---- TSkinTab31 ----

const TClassInfo& TSkinTab31::StaticClassInfo() {
  static const TClassInfo info("TSkinTab31", &TSkinControl::StaticClassInfo(), {});
  return info;
}

void TSkinTab31::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool, TCanvas* workCanvas) {
  if (Attached) return;
  auto* control = dynamic_cast<TWinControl*>(Owner());
  if (!control) return;
  Control = control;
  // The strip is taken over at its window: the tab set paints itself there.
  AttachWindow(control->Handle(), skinData, formSkinner, workCanvas);
  PrepareImage();
  for (int i = 0; i < control->ControlCount(); ++i) {
    if (auto* child = dynamic_cast<TWinControl*>(control->Controls(i))) {
      Scroller = child;
      ArrowSkinner = new TSkinUpDown(control);
      ArrowSkinner->Kind = 1;
      ArrowSkinner->AttachWindow(child->Handle(), skinData, formSkinner, workCanvas);
      break;
    }
  }
}

void TSkinTab31::PrepareImage() {
  TabImage.SetSize(0, 0);
  if (!SkinData || !SkinData->Tabs || !SkinData->Tabs->HasImage()) return;
  TabImage.Assign(SkinData->Tabs->Image);
  TabImage.SetPixelFormat(TPixelFormat::pf24bit);
  // A tab set's tabs hang below its edge.
  FlipVertical(TabImage);
}

void TSkinTab31::SkinChanged() {
  TSkinControl::SkinChanged();
  PrepareImage();
  Redraw();
}

bool TSkinTab31::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: {
      RECT r{};
      GetClientRect(Handle, &r);
      if (m.WParam) {
        PaintSkin(reinterpret_cast<HDC>(m.WParam), r);
      } else {
        TPaintDC paint(Handle);
        PaintSkin(paint, r);
      }
      // The tab set's own paint still runs, onto an area now validated.
      return true;
    }
    case WM_ERASEBKGND: m.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(m);
  }
}

void TSkinTab31::PaintSkin(HDC dc, const RECT& rect) {
  if (TabImage.Empty() || !SkinData || !SkinData->Tabs || !Control) return;
  const TDataSkinBorder& tabs = *SkinData->Tabs;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  TBitmap bitmap(width, height, TPixelFormat::pf24bit);
  const HDC bdc = bitmap.Canvas().Handle();
  RECT all{0, 0, width, height};
  FillFace(bdc, all);
  const HGDIOBJ oldFont = SelectObject(bdc, Control->Font()->Handle());
  SetBkMode(bdc, TRANSPARENT);
  auto* names = static_cast<TStrings*>(GetObjectPropByName(Control, "Tabs", TStrings::StaticClassInfo()));
  const int count = names ? names->Count() : 0;
  const int selected = GetIntProp(Control, "TabIndex");
  const int usable = width - IntPropOr(Control, "EndMargin", 0);
  const bool scrollerVisible = Scroller && Scroller->Visible();
  int x = IntPropOr(Control, "StartMargin", 0);
  for (int i = std::max(IntPropOr(Control, "FirstIndex", 0), 0); i < count; ++i) {
    const std::wstring text = names->Get(i);
    SIZE extent{};
    GetTextExtentPoint32W(bdc, text.c_str(), static_cast<int>(text.size()), &extent);
    if (!TabSetTabFits(usable, x, extent.cx, scrollerVisible)) break;
    const int padding = SkinData->Scaled(kTabSetPadding);
    RECT tab{x, 0, x + extent.cx + padding, height};
    const int frame = i == selected ? kCurrentTabFrame : kOtherTabFrame;
    DrawSkinFrame(bdc, tab, TabImage, tabs.Margins(), tabs.Tile, std::max(tabs.Frame, 1), frame, tabs.Trans == 1);
    SetTextColor(bdc, ColorToRGB(frame == kOtherTabFrame ? tabs.NormalColour2 : tabs.MouseOverColour2));
    DrawTextAuto(bdc, text, tab, ReadingOrderFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    x += extent.cx + padding;
  }
  SelectObject(bdc, oldFont);
  BitBlt(dc, rect.left, rect.top, width, height, bdc, 0, 0, SRCCOPY);
}

// ---- TSkinAdvPage ----

const TClassInfo& TSkinAdvPage::StaticClassInfo() {
  static const TClassInfo info("TSkinAdvPage", &TSkinControl::StaticClassInfo(), {});
  return info;
}

void TSkinAdvPage::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) {
  if (Attached) return;
  TSkinControl::AttachControl(formSkinner, skinData, recolour, workCanvas);
  RenderTabPictures();
}

void TSkinAdvPage::SkinChanged() { RenderTabPictures(); }

void TSkinAdvPage::RenderTabPictures() {
  if (Kind != 4 || !SkinData || !SkinData->Tabs || !SkinData->Tabs->HasImage() || !Control) return;
  TDataSkinBorder& tabs = *SkinData->Tabs;
  const std::pair<const char*, int> pictures[] = {{"TabBackGround", kOtherTabFrame},
                                                  {"TabBackGroundActive", kCurrentTabFrame}};
  for (const auto& [name, frame] : pictures) {
    auto* target = static_cast<TBitmap*>(GetObjectPropByName(Control, name, TBitmap::StaticClassInfo()));
    if (!target) continue;
    std::unique_ptr<TBitmap> rendered = RenderSkinFrame(SkinData->Scaled(kAdvTabWidth), SkinData->Scaled(kAdvTabHeight), tabs.Image, tabs.Margins(), false,
                                                        tabs.Tile, std::max(tabs.Frame, 1), frame);
    if (rendered) target->Assign(*rendered);
  }
  Control->Invalidate();
}

void TSkinAdvPage::Detach() {
  if (Control && LifeState != kSkinnerWindowDestroyed) {
    for (const char* name : {"TabBackGround", "TabBackGroundActive"}) {
      if (auto* target = static_cast<TBitmap*>(GetObjectPropByName(Control, name, TBitmap::StaticClassInfo())))
        target->SetSize(0, 0);
    }
  }
  TSkinControl::Detach();
}

bool TSkinAdvPage::SkinArrows() {
  const HWND arrows = Handle ? FindWindowExW(Handle, nullptr, UPDOWN_CLASSW, nullptr) : nullptr;
  if (!arrows) return false;
  if (!ArrowSkinner) {
    ArrowSkinner = new TSkinUpDown(Control ? static_cast<TComponent*>(Control) : this);
    ArrowSkinner->AttachWindow(arrows, SkinData, FormSkinner, WorkCanvas);
  }
  return (GetWindowLongW(arrows, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TSkinAdvPage::PaintSkin(HDC, const RECT&) { SkinArrows(); }

void RegisterTabSetSkinners() {
  RegisterSkinnerKind("TSkinTab31", [](TComponent* owner) -> TSkinControl* { return new TSkinTab31(owner); });
  RegisterSkinnerKind("TSkinAdvPage", [](TComponent* owner) -> TSkinControl* { return new TSkinAdvPage(owner); });
}
