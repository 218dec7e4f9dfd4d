// TStatusBar and TStatusPanel.
#include "ui/statusbar.h"

#include <vector>

#include "ui/dpi.h"

const TClassInfo& TStatusPanel::StaticClassInfo() {
  static const TClassInfo info(
      "TStatusPanel", &TCollectionItem::StaticClassInfo(),
      {
          props::Enumeration<TStatusPanel, TAlignment>("Alignment", AlignmentNames(), &TStatusPanel::Alignment,
                                                       &TStatusPanel::SetAlignment),
          props::Enumeration<TStatusPanel, TStatusPanelBevel>("Bevel", {"pbNone", "pbLowered", "pbRaised"},
                                                              &TStatusPanel::Bevel, &TStatusPanel::SetBevel),
          props::Enumeration<TStatusPanel, TStatusPanelStyle>("Style", {"psText", "psOwnerDraw"},
                                                              &TStatusPanel::Style, &TStatusPanel::SetStyle),
          props::Wide<TStatusPanel>("Text", &TStatusPanel::Text, &TStatusPanel::SetText),
          props::Integer<TStatusPanel>("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth),
      });
  return info;
}

void TStatusPanel::SetWidth(int value) {
  FWidth = value;
  Changed();
}

void TStatusPanel::SetText(const std::wstring& value) {
  FText = value;
  Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle value) {
  FStyle = value;
  Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel value) {
  FBevel = value;
  Changed();
}

void TStatusPanel::SetAlignment(TAlignment value) {
  FAlignment = value;
  Changed();
}

const TClassInfo& TStatusBar::StaticClassInfo() {
  static const TClassInfo info(
      "TStatusBar", &TWinControl::StaticClassInfo(),
      {
          props::SubObject<TStatusBar, TCollection>("Panels", &TStatusBar::Panels),
          props::Boolean<TStatusBar>("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel),
          props::Wide<TStatusBar>("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText),
          props::Boolean<TStatusBar>("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip),
      },
      [](TComponent* owner) { return new TStatusBar(owner); });
  return info;
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner),
      FPanels(std::make_unique<TCollection>(
          [](TCollection& c) -> std::unique_ptr<TCollectionItem> { return std::make_unique<TStatusPanel>(c); })) {
  SetControlStyle(csCaptureMouse | csClickEvents | csOpaque);
  SetBoundsFields(0, 0, 19 * 10, 19);
  SetAlign(TAlign::alBottom);
  SetColor(clBtnFace);
  FPanels->OnUpdate = [this](TCollectionItem*) { UpdatePanels(); };
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = STATUSCLASSNAMEW;
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (FSizeGrip) params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::AfterCreateWnd() { UpdatePanels(); }

void TStatusBar::SetSimplePanel(bool value) {
  if (value == FSimplePanel) return;
  FSimplePanel = value;
  UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::wstring& value) {
  FSimpleText = value;
  UpdatePanels();
}

void TStatusBar::SetSizeGrip(bool value) {
  if (value == FSizeGrip) return;
  FSizeGrip = value;
  RecreateWnd();
}

void TStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  const HWND h = Handle();
  SendMessageW(h, SB_SIMPLE, FSimplePanel, 0);
  if (FSimplePanel) {
    SendMessageW(h, SB_SETTEXTW, 255, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
    return;
  }
  const int count = FPanels->Count();
  std::vector<int> edges(static_cast<size_t>(count > 0 ? count : 1), -1);
  int position = 0;
  for (int i = 0; i < count; ++i) {
    position += Panel(i)->Width();
    // The last panel runs to the right end of the bar.
    edges[static_cast<size_t>(i)] = i == count - 1 ? -1 : position;
  }
  SendMessageW(h, SB_SETPARTS, static_cast<WPARAM>(count > 0 ? count : 1), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < count; ++i) {
    TStatusPanel* panel = Panel(i);
    WPARAM flags = static_cast<WPARAM>(i);
    if (panel->Bevel() == TStatusPanelBevel::pbNone) flags |= SBT_NOBORDERS;
    if (panel->Bevel() == TStatusPanelBevel::pbRaised) flags |= SBT_POPOUT;
    if (panel->Style() == TStatusPanelStyle::psOwnerDraw) flags |= SBT_OWNERDRAW;
    std::wstring text = panel->Text();
    if (panel->Alignment() == TAlignment::taCenter) text = L"\t" + text;
    if (panel->Alignment() == TAlignment::taRightJustify) text = L"\t\t" + text;
    SendMessageW(h, SB_SETTEXTW, flags,
                 panel->Style() == TStatusPanelStyle::psOwnerDraw ? reinterpret_cast<LPARAM>(panel)
                                                                  : reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void TStatusBar::WndProc(TMessage& message) {
  if (message.Msg == CN_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    const int index = static_cast<int>(item->itemID);
    if (OnDrawPanel && index >= 0 && index < FPanels->Count()) {
      TSaveDC save(item->hDC);
      FCanvas.SetHandle(item->hDC);
      FCanvas.Font().Assign(*Font());
      FCanvas.Brush().SetColor(clBtnFace);
      OnDrawPanel(this, Panel(index), item->rcItem);
      FCanvas.SetHandle(nullptr);
    }
    message.Result = 1;
    return;
  }
  TWinControl::WndProc(message);
}

void TStatusBar::ChangeScale(int fromDpi, int toDpi) {
  TWinControl::ChangeScale(fromDpi, toDpi);
  // A width of -1 (the panel takes the rest) is no size to scale.
  for (int i = 0; i < FPanels->Count(); ++i) {
    TStatusPanel* panel = Panel(i);
    if (panel->Width() > 0) panel->SetWidth(RescaleDpi(panel->Width(), fromDpi, toDpi));
  }
}
