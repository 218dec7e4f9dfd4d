// The choice of a control's skinner as pure tables: the Skin3rd kinds, the built-in rows for
// framework controls and the rows for bare child windows. Each answers a plan of steps that
// control discovery carries out; nothing here touches a window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How a chosen skinner is attached to what it draws.
enum class TAttachMode {
  Control,          // AttachControl on the framework control, with the recolour flag
  Window,           // AttachWindow on a window handle
  Graphic,          // the graphic attach of windowless tool buttons
  ScrollBar,        // the scroll-bar attach of scrolled framework controls
  ScrollContainer,  // the scroll-container attach of a stand-alone scroll-bar control
};

// Which skinner draws one control, and how it is set up. An empty Skinner means none.
struct TSkinDecision {
  std::string Skinner;  // skinner class name, e.g. "TSkinButton"
  bool Recolour = false;
  TAttachMode Attach = TAttachMode::Control;
  // Settings written to the skinner: -1 / empty leave the skinner's own value.
  int Variant = -1;
  int ExVariant = -1;  // written after attaching
  int Kind = -1;
  std::string ImagePropName;

  bool operator==(const TSkinDecision&) const = default;
};

// One step of a plan, in the order discovery carries them out.
enum class TPlanStepKind {
  Skin,                     // attach Decision to the control (or window) itself
  SetTransparent,           // the control's published "Transparent" := "True"
  ClassifyChildren,         // classify each child control, the control as parent
  ClassifyChildrenNoParent, // classify each child control with no parent component
  ClassifyOwnedComponents,  // the control is an embedded form: classify what it owns
  SkinGroupButtons,         // each child control: GroupButtonDecision (ButtonKind)
  SkinScrollCandidates,     // each child control that is a scroll candidate: a scroll skinner
  DiscoverChildWindows,     // walk the window's child windows
  SkinFirstChildWindow,     // attach Decision to the window's first child window
  SetFaceColour,            // the window's framework control takes the skin's "ButtonFace"
};

struct TPlanStep {
  TPlanStepKind Step = TPlanStepKind::Skin;
  TSkinDecision Decision;
  int ButtonKind = 0;  // SkinGroupButtons: 1 check boxes, 2 radio buttons

  bool operator==(const TPlanStep&) const = default;
};
using TSkinPlan = std::vector<TPlanStep>;

// What the tables need to know of a framework control.
struct TControlFacts {
  std::string Name;  // upper-cased class name
  bool Windowed = false;
  std::uint32_t Style = 0;  // window style (0 for windowless controls)
  bool HasBorder = false;   // window and client rectangles differ in size
  // Framework families (the class or one of its ancestors).
  bool TabControl = false;  // any tab control, page controls included
  bool PageControl = false;
  bool PlainTabs = true;    // the page control's "Style" is the plain tab style
  bool TabSheet = false;
  bool GroupBox = false;
  bool StatusBar = false;
  bool Panel = false;
  bool Memo = false;
  bool PushButton = false;
  bool Edit = false;
  bool Form = false;  // a form placed as a control
  // Our own framework classes with rows of their own, by the class (or ancestor) named.
  std::string FrameworkRow;  // e.g. "TCheckBox"; empty when none applies
  std::string KindProperty;  // the published "Kind" as text (empty when missing)
  int NumButtons = -1;       // the published integer "NumButtons" (-1 when missing)
};

// The inputs of the skin component the tables read.
struct TSkinSwitches {
  std::uint32_t SkinControls = 0;  // set of TSkinControlType
  bool HasTabs = false;            // the skin has a "Tabs" object
  bool Has(int member) const { return SkinControls & (1u << member); }
};

// Kind texts are cut to this many characters.
inline constexpr std::size_t kSkin3rdKindLength = 50;

// The kind of the first Skin3rd line that names the class (upper-cased or not), lower-cased
// and cut; nullopt when no line names it. A line names a class when, ignoring case, it
// begins with the class name followed at once by "=".
std::optional<std::string> FindSkin3rdKind(const std::vector<std::string>& lines, std::string_view className);

// The plan of a Skin3rd kind for a control. lineClass is the lower-cased class name the
// line gave. An unknown kind, "nil" or a kind whose member is missing gives an empty plan.
TSkinPlan PlanSkin3rdKind(std::string_view kind, std::string_view lineClass, const TControlFacts& control,
                          const TSkinSwitches& skin);

// The first built-in row that applies to a framework control (empty plan: no row or a row
// without skinner).
TSkinPlan PlanBuiltIn(const TControlFacts& control, const TSkinSwitches& skin);

// The framework classes that get rows of their own (matched by class or ancestor name).
const std::vector<std::string>& FrameworkRowClasses();

// The skinner of a button in a radio or check group (buttonKind 2 radio, 1 check).
TSkinDecision GroupButtonDecision(std::string_view childName, int buttonKind);

// The skinner of a scroll candidate inside an "embedscrollbar" control.
TSkinDecision ScrollCandidateDecision();
bool IsScrollCandidate(const TControlFacts& control);

// The plan of a bare child window from its lower-cased class name and its style.
TSkinPlan PlanChildWindow(std::string_view className, std::uint32_t style, const TSkinSwitches& skin);

// Class names are compared at most this long for bare windows.
inline constexpr std::size_t kWindowClassLength = 100;
