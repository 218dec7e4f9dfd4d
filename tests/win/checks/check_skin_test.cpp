// The check-box and radio-button skinners on frame-coded pictures: the frame of every state
// (4-, 8- and 12-frame pictures), the box's place (right button, right to left), the caption,
// the focus rectangle only off platform major version 6, clicks and space under the skinner,
// bare platform check boxes, data-aware boxes, and TSkinObjImage's glyph strips for other
// families' classes.
#include "ui/checkbox.h"
#include "ui/platform.h"
#include "skin/controls/skin_checkbox.h"
#include "skin/controls/skin_objimage.h"
#include "skin/form/discovery.h"
#include "ui/skin_messages.h"
#include "win/checks/checks_skin_test.h"

namespace {

class CheckSkinTest : public ChecksSkinTest {
protected:
  // A box with its skinner; setup runs before the skinner attaches (it may make a new window).
  template <class Box, class Skinner>
  std::pair<Box*, Skinner*> Skinned(TBiDiMode bidi = TBiDiMode::bdLeftToRight, void (*setup)(Box*) = nullptr) {
    auto* box = MakeWith<Box>(20, 20, 150, 21, bidi);
    if (setup) setup(box);
    box->SetCaption(L"Ab");
    box->Font()->SetColor(kCaptionColour);
    auto* skinner = new Skinner(box);
    skinner->AttachControl(&Host, Data.get(), false, nullptr);
    return {box, skinner};
  }
  // The box's frame code after a paint: the centre of the box at the left (or right) edge.
  int BoxCode(HWND window, int boxWidth, bool right = false, int inset = 0) {
    const SIZE s = WindowSize(window);
    TProbeDC probe(s.cx, s.cy, kProbeFill);
    PaintWhole(window, probe);
    const int x = right ? s.cx - inset - boxWidth / 2 - 1 : boxWidth / 2;
    return CodeAt(probe, x, s.cy / 2);
  }
};

TEST_F(CheckSkinTest, CheckBoxShowsTheFrameOfEachStateWithFourFrames) {
  auto [box, skinner] = Skinned<TCheckBox, TSkinCheckBox>();
  EXPECT_EQ(skinner->Variant, 1);
  EXPECT_EQ(SendMessageW(box->Handle(), SKINMSG_QUERY, 0, 0), 1);
  box->SetAllowGrayed(true);
  struct Case {
    TCheckBoxState State;
    bool Enabled;
    int Frame;
  };
  const Case cases[] = {
      {TCheckBoxState::cbUnchecked, true, 1}, {TCheckBoxState::cbChecked, true, 2},
      {TCheckBoxState::cbGrayed, true, 4},    {TCheckBoxState::cbUnchecked, false, 3},
      {TCheckBoxState::cbChecked, false, 4},  {TCheckBoxState::cbGrayed, false, 4},
  };
  for (const Case& c : cases) {
    box->SetEnabled(c.Enabled);
    box->SetState(c.State);
    EXPECT_EQ(BoxCode(box->Handle(), 11), c.Frame) << static_cast<int>(c.State) << c.Enabled;
    EXPECT_EQ(skinner->LastFrame, c.Frame);
  }
  // The face behind the caption is the skin's; the caption is drawn in the font's colour,
  // grey when disabled.
  const SIZE s = WindowSize(box->Handle());
  TProbeDC probe(s.cx, s.cy, kProbeFill);
  PaintWhole(box->Handle(), probe);
  EXPECT_EQ(probe.At(s.cx - 2, 1), ColorToRGB(kFace));
  EXPECT_GT(CountColour(probe, 13, 0, 40, s.cy, ColorToRGB(kDisabledTextColour)), 0);
  EXPECT_EQ(CountColour(probe, 13, 0, 40, s.cy, kCaptionColour), 0);
  box->SetEnabled(true);
  TProbeDC enabled(s.cx, s.cy, kProbeFill);
  PaintWhole(box->Handle(), enabled);
  EXPECT_GT(CountColour(enabled, 13, 0, 40, s.cy, kCaptionColour), 0);
  // Nothing of the caption left of the gap after the box.
  EXPECT_EQ(CountColour(enabled, 11, 0, 13, s.cy, kCaptionColour), 0);
}

TEST_F(CheckSkinTest, TwelveFramePictureUsesItsGroupsOfFour) {
  SetCheckPicture(12, 7, 13);
  auto [box, skinner] = Skinned<TCheckBox, TSkinCheckBox>();
  struct Case {
    TCheckBoxState State;
    bool Enabled;
    int Frame;
  };
  const Case cases[] = {
      {TCheckBoxState::cbUnchecked, true, 1}, {TCheckBoxState::cbChecked, true, 5},
      {TCheckBoxState::cbGrayed, true, 9},    {TCheckBoxState::cbUnchecked, false, 4},
      {TCheckBoxState::cbChecked, false, 8},  {TCheckBoxState::cbGrayed, false, 12},
  };
  for (const Case& c : cases) {
    box->SetEnabled(c.Enabled);
    box->SetState(c.State);
    EXPECT_EQ(BoxCode(box->Handle(), 7), c.Frame) << static_cast<int>(c.State) << c.Enabled;
  }
}

TEST_F(CheckSkinTest, RadioButtonFramesWithFourAndEightFrames) {
  for (int frames : {4, 8}) {
    SCOPED_TRACE(frames);
    SetRadioPicture(frames, 10, 12);
    auto [radio, skinner] = Skinned<TRadioButton, TSkinRadioButton>();
    (void)skinner;
    const int checkedFrame = frames == 8 ? 5 : 2, disabledFrame = frames == 8 ? 4 : 3, both = frames == 8 ? 8 : 4;
    EXPECT_EQ(BoxCode(radio->Handle(), 10) - 12, 1);
    radio->SetChecked(true);
    EXPECT_EQ(BoxCode(radio->Handle(), 10) - 12, checkedFrame);
    radio->SetEnabled(false);
    EXPECT_EQ(BoxCode(radio->Handle(), 10) - 12, both);
    radio->SetChecked(false);
    EXPECT_EQ(BoxCode(radio->Handle(), 10) - 12, disabledFrame);
    radio->Free();
  }
}

TEST_F(CheckSkinTest, RightButtonPutsTheBoxAtTheRightEdgeAndAlignsTextOnlyRightToLeft) {
  auto [box, boxSkinner] = Skinned<TCheckBox, TSkinCheckBox>(
      TBiDiMode::bdLeftToRight, [](TCheckBox* b) { b->SetAlignment(TAlignment::taLeftJustify); });
  auto [radio, radioSkinner] = Skinned<TRadioButton, TSkinRadioButton>(
      TBiDiMode::bdLeftToRight, [](TRadioButton* b) { b->SetAlignment(TAlignment::taLeftJustify); });
  radio->SetTop(60);
  const SIZE s = WindowSize(box->Handle());
  TProbeDC probe(s.cx, s.cy, kProbeFill);
  PaintWhole(box->Handle(), probe);
  // The check box reaches the edge; the radio circle keeps one pixel off it.
  EXPECT_EQ(CodeAt(probe, s.cx - 1, s.cy / 2), 1);
  EXPECT_EQ(CodeAt(probe, s.cx - 11, s.cy / 2), 1);
  EXPECT_EQ(CodeAt(probe, 5, s.cy / 2), 0);
  // Left to right the caption starts at the left.
  EXPECT_GT(CountColour(probe, 0, 0, 20, s.cy, kCaptionColour), 0);
  TProbeDC radioProbe(s.cx, s.cy, kProbeFill);
  PaintWhole(radio->Handle(), radioProbe);
  EXPECT_EQ(CodeAt(radioProbe, s.cx - 1, s.cy / 2), 0);
  EXPECT_EQ(probe.At(s.cx - 1, 0), ColorToRGB(kFace));
  EXPECT_EQ(CodeAt(radioProbe, s.cx - 2, s.cy / 2), 13);
  EXPECT_EQ(CodeAt(radioProbe, s.cx - 11, s.cy / 2), 13);

  // Right to left (the box goes right by itself): the caption ends just left of the box.
  auto [rtl, rtlSkinner] = Skinned<TCheckBox, TSkinCheckBox>(TBiDiMode::bdRightToLeft);
  rtl->SetTop(100);
  ASSERT_TRUE(GetWindowLongW(rtl->Handle(), GWL_STYLE) & BS_RIGHTBUTTON);
  TProbeDC rtlProbe(s.cx, s.cy, kProbeFill);
  PaintWhole(rtl->Handle(), rtlProbe);
  EXPECT_EQ(CodeAt(rtlProbe, s.cx - 5, s.cy / 2), 1);
  EXPECT_EQ(CountColour(rtlProbe, 0, 0, 60, s.cy, kCaptionColour), 0);
  EXPECT_GT(CountColour(rtlProbe, s.cx - 50, 0, s.cx - 13, s.cy, kCaptionColour), 0);
}

TEST_F(CheckSkinTest, FocusRectangleOnlyOffPlatformMajorVersionSix) {
  auto [box, skinner] = Skinned<TCheckBox, TSkinCheckBox>();
  const SIZE s = WindowSize(box->Handle());
  const auto paintWith = [&](int major, bool focused, TProbeDC& probe) {
    SetPlatformVersion({true, major, 1});
    if (focused)
      box->SetFocus();
    else
      SetFocus(Form->Handle());
    PaintWhole(box->Handle(), probe);
  };
  TProbeDC plain(s.cx, s.cy, kProbeFill), six(s.cx, s.cy, kProbeFill), five(s.cx, s.cy, kProbeFill);
  paintWith(5, false, plain);
  paintWith(6, true, six);
  paintWith(5, true, five);
  ResetPlatformVersion();
  int differSix = 0, differFive = 0;
  for (int y = 0; y < s.cy; ++y)
    for (int x = 0; x < s.cx; ++x) {
      differSix += plain.At(x, y) != six.At(x, y) ? 1 : 0;
      differFive += plain.At(x, y) != five.At(x, y) ? 1 : 0;
    }
  EXPECT_EQ(differSix, 0);
  EXPECT_GT(differFive, 10);
  // The rectangle stays out of the box.
  EXPECT_EQ(CodeAt(five, 5, s.cy / 2), 1);
}

TEST_F(CheckSkinTest, ClickAndSpaceToggleUnderTheSkinnerAndGrayedCycles) {
  auto [box, skinner] = Skinned<TCheckBox, TSkinCheckBox>();
  box->SetAllowGrayed(true);
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  const LPARAM at = MAKELPARAM(5, 10);
  SendMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(box->Handle(), WM_LBUTTONUP, 0, at);
  PumpMessages();
  EXPECT_EQ(box->State(), TCheckBoxState::cbChecked);
  EXPECT_EQ(skinner->LastCheck, BST_CHECKED + 1);
  EXPECT_EQ(BoxCode(box->Handle(), 11), 2);
  box->SetFocus();
  SendMessageW(box->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
  SendMessageW(box->Handle(), WM_KEYUP, VK_SPACE, 0xC0390001);
  PumpMessages();
  EXPECT_EQ(box->State(), TCheckBoxState::cbGrayed);
  EXPECT_EQ(BoxCode(box->Handle(), 11), 4);
  SendMessageW(box->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
  SendMessageW(box->Handle(), WM_KEYUP, VK_SPACE, 0xC0390001);
  PumpMessages();
  EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
  EXPECT_EQ(BoxCode(box->Handle(), 11), 1);
  EXPECT_EQ(clicks, 3);
}

TEST_F(CheckSkinTest, TransparentFaceShowsTheParentAndASkinWithoutPictureLeavesTheControl) {
  auto* box = Make<TCheckBox>(20, 20, 150, 21);
  box->SetTag(5555);
  auto* skinner = new TSkinCheckBox(box);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  EXPECT_TRUE(skinner->TransparentFace);
  const SIZE s = WindowSize(box->Handle());
  TProbeDC probe(s.cx, s.cy, kProbeFill);
  PaintWhole(box->Handle(), probe);
  EXPECT_EQ(probe.At(s.cx - 2, 1), kFormColour);
  EXPECT_EQ(CodeAt(probe, 5, s.cy / 2), 1);

  Data->Buttons->CheckButton.SetSize(0, 0);
  auto* plain = Make<TCheckBox>(20, 60, 150, 21);
  auto* none = new TSkinCheckBox(plain);
  none->AttachControl(&Host, Data.get(), false, nullptr);
  EXPECT_EQ(none->Variant, 0);
  TProbeDC own(s.cx, s.cy, kProbeFill);
  PaintWhole(plain->Handle(), own);
  EXPECT_EQ(none->LastFrame, 0);
  EXPECT_EQ(CodeAt(own, 5, s.cy / 2), 0);
}

TEST_F(CheckSkinTest, BarePlatformCheckBoxGetsItsBoxOverTheOwnDrawing) {
  const HWND bare = CreateWindowExW(0, L"BUTTON", L"bare", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 20, 120, 120, 20,
                                    Form->Handle(), nullptr, nullptr, nullptr);
  ASSERT_TRUE(bare);
  TOwned<TSkinCheckBox> skinner(new TSkinCheckBox(nullptr));
  skinner->AttachWindow(bare, Data.get(), &Host, nullptr);
  EXPECT_EQ(skinner->Variant, 0);
  EXPECT_EQ(SendMessageW(bare, SKINMSG_QUERY, 0, 0), 1);
  SendMessageW(bare, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(skinner->LastCheck, 2);
  TProbeDC probe(120, 20, kProbeFill);
  PaintInto(bare, probe);
  EXPECT_EQ(skinner->LastFrame, 2);
  EXPECT_EQ(CodeAt(probe, 5, 10), 2);
  DestroyWindow(bare);
}

// A data-aware check box: its data link sets the box with BM_SETCHECK while its own State
// stays what the program last assigned.
class TDBCheckBox : public TCheckBox {
  CORVANA_CLASS(TDBCheckBox)

public:
  using TCheckBox::TCheckBox;
  std::string DataField() const { return FField; }
  void SetDataField(const std::string& value) { FField = value; }

private:
  std::string FField;
};

const TClassInfo& TDBCheckBox::StaticClassInfo() {
  static const TClassInfo info(
      "TDBCheckBox", &TCheckBox::StaticClassInfo(),
      {props::String<TDBCheckBox>("DataField", &TDBCheckBox::DataField, &TDBCheckBox::SetDataField)});
  return info;
}

// A check box of another family, bound to data through a "DataBinding".
class TBoundCheckBox : public TDBCheckBox {
  CORVANA_CLASS(TBoundCheckBox)

public:
  using TDBCheckBox::TDBCheckBox;
  std::string DataBinding() const { return "Field1"; }
};

const TClassInfo& TBoundCheckBox::StaticClassInfo() {
  static const TClassInfo info("TBoundCheckBox", &TDBCheckBox::StaticClassInfo(),
                               {props::String<TBoundCheckBox>("DataBinding", &TBoundCheckBox::DataBinding, nullptr)});
  return info;
}

TEST_F(CheckSkinTest, ADataAwareBoxShowsWhatItsDataLinkLastSentRatherThanItsState) {
  enum Kind { Plain, DataAware, Bound };
  struct Case {
    Kind Box;
    TCheckBoxState State;
    int Sent;  // the data link's BM_SETCHECK, -1 for none
    bool Enabled;
    int Frame;
  };
  const Case cases[] = {
      {Plain, TCheckBoxState::cbChecked, 0, true, 2},        {DataAware, TCheckBoxState::cbChecked, -1, true, 2},
      {DataAware, TCheckBoxState::cbChecked, 0, true, 1},    {DataAware, TCheckBoxState::cbUnchecked, 1, true, 2},
      {DataAware, TCheckBoxState::cbUnchecked, 2, true, 4},  {DataAware, TCheckBoxState::cbChecked, 0, false, 3},
      {DataAware, TCheckBoxState::cbUnchecked, 1, false, 4}, {Bound, TCheckBoxState::cbChecked, 1, true, 1},
      {Bound, TCheckBoxState::cbChecked, 1, false, 3},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(i);
    TCheckBox* box = c.Box == Plain       ? Skinned<TCheckBox, TSkinCheckBox>().first
                     : c.Box == DataAware ? Skinned<TDBCheckBox, TSkinCheckBox>().first
                                          : Skinned<TBoundCheckBox, TSkinCheckBox>().first;
    box->SetState(c.State);
    if (c.Sent >= 0) SendMessageW(box->Handle(), BM_SETCHECK, static_cast<WPARAM>(c.Sent), 0);
    box->SetEnabled(c.Enabled);
    EXPECT_EQ(box->State(), c.State);
    EXPECT_EQ(BoxCode(box->Handle(), 11), c.Frame);
    box->Free();
  }
}

// Check boxes and radio buttons of other families, with the published names they carry.
class TRzCheckBox : public TWinControl {
  CORVANA_CLASS(TRzCheckBox)

public:
  explicit TRzCheckBox(TComponent* owner) : TWinControl(owner) {}
  TBitmap* CustomGlyphs() const { return FGlyphs.get(); }
  bool UseCustomGlyphs() const { return FUse; }
  void SetUseCustomGlyphs(bool value) {
    FUse = value;
    UseWrites.push_back(value);
  }
  int TransparentColor() const { return FTransparent; }
  void SetTransparentColor(int value) { FTransparent = value; }
  std::vector<bool> UseWrites;

private:
  std::unique_ptr<TBitmap> FGlyphs = std::make_unique<TBitmap>();
  bool FUse = false;
  int FTransparent = 0;
};

const TClassInfo& TRzCheckBox::StaticClassInfo() {
  static const TClassInfo info(
      "TRzCheckBox", &TWinControl::StaticClassInfo(),
      {
          props::SubObject<TRzCheckBox, TBitmap>("CustomGlyphs", &TRzCheckBox::CustomGlyphs),
          props::Boolean<TRzCheckBox>("UseCustomGlyphs", &TRzCheckBox::UseCustomGlyphs,
                                      &TRzCheckBox::SetUseCustomGlyphs),
          props::Integer<TRzCheckBox>("TransparentColor", &TRzCheckBox::TransparentColor,
                                      &TRzCheckBox::SetTransparentColor),
      });
  return info;
}

class TRzRadioButton : public TRzCheckBox {
  CORVANA_CLASS(TRzRadioButton)

public:
  using TRzCheckBox::TRzCheckBox;
};

const TClassInfo& TRzRadioButton::StaticClassInfo() {
  static const TClassInfo info("TRzRadioButton", &TRzCheckBox::StaticClassInfo(), {});
  return info;
}

class TcxCheckBoxProperties : public TPersistent {
  CORVANA_CLASS(TcxCheckBoxProperties)

public:
  TBitmap* Glyph() const { return FGlyph.get(); }

private:
  std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
};

const TClassInfo& TcxCheckBoxProperties::StaticClassInfo() {
  static const TClassInfo info("TcxCheckBoxProperties", &TPersistent::StaticClassInfo(),
                               {props::SubObject<TcxCheckBoxProperties, TBitmap>("Glyph", &TcxCheckBoxProperties::Glyph)});
  return info;
}

class TcxCheckBox : public TWinControl {
  CORVANA_CLASS(TcxCheckBox)

public:
  explicit TcxCheckBox(TComponent* owner) : TWinControl(owner) {}
  TcxCheckBoxProperties* Properties() const { return FProperties.get(); }

private:
  std::unique_ptr<TcxCheckBoxProperties> FProperties = std::make_unique<TcxCheckBoxProperties>();
};

const TClassInfo& TcxCheckBox::StaticClassInfo() {
  static const TClassInfo info(
      "TcxCheckBox", &TWinControl::StaticClassInfo(),
      {props::SubObject<TcxCheckBox, TcxCheckBoxProperties>("Properties", &TcxCheckBox::Properties)});
  return info;
}

// The frame code of glyph i of a strip of glyphs w wide (0: magenta, none).
int GlyphCode(TBitmap& strip, int w, int i) {
  const COLORREF c = GetPixel(strip.Canvas().Handle(), i * w + w / 2, strip.Height() / 2);
  if (c == ColorToRGB(kMagenta)) return 0;
  for (int code = 1; code < 28; ++code)
    if (c == CodeColour(code, 4)) return code;
  return -1;
}

TEST_F(CheckSkinTest, ObjImageFeedsGlyphStripsToOtherFamiliesThroughDiscovery) {
  SetCheckPicture(5, 11, 9);
  auto* rz = Make<TRzCheckBox>(10, 10, 100, 20);
  auto* rzRadio = Make<TRzRadioButton>(10, 40, 100, 20);
  auto* cx = Make<TcxCheckBox>(10, 70, 100, 20);
  TOwned<TComponent> formSkinner(new TComponent(nullptr));
  TDiscoverySite site;
  site.SkinData = Data.get();
  site.Host = &Host;
  site.FormSkinner = formSkinner.get();
  site.ControlSkinners = &Host.List;
  TControlDiscovery discovery(site);
  discovery.DiscoverFormControls(Form.get());

  for (TControl* c : {static_cast<TControl*>(rz), static_cast<TControl*>(rzRadio), static_cast<TControl*>(cx)}) {
    const TDiscoveryRecord* record = discovery.RecordOf(c);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Decision.Skinner, "TSkinObjImage");
    EXPECT_TRUE(record->Built);
  }
  // Check boxes of the first family: 9 glyphs, the fifth frame in positions 2, 5, 8.
  TBitmap& check = *rz->CustomGlyphs();
  ASSERT_EQ(check.Width(), 9 * 11);
  const int checkCodes[] = {1, 2, 5, 1, 2, 5, 3, 4, 5};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(GlyphCode(check, 11, i), checkCodes[i]) << i;
  EXPECT_EQ(rz->TransparentColor(), 0xFF00FF);
  EXPECT_EQ(rz->UseWrites, (std::vector<bool>{false, true}));
  // Radio buttons: 6 glyphs from the radio picture.
  TBitmap& radio = *rzRadio->CustomGlyphs();
  ASSERT_EQ(radio.Width(), 6 * 10);
  const int radioCodes[] = {13, 14, 13, 14, 15, 16};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(GlyphCode(radio, 10, i), radioCodes[i]) << i;
  // The second family: its properties' glyph, 6 of them, magenta but not transparent.
  TBitmap& glyph = *cx->Properties()->Glyph();
  ASSERT_EQ(glyph.Width(), 6 * 11);
  const int cxCodes[] = {1, 2, 5, 1, 2, 5};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(GlyphCode(glyph, 11, i), cxCodes[i]) << i;
  EXPECT_EQ(glyph.TransparentColor(), kMagenta);
  EXPECT_FALSE(glyph.Transparent());

  // Four frames leave the fifth look's places empty; detaching gives the controls their own.
  auto* rzSkinner = discovery.RecordOf(rz)->Skinner;
  SetCheckPicture(4, 11, 9);
  rzSkinner->SkinChanged();
  EXPECT_EQ(GlyphCode(*rz->CustomGlyphs(), 11, 2), 0);
  EXPECT_EQ(GlyphCode(*rz->CustomGlyphs(), 11, 7), 4);
  rzSkinner->Detach();
  EXPECT_FALSE(rz->UseCustomGlyphs());
  discovery.RecordOf(cx)->Skinner->Detach();
  EXPECT_TRUE(cx->Properties()->Glyph()->Empty());
}

}  // namespace
