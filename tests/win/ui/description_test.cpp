// A form read from its description: every control kind, alignment and anchoring (also after
// resizing), texts, tab order, Loaded, and the errors of bad descriptions.
#include <gtest/gtest.h>

#include <fstream>

#include "base/codec.h"
#include "win/support/ui_test.h"
#include "ui/bitmap.h"
#include "ui/dialogs.h"
#include "ui/extctrls.h"
#include "ui/imagelist.h"
#include "ui/menus.h"
#include "ui/pagecontrol.h"
#include "ui/statusbar.h"
#include "ui/stdctrls.h"

namespace {

// Records Loaded calls so the test can see they come after every property was read.
class TProbe : public TComponent {
  CORVANA_CLASS(TProbe)

public:
  explicit TProbe(TComponent* owner) : TComponent(owner) {}
  void Loaded() override {
    TComponent::Loaded();
    auto* memo = dynamic_cast<TMemo*>(Owner()->FindComponent("Memo2"));
    MemoTextAtLoaded = memo ? memo->Lines()->Count() : -1;
    ++LoadedCalls;
  }
  int Value() const { return FValue; }
  void SetValue(int v) { FValue = v; }
  int LoadedCalls = 0;
  int MemoTextAtLoaded = -2;
  std::vector<std::uint8_t> Data;

private:
  int FValue = 0;
};

const TClassInfo& TProbe::StaticClassInfo() {
  static const TClassInfo info(
      "TProbe", &TComponent::StaticClassInfo(),
      [] {
        std::vector<TPropInfo> props = {props::Integer<TProbe>("Value", &TProbe::Value, &TProbe::SetValue)};
        TPropInfo data;
        data.Name = "Data";
        data.Kind = TPropKind::Binary;
        data.ReadBinary = [](TPersistent& o, TStream& s) {
          auto& probe = static_cast<TProbe&>(o);
          probe.Data.resize(static_cast<size_t>(s.Size()));
          s.ReadBuffer(probe.Data.data(), s.Size());
        };
        data.WriteBinary = [](TPersistent& o, TStream& s) {
          auto& probe = static_cast<TProbe&>(o);
          s.WriteBuffer(probe.Data.data(), static_cast<std::int64_t>(probe.Data.size()));
        };
        props.push_back(data);
        return props;
      }(),
      [](TComponent* owner) { return new TProbe(owner); });
  return info;
}

class TTestForm : public TForm {
  CORVANA_CLASS(TTestForm)

public:
  explicit TTestForm(TComponent* owner) : TForm(owner) {}
  TNotifyEvent FindMethod(std::string_view name) override {
    if (name == "Button1Click") return [this](TObject*) { ++Clicks; };
    if (name == "FormCreate") return [this](TObject*) { ++Creates; };
    return nullptr;
  }
  int Clicks = 0;
  int Creates = 0;
};

const TClassInfo& TTestForm::StaticClassInfo() {
  static const TClassInfo info("TTestForm", &TForm::StaticClassInfo(), {});
  return info;
}

const char* kDescription = R"(object TestForm: TTestForm
  Left = 120
  Top = 90
  Width = 408
  Height = 332
  Caption = '测试窗口 '#8212' Corvana'
  Color = clBtnFace
  Font.Charset = 0
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  OnCreate = FormCreate
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 400
    Height = 279
    ActivePage = TabSheet1
    Align = alClient
    TabOrder = 0
    object TabSheet1: TTabSheet
      Caption = 'IP/域名 查询'
      object Panel1: TPanel
        Left = 0
        Top = 0
        Width = 392
        Height = 20
        Align = alTop
        BevelOuter = bvNone
        TabOrder = 3
        object Label1: TLabel
          Left = 4
          Top = 4
          Width = 80
          Height = 12
          Anchors = [akLeft]
          Caption = '列表'
        end
      end
      object Panel2: TPanel
        Left = 0
        Top = 215
        Width = 392
        Height = 36
        Align = alBottom
        TabOrder = 2
        object Button1: TButton
          Left = 160
          Top = 6
          Width = 62
          Height = 24
          Anchors = []
          Caption = '查询'
          Default = True
          TabOrder = 0
          OnClick = Button1Click
        end
        object Button2: TButton
          Left = 320
          Top = 6
          Width = 62
          Height = 24
          Anchors = [akTop, akRight]
          Caption = '保存'
          TabOrder = 1
        end
      end
      object Memo1: TMemo
        Left = 0
        Top = 20
        Width = 120
        Height = 195
        Align = alLeft
        BorderStyle = bsNone
        BevelKind = bkTile
        ScrollBars = ssVertical
        TabOrder = 1
      end
      object Memo2: TMemo
        Left = 120
        Top = 20
        Width = 272
        Height = 195
        Align = alClient
        Lines.Strings = (
          'first'
          '第二行')
        ScrollBars = ssVertical
        TabOrder = 0
      end
      object Edit1: TEdit
        Left = 200
        Top = 60
        Width = 100
        Height = 20
        Text = '1.0.20100523'
        Visible = False
        TabOrder = 4
      end
    end
    object TabSheet2: TTabSheet
      Caption = '数据库'
    end
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 279
    Width = 400
    Height = 19
    Panels = <
      item
        Width = 120
      end
      item
        Width = 150
        Text = '第二'
      end
      item
        Width = 50
        Text = 'three'
      end>
  end
  object Probe1: TProbe
    Value = $20
    Data = {00 01 FE FF}
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = 'txt'
    Filter = '文本文件|*.txt|所有文件|*.*'
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 250
  end
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '文件(&F)'
      object Exit1: TMenuItem
        Caption = '退出'
        ShortCut = 16465
      end
    end
  end
end
)";

class DescriptionTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    RegisterComponentClass(TProbe::StaticClassInfo());
    form.reset(new TTestForm(nullptr));
    ReadComponentText(form.get(), kDescription);
    form->DoCreate();
  }
  template <class T>
  T* Find(const char* name) {
    T* c = form->FindComponentAs<T>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  TOwned<TTestForm> form;
};

TEST_F(DescriptionTest, ReadsEveryControlWithItsProperties) {
  EXPECT_EQ(form->Caption(), L"测试窗口 — Corvana");
  EXPECT_EQ(form->Creates, 1);
  EXPECT_EQ(form->Font()->Name(), L"宋体");
  EXPECT_EQ(form->Font()->Height(), -12);
  auto* pages = Find<TPageControl>("PageControl1");
  auto* sheet1 = Find<TTabSheet>("TabSheet1");
  EXPECT_EQ(pages->ActivePage(), sheet1);
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(sheet1->Parent(), pages);
  EXPECT_EQ(Find<TButton>("Button1")->Parent(), Find<TPanel>("Panel2"));
  EXPECT_TRUE(Find<TButton>("Button1")->Default());
  EXPECT_EQ(Find<TButton>("Button1")->Anchors(), 0u);
  EXPECT_EQ(Find<TMemo>("Memo2")->Lines()->ToVector(), (std::vector<std::wstring>{L"first", L"第二行"}));
  EXPECT_EQ(Find<TMemo>("Memo1")->BevelKind(), TBevelKind::bkTile);
  EXPECT_FALSE(Find<TEdit>("Edit1")->Visible());
  auto* status = Find<TStatusBar>("StatusBar1");
  ASSERT_EQ(status->Panels()->Count(), 3);
  EXPECT_EQ(status->Panel(1)->Text(), L"第二");
  EXPECT_EQ(status->Panel(2)->Width(), 50);
  EXPECT_EQ(Find<TSaveDialog>("SaveDialog1")->Filter(), L"文本文件|*.txt|所有文件|*.*");
  EXPECT_EQ(Find<TTimer>("Timer1")->Interval(), 250);
  auto* probe = Find<TProbe>("Probe1");
  EXPECT_EQ(probe->Value(), 32);
  EXPECT_EQ(probe->Data, (std::vector<std::uint8_t>{0, 1, 0xFE, 0xFF}));
  // Loaded ran once, after the memo further down had its lines.
  EXPECT_EQ(probe->LoadedCalls, 1);
  EXPECT_EQ(probe->MemoTextAtLoaded, 2);
  auto* menu = Find<TMainMenu>("MainMenu1");
  ASSERT_EQ(menu->Items()->Count(), 1);
  EXPECT_EQ(menu->Items()->Items(0)->Items(0)->ShortCut(), 16465);
  // The handler named in the description is bound to the button.
  Find<TButton>("Button1")->Click();
  EXPECT_EQ(form->Clicks, 1);
}

TEST_F(DescriptionTest, LaysOutByAlignmentAndAnchorsAlsoAfterResizing) {
  form->Show();
  PumpMessages(50);
  auto* pages = Find<TPageControl>("PageControl1");
  auto* status = Find<TStatusBar>("StatusBar1");
  auto* sheet = Find<TTabSheet>("TabSheet1");
  auto* panel1 = Find<TPanel>("Panel1");
  auto* panel2 = Find<TPanel>("Panel2");
  auto* memo1 = Find<TMemo>("Memo1");
  auto* memo2 = Find<TMemo>("Memo2");
  auto* button1 = Find<TButton>("Button1");
  auto* button2 = Find<TButton>("Button2");

  auto check = [&] {
    const RECT client = form->ClientRect();
    EXPECT_EQ(RectText(status->BoundsRect()), RectText(RECT{0, client.bottom - 19, client.right, client.bottom}));
    EXPECT_EQ(RectText(pages->BoundsRect()), RectText(RECT{0, 0, client.right, client.bottom - 19}));
    RECT display = pages->ClientRect();
    SendMessageW(pages->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_EQ(RectText(sheet->BoundsRect()), RectText(display));
    const int w = display.right - display.left, h = display.bottom - display.top;
    EXPECT_EQ(RectText(panel1->BoundsRect()), RectText(RECT{0, 0, w, 20}));
    EXPECT_EQ(RectText(panel2->BoundsRect()), RectText(RECT{0, h - 36, w, h}));
    EXPECT_EQ(RectText(memo1->BoundsRect()), RectText(RECT{0, 20, 120, h - 36}));
    EXPECT_EQ(RectText(memo2->BoundsRect()), RectText(RECT{120, 20, w, h - 36}));
    // Right-anchored: keeps its distance to the panel's right edge (design width 392).
    EXPECT_EQ(button2->Left(), 320 + (w - 392));
    // Not anchored: its centre keeps its proportional place.
    EXPECT_EQ(button1->Left(), static_cast<int>((2ll * 160 + 62) * w / (2 * 392)) - 31);
    EXPECT_EQ(button1->Top(), 6);
    // The real windows are where the controls say.
    RECT r{};
    GetWindowRect(button2->Handle(), &r);
    MapWindowPoints(nullptr, panel2->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(RectText(r), RectText(button2->BoundsRect()));
  };
  check();
  form->SetBounds(form->Left(), form->Top(), 640, 480);
  PumpMessages(50);
  check();
  form->SetBounds(form->Left(), form->Top(), 300, 260);
  PumpMessages(50);
  check();
}

TEST_F(DescriptionTest, TextsReachTheWindowsAndTabOrderFollowsTheDescription) {
  form->Show();
  PumpMessages(50);
  auto* pages = Find<TPageControl>("PageControl1");
  wchar_t buffer[64]{};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = 64;
  SendMessageW(pages->Handle(), TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(buffer, L"数据库");
  GetWindowTextW(Find<TButton>("Button2")->Handle(), buffer, 64);
  EXPECT_STREQ(buffer, L"保存");
  GetWindowTextW(form->Handle(), buffer, 64);
  EXPECT_STREQ(buffer, L"测试窗口 — Corvana");
  SendMessageW(Find<TStatusBar>("StatusBar1")->Handle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(buffer));
  EXPECT_STREQ(buffer, L"第二");

  std::vector<TWinControl*> order;
  Find<TTabSheet>("TabSheet1")->GetTabOrderList(order);
  std::vector<std::string> names;
  for (TWinControl* c : order) names.push_back(c->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Memo2", "Memo1", "Panel2", "Button1", "Button2", "Panel1", "Edit1"}));

  // Tab moves the focus along that order, skipping what cannot take it.
  Find<TMemo>("Memo2")->SetFocus();
  PumpMessages(20);
  form->SelectNext(Find<TMemo>("Memo2"), true, true);
  EXPECT_EQ(ControlOfWindow(GetFocus()), Find<TMemo>("Memo1"));
  form->SelectNext(Find<TMemo>("Memo1"), true, true);
  EXPECT_EQ(ControlOfWindow(GetFocus()), Find<TButton>("Button1"));

  // Switching pages hides one sheet and shows the other.
  Find<TPageControl>("PageControl1")->SetActivePage(Find<TTabSheet>("TabSheet2"));
  EXPECT_FALSE(IsWindowVisible(Find<TTabSheet>("TabSheet1")->Handle()));
  EXPECT_TRUE(IsWindowVisible(Find<TTabSheet>("TabSheet2")->Handle()));
}

TEST_F(DescriptionTest, ScreenshotForPeopleToLookAtShowsTheControlsWhereTheyAre) {
  form->Show();
  SetForegroundWindow(form->Handle());
  PumpMessages(100);
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  TBitmap shot(r.right - r.left, r.bottom - r.top);
  {
    TWindowDC screen(nullptr);
    BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
  }
  {
    TFileStream out("ui-test-form.bmp", TFileMode::Create);
    shot.SaveToStream(out);
  }
  // The saved picture reads back at the window's size and shows a memo's white page and a
  // panel's face colour at their places.
  TFileStream in("ui-test-form.bmp", TFileMode::OpenRead);
  TBitmap back(1, 1);
  back.LoadFromStream(in);
  ASSERT_EQ(back.Width(), r.right - r.left);
  ASSERT_EQ(back.Height(), r.bottom - r.top);
  auto at = [&](TControl* control, int x, int y) {
    POINT p = control->ClientToScreen(POINT{x, y});
    return back.Canvas().Pixel(p.x - r.left, p.y - r.top);
  };
  auto* memo = Find<TMemo>("Memo2");
  EXPECT_EQ(at(memo, memo->ClientWidth() - 5, memo->ClientHeight() - 5), GetSysColor(COLOR_WINDOW));
  auto* panel = Find<TPanel>("Panel2");
  EXPECT_EQ(at(panel, 3, 3), GetSysColor(COLOR_BTNFACE));
}

struct BadCase {
  const char* text;
  int line;
  const char* words;
};

TEST(Descriptions, BadOnesAreRejectedNamingTheLine) {
  TestApplication();
  const BadCase cases[] = {
      {"object F: TTestForm\n  Bogus = 1\nend\n", 2, "no property Bogus"},
      {"object F: TTestForm\n  Left = 'x'\nend\n", 2, "needs a number"},
      {"object F: TTestForm\n  object B: TNoSuchClass\n  end\nend\n", 2, "unknown class TNoSuchClass"},
      {"object F: TTestForm\n\n  Position = poNowhere\nend\n", 3, "poNowhere"},
      {"object F: TTestForm\n  BorderIcons = [biNothing]\nend\n", 2, "biNothing"},
      {"object F: TTestForm\n  OnCreate = NoHandler\nend\n", 2, "no handler NoHandler"},
      {"object F: TTestForm\n  ActiveControl = Missing\nend\n", 2, "no component named Missing"},
      {"object F: TTestForm\n  Caption = 'open\nend\n", 2, "closing quote"},
      {"object F: TTestForm\n  Left = 1\n", 3, "missing \"end\""},
      {"object F: TForm\nend\n", 1, "not TTestForm"},
      {"object F: TTestForm\n  object B: TButton\n    object C: TButton\n    end\n  end\nend\n", 3,
       "cannot be placed"},
  };
  for (const BadCase& c : cases) {
    TOwned<TTestForm> form(new TTestForm(nullptr));
    try {
      ReadComponentText(form.get(), c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const Exception& e) {
      EXPECT_NE(e.Message().find("line " + std::to_string(c.line) + ":"), std::string::npos) << e.Message();
      EXPECT_NE(e.Message().find(c.words), std::string::npos) << e.Message();
    }
  }
}

TEST(Descriptions, WrittenTreeReadsBackTheSame) {
  TestApplication();
  RegisterComponentClass(TProbe::StaticClassInfo());
  TOwned<TTestForm> form(new TTestForm(nullptr));
  ReadComponentText(form.get(), kDescription);
  const std::string written = WriteFormText(WriteComponentTree(form.get()));
  TOwned<TTestForm> again(new TTestForm(nullptr));
  ReadComponentText(again.get(), written);
  EXPECT_EQ(WriteFormText(WriteComponentTree(again.get())), written);
  EXPECT_EQ(again->FindComponentAs<TProbe>("Probe1")->Data, (std::vector<std::uint8_t>{0, 1, 0xFE, 0xFF}));
  EXPECT_EQ(again->FindComponentAs<TMemo>("Memo2")->Lines()->Count(), 2);
}

TEST(Resources, NoGdiObjectsLeakAcrossForms) {
  TestApplication();
  RegisterComponentClass(TProbe::StaticClassInfo());
  const long before = GdiObjectCount();
  for (int i = 0; i < 1; ++i) {
    TOwned<TTestForm> form(new TTestForm(nullptr));
    ReadComponentText(form.get(), kDescription);
    form->Show();
    PumpMessages(20);
  }
  const long warm = GdiObjectCount();
  for (int i = 0; i < 4; ++i) {
    TOwned<TTestForm> form(new TTestForm(nullptr));
    ReadComponentText(form.get(), kDescription);
    form->Show();
    PumpMessages(20);
    TBitmap bitmap(40, 20);
    bitmap.Canvas().Font().Assign(*form->Font());
    bitmap.Canvas().TextOut(0, 0, L"字");
  }
  EXPECT_LE(GdiObjectCount(), warm + 2) << "before " << before << ", warm " << warm;
}

}  // namespace
