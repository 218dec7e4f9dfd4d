// TListView, its columns and its items.
#include "ui/listview.h"

#include <algorithm>
#include <utility>

#include "ui/dpi.h"
#include "ui/skin_messages.h"

namespace {

int ColumnFormat(TAlignment alignment, int index) {
  // The platform shows its first column left-aligned only; the header says the same.
  if (index == 0) return LVCFMT_LEFT;
  switch (alignment) {
    case TAlignment::taRightJustify:
      return LVCFMT_RIGHT;
    case TAlignment::taCenter:
      return LVCFMT_CENTER;
    default:
      return LVCFMT_LEFT;
  }
}

// Holds the list's own-change count up while the program changes the window.
class TOwnChange {
public:
  explicit TOwnChange(int& count) : FCount(count) { ++FCount; }
  ~TOwnChange() { --FCount; }
  TOwnChange(const TOwnChange&) = delete;
  TOwnChange& operator=(const TOwnChange&) = delete;

private:
  int& FCount;
};

}  // namespace

const TClassInfo& TListColumn::StaticClassInfo() {
  static const TClassInfo info(
      "TListColumn", &TCollectionItem::StaticClassInfo(),
      {
          props::Enumeration<TListColumn, TAlignment>("Alignment", AlignmentNames(), &TListColumn::Alignment,
                                                      &TListColumn::SetAlignment),
          props::Wide<TListColumn>("Caption", &TListColumn::Caption, &TListColumn::SetCaption),
          props::Integer<TListColumn>("Width", &TListColumn::Width, &TListColumn::SetWidth),
      });
  return info;
}

void TListColumn::SetCaption(const std::wstring& value) {
  FCaption = value;
  Changed();
}

int TListColumn::Width() const {
  const TListView& list = static_cast<TListColumns&>(Collection()).Owner();
  const int index = Index();
  if (list.Windowed() && index >= 0 &&
      index < static_cast<int>(SendMessageW(const_cast<TListView&>(list).HeaderHandle(), HDM_GETITEMCOUNT, 0, 0)))
    return static_cast<int>(SendMessageW(list.Window(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index), 0));
  return FWidth;
}

void TListColumn::SetWidth(int value) {
  FWidth = std::max(value, 0);
  Changed();
}

void TListColumn::SetAlignment(TAlignment value) {
  FAlignment = value;
  Changed();
}

const TClassInfo& TListColumns::StaticClassInfo() {
  static const TClassInfo info("TListColumns", &TCollection::StaticClassInfo(), {});
  return info;
}

TListColumns::TListColumns(TListView& owner)
    : TCollection([](TCollection& c) -> std::unique_ptr<TCollectionItem> { return std::make_unique<TListColumn>(c); }),
      FOwner(owner) {
  OnUpdate = [this](TCollectionItem* item) { FOwner.ColumnChanged(static_cast<TListColumn*>(item)); };
}

const TClassInfo& TListItem::StaticClassInfo() {
  static const TClassInfo info("TListItem", &TCollectionItem::StaticClassInfo(),
                               {
                                   props::Wide<TListItem>("Caption", &TListItem::Caption, &TListItem::SetCaption),
                                   props::SubObject<TListItem, TStrings>("SubItems", &TListItem::SubItems),
                               });
  return info;
}

TListItem::TListItem(TCollection& collection)
    : TCollectionItem(collection), FSubItems(std::make_unique<TWideStringList>()) {
  FSubItems->OnChange = [this](TObject*) { Changed(); };
}

TListView& TListItem::ListView() const {
  return static_cast<TListItems&>(Collection()).Owner();
}

void TListItem::SetCaption(const std::wstring& value) {
  FCaption = value;
  Changed();
}

bool TListItem::Selected() const {
  const TListView& list = ListView();
  if (!list.Windowed()) return FSelected;
  return (SendMessageW(list.Window(), LVM_GETITEMSTATE, static_cast<WPARAM>(Index()), LVIS_SELECTED) & LVIS_SELECTED) !=
         0;
}

void TListItem::SetSelected(bool value) {
  TListView& list = ListView();
  if (!list.Windowed()) {
    if (value && !list.MultiSelect()) {
      for (int i = 0; i < Collection().Count(); ++i) static_cast<TListItem*>(Collection().Items(i))->FSelected = false;
    }
    FSelected = value;
    return;
  }
  TOwnChange own(list.FOwnChange);
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = value ? LVIS_SELECTED : 0;
  SendMessageW(list.Window(), LVM_SETITEMSTATE, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&item));
}

const TClassInfo& TListItems::StaticClassInfo() {
  static const TClassInfo info("TListItems", &TCollection::StaticClassInfo(), {});
  return info;
}

TListItems::TListItems(TListView& owner)
    : TCollection([](TCollection& c) -> std::unique_ptr<TCollectionItem> { return std::make_unique<TListItem>(c); }),
      FOwner(owner) {
  OnUpdate = [this](TCollectionItem* item) { FOwner.ItemsChanged(static_cast<TListItem*>(item)); };
}

TListItem* TListItems::Add() {
  return Insert(Count());
}

TListItem* TListItems::Insert(int index) {
  // The window gets just the new row, not a rebuild of all of them.
  auto notify = std::exchange(OnUpdate, nullptr);
  TCollectionItem* item = nullptr;
  try {
    item = TCollection::Insert(index);
  } catch (...) {
    OnUpdate = std::move(notify);
    throw;
  }
  OnUpdate = std::move(notify);
  if (FOwner.Windowed()) FOwner.WriteRow(index, true);
  return static_cast<TListItem*>(item);
}

void TListItems::Delete(int index) {
  auto notify = std::exchange(OnUpdate, nullptr);
  try {
    TCollection::Delete(index);
  } catch (...) {
    OnUpdate = std::move(notify);
    throw;
  }
  OnUpdate = std::move(notify);
  if (FOwner.Windowed()) FOwner.DeleteRow(index);
}

const TClassInfo& TListView::StaticClassInfo() {
  static const TClassInfo info(
      "TListView", &TWinControl::StaticClassInfo(),
      {
          props::Enumeration<TListView, TBorderStyle>("BorderStyle", {"bsNone", "bsSingle"}, &TListView::BorderStyle,
                                                      &TListView::SetBorderStyle),
          props::SubObject<TListView, TCollection>("Columns", &TListView::Columns),
          props::Boolean<TListView>("GridLines", &TListView::GridLines, &TListView::SetGridLines),
          props::Integer<TListView>("ItemIndex", &TListView::ItemIndex, &TListView::SetItemIndex),
          props::SubObject<TListView, TCollection>("Items", &TListView::Items),
          props::Boolean<TListView>("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect),
          props::Boolean<TListView>("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly),
          props::Boolean<TListView>("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect),
          props::Enumeration<TListView, TViewStyle>("ViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"},
                                                    &TListView::ViewStyle, &TListView::SetViewStyle),
          props::TypedEvent<TListView, TLVColumnClickEvent>("OnColumnClick", &TListView::OnColumnClick),
          props::TypedEvent<TListView, TLVSelectItemEvent>("OnSelectItem", &TListView::OnSelectItem),
      },
      [](TComponent* owner) { return new TListView(owner); });
  return info;
}

TListView::TListView(TComponent* owner)
    : TWinControl(owner), FColumns(std::make_unique<TListColumns>(*this)), FItems(std::make_unique<TListItems>(*this)) {
  SetControlStyle(csCaptureMouse | csOpaque);
  SetBoundsFields(0, 0, 250, 150);
  SetTabStop(true);
  SetColor(clWindow);
}

TListView::~TListView() = default;

void TListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = WC_LISTVIEWW;
  params.Style |= LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
  if (!FMultiSelect) params.Style |= LVS_SINGLESEL;
  if (!FReadOnly) params.Style |= LVS_EDITLABELS;
  if (FBorderStyle == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::AfterCreateWnd() {
  UpdateExtendedStyle();
  if (FUpdateCount > 0) {
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    return;
  }
  SyncColumns();
  RebuildRows();
}

void TListView::DestroyWnd() {
  if (Windowed()) {
    for (int i = 0; i < FItems->Count(); ++i) FItems->Items(i)->FSelected = FItems->Items(i)->Selected();
    for (int i = 0; i < FColumns->Count(); ++i) FColumns->Items(i)->FWidth = FColumns->Items(i)->Width();
  }
  TWinControl::DestroyWnd();
}

void TListView::Loaded() {
  TWinControl::Loaded();
  // The index may have been read before the rows.
  if (FItemIndex >= 0) SetItemIndex(FItemIndex);
}

HWND TListView::HeaderHandle() {
  if (!HandleAllocated()) return nullptr;
  return reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
}

void TListView::BeginUpdate() {
  if (FUpdateCount == 0 && HandleAllocated()) {
    // From here on the rows' state lives in the items until the window is filled again.
    for (int i = 0; i < FItems->Count(); ++i) FItems->Items(i)->FSelected = FItems->Items(i)->Selected();
    for (int i = 0; i < FColumns->Count(); ++i) FColumns->Items(i)->FWidth = FColumns->Items(i)->Width();
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  }
  ++FUpdateCount;
}

void TListView::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0 || !HandleAllocated()) return;
  SyncColumns();
  RebuildRows();
}

void TListView::ColumnChanged(TListColumn* column) {
  if (!Windowed()) return;
  if (column) {
    WriteColumn(column->Index(), false);
    return;
  }
  SyncColumns();
  RebuildRows();
}

void TListView::ItemsChanged(TListItem* item) {
  if (!Windowed()) return;
  if (item) {
    WriteRow(item->Index(), false);
    return;
  }
  RebuildRows();
}

void TListView::WriteColumn(int index, bool insert) {
  const TListColumn* column = FColumns->Items(index);
  LVCOLUMNW lvc{};
  lvc.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  lvc.fmt = ColumnFormat(column->FAlignment, index);
  lvc.cx = column->FWidth;
  lvc.pszText = const_cast<wchar_t*>(column->FCaption.c_str());
  lvc.iSubItem = index;
  SendMessageW(Handle(), insert ? LVM_INSERTCOLUMNW : LVM_SETCOLUMNW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&lvc));
}

void TListView::SyncColumns() {
  int present = static_cast<int>(SendMessageW(HeaderHandle(), HDM_GETITEMCOUNT, 0, 0));
  while (present > FColumns->Count()) SendMessageW(Handle(), LVM_DELETECOLUMN, static_cast<WPARAM>(--present), 0);
  for (int i = 0; i < FColumns->Count(); ++i) WriteColumn(i, i >= present);
}

void TListView::WriteRow(int index, bool insert) {
  TOwnChange own(FOwnChange);
  const TListItem* row = FItems->Items(index);
  const HWND h = Handle();
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<wchar_t*>(row->FCaption.c_str());
  if (insert) {
    item.mask |= LVIF_STATE;
    item.stateMask = LVIS_SELECTED;
    item.state = row->FSelected ? LVIS_SELECTED : 0;
    SendMessageW(h, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  } else {
    SendMessageW(h, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
  // Every column after the first shows its sub-item, or nothing when the row has none.
  for (int column = 1; column < FColumns->Count(); ++column) {
    const std::wstring text = column - 1 < row->FSubItems->Count() ? row->FSubItems->Get(column - 1) : std::wstring();
    if (insert && text.empty()) continue;
    LVITEMW sub{};
    sub.iSubItem = column;
    sub.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(h, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&sub));
  }
}

void TListView::DeleteRow(int index) {
  TOwnChange own(FOwnChange);
  SendMessageW(Handle(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

void TListView::RebuildRows() {
  TOwnChange own(FOwnChange);
  const HWND h = Handle();
  SendMessageW(h, WM_SETREDRAW, FALSE, 0);
  SendMessageW(h, LVM_DELETEALLITEMS, 0, 0);
  SendMessageW(h, LVM_SETITEMCOUNT, static_cast<WPARAM>(FItems->Count()), 0);
  for (int i = 0; i < FItems->Count(); ++i) WriteRow(i, true);
  SendMessageW(h, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(h, nullptr, TRUE);
}

void TListView::UpdateExtendedStyle() {
  if (!HandleAllocated()) return;
  const DWORD mask = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
  DWORD style = 0;
  if (FRowSelect) style |= LVS_EX_FULLROWSELECT;
  if (FGridLines) style |= LVS_EX_GRIDLINES;
  SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
}

int TListView::ItemIndex() const {
  if (!Windowed()) {
    if (IsLoading()) return FItemIndex;
    for (int i = 0; i < FItems->Count(); ++i) {
      if (FItems->Items(i)->FSelected) return i;
    }
    return -1;
  }
  return static_cast<int>(SendMessageW(Window(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TListView::SetItemIndex(int index) {
  if (index < -1) index = -1;
  if (IsLoading()) {
    FItemIndex = index;
    return;
  }
  FItemIndex = -1;
  if (index >= FItems->Count()) index = -1;
  if (!Windowed()) {
    for (int i = 0; i < FItems->Count(); ++i) FItems->Items(i)->FSelected = i == index;
    return;
  }
  TOwnChange own(FOwnChange);
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (index < 0) return;
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  SendMessageW(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

TListItem* TListView::Selected() const {
  const int index = ItemIndex();
  return index >= 0 && index < FItems->Count() ? FItems->Items(index) : nullptr;
}

void TListView::SetSelected(TListItem* item) {
  SetItemIndex(item ? item->Index() : -1);
}

int TListView::SelCount() const {
  if (Windowed()) return static_cast<int>(SendMessageW(Window(), LVM_GETSELECTEDCOUNT, 0, 0));
  int count = 0;
  for (int i = 0; i < FItems->Count(); ++i) count += FItems->Items(i)->FSelected ? 1 : 0;
  return count;
}

void TListView::SetMultiSelect(bool value) {
  if (value == FMultiSelect) return;
  FMultiSelect = value;
  RecreateWnd();
}

void TListView::SetBorderStyle(TBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  RecreateWnd();
}

void TListView::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  RecreateWnd();
}

void TListView::SetRowSelect(bool value) {
  FRowSelect = value;
  UpdateExtendedStyle();
}

void TListView::SetGridLines(bool value) {
  FGridLines = value;
  UpdateExtendedStyle();
}

void TListView::Notify(const NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case LVN_COLUMNCLICK: {
      const auto& info = reinterpret_cast<const NMLISTVIEW&>(header);
      if (OnColumnClick && info.iSubItem >= 0 && info.iSubItem < FColumns->Count())
        OnColumnClick(this, FColumns->Items(info.iSubItem));
      break;
    }
    case LVN_ITEMCHANGED: {
      const auto& info = reinterpret_cast<const NMLISTVIEW&>(header);
      const bool selectionChanged = (info.uChanged & LVIF_STATE) && ((info.uOldState ^ info.uNewState) & LVIS_SELECTED);
      if (selectionChanged && FOwnChange == 0 && OnSelectItem && info.iItem >= 0 && info.iItem < FItems->Count())
        OnSelectItem(this, FItems->Items(info.iItem), (info.uNewState & LVIS_SELECTED) != 0);
      break;
    }
    case LVN_BEGINLABELEDITW:
      result = FReadOnly ? TRUE : FALSE;
      break;
    case LVN_ENDLABELEDITW: {
      const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(header);
      // No text: the user cancelled the edit.
      if (info.item.pszText && info.item.iItem >= 0 && info.item.iItem < FItems->Count()) {
        TListItem* item = FItems->Items(info.item.iItem);
        item->FCaption = info.item.pszText;
        result = TRUE;
      }
      break;
    }
    default:
      break;
  }
}

void TListView::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    if (IsNotifyHeaderPointer(message.LParam)) Notify(*reinterpret_cast<const NMHDR*>(message.LParam), message.Result);
    return;
  }
  TWinControl::WndProc(message);
  // The user dragged a column divider: the columns keep the new widths.
  if (message.Msg == WM_NOTIFY && IsNotifyHeaderPointer(message.LParam) && FUpdateCount == 0) {
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if ((header->code == HDN_ITEMCHANGEDW || header->code == HDN_ITEMCHANGEDA) && header->hwndFrom == HeaderHandle()) {
      const int count = static_cast<int>(SendMessageW(header->hwndFrom, HDM_GETITEMCOUNT, 0, 0));
      for (int i = 0; i < std::min(count, FColumns->Count()); ++i)
        FColumns->Items(i)->FWidth =
            static_cast<int>(SendMessageW(Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
    }
  }
}

void TListView::ChangeScale(int fromDpi, int toDpi) {
  TWinControl::ChangeScale(fromDpi, toDpi);
  for (int i = 0; i < FColumns->Count(); ++i) {
    TListColumn* column = FColumns->Items(i);
    column->SetWidth(RescaleDpi(column->Width(), fromDpi, toDpi));
  }
}
