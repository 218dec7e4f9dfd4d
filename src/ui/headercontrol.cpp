// THeaderControl and its sections.
#include "ui/headercontrol.h"

#include <algorithm>

#include "ui/dpi.h"
#include "ui/skin_messages.h"

const TClassInfo& THeaderSection::StaticClassInfo() {
  static const TClassInfo info(
      "THeaderSection", &TCollectionItem::StaticClassInfo(),
      {
          props::Enumeration<THeaderSection, TAlignment>("Alignment", AlignmentNames(), &THeaderSection::Alignment,
                                                         &THeaderSection::SetAlignment),
          props::Integer<THeaderSection>("MinWidth", &THeaderSection::MinWidth, &THeaderSection::SetMinWidth),
          props::Wide<THeaderSection>("Text", &THeaderSection::Text, &THeaderSection::SetText),
          props::Integer<THeaderSection>("Width", &THeaderSection::Width, &THeaderSection::SetWidth),
      });
  return info;
}

void THeaderSection::SetText(const std::wstring& value) {
  FText = value;
  Changed();
}

void THeaderSection::SetWidth(int value) {
  FWidth = std::max(value, FMinWidth);
  Changed();
}

void THeaderSection::SetMinWidth(int value) {
  FMinWidth = std::max(value, 0);
  if (FWidth < FMinWidth) FWidth = FMinWidth;
  Changed();
}

void THeaderSection::SetAlignment(TAlignment value) {
  FAlignment = value;
  Changed();
}

int THeaderSection::Left() const {
  int left = 0;
  const int index = Index();
  for (int i = 0; i < index; ++i) left += static_cast<const THeaderSection*>(Collection().Items(i))->FWidth;
  return left;
}

const TClassInfo& THeaderSections::StaticClassInfo() {
  static const TClassInfo info("THeaderSections", &TCollection::StaticClassInfo(), {});
  return info;
}

THeaderSections::THeaderSections(THeaderControl& owner)
    : TCollection(
          [](TCollection& c) -> std::unique_ptr<TCollectionItem> { return std::make_unique<THeaderSection>(c); }),
      FOwner(owner) {
  OnUpdate = [this](TCollectionItem* item) { FOwner.SectionsChanged(static_cast<THeaderSection*>(item)); };
}

const TClassInfo& THeaderControl::StaticClassInfo() {
  static const TClassInfo info(
      "THeaderControl", &TWinControl::StaticClassInfo(),
      {
          props::SubObject<THeaderControl, TCollection>("Sections", &THeaderControl::Sections),
          props::TypedEvent<THeaderControl, TSectionNotifyEvent>("OnSectionClick", &THeaderControl::OnSectionClick),
          props::TypedEvent<THeaderControl, TSectionNotifyEvent>("OnSectionResize", &THeaderControl::OnSectionResize),
      },
      [](TComponent* owner) { return new THeaderControl(owner); });
  return info;
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), FSections(std::make_unique<THeaderSections>(*this)) {
  SetControlStyle(csCaptureMouse | csOpaque);
  SetBoundsFields(0, 0, 250, 20);
  SetAlign(TAlign::alTop);
  SetColor(clBtnFace);
}

THeaderControl::~THeaderControl() = default;

void THeaderControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = WC_HEADERW;
  params.Style |= HDS_HORZ | HDS_BUTTONS | HDS_FULLDRAG | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
}

void THeaderControl::AfterCreateWnd() {
  SectionsChanged(nullptr);
}

void THeaderControl::WriteSection(int index, bool insert) {
  const THeaderSection* section = FSections->Items(index);
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.cxy = section->FWidth;
  item.pszText = const_cast<wchar_t*>(section->FText.c_str());
  item.fmt = HDF_STRING;
  switch (section->FAlignment) {
    case TAlignment::taRightJustify:
      item.fmt |= HDF_RIGHT;
      break;
    case TAlignment::taCenter:
      item.fmt |= HDF_CENTER;
      break;
    default:
      item.fmt |= HDF_LEFT;
      break;
  }
  SendMessageW(Handle(), insert ? HDM_INSERTITEMW : HDM_SETITEMW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&item));
}

void THeaderControl::SectionsChanged(THeaderSection* section) {
  if (!HandleAllocated()) return;
  if (section) {
    WriteSection(section->Index(), false);
    return;
  }
  const HWND h = Handle();
  for (int n = static_cast<int>(SendMessageW(h, HDM_GETITEMCOUNT, 0, 0)); n > 0; --n)
    SendMessageW(h, HDM_DELETEITEM, static_cast<WPARAM>(n - 1), 0);
  for (int i = 0; i < FSections->Count(); ++i) WriteSection(i, true);
}

void THeaderControl::Notify(const NMHDR& header, LRESULT& result) {
  const auto& info = reinterpret_cast<const NMHEADERW&>(header);
  const bool known = info.iItem >= 0 && info.iItem < FSections->Count();
  switch (header.code) {
    case HDN_ITEMCLICKW:
    case HDN_ITEMCLICKA:
      if (known && OnSectionClick) OnSectionClick(this, FSections->Items(info.iItem));
      break;
    case HDN_BEGINTRACKW:
    case HDN_BEGINTRACKA:
      FTracking = known ? info.iItem : -1;
      result = FALSE;
      break;
    case HDN_ITEMCHANGEDW:
    case HDN_ITEMCHANGEDA:
      if (known && info.pitem && (info.pitem->mask & HDI_WIDTH)) {
        THeaderSection* section = FSections->Items(info.iItem);
        section->FWidth = info.pitem->cxy;
        // Dragged narrower than allowed: the section springs back to its least width.
        if (section->FWidth < section->FMinWidth) {
          section->FWidth = section->FMinWidth;
          WriteSection(info.iItem, false);
        }
      }
      break;
    case HDN_ENDTRACKW:
    case HDN_ENDTRACKA:
      if (known && info.iItem == FTracking) {
        THeaderSection* section = FSections->Items(info.iItem);
        if (info.pitem && (info.pitem->mask & HDI_WIDTH))
          section->FWidth = std::max(info.pitem->cxy, section->FMinWidth);
        FTracking = -1;
        if (OnSectionResize) OnSectionResize(this, section);
      }
      break;
    default:
      break;
  }
}

void THeaderControl::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    if (IsNotifyHeaderPointer(message.LParam)) Notify(*reinterpret_cast<const NMHDR*>(message.LParam), message.Result);
    return;
  }
  TWinControl::WndProc(message);
}

void THeaderControl::ChangeScale(int fromDpi, int toDpi) {
  TWinControl::ChangeScale(fromDpi, toDpi);
  for (int i = 0; i < FSections->Count(); ++i) {
    THeaderSection* section = Section(i);
    // The minimum first: a width is never held below it.
    section->SetMinWidth(RescaleDpi(section->MinWidth(), fromDpi, toDpi));
    section->SetWidth(RescaleDpi(section->Width(), fromDpi, toDpi));
  }
}
