// TSkinUpDown and TSkinEdit on real controls: arrow frames by state with a real press of the
// lower half, both orientations, plain arrows without a picture; the edit's flat border, an
// edit without a border left alone, the printed border, the paint hand-off and the spin child
// that keeps off the edit's border.
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_updown.h"
#include "ui/comctrls_range.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "win/rangeinputs/range_skin_test.h"

namespace {

// "UpDown.Vert" eight frames of 15 x 10 (codes 1-8), "UpDown.Horz" eight of 10 x 15 (9-16).
class UpDownSkin : public RangeSkinTest {
protected:
  void SetUp() override {
    RangeSkinTest::SetUp();
    Data->UpDownVert.reset(new TDataSkinBorder("UpDown.Vert"));
    MakeCodedObject(*Data->UpDownVert, 1, 8, 15, 10, 0, 0, 0, 0);
    Data->UpDownHorz.reset(new TDataSkinBorder("UpDown.Horz"));
    MakeCodedObject(*Data->UpDownHorz, 9, 8, 10, 15, 0, 0, 0, 0);
  }
  TUpDown* Arrows(TUDOrientation orientation) {
    auto* arrows = Make<TUpDown>(300, 20, 19, 38);
    arrows->SetOrientation(orientation);
    arrows->SetPosition(50);
    Skinner = new TSkinUpDown(arrows);
    Skinner->AttachControl(&Host, Data.get(), false, nullptr);
    return arrows;
  }
  // The codes at the centres of the first and second arrow.
  std::pair<int, int> Codes(TUpDown* arrows) {
    const SIZE size = WindowSize(arrows->Handle());
    TProbeDC probe(size.cx, size.cy, kProbeFill);
    PaintInto(arrows->Handle(), probe);
    if (size.cx > size.cy)
      return {CodeAt(probe, size.cx / 4, size.cy / 2), CodeAt(probe, size.cx * 3 / 4, size.cy / 2)};
    return {CodeAt(probe, size.cx / 2, size.cy / 4), CodeAt(probe, size.cx / 2, size.cy * 3 / 4)};
  }
  // The cursor moved there as the user moves it: the control hears of it too.
  void CursorAt(HWND window, POINT client) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    PumpMessages(20);
  }
  // The platform's own position: without an associate the framework keeps its last value.
  static int PlatformPosition(HWND window) { return static_cast<int>(SendMessageW(window, UDM_GETPOS32, 0, 0)); }
  TSkinUpDown* Skinner = nullptr;
};

TEST_F(UpDownSkin, PressingTheLowerHalfShowsOnlyTheDownArrowPressedAndStillSteps) {
  TUpDown* arrows = Arrows(TUDOrientation::udVertical);
  const HWND h = arrows->Handle();
  CursorAt(h, POINT{9, 1});  // over the up arrow, not pressed: both normal
  EXPECT_EQ(Codes(arrows), std::make_pair(1, 5));

  CursorAt(h, POINT{9, 30});
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 30));
  EXPECT_EQ(PlatformPosition(h), 49);  // the control's own press ran
  EXPECT_EQ(Codes(arrows), std::make_pair(1, 6));
  EXPECT_EQ(Skinner->LastSecondFrame, 6);
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(9, 30));
  EXPECT_EQ(Codes(arrows), std::make_pair(1, 5));
  EXPECT_EQ(GetCapture(), nullptr);

  CursorAt(h, POINT{9, 4});
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 4));
  EXPECT_EQ(Codes(arrows), std::make_pair(2, 5));
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(9, 4));
  EXPECT_EQ(PlatformPosition(h), 50);

  arrows->SetEnabled(false);
  EXPECT_EQ(Codes(arrows), std::make_pair(3, 7));
}

TEST_F(UpDownSkin, HorizontalArrowsAndTheTabSetKindLieSideBySide) {
  TUpDown* arrows = Arrows(TUDOrientation::udHorizontal);
  ASSERT_EQ(WindowSize(arrows->Handle()).cx, 38);
  CursorAt(arrows->Handle(), POINT{30, 9});
  SendMessageW(arrows->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 9));
  EXPECT_EQ(Codes(arrows), std::make_pair(9, 14));
  SendMessageW(arrows->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 9));
  EXPECT_EQ(PlatformPosition(arrows->Handle()), 51);

  // A tab set's scroller lies down whatever its style; its arrows split the width.
  TUpDown* standing = Arrows(TUDOrientation::udVertical);
  Skinner->Kind = kUpDownTabSetKind;
  TProbeDC probe(19, 38, kProbeFill);
  PaintInto(standing->Handle(), probe);
  EXPECT_EQ(CodeAt(probe, 4, 19), 9);
  EXPECT_EQ(CodeAt(probe, 14, 19), 13);
}

TEST_F(UpDownSkin, TheGlyphSitsCentredOnItsArrow) {
  // Glyph frames of 5 x 3 (codes 17-24) over the arrows.
  TDataSkinObject glyphs("glyphs");
  MakeCodedObject(glyphs, 17, 8, 5, 3, 0, 0, 0, 0);
  Data->UpDownVert->SecondImage.Assign(glyphs.Image);
  TUpDown* arrows = Arrows(TUDOrientation::udVertical);
  CursorAt(arrows->Handle(), POINT{40, 40});
  TProbeDC probe(19, 38, kProbeFill);
  PaintInto(arrows->Handle(), probe);
  // Up arrow 19 x 19: the glyph at (7, 8)-(12, 11).
  EXPECT_EQ(CodeAt(probe, 7, 8), 17);
  EXPECT_EQ(CodeAt(probe, 11, 10), 17);
  EXPECT_EQ(CodeAt(probe, 6, 8), 1);
  EXPECT_EQ(CodeAt(probe, 12, 10), 1);
  EXPECT_EQ(CodeAt(probe, 9, 19 + 9), 21);
}

TEST_F(UpDownSkin, WithoutAPictureTheArrowsArePlainColours) {
  Data->UpDownVert.reset();
  TUpDown* arrows = Arrows(TUDOrientation::udVertical);
  CursorAt(arrows->Handle(), POINT{9, 30});
  SendMessageW(arrows->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 30));
  TProbeDC probe(19, 38, kProbeFill);
  PaintInto(arrows->Handle(), probe);
  SendMessageW(arrows->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(9, 30));
  // Up arrow (0, 0, 19, 19): outline, face, and the glyph's tip at (9, 19 / 2 - 2).
  EXPECT_EQ(probe.At(0, 0), kDarkShadow);
  EXPECT_EQ(probe.At(18, 18), kDarkShadow);
  EXPECT_EQ(probe.At(2, 2), kFace);
  EXPECT_EQ(probe.At(9, 7), kDarkShadow);
  EXPECT_EQ(probe.At(9, 6), kFace);
  EXPECT_EQ(probe.At(12, 10), kDarkShadow);  // the last point of (x+1, y+1)->(x+4, y+4)
  EXPECT_EQ(probe.At(13, 11), kFace);        // its end point is left out
  // The pressed down arrow is sunk in the shadow colour, its tip at (9, 19 + 19 / 2 - 2 + 3).
  EXPECT_EQ(probe.At(2, 21), kShadow);
  EXPECT_EQ(probe.At(9, 29), kDarkShadow);
  EXPECT_EQ(probe.At(9, 30), kShadow);
}

TEST(UpDownRules, TheStateOfAnArrowAndTheBorderItKeepsOffOf) {
  EXPECT_EQ(UpDownArrowState(true, true, true), kArrowPressed);
  EXPECT_EQ(UpDownArrowState(false, true, true), kArrowNormal);
  EXPECT_EQ(UpDownArrowState(true, false, true), kArrowNormal);
  EXPECT_EQ(UpDownArrowState(true, true, false), kArrowDisabled);
  // 2 pixels from the top, bottom and right of the edit: each side moves in by one.
  const RECT parent{100, 50, 220, 75}, own{202, 52, 218, 73};
  const RECT kept = KeepEditBorder(RECT{0, 0, 16, 21}, own, parent);
  EXPECT_EQ(RectText(kept), RectText(RECT{0, 1, 15, 20}));
  // Well inside: nothing moves.
  EXPECT_EQ(RectText(KeepEditBorder(RECT{0, 0, 16, 15}, RECT{190, 56, 206, 71}, parent)), RectText(RECT{0, 0, 16, 15}));
}

class EditSkin : public RangeSkinTest {
protected:
  TEdit* Edit(TBorderStyle border) {
    auto* edit = Make<TEdit>(10, 10, 123, 25);
    edit->SetBorderStyle(border);
    edit->SetTextValue(L"编辑框");
    Skinner = new TSkinEdit(edit);
    Skinner->AttachControl(&Host, Data.get(), false, nullptr);
    return edit;
  }
  TSkinEdit* Skinner = nullptr;
};

TEST_F(EditSkin, AFlatBorderOverTheSunkenOneAndNothingWithoutABorder) {
  TEdit* edit = Edit(TBorderStyle::bsSingle);
  const SIZE size = WindowSize(edit->Handle());
  TProbeDC probe(size.cx, size.cy, kProbeFill);
  PaintInto(edit->Handle(), probe);
  for (POINT p : {POINT{0, 0}, POINT{size.cx - 1, 12}, POINT{60, size.cy - 1}, POINT{0, size.cy - 1}})
    EXPECT_EQ(probe.At(p.x, p.y), kShadow) << p.x << "," << p.y;
  for (POINT p : {POINT{1, 1}, POINT{2, 2}, POINT{size.cx - 3, 12}, POINT{60, size.cy - 2}})
    EXPECT_EQ(probe.At(p.x, p.y), kWhite) << p.x << "," << p.y;

  TEdit* bare = Edit(TBorderStyle::bsNone);
  const SIZE bareSize = WindowSize(bare->Handle());
  TProbeDC untouched(bareSize.cx, bareSize.cy, kProbeFill);
  PaintInto(bare->Handle(), untouched);
  int shadowPixels = 0;
  for (int x = 0; x < bareSize.cx; ++x)
    shadowPixels += (untouched.At(x, 0) == kShadow) + (untouched.At(x, bareSize.cy - 1) == kShadow);
  EXPECT_EQ(shadowPixels, 0);
}

TEST_F(EditSkin, PrintingFramesWithTheDCsBrushAndThePaintHandOffAnswersTheMarker) {
  TEdit* edit = Edit(TBorderStyle::bsSingle);
  const SIZE size = WindowSize(edit->Handle());
  TProbeDC probe(size.cx, size.cy, kProbeFill);
  TBrushHandle brush(CreateSolidBrush(RGB(0, 0, 200)));
  {
    TSelectObject select(probe.Get(), brush.Get());
    SendMessageW(edit->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(probe.Get()), PRF_CLIENT);
  }
  EXPECT_EQ(probe.At(0, 0), kShadow);
  EXPECT_EQ(probe.At(size.cx - 1, 5), kShadow);
  EXPECT_EQ(probe.At(1, 1), RGB(0, 0, 200));
  EXPECT_EQ(probe.At(1, size.cy - 2), RGB(0, 0, 200));

  TProbeDC handed(size.cx, size.cy, kProbeFill);
  EXPECT_EQ(SendMessageW(edit->Handle(), SKINMSG_PAINTEDIT, reinterpret_cast<WPARAM>(handed.Get()), SKIN_MAGIC),
            SKIN_MAGIC);
  int painted = 0;
  for (int x = 0; x < size.cx; x += 3) painted += handed.At(x, 8) != kProbeFill;
  EXPECT_GT(painted, 0);
  EXPECT_EQ(SendMessageW(edit->Handle(), SKINMSG_PAINTEDIT, 0, SKIN_MAGIC), SKIN_MAGIC);
  EXPECT_NE(SendMessageW(edit->Handle(), SKINMSG_PAINTEDIT, 0, 1), SKIN_MAGIC);
}

TEST_F(EditSkin, ASpinChildGetsItsSkinnerAndKeepsOffTheEditsBorder) {
  Data->SetSkinControls(Data->SkinControls() | SetOf(xcSpin, xcEdit));
  Data->UpDownVert.reset(new TDataSkinBorder("UpDown.Vert"));
  MakeCodedObject(*Data->UpDownVert, 1, 8, 15, 10, 0, 0, 0, 0);
  auto* edit = Make<TEdit>(10, 10, 120, 25);
  RECT client{};
  GetClientRect(edit->Handle(), &client);
  ASSERT_EQ(client.right, 116);  // a two-pixel sunken border
  const HWND spin = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, client.right - 16, 0, 16,
                                    client.bottom, edit->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(spin);
  Skinner = new TSkinEdit(edit);
  Skinner->AttachControl(&Host, Data.get(), false, nullptr);
  TProbeDC probe(120, 25, kProbeFill);
  PaintInto(edit->Handle(), probe);
  ASSERT_TRUE(Skinner->ArrowSkinner);
  EXPECT_TRUE(Skinner->ArrowSkinner->EditPartner);
  EXPECT_EQ(Skinner->ArrowSkinner->Handle, spin);
  EXPECT_EQ(SendMessageW(spin, SKINMSG_QUERY, 0, 0), 1);
  // Only the edit's skinner is listed with the form skinner; it owns the arrows' skinner.
  EXPECT_EQ(Host.List, std::vector<TSkinControl*>{Skinner});

  // The arrows are 2 pixels from the edit's top, bottom and right: they draw one in from each
  // and leave white there, so the 3-pixel border stays whole.
  SetCursorPos(0, 0);
  TProbeDC arrows(16, 21, kProbeFill);
  PaintInto(spin, arrows);
  for (int x = 0; x < 16; ++x) {
    EXPECT_EQ(arrows.At(x, 0), kWhite) << x;
    EXPECT_EQ(arrows.At(x, 20), kWhite) << x;
  }
  for (int y = 0; y < 21; ++y) EXPECT_EQ(arrows.At(15, y), kWhite) << y;
  EXPECT_EQ(CodeAt(arrows, 7, 5), 1);
  EXPECT_EQ(CodeAt(arrows, 7, 15), 5);
  EXPECT_EQ(CodeAt(arrows, 0, 1), 1);
  EXPECT_EQ(CodeAt(arrows, 14, 19), 5);
  DestroyWindow(spin);
  EXPECT_EQ(Skinner->ArrowSkinner->LifeState, kSkinnerWindowDestroyed);
}

}  // namespace
