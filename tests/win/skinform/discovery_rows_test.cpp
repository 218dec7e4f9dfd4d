// The choice tables on their own: Skin3rd matching and kinds, the order of the built-in rows,
// and the bare-window rows by class name and style bits.
#include <gtest/gtest.h>

#include "skin/form/discovery_rows.h"
#include "skin/model/skin_data.h"

namespace {

constexpr std::uint32_t kEverything = (1u << kSkinControlTypeCount) - 1;

TSkinSwitches All(bool tabs = true) { return TSkinSwitches{kEverything, tabs}; }
TSkinSwitches Without(int member) { return TSkinSwitches{kEverything & ~SetOf(member), true}; }

// The skinner of the plan's only Skin step ("" when none).
std::string SkinnerOf(const TSkinPlan& plan) {
  std::string found;
  for (const TPlanStep& step : plan) {
    if (step.Step == TPlanStepKind::Skin || step.Step == TPlanStepKind::SkinFirstChildWindow) {
      EXPECT_TRUE(found.empty()) << "two skinners in one plan";
      found = step.Decision.Skinner;
    }
  }
  return found;
}

TSkinPlan Only(TPlanStepKind kind) {
  TPlanStep step;
  step.Step = kind;
  return TSkinPlan{step};
}

const TPlanStep* SkinStep(const TSkinPlan& plan) {
  for (const TPlanStep& step : plan) {
    if (step.Step == TPlanStepKind::Skin) return &step;
  }
  return nullptr;
}

TControlFacts Named(const std::string& name) {
  TControlFacts facts;
  facts.Name = name;
  facts.Windowed = true;
  return facts;
}

TEST(Skin3rdMatching, CaseInsensitiveWithTheEqualsSignRightAfterTheName) {
  const std::vector<std::string> lines = {"TcxButton=bitbtn", "TCXBUTTONEDIT X=edit", "TLmdEdit=EDIT",
                                          "TDouble=panel", "tdouble=nil"};
  EXPECT_EQ(FindSkin3rdKind(lines, "TCXBUTTON"), "bitbtn");
  EXPECT_EQ(FindSkin3rdKind(lines, "tcxbutton"), "bitbtn");
  EXPECT_EQ(FindSkin3rdKind(lines, "TCXBUTTONEDIT"), std::nullopt);  // a prefix is not a name
  EXPECT_EQ(FindSkin3rdKind(lines, "TCXBUTTO"), std::nullopt);
  EXPECT_EQ(FindSkin3rdKind(lines, "TLMDEDIT"), "edit");  // kinds are lower-cased
  EXPECT_EQ(FindSkin3rdKind(lines, "TDOUBLE"), "panel");  // the first line wins
  EXPECT_EQ(FindSkin3rdKind({}, "TBUTTON"), std::nullopt);

  // Everything after the first "=" is the kind, cut to 50 characters.
  const std::string longKind = "checkbox" + std::string(60, 'x');
  const auto cut = FindSkin3rdKind({"TLong=" + longKind + "=y"}, "TLONG");
  ASSERT_TRUE(cut);
  EXPECT_EQ(*cut, longKind.substr(0, 50));
  EXPECT_EQ(FindSkin3rdKind({"TEq==button"}, "TEQ"), "=button");
}

TEST(Skin3rdKinds, EachKindItsSkinnerSettingsAndMember) {
  TControlFacts bordered = Named("TTHIRD");
  bordered.HasBorder = true;
  struct Row {
    const char* Kind;
    int Member;  // -1: none needed
    const char* Skinner;
    bool Recolour;
    TAttachMode Attach;
  };
  const Row rows[] = {
      {"combobox", xcCombo, "TSkinComBox", false, TAttachMode::Control},
      {"edit", xcEdit, "TSkinEdit", false, TAttachMode::Control},
      {"radiobutton", xcRadioButton, "TSkinRadioButton", false, TAttachMode::Control},
      {"panel", xcPanel, "TSkinBox", true, TAttachMode::Control},
      {"trackbar", xcButton, "TSkinTrackBar", false, TAttachMode::Control},
      {"button", xcButton, "TSkinButton", false, TAttachMode::Control},
      {"datetimepicker", xcCombo, "TSkinDateTime", false, TAttachMode::Control},
      {"mediaplayer", xcButton, "TSkinMP", false, TAttachMode::Control},
      {"bitbtn", xcButton, "TSkinBitButton", false, TAttachMode::Control},
      {"menubtn", xcButton, "TSkinMenuButton", false, TAttachMode::Control},
      {"speedbutton", xcSpeedButton, "TSkinSpeedButton", false, TAttachMode::Graphic},
      {"pngspeedbutton", xcButton, "TSkinSpeedButton", false, TAttachMode::Graphic},
      {"tab", xcTab, "TSkinTab", false, TAttachMode::Control},
      {"progress", xcProgress, "TSkinProgress", false, TAttachMode::Control},
      {"scrollbar", xcScrollbar, "TSkinScrollbar", false, TAttachMode::ScrollBar},
      {"singlescrollbar", xcScrollbar, "TSkinScrollbar", false, TAttachMode::ScrollBar},
      {"groupbox", xcGroupBox, "TSkinGroupBox", true, TAttachMode::Control},
      {"advpagecontrol", xcTab, "TSkinAdvPage", true, TAttachMode::Control},
      {"checkbox", xcCheckBox, "TSkinCheckBox", false, TAttachMode::Control},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Kind);
    const TSkinPlan plan = PlanSkin3rdKind(row.Kind, "tthird", bordered, All());
    ASSERT_NE(SkinStep(plan), nullptr);
    EXPECT_EQ(SkinStep(plan)->Decision.Skinner, row.Skinner);
    EXPECT_EQ(SkinStep(plan)->Decision.Recolour, row.Recolour);
    EXPECT_EQ(SkinStep(plan)->Decision.Attach, row.Attach);
    // Without its member the kind gives nothing at all.
    EXPECT_TRUE(PlanSkin3rdKind(row.Kind, "tthird", bordered, Without(row.Member)).empty());
  }
  // Members the kinds do not need leave them alone ("trackbar" and "bitbtn" need xcButton).
  EXPECT_EQ(SkinnerOf(PlanSkin3rdKind("trackbar", "t", bordered, Without(xcTrackBar))), "TSkinTrackBar");
  EXPECT_EQ(SkinnerOf(PlanSkin3rdKind("bitbtn", "t", bordered, Without(xcBitBtn))), "TSkinBitButton");
  EXPECT_TRUE(PlanSkin3rdKind("tab", "t", bordered, All(false)).empty());  // no "Tabs" object

  EXPECT_TRUE(PlanSkin3rdKind("nil", "t", bordered, All()).empty());
  EXPECT_TRUE(PlanSkin3rdKind("wibble", "t", bordered, All()).empty());
  // An edit without a border keeps its own look.
  EXPECT_TRUE(PlanSkin3rdKind("edit", "t", Named("TTHIRD"), All()).empty());

  // Settings.
  EXPECT_EQ(SkinStep(PlanSkin3rdKind("comboboxex", "t", bordered, All()))->Decision.ExVariant, 1);
  EXPECT_EQ(SkinStep(PlanSkin3rdKind("singlescrollbar", "t", bordered, All()))->Decision.Variant, 1);
  EXPECT_EQ(SkinStep(PlanSkin3rdKind("advpagecontrol", "t", bordered, All()))->Decision.Variant, 4);
  EXPECT_EQ(SkinStep(PlanSkin3rdKind("pngbitbtn", "t", bordered, All()))->Decision.ImagePropName, "PngImage");
  EXPECT_EQ(SkinStep(PlanSkin3rdKind("pngspeedbutton", "t", bordered, All()))->Decision.ImagePropName, "PngImage");
  EXPECT_EQ(PlanSkin3rdKind("panel", "t", bordered, All()).front().Step, TPlanStepKind::SetTransparent);
  EXPECT_EQ(PlanSkin3rdKind("scrollbar", "t", bordered, All()).back().Step, TPlanStepKind::ClassifyChildren);
  EXPECT_EQ(PlanSkin3rdKind("container", "t", bordered, TSkinSwitches{}),
            Only(TPlanStepKind::ClassifyChildren));
  EXPECT_EQ(PlanSkin3rdKind("embedscrollbar", "t", bordered, All()),
            Only(TPlanStepKind::SkinScrollCandidates));

  // A drop-down cx button is a menu button, by its line's class and its "Kind".
  TControlFacts dropDown = bordered;
  dropDown.KindProperty = "cxbkDropDownButton";
  EXPECT_EQ(SkinnerOf(PlanSkin3rdKind("bitbtn", "tcxbutton", dropDown, All())), "TSkinMenuButton");
  EXPECT_EQ(SkinnerOf(PlanSkin3rdKind("bitbtn", "trzbitbtn", dropDown, All())), "TSkinBitButton");
  EXPECT_EQ(SkinnerOf(PlanSkin3rdKind("bitbtn", "tcxbutton", bordered, All())), "TSkinBitButton");
}

TEST(Skin3rdKinds, GroupsSkinTheirButtonsByTheMembersPresent) {
  const TControlFacts group = Named("TGROUP");
  TSkinPlan radio = PlanSkin3rdKind("radiogroup", "t", group, All());
  ASSERT_EQ(radio.size(), 2u);
  EXPECT_EQ(radio[0].Step, TPlanStepKind::SkinGroupButtons);
  EXPECT_EQ(radio[0].ButtonKind, 2);
  EXPECT_EQ(radio[1].Decision.Skinner, "TSkinGroupBox");
  EXPECT_TRUE(radio[1].Decision.Recolour);
  radio = PlanSkin3rdKind("radiogroup", "t", group, Without(xcRadioButton));
  EXPECT_EQ(radio.size(), 1u);
  EXPECT_EQ(SkinnerOf(radio), "TSkinGroupBox");

  // A check group needs xcPanel; its buttons go with xcRadioButton, its frame with xcGroupBox.
  TSkinPlan check = PlanSkin3rdKind("checkgroup", "t", group, All());
  ASSERT_EQ(check.size(), 2u);
  EXPECT_EQ(check[0].ButtonKind, 1);
  check = PlanSkin3rdKind("checkgroup", "t", group, Without(xcGroupBox));
  ASSERT_EQ(check.size(), 1u);
  EXPECT_EQ(check[0].Step, TPlanStepKind::SkinGroupButtons);
  EXPECT_EQ(PlanSkin3rdKind("checkgroup", "t", group, Without(xcCheckBox)).size(), 2u);
  EXPECT_TRUE(PlanSkin3rdKind("checkgroup", "t", group, Without(xcPanel)).empty());

  EXPECT_EQ(GroupButtonDecision("TRADIOBUTTON", 2).Skinner, "TSkinRadioButton");
  EXPECT_EQ(GroupButtonDecision("TCHECKBOX", 1).Skinner, "TSkinCheckBox");
  const TSkinDecision rz = GroupButtonDecision("TRZRADIOBUTTON", 2);
  EXPECT_EQ(rz.Skinner, "TSkinObjImage");
  EXPECT_EQ(rz.Kind, 2);
  EXPECT_TRUE(rz.Recolour);
}

TEST(BuiltInRows, FirstMatchingRowInOrder) {
  // Tabs: page controls by style, other tab controls with Variant 2, and only with "Tabs".
  TControlFacts page = Named("TPAGECONTROL");
  page.TabControl = page.PageControl = true;
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(page, All())), "TSkinTab");
  EXPECT_TRUE(PlanBuiltIn(page, All(false)).empty());
  page.PlainTabs = false;
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(page, All())), "TSkinTabBtn");
  TControlFacts tabs = Named("TTABCONTROL");
  tabs.TabControl = true;
  EXPECT_EQ(SkinStep(PlanBuiltIn(tabs, All()))->Decision.Variant, 2);

  // A memo has scroll bars before it is an edit; without xcScrollbar it is an edit.
  TControlFacts memo = Named("TMEMO");
  memo.Memo = memo.Edit = true;
  EXPECT_EQ(SkinStep(PlanBuiltIn(memo, All()))->Decision.Attach, TAttachMode::ScrollBar);
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(memo, Without(xcScrollbar))), "TSkinEdit");
  // Any windowed control with a scroll-bar style is a scroll candidate.
  TControlFacts scrolled = Named("TSOMETHING");
  scrolled.Style = 0x00200000;
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(scrolled, All())), "TSkinScrollbar");
  TControlFacts edit = Named("TEDIT");
  edit.Edit = true;
  edit.Style = 0x00100000;
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(edit, All())), "TSkinScrollbar");

  // Panels classify their children first; group boxes need xcPanel and take no recolour.
  TControlFacts panel = Named("TPANEL");
  panel.Panel = true;
  const TSkinPlan panelPlan = PlanBuiltIn(panel, All());
  ASSERT_EQ(panelPlan.size(), 2u);
  EXPECT_EQ(panelPlan[0].Step, TPlanStepKind::ClassifyChildren);
  EXPECT_TRUE(panelPlan[1].Decision.Recolour);
  TControlFacts groupBox = Named("TGROUPBOX");
  groupBox.GroupBox = true;
  EXPECT_FALSE(SkinStep(PlanBuiltIn(groupBox, Without(xcGroupBox)))->Decision.Recolour);
  EXPECT_TRUE(PlanBuiltIn(groupBox, Without(xcPanel)).empty());

  // Names.
  EXPECT_EQ(SkinStep(PlanBuiltIn(Named("TCXCHECKBOX"), All()))->Decision.Kind, 3);
  EXPECT_EQ(SkinStep(PlanBuiltIn(Named("TRZRADIOBUTTON"), All()))->Decision.Kind, 2);
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(Named("TUPDOWN"), All())), "TSkinUpDown");
  EXPECT_TRUE(PlanBuiltIn(Named("TUPDOWN"), Without(xcSpin)).empty());
  EXPECT_EQ(PlanBuiltIn(Named("TMVCPANEL"), TSkinSwitches{}), Only(TPlanStepKind::ClassifyChildren));
  EXPECT_EQ(PlanBuiltIn(Named("TDBNAVIGATOR"), All()).back().Step, TPlanStepKind::ClassifyChildrenNoParent);
  TControlFacts dc = Named("TDCEDIT");
  dc.NumButtons = 0;
  EXPECT_EQ(SkinStep(PlanBuiltIn(dc, All()))->Decision.Attach, TAttachMode::Window);
  dc.NumButtons = 1;
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(dc, All())), "TSkinComBox");
  dc.NumButtons = -1;
  EXPECT_TRUE(PlanBuiltIn(dc, All()).empty());
  // An embedded form is a box whose own components are classified; a TDCEDIT never is.
  TControlFacts form = Named("TFORM2");
  form.Form = true;
  EXPECT_EQ(PlanBuiltIn(form, All()).back().Step, TPlanStepKind::ClassifyOwnedComponents);
  EXPECT_TRUE(PlanBuiltIn(Named("TLABEL"), All()).empty());
}

TEST(BuiltInRows, OurFrameworkClassesBeforeTheScrollRows) {
  const auto row = [](const char* cls, std::uint32_t style = 0) {
    TControlFacts facts = Named(cls);
    facts.FrameworkRow = cls;
    facts.Style = style;
    return facts;
  };
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(row("TCheckBox"), All())), "TSkinCheckBox");
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(row("TRadioButton"), All())), "TSkinRadioButton");
  EXPECT_EQ(PlanBuiltIn(row("TRadioGroup"), All()).front().Step, TPlanStepKind::SkinGroupButtons);
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(row("TComboBox"), All())), "TSkinComBox");
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(row("TBitBtn"), All())), "TSkinBitButton");
  EXPECT_EQ(SkinStep(PlanBuiltIn(row("TSpeedButton"), All()))->Decision.Attach, TAttachMode::Graphic);
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(row("TTrackBar"), All())), "TSkinTrackBar");
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(row("TProgressBar"), All())), "TSkinProgress");
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(row("TDateTimePicker"), All())), "TSkinDateTime");
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(row("THeaderControl"), All())), "TSkinHeader");
  EXPECT_EQ(SkinStep(PlanBuiltIn(row("TScrollBar"), All()))->Decision.Attach, TAttachMode::ScrollContainer);
  // Scrolled ones would otherwise be taken by the generic scroll row.
  EXPECT_EQ(SkinnerOf(PlanBuiltIn(row("TListView", 0x00300000), All())), "TSkinListView");
  EXPECT_EQ(PlanBuiltIn(row("TScrollBox", 0x00300000), All()).back().Step, TPlanStepKind::ClassifyChildren);
  EXPECT_EQ(SkinStep(PlanBuiltIn(row("TListBox", 0x00200000), All()))->Decision.Attach, TAttachMode::ScrollBar);
  // Without its member a class falls to the rows after it.
  EXPECT_TRUE(PlanBuiltIn(row("TCheckBox"), Without(xcCheckBox)).empty());
  EXPECT_TRUE(PlanBuiltIn(row("TProgressBar"), Without(xcProgress)).empty());
}

TEST(ChildWindowRows, ClassAndStyleBits) {
  const auto skinner = [](const char* cls, std::uint32_t style, TSkinSwitches skin = All()) {
    return SkinnerOf(PlanChildWindow(cls, style, skin));
  };
  EXPECT_EQ(skinner("button", 0x3), "TSkinCheckBox");    // auto check box
  EXPECT_EQ(skinner("button", 0x2), "TSkinCheckBox");
  EXPECT_EQ(skinner("button", 0x6), "TSkinCheckBox");    // auto three-state
  EXPECT_EQ(skinner("button", 0x9), "TSkinRadioButton");  // auto radio
  EXPECT_EQ(skinner("button", 0x4), "TSkinRadioButton");
  EXPECT_EQ(skinner("button", 0x0), "TSkinButton");
  EXPECT_EQ(skinner("button", 0x1), "TSkinButton");      // default push button
  EXPECT_EQ(skinner("button", 0xB), "");                 // owner-drawn
  EXPECT_EQ(skinner("button", 0x7), "");                 // group box
  EXPECT_EQ(skinner("button", 0x80), "");                // bitmap
  EXPECT_EQ(skinner("button", 0xC), "");                 // split button
  EXPECT_EQ(skinner("button", 0xE), "");                 // command link
  EXPECT_EQ(skinner("button", 0x3, Without(xcCheckBox)), "");
  EXPECT_EQ(skinner("combobox", 0x1), "");  // simple
  EXPECT_EQ(skinner("combobox", 0x3), "TSkinComBox");
  EXPECT_EQ(PlanChildWindow("comboboxex32", 0, All()).front().Step, TPlanStepKind::SkinFirstChildWindow);
  EXPECT_EQ(skinner("scrollbar", 0x10), "TSkinSizer");
  EXPECT_EQ(skinner("scrollbar", 0x10010), "");
  EXPECT_EQ(skinner("systreeview32", 0), "");
  EXPECT_EQ(PlanChildWindow("#32770", 0, All()).front().Step, TPlanStepKind::DiscoverChildWindows);
  EXPECT_EQ(skinner("#32770", 0), "TSkinBoxH");
  EXPECT_TRUE(PlanChildWindow("#32770", 0x10000, All()).empty());
  EXPECT_EQ(PlanChildWindow("tpanel", 0, All()).back().Step, TPlanStepKind::SetFaceColour);
  EXPECT_EQ(skinner("systabcontrol32", 0), "TSkinTab");
  EXPECT_EQ(skinner("systabcontrol32", 0x2000), "");
  EXPECT_EQ(skinner("toolbarwindow32", 0), "TSkinBoxH");
  EXPECT_EQ(skinner("edit", 0), "TSkinEdit");
  EXPECT_EQ(skinner("edit", 0, Without(xcEdit)), "");
  EXPECT_EQ(skinner("static", 0), "");
}

}  // namespace
