// Glyph buttons: placement for each layout, the skinned bit and tool buttons probed pixel by
// pixel, the tool button's press, down and group behaviour, the standard kinds, and discovery
// giving a form's buttons their skinners, and transparent tool-button faces.
#include "skin/controls/skin_bitbutton.h"
#include "skin/form/control_skinners.h"
#include "skin/form/discovery.h"
#include "ui/buttons.h"
#include "ui/menus.h"
#include "ui/reader.h"
#include "ui/skin_messages.h"
#include "win/buttons/button_test.h"

namespace {

constexpr COLORREF kGlyphA = RGB(250, 10, 10), kGlyphB = RGB(10, 250, 10), kGlyphC = RGB(10, 10, 250);
constexpr COLORREF kKey = RGB(128, 128, 0);
constexpr COLORREF kText = RGB(0, 0, 120);

// A strip of count glyphs, each 10 x 8 in its own colour, the bottom-left pixel the key.
void MakeStrip(TBitmap& strip, int count) {
  const COLORREF colours[] = {kGlyphA, kGlyphB, kGlyphC, RGB(200, 200, 0)};
  strip.SetPixelFormat(TPixelFormat::pf24bit);
  strip.SetSize(10 * count, 8);
  for (int i = 0; i < count; ++i)
    TSkinControl::FillColor(strip.Canvas().Handle(), RECT{10 * i, 0, 10 * i + 10, 8}, colours[i]);
  SetPixel(strip.Canvas().Handle(), 0, 7, kKey);
}

TEST(GlyphPlacement, AutomaticMarginAndSpacingAndEachLayout) {
  const SIZE k{100, 30}, g{16, 16}, s{40, 13};
  // Margin and spacing automatic: a third of the room each.
  TGlyphPlacement p = PlaceGlyph(k, g, s, TButtonLayout::blGlyphLeft, -1, -1, false, false);
  EXPECT_EQ(p.Glyph.x, 14);
  EXPECT_EQ(p.Text.left, 44);
  EXPECT_EQ(p.Glyph.y, 7);   // (30 - 16 + 1) div 2
  EXPECT_EQ(p.Text.top, 9);  // (30 - 13 + 1) div 2
  // Spacing given: the pair centred; tool buttons one pixel further in.
  EXPECT_EQ(PlaceGlyph(k, g, s, TButtonLayout::blGlyphLeft, -1, 4, false, false).Glyph.x, 20);
  EXPECT_EQ(PlaceGlyph(k, g, s, TButtonLayout::blGlyphLeft, -1, 4, false, true).Glyph.x, 21);
  // Margin given, spacing automatic: the text centred in what is left.
  p = PlaceGlyph(k, g, s, TButtonLayout::blGlyphLeft, 5, -1, false, false);
  EXPECT_EQ(p.Glyph.x, 5);
  EXPECT_EQ(p.Spacing, (100 - 21 - 40) / 2);
  // Centred alignment ignores the margin.
  EXPECT_EQ(PlaceGlyph(k, g, s, TButtonLayout::blGlyphLeft, 5, 4, true, false).Glyph.x, 20);

  p = PlaceGlyph(k, g, s, TButtonLayout::blGlyphRight, 6, 3, false, false);
  EXPECT_EQ(p.Glyph.x, 100 - 6 - 16);
  EXPECT_EQ(p.Text.left, 78 - 3 - 40);
  EXPECT_EQ(p.TextFlags, static_cast<UINT>(DT_WORDBREAK | DT_RIGHT));

  const SIZE tall{60, 70};
  p = PlaceGlyph(tall, g, s, TButtonLayout::blGlyphTop, 6, 3, false, false);
  EXPECT_EQ(p.Glyph.x, 22);  // (60 - 16 + 1) div 2
  EXPECT_EQ(p.Glyph.y, 6);
  EXPECT_EQ(p.Text.top, 25);
  EXPECT_EQ(p.Text.left, 10);
  p = PlaceGlyph(tall, g, s, TButtonLayout::blGlyphBottom, 6, 3, false, false);
  EXPECT_EQ(p.Glyph.y, 70 - 6 - 16);
  EXPECT_EQ(p.Text.top, 48 - 3 - 13);
  EXPECT_EQ(p.TextFlags, static_cast<UINT>(DT_WORDBREAK | DT_CENTER));

  // Without a caption there is no spacing.
  EXPECT_EQ(PlaceGlyph(k, g, SIZE{0, 0}, TButtonLayout::blGlyphLeft, -1, 8, false, false).Glyph.x, 42);
  EXPECT_EQ(ButtonLayoutOfName("BLGLYPHBOTTOM"), TButtonLayout::blGlyphBottom);
  EXPECT_EQ(ButtonLayoutOfName("something"), TButtonLayout::blGlyphLeft);
}

class GlyphButtons : public ButtonSkinTest {
protected:
  TBitBtn* AddBitBtn(int numGlyphs) {
    auto* b = new TBitBtn(Form.get());
    b->SetBounds(10, 10, 120, 60);
    b->SetCaption(L"WWW");
    b->Font()->SetColor(kText);
    b->SetParent(Form.get());
    MakeStrip(*b->Glyph(), numGlyphs);
    b->SetNumGlyphs(numGlyphs);
    b->SetMargin(7);
    b->SetSpacing(5);
    auto* s = new TSkinBitButton(b);
    s->AttachControl(&Host, Data.get(), false, nullptr);
    return b;
  }
  static void Paint(HWND window, TProbeDC& probe) {
    SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
  }
  // The bounding box of the text's pixels.
  static RECT TextBox(TProbeDC& probe, int w, int h) {
    RECT box{w, h, -1, -1};
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (probe.At(x, y) == kText) {
          box.left = std::min<LONG>(box.left, x);
          box.top = std::min<LONG>(box.top, y);
          box.right = std::max<LONG>(box.right, x + 1);
          box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    return box;
  }
};

TEST_F(GlyphButtons, BitButtonPlacesGlyphAndCaptionForEachLayout) {
  TBitBtn* b = AddBitBtn(1);
  {
    TProbeDC probe(120, 60, RGB(255, 255, 255));
    Paint(b->Handle(), probe);
    // Glyph left at the margin, vertically centred ((60 - 8 + 1) div 2 = 26); its key pixel
    // shows the frame behind it.
    EXPECT_EQ(probe.At(7, 26), kGlyphA);
    EXPECT_EQ(probe.At(16, 32), kGlyphA);
    EXPECT_EQ(probe.At(6, 26), SliceColour(1, 4));
    EXPECT_EQ(probe.At(7, 33), SliceColour(1, 4));
    const RECT t = TextBox(probe, 120, 60);
    EXPECT_GE(t.left, 7 + 10 + 5);
    EXPECT_LE(t.left, 7 + 10 + 5 + 2);
  }
  b->SetLayout(TButtonLayout::blGlyphRight);
  {
    TProbeDC probe(120, 60, RGB(255, 255, 255));
    Paint(b->Handle(), probe);
    EXPECT_EQ(probe.At(120 - 7 - 1, 27), kGlyphA);
    EXPECT_EQ(probe.At(120 - 7, 27), SliceColour(1, 4));
    const RECT t = TextBox(probe, 120, 60);
    EXPECT_LE(t.right, 120 - 7 - 10 - 5);
    EXPECT_GE(t.right, 120 - 7 - 10 - 5 - 2);
  }
  b->SetLayout(TButtonLayout::blGlyphTop);
  {
    TProbeDC probe(120, 60, RGB(255, 255, 255));
    Paint(b->Handle(), probe);
    EXPECT_EQ(probe.At(55, 7), kGlyphA);  // x (120 - 10 + 1) div 2 = 55
    EXPECT_EQ(probe.At(64, 14), kGlyphA);
    EXPECT_EQ(probe.At(55, 6), SliceColour(1, 4));
    const RECT t = TextBox(probe, 120, 60);
    EXPECT_GE(t.top, 7 + 8 + 5);
    EXPECT_LT(t.left, 55);
    EXPECT_GT(t.right, 65);
  }
  b->SetLayout(TButtonLayout::blGlyphBottom);
  {
    TProbeDC probe(120, 60, RGB(255, 255, 255));
    Paint(b->Handle(), probe);
    EXPECT_EQ(probe.At(56, 60 - 7 - 1), kGlyphA);
    EXPECT_EQ(probe.At(56, 60 - 7), SliceColour(1, 4));
    const RECT t = TextBox(probe, 120, 60);
    EXPECT_LE(t.bottom, 60 - 7 - 8 - 5);
  }
}

TEST_F(GlyphButtons, BitButtonGlyphFollowsTheFrame) {
  TBitBtn* b = AddBitBtn(3);
  auto* skinner = static_cast<TSkinBitButton*>(b->Components(0));
  const auto glyphColour = [&] {
    TProbeDC probe(120, 60, RGB(255, 255, 255));
    Paint(b->Handle(), probe);
    return probe.At(9, 28);
  };
  EXPECT_EQ(glyphColour(), kGlyphA);
  skinner->MouseState = kMousePressed;
  EXPECT_EQ(glyphColour(), kGlyphC);  // pressed: the third glyph
  skinner->MouseState = 0;
  b->SetEnabled(false);
  EXPECT_EQ(glyphColour(), kGlyphB);  // disabled: the second
  EXPECT_EQ(skinner->LastFrame, kButtonDisabled);

  // A single glyph disabled is embossed: none of its own colour is left.
  b->SetNumGlyphs(1);
  TProbeDC probe(120, 60, RGB(255, 255, 255));
  Paint(b->Handle(), probe);
  EXPECT_EQ(CountColour(probe, RECT{7, 26, 17, 34}, kGlyphA), 0);
  EXPECT_GT(CountColour(probe, RECT{7, 26, 18, 35}, GetSysColor(COLOR_BTNSHADOW)), 40);
}

TEST_F(GlyphButtons, PictureVariantDrawsTheWholePictureWithoutTheDefaultLook) {
  TBitBtn* b = AddBitBtn(3);
  b->SetDefault(true);
  auto* skinner = static_cast<TSkinBitButton*>(b->Components(0));
  // Set by name, as discovery sets it for the picture kinds.
  const TPropInfo* prop = FindPropInfo(skinner, "ImagePropName");
  ASSERT_TRUE(prop);
  prop->SetValueText(*skinner, "Glyph");
  EXPECT_EQ(skinner->ImagePropName, "Glyph");
  TProbeDC probe(120, 60, RGB(255, 255, 255));
  Paint(b->Handle(), probe);
  EXPECT_EQ(FrameAt(probe, 3, 4), kButtonNormal);
  // Not cut into glyphs: all three parts of the strip side by side from the margin.
  EXPECT_EQ(probe.At(9, 28), kGlyphA);
  EXPECT_EQ(probe.At(19, 28), kGlyphB);
  EXPECT_EQ(probe.At(29, 28), kGlyphC);

  skinner->ImagePropName.clear();
  TProbeDC strip(120, 60, RGB(255, 255, 255));
  Paint(b->Handle(), strip);
  EXPECT_EQ(FrameAt(strip, 3, 4), kButtonFocused);
  EXPECT_EQ(strip.At(9, 28), kGlyphA);
  EXPECT_EQ(CountColour(strip, RECT{0, 0, 120, 60}, kGlyphB), 0);
}

class SpeedButtons : public GlyphButtons {
protected:
  TSpeedButton* AddSpeed(int left, int group) {
    auto* b = new TSpeedButton(Form.get());
    b->SetBounds(left, 100, 40, 30);
    b->SetGroupIndex(group);
    b->SetParent(Form.get());
    b->OnClick = [this](TObject*) { ++Clicks; };
    return b;
  }
  TSkinSpeedButton* Skin(TSpeedButton* b) {
    auto* s = new TSkinSpeedButton(b);
    s->AttachGraphic(&Host, Data.get(), nullptr);
    return s;
  }
  static int Frame(TSpeedButton* b) {
    TProbeDC probe(40, 30, RGB(255, 255, 255));
    b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
    return FrameAt(probe, 3, 4);
  }
  void Click(TSpeedButton* b) {
    const LPARAM at = MAKELPARAM(b->Left() + 5, b->Top() + 5);
    SendMessageW(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Form->Handle(), WM_LBUTTONUP, 0, at);
  }
  int Clicks = 0;
};

TEST_F(SpeedButtons, FramesOfFlatDownHotAndDisabled) {
  TSpeedButton* b = AddSpeed(10, 1);
  TSkinSpeedButton* s = Skin(b);
  EXPECT_EQ(s->GraphicControl, b);
  EXPECT_EQ(s->Handle, nullptr);
  EXPECT_EQ(b->Perform(SKINMSG_QUERY), 1);
  EXPECT_EQ(Frame(b), kButtonNormal);
  b->SetFlat(true);
  EXPECT_EQ(Frame(b), 0);  // flat and not hovered: only the face colour
  TProbeDC face(40, 30, RGB(255, 255, 255));
  b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(face.Get()), 0);
  EXPECT_EQ(face.At(3, 4), ColorToRGB(kPlainFace));
  b->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Frame(b), kButtonHot);
  b->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(Frame(b), 0);
  b->SetDown(true);
  EXPECT_EQ(Frame(b), kButtonPressed);
  b->SetEnabled(false);
  EXPECT_EQ(Frame(b), kButtonPressed);  // down shows even when disabled
  b->SetFlat(false);
  b->SetAllowAllUp(true);
  b->SetDown(false);
  EXPECT_EQ(Frame(b), kButtonDisabled);
  // Hidden: nothing at all.
  b->SetVisible(false);
  TProbeDC hidden(40, 30, RGB(1, 2, 3));
  b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(hidden.Get()), 0);
  EXPECT_EQ(hidden.At(20, 15), RGB(1, 2, 3));
}

TEST_F(SpeedButtons, ATransparentFaceShowsTheParentWhereTheFrameIsKeyed) {
  Form->SetColor(kParentColour);
  KeyFrameCorners(*Data->Buttons);
  struct Case {
    int Tag;
    bool Option;
    COLORREF Corner;
  };
  const Case cases[] = {{0, false, kPlainFace}, {5555, false, kParentColour}, {0, true, kParentColour}};
  int left = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.Tag) + (c.Option ? " xoTransparent" : ""));
    Data->SetOptions(c.Option ? SetOf(xoTransparent) : 0);
    TSpeedButton* b = AddSpeed(left, 0);
    b->SetTag(c.Tag);
    left += 50;
    Skin(b);
    TProbeDC probe(40, 30, RGB(255, 255, 255));
    b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
    EXPECT_EQ(probe.At(0, 0), c.Corner);
    EXPECT_EQ(FrameAt(probe, 3, 4), kButtonNormal);
  }
}

TEST_F(SpeedButtons, ClicksOnceGroupsStayDownAndDisabledNeverClicks) {
  TSpeedButton* a = AddSpeed(10, 3);
  TSpeedButton* b = AddSpeed(60, 3);
  TSpeedButton* plain = AddSpeed(110, 0);
  Skin(a);
  Skin(b);
  Click(a);
  EXPECT_EQ(Clicks, 1);
  EXPECT_TRUE(a->Down());
  Click(b);
  EXPECT_EQ(Clicks, 2);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  Click(b);  // the group keeps one down without AllowAllUp
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(Frame(b), kButtonPressed);
  EXPECT_EQ(Frame(a), kButtonNormal);

  // Pressed mirrors the mouse while it is held.
  SendMessageW(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(a->Left() + 5, a->Top() + 5));
  EXPECT_EQ(Frame(a), kButtonPressed);
  SendMessageW(Form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(a->Left() + 200, a->Top() + 5));
  EXPECT_EQ(Clicks, 3);  // released outside: no click
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(Frame(a), kButtonNormal);

  Click(plain);
  EXPECT_EQ(Clicks, 4);
  EXPECT_FALSE(plain->Down());  // no group: never stays down
  plain->SetEnabled(false);
  Click(plain);
  EXPECT_EQ(Clicks, 4);
}

TEST_F(SpeedButtons, GlyphlessCaptionCentredAndGlyphFourWhenDown) {
  TSpeedButton* b = AddSpeed(10, 1);
  b->SetBounds(10, 100, 80, 40);
  b->SetCaption(L"WW");
  b->Font()->SetColor(kText);
  Skin(b);
  TProbeDC probe(80, 40, RGB(255, 255, 255));
  b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
  const RECT t = TextBox(probe, 80, 40);
  EXPECT_LE(std::abs((t.left + t.right) - 80), 3);
  EXPECT_LE(std::abs((t.top + t.bottom) - 40), 5);

  MakeStrip(*b->Glyph(), 4);
  b->SetNumGlyphs(4);
  b->SetCaption(L"");
  b->SetDown(true);
  TProbeDC down(80, 40, RGB(255, 255, 255));
  b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(down.Get()), 0);
  // Centred without a caption: x = (80 - 10) div 2 + 1 = 36.
  EXPECT_EQ(down.At(38, 18), RGB(200, 200, 0));
  EXPECT_EQ(down.At(35, 18), SliceColour(2, 4));
}

TEST(UnskinnedButtons, DrawAndClickByThemselves) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(40, 40, 300, 200);
  int clicks = 0;
  auto* bit = new TBitBtn(form.get());
  bit->SetBounds(10, 10, 120, 60);
  bit->SetParent(form.get());
  MakeStrip(*bit->Glyph(), 1);
  bit->SetMargin(7);
  bit->SetCaption(L"Go");
  bit->OnClick = [&](TObject*) { ++clicks; };
  auto* speed = new TSpeedButton(form.get());
  speed->SetBounds(150, 10, 40, 30);
  speed->SetParent(form.get());
  speed->SetGroupIndex(4);
  MakeStrip(*speed->Glyph(), 1);
  form->Show();
  PumpMessages();

  // Owner-drawn: the platform's paint asks the button, which draws its glyph at the margin
  // inside the one-pixel face edge.
  TProbeDC probe(120, 60, RGB(255, 255, 255));
  SendMessageW(bit->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
  EXPECT_EQ(probe.At(10, 28), kGlyphA);
  EXPECT_EQ(probe.At(60, 5), GetSysColor(COLOR_BTNFACE));
  SendMessageW(bit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(bit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpMessages(20);
  EXPECT_EQ(clicks, 1);
  bit->SetEnabled(false);
  SendMessageW(bit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(bit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpMessages(20);
  EXPECT_EQ(clicks, 1);

  const auto corner = [&] {
    TProbeDC p(40, 30, RGB(255, 255, 255));
    speed->Perform(WM_PAINT, reinterpret_cast<WPARAM>(p.Get()), 0);
    EXPECT_EQ(CountColour(p, RECT{0, 0, 40, 30}, kGlyphA), 10 * 8 - 1);  // the glyph, less its key pixel
    return p.At(0, 0);
  };
  EXPECT_NE(corner(), GetSysColor(COLOR_BTNFACE));  // raised edge
  speed->SetFlat(true);
  EXPECT_EQ(corner(), GetSysColor(COLOR_BTNFACE));  // flat, not hovered: no edge
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(155, 15));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(155, 15));
  EXPECT_TRUE(speed->Down());
  EXPECT_EQ(corner(), GetSysColor(COLOR_BTNSHADOW));  // down: sunken
}

TEST(PopupMenus, PopUpForAnExplicitOwnerWindow) {
  TestApplication();
  TOwned<TForm> menuOwner(new TForm(nullptr));
  TOwned<TForm> window(new TForm(nullptr));
  window->SetBounds(50, 50, 200, 150);
  window->Show();
  // The menu's owner form is the active one: the explicit window must still be the one asked.
  menuOwner->SetBounds(300, 50, 200, 150);
  menuOwner->Show();
  SetForegroundWindow(menuOwner->Handle());
  PumpMessages();
  auto* menu = new TPopupMenu(menuOwner.get());
  auto* item = new TMenuItem(menu);
  item->SetCaption(L"一项");
  menu->Items()->Add(item);
  int popups = 0;
  menu->OnPopup = [&](TObject*) { ++popups; };
  // The window that owns the popped-up menu gets its messages.
  static int initsSeen;
  initsSeen = 0;
  TWndMethod saved = window->WindowProc;
  window->WindowProc = [&saved](TMessage& m) {
    if (m.Msg == WM_INITMENUPOPUP) ++initsSeen;
    saved(m);
  };
  // The menu's own loop runs until it is ended from a timer.
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  menu->Popup(80, 80, window->Handle());
  KillTimer(nullptr, timer);
  window->WindowProc = saved;
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(initsSeen, 1);
}

int NonKeyPixels(TBitmap& b, const RECT& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += GetPixel(b.Canvas().Handle(), x, y) != kKey;
  return n;
}

TEST(BitBtnKinds, StandardKindsSetCaptionResultAndGlyph) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  auto* b = new TBitBtn(form.get());
  b->SetParent(form.get());
  b->SetKind(TBitBtnKind::bkOK);
  EXPECT_EQ(b->Caption(), L"OK");
  EXPECT_EQ(b->ModalResult(), 1);
  EXPECT_TRUE(b->Default());
  EXPECT_EQ(b->NumGlyphs(), 2);
  ASSERT_EQ(b->Glyph()->Width(), 36);
  EXPECT_GT(NonKeyPixels(*b->Glyph(), RECT{0, 0, 18, 18}), 20);   // a picture, not just background
  EXPECT_GT(NonKeyPixels(*b->Glyph(), RECT{18, 0, 36, 18}), 20);  // and its disabled look
  EXPECT_EQ(GetPixel(b->Glyph()->Canvas().Handle(), 0, 17), kKey);                  // the corner is transparent
  b->SetKind(TBitBtnKind::bkCancel);
  EXPECT_EQ(b->Caption(), L"Cancel");  // the previous kind's caption is replaced
  EXPECT_EQ(b->ModalResult(), 2);
  b->SetCaption(L"Mine");
  b->SetKind(TBitBtnKind::bkRetry);
  EXPECT_EQ(b->Caption(), L"Mine");  // a caption of one's own stays
  EXPECT_EQ(b->ModalResult(), 4);
}

TEST(BitBtnKinds, ButtonsAreReadFromDescriptions) {
  TestApplication();
  RegisterFrameworkClasses();
  TOwned<TForm> form(new TForm(nullptr));
  ReadComponentText(form.get(), R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object BitBtn1: TBitBtn
    Left = 8
    Top = 8
    Width = 90
    Height = 30
    Kind = bkClose
    Layout = blGlyphTop
    Margin = 3
    Spacing = 6
  end
  object SpeedButton1: TSpeedButton
    Left = 8
    Top = 50
    Width = 30
    Height = 30
    Caption = 'B'
    GroupIndex = 2
    Down = True
    Flat = True
    AllowAllUp = True
    Layout = blGlyphRight
  end
end
)");
  auto* bit = form->FindComponentAs<TBitBtn>("BitBtn1");
  auto* speed = form->FindComponentAs<TSpeedButton>("SpeedButton1");
  ASSERT_TRUE(bit && speed);
  EXPECT_EQ(bit->Caption(), L"&Close");
  EXPECT_EQ(bit->Layout(), TButtonLayout::blGlyphTop);
  EXPECT_EQ(bit->Margin(), 3);
  EXPECT_EQ(bit->Spacing(), 6);
  EXPECT_TRUE(speed->Down());
  EXPECT_TRUE(speed->Flat());
  EXPECT_TRUE(speed->AllowAllUp());
  EXPECT_EQ(speed->Layout(), TButtonLayout::blGlyphRight);
}

TEST_F(GlyphButtons, DiscoveryGivesTheFormsButtonsTheirSkinners) {
  RegisterControlSkinners();
  auto* plain = new TButton(Form.get());
  plain->SetParent(Form.get());
  auto* bit = new TBitBtn(Form.get());
  bit->SetBounds(0, 40, 80, 30);
  bit->SetParent(Form.get());
  auto* speed = new TSpeedButton(Form.get());
  speed->SetBounds(0, 80, 30, 30);
  speed->SetParent(Form.get());
  TOwned<TComponent> formSkinner(new TComponent(nullptr));
  TDiscoverySite site;
  site.SkinData = Data.get();
  site.Host = &Host;
  site.FormSkinner = formSkinner.get();
  site.ControlSkinners = &Host.List;
  TControlDiscovery discovery(site);
  discovery.DiscoverFormControls(Form.get());
  const std::pair<TControl*, const char*> expected[] = {
      {plain, "TSkinButton"}, {bit, "TSkinBitButton"}, {speed, "TSkinSpeedButton"}};
  for (const auto& [control, name] : expected) {
    SCOPED_TRACE(name);
    const TDiscoveryRecord* record = discovery.RecordOf(control);
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->Built);
    ASSERT_TRUE(record->Skinner);
    EXPECT_EQ(record->Skinner->ClassName(), name);
    EXPECT_EQ(control->Perform(SKINMSG_QUERY), 1);
  }
  EXPECT_EQ(discovery.RecordOf(speed)->Skinner->GraphicControl, speed);
  // The owner-drawn bit button is not drawn by the platform's owner-draw call while skinned.
  TProbeDC probe(80, 30, RGB(255, 255, 255));
  SendMessageW(bit->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
  EXPECT_EQ(FrameAt(probe, 3, 4), kButtonNormal);
}

}  // namespace
