// Push buttons drawn from the skin's "Buttons" strip (five frames: normal, pressed, disabled,
// mouse over, focused or default): TSkinButton for plain push buttons and TSkinMenuButton for
// buttons with a drop-down arrow. The whole face is composed in a work bitmap and copied once.
#pragma once

#include <memory>
#include <string>

#include "skin/controls/skin_control.h"

class TBitmap;

// Frames of the "Buttons" strip.
inline constexpr int kButtonFrames = 5;
inline constexpr int kButtonNormal = 1;
inline constexpr int kButtonPressed = 2;
inline constexpr int kButtonDisabled = 3;
inline constexpr int kButtonHot = 4;
inline constexpr int kButtonFocused = 5;

// The Tag that asks for a face drawn over the parent's background instead of "ButtonFace".
inline constexpr int kTransparentButtonTag = 5555;

// The frame of a push button: pressed, then hot, then focused or default; disabled wins.
int PushButtonFrame(std::uint8_t mouseState, bool focusedOrDefault, bool enabled);

// The first occurrence of find replaced; the rest of the text as it was.
std::wstring ReplaceFirst(const std::wstring& text, const std::wstring& find, const std::wstring& replacement);
// A caption as buttons draw it: its first "||" breaks the line.
std::wstring ButtonCaptionText(const std::wstring& caption);

class TSkinButton : public TSkinControl {
  CORVANA_CLASS(TSkinButton)

public:
  explicit TSkinButton(TComponent* owner);
  ~TSkinButton() override;

  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  std::unique_ptr<TBitmap> FaceBitmap;
  bool TransparentFace = false;
  // The frame index of the last paint (0 before any): what the face shows.
  int LastFrame = 0;

protected:
  // The skin's "Buttons" object when it has a picture, else null (nothing is drawn).
  TDataSkinButton* ButtonsObject() const;
  // FocusedLook, EnabledLook and the caption of a windowed button (or bare window).
  void ReadWindowLook();
  std::wstring CaptionOf() const;
  bool DefaultLook() const;
  // The face bitmap sized to rect (origin 0, 0) with its background; its DC.
  HDC BeginFace(const RECT& rect);
  // Font and caption colour; normalEveryState: NormalColour2 applies at every frame.
  void PrepareText(HDC face, int frame, bool normalEveryState);
  // The caption centred with word wrap, then the focus rectangle when focused.
  void DrawCaption(HDC face, const RECT& client, const std::wstring& caption, bool focusRect);
  void DrawFocusAround(HDC face, RECT textRect);
  // The face copied to dc at rect's origin.
  void EndFace(HDC dc, const RECT& rect);
  // The click of a release inside a pressed button.
  void RaiseClick();

private:
  HGDIOBJ FOldFont = nullptr;
};

class TSkinMenuButton : public TSkinButton {
  CORVANA_CLASS(TSkinMenuButton)

public:
  using TSkinButton::TSkinButton;
  void PaintSkin(HDC dc, const RECT& rect) override;
};

// The drop-down arrow of menu buttons.
inline constexpr SIZE kMenuArrow{8, 3};
