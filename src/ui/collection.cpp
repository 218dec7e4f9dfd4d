// TCollection and TCollectionItem.
#include "ui/collection.h"

#include <algorithm>
#include <stdexcept>

const TClassInfo& TCollectionItem::StaticClassInfo() {
  static const TClassInfo info("TCollectionItem", &TPersistent::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TCollection::StaticClassInfo() {
  static const TClassInfo info("TCollection", &TPersistent::StaticClassInfo(), {});
  return info;
}

int TCollectionItem::Index() const { return FCollection->IndexOf(this); }

void TCollectionItem::Changed() { FCollection->Changed(this); }

TCollectionItem* TCollection::Add() {
  FItems.push_back(FFactory(*this));
  Changed(nullptr);
  return FItems.back().get();
}

TCollectionItem* TCollection::Insert(int index) {
  if (index < 0 || index > Count()) throw std::out_of_range("TCollection::Insert");
  auto item = FFactory(*this);
  TCollectionItem* result = item.get();
  FItems.insert(FItems.begin() + index, std::move(item));
  Changed(nullptr);
  return result;
}

void TCollection::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("TCollection::Delete");
  FItems.erase(FItems.begin() + index);
  Changed(nullptr);
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed(nullptr);
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (FItems[i].get() == item) return static_cast<int>(i);
  }
  return -1;
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
  if (FUpdateCount == 0 && OnUpdate) OnUpdate(item);
}
