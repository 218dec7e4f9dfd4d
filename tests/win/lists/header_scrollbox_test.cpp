// The header control and the scroll box under Wine: sections clicked and dragged with the real
// mouse messages, bars that come and go with the children, scroll requests and the wheel moving
// the children by the right number of pixels, and form descriptions.
#include <gtest/gtest.h>

#include "ui/form.h"
#include "ui/headercontrol.h"
#include "ui/scrollbox.h"
#include "ui/stdctrls.h"
#include "win/support/ui_test.h"

namespace {

class HeaderScrollBoxTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    form.reset(new TForm(nullptr));
    form->SetBounds(40, 40, 520, 400);
    form->Show();
  }
  TOwned<TForm> form;
};

THeaderSection* AddSection(THeaderControl& header, const std::wstring& text, int width, TAlignment alignment,
                           int minWidth = 0) {
  THeaderSection* section = header.Sections()->Add();
  section->SetText(text);
  section->SetMinWidth(minWidth);
  section->SetWidth(width);
  section->SetAlignment(alignment);
  return section;
}

int ItemWidth(HWND header, int index) {
  HDITEMW item{};
  item.mask = HDI_WIDTH | HDI_FORMAT;
  SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return item.cxy;
}

int ItemFormat(HWND header, int index) {
  HDITEMW item{};
  item.mask = HDI_FORMAT;
  SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return item.fmt;
}

void Drag(HWND window, int fromX, int toX, int y) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(fromX, y));
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((fromX + toX) / 2, y));
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(toX, y));
}

TEST_F(HeaderScrollBoxTest, HeaderSectionsAreClickedAndResizedByTheUser) {
  auto* header = new THeaderControl(form.get());
  AddSection(*header, L"地址", 100, TAlignment::taLeftJustify);
  AddSection(*header, L"次数", 100, TAlignment::taRightJustify, 60);
  AddSection(*header, L"地区", 120, TAlignment::taCenter);
  header->SetParent(form.get());
  const HWND h = header->Handle();

  // Aligned to the top of its parent across the whole width.
  EXPECT_EQ(header->Top(), 0);
  EXPECT_EQ(header->Width(), form->ClientWidth());
  ASSERT_EQ(SendMessageW(h, HDM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(ItemFormat(h, 0) & HDF_JUSTIFYMASK, HDF_LEFT);
  EXPECT_EQ(ItemFormat(h, 1) & HDF_JUSTIFYMASK, HDF_RIGHT);
  EXPECT_EQ(ItemFormat(h, 2) & HDF_JUSTIFYMASK, HDF_CENTER);
  wchar_t text[32] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = 32;
  SendMessageW(h, HDM_GETITEMW, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"地区");

  std::vector<THeaderSection*> clicked, resized;
  header->OnSectionClick = [&](THeaderControl*, THeaderSection* s) { clicked.push_back(s); };
  header->OnSectionResize = [&](THeaderControl* sender, THeaderSection* s) {
    EXPECT_EQ(sender, header);
    resized.push_back(s);
  };
  const int y = header->Height() / 2;
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(260, y));
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(260, y));
  ASSERT_EQ(clicked.size(), 1u);
  EXPECT_EQ(clicked[0], header->Section(2));

  // Pressed one pixel left of the first divider and let go 40 pixels to the right.
  Drag(h, 99, 139, y);
  ASSERT_EQ(resized.size(), 1u);
  EXPECT_EQ(resized[0], header->Section(0));
  EXPECT_EQ(header->Section(0)->Width(), 140);
  EXPECT_EQ(ItemWidth(h, 0), 140);
  EXPECT_EQ(header->Section(1)->Left(), 140);
  EXPECT_TRUE(clicked.size() == 1u);  // a drag is no click

  // The second section may not become narrower than its 60 pixels.
  Drag(h, 239, 160, y);
  ASSERT_EQ(resized.size(), 2u);
  EXPECT_EQ(resized[1], header->Section(1));
  EXPECT_EQ(header->Section(1)->Width(), 60);
  EXPECT_EQ(ItemWidth(h, 1), 60);

  // The widths the user chose survive a new window.
  header->RecreateWnd();
  EXPECT_EQ(ItemWidth(header->Handle(), 0), 140);
  EXPECT_EQ(ItemWidth(header->Handle(), 1), 60);
}

class ScrollBoxTest : public HeaderScrollBoxTest {
protected:
  // A borderless box of a known client size with one button inside.
  void MakeBox() {
    box = new TScrollBox(form.get());
    box->SetBorderStyle(TBorderStyle::bsNone);
    box->SetParent(form.get());
    box->SetBounds(10, 10, 200, 150);
    button = new TButton(form.get());
    button->SetParent(box);
    button->SetBounds(10, 10, 50, 20);
  }
  SCROLLINFO Info(int bar) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(box->Handle(), bar, &info);
    return info;
  }
  LONG_PTR Style() { return GetWindowLongPtrW(box->Handle(), GWL_STYLE); }
  RECT ButtonPlace() {
    RECT r{};
    GetWindowRect(button->Handle(), &r);
    MapWindowPoints(nullptr, box->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  TScrollBox* box = nullptr;
  TButton* button = nullptr;
};

TEST_F(ScrollBoxTest, BarsAppearOnlyWhenChildrenReachPastTheClientArea) {
  MakeBox();
  EXPECT_EQ(Style() & (WS_HSCROLL | WS_VSCROLL), 0);
  EXPECT_EQ(GetWindowLongPtrW(box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);

  button->SetTop(300);  // below the view: only the vertical bar
  EXPECT_NE(Style() & WS_VSCROLL, 0);
  EXPECT_EQ(Style() & WS_HSCROLL, 0);
  SCROLLINFO v = Info(SB_VERT);
  EXPECT_EQ(v.nMin, 0);
  EXPECT_EQ(v.nMax, 319);
  EXPECT_EQ(v.nPage, 150u);
  EXPECT_EQ(box->VertScrollBar()->Range(), 320);

  auto* wide = new TButton(form.get());
  wide->SetParent(box);
  wide->SetBounds(400, 20, 50, 20);  // and right of it: both bars, each narrowing the other's page
  EXPECT_NE(Style() & WS_HSCROLL, 0);
  const SCROLLINFO h = Info(SB_HORZ);
  EXPECT_EQ(h.nMax, 449);
  EXPECT_EQ(static_cast<int>(h.nPage), 200 - GetSystemMetrics(SM_CXVSCROLL));
  v = Info(SB_VERT);
  EXPECT_EQ(static_cast<int>(v.nPage), 150 - GetSystemMetrics(SM_CYHSCROLL));

  wide->Free();
  button->SetTop(10);
  EXPECT_EQ(Style() & (WS_HSCROLL | WS_VSCROLL), 0);

  box->SetBorderStyle(TBorderStyle::bsSingle);
  EXPECT_NE(GetWindowLongPtrW(box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(FindPropInfo(box, "BorderStyle")->ValueText(*box), "bsSingle");
}

TEST_F(ScrollBoxTest, ScrollRequestsMoveTheChildrenByTheirPixels) {
  MakeBox();
  button->SetTop(300);
  auto* label = new TLabel(form.get());  // windowless children move too
  label->SetParent(box);
  label->SetBounds(20, 100, 60, 16);
  const HWND b = box->Handle();
  auto scroll = [&](WORD request, WORD position = 0) { SendMessageW(b, WM_VSCROLL, MAKEWPARAM(request, position), 0); };

  scroll(SB_LINEDOWN);  // 8 pixels a line
  EXPECT_EQ(box->VertScrollBar()->Position(), 8);
  EXPECT_EQ(GetScrollPos(b, SB_VERT), 8);
  EXPECT_EQ(ButtonPlace().top, 292);
  EXPECT_EQ(button->Top(), 292);
  EXPECT_EQ(label->Top(), 92);

  scroll(SB_PAGEDOWN);  // a page is the client height, 150
  EXPECT_EQ(button->Top(), 142);
  scroll(SB_PAGEDOWN);  // held at the end: 320 - 150
  EXPECT_EQ(box->VertScrollBar()->Position(), 170);
  EXPECT_EQ(ButtonPlace().top, 130);
  scroll(SB_LINEUP);
  EXPECT_EQ(button->Top(), 138);

  scroll(SB_THUMBPOSITION, 100);
  EXPECT_EQ(button->Top(), 200);
  EXPECT_EQ(label->Top(), 0);
  scroll(SB_THUMBTRACK, 40);
  EXPECT_EQ(button->Top(), 260);
  scroll(SB_BOTTOM);
  EXPECT_EQ(button->Top(), 130);
  scroll(SB_TOP);
  EXPECT_EQ(button->Top(), 300);
  EXPECT_EQ(label->Top(), 100);
  scroll(SB_LINEUP);  // already at the top
  EXPECT_EQ(button->Top(), 300);

  // The wheel: a notch away from the user scrolls up, towards the user down, by the user's
  // setting of lines per notch; half notches add up.
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  ASSERT_NE(lines, static_cast<UINT>(WHEEL_PAGESCROLL));
  const int step = static_cast<int>(lines) * 8;
  SendMessageW(b, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(button->Top(), 300 - step);
  SendMessageW(b, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA / 2)), 0);
  EXPECT_EQ(button->Top(), 300 - step);
  SendMessageW(b, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA / 2)), 0);
  EXPECT_EQ(button->Top(), 300 - 2 * step);
  SendMessageW(b, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(button->Top(), 300 - step);

  // The wheel turned over a child reaches the box through the child's default handling.
  SendMessageW(button->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(button->Top(), 300);
}

TEST_F(ScrollBoxTest, ResizingKeepsTheBarsAndTheViewRight) {
  MakeBox();
  button->SetBounds(10, 300, 50, 20);
  box->VertScrollBar()->SetPosition(170);  // the end
  EXPECT_EQ(button->Top(), 130);

  // Taller: the end of the content moves up, so the view follows it.
  box->SetHeight(250);
  EXPECT_EQ(box->VertScrollBar()->Position(), 70);
  EXPECT_EQ(button->Top(), 230);
  EXPECT_EQ(Info(SB_VERT).nPage, 250u);
  EXPECT_EQ(Info(SB_VERT).nPos, 70);

  // Tall enough for everything: no bar, and the child is back where it was put.
  box->SetHeight(400);
  EXPECT_EQ(Style() & WS_VSCROLL, 0);
  EXPECT_EQ(box->VertScrollBar()->Position(), 0);
  EXPECT_EQ(button->Top(), 300);
  EXPECT_EQ(ButtonPlace().top, 300);

  // The view survives a new window.
  box->SetHeight(150);
  box->VertScrollBar()->SetPosition(50);
  box->SetBorderStyle(TBorderStyle::bsSingle);
  EXPECT_EQ(box->VertScrollBar()->Position(), 50);
  EXPECT_EQ(Info(SB_VERT).nPos, 50);
  EXPECT_EQ(ButtonPlace().top, 250);
}

TEST_F(HeaderScrollBoxTest, DescriptionsMakeHeadersAndScrollBoxes) {
  ReadComponentText(form.get(), R"(object Form1: TForm
  Width = 500
  Height = 300
  object HeaderControl1: THeaderControl
    Sections = <
      item
        Text = '甲'
        Width = 80
      end
      item
        Alignment = taRightJustify
        MinWidth = 40
        Text = '乙'
        Width = 90
      end>
  end
  object ScrollBox1: TScrollBox
    Left = 8
    Top = 40
    Width = 200
    Height = 100
    BorderStyle = bsNone
    VertScrollBar.Increment = 5
    object Edit1: TEdit
      Left = 4
      Top = 250
    end
  end
end
)");
  auto* header = dynamic_cast<THeaderControl*>(form->FindComponent("HeaderControl1"));
  ASSERT_NE(header, nullptr);
  ASSERT_EQ(SendMessageW(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(ItemWidth(header->Handle(), 1), 90);
  EXPECT_EQ(ItemFormat(header->Handle(), 1) & HDF_JUSTIFYMASK, HDF_RIGHT);
  EXPECT_EQ(header->Section(1)->MinWidth(), 40);

  auto* scrollBox = dynamic_cast<TScrollBox*>(form->FindComponent("ScrollBox1"));
  auto* edit = dynamic_cast<TEdit*>(form->FindComponent("Edit1"));
  ASSERT_NE(scrollBox, nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Parent(), scrollBox);
  EXPECT_NE(GetWindowLongPtrW(scrollBox->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
  EXPECT_EQ(GetWindowLongPtrW(scrollBox->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  SendMessageW(scrollBox->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(edit->Top(), 245);
  EXPECT_EQ(FindPropInfo(scrollBox, "BorderStyle")->ValueText(*scrollBox), "bsNone");
}

}  // namespace
