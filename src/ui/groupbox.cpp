// TCustomGroupBox, TGroupBox and TRadioGroup.
#include "ui/groupbox.h"

#include <algorithm>

#include "ui/gdi.h"

namespace {

// Gap between the frame and the caption, and between the group's edge and its buttons.
constexpr int kCaptionIndent = 8;
constexpr int kButtonIndent = 8;
constexpr int kFrameInset = 5;

}  // namespace

// ---- TCustomGroupBox ----

const TClassInfo& TCustomGroupBox::StaticClassInfo() {
  static const TClassInfo info("TCustomGroupBox", &TCustomControl::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TGroupBox::StaticClassInfo() {
  static const TClassInfo info("TGroupBox", &TCustomGroupBox::StaticClassInfo(), {},
                               [](TComponent* owner) { return new TGroupBox(owner); });
  return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque);
  SetBoundsFields(0, 0, 185, 105);
  SetColor(clBtnFace);
  SetParentColor(true);
}

int TCustomGroupBox::CaptionHeight() {
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(*Font());
  SIZE size{};
  GetTextExtentPoint32W(canvas.Handle(), L"0", 1, &size);
  return size.cy;
}

void TCustomGroupBox::AdjustClientRect(RECT& rect) {
  rect.top += HandleAllocated() ? CaptionHeight() : 14;
  InflateRect(&rect, -1, -1);
}

void TCustomGroupBox::Paint() {
  TCanvas& canvas = Canvas();
  const HDC dc = canvas.Handle();
  RECT r = ClientRect();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(r);
  const int h = CaptionHeight();
  RECT frame{r.left, r.top + h / 2 - 1, r.right, r.bottom};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const std::wstring caption = Caption();
  if (caption.empty()) return;
  const bool rtl = UseRightToLeftAlignment();
  UINT format = DT_SINGLELINE | DT_EXPANDTABS | (UseRightToLeftReading() ? DT_RTLREADING : 0);
  RECT text{0, 0, 0, h};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format | DT_CALCRECT);
  const int width = text.right;
  text.left = rtl ? r.right - kCaptionIndent - width : r.left + kCaptionIndent;
  text.right = text.left + width;
  // The caption sits on its own background over the frame line.
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, ColorToRGB(Color()));
  SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : SystemColor(COLOR_GRAYTEXT)));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format);
}

void TCustomGroupBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; return;  // Paint fills everything
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    case CM_FONTCHANGED:
      TCustomControl::WndProc(message);
      Realign();
      return;
    default: break;
  }
  TCustomControl::WndProc(message);
}

// ---- TRadioGroup ----

const TClassInfo& TRadioGroup::StaticClassInfo() {
  static const TClassInfo info(
      "TRadioGroup", &TCustomGroupBox::StaticClassInfo(),
      {
          props::Integer<TRadioGroup>("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns),
          props::SubObject<TRadioGroup, TStrings>("Items", &TRadioGroup::Items),
          props::Integer<TRadioGroup>("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex),
      },
      [](TComponent* owner) { return new TRadioGroup(owner); });
  return info;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomGroupBox(owner), FItems(std::make_unique<TWideStringList>()) {
  // The buttons are the group's own: other controls are not put into it.
  SetControlStyle(ControlStyle() & ~static_cast<std::uint32_t>(csAcceptsControls));
  FItems->OnChange = [this](TObject*) { UpdateButtons(); };
}

TRadioGroup::~TRadioGroup() = default;

void TRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  // The index may have been read before the items.
  UpdateButtons();
}

void TRadioGroup::SetItemIndex(int index) {
  if (IsLoading()) {
    FItemIndex = index;
    return;
  }
  if (index < -1 || index >= static_cast<int>(FButtons.size())) index = -1;
  FItemIndex = index;
  FUpdating = true;
  if (index >= 0) {
    FButtons[static_cast<size_t>(index)]->SetChecked(true);
  } else {
    for (TRadioButton* button : FButtons) button->SetChecked(false);
  }
  FUpdating = false;
  UpdateTabStops();
}

void TRadioGroup::SetColumns(int value) {
  value = std::clamp(value, 1, 16);
  if (value == FColumns) return;
  FColumns = value;
  ArrangeButtons();
}

void TRadioGroup::UpdateButtons() {
  if (IsLoading()) return;
  const int count = FItems->Count();
  while (static_cast<int>(FButtons.size()) > count) {
    FButtons.back()->Free();
    FButtons.pop_back();
  }
  while (static_cast<int>(FButtons.size()) < count) {
    // Owned by the group: freed with it, and not among the form's own components.
    auto* button = new TRadioButton(this);
    button->OnClick = [this, button](TObject*) { ButtonClicked(button); };
    button->SetParent(this);
    FButtons.push_back(button);
  }
  for (int i = 0; i < count; ++i) {
    TRadioButton* button = FButtons[static_cast<size_t>(i)];
    button->SetCaption(FItems->Get(i));
    button->SetBiDiMode(BiDiMode());
    button->SetEnabled(Enabled());
  }
  SetItemIndex(FItemIndex);
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (FButtons.empty() || IsLoading()) return;
  const int count = static_cast<int>(FButtons.size());
  const int perColumn = (count + FColumns - 1) / FColumns;
  const int top = HandleAllocated() ? CaptionHeight() + 1 : 15;
  const int columnWidth = std::max((Width() - 2 * kButtonIndent) / FColumns, 1);
  const int rowHeight = std::max((Height() - top - kFrameInset) / perColumn, 1);
  for (int i = 0; i < count; ++i) {
    const int column = i / perColumn, row = i % perColumn;
    int left = kButtonIndent + column * columnWidth;
    // Right to left, the first column is the rightmost.
    if (UseRightToLeftAlignment()) left = Width() - kButtonIndent - (column + 1) * columnWidth;
    FButtons[static_cast<size_t>(i)]->SetBounds(left, top + row * rowHeight, columnWidth, rowHeight);
  }
}

void TRadioGroup::UpdateTabStops() {
  const int stop = FItemIndex >= 0 ? FItemIndex : 0;
  for (int i = 0; i < static_cast<int>(FButtons.size()); ++i) FButtons[static_cast<size_t>(i)]->SetTabStop(i == stop);
}

void TRadioGroup::ButtonClicked(TRadioButton* button) {
  if (FUpdating) return;
  const auto it = std::find(FButtons.begin(), FButtons.end(), button);
  if (it == FButtons.end()) return;
  FItemIndex = static_cast<int>(it - FButtons.begin());
  UpdateTabStops();
  Click();
}

void TRadioGroup::BoundsChanged() {
  TCustomGroupBox::BoundsChanged();
  ArrangeButtons();
}

void TRadioGroup::WndProc(TMessage& message) {
  TCustomGroupBox::WndProc(message);
  switch (message.Msg) {
    case CM_ENABLEDCHANGED:
      for (TRadioButton* button : FButtons) button->SetEnabled(Enabled());
      break;
    case CM_FONTCHANGED: ArrangeButtons(); break;
    default: break;
  }
}
