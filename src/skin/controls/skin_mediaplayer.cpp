// TWMediaPlayer (the skinned button strip over a media player) and TSkinMP (its skinner).
#include "skin/controls/skin_mediaplayer.h"

#include "skin/controls/skin_button.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_draw.h"
#include "ui/bitmap.h"
#include "ui/skin_messages.h"

const TClassInfo& TWMediaPlayer::StaticClassInfo() {
  static const TClassInfo info("TWMediaPlayer", &TCustomControl::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TSkinMP::StaticClassInfo() {
  static const TClassInfo info("TSkinMP", &TSkinControl::StaticClassInfo(), {});
  return info;
}

TWMediaPlayer::TWMediaPlayer(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(csOpaque);
  for (int i = 0; i < kMediaButtonCount; ++i) {
    EnabledGlyphs[i] = LoadMediaGlyph(TMediaGlyphLook::Enabled, i);
    DisabledGlyphs[i] = LoadMediaGlyph(TMediaGlyphLook::Disabled, i);
    ColoredGlyphs[i] = LoadMediaGlyph(TMediaGlyphLook::Colored, i);
  }
}

TWMediaPlayer::~TWMediaPlayer() = default;

void TWMediaPlayer::Bind(TWinControl* target, TSkinMP* skinner, TSkinData* skinData) {
  Target = target;
  Skinner = skinner;
  SkinData = skinData;
  if (SkinData) SetTag(SkinData->DisableTag());
  if (!Target) return;
  SetBounds(Target->Left(), Target->Top(), Target->Width(), Target->Height());
  SetParent(Target->Parent());
  // Above the player, which keeps its window (and its clicks) underneath.
  BringToFront();
  if (Target->Parent() && Target->Parent()->HandleAllocated())
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWMediaPlayer::FollowTarget() {
  if (Target) SetBounds(Target->Left(), Target->Top(), Target->Width(), Target->Height());
}

int TWMediaPlayer::ReadButtons() {
  const std::string visible = GetEnumPropText(Target, "VisibleButtons");
  const std::string enabled = GetEnumPropText(Target, "EnabledButtons");
  const std::string colored = GetEnumPropText(Target, "ColoredButtons");
  int count = 0;
  for (int i = 0; i < kMediaButtonCount; ++i) {
    // No value name is part of another, so finding it in the text is enough.
    const std::string& name = MediaButtonNames()[static_cast<size_t>(i)];
    ButtonVisible[i] = visible.find(name) != std::string::npos;
    ButtonEnabled[i] = enabled.find(name) != std::string::npos;
    ButtonColored[i] = colored.find(name) != std::string::npos;
    count += ButtonVisible[i];
  }
  return count;
}

std::uint8_t TWMediaPlayer::FindHitButton(int x) const {
  int left = 0;
  for (int i = 0; i < kMediaButtonCount; ++i) {
    if (!ButtonVisible[i]) continue;
    if (x >= left && x <= left + ButtonWidth) return static_cast<std::uint8_t>(i);
    left += ButtonWidth;
  }
  return kNoMediaButton;
}

TColor TWMediaPlayer::Face() const {
  return SkinData ? SkinData->Colour(SkinColour::ButtonFace) : SystemColor(COLOR_BTNFACE);
}

void TWMediaPlayer::Paint() {
  const HDC dc = Canvas().Handle();
  const RECT client = ClientRect();
  const int count = ReadButtons();
  if (count == 0) {
    TSkinControl::FillColor(dc, client, Face());
    return;
  }
  ButtonWidth = client.right / count;
  TBitmap work(client.right, client.bottom, TPixelFormat::pf24bit);
  const HDC face = work.Canvas().Handle();
  TSkinControl::FillColor(face, client, Face());
  TDataSkinButton* buttons =
      SkinData && SkinData->Buttons && !SkinData->Buttons->Image.Empty() ? SkinData->Buttons.get() : nullptr;
  // A disabled player presses nothing, so all its buttons look disabled.
  const bool targetEnabled = !Target || Target->Enabled();
  int left = 0;
  for (int i = 0; i < kMediaButtonCount; ++i) {
    if (!ButtonVisible[i]) continue;
    const RECT r{left, 0, left + ButtonWidth, client.bottom};
    left += ButtonWidth;
    const bool enabled = ButtonEnabled[i] && targetEnabled;
    const bool pressed = Pressing && PressedButton == i;
    TBitmap* glyph = !enabled           ? DisabledGlyphs[i].get()
                     : ButtonColored[i] ? ColoredGlyphs[i].get()
                                        : EnabledGlyphs[i].get();
    int frame = kButtonNormal;
    if (pressed)
      frame = kButtonPressed;
    else if (!enabled)
      frame = kButtonDisabled;
    if (buttons) DrawSkinObject(face, r, buttons->Frame, frame, *buttons);
    if (!glyph || glyph->Empty()) continue;
    const int shift = pressed ? 1 : 0;
    const int x = r.left + (ButtonWidth - glyph->Width()) / 2 + shift;
    const int y = (client.bottom - glyph->Height()) / 2 + shift;
    MaskBlit(face, RECT{x, y, x + glyph->Width(), y + glyph->Height()}, *glyph, kMediaGlyphTransparent);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, face, 0, 0, SRCCOPY);
}

void TWMediaPlayer::PassToTarget(const TMessage& message) {
  if (Target && Target->HandleAllocated()) SendMessageW(Target->Handle(), message.Msg, message.WParam, message.LParam);
}

void TWMediaPlayer::WndProc(TMessage& message) {
  switch (message.Msg) {
    case SKINMSG_QUERY:
      message.Result = 1;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // A quick second press arrives as a double click: it presses like the first.
      Pressing = true;
      TCustomControl::WndProc(message);
      PassToTarget(message);
      // The player took the mouse; the strip keeps it so the release comes back here, also
      // when it happens outside.
      ReleaseCapture();
      SetCapture(Handle());
      HitButton = FindHitButton(static_cast<short>(LOWORD(message.LParam)));
      PressedButton = HitButton;
      Invalidate();
      return;
    }
    case WM_LBUTTONUP: {
      Pressing = false;
      TCustomControl::WndProc(message);
      if (GetCapture() == Handle()) ReleaseCapture();
      HitButton = FindHitButton(static_cast<short>(LOWORD(message.LParam)));
      // Only a release over the pressed button reaches the player (and clicks there).
      if (HitButton == PressedButton && HitButton != kNoMediaButton) PassToTarget(message);
      PressedButton = HitButton;
      Invalidate();
      return;
    }
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

TSkinMP::~TSkinMP() = default;

void TSkinMP::BeforeDestruction() {
  Player.reset();
  TSkinControl::BeforeDestruction();
}

void TSkinMP::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && Player && component == Player.get()) (void)Player.release();
}

void TSkinMP::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) {
  if (Attached) return;
  TSkinControl::AttachControl(formSkinner, skinData, recolour, workCanvas);
  auto* target = dynamic_cast<TWinControl*>(Control);
  if (!target) return;
  Player.reset(new TWMediaPlayer(nullptr));
  Player->FreeNotification(this);
  Player->Bind(target, this, SkinData);
  Player->SetVisible(target->Visible());
}

void TSkinMP::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
      if (Player) Player->FollowTarget();
      break;
    case CM_VISIBLECHANGED:
      if (Player && Control) Player->SetVisible(Control->Visible());
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinMP::PaintSkin(HDC, const RECT&) {
  if (Player) Player->Invalidate();
}

void TSkinMP::SkinChanged() {
  TSkinControl::SkinChanged();
  if (Player) {
    Player->SkinData = SkinData;
    Player->Invalidate();
  }
}

void TSkinMP::Detach() {
  TSkinControl::Detach();
  if (LifeState != kSkinnerWindowDestroyed) Player.reset();
}

void RegisterMediaPlayerSkinner() {
  RegisterSkinnerKind("TSkinMP", [](TComponent* owner) -> TSkinControl* { return new TSkinMP(owner); });
}
