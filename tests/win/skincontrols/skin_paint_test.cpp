// The painting helpers of the skinner base, probed pixel by pixel with frame-coded pictures
// whose sizes differ from every picture of the default skin.
#include <gtest/gtest.h>

#include "skinner_test.h"
#include "ui/form.h"
#include "ui/platform.h"

namespace {

constexpr TColor kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0), kGreen = RGB(0, 160, 0), kWhite = RGB(255, 255, 255);

COLORREF C(TColor c) { return static_cast<COLORREF>(c); }

class SkinPaint : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    // 3 frames of 14 x 11 with margins 3, 2, 4, 3.
    MakeFrameCodedObject(Object, 3, 14, 11, 3, 2, 4, 3);
  }
  void TearDown() override { ResetPlatformVersion(); }
  TDataSkinObject Object{"Test.Frames"};
};

TEST_F(SkinPaint, SkinnerDrawsTheNineSliceOfItsFrame) {
  TRecordingSkinner skinner(nullptr);
  skinner.Object = &Object;
  skinner.FrameIndex = 2;
  TProbeDC probe(60, 30, kWhite);
  skinner.PaintSkin(probe.Get(), RECT{0, 0, 60, 30});
  EXPECT_EQ(probe.At(0, 0), SliceColour(2, 0));
  EXPECT_EQ(probe.At(2, 1), SliceColour(2, 0));   // the corner keeps its 3 x 2 size
  EXPECT_EQ(probe.At(3, 1), SliceColour(2, 1));   // top edge stretched
  EXPECT_EQ(probe.At(56, 0), SliceColour(2, 2));  // 4 wide top-right corner
  EXPECT_EQ(probe.At(0, 15), SliceColour(2, 3));
  EXPECT_EQ(probe.At(30, 15), SliceColour(2, 4));
  EXPECT_EQ(probe.At(59, 15), SliceColour(2, 5));
  EXPECT_EQ(probe.At(0, 27), SliceColour(2, 6));
  EXPECT_EQ(probe.At(30, 29), SliceColour(2, 7));
  EXPECT_EQ(probe.At(59, 29), SliceColour(2, 8));
  EXPECT_EQ(probe.At(55, 29), SliceColour(2, 7));
}

TEST_F(SkinPaint, NarrowTargetLosesItsSideMargins) {
  // 6 wide is less than 3 + 4: the whole frame width is stretched into it.
  TRecordingSkinner skinner(nullptr);
  skinner.Object = &Object;
  skinner.FrameIndex = 3;
  TProbeDC probe(6, 30, kWhite);
  skinner.PaintSkin(probe.Get(), RECT{0, 0, 6, 30});
  // Column 2 would be the left edge with margins; now it shows the frame's centre.
  EXPECT_EQ(probe.At(2, 15), SliceColour(3, 4));
  EXPECT_EQ(probe.At(0, 15), SliceColour(3, 3));
  EXPECT_EQ(probe.At(5, 15), SliceColour(3, 5));
  // The top and bottom margins stay: 30 is more than 2 + 3.
  EXPECT_EQ(probe.At(2, 0), SliceColour(3, 1));
  EXPECT_EQ(probe.At(2, 29), SliceColour(3, 7));
}

TEST_F(SkinPaint, TiledZeroSizeCentreDrawsNothing) {
  TDataSkinObject noCentre("Test.NoCentre");
  MakeFrameCodedObject(noCentre, 1, 14, 11, 7, 2, 7, 3);  // 7 + 7 = the frame width
  noCentre.Tile = 1;
  TRecordingSkinner skinner(nullptr);
  skinner.Object = &noCentre;
  TProbeDC probe(40, 20, kBlue);
  skinner.PaintSkin(probe.Get(), RECT{0, 0, 40, 20});
  EXPECT_EQ(probe.At(3, 10), SliceColour(1, 3));
  EXPECT_EQ(probe.At(36, 10), SliceColour(1, 5));
  // Neither the centre nor the zero-width top and bottom edges put any slice there.
  for (const POINT p : {POINT{20, 10}, POINT{20, 0}, POINT{20, 19}}) {
    for (int slice = 0; slice < 9; ++slice) EXPECT_NE(probe.At(p.x, p.y), SliceColour(1, slice)) << p.x << "," << p.y;
  }
}

// A bitmap whose left half is magenta and right half red.
void FillHalfMagenta(TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  TSkinControl::FillColor(bitmap.Canvas().Handle(), RECT{0, 0, w / 2, h}, kMagenta);
  TSkinControl::FillColor(bitmap.Canvas().Handle(), RECT{w / 2, 0, w, h}, kRed);
}

TEST_F(SkinPaint, MaskBlitLeavesTheTransparentColourOutOnBothPlatformFamilies) {
  for (const bool nt : {true, false}) {
    SetPlatformVersion({nt, nt ? 6 : 4, nt ? 1 : 10});
    TBitmap bitmap(10, 6, TPixelFormat::pf24bit);
    FillHalfMagenta(bitmap);
    TProbeDC probe(30, 20, kBlue);
    SetBkColor(probe.Get(), RGB(1, 1, 1));
    SetTextColor(probe.Get(), RGB(2, 2, 2));
    MaskBlit(probe.Get(), RECT{5, 5, 15, 11}, bitmap, kMagenta);
    EXPECT_EQ(probe.At(6, 7), C(kBlue)) << nt;
    EXPECT_EQ(probe.At(12, 7), C(kRed)) << nt;
    EXPECT_EQ(probe.At(14, 10), C(kRed)) << nt;
    EXPECT_EQ(probe.At(15, 7), C(kBlue)) << nt;  // nothing beyond the rectangle
    EXPECT_EQ(probe.At(12, 11), C(kBlue)) << nt;
    // The DC's colours are given back.
    EXPECT_EQ(GetBkColor(probe.Get()), RGB(1, 1, 1));
    EXPECT_EQ(GetTextColor(probe.Get()), RGB(2, 2, 2));
    // An inverted rectangle draws nothing.
    MaskBlit(probe.Get(), RECT{25, 5, 20, 11}, bitmap, kMagenta);
    EXPECT_EQ(probe.At(22, 7), C(kBlue));
  }
}

TEST_F(SkinPaint, DrawFrameStretchedStretchesOneFrameWithMagentaTransparent) {
  // Frames of 8 x 4: frame 1 green, frame 2 magenta left half and red right half, frame 3 green.
  TBitmap strip(24, 4, TPixelFormat::pf24bit);
  TSkinControl::FillColor(strip.Canvas().Handle(), RECT{0, 0, 24, 4}, kGreen);
  TSkinControl::FillColor(strip.Canvas().Handle(), RECT{8, 0, 12, 4}, kMagenta);
  TSkinControl::FillColor(strip.Canvas().Handle(), RECT{12, 0, 16, 4}, kRed);
  TProbeDC probe(50, 30, kBlue);
  DrawFrameStretched(probe.Get(), RECT{2, 2, 42, 22}, 3, 2, strip);
  EXPECT_EQ(probe.At(5, 10), C(kBlue));
  EXPECT_EQ(probe.At(21, 21), C(kBlue));
  EXPECT_EQ(probe.At(23, 2), C(kRed));
  EXPECT_EQ(probe.At(41, 21), C(kRed));
  EXPECT_EQ(probe.At(43, 10), C(kBlue));
  // The canvas form draws the same; an inverted rectangle nothing.
  TProbeDC second(50, 30, kBlue);
  TCanvas canvas;
  canvas.SetHandle(second.Get());
  DrawFrameStretched(canvas, RECT{2, 2, 42, 22}, 3, 2, strip);
  DrawFrameStretched(canvas, RECT{45, 2, 44, 22}, 3, 1, strip);
  canvas.SetHandle(nullptr);
  EXPECT_EQ(second.At(30, 10), C(kRed));
  EXPECT_EQ(second.At(44, 10), C(kBlue));
}

// A parent whose painting differs left and right of x = 100.
class TStripedParent : public TWinControl {
public:
  explicit TStripedParent(TComponent* owner) : TWinControl(owner) { SetControlStyle(ControlStyle() | csAcceptsControls); }

protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_ERASEBKGND) {
      TSkinControl::FillColor(reinterpret_cast<HDC>(message.WParam), RECT{0, 0, Width(), Height()}, kGreen);
      message.Result = 1;
      return;
    }
    if (message.Msg == WM_PAINT && message.WParam) {
      const HDC dc = reinterpret_cast<HDC>(message.WParam);
      TSkinControl::FillColor(dc, RECT{0, 30, 100, Height()}, kRed);
      TSkinControl::FillColor(dc, RECT{100, 30, Width(), Height()}, kBlue);
      return;
    }
    TWinControl::WndProc(message);
  }
};

TEST_F(SkinPaint, ParentBackgroundLandsUnderTheControl) {
  TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(0, 0, 300, 200);
  auto* parent = new TStripedParent(form.get());
  parent->SetBounds(0, 0, 250, 150);
  parent->SetParent(form.get());
  auto* child = new TWinControl(form.get());
  child->SetBounds(90, 20, 20, 20);
  child->SetParent(parent);
  form->HandleNeeded();

  TProbeDC probe(20, 20, kWhite);
  DrawParentBackground(child, probe.Get());
  EXPECT_EQ(probe.At(5, 2), C(kGreen));  // parent y 22: background only
  EXPECT_EQ(probe.At(5, 15), C(kRed));   // parent (95, 35)
  EXPECT_EQ(probe.At(15, 15), C(kBlue)); // parent (105, 35)
  POINT origin{};
  GetViewportOrgEx(probe.Get(), &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);

  // A clip outside the control's area: nothing of the parent lands beyond it.
  TProbeDC wide(60, 20, kWhite);
  DrawParentBackground(child, wide.Get());
  EXPECT_EQ(wide.At(25, 10), C(kWhite));

  TWinControl orphan(nullptr);
  TProbeDC untouched(10, 10, kWhite);
  DrawParentBackground(&orphan, untouched.Get());
  EXPECT_EQ(untouched.At(5, 5), C(kWhite));
}

TEST_F(SkinPaint, FillsUseTheSkinFaceAndTheParentColour) {
  TOwned<TSkinData> data(new TSkinData(nullptr));
  data->Colours[SkinColour::ButtonFace] = RGB(90, 80, 70);
  TOwned<TForm> form(new TForm(nullptr));
  form->SetColor(RGB(5, 50, 150));
  auto* panel = new TWinControl(form.get());
  panel->SetParent(form.get());
  TRecordingSkinner skinner(nullptr);
  skinner.SkinData = data.get();
  TProbeDC probe(10, 10, kWhite);
  skinner.FillFace(probe.Get(), RECT{0, 0, 5, 5});
  EXPECT_EQ(probe.At(1, 1), RGB(90, 80, 70));
  skinner.FillParentColor(probe.Get(), RECT{5, 5, 10, 10});  // no control: the face colour
  EXPECT_EQ(probe.At(6, 6), RGB(90, 80, 70));
  skinner.Control = panel;
  skinner.FillParentColor(probe.Get(), RECT{5, 0, 10, 5});
  EXPECT_EQ(probe.At(6, 1), RGB(5, 50, 150));
  EXPECT_EQ(skinner.ParentColor(clNone), RGB(5, 50, 150));
}

TEST_F(SkinPaint, FocusRectangleSitsAroundTheCentredText) {
  TProbeDC probe(120, 30, kWhite);
  TRecordingSkinner skinner(nullptr);
  skinner.WindowText = L"Hi";
  SIZE text{};
  GetTextExtentPoint32W(probe.Get(), L"Hi", 2, &text);
  skinner.DrawFocusAroundText(probe.Get(), DT_CENTER | DT_SINGLELINE, RECT{0, 0, 120, 30});
  int leftmost = 120, rightmost = -1;
  for (int x = 0; x < 120; ++x)
    for (int y = 0; y < 30; ++y)
      if (probe.At(x, y) != C(kWhite)) {
        leftmost = std::min(leftmost, x);
        rightmost = std::max(rightmost, x);
      }
  const int expectedLeft = (120 - text.cx) / 2 - 2;
  EXPECT_EQ(leftmost, expectedLeft);
  EXPECT_EQ(rightmost, expectedLeft + text.cx + 4 - 1);

  // Text wider than the rectangle: the focus rectangle is clamped to it.
  TProbeDC narrow(30, 30, kWhite);
  skinner.WindowText = L"A much longer caption";
  skinner.DrawFocusAroundText(narrow.Get(), DT_LEFT | DT_SINGLELINE, RECT{5, 5, 25, 25});
  int drawn = 0;
  for (int x = 0; x < 30; ++x)
    for (int y = 0; y < 30; ++y) {
      if (narrow.At(x, y) == C(kWhite)) continue;
      ++drawn;
      EXPECT_TRUE(x >= 5 && x < 25 && y >= 5 && y < 25) << x << "," << y;
    }
  EXPECT_GT(drawn, 0);
  int onLeftEdge = 0;
  for (int y = 5; y < 25; ++y) onLeftEdge += narrow.At(5, y) != C(kWhite);
  EXPECT_GT(onLeftEdge, 0);
}

TEST_F(SkinPaint, DrawTextAutoMeasuresAlikeOnBothFamiliesAndToWideUsesTheAnsiCodePage) {
  TProbeDC probe(10, 10, kWhite);
  RECT nt{0, 0, 0, 0}, ansi{0, 0, 0, 0};
  EXPECT_GT(DrawTextAuto(probe.Get(), L"Hello skin", nt, DT_CALCRECT | DT_SINGLELINE), 0);
  SetPlatformVersion({false, 4, 0});
  EXPECT_GT(DrawTextAuto(probe.Get(), L"Hello skin", ansi, DT_CALCRECT | DT_SINGLELINE), 0);
  EXPECT_EQ(RectText(nt), RectText(ansi));
  EXPECT_GT(nt.right, 20);
  EXPECT_EQ(ToWide("ascii text"), L"ascii text");
  EXPECT_EQ(ToWide(""), L"");
}

}  // namespace
