// TComponent: ownership, names, state and free notifications.
#include "ui/component.h"

#include <algorithm>

#include "base/strings.h"

const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info("TComponent", &TPersistent::StaticClassInfo(),
                               {
                                   props::String<TComponent>("Name", &TComponent::Name, &TComponent::SetName),
                                   props::Integer<TComponent>("Tag", &TComponent::Tag, &TComponent::SetTag),
                               });
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Components deleted without Free still release what they own.
  if (!FBeforeDestructionDone) TComponent::BeforeDestruction();
}

void TComponent::Free() {
  if (!FBeforeDestructionDone) BeforeDestruction();
  delete this;
}

void TComponent::BeforeDestruction() {
  if (FBeforeDestructionDone) return;
  FBeforeDestructionDone = true;
  FState |= csDestroying;
  // Whoever watches this component forgets it now.
  const std::vector<TComponent*> watchers = FFreeNotifies;
  FFreeNotifies.clear();
  for (TComponent* watcher : watchers) {
    auto& theirs = watcher->FFreeNotifies;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    watcher->Notification(this, TOperation::opRemove);
  }
  // Owned components go first, the newest first.
  while (!FComponents.empty()) {
    TComponent* child = FComponents.back();
    RemoveComponent(child);
    child->Free();
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  const auto& list = FOwner->FComponents;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::SetComponentState(unsigned flags, bool on) {
  if (on) FState |= flags;
  else FState &= ~flags;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  const std::string wanted = LowerAscii(name);
  for (TComponent* c : FComponents) {
    if (LowerAscii(c->FName) == wanted) return c;
  }
  return nullptr;
}

void TComponent::Loaded() { FState &= ~csLoading; }

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component) {
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), component), FFreeNotifies.end());
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
    FFreeNotifies.push_back(component);
  if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) ==
      component->FFreeNotifies.end())
    component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), component), FFreeNotifies.end());
  auto& theirs = component->FFreeNotifies;
  theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

bool TComponent::AcceptChild(TComponent*) { return false; }

void TComponent::GetChildren(std::vector<TComponent*>&) const {}

TNotifyEvent TComponent::FindMethod(std::string_view) { return nullptr; }

std::any TComponent::FindTypedMethod(std::string_view) { return {}; }

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->FOwner == this) return;
  if (component->FOwner) component->FOwner->RemoveComponent(component);
  component->FOwner = this;
  FComponents.push_back(component);
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  const auto it = std::find(FComponents.begin(), FComponents.end(), component);
  if (it == FComponents.end()) return;
  FComponents.erase(it);
  component->FOwner = nullptr;
  Notification(component, TOperation::opRemove);
}
