// The container skinners on frame-coded pictures: panels recoloured (and their parent
// background given back), group boxes' rounded frame and caption in both directions, status
// bars' panel frames, texts and alignment, simple text, the size grip and owner-drawn panels;
// discovery of radio groups, check groups and group boxes with their buttons.
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_statusbar.h"
#include "skin/form/discovery.h"
#include "ui/extctrls.h"
#include "ui/groupbox.h"
#include "ui/skin_messages.h"
#include "ui/statusbar.h"
#include "win/checks/checks_skin_test.h"

namespace {

inline constexpr COLORREF kStatusText = RGB(250, 250, 0);

class ContainerSkinTest : public ChecksSkinTest {
protected:
  template <class Skinner>
  Skinner* Attach(TControl* control, bool recolour) {
    auto* skinner = new Skinner(control);
    skinner->AttachControl(&Host, Data.get(), recolour, nullptr);
    return skinner;
  }
  TStatusBar* MakeBar(bool sizeGrip) {
    auto* bar = new TStatusBar(Form.get());
    bar->SetParent(Form.get());
    bar->SetAlign(TAlign::alNone);
    bar->SetSizeGrip(sizeGrip);
    bar->SetBounds(0, 200, 301, 23);
    bar->Handle();
    return bar;
  }
  static TStatusPanel* AddPanel(TStatusBar* bar, int width, TStatusPanelBevel bevel, TAlignment alignment,
                                const std::wstring& text) {
    auto* panel = static_cast<TStatusPanel*>(bar->Panels()->Add());
    panel->SetWidth(width);
    panel->SetBevel(bevel);
    panel->SetAlignment(alignment);
    panel->SetText(text);
    return panel;
  }
  void CodeStatusEdges() {
    Data->StatusBarEdges.reset(new TDataSkinObject("StatusBarEdges"));
    MakeCodedObject(*Data->StatusBarEdges, 20, 3, 6, 8, 2, 2, 2, 2);
    Data->StatusBarEdges->NormalColour2 = kStatusText;
  }
};

TEST_F(ContainerSkinTest, PanelTakesTheFaceColourAndGetsItsOwnBackAtDetach) {
  auto* panel = Make<TPanel>(10, 10, 120, 60);
  panel->SetColor(RGB(1, 2, 3));
  ASSERT_TRUE(panel->ParentBackground());
  auto* opaque = Make<TPanel>(140, 10, 120, 60);
  opaque->SetParentBackground(false);
  auto* skinner = Attach<TSkinBox>(panel, true);
  auto* other = Attach<TSkinBox>(opaque, true);
  EXPECT_EQ(SendMessageW(panel->Handle(), SKINMSG_QUERY, 0, 0), 1);
  EXPECT_EQ(panel->Color(), kFace);
  EXPECT_FALSE(panel->ParentBackground());
  EXPECT_TRUE(skinner->ParentBackgroundCleared);
  EXPECT_FALSE(other->ParentBackgroundCleared);
  TProbeDC probe(120, 60, kProbeFill);
  PaintWhole(panel->Handle(), probe);
  EXPECT_EQ(probe.At(60, 30), ColorToRGB(kFace));

  // A new skin's face colour reaches the panel.
  Data->Colours[SkinColour::ButtonFace] = RGB(77, 78, 79);
  skinner->SkinChanged();
  EXPECT_EQ(panel->Color(), RGB(77, 78, 79));

  skinner->Detach();
  other->Detach();
  EXPECT_EQ(panel->Color(), RGB(1, 2, 3));
  EXPECT_TRUE(panel->ParentBackground());
  EXPECT_FALSE(opaque->ParentBackground());

  // With the option that keeps parent backgrounds, the panel keeps showing its parent's.
  Data->SetOptions(Data->Options() | SetOf(xoParentBackGround));
  auto* kept = Make<TPanel>(10, 100, 120, 60);
  Attach<TSkinBox>(kept, true);
  EXPECT_TRUE(kept->ParentBackground());
}

TEST_F(ContainerSkinTest, GroupBoxRoundedFrameAndCaptionInBothDirections) {
  auto* group = Make<TGroupBox>(10, 10, 161, 93);
  group->SetCaption(L"Ab");
  group->Font()->SetColor(kCaptionColour);
  auto* label = new TLabel(Form.get());
  label->SetParent(group);
  label->SetBounds(20, 40, 40, 20);
  label->Font()->SetColor(kCaptionColour);
  label->SetCaption(L"XX");
  auto* skinner = Attach<TSkinGroupBox>(group, true);
  EXPECT_EQ(skinner->Variant, 1);
  EXPECT_EQ(SendMessageW(group->Handle(), SKINMSG_QUERY, 0, 0), 1);
  TProbeDC probe(161, 93, kProbeFill);
  PaintWhole(group->Handle(), probe);
  const COLORREF shadow = ColorToRGB(kShadow), face = ColorToRGB(kFace);
  EXPECT_EQ(probe.At(80, 60), face);
  // Left, right and bottom lines of the round rectangle (1, top, 160, 92).
  EXPECT_EQ(probe.At(1, 50), shadow);
  EXPECT_EQ(probe.At(159, 50), shadow);
  EXPECT_EQ(probe.At(80, 91), shadow);
  EXPECT_EQ(probe.At(0, 50), face);
  int top = -1;
  for (int y = 0; y < 30 && top < 0; ++y)
    if (probe.At(120, y) == shadow) top = y;
  ASSERT_GT(top, 0);
  // The caption's opaque face covers the line; it starts 8 pixels in.
  EXPECT_EQ(probe.At(9, top), face);
  EXPECT_GT(CountColour(probe, 8, 0, 40, top + 12, kCaptionColour), 0);
  EXPECT_EQ(CountColour(probe, 0, 0, 8, top + 12, kCaptionColour), 0);
  // The windowless label inside is painted too.
  EXPECT_GT(CountColour(probe, 20, 40, 60, 60, kCaptionColour), 0);

  auto* rtl = MakeWith<TGroupBox>(10, 120, 161, 93, TBiDiMode::bdRightToLeft);
  rtl->SetCaption(L"Ab");
  rtl->Font()->SetColor(kCaptionColour);
  ASSERT_TRUE(GetWindowLongW(rtl->Handle(), GWL_EXSTYLE) & WS_EX_RIGHT);
  Attach<TSkinGroupBox>(rtl, true);
  TProbeDC mirrored(161, 93, kProbeFill);
  PaintWhole(rtl->Handle(), mirrored);
  EXPECT_GT(CountColour(mirrored, 161 - 8 - 30, 0, 161 - 8, top + 12, kCaptionColour), 0);
  EXPECT_EQ(CountColour(mirrored, 161 - 8, 0, 161, top + 12, kCaptionColour), 0);
  EXPECT_EQ(CountColour(mirrored, 0, 0, 100, top + 12, kCaptionColour), 0);
  EXPECT_EQ(mirrored.At(150, top), face);
  EXPECT_EQ(mirrored.At(20, top), shadow);
}

TEST_F(ContainerSkinTest, StatusBarPanelsFramesTextsAndAlignment) {
  CodeStatusEdges();
  auto* bar = MakeBar(false);
  AddPanel(bar, 100, TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify, L"ab");
  AddPanel(bar, 100, TStatusPanelBevel::pbRaised, TAlignment::taRightJustify, L"cd");
  AddPanel(bar, 40, TStatusPanelBevel::pbNone, TAlignment::taCenter, L"");
  auto* skinner = Attach<TSkinStatusBar>(bar, false);
  EXPECT_EQ(SendMessageW(bar->Handle(), SKINMSG_QUERY, 0, 0), 1);
  const SIZE s = WindowSize(bar->Handle());
  TProbeDC probe(s.cx, s.cy, kProbeFill);
  PaintWhole(bar->Handle(), probe);
  const int mid = s.cy / 2;
  EXPECT_EQ(CodeAt(probe, 60, mid), 20);   // lowered
  EXPECT_EQ(CodeAt(probe, 160, mid), 21);  // raised
  EXPECT_EQ(CodeAt(probe, 250, mid), 22);  // flat
  // The last panel reaches the bar's right edge (its right margin slice is there).
  EXPECT_EQ(probe.At(s.cx - 1, mid), CodeColour(22, 5));
  // Left text at the left of its panel, right text at the right of its own.
  EXPECT_GT(CountColour(probe, 0, 0, 30, s.cy, kStatusText), 0);
  EXPECT_EQ(CountColour(probe, 30, 0, 100, s.cy, kStatusText), 0);
  EXPECT_EQ(CountColour(probe, 100, 0, 170, s.cy, kStatusText), 0);
  EXPECT_GT(CountColour(probe, 170, 0, 200, s.cy, kStatusText), 0);

  // Owner-drawn panels: the handler gets every panel, inset by 2.
  std::vector<RECT> drawn;
  bar->OnDrawPanel = [&](TStatusBar*, TStatusPanel*, const RECT& r) { drawn.push_back(r); };
  TProbeDC again(s.cx, s.cy, kProbeFill);
  PaintWhole(bar->Handle(), again);
  ASSERT_EQ(drawn.size(), 3u);
  RECT first{};
  SendMessageW(bar->Handle(), SB_GETRECT, 0, reinterpret_cast<LPARAM>(&first));
  InflateRect(&first, -2, -2);
  EXPECT_TRUE(EqualRect(&drawn[0], &first)) << RectText(drawn[0]);
  (void)skinner;
}

TEST_F(ContainerSkinTest, SimpleTextAndTheSizeGrip) {
  CodeStatusEdges();
  Data->ExtraImages.reset(new TDataSkinObject("ExtraImages"));
  MakeCodedObject(*Data->ExtraImages, 23, 5, 8, 7, 0, 0, 0, 0);
  Data->ExtraImages->Frame = 5;
  auto* bar = MakeBar(true);
  bar->SetSimplePanel(true);
  Attach<TSkinStatusBar>(bar, false);
  const SIZE s = WindowSize(bar->Handle());
  TProbeDC probe(s.cx, s.cy, kProbeFill);
  PaintWhole(bar->Handle(), probe);
  // An empty simple text: frame 1 over the whole bar and no text.
  for (int x : {5, 150, 270}) EXPECT_EQ(CodeAt(probe, x, s.cy / 2), 20) << x;
  EXPECT_EQ(CountColour(probe, 0, 0, s.cx, s.cy, kStatusText), 0);
  // The grip: frame 5 at its natural size, one pixel off the bottom-right corner.
  EXPECT_EQ(CodeAt(probe, s.cx - 2, s.cy - 2), 27);
  EXPECT_EQ(CodeAt(probe, s.cx - 9, s.cy - 8), 27);
  EXPECT_NE(CodeAt(probe, s.cx - 10, s.cy - 9), 27);
  EXPECT_NE(CodeAt(probe, s.cx - 1, s.cy - 1), 27);

  bar->SetSimpleText(L"ab");
  bar->SetBiDiMode(TBiDiMode::bdRightToLeft);
  TProbeDC text(s.cx, s.cy, kProbeFill);
  PaintWhole(bar->Handle(), text);
  EXPECT_GT(CountColour(text, s.cx - 40, 0, s.cx - 2, s.cy, kStatusText), 0);
  EXPECT_EQ(CountColour(text, 0, 0, 200, s.cy, kStatusText), 0);
}

TEST_F(ContainerSkinTest, StatusBarWithoutPictureDrawsSystemThreeDLines) {
  auto* bar = MakeBar(false);
  AddPanel(bar, 100, TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify, L"");
  AddPanel(bar, 100, TStatusPanelBevel::pbRaised, TAlignment::taLeftJustify, L"");
  AddPanel(bar, 40, TStatusPanelBevel::pbNone, TAlignment::taLeftJustify, L"");
  Attach<TSkinStatusBar>(bar, false);
  const SIZE s = WindowSize(bar->Handle());
  TProbeDC probe(s.cx, s.cy, kProbeFill);
  PaintWhole(bar->Handle(), probe);
  RECT lowered{}, raised{}, flat{};
  SendMessageW(bar->Handle(), SB_GETRECT, 0, reinterpret_cast<LPARAM>(&lowered));
  SendMessageW(bar->Handle(), SB_GETRECT, 1, reinterpret_cast<LPARAM>(&raised));
  SendMessageW(bar->Handle(), SB_GETRECT, 2, reinterpret_cast<LPARAM>(&flat));
  const COLORREF dark = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const int y = (lowered.top + lowered.bottom) / 2;
  EXPECT_EQ(probe.At(lowered.left, y), dark);
  EXPECT_EQ(probe.At(lowered.right + 1, y), light);  // the panel grows by 2
  EXPECT_EQ(probe.At(raised.left, y), light);
  EXPECT_EQ(probe.At(raised.right + 1, y), dark);
  EXPECT_EQ(probe.At(flat.left + 3, flat.top), ColorToRGB(kFace));
  EXPECT_EQ(probe.At(s.cx - 1, y), ColorToRGB(kFace));
}

// A check group of another family, known to the skin by a Skin3rd line.
class TCheckGroup : public TGroupBox {
  CORVANA_CLASS(TCheckGroup)

public:
  using TGroupBox::TGroupBox;
};

const TClassInfo& TCheckGroup::StaticClassInfo() {
  static const TClassInfo info("TCheckGroup", &TGroupBox::StaticClassInfo(), {});
  return info;
}

TEST_F(ContainerSkinTest, DiscoverySkinsRadioGroupsCheckGroupsAndGroupBoxesWithTheirButtons) {
  Data->Skin3rd()->Add(L"TCheckGroup=checkgroup");
  auto* radios = Make<TRadioGroup>(10, 10, 200, 100);
  for (const wchar_t* item : {L"一", L"二", L"三"}) radios->Items()->Add(item);
  radios->SetItemIndex(1);
  auto* checks = Make<TCheckGroup>(220, 10, 200, 100);
  auto* inCheckGroup = new TCheckBox(Form.get());
  inCheckGroup->SetParent(checks);
  inCheckGroup->SetBounds(8, 20, 120, 20);
  auto* plain = Make<TGroupBox>(10, 120, 200, 100);
  auto* inPlain = new TCheckBox(Form.get());
  inPlain->SetParent(plain);
  inPlain->SetBounds(8, 20, 120, 20);
  auto* disabled = Make<TRadioGroup>(220, 120, 200, 100);
  disabled->Items()->Add(L"x");
  disabled->SetTag(Data->DisableTag());

  TOwned<TComponent> formSkinner(new TComponent(nullptr));
  TDiscoverySite site;
  site.SkinData = Data.get();
  site.Host = &Host;
  site.FormSkinner = formSkinner.get();
  site.ControlSkinners = &Host.List;
  TControlDiscovery discovery(site);
  discovery.DiscoverFormControls(Form.get());
  const auto outcome = [&](TControl* c) {
    const TDiscoveryRecord* r = discovery.RecordOf(c);
    return r ? r->Decision.Skinner + (r->Built ? " built" : " chosen") + (r->Decision.Recolour ? " recoloured" : "")
             : std::string("unclassified");
  };
  EXPECT_EQ(outcome(radios), "TSkinGroupBox built recoloured");
  for (int i = 0; i < radios->ButtonCount(); ++i) EXPECT_EQ(outcome(radios->Buttons(i)), "TSkinRadioButton built");
  EXPECT_EQ(outcome(checks), "TSkinGroupBox built recoloured");
  EXPECT_EQ(outcome(inCheckGroup), "TSkinCheckBox built");
  EXPECT_EQ(outcome(plain), "TSkinGroupBox built");
  EXPECT_EQ(outcome(inPlain), "TSkinCheckBox built");
  EXPECT_EQ(discovery.RecordOf(disabled), nullptr);
  EXPECT_EQ(disabled->Buttons(0)->Tag(), Data->DisableTag());
  EXPECT_EQ(SendMessageW(disabled->Buttons(0)->Handle(), SKINMSG_QUERY, 0, 0), 0);

  // The group's buttons show their frames: the checked one frame 2 of the radio picture.
  const HWND second = radios->Buttons(1)->Handle();
  const SIZE s = WindowSize(second);
  TProbeDC probe(s.cx, s.cy, kProbeFill);
  PaintWhole(second, probe);
  EXPECT_EQ(CodeAt(probe, 5, s.cy / 2), 14);
  TProbeDC first(s.cx, s.cy, kProbeFill);
  PaintWhole(radios->Buttons(0)->Handle(), first);
  EXPECT_EQ(CodeAt(first, 5, s.cy / 2), 13);
}

}  // namespace
