// TStatusBar over the platform's status bar, with its collection of panels.
#pragma once

#include <functional>
#include <memory>

#include "ui/canvas.h"
#include "ui/collection.h"
#include "ui/stdctrls.h"
#include "ui/wincontrol.h"

class TStatusBar;

enum class TStatusPanelStyle { psText, psOwnerDraw };
enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };

class TStatusPanel : public TCollectionItem {
  CORVANA_CLASS(TStatusPanel)

public:
  explicit TStatusPanel(TCollection& collection) : TCollectionItem(collection) {}
  int Width() const { return FWidth; }
  void SetWidth(int value);
  std::wstring Text() const { return FText; }
  void SetText(const std::wstring& value);
  TStatusPanelStyle Style() const { return FStyle; }
  void SetStyle(TStatusPanelStyle value);
  TStatusPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);

private:
  int FWidth = 50;
  std::wstring FText;
  TStatusPanelStyle FStyle = TStatusPanelStyle::psText;
  TStatusPanelBevel FBevel = TStatusPanelBevel::pbLowered;
  TAlignment FAlignment = TAlignment::taLeftJustify;
};

using TDrawPanelEvent = std::function<void(TStatusBar*, TStatusPanel*, const RECT&)>;

class TStatusBar : public TWinControl {
  CORVANA_CLASS(TStatusBar)

public:
  explicit TStatusBar(TComponent* owner);
  ~TStatusBar() override;
  TCollection* Panels() const { return FPanels.get(); }
  TStatusPanel* Panel(int index) const { return static_cast<TStatusPanel*>(FPanels->Items(index)); }
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool value);
  std::wstring SimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::wstring& value);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool value);
  TCanvas& Canvas() { return FCanvas; }
  TDrawPanelEvent OnDrawPanel;

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void WndProc(TMessage& message) override;
  void ChangeScale(int fromDpi, int toDpi) override;

private:
  void UpdatePanels();
  std::unique_ptr<TCollection> FPanels;
  bool FSimplePanel = false;
  std::wstring FSimpleText;
  bool FSizeGrip = true;
  TCanvas FCanvas;
};
