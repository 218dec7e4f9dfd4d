// What the skin manager needs of a form skinner. The form skinner itself lives in a higher
// layer; it derives from this and registers a factory, so the manager never includes it.
#pragma once

#include <functional>
#include <string>

#include "base/win32.h"
#include "ui/component.h"

class TCustomForm;
class TSkinData;

class TFormSkinnerBase : public TComponent {
public:
  using TComponent::TComponent;

  virtual HWND WindowHandle() const = 0;
  virtual TSkinData* SkinDataOf() const = 0;
  // The window was destroyed: the manager frees such skinners.
  virtual bool WindowGone() const = 0;
  virtual bool IsMdiChild() const = 0;
  // Given before attaching: the window, the manager's tag for the component, the class name.
  virtual void Prepare(HWND window, const void* managerTag, const std::string& className) = 0;
  virtual void AttachToForm(TSkinData* data, TCustomForm* form) = 0;
  virtual void AttachToWindow(TSkinData* data) = 0;
  // The window's procedure is ours: false after an attach that could not take the window over.
  virtual bool Hooked() const = 0;
  // Gives the window its own look back.
  virtual void Unskin() = 0;
  virtual void ComputeFrameMetrics() = 0;
  virtual void ReskinForm() = 0;
  virtual void RepaintFrame() = 0;
  virtual void MdiChildStateChanged(bool maximized) = 0;
  // A size-grip scroll bar was created in the window.
  virtual void SizeGripCreated(HWND grip) = 0;
};

// Makes a form skinner owned by owner (the framework form, or null for a bare window).
using TFormSkinnerFactory = std::function<TFormSkinnerBase*(TComponent* owner)>;
