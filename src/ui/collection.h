// TCollection: an owned list of items with published properties (status-bar panels ...).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "ui/persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
  CORVANA_CLASS(TCollectionItem)

public:
  explicit TCollectionItem(TCollection& collection) : FCollection(&collection) {}
  TCollection& Collection() const { return *FCollection; }
  int Index() const;

protected:
  // Tells the collection (and through it its owner) that this item changed.
  void Changed();

private:
  TCollection* FCollection;
};

class TCollection : public TPersistent {
  CORVANA_CLASS(TCollection)

public:
  using TItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection&)>;
  explicit TCollection(TItemFactory factory) : FFactory(std::move(factory)) {}

  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int index) const { return FItems.at(static_cast<size_t>(index)).get(); }
  TCollectionItem* Add();
  // A new item at index (0 to Count).
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  int IndexOf(const TCollectionItem* item) const;

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();

  // Raised after a change (item null: the list itself changed).
  std::function<void(TCollectionItem*)> OnUpdate;

private:
  friend class TCollectionItem;
  void Changed(TCollectionItem* item);
  TItemFactory FFactory;
  std::vector<std::unique_ptr<TCollectionItem>> FItems;
  int FUpdateCount = 0;
};
