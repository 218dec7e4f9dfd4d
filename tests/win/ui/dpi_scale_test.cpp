// Forms at other display scales: a described form scaled when made, WM_DPICHANGED there and
// back, controls added by code later, anchors, and label text that keeps inside its label.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/codec.h"
#include "ui/extctrls.h"
#include "ui/gdi.h"
#include "ui/listview.h"
#include "ui/statusbar.h"
#include "ui/stdctrls.h"
#include "win/support/ui_test.h"

namespace {

// Client 400 x 300 at 96 DPI. Odd sizes on purpose: halves round away from zero at 144.
constexpr const char* kDescription = R"(
object Form1: TForm
  Left = 40
  Top = 30
  ClientWidth = 400
  ClientHeight = 300
  Caption = 'Scale'
  Font.Height = -12
  Font.Name = '宋体'
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 400
    Height = 41
    Align = alTop
    object Label1: TLabel
      Left = 8
      Top = 7
      Width = 150
      Height = 12
      Caption = 'Typing gjpqy 查询'
      Font.Color = clGreen
      Font.Height = -12
      Font.Name = '宋体'
      ParentFont = False
    end
    object Button1: TButton
      Left = 317
      Top = 9
      Width = 75
      Height = 23
      Anchors = [akTop, akRight]
      Caption = 'Go'
    end
  end
  object Edit1: TEdit
    Left = 11
    Top = 53
    Width = 161
    Height = 21
  end
  object Memo1: TMemo
    Left = 11
    Top = 85
    Width = 251
    Height = 151
    Anchors = [akLeft, akTop, akRight, akBottom]
  end
  object Button2: TButton
    Left = 313
    Top = 243
    Width = 75
    Height = 25
    Anchors = [akRight, akBottom]
    Caption = 'OK'
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 281
    Width = 400
    Height = 19
    Panels = <
      item
        Width = 121
      end
      item
        Width = 77
      end>
  end
end
)";

struct Design {
  const char* name;
  RECT bounds;  // left, top, width, height at 96 DPI
};

const Design kControls[] = {
    {"Panel1", {0, 0, 400, 41}},       {"Label1", {8, 7, 150, 12}},   {"Button1", {317, 9, 75, 23}},
    {"Edit1", {11, 53, 161, 21}},      {"Memo1", {11, 85, 251, 151}}, {"Button2", {313, 243, 75, 25}},
    {"StatusBar1", {0, 281, 400, 19}},
};

int Scaled(int value, int dpi) {
  return static_cast<int>(std::lround(value * dpi / 96.0));
}

TOwned<TForm> ReadForm() {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  ReadComponentText(form.get(), kDescription);
  return form;
}

TControl* Find(TForm& form, const char* name) {
  auto* c = dynamic_cast<TControl*>(form.FindComponent(name));
  EXPECT_NE(c, nullptr) << name;
  return c;
}

RECT ClientOf(TForm& form) {
  RECT r{};
  GetClientRect(form.Handle(), &r);
  return r;
}

RECT WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// Everything that must come back exactly after a scale change there and back.
struct Snapshot {
  std::vector<std::string> lines;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(TForm& form) {
  Snapshot s;
  s.lines.push_back("client " + RectText(ClientOf(form)) + " font " + std::to_string(form.Font()->Height()));
  for (const Design& d : kControls) {
    TControl* c = Find(form, d.name);
    s.lines.push_back(std::string(d.name) + " " + RectText(c->BoundsRect()) + " font " +
                      std::to_string(c->Font()->Height()));
  }
  auto* bar = static_cast<TStatusBar*>(Find(form, "StatusBar1"));
  s.lines.push_back("panels " + std::to_string(bar->Panel(0)->Width()) + " " + std::to_string(bar->Panel(1)->Width()));
  return s;
}

class ScaledWhenMade : public ::testing::TestWithParam<int> {};

TEST_P(ScaledWhenMade, ClientControlsAndFontsAreTheDesignTimesTheScale) {
  const int dpi = GetParam();
  TOwned<TForm> form = ReadForm();
  form->ScaleForDpi(dpi);
  form->Show();
  PumpMessages(30);
  EXPECT_EQ(form->CurrentDpi(), dpi);

  const RECT client = ClientOf(*form);
  EXPECT_NEAR(client.right, Scaled(400, dpi), 1);
  EXPECT_NEAR(client.bottom, Scaled(300, dpi), 1);
  for (const Design& d : kControls) {
    TControl* c = Find(*form, d.name);
    // Aligned controls take the client's width, which is itself rounded once.
    const int slack = d.bounds.right == 400 ? 2 : 1;
    EXPECT_NEAR(c->Left(), Scaled(d.bounds.left, dpi), 1) << d.name << " at " << dpi;
    EXPECT_NEAR(c->Top(), Scaled(d.bounds.top, dpi), 1) << d.name << " at " << dpi;
    EXPECT_NEAR(c->Width(), Scaled(d.bounds.right, dpi), slack) << d.name << " at " << dpi;
    EXPECT_NEAR(c->Height(), Scaled(d.bounds.bottom, dpi), 1) << d.name << " at " << dpi;
    EXPECT_EQ(c->CurrentDpi(), dpi) << d.name;
    // Windows are where their controls say.
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
      RECT r = WindowRectOf(w->Handle());
      MapWindowPoints(nullptr, GetParent(w->Handle()), reinterpret_cast<POINT*>(&r), 2);
      EXPECT_EQ(RectText(r), RectText(c->BoundsRect())) << d.name;
    }
  }
  // Fonts: the form's, one of its own (the label), one taken from the parent (the edit).
  EXPECT_EQ(form->Font()->Height(), -Scaled(12, dpi));
  EXPECT_EQ(Find(*form, "Label1")->Font()->Height(), -Scaled(12, dpi));
  EXPECT_EQ(Find(*form, "Edit1")->Font()->Height(), -Scaled(12, dpi));
  EXPECT_EQ(form->Font()->PixelsPerInch(), dpi);
  // Points are points at every scale.
  EXPECT_EQ(form->Font()->Size(), 9);
  form->Font()->SetSize(12);
  EXPECT_EQ(form->Font()->Height(), -Scaled(16, dpi));

  auto* bar = static_cast<TStatusBar*>(Find(*form, "StatusBar1"));
  EXPECT_EQ(bar->Panel(0)->Width(), Scaled(121, dpi));
  EXPECT_EQ(bar->Panel(1)->Width(), Scaled(77, dpi));
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledWhenMade, ::testing::Values(96, 120, 144, 192));

TEST(DpiChanged, ThereAndBackGivesTheStartExactlyAndTakesTheSuggestedRectangle) {
  TOwned<TForm> form = ReadForm();
  form->Show();
  PumpMessages(30);
  ASSERT_EQ(form->CurrentDpi(), 96);
  int changes = 0;
  form->OnDpiChanged = [&](TObject*) { ++changes; };
  // A skinner's view: the notification passes the replaceable dispatch method of each control.
  TControl* button = Find(*form, "Button2");
  std::vector<std::pair<WPARAM, LPARAM>> seen;
  const TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_DPICHANGED) seen.emplace_back(m.WParam, m.LParam);
    saved(m);
  };

  const Snapshot start = Take(*form);
  const RECT startRect = WindowRectOf(form->Handle());
  const RECT startClient = ClientOf(*form);
  const int frameW = (startRect.right - startRect.left) - startClient.right;
  const int frameH = (startRect.bottom - startRect.top) - startClient.bottom;

  // The system's rectangle for the new scale, somewhere else on the screen.
  const RECT suggested{startRect.left + 13, startRect.top + 7, startRect.left + 13 + 600 + frameW,
                       startRect.top + 7 + 450 + frameH};
  SendMessageW(form->Handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  PumpMessages(20);
  EXPECT_EQ(RectText(WindowRectOf(form->Handle())), RectText(suggested));
  EXPECT_EQ(form->CurrentDpi(), 144);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(form->Font()->Height(), -18);
  for (const Design& d : kControls) {
    TControl* c = Find(*form, d.name);
    EXPECT_NEAR(c->Left(), Scaled(d.bounds.left, 144), 1) << d.name;
    EXPECT_NEAR(c->Top(), Scaled(d.bounds.top, 144), 1) << d.name;
    EXPECT_NEAR(c->Width(), Scaled(d.bounds.right, 144), 2) << d.name;
    EXPECT_NEAR(c->Height(), Scaled(d.bounds.bottom, 144), 1) << d.name;
  }
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], (std::pair<WPARAM, LPARAM>(144, 96)));

  SendMessageW(form->Handle(), 0x02E0, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&startRect));
  PumpMessages(20);
  EXPECT_EQ(RectText(WindowRectOf(form->Handle())), RectText(startRect));
  EXPECT_EQ(form->CurrentDpi(), 96);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Take(*form).lines, start.lines);

  // Through 120 and 192 and back: still no drift.
  for (int dpi : {120, 192, 144, 96}) {
    RECT r = startRect;
    r.right = r.left + Scaled(400, dpi) + frameW;
    r.bottom = r.top + Scaled(300, dpi) + frameH;
    if (dpi == 96) r = startRect;
    SendMessageW(form->Handle(), 0x02E0, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
  }
  PumpMessages(20);
  EXPECT_EQ(Take(*form).lines, start.lines);
  button->WindowProc = saved;
}

TEST(DpiScaledForm, ControlsAddedByCodeJoinTheFormsScale) {
  TOwned<TForm> form = ReadForm();
  form->ScaleForDpi(144);
  form->Show();
  PumpMessages(20);

  // Made in design units, then given to the scaled form: bounds and an own font scale.
  auto* button = new TButton(form.get());
  button->SetBounds(10, 201, 75, 25);
  button->Font()->SetHeight(-12);
  button->SetParent(form.get());
  EXPECT_EQ(RectText(button->BoundsRect()), RectText(RECT{15, 302, 15 + 113, 302 + 38}));
  EXPECT_EQ(button->Font()->Height(), -18);
  RECT r = WindowRectOf(button->Handle());
  MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(RectText(r), RectText(button->BoundsRect()));

  // A whole tree made by code: the panel and the list view in it, with its columns.
  auto* panel = new TPanel(form.get());
  panel->SetBounds(200, 120, 181, 101);
  auto* list = new TListView(form.get());
  list->SetBounds(5, 5, 171, 91);
  list->SetParent(panel);
  list->Columns()->Add()->SetWidth(61);
  list->Columns()->Add()->SetWidth(99);
  auto* label = new TLabel(form.get());
  label->SetBounds(3, 3, 41, 13);
  label->SetParent(panel);
  panel->SetParent(form.get());
  EXPECT_EQ(RectText(panel->BoundsRect()), RectText(RECT{300, 180, 300 + 272, 180 + 152}));
  EXPECT_EQ(RectText(list->BoundsRect()), RectText(RECT{8, 8, 8 + 257, 8 + 137}));
  EXPECT_EQ(RectText(label->BoundsRect()), RectText(RECT{5, 5, 5 + 62, 5 + 20}));
  EXPECT_EQ(list->Columns()->Items(0)->Width(), 92);
  EXPECT_EQ(list->Columns()->Items(1)->Width(), 149);
  EXPECT_EQ(label->Font()->Height(), form->Font()->Height());

  // Bounds set once the control has its parent are the parent's pixels.
  button->SetBounds(20, 20, 100, 30);
  EXPECT_EQ(RectText(button->BoundsRect()), RectText(RECT{20, 20, 120, 50}));
}

TEST(DpiScaledForm, AnchorsKeepTheirDistancesAtTheScale) {
  for (int dpi : {120, 144, 192}) {
    TOwned<TForm> form = ReadForm();
    form->ScaleForDpi(dpi);
    form->Show();
    PumpMessages(20);
    // Grow the client by 60 x 40 pixels of the scale.
    const RECT client = ClientOf(*form);
    form->SetClientSize(client.right + 60, client.bottom + 40);
    PumpMessages(20);
    const RECT grown = ClientOf(*form);
    ASSERT_EQ(grown.right, client.right + 60);

    // Right and bottom: distances to the client's edges as designed, scaled.
    TControl* ok = Find(*form, "Button2");
    EXPECT_NEAR(grown.right - (ok->Left() + ok->Width()), Scaled(400 - 388, dpi), 1) << dpi;
    EXPECT_NEAR(grown.bottom - (ok->Top() + ok->Height()), Scaled(300 - 268, dpi), 1) << dpi;
    EXPECT_NEAR(ok->Width(), Scaled(75, dpi), 1) << dpi;
    // All four: stretched by exactly what the client grew.
    TControl* memo = Find(*form, "Memo1");
    EXPECT_NEAR(memo->Left(), Scaled(11, dpi), 1) << dpi;
    EXPECT_NEAR(memo->Width(), Scaled(251, dpi) + 60, 1) << dpi;
    EXPECT_NEAR(memo->Height(), Scaled(151, dpi) + 40, 1) << dpi;
    // Inside the top panel, which grew in width only.
    TControl* go = Find(*form, "Button1");
    TControl* panel = Find(*form, "Panel1");
    EXPECT_NEAR(panel->ClientWidth() - (go->Left() + go->Width()), Scaled(400 - 392, dpi), 1) << dpi;
    EXPECT_NEAR(go->Top(), Scaled(9, dpi), 1) << dpi;
  }
}

// A 32-bit white bitmap with room above and below a band of the label's height; ink is what
// differs from the paper.
class TInkProbe {
public:
  static constexpr int kMargin = 20;
  TInkProbe(int width, int height) : FWidth(width), FHeight(height + 2 * kMargin) {
    const BITMAPINFO info = TopDownDibInfo(FWidth, FHeight);
    FBitmap = TBitmapHandle(CreateDIBSection(FDC, &info, DIB_RGB_COLORS, &FBits, nullptr, 0));
    FOld = SelectObject(FDC, FBitmap.Get());
    const RECT all{0, 0, FWidth, FHeight};
    FillRect(FDC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetViewportOrgEx(FDC, 0, kMargin, nullptr);
  }
  ~TInkProbe() { SelectObject(FDC, FOld); }
  HDC Get() const { return FDC; }
  std::uint32_t At(int x, int y) const {
    GdiFlush();
    return static_cast<const std::uint32_t*>(FBits)[static_cast<size_t>(y + kMargin) * FWidth + x] & 0xFFFFFF;
  }
  // Rows (band coordinates) with any pixel other than paper.
  std::vector<int> InkRows(std::uint32_t paperInBand, int bandHeight) const {
    std::vector<int> rows;
    for (int y = -kMargin; y < FHeight - kMargin; ++y) {
      const std::uint32_t paper = y >= 0 && y < bandHeight ? paperInBand : 0xFFFFFF;
      for (int x = 0; x < FWidth; ++x) {
        if (At(x, y) != paper) {
          rows.push_back(y);
          break;
        }
      }
    }
    return rows;
  }

private:
  int FWidth, FHeight;
  TMemoryDC FDC;
  TBitmapHandle FBitmap;
  void* FBits = nullptr;
  HGDIOBJ FOld = nullptr;
};

TEST(DpiScaledForm, LabelTextKeepsAllItsInkInsideTheLabelAtEveryScale) {
  for (int dpi : {96, 120, 144, 192}) {
    TOwned<TForm> form = ReadForm();
    form->ScaleForDpi(dpi);
    form->Show();
    PumpMessages(20);
    auto* label = static_cast<TLabel*>(Find(*form, "Label1"));
    const int w = label->Width(), h = label->Height();
    ASSERT_EQ(h, Scaled(12, dpi));

    // The label paints itself into the band; the text would be cut at the band's edges.
    TInkProbe painted(w, h);
    label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(painted.Get()), 0);
    // The same caption with the font the label painted with, nowhere cut.
    TInkProbe free(w, h);
    const LOGFONTW font = label->Canvas().Font().LogFont();
    TFontHandle handle(CreateFontIndirectW(&font));
    TSelectObject select(free.Get(), handle.Get());
    SetBkMode(free.Get(), TRANSPARENT);
    SetTextColor(free.Get(), RGB(0, 128, 0));
    RECT r{0, 0, w, h};
    const std::wstring caption = label->Caption();
    DrawTextW(free.Get(), caption.c_str(), static_cast<int>(caption.size()), &r, label->TextFormat() | DT_NOCLIP);
    std::vector<int> whole = free.InkRows(0xFFFFFF, h);
    ASSERT_FALSE(whole.empty()) << dpi;

    // The label shows all of that ink (the same rows, wherever it placed them), inside itself,
    // at no less than all but a pixel of the font it was given.
    const std::vector<int> shown = painted.InkRows(painted.At(w - 1, 0), h);
    ASSERT_FALSE(shown.empty()) << dpi;
    EXPECT_GE(shown.front(), 0) << "ink above the label at " << dpi;
    EXPECT_LT(shown.back(), h) << "ink below the label at " << dpi;
    const int moved = shown.front() - whole.front();
    for (int& row : whole) row += moved;
    EXPECT_EQ(shown, whole) << "ink cut off at " << dpi;
    EXPECT_GE(-font.lfHeight, -label->Font()->Height() - 1) << dpi;
  }
}

}  // namespace
