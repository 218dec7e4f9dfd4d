// TListView over the platform's list-view control in report view: columns, items with sub-items,
// selection, and the column click.
#pragma once

#include <functional>
#include <memory>

#include "ui/collection.h"
#include "ui/stdctrls.h"
#include "ui/strings.h"
#include "ui/wincontrol.h"

class TListView;
class TListItem;

// One column. The platform draws its first column left-aligned whatever it is asked: that
// column keeps the Alignment it was given (it is read and written back unchanged) but is shown left.
class TListColumn : public TCollectionItem {
  CORVANA_CLASS(TListColumn)

public:
  explicit TListColumn(TCollection& collection) : TCollectionItem(collection) {}
  std::wstring Caption() const { return FCaption; }
  void SetCaption(const std::wstring& value);
  // The width the user dragged the column to while the window exists.
  int Width() const;
  void SetWidth(int value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);

private:
  friend class TListView;
  std::wstring FCaption;
  int FWidth = 50;
  TAlignment FAlignment = TAlignment::taLeftJustify;
};

class TListColumns : public TCollection {
  CORVANA_CLASS(TListColumns)

public:
  explicit TListColumns(TListView& owner);
  TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
  TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }
  TListView& Owner() const { return FOwner; }

private:
  TListView& FOwner;
};

// One row: its caption is the first column, SubItems the texts of the columns after it.
class TListItem : public TCollectionItem {
  CORVANA_CLASS(TListItem)

public:
  explicit TListItem(TCollection& collection);
  std::wstring Caption() const { return FCaption; }
  void SetCaption(const std::wstring& value);
  TStrings* SubItems() const { return FSubItems.get(); }
  bool Selected() const;
  void SetSelected(bool value);
  // Whatever the program keeps with the row; the list never reads it.
  void* Data = nullptr;
  TListView& ListView() const;

private:
  friend class TListView;
  std::wstring FCaption;
  std::unique_ptr<TWideStringList> FSubItems;
  bool FSelected = false;  // while there is no window
};

class TListItems : public TCollection {
  CORVANA_CLASS(TListItems)

public:
  explicit TListItems(TListView& owner);
  // Adds, inserts and deletes one row of the window; the collection's own calls (a form
  // description) rebuild the rows once when they end.
  TListItem* Add();
  TListItem* Insert(int index);
  void Delete(int index);
  TListItem* Items(int index) const { return static_cast<TListItem*>(TCollection::Items(index)); }
  TListItem* operator[](int index) const { return Items(index); }
  TListView& Owner() const { return FOwner; }

private:
  TListView& FOwner;
};

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

using TLVColumnClickEvent = std::function<void(TObject*, TListColumn*)>;
using TLVSelectItemEvent = std::function<void(TObject*, TListItem*, bool)>;

class TListView : public TWinControl {
  CORVANA_CLASS(TListView)

public:
  explicit TListView(TComponent* owner);
  ~TListView() override;

  TListColumns* Columns() const { return FColumns.get(); }
  TListColumn* Column(int index) const { return FColumns->Items(index); }
  TListItems* Items() const { return FItems.get(); }
  // The first selected row (-1 for none); setting it selects that row alone and focuses it.
  int ItemIndex() const;
  void SetItemIndex(int index);
  TListItem* Selected() const;
  void SetSelected(TListItem* item);
  int SelCount() const;
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle style);
  // False lets the user edit a row's caption in place.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool value);
  bool GridLines() const { return FGridLines; }
  void SetGridLines(bool value);
  // Only the report view is offered; the value is published so descriptions may name it.
  TViewStyle ViewStyle() const { return TViewStyle::vsReport; }
  void SetViewStyle(TViewStyle) {}
  // The platform's header window (null without a window).
  HWND HeaderHandle();

  // Bulk changes: the window neither repaints nor is told of each row until the last EndUpdate.
  void BeginUpdate();
  void EndUpdate();

  // The user clicked a column's header (once per click).
  TLVColumnClickEvent OnColumnClick;
  // The user selected or unselected a row (the program's own changes raise nothing).
  TLVSelectItemEvent OnSelectItem;

  void Loaded() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  void ChangeScale(int fromDpi, int toDpi) override;

private:
  friend class TListColumn;
  friend class TListColumns;
  friend class TListItem;
  friend class TListItems;
  bool Windowed() const { return HandleAllocated() && FUpdateCount == 0; }
  HWND Window() const { return const_cast<TListView*>(this)->Handle(); }
  void ColumnChanged(TListColumn* column);
  void ItemsChanged(TListItem* item);
  void WriteColumn(int index, bool insert);
  void SyncColumns();
  void WriteRow(int index, bool insert);
  void RebuildRows();
  void DeleteRow(int index);
  void UpdateExtendedStyle();
  void Notify(const NMHDR& header, LRESULT& result);

  std::unique_ptr<TListColumns> FColumns;
  std::unique_ptr<TListItems> FItems;
  int FItemIndex = -1;  // read before the rows exist (a description), applied in Loaded
  int FUpdateCount = 0;
  int FOwnChange = 0;  // the program is changing the window: its notifications are not the user's
  bool FMultiSelect = false;
  bool FReadOnly = false;
  bool FRowSelect = true;
  bool FGridLines = false;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
};
