// Control discovery: walks a skinned window's controls (a framework form) or child windows (a
// bare window), chooses each one's skinner through the tables of discovery_rows and attaches
// the skinners that have been built, through the kind registry of the control skinners.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "skin/controls/skin_control.h"
#include "skin/form/discovery_rows.h"

class TCanvas;
class TControl;
class TCustomForm;
class TPopupMenu;
class TSkinData;
class TWinControl;

// Attach operations that only some skinner classes have (graphic, scroll-bar and
// scroll-container attach). The layer that builds such a skinner registers how to attach it;
// until then a decision needing that attach is recorded as chosen but not built.
using TSkinnerAttach = void (*)(TSkinControl* skinner, TControl* control, TSkinData* skinData, ISkinnerHost* host,
                                TCanvas* workCanvas);
void RegisterSkinnerAttach(TAttachMode mode, TSkinnerAttach attach);
TSkinnerAttach FindSkinnerAttach(TAttachMode mode);

// What discovery needs of the form skinner it works for.
struct TDiscoverySite {
  TSkinData* SkinData = nullptr;
  // The form skinner as control skinners see it (they register with it when attached).
  ISkinnerHost* Host = nullptr;
  // The form skinner as a component: Sender of OnSkinControl and owner of the skinners of
  // bare windows.
  TComponent* FormSkinner = nullptr;
  TCanvas* WorkCanvas = nullptr;
  // The form skinner's ControlSkinners: a control drawn by one of them is not skinned again.
  const std::vector<TSkinControl*>* ControlSkinners = nullptr;
  // Makes a popup menu owned by a walked component owner-drawn (the menu layer's work).
  std::function<void(TPopupMenu*)> OwnerDrawPopupMenu;
};

// Who decided.
enum class TDecisionSource { Handler, Skin3rd, BuiltIn, ChildWindow };

// One classified control or window: what was chosen and whether a skinner was attached
// (a kind whose skinner has not been built yet is chosen but not built).
struct TDiscoveryRecord {
  TControl* Control = nullptr;  // null for a bare window
  HWND Window = nullptr;
  TDecisionSource Source = TDecisionSource::BuiltIn;
  TSkinDecision Decision;  // empty Skinner: no skinner
  bool Built = false;
  TSkinControl* Skinner = nullptr;
};

class TControlDiscovery {
public:
  explicit TControlDiscovery(TDiscoverySite site);

  // The walk of a framework form: frees skinners whose window is gone, classifies what the
  // form owns, then every windowed control in tab order that is not yet skinned.
  void DiscoverFormControls(TCustomForm* form);
  // The walk of a bare window: each child window (child style), top of the z-order first.
  void DiscoverChildWindows(HWND window);
  void ClassifyControl(TControl* control, TComponent* parent);
  void ClassifyChildren(TWinControl* control);
  void ClassifyOwnedComponents(TComponent* component);
  // True when the Skin3rd list names the class (whatever it decided).
  bool LookupSkin3rd(const std::string& upperName, TControl* control);
  void ClassifyChildWindow(HWND window);

  // One record per control or window, in the order they were first classified.
  const std::vector<TDiscoveryRecord>& Records() const { return FRecords; }
  const TDiscoveryRecord* RecordOf(const TControl* control) const;
  const TDiscoveryRecord* RecordOfWindow(HWND window) const;
  void ClearRecords() { FRecords.clear(); }

  const TDiscoverySite& Site() const { return FSite; }
  TSkinSwitches Switches() const;

  // What the tables read of a framework control.
  static TControlFacts FactsOf(TControl* control);

private:
  void Carry(const TSkinPlan& plan, TControl* control, TDecisionSource source);
  void CarryWindow(const TSkinPlan& plan, HWND window);
  void SkinControl(TControl* control, const TSkinDecision& decision, TDecisionSource source);
  void SkinWindow(HWND window, const TSkinDecision& decision);
  bool DrawnBySkinner(const TControl* control, HWND window) const;
  bool AlreadySkinned(TControl* control) const;
  void Record(TDiscoveryRecord record);

  // The Skin3rd rows in UTF-8: read once per walk of a form, anew for a single later window.
  const std::vector<std::string>& Skin3rdLines();

  TDiscoverySite FSite;
  std::vector<TDiscoveryRecord> FRecords;
  std::optional<std::vector<std::string>> FSkin3rdLines;
  bool FWalking = false;
};

// Whether a window answers SKINMSG_QUERY with 1 (it is skinned, or is an overlay of the engine).
bool AnswersSkinQuery(HWND window);
