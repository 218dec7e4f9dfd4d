// TComponent: named objects that own other components and free them with themselves.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/persistent.h"

enum TComponentStateFlag : unsigned {
  csLoading = 1,     // between creation by a form description and Loaded
  csReading = 2,     // while the description's properties are being read
  csDestroying = 4,  // from the start of Free
  csDesigning = 8,   // never set at run time; kept so design-time rules can be written
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
  CORVANA_CLASS(TComponent)

public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Destroys the component: owned components first, while this object is still whole, so
  // they may still talk to it. Every component is destroyed this way (directly or by its owner).
  void Free();

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(static_cast<size_t>(index)); }
  int ComponentIndex() const;

  const std::string& Name() const { return FName; }
  void SetName(const std::string& name) { FName = name; }
  int Tag() const { return FTag; }
  void SetTag(int tag) { FTag = tag; }

  unsigned ComponentState() const { return FState; }
  bool IsLoading() const { return FState & csLoading; }
  bool IsReading() const { return FState & csReading; }
  bool IsDestroying() const { return FState & csDestroying; }
  bool IsDesigning() const { return FState & csDesigning; }
  void SetComponentState(unsigned flags, bool on);

  // Case-insensitive search among the owned components.
  TComponent* FindComponent(std::string_view name) const;
  template <class T>
  T* FindComponentAs(std::string_view name) const { return dynamic_cast<T*>(FindComponent(name)); }

  // Called on every component of a form description after all of them were read.
  virtual void Loaded();
  // Told when a component it owns, or asked to watch, is inserted or removed.
  virtual void Notification(TComponent* component, TOperation operation);
  // Asks to be told (Notification opRemove) when component goes away.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // A form description nests child in this object; true when this object takes it as its own
  // child (a control its parent, a menu item its menu).
  virtual bool AcceptChild(TComponent* child);
  // The children a description nests in this object, in order, and whether this object is
  // nested in another object (a control in its parent, a menu item in its menu).
  virtual void GetChildren(std::vector<TComponent*>& children) const;
  virtual bool HasParent() const { return false; }

  // Event handlers a form description may name (OnClick = Button1Click); none by default.
  virtual TNotifyEvent FindMethod(std::string_view name);
  // Handlers of events with other signatures, held as the std::function of that signature;
  // empty when there is none of that name.
  virtual std::any FindTypedMethod(std::string_view name);

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

protected:
  // The first step of Free: marks the component and frees what it owns. Subclasses that hold
  // windows or links release them here, before C++ destruction begins.
  virtual void BeforeDestruction();

private:
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  std::string FName;
  int FTag = 0;
  unsigned FState = 0;
  bool FBeforeDestructionDone = false;
};

// unique_ptr that destroys a component with Free.
struct TFreeDeleter {
  void operator()(TComponent* component) const {
    if (component) component->Free();
  }
};
template <class T>
using TOwned = std::unique_ptr<T, TFreeDeleter>;
