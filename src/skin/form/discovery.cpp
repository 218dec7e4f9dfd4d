// Control discovery: the walks over forms and bare windows, and the carrying out of plans.
#include "skin/form/discovery.h"

#include <algorithm>
#include <array>
#include <exception>

#include "base/codec.h"
#include "base/strings.h"
#include "skin/model/skin_data.h"
#include "ui/extctrls.h"
#include "ui/form.h"
#include "ui/menus.h"
#include "ui/pagecontrol.h"
#include "ui/skin_messages.h"
#include "ui/statusbar.h"
#include "ui/stdctrls.h"
#include "ui/wincontrol.h"

namespace {

std::array<TSkinnerAttach, 5>& Attaches() {
  static std::array<TSkinnerAttach, 5> attaches{};
  return attaches;
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

// The class or one of its ancestors has the name (ignoring case): families whose classes the
// framework does not have yet are matched this way, so they work when the classes land.
bool DescendsFromName(const TObject& object, std::string_view name) {
  const std::string wanted = LowerAscii(name);
  for (const TClassInfo* info = &object.ClassInfo(); info; info = info->Parent) {
    if (LowerAscii(info->Name) == wanted) return true;
  }
  return false;
}

std::string PropText(TObject* object, std::string_view name) {
  const TPropInfo* prop = FindPropInfo(object, name);
  if (!prop) return {};
  return prop->ValueText(*static_cast<TPersistent*>(object));
}

int IntProp(TObject* object, std::string_view name) {
  const TPropInfo* prop = FindPropInfo(object, name);
  if (!prop || prop->Kind != TPropKind::Integer || !prop->GetOrd) return -1;
  return static_cast<int>(prop->GetOrd(*static_cast<TPersistent*>(object)));
}

void WriteProp(TObject* object, std::string_view name, std::string_view text) {
  if (const TPropInfo* prop = FindPropInfo(object, name)) prop->SetValueText(*static_cast<TPersistent*>(object), text);
}

HWND WindowOf(TControl* control) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  return windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
}

std::vector<TControl*> ChildControls(TControl* control) {
  std::vector<TControl*> children;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    for (int i = 0; i < windowed->ControlCount(); ++i) children.push_back(windowed->Controls(i));
  }
  return children;
}

std::string WindowClassLower(HWND window) {
  wchar_t buffer[kWindowClassLength + 1] = {};
  const int length = GetClassNameW(window, buffer, static_cast<int>(kWindowClassLength + 1));
  return LowerAscii(WideToUtf8(std::wstring_view(buffer, static_cast<size_t>(std::max(length, 0)))));
}

}  // namespace

void RegisterSkinnerAttach(TAttachMode mode, TSkinnerAttach attach) { Attaches().at(static_cast<size_t>(mode)) = attach; }

TSkinnerAttach FindSkinnerAttach(TAttachMode mode) { return Attaches().at(static_cast<size_t>(mode)); }

bool AnswersSkinQuery(HWND window) { return window && SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1; }

TControlDiscovery::TControlDiscovery(TDiscoverySite site) : FSite(std::move(site)) {}

TSkinSwitches TControlDiscovery::Switches() const {
  TSkinSwitches switches;
  if (FSite.SkinData) {
    switches.SkinControls = FSite.SkinData->SkinControls();
    switches.HasTabs = FSite.SkinData->Tabs != nullptr;
  }
  return switches;
}

TControlFacts TControlDiscovery::FactsOf(TControl* control) {
  TControlFacts facts;
  facts.Name = UpperAscii(control->ClassName());
  facts.Windowed = control->IsWindowed();
  if (HWND window = WindowOf(control)) {
    facts.Style = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
    RECT outer{}, inner{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    facts.HasBorder = outer.right - outer.left != inner.right || outer.bottom - outer.top != inner.bottom;
  }
  facts.PageControl = control->InheritsFrom(TPageControl::StaticClassInfo());
  facts.TabControl = facts.PageControl || DescendsFromName(*control, "TCustomTabControl") ||
                     DescendsFromName(*control, "TTabControl");
  if (FindPropInfo(control, "Style") && facts.TabControl) {
    facts.PlainTabs = LowerAscii(PropText(control, "Style")) == "tstabs";
  }
  facts.TabSheet = control->InheritsFrom(TTabSheet::StaticClassInfo());
  facts.GroupBox = DescendsFromName(*control, "TCustomGroupBox") || DescendsFromName(*control, "TGroupBox");
  facts.StatusBar = control->InheritsFrom(TStatusBar::StaticClassInfo());
  facts.Panel = control->InheritsFrom(TPanel::StaticClassInfo()) || DescendsFromName(*control, "TCustomPanel");
  facts.Memo = control->InheritsFrom(TMemo::StaticClassInfo()) || DescendsFromName(*control, "TCustomMemo");
  facts.PushButton = control->InheritsFrom(TButton::StaticClassInfo());
  facts.Edit = control->InheritsFrom(TCustomEdit::StaticClassInfo());
  facts.Form = control->InheritsFrom(TCustomForm::StaticClassInfo());
  for (const std::string& name : FrameworkRowClasses()) {
    if (DescendsFromName(*control, name)) {
      facts.FrameworkRow = name;
      break;
    }
  }
  facts.KindProperty = PropText(control, "Kind");
  facts.NumButtons = IntProp(control, "NumButtons");
  return facts;
}

void TControlDiscovery::DiscoverFormControls(TCustomForm* form) {
  if (!form) return;
  // Skinners whose window is gone are freed before the walk.
  if (FSite.ControlSkinners) {
    const std::vector<TSkinControl*> skinners = *FSite.ControlSkinners;
    for (TSkinControl* skinner : skinners) {
      if (skinner->LifeState != kSkinnerWindowDestroyed) continue;
      if (FSite.Host) FSite.Host->RemoveControlSkinner(skinner);
      std::erase_if(FRecords, [skinner](const TDiscoveryRecord& r) { return r.Skinner == skinner; });
      skinner->Free();
    }
  }
  FWalking = true;
  FSkin3rdLines.reset();
  ClassifyOwnedComponents(form);
  std::vector<TWinControl*> tabOrder;
  form->GetTabOrderList(tabOrder);
  const int disableTag = FSite.SkinData ? FSite.SkinData->DisableTag() : 0;
  for (TWinControl* control : tabOrder) {
    if (!control->HandleAllocated() || control->Tag() == disableTag || AnswersSkinQuery(control->Handle())) continue;
    ClassifyControl(control, form);
  }
  FWalking = false;
  FSkin3rdLines.reset();
}

const std::vector<std::string>& TControlDiscovery::Skin3rdLines() {
  if (!FWalking || !FSkin3rdLines) {
    FSkin3rdLines.emplace();
    if (const TStrings* rows = FSite.SkinData ? FSite.SkinData->Skin3rd() : nullptr) {
      for (int i = 0; i < rows->Count(); ++i) FSkin3rdLines->push_back(WideToUtf8(rows->Get(i)));
    }
  }
  return *FSkin3rdLines;
}

void TControlDiscovery::ClassifyOwnedComponents(TComponent* component) {
  if (!component) return;
  std::vector<TComponent*> owned;
  for (int i = 0; i < component->ComponentCount(); ++i) owned.push_back(component->Components(i));
  for (TComponent* item : owned) {
    if (auto* control = dynamic_cast<TControl*>(item)) ClassifyControl(control, component);
  }
  if (!FSite.SkinData || !FSite.SkinData->HasControl(xcPopupMenu) || !FSite.OwnerDrawPopupMenu) return;
  for (TComponent* item : owned) {
    if (auto* menu = dynamic_cast<TPopupMenu*>(item)) FSite.OwnerDrawPopupMenu(menu);
  }
}

void TControlDiscovery::ClassifyChildren(TWinControl* control) {
  if (!control) return;
  for (TControl* child : ChildControls(control)) ClassifyControl(child, control);
}

void TControlDiscovery::ClassifyControl(TControl* control, TComponent* parent) {
  if (!control || !FSite.SkinData) return;
  TSkinData* skin = FSite.SkinData;
  if (control->Tag() == skin->DisableTag()) {
    // A disabled group keeps its buttons unskinned too.
    const std::string lower = LowerAscii(control->ClassName());
    if (lower.find("radiogroup") != std::string::npos || lower.find("checkgroup") != std::string::npos) {
      for (TControl* child : ChildControls(control)) child->SetTag(skin->DisableTag());
    }
    return;
  }
  if (!control->Parent() || AlreadySkinned(control)) return;
  const std::string name = UpperAscii(control->ClassName());
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    try {
      windowed->HandleNeeded();
    } catch (const std::exception&) {
      return;  // a control whose window cannot be made stays as it is
    }
    if (!windowed->HandleAllocated()) return;
  }
  if (skin->OnSkinControl) {
    TComponent* skinned = nullptr;
    skin->OnSkinControl(FSite.FormSkinner, skin, dynamic_cast<TControl*>(parent), control, name, skinned);
    if (skinned) {
      TDiscoveryRecord record;
      record.Control = control;
      record.Window = WindowOf(control);
      record.Source = TDecisionSource::Handler;
      record.Decision.Skinner = skinned->ClassName();
      auto* skinner = dynamic_cast<TSkinControl*>(skinned);
      if (skinner && FSite.Host && !FSite.Host->AddControlSkinner(skinner)) {
        record.Decision.Recolour = skinner->Recolour;
        skinner->AttachControl(FSite.Host, skin, skinner->Recolour, FSite.WorkCanvas);
        record.Built = true;
        record.Skinner = skinner;
        Record(record);
        if (auto* panel = dynamic_cast<TPanel*>(control)) ClassifyChildren(panel);
      } else {
        Record(record);
      }
      return;
    }
  }
  if (LookupSkin3rd(name, control)) return;
  if (name == "TDBCOMBOBOXEH" || name == "TFRDESIGNERPAGE" || name == "TFRPBOX") return;
  Carry(PlanBuiltIn(FactsOf(control), Switches()), control, TDecisionSource::BuiltIn);
}

bool TControlDiscovery::LookupSkin3rd(const std::string& upperName, TControl* control) {
  if (!FSite.SkinData || !control) return false;
  const std::optional<std::string> kind = FindSkin3rdKind(Skin3rdLines(), upperName);
  if (!kind) return false;
  Carry(PlanSkin3rdKind(*kind, LowerAscii(upperName), FactsOf(control), Switches()), control, TDecisionSource::Skin3rd);
  return true;
}

void TControlDiscovery::DiscoverChildWindows(HWND window) {
  if (!window) return;
  // Skinners add windows (overlays) while the walk runs: take the children first.
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongW(child, GWL_STYLE) & WS_CHILD) children.push_back(child);
  }
  for (HWND child : children) {
    if (IsWindow(child)) ClassifyChildWindow(child);
  }
}

void TControlDiscovery::ClassifyChildWindow(HWND window) {
  if (!window || !FSite.SkinData || DrawnBySkinner(nullptr, window)) return;
  // Engine overlays and windows skinned by another form skinner answer the query.
  if (AnswersSkinQuery(window)) return;
  const std::string name = WindowClassLower(window);
  const auto style = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
  CarryWindow(PlanChildWindow(name, style, Switches()), window);
}

void TControlDiscovery::Carry(const TSkinPlan& plan, TControl* control, TDecisionSource source) {
  bool decided = false;
  for (const TPlanStep& step : plan) {
    switch (step.Step) {
      case TPlanStepKind::Skin:
        SkinControl(control, step.Decision, source);
        decided = true;
        break;
      case TPlanStepKind::SetTransparent:
        WriteProp(control, "Transparent", "True");
        break;
      case TPlanStepKind::ClassifyChildren:
        ClassifyChildren(dynamic_cast<TWinControl*>(control));
        break;
      case TPlanStepKind::ClassifyChildrenNoParent:
        for (TControl* child : ChildControls(control)) ClassifyControl(child, nullptr);
        break;
      case TPlanStepKind::ClassifyOwnedComponents:
        ClassifyOwnedComponents(control);
        break;
      case TPlanStepKind::SkinGroupButtons:
        for (TControl* child : ChildControls(control)) {
          SkinControl(child, GroupButtonDecision(UpperAscii(child->ClassName()), step.ButtonKind), source);
        }
        break;
      case TPlanStepKind::SkinScrollCandidates:
        for (TControl* child : ChildControls(control)) {
          if (IsScrollCandidate(FactsOf(child))) SkinControl(child, ScrollCandidateDecision(), source);
        }
        break;
      case TPlanStepKind::DiscoverChildWindows:
      case TPlanStepKind::SkinFirstChildWindow:
      case TPlanStepKind::SetFaceColour:
        break;  // steps of bare windows
    }
  }
  if (!decided && !DrawnBySkinner(control, nullptr)) {
    TDiscoveryRecord record;
    record.Control = control;
    record.Window = WindowOf(control);
    record.Source = source;
    Record(record);
  }
}

void TControlDiscovery::CarryWindow(const TSkinPlan& plan, HWND window) {
  bool decided = false;
  for (const TPlanStep& step : plan) {
    switch (step.Step) {
      case TPlanStepKind::Skin:
        SkinWindow(window, step.Decision);
        decided = true;
        break;
      case TPlanStepKind::DiscoverChildWindows:
        DiscoverChildWindows(window);
        break;
      case TPlanStepKind::SkinFirstChildWindow:
        if (HWND inner = GetWindow(window, GW_CHILD)) SkinWindow(inner, step.Decision);
        break;
      case TPlanStepKind::SetFaceColour:
        if (TWinControl* control = ControlOfWindow(window)) {
          control->SetColor(FSite.SkinData->Colour(SkinColour::ButtonFace));
        }
        break;
      default:
        break;  // steps of framework controls
    }
  }
  if (!decided) {
    TDiscoveryRecord record;
    record.Window = window;
    record.Source = TDecisionSource::ChildWindow;
    Record(record);
  }
}

void TControlDiscovery::SkinControl(TControl* control, const TSkinDecision& decision, TDecisionSource source) {
  if (decision.Skinner.empty() || control->Tag() == FSite.SkinData->DisableTag() || AlreadySkinned(control)) return;
  TDiscoveryRecord record;
  record.Control = control;
  record.Window = WindowOf(control);
  record.Source = source;
  record.Decision = decision;
  const TSkinnerFactory factory = FindSkinnerKind(decision.Skinner);
  const bool plainAttach = decision.Attach == TAttachMode::Control || decision.Attach == TAttachMode::Window;
  const TSkinnerAttach attach = plainAttach ? nullptr : FindSkinnerAttach(decision.Attach);
  if (!factory || (!plainAttach && !attach) || (decision.Attach == TAttachMode::Window && !record.Window)) {
    Record(record);  // chosen, not yet built: no stand-in skinner
    return;
  }
  TSkinControl* skinner = factory(control);
  if (!skinner) {
    Record(record);
    return;
  }
  if (decision.Variant >= 0) skinner->Variant = decision.Variant;
  if (decision.Kind >= 0) WriteProp(skinner, "Kind", std::to_string(decision.Kind));
  if (!decision.ImagePropName.empty()) WriteProp(skinner, "ImagePropName", decision.ImagePropName);
  switch (decision.Attach) {
    case TAttachMode::Control:
      skinner->AttachControl(FSite.Host, FSite.SkinData, decision.Recolour, FSite.WorkCanvas);
      break;
    case TAttachMode::Window:
      skinner->AttachWindow(record.Window, FSite.SkinData, FSite.Host, FSite.WorkCanvas);
      break;
    default:
      attach(skinner, control, FSite.SkinData, FSite.Host, FSite.WorkCanvas);
      break;
  }
  // Attaching may pick a variant of its own (a cleared parent background); the choice holds.
  if (decision.Variant >= 0) skinner->Variant = decision.Variant;
  if (decision.ExVariant >= 0) WriteProp(skinner, "ExVariant", std::to_string(decision.ExVariant));
  record.Built = true;
  record.Skinner = skinner;
  Record(record);
}

void TControlDiscovery::SkinWindow(HWND window, const TSkinDecision& decision) {
  if (decision.Skinner.empty() || DrawnBySkinner(nullptr, window)) return;
  TDiscoveryRecord record;
  record.Window = window;
  record.Source = TDecisionSource::ChildWindow;
  record.Decision = decision;
  const TSkinnerFactory factory = FindSkinnerKind(decision.Skinner);
  TSkinControl* skinner = factory ? factory(FSite.FormSkinner) : nullptr;
  if (skinner) {
    skinner->AttachWindow(window, FSite.SkinData, FSite.Host, FSite.WorkCanvas);
    record.Built = true;
    record.Skinner = skinner;
  }
  Record(record);
}

bool TControlDiscovery::DrawnBySkinner(const TControl* control, HWND window) const {
  if (!FSite.ControlSkinners) return false;
  return std::any_of(FSite.ControlSkinners->begin(), FSite.ControlSkinners->end(), [&](const TSkinControl* s) {
    return s->LifeState != kSkinnerWindowDestroyed &&
           ((control && (s->Control == control || s->GraphicControl == control)) || (window && s->Handle == window));
  });
}

bool TControlDiscovery::AlreadySkinned(TControl* control) const {
  HWND window = WindowOf(control);
  return AnswersSkinQuery(window) || DrawnBySkinner(control, window);
}

void TControlDiscovery::Record(TDiscoveryRecord record) {
  const auto same = [&](const TDiscoveryRecord& r) {
    return record.Control ? r.Control == record.Control : (!r.Control && r.Window == record.Window);
  };
  const auto it = std::find_if(FRecords.begin(), FRecords.end(), same);
  if (it == FRecords.end()) {
    FRecords.push_back(std::move(record));
  } else if (!it->Built) {
    *it = std::move(record);
  }
}

const TDiscoveryRecord* TControlDiscovery::RecordOf(const TControl* control) const {
  const auto it =
      std::find_if(FRecords.begin(), FRecords.end(), [control](const TDiscoveryRecord& r) { return r.Control == control; });
  return it == FRecords.end() ? nullptr : &*it;
}

const TDiscoveryRecord* TControlDiscovery::RecordOfWindow(HWND window) const {
  const auto it = std::find_if(FRecords.begin(), FRecords.end(),
                               [window](const TDiscoveryRecord& r) { return !r.Control && r.Window == window; });
  return it == FRecords.end() ? nullptr : &*it;
}
