// What the skin manager needs of a popup-menu skinner, which lives in a higher layer and
// registers a factory, so the manager never includes it.
#pragma once

#include <functional>
#include <memory>

#include "base/win32.h"
#include "ui/bitmap.h"

class TSkinData;

class TPopupSkinnerBase {
public:
  virtual ~TPopupSkinnerBase() = default;
  TPopupSkinnerBase() = default;
  TPopupSkinnerBase(const TPopupSkinnerBase&) = delete;
  TPopupSkinnerBase& operator=(const TPopupSkinnerBase&) = delete;

  // Takes the popup window over; ownerMenu is the menu it shows when known (else null).
  virtual void Attach(HWND window, TSkinData* data, HMENU ownerMenu) = 0;
  // Gives the window its procedure back.
  virtual void Detach() = 0;

  HWND Window = nullptr;
  // The rendered background of the whole popup window (empty until its first frame paint).
  TBitmap Background;
  // The menu handle whose items this popup shows; null until assigned.
  HMENU OwnerMenu = nullptr;
  // Set by MarkAllPopups: the popup belongs to a menu that the skinned menu bar opened.
  bool MenuBarMark = false;
};

using TPopupSkinnerFactory = std::function<std::unique_ptr<TPopupSkinnerBase>()>;
