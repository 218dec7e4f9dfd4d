// The Skin3rd kinds table, the built-in rows for framework controls and the bare-window rows.
#include "skin/form/discovery_rows.h"

#include <algorithm>

#include "base/strings.h"
#include "skin/model/skin_data.h"

namespace {

// Window style bits the rows test.
constexpr std::uint32_t kHorzScrollStyle = 0x00100000;  // WS_HSCROLL
constexpr std::uint32_t kVertScrollStyle = 0x00200000;  // WS_VSCROLL
constexpr std::uint32_t kTabStopStyle = 0x00010000;     // WS_TABSTOP
constexpr std::uint32_t kOwnerDrawButton = 0xB;         // BS_OWNERDRAW
constexpr std::uint32_t kGroupBoxButton = 0x7;          // BS_GROUPBOX
constexpr std::uint32_t kBitmapButton = 0x80;           // BS_BITMAP
constexpr std::uint32_t kButtonTypeMask = 0xF;           // BS_TYPEMASK
constexpr std::uint32_t kSplitButton = 0xC;             // BS_SPLITBUTTON
constexpr std::uint32_t kCommandLink = 0xE;             // BS_COMMANDLINK
constexpr std::uint32_t kComboTypeMask = 0x3;
constexpr std::uint32_t kSimpleCombo = 0x1;             // CBS_SIMPLE
constexpr std::uint32_t kOwnerDrawTabs = 0x2000;        // TCS_OWNERDRAWFIXED

TPlanStep Skin(std::string skinner, bool recolour = false, TAttachMode attach = TAttachMode::Control) {
  TPlanStep step;
  step.Decision.Skinner = std::move(skinner);
  step.Decision.Recolour = recolour;
  step.Decision.Attach = attach;
  return step;
}

TPlanStep Step(TPlanStepKind kind) {
  TPlanStep step;
  step.Step = kind;
  return step;
}

TPlanStep SkinWindow(std::string skinner) { return Skin(std::move(skinner), false, TAttachMode::Window); }

TSkinPlan One(TPlanStep step) { return TSkinPlan{std::move(step)}; }

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

bool NameIs(std::string_view name, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return LowerAscii(a) == LowerAscii(b); }

// The rows for our own framework classes: each is a Skin3rd kind, or a skinner of its own.
TSkinPlan PlanFrameworkRow(const TControlFacts& control, const TSkinSwitches& skin) {
  const std::string& row = control.FrameworkRow;
  const std::string lower = LowerAscii(row);
  if (row == "TListView") {
    if (!skin.Has(xcScrollbar)) return {};
    return One(Skin("TSkinListView", false, TAttachMode::ScrollBar));
  }
  if (row == "THeaderControl") {
    if (!skin.Has(xcButton)) return {};
    return One(Skin("TSkinHeader"));
  }
  if (row == "TScrollBar") {
    if (!skin.Has(xcScrollbar)) return {};
    return One(Skin("TSkinScControl", false, TAttachMode::ScrollContainer));
  }
  static const std::pair<const char*, const char*> kinds[] = {
      {"TCheckBox", "checkbox"},       {"TRadioButton", "radiobutton"}, {"TRadioGroup", "radiogroup"},
      {"TComboBox", "combobox"},       {"TListBox", "scrollbar"},       {"TBitBtn", "bitbtn"},
      {"TSpeedButton", "speedbutton"}, {"TTrackBar", "trackbar"},       {"TProgressBar", "progress"},
      {"TDateTimePicker", "datetimepicker"}, {"TScrollBox", "scrollbar"},
  };
  for (const auto& [cls, kind] : kinds) {
    if (row == cls) return PlanSkin3rdKind(kind, lower, control, skin);
  }
  return {};
}

}  // namespace

std::optional<std::string> FindSkin3rdKind(const std::vector<std::string>& lines, std::string_view className) {
  const std::string key = LowerAscii(className) + "=";
  for (const std::string& line : lines) {
    if (line.size() < key.size() || LowerAscii(std::string_view(line).substr(0, key.size())) != key) continue;
    std::string kind = LowerAscii(std::string_view(line).substr(key.size()));
    if (kind.size() > kSkin3rdKindLength) kind.resize(kSkin3rdKindLength);
    return kind;
  }
  return std::nullopt;
}

TSkinPlan PlanSkin3rdKind(std::string_view kind, std::string_view lineClass, const TControlFacts& control,
                          const TSkinSwitches& skin) {
  if (kind == "combobox") return skin.Has(xcCombo) ? One(Skin("TSkinComBox")) : TSkinPlan{};
  if (kind == "comboboxex") {
    if (!skin.Has(xcCombo)) return {};
    TPlanStep step = Skin("TSkinComBox");
    step.Decision.ExVariant = 1;
    return One(step);
  }
  if (kind == "edit") return skin.Has(xcEdit) && control.HasBorder ? One(Skin("TSkinEdit")) : TSkinPlan{};
  if (kind == "radiobutton") return skin.Has(xcRadioButton) ? One(Skin("TSkinRadioButton")) : TSkinPlan{};
  if (kind == "panel") {
    if (!skin.Has(xcPanel)) return {};
    return {Step(TPlanStepKind::SetTransparent), Skin("TSkinBox", true)};
  }
  if (kind == "trackbar") {
    if (!skin.Has(xcButton)) return {};
    return {Step(TPlanStepKind::SetTransparent), Skin("TSkinTrackBar")};
  }
  if (kind == "button") return skin.Has(xcButton) ? One(Skin("TSkinButton")) : TSkinPlan{};
  if (kind == "datetimepicker") return skin.Has(xcCombo) ? One(Skin("TSkinDateTime")) : TSkinPlan{};
  if (kind == "mediaplayer") return skin.Has(xcButton) ? One(Skin("TSkinMP")) : TSkinPlan{};
  if (kind == "bitbtn") {
    if (!skin.Has(xcButton)) return {};
    const bool dropDown = lineClass == "tcxbutton" && EqualsNoCase(control.KindProperty, "cxbkDropDownButton");
    return One(Skin(dropDown ? "TSkinMenuButton" : "TSkinBitButton"));
  }
  if (kind == "pngbitbtn") {
    if (!skin.Has(xcButton)) return {};
    TPlanStep step = Skin("TSkinBitButton");
    step.Decision.ImagePropName = "PngImage";
    return One(step);
  }
  if (kind == "pngspeedbutton") {
    if (!skin.Has(xcButton)) return {};
    TPlanStep step = Skin("TSkinSpeedButton", false, TAttachMode::Graphic);
    step.Decision.ImagePropName = "PngImage";
    return One(step);
  }
  if (kind == "menubtn") return skin.Has(xcButton) ? One(Skin("TSkinMenuButton")) : TSkinPlan{};
  if (kind == "speedbutton") {
    return skin.Has(xcSpeedButton) ? One(Skin("TSkinSpeedButton", false, TAttachMode::Graphic)) : TSkinPlan{};
  }
  if (kind == "tab") return skin.Has(xcTab) && skin.HasTabs ? One(Skin("TSkinTab")) : TSkinPlan{};
  if (kind == "progress") return skin.Has(xcProgress) ? One(Skin("TSkinProgress")) : TSkinPlan{};
  if (kind == "scrollbar") {
    if (!skin.Has(xcScrollbar)) return {};
    return {Skin("TSkinScrollbar", false, TAttachMode::ScrollBar), Step(TPlanStepKind::ClassifyChildren)};
  }
  if (kind == "singlescrollbar") {
    if (!skin.Has(xcScrollbar)) return {};
    TPlanStep step = Skin("TSkinScrollbar", false, TAttachMode::ScrollBar);
    step.Decision.Variant = 1;
    return One(step);
  }
  if (kind == "embedscrollbar") return skin.Has(xcScrollbar) ? One(Step(TPlanStepKind::SkinScrollCandidates)) : TSkinPlan{};
  if (kind == "container") return One(Step(TPlanStepKind::ClassifyChildren));
  if (kind == "groupbox") return skin.Has(xcGroupBox) ? One(Skin("TSkinGroupBox", true)) : TSkinPlan{};
  if (kind == "advpagecontrol") {
    if (!skin.Has(xcTab)) return {};
    TPlanStep step = Skin("TSkinAdvPage", true);
    step.Decision.Variant = 4;
    return One(step);
  }
  if (kind == "radiogroup" || kind == "checkgroup") {
    const bool radio = kind == "radiogroup";
    if (!skin.Has(radio ? xcGroupBox : xcPanel)) return {};
    TSkinPlan plan;
    if (skin.Has(xcRadioButton)) {
      TPlanStep buttons = Step(TPlanStepKind::SkinGroupButtons);
      buttons.ButtonKind = radio ? 2 : 1;
      plan.push_back(buttons);
    }
    if (radio || skin.Has(xcGroupBox)) plan.push_back(Skin("TSkinGroupBox", true));
    return plan;
  }
  if (kind == "checkbox") return skin.Has(xcCheckBox) ? One(Skin("TSkinCheckBox")) : TSkinPlan{};
  return {};  // "nil" and kinds nobody knows
}

TSkinPlan PlanBuiltIn(const TControlFacts& c, const TSkinSwitches& skin) {
  const std::string& name = c.Name;
  const bool tabs = skin.Has(xcTab) && skin.HasTabs;
  if (c.TabControl && tabs) {
    if (c.PageControl) return One(Skin(c.PlainTabs ? "TSkinTab" : "TSkinTabBtn"));
    TPlanStep step = Skin("TSkinTab");
    step.Decision.Variant = 2;
    return One(step);
  }
  if (name == "TTABSET" && tabs) return One(Skin("TSkinTab31"));
  if (c.TabSheet && tabs) return One(Skin("TSkinTabSheet"));
  if (name == "TTABBEDNOTEBOOK" && tabs) return One(Skin("TSkinTab"));
  if (name == "TMVCPANEL") return One(Step(TPlanStepKind::ClassifyChildren));
  if (NameIs(name, {"TUPDOWN", "TSPINBUTTON"}) && skin.Has(xcSpin)) return One(Skin("TSkinUpDown"));
  if (name == "TMEDIAPLAYER" && skin.Has(xcButton)) return One(Skin("TSkinMP"));
  if (name == "TDBNAVIGATOR" && skin.Has(xcPanel)) {
    return {Skin("TSkinBox", true), Step(TPlanStepKind::ClassifyChildrenNoParent)};
  }
  const auto objImage = [](int kind) {
    TPlanStep step = Skin("TSkinObjImage", true);
    step.Decision.Kind = kind;
    return One(step);
  };
  if (NameIs(name, {"TRZDBCHECKBOX", "TRZCHECKBOX"}) && skin.Has(xcCheckBox)) return objImage(1);
  if (NameIs(name, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}) && skin.Has(xcRadioButton)) return objImage(2);
  if (NameIs(name, {"TCXDBCHECKBOX", "TCXCHECKBOX"}) && skin.Has(xcCheckBox)) return objImage(3);
  // A radio group is a group box too; its own row (buttons, then the recoloured group) goes first.
  if (c.GroupBox && c.FrameworkRow == "TRadioGroup") {
    TSkinPlan plan = PlanFrameworkRow(c, skin);
    if (!plan.empty()) return plan;
  }
  if (c.GroupBox && skin.Has(xcPanel)) return {Step(TPlanStepKind::ClassifyChildren), Skin("TSkinGroupBox")};
  if (c.StatusBar && skin.Has(xcStatusBar)) return One(Skin("TSkinStatusBar"));
  if (name == "TTNTCOMBOBOX" && skin.Has(xcCombo)) return One(Skin("TSkinComBox"));
  const TPlanStep scroll = Skin("TSkinScrollbar", false, TAttachMode::ScrollBar);
  if (skin.Has(xcScrollbar) && NameIs(name, {"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"})) return One(scroll);
  if (c.Panel && skin.Has(xcPanel)) return {Step(TPlanStepKind::ClassifyChildren), Skin("TSkinBox", true)};
  if (NameIs(name, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) && skin.Has(xcScrollbar)) return One(scroll);
  // Our own framework classes come before the generic scroll rows, which would take list
  // boxes, list views and scroll boxes for plain scrolled controls.
  if (!c.FrameworkRow.empty()) {
    TSkinPlan plan = PlanFrameworkRow(c, skin);
    if (!plan.empty()) return plan;
  }
  if (skin.Has(xcScrollbar) && c.Memo) return One(scroll);
  if (skin.Has(xcScrollbar) && IsScrollCandidate(c)) return One(scroll);
  if (c.PushButton && skin.Has(xcButton)) return One(Skin("TSkinButton"));
  if (c.Edit && skin.Has(xcEdit)) return One(Skin("TSkinEdit"));
  if (!NameIs(name, {"TDCEDIT", "TDCDBEDIT"})) {
    if (c.Form) return {Skin("TSkinBox", true), Step(TPlanStepKind::ClassifyOwnedComponents)};
    return {};
  }
  if (c.NumButtons == 1 && skin.Has(xcCombo)) return One(Skin("TSkinComBox"));
  if (c.NumButtons == 0 && skin.Has(xcEdit)) return One(Skin("TSkinEdit", false, TAttachMode::Window));
  return {};
}

const std::vector<std::string>& FrameworkRowClasses() {
  static const std::vector<std::string> classes = {
      "TCheckBox", "TRadioButton",    "TRadioGroup", "TComboBox",      "TListBox",   "TBitBtn",   "TSpeedButton",
      "TTrackBar", "TProgressBar", "TDateTimePicker", "TListView", "THeaderControl", "TScrollBar", "TScrollBox",
  };
  return classes;
}

TSkinDecision GroupButtonDecision(std::string_view childName, int buttonKind) {
  TSkinDecision decision;
  if (Contains(childName, "TRZ")) {
    decision.Skinner = "TSkinObjImage";
    decision.Recolour = true;
    decision.Kind = buttonKind;
  } else {
    decision.Skinner = buttonKind == 2 ? "TSkinRadioButton" : "TSkinCheckBox";
  }
  return decision;
}

TSkinDecision ScrollCandidateDecision() {
  TSkinDecision decision;
  decision.Skinner = "TSkinScrollbar";
  decision.Attach = TAttachMode::ScrollBar;
  return decision;
}

bool IsScrollCandidate(const TControlFacts& control) {
  return control.Memo || (control.Windowed && (control.Style & (kHorzScrollStyle | kVertScrollStyle)));
}

TSkinPlan PlanChildWindow(std::string_view k, std::uint32_t s, const TSkinSwitches& skin) {
  if (k == "button" && (s & kOwnerDrawButton) != kOwnerDrawButton) {
    if ((s & kGroupBoxButton) == kGroupBoxButton || (s & kBitmapButton)) return {};
    // Split buttons and command links (types 0xC to 0xE) pass the bit tests below as radio or
    // check boxes; they draw arrows and notes no button skinner knows, so they keep their look.
    const std::uint32_t type = s & kButtonTypeMask;
    if (type >= kSplitButton && type <= kCommandLink) return {};
    // BS_AUTOCHECKBOX, BS_CHECKBOX, and the three-state styles (5 and 6 contain 2 or 4).
    if ((s & 3) == 3 || (s & 2) == 2 || (s & 5) == 5) {
      return skin.Has(xcCheckBox) ? One(SkinWindow("TSkinCheckBox")) : TSkinPlan{};
    }
    if ((s & 9) == 9 || (s & 4) == 4) return skin.Has(xcRadioButton) ? One(SkinWindow("TSkinRadioButton")) : TSkinPlan{};
    return skin.Has(xcButton) ? One(SkinWindow("TSkinButton")) : TSkinPlan{};
  }
  if (k == "combobox" && skin.Has(xcCombo)) {
    if ((s & kComboTypeMask) == kSimpleCombo) return {};
    return One(SkinWindow("TSkinComBox"));
  }
  if (k == "comboboxex32" && skin.Has(xcCombo)) {
    TPlanStep step = SkinWindow("TSkinComBox");
    step.Step = TPlanStepKind::SkinFirstChildWindow;
    return One(step);
  }
  if (k == "scrollbar" && !(s & kTabStopStyle)) return One(SkinWindow("TSkinSizer"));
  if (k == "systreeview32") return {};
  if (k == "#32770" && !(s & kTabStopStyle)) return {Step(TPlanStepKind::DiscoverChildWindows), SkinWindow("TSkinBoxH")};
  if (NameIs(k, {"tpanel", "ttntpanel.unicodeclass", "ttntsilentpaintpanel.unicodeclass"})) {
    return {Step(TPlanStepKind::DiscoverChildWindows), Step(TPlanStepKind::SetFaceColour)};
  }
  if (k == "tcheckbox" && skin.Has(xcCheckBox)) return One(SkinWindow("TSkinCheckBox"));
  if (k == "tcombobox" && skin.Has(xcCombo)) return One(SkinWindow("TSkinComBox"));
  if (k == "tbutton" && skin.Has(xcButton)) return One(SkinWindow("TSkinButton"));
  if (k == "tprogressbar") return One(SkinWindow("TSkinProgress"));
  if (k == "tsilentpaintpanel") return One(Step(TPlanStepKind::SetFaceColour));
  if (k == "systabcontrol32" && skin.Has(xcTab) && !(s & kOwnerDrawTabs)) return One(SkinWindow("TSkinTab"));
  if (k == "toolbarwindow32") return One(SkinWindow("TSkinBoxH"));
  if (k == "edit" && skin.Has(xcEdit)) return One(SkinWindow("TSkinEdit"));
  return {};
}
