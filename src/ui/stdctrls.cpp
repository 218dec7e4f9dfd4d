// TButton, TCustomEdit/TEdit, TMemo with TMemoStrings, and TLabel.
#include "ui/stdctrls.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwctype>

#include "ui/form.h"
#include "ui/gdi.h"
#include "ui/wincontrol.h"

const std::vector<std::string>& AlignmentNames() {
  static const std::vector<std::string> names = {"taLeftJustify", "taRightJustify", "taCenter"};
  return names;
}

bool IsAccel(wchar_t character, const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return std::towupper(caption[i + 1]) == std::towupper(character);
  }
  return false;
}

// ---- TButton ----

const TClassInfo& TButton::StaticClassInfo() {
  static const TClassInfo info("TButton", &TWinControl::StaticClassInfo(),
                               {
                                   props::Boolean<TButton>("Cancel", &TButton::Cancel, &TButton::SetCancel),
                                   props::Boolean<TButton>("Default", &TButton::Default, &TButton::SetDefault),
                                   props::Integer<TButton>("ModalResult", &TButton::ModalResult,
                                                           &TButton::SetModalResult),
                               },
                               [](TComponent* owner) { return new TButton(owner); });
  return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csSetCaption | csOpaque);
  SetBoundsFields(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TButton::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = L"BUTTON";
  params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::Click() {
  if (FModalResult != 0) {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  }
  TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      // A disabled button never clicks, whatever message reached it.
      if (HIWORD(message.WParam) == BN_CLICKED && Enabled()) Click();
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<wchar_t>(message.WParam), Caption()) && CanFocus()) {
        Click();
        message.Result = 1;
      }
      return;
    default: break;
  }
  TWinControl::WndProc(message);
}

// ---- TCustomEdit ----

const TClassInfo& TCustomEdit::StaticClassInfo() {
  static const TClassInfo info(
      "TCustomEdit", &TWinControl::StaticClassInfo(),
      {
          props::Enumeration<TCustomEdit, TBorderStyle>("BorderStyle", {"bsNone", "bsSingle"},
                                                        &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle),
          props::Integer<TCustomEdit>("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength),
          props::Boolean<TCustomEdit>("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly),
          props::Wide<TCustomEdit>("Text", &TCustomEdit::Text, &TCustomEdit::SetTextValue),
          props::Event<TCustomEdit>("OnChange", &TCustomEdit::OnChange),
      });
  return info;
}

const TClassInfo& TEdit::StaticClassInfo() {
  static const TClassInfo info("TEdit", &TCustomEdit::StaticClassInfo(), {},
                               [](TComponent* owner) { return new TEdit(owner); });
  return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csClickEvents | csSetCaption);
  SetBoundsFields(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = L"EDIT";
  params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (FReadOnly) params.Style |= ES_READONLY;
  if (FBorderStyle == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::AfterCreateWnd() { SendMessageW(Handle(), EM_LIMITTEXT, TypingLimit(), 0); }

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetMaxLength(int value) {
  if (value == FMaxLength) return;
  FMaxLength = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, TypingLimit(), 0);
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (HIWORD(message.WParam) == EN_CHANGE && OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TMemo ----

const TClassInfo& TMemo::StaticClassInfo() {
  static const TClassInfo info(
      "TMemo", &TCustomEdit::StaticClassInfo(),
      {
          props::SubObject<TMemo, TStrings>("Lines", &TMemo::Lines),
          props::Enumeration<TMemo, TScrollStyle>("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"},
                                                  &TMemo::ScrollBars, &TMemo::SetScrollBars),
          props::Boolean<TMemo>("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns),
          props::Boolean<TMemo>("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs),
          props::Boolean<TMemo>("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap),
      },
      [](TComponent* owner) { return new TMemo(owner); });
  return info;
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), FLines(std::make_unique<TMemoStrings>(*this)) {
  SetBoundsFields(0, 0, 185, 89);
}

TMemo::~TMemo() = default;

void TMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (!FWordWrap) params.Style |= ES_AUTOHSCROLL;
  if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth) params.Style |= WS_VSCROLL;
  if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth) params.Style |= WS_HSCROLL;
}

void TMemo::SetScrollBars(TScrollStyle style) {
  if (style == FScrollBars) return;
  FScrollBars = style;
  RecreateWnd();
}

void TMemo::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  RecreateWnd();
}

void TMemo::WndProc(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    TCustomEdit::WndProc(message);
    const auto* msg = reinterpret_cast<const MSG*>(message.LParam);
    const WPARAM key = msg && msg->message == WM_KEYDOWN ? msg->wParam : 0;
    if (!FWantTabs) {
      message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
      if (key == VK_TAB) message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
    }
    if (!FWantReturns && key == VK_RETURN) message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
    return;
  }
  TCustomEdit::WndProc(message);
}

namespace {

std::wstring JoinLines(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (const std::wstring& line : lines) text += line + L"\r\n";
  return text;
}

}  // namespace

int TMemoStrings::Count() const {
  if (!FMemo.HandleAllocated()) return static_cast<int>(SplitTextLines(FMemo.FText).size());
  const HWND h = FMemo.Handle();
  int count = static_cast<int>(SendMessageW(h, EM_GETLINECOUNT, 0, 0));
  // The empty line after a final line end is not a line of the list.
  const LRESULT last = SendMessageW(h, EM_LINEINDEX, static_cast<WPARAM>(count - 1), 0);
  if (SendMessageW(h, EM_LINELENGTH, static_cast<WPARAM>(last), 0) == 0) --count;
  return count;
}

std::wstring TMemoStrings::Get(int index) const {
  if (!FMemo.HandleAllocated()) return SplitTextLines(FMemo.FText).at(static_cast<size_t>(index));
  const HWND h = FMemo.Handle();
  const LRESULT start = SendMessageW(h, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
  if (start < 0) return std::wstring();
  const auto length = static_cast<size_t>(SendMessageW(h, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
  std::wstring line(std::max<size_t>(length, 1) + 1, L'\0');
  *reinterpret_cast<WORD*>(line.data()) = static_cast<WORD>(line.size());
  const LRESULT got = SendMessageW(h, EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.data()));
  line.resize(static_cast<size_t>(got > 0 ? got : 0));
  if (length == 0) line.clear();
  return line;
}

void TMemoStrings::Insert(int index, const std::wstring& text) {
  if (index < 0) return;
  if (!FMemo.HandleAllocated()) {
    std::vector<std::wstring> lines = SplitTextLines(FMemo.FText);
    if (index > static_cast<int>(lines.size())) return;
    lines.insert(lines.begin() + index, text);
    FMemo.FText = JoinLines(lines);
    return;
  }
  const HWND h = FMemo.Handle();
  LRESULT start = SendMessageW(h, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
  std::wstring line;
  if (start >= 0) {
    line = text + L"\r\n";
  } else {
    // After the last line, which has no line end yet.
    start = SendMessageW(h, EM_LINEINDEX, static_cast<WPARAM>(index - 1), 0);
    if (start < 0) return;
    const LRESULT length = SendMessageW(h, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    if (length == 0) return;
    start += length;
    line = L"\r\n" + text;
  }
  ReplaceRange(start, start, line);
}

void TMemoStrings::ReplaceRange(LRESULT start, LRESULT end, const std::wstring& text) {
  const HWND h = FMemo.Handle();
  const bool limited = FMemo.FMaxLength > 0;
  if (limited) SendMessageW(h, EM_LIMITTEXT, 0, 0);
  SendMessageW(h, EM_SETSEL, static_cast<WPARAM>(start), end);
  SendMessageW(h, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  if (limited) SendMessageW(h, EM_LIMITTEXT, FMemo.TypingLimit(), 0);
}

void TMemoStrings::AddLines(const std::vector<std::wstring>& lines) {
  if (lines.empty()) return;
  if (!FMemo.HandleAllocated()) {
    std::vector<std::wstring> kept = SplitTextLines(FMemo.FText);
    kept.insert(kept.end(), lines.begin(), lines.end());
    FMemo.FText = JoinLines(kept);
    return;
  }
  // One edit for the lot: the control lays out, notifies and repaints once.
  const HWND h = FMemo.Handle();
  const auto length = static_cast<LRESULT>(GetWindowTextLengthW(h));
  const LRESULT lastLine = SendMessageW(h, EM_GETLINECOUNT, 0, 0) - 1;
  const bool endsWithLineEnd = SendMessageW(h, EM_LINEINDEX, static_cast<WPARAM>(lastLine), 0) == length;
  std::wstring text;
  size_t size = 0;
  for (const std::wstring& line : lines) size += line.size() + 2;
  text.reserve(size);
  // Add after a last line without its end puts the end first and none after.
  for (const std::wstring& line : lines) {
    if (!endsWithLineEnd) text += L"\r\n";
    text += line;
    if (endsWithLineEnd) text += L"\r\n";
  }
  ReplaceRange(length, length, text);
}

void TMemoStrings::Delete(int index) {
  if (!FMemo.HandleAllocated()) {
    std::vector<std::wstring> lines = SplitTextLines(FMemo.FText);
    if (index < 0 || index >= static_cast<int>(lines.size())) return;
    lines.erase(lines.begin() + index);
    FMemo.FText = JoinLines(lines);
    return;
  }
  const HWND h = FMemo.Handle();
  const LRESULT start = SendMessageW(h, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
  if (start < 0) return;
  LRESULT end = SendMessageW(h, EM_LINEINDEX, static_cast<WPARAM>(index + 1), 0);
  if (end < 0) end = start + SendMessageW(h, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
  ReplaceRange(start, end, std::wstring());
}

void TMemoStrings::Clear() { FMemo.SetText(std::wstring()); }

std::wstring TMemoStrings::Text() const { return FMemo.GetText(); }

void TMemoStrings::SetText(std::wstring_view text) { FMemo.SetText(std::wstring(text)); }

void TMemoStrings::SetUpdateState(bool updating) {
  if (FMemo.HandleAllocated()) {
    SendMessageW(FMemo.Handle(), WM_SETREDRAW, !updating, 0);
    if (!updating) FMemo.Invalidate();
  }
}

// ---- TLabel ----

const TClassInfo& TLabel::StaticClassInfo() {
  static const TClassInfo info(
      "TLabel", &TGraphicControl::StaticClassInfo(),
      {
          props::Enumeration<TLabel, TAlignment>("Alignment", AlignmentNames(), &TLabel::Alignment,
                                                 &TLabel::SetAlignment),
          props::Boolean<TLabel>("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize),
          props::Enumeration<TLabel, TTextLayout>("Layout", {"tlTop", "tlCenter", "tlBottom"}, &TLabel::Layout,
                                                  &TLabel::SetLayout),
          props::Boolean<TLabel>("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar),
          props::Boolean<TLabel>("Transparent", &TLabel::Transparent, &TLabel::SetTransparent),
          props::Boolean<TLabel>("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap),
      },
      [](TComponent* owner) { return new TLabel(owner); });
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(csClickEvents | csCaptureMouse | csSetCaption | csOpaque);
  SetBoundsFields(0, 0, 65, 17);
  SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment value) {
  FAlignment = value;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  FLayout = value;
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  FTransparent = value;
  SetControlStyle(value ? (ControlStyle() & ~static_cast<std::uint32_t>(csOpaque)) : (ControlStyle() | csOpaque));
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  FAutoSize = value;
  AdjustBounds();
}

void TLabel::SetShowAccelChar(bool value) {
  FShowAccelChar = value;
  Invalidate();
}

UINT TLabel::TextFormat() const {
  UINT format = FWordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  if (!FShowAccelChar) format |= DT_NOPREFIX;
  if (FAlignment == TAlignment::taCenter) format |= DT_CENTER;
  if (FAlignment == TAlignment::taRightJustify) format |= DT_RIGHT;
  if (UseRightToLeftReading()) format |= DT_RTLREADING;
  return format;
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || IsLoading() || !Parent() || !Parent()->HandleAllocated()) return;
  TWindowDC dc(Parent()->Handle());
  TSelectObject font(dc, Font()->Handle());
  RECT r{0, 0, FWordWrap ? Width() : 0, 0};
  const std::wstring text = Caption().empty() ? L" " : Caption();
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFormat() | DT_CALCRECT);
  SetBounds(Left(), Top(), r.right, r.bottom);
}

namespace {

// The rows the text's ink takes, from the top of its cell: [top, bottom). Found by drawing it
// unclipped into a scratch bitmap, so it is the ink the platform really draws (hinting and
// replacement faces included).
bool TextInkRows(HFONT font, const std::wstring& text, UINT format, int& top, int& bottom) {
  TMemoryDC dc;
  TSelectObject selectFont(dc, font);
  TEXTMETRICW metrics{};
  SIZE extent{};
  if (!GetTextMetricsW(dc, &metrics) ||
      !GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent))
    return false;
  const int margin = metrics.tmHeight, width = extent.cx + 2 * metrics.tmMaxCharWidth;
  const int rows = metrics.tmHeight + 2 * margin;
  const BITMAPINFO info = TopDownDibInfo(width, rows);
  void* bits = nullptr;
  TBitmapHandle bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return false;
  TSelectObject selectBitmap(dc, bitmap.Get());
  const RECT all{0, 0, width, rows};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  RECT cell{metrics.tmMaxCharWidth, margin, width, margin + metrics.tmHeight};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &cell,
            (format & ~static_cast<UINT>(DT_CENTER | DT_RIGHT)) | DT_NOCLIP);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  top = rows;
  bottom = 0;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < width; ++x) {
      if ((pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF) != 0xFFFFFF) {
        top = std::min(top, y - margin);
        bottom = y - margin + 1;
        break;
      }
    }
  }
  if (bottom <= top) {
    top = 0;
    bottom = metrics.tmHeight;
  }
  return true;
}

// Where a single-line text's cell goes in a label of this height and layout so that all its ink
// is inside: the cell moves up into its leading or down into its spare rows as needed. False
// when the ink is taller than the label.
bool PlaceTextInk(TCanvas& canvas, const std::wstring& text, UINT format, TTextLayout layout, int height,
                  int& cellTop) {
  const int cell = canvas.TextHeight(L"Ag");  // also puts the font into the DC
  cellTop = 0;
  if (layout == TTextLayout::tlCenter) cellTop = (height - cell) / 2;
  if (layout == TTextLayout::tlBottom) cellTop = height - cell;
  int top = 0, bottom = cell;
  if (!TextInkRows(canvas.Font().Handle(), text, format, top, bottom)) return true;
  if (bottom - top > height) return false;
  int shift = 0;
  if (cellTop + bottom > height) shift = height - (cellTop + bottom);
  if (cellTop + top + shift < 0) shift = -(cellTop + top);
  cellTop += shift;
  return true;
}

}  // namespace

void TLabel::FitFontToHeight(TCanvas& canvas) {
  // A fixed height made for one face may be too low for the face the system puts in its place
  // (more leading, deeper descenders). The text moves into its leading first; where its ink is
  // still taller than the label the font steps down a pixel at a time, so no ink is cut off.
  int cellTop = 0;
  while (!PlaceTextInk(canvas, Caption(), TextFormat(), FLayout, Height(), cellTop) &&
         std::abs(canvas.Font().Height()) > 1) {
    const int fontHeight = canvas.Font().Height();
    canvas.Font().SetHeight(fontHeight < 0 ? fontHeight + 1 : fontHeight - 1);
  }
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  RECT r{0, 0, Width(), Height()};
  if (!FTransparent) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(*Font());
  const std::wstring text = Caption();
  RECT textRect = r;
  if (!FWordWrap && !text.empty()) {
    const LOGFONTW font = canvas.Font().LogFont();
    const UINT format = TextFormat();
    if (!FInkFit.Valid || std::memcmp(&FInkFit.Font, &font, sizeof font) != 0 || FInkFit.Text != text ||
        FInkFit.Format != format || FInkFit.Layout != FLayout || FInkFit.Height != Height()) {
      FitFontToHeight(canvas);
      int cellTop = 0;
      PlaceTextInk(canvas, text, format, FLayout, Height(), cellTop);
      FInkFit = TInkFit{true, font, text, format, FLayout, Height(), canvas.Font().Height(), cellTop};
    } else if (canvas.Font().Height() != FInkFit.FittedFontHeight) {
      canvas.Font().SetHeight(FInkFit.FittedFontHeight);
    }
    textRect.top = FInkFit.CellTop;
  } else if (FLayout != TTextLayout::tlTop) {
    RECT calc = r;
    canvas.DrawText(text, calc, TextFormat() | DT_CALCRECT);
    const int h = calc.bottom - calc.top;
    textRect.top = FLayout == TTextLayout::tlCenter ? (Height() - h) / 2 : Height() - h;
  }
  if (!Enabled()) {
    OffsetRect(&textRect, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(text, textRect, TextFormat());
    OffsetRect(&textRect, -1, -1);
    canvas.Font().SetColor(clBtnShadow);
  }
  canvas.DrawText(text, textRect, TextFormat());
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

void TLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      AdjustBounds();
      Invalidate();
      return;
    default: break;
  }
  TGraphicControl::WndProc(message);
}
