// Standard controls over the platform's classes: TButton, TEdit, TMemo (with its window-backed
// Lines) and the windowless TLabel.
#pragma once

#include <memory>

#include "ui/customcontrol.h"
#include "ui/strings.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Whether text carries "&c" for the character c (the accelerator of a caption).
bool IsAccel(wchar_t character, const std::wstring& caption);

class TButton : public TWinControl {
  CORVANA_CLASS(TButton)

public:
  explicit TButton(TComponent* owner);
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int value) { FModalResult = value; }
  void Click() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

private:
  bool FDefault = false;
  bool FCancel = false;
  int FModalResult = 0;
};

class TCustomEdit : public TWinControl {
  CORVANA_CLASS(TCustomEdit)

public:
  explicit TCustomEdit(TComponent* owner);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle style);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int value);
  void SelectAll();
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void WndProc(TMessage& message) override;
  // The limit the window gets: MaxLength, or the platform's largest for 0 (the window's own
  // default of 32 767 characters would silently drop text added past it).
  WPARAM TypingLimit() const { return static_cast<WPARAM>(FMaxLength > 0 ? FMaxLength : 0); }

private:
  friend class TMemoStrings;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  bool FReadOnly = false;
  int FMaxLength = 0;
};

class TEdit : public TCustomEdit {
  CORVANA_CLASS(TEdit)

public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

class TMemo;

// The lines of a memo: kept by the window while it exists, else in the memo's text.
class TMemoStrings : public TStrings {
public:
  explicit TMemoStrings(TMemo& memo) : FMemo(memo) {}
  int Count() const override;
  std::wstring Get(int index) const override;
  void Insert(int index, const std::wstring& text) override;
  void Delete(int index) override;
  void Clear() override;
  std::wstring Text() const override;
  void SetText(std::wstring_view text) override;
  void AddLines(const std::vector<std::wstring>& lines) override;

protected:
  void SetUpdateState(bool updating) override;

private:
  // Replaces the window's selection with text; MaxLength limits typing, not the program.
  void ReplaceRange(LRESULT start, LRESULT end, const std::wstring& text);
  TMemo& FMemo;
};

class TMemo : public TCustomEdit {
  CORVANA_CLASS(TMemo)

public:
  explicit TMemo(TComponent* owner);
  ~TMemo() override;
  TStrings* Lines() const { return FLines.get(); }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle style);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool value) { FWantReturns = value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool value) { FWantTabs = value; }

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

private:
  friend class TMemoStrings;
  std::unique_ptr<TMemoStrings> FLines;
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
  bool FWordWrap = true;
  bool FWantReturns = true;
  bool FWantTabs = false;
};

class TLabel : public TGraphicControl {
  CORVANA_CLASS(TLabel)

public:
  explicit TLabel(TComponent* owner);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  // The DrawText format the label paints with.
  UINT TextFormat() const;

protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

private:
  void AdjustBounds();
  void FitFontToHeight(TCanvas& canvas);
  // The last fit of the text's ink into the label: measuring draws the text off screen, so a
  // paint of the same text, font, format and height reuses it.
  struct TInkFit {
    bool Valid = false;
    LOGFONTW Font{};
    std::wstring Text;
    UINT Format = 0;
    TTextLayout Layout = TTextLayout::tlTop;
    int Height = 0;
    int FittedFontHeight = 0;
    int CellTop = 0;
  };
  TInkFit FInkFit;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  TTextLayout FLayout = TTextLayout::tlTop;
  bool FTransparent = false;
  bool FWordWrap = false;
  bool FAutoSize = false;
  bool FShowAccelChar = true;
};

const std::vector<std::string>& AlignmentNames();
