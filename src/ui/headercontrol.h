// THeaderControl over the platform's header control: sections the user clicks and resizes.
#pragma once

#include <functional>
#include <memory>

#include "ui/collection.h"
#include "ui/stdctrls.h"
#include "ui/wincontrol.h"

class THeaderControl;

class THeaderSection : public TCollectionItem {
  CORVANA_CLASS(THeaderSection)

public:
  explicit THeaderSection(TCollection& collection) : TCollectionItem(collection) {}
  std::wstring Text() const { return FText; }
  void SetText(const std::wstring& value);
  int Width() const { return FWidth; }
  void SetWidth(int value);
  // The narrowest the user can drag the section to.
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  // The section's left edge in the header's client area.
  int Left() const;

private:
  friend class THeaderControl;
  std::wstring FText;
  int FWidth = 50;
  int FMinWidth = 0;
  TAlignment FAlignment = TAlignment::taLeftJustify;
};

class THeaderSections : public TCollection {
  CORVANA_CLASS(THeaderSections)

public:
  explicit THeaderSections(THeaderControl& owner);
  THeaderSection* Add() { return static_cast<THeaderSection*>(TCollection::Add()); }
  THeaderSection* Items(int index) const { return static_cast<THeaderSection*>(TCollection::Items(index)); }
  THeaderControl& Owner() const { return FOwner; }

private:
  THeaderControl& FOwner;
};

using TSectionNotifyEvent = std::function<void(THeaderControl*, THeaderSection*)>;

class THeaderControl : public TWinControl {
  CORVANA_CLASS(THeaderControl)

public:
  explicit THeaderControl(TComponent* owner);
  ~THeaderControl() override;
  THeaderSections* Sections() const { return FSections.get(); }
  THeaderSection* Section(int index) const { return FSections->Items(index); }
  // The user clicked a section (once per click).
  TSectionNotifyEvent OnSectionClick;
  // The user finished dragging a section's right divider; the section has its new width.
  TSectionNotifyEvent OnSectionResize;

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void WndProc(TMessage& message) override;
  void ChangeScale(int fromDpi, int toDpi) override;

private:
  friend class THeaderSections;
  void SectionsChanged(THeaderSection* section);
  void WriteSection(int index, bool insert);
  void Notify(const NMHDR& header, LRESULT& result);
  std::unique_ptr<THeaderSections> FSections;
  int FTracking = -1;  // the section whose divider the user is dragging
};
