// The pictures of the default skin, drawn from the theme, and its description text.
#include "skin.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <sstream>

#include "base/error.h"

namespace {

// ---------------------------------------------------------------- helpers

// Frames are laid out in design units; all of them have the same scale.
int ScaleOf(const std::vector<Image>& frames) {
  return frames.empty() ? 1 : frames.front().Scale();
}

Image Strip(const std::vector<Image>& frames) {
  int w = 0, h = 0;
  for (const Image& f : frames) w += f.Width(), h = std::max(h, f.Height());
  Image out(w, h, kMagenta, ScaleOf(frames));
  int x = 0;
  for (const Image& f : frames) out.Blit(f, x, 0), x += f.Width();
  return out;
}

Image Stack(const std::vector<Image>& frames) {
  int w = 0, h = 0;
  for (const Image& f : frames) h += f.Height(), w = std::max(w, f.Width());
  Image out(w, h, kMagenta, ScaleOf(frames));
  int y = 0;
  for (const Image& f : frames) out.Blit(f, 0, y), y += f.Height();
  return out;
}

// A rectangle rounded only at its two top corners.
Shape TopRounded(double x0, double y0, double x1, double y1, double r) {
  return [=](double x, double y) {
    if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
    const double cx = std::clamp(x, x0 + r, x1 - r);
    const double cy = std::max(y, y0 + r);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= r * r;
  };
}

Shape Rect(double x0, double y0, double x1, double y1) {
  return RoundRect(x0, y0, x1, y1, 0);
}

Shape Outline(double x0, double y0, double x1, double y1) {
  return Minus(Rect(x0, y0, x1, y1), Rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1));
}

ColourAt VerticalRamp(Rgb top, Rgb bottom, int height) {
  const int span = std::max(1, height - 1);
  return [=](int, int y) { return Mix(top, bottom, std::clamp(double(y) / span, 0.0, 1.0)); };
}

// The look of one control state: border, fill (top and bottom of a soft gradient) and ink.
struct Look {
  Rgb border, fillTop, fillBottom, ink;
};

// Button-like strips use these five states in this order.
enum State { kNormal, kPressed, kDisabled, kHot, kFocused };

Look ButtonLook(const Theme& t, State s) {
  switch (s) {
    case kPressed:
      return {t.accentDark, t.pressedTop, t.pressedBottom, t.text};
    case kDisabled:
      return {t.lineLight, t.disabledFill, t.disabledFill, t.disabledText};
    case kHot:
      return {t.lineHot, t.hotTop, t.hotFill, t.text};
    case kFocused:
      return {t.accent, t.buttonTop, t.buttonBottom, t.text};
    default:
      return {t.line, t.buttonTop, t.buttonBottom, t.text};
  }
}

// A rounded, bordered face of w x h on magenta, anti-aliased against the matte.
Image RoundedFace(int scale, int w, int h, double r, const Look& look, Rgb matte) {
  Image img(w, h, kMagenta, scale);
  img.PaintWith(RoundRect(0, 0, w, h, r), VerticalRamp(look.fillTop, look.fillBottom, h), Solid(matte),
                Box{0, 0, w, h});
  img.Paint(RoundFrame(0, 0, w, h, r, 1), look.border, matte);
  return img;
}

// ---------------------------------------------------------------- window frame

// The colour of row y of the caption band (row 0 is the window outline).
Rgb CaptionRow(const Theme& t, bool active, int y) {
  if (y <= 0) return active ? t.captionLine : t.inactiveLine;
  const double f = double(y - 1) / std::max(1, t.captionHeight - 2);
  return active ? Mix(t.captionTop, t.captionBottom, f) : Mix(t.inactiveTop, t.inactiveBottom, f);
}

constexpr int kFrameMiddle = 8;  // stretched rows of the side borders
constexpr int kTopMiddle = 24;   // stretched columns of the top and bottom borders

// A small whole window: caption band, face, 1-pixel outline, rounded top corners keyed out.
Image WindowSkeleton(const Theme& t, int scale, bool active) {
  const int s = t.frameWidth;
  const int w = 2 * s + kTopMiddle, h = t.captionHeight + kFrameMiddle + s;
  Image img(w, h, kMagenta, scale);
  for (int y = 0; y < h; ++y) img.FillRect(0, y, w, y + 1, y < t.captionHeight ? CaptionRow(t, active, y) : t.face);
  const double r = t.roundWindow ? s : 0;
  const Shape outer = TopRounded(0, 0, w, h, r);
  img.Paint(Minus(outer, TopRounded(1, 1, w - 1, h - 1, std::max(0.0, r - 1))), active ? t.captionLine : t.inactiveLine);
  img.KeyOutside(outer);
  return img;
}

struct Borders {
  Image left, right, top, bottom;
};

Borders MakeBorders(const Theme& t, int scale) {
  const int s = t.frameWidth;
  Borders b;
  std::vector<Image> left, right, top, bottom;
  for (bool active : {true, false}) {
    const Image win = WindowSkeleton(t, scale, active);
    left.push_back(win.Crop(0, 0, s, win.Height()));
    right.push_back(win.Crop(win.Width() - s, 0, s, win.Height()));
    top.push_back(win.Crop(s, 0, kTopMiddle, t.captionHeight));
    bottom.push_back(win.Crop(s, win.Height() - s, kTopMiddle, s));
  }
  // Side borders hold their two looks side by side, top and bottom borders stacked.
  return Borders{Strip(left), Strip(right), Stack(top), Stack(bottom)};
}

// The menu band: face; the inactive look a shade cooler.
Image MakeMenuBar(const Theme& t, int scale) {
  Image active(16, 20, t.face, scale), inactive(16, 20, Mix(t.face, t.inactiveBottom, 0.35), scale);
  return Stack({active, inactive});
}

// ---------------------------------------------------------------- caption buttons

enum class CaptionGlyph { kClose, kMaximize, kRestore, kMinimize };

Shape CaptionGlyphShape(CaptionGlyph g, double cx, double cy) {
  // Integer-aligned lines stay crisp; the cross is anti-aliased.
  const double x0 = std::floor(cx) - 5, y0 = std::floor(cy) - 5;
  switch (g) {
    case CaptionGlyph::kClose:
      return Union(Segment(x0 + 0.5, y0 + 0.5, x0 + 9.5, y0 + 9.5, 0.72),
                   Segment(x0 + 9.5, y0 + 0.5, x0 + 0.5, y0 + 9.5, 0.72));
    case CaptionGlyph::kMaximize:
      return Outline(x0, y0, x0 + 10, y0 + 10);
    case CaptionGlyph::kRestore:
      return Union(Outline(x0, y0 + 2, x0 + 8, y0 + 10),
                   Union(Rect(x0 + 2, y0, x0 + 10, y0 + 1),
                         Union(Rect(x0 + 9, y0, x0 + 10, y0 + 8),
                               Union(Rect(x0 + 2, y0, x0 + 3, y0 + 2), Rect(x0 + 8, y0 + 7, x0 + 10, y0 + 8)))));
    case CaptionGlyph::kMinimize:
      return Rect(x0, y0 + 5, x0 + 10, y0 + 6);
  }
  return Rect(0, 0, 0, 0);
}

int CaptionButtonTop(const Theme& t) {
  return (t.captionHeight - t.captionButtonHeight) / 2;
}

// Frames: 1 normal, 2 pressed, 3 hot, 4 inactive window or disabled.
Image MakeCaptionButton(const Theme& t, int scale, CaptionGlyph g) {
  const int w = t.captionButtonWidth, h = t.captionButtonHeight, top = CaptionButtonTop(t);
  const bool isClose = g == CaptionGlyph::kClose;
  auto band = [&](bool active) -> ColourAt {
    return [&t, active, top](int, int y) { return CaptionRow(t, active, top + y); };
  };
  const Shape glyph = CaptionGlyphShape(g, w / 2.0, h / 2.0);
  const Box all{0, 0, w, h};
  std::vector<Image> frames;
  Image normal(w, h, kMagenta, scale);
  normal.PaintWith(glyph, Solid(t.titleText), band(true), all);
  frames.push_back(normal);
  for (bool hot : {false, true}) {
    Rgb fill = hot ? (isClose ? t.close : Lighter(t.captionTop, 0.22))
                   : (isClose ? Darker(t.close, 0.2) : Darker(t.captionBottom, 0.22));
    Image f(w, h, kMagenta, scale);
    f.PaintWith(RoundRect(0, 0, w, h, 3), Solid(fill), band(true), all);
    f.Paint(glyph, t.titleText);
    frames.push_back(f);
  }
  Image inactive(w, h, kMagenta, scale);
  inactive.PaintWith(glyph, Solid(Mix(t.titleTextInactive, t.inactiveTop, 0.3)), band(false), all);
  frames.push_back(inactive);
  return Strip(frames);
}

// Caption buttons as boxes of their own: the face with a dark outline and a dark glyph.
// Frames as above: 1 normal, 2 pressed, 3 hot, 4 inactive window or disabled.
Image MakeBoxedCaptionButton(const Theme& t, int scale, CaptionGlyph g) {
  const int w = t.captionButtonWidth, h = t.captionButtonHeight;
  const Shape glyph = CaptionGlyphShape(g, w / 2.0, h / 2.0);
  std::vector<Image> frames;
  const Rgb fills[] = {t.face, t.pressedFill, t.hotFill, t.face};
  for (int i = 0; i < 4; ++i) {
    Image f(w, h, fills[i], scale);
    f.FrameRect(0, 0, w, h, t.dkShadow);
    f.Paint(glyph, i == 3 ? t.shadow : t.text);
    frames.push_back(f);
  }
  return Strip(frames);
}

Image CaptionButton(const Theme& t, int scale, CaptionGlyph g) {
  return t.boxedCaptionButtons ? MakeBoxedCaptionButton(t, scale, g) : MakeCaptionButton(t, scale, g);
}

// The three buttons of a maximized MDI child in the menu band: minimize, restore, close, four
// frames each (1 normal, 2 pressed, 3 disabled, 4 hot).
Image MakeMdiButtons(const Theme& t, int scale) {
  const int w = t.mdiButtonWidth, h = t.mdiButtonHeight;
  std::vector<Image> frames;
  for (CaptionGlyph g : {CaptionGlyph::kMinimize, CaptionGlyph::kRestore, CaptionGlyph::kClose}) {
    // The glyphs are the caption's, drawn at 8 x 8 into the smaller button.
    auto glyphShape = [&](double cx, double cy) {
      const Shape big = CaptionGlyphShape(g, 5, 5);
      return Shape(
          [big, cx, cy](double x, double y) { return big((x - cx) * 10.0 / 8.0 + 5, (y - cy) * 10.0 / 8.0 + 5); });
    };
    const Shape glyph = glyphShape(w / 2.0, h / 2.0);
    const bool isClose = g == CaptionGlyph::kClose;
    for (State s : {kNormal, kPressed, kDisabled, kHot}) {
      Image f(w, h, kMagenta, scale);
      Rgb ink = t.glyph;
      if (s == kPressed || s == kHot) {
        const Rgb fill =
            isClose ? (s == kHot ? t.close : Darker(t.close, 0.2)) : (s == kHot ? t.hotFill : t.pressedFill);
        f.Paint(RoundRect(0, 0, w, h, 2), fill, t.face);
        if (!isClose) f.Paint(RoundFrame(0, 0, w, h, 2, 1), s == kHot ? t.lineHot : t.accentDark);
        if (isClose) ink = kWhite;
      }
      if (s == kDisabled) ink = t.lineLight;
      f.PaintWith(glyph, Solid(ink), Solid(t.face), Box{0, 0, w, h});
      frames.push_back(f);
    }
  }
  return Strip(frames);
}

// ---------------------------------------------------------------- buttons, check boxes, radio buttons

constexpr int kButtonW = 24, kButtonH = 23, kButtonMargin = 4;

Image MakeButtons(const Theme& t, int scale) {
  std::vector<Image> frames;
  for (State s : {kNormal, kPressed, kDisabled, kHot, kFocused}) {
    Image f = RoundedFace(scale, kButtonW, kButtonH, t.radius, ButtonLook(t, s), t.face);
    if (s == kFocused)
      f.Paint(RoundFrame(1, 1, kButtonW - 1, kButtonH - 1, std::max(0.0, t.radius - 1), 1),
              Mix(t.accentLight, kWhite, 0.35));
    frames.push_back(f);
  }
  return Strip(frames);
}

// The looks of a check or radio box: normal, hot, pressed, disabled.
std::vector<Look> BoxLooks(const Theme& t, bool filled) {
  if (filled)
    return {{t.accentDark, t.accent, t.accent, kWhite},
            {t.accent, Lighter(t.accent, 0.2), Lighter(t.accent, 0.2), kWhite},
            {Darker(t.accentDark, 0.2), t.accentDark, t.accentDark, kWhite},
            {t.boxDisabledLine, t.boxDisabledFill, t.boxDisabledFill, t.boxDisabledInk}};
  return {{t.boxLine, t.window, t.window, t.accent},
          {t.accent, t.hotFill, t.hotFill, t.accent},
          {t.accentDark, t.pressedFill, t.pressedFill, t.accentDark},
          {t.lineLight, t.emptyDisabledFill, t.emptyDisabledFill, t.emptyDisabledInk}};
}

// 12 frames in groups of four (normal, hot, pressed, disabled): unchecked, checked, mixed.
Image MakeCheckBox(const Theme& t, int scale) {
  const int n = t.checkSize;
  std::vector<Image> frames;
  for (int group = 0; group < 3; ++group) {
    const bool checked = group == 1;
    for (const Look& look : BoxLooks(t, checked)) {
      Image f = RoundedFace(scale, n, n, t.radius * 2.5 / 3, look, t.face);
      if (checked) {
        const double s = n / 13.0;
        f.Paint(
            Union(Segment(3.2 * s, 6.8 * s, 5.5 * s, 9.1 * s, 0.85), Segment(5.5 * s, 9.1 * s, 9.9 * s, 3.9 * s, 0.85)),
            look.ink);
      } else if (group == 2) {
        f.Paint(RoundRect(3.5, 3.5, n - 3.5, n - 3.5, 1), look.ink);
      }
      frames.push_back(f);
    }
  }
  return Strip(frames);
}

// 8 frames in groups of four (normal, hot, pressed, disabled): unchecked, checked.
Image MakeRadioButton(const Theme& t, int scale) {
  const int n = t.checkSize;
  const double c = n / 2.0;
  std::vector<Image> frames;
  for (bool checked : {false, true}) {
    std::vector<Look> looks = BoxLooks(t, false);
    for (std::size_t i = 0; i < looks.size(); ++i) {
      Look look = looks[i];
      if (checked && i != 3) look.border = i == 2 ? t.accentDark : t.accent;
      Image f(n, n, kMagenta, scale);
      f.Paint(Ellipse(c, c, c, c), look.border, t.face);
      f.Paint(Ellipse(c, c, c - 1, c - 1), look.fillTop);
      if (checked) f.Paint(Ellipse(c, c, c - 3.6, c - 3.6), i == 3 ? t.boxDisabledLine : look.border);
      frames.push_back(f);
    }
  }
  return Strip(frames);
}

// ---------------------------------------------------------------- tabs and panes

constexpr int kTabW = 40, kTabH = 24;

Image MakeTabs(const Theme& t, int scale) {
  std::vector<Image> frames;
  for (State s : {kNormal, kPressed, kDisabled, kHot, kFocused}) {
    // Frame 1 draws the other tabs, frame 2 the current tab; 3 to 5 are disabled, hot and focused.
    const bool current = s == kPressed || s == kFocused;
    Rgb border = t.line, top = t.tabTop, bottom = t.tabBottom;
    if (current) top = bottom = t.face;
    if (s == kDisabled) border = t.lineLight, top = bottom = t.disabledFill;
    if (s == kHot) border = t.lineHot, top = t.tabHotTop, bottom = t.hotFill;
    if (s == kFocused) border = t.accent;
    Image f(kTabW, kTabH, kMagenta, scale);
    f.Paint(TopRounded(0, 0, kTabW, kTabH, t.radius), border, t.face);
    f.PaintWith(TopRounded(1, 1, kTabW - 1, kTabH + 2, std::max(0.0, t.radius - 1)), VerticalRamp(top, bottom, kTabH),
                nullptr, Box{0, 0, kTabW, kTabH});
    if (current) {
      const Shape outer = TopRounded(0, 0, kTabW, kTabH, t.radius);
      f.Paint([outer](double x, double y) { return y < 3 && outer(x, y); }, t.accent);
    }
    frames.push_back(f);
  }
  return Strip(frames);
}

// The pane under the tabs (and the group box frame): a 1-pixel border around the face.
Image MakePane(const Theme& t, int scale) {
  Image f(16, 16, t.face, scale);
  f.FrameRect(0, 0, 16, 16, t.paneLine);
  return f;
}

// ---------------------------------------------------------------- progress bar

Image MakeProgress(const Theme& t, int scale) {
  const int w = 16, h = 16;
  Image empty =
      RoundedFace(scale, w, h, t.radius, Look{t.progressLine, t.track, Lighter(t.track, 0.4), t.text}, t.face);
  Image bar = RoundedFace(scale, w, h, t.radius, Look{t.accentDark, Lighter(t.accent, 0.3), t.accent, kWhite}, t.face);
  bar.Paint(Rect(3, 2, w - 3, 3), Lighter(t.accent, 0.5));  // a soft highlight along the top
  return Strip({empty, bar});
}

Image MakeProgressChunk(const Theme& t, int scale) {
  Image f(10, 12, kMagenta, scale);
  f.VerticalGradient(0, 0, 8, 12, Lighter(t.accent, 0.3), t.accent);
  return f;
}

// ---------------------------------------------------------------- combo box and status bar

// Combo border and button in one: 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
Image MakeComboButton(const Theme& t, int scale) {
  const int w = 20, h = t.comboHeight;
  std::vector<Image> frames;
  const Look looks[] = {{t.line, t.window, t.window, t.glyph},
                        {t.accentDark, t.pressedFill, t.pressedFill, t.accentDark},
                        {t.lineLight, t.emptyDisabledFill, t.emptyDisabledFill, t.lineLight},
                        {t.accent, t.hotFill, t.hotFill, t.accent}};
  for (const Look& look : looks) {
    Image f(w, h, look.fillTop, scale);
    f.FrameRect(0, 0, w, h, look.border);
    frames.push_back(f);
  }
  return Strip(frames);
}

// Frames 1 to 4: the drop-down chevron per combo state; frame 5: the status bar size grip.
Image MakeExtraImages(const Theme& t, int scale) {
  const int n = 12;
  std::vector<Image> frames;
  const Rgb fills[] = {t.window, t.pressedFill, t.emptyDisabledFill, t.hotFill};
  const Rgb inks[] = {t.glyph, t.accentDark, t.disabledGlyph, t.accent};
  for (int i = 0; i < 4; ++i) {
    Image f(n, n, kMagenta, scale);
    f.Paint(Union(Segment(2.5, 4.5, 6, 8, 0.75), Segment(6, 8, 9.5, 4.5, 0.75)), inks[i], fills[i]);
    frames.push_back(f);
  }
  Image grip(n, n, kMagenta, scale);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col <= row; ++col) {
      const int x = n - 3 - 3 * (row - col), y = n - 3 - 3 * (2 - row);
      grip.FillRect(x, y + 3 * 0, x + 2, y + 2, t.shadow);
    }
  frames.push_back(grip);
  return Strip(frames);
}

// 1 lowered, 2 raised, 3 flat panel: a hairline on top, separators at the right.
Image MakeStatusBar(const Theme& t, int scale) {
  const int w = 16, h = 22;
  std::vector<Image> frames;
  for (int kind = 0; kind < 3; ++kind) {
    Image f(w, h, kind == 1 ? t.raisedFace : t.face, scale);
    f.HorizontalLine(0, w, 0, t.lineLight);
    if (kind < 2) f.VerticalLine(w - 1, 4, h - 4, kind == 0 ? t.lineLight : t.line);
    frames.push_back(f);
  }
  return Strip(frames);
}

// ---------------------------------------------------------------- header and menus

Image MakeHeader(const Theme& t, int scale) {
  const int w = 24, h = 22;
  std::vector<Image> frames;
  for (State s : {kNormal, kHot, kPressed, kDisabled, kFocused}) {
    // Frame 1 normal, 2 the column under the mouse, 3 pressed, 4 disabled, 5 focused.
    Rgb top = t.headerTop, bottom = t.headerBottom;
    if (s == kHot) top = t.tabHotTop, bottom = t.hotFill;
    if (s == kPressed) top = bottom = t.pressedFill;
    if (s == kDisabled) top = bottom = t.disabledFill;
    Image f(w, h, kMagenta, scale);
    f.VerticalGradient(0, 0, w, h, top, bottom);
    f.VerticalLine(w - 1, 4, h - 4, t.lineLight);
    f.HorizontalLine(0, w, h - 1, s == kFocused ? t.accent : t.lineLight);
    if (s == kFocused) f.HorizontalLine(0, w, h - 2, t.accent);
    frames.push_back(f);
  }
  return Strip(frames);
}

constexpr int kMenuItemW = 24, kMenuItemH = 22, kMenuItemMargin = 4;

// 1 normal (transparent), 2 separator, 3 disabled selection, 4 selected, 5 focused selection.
Image MakeMenuItem(const Theme& t, int scale) {
  const int w = kMenuItemW, h = kMenuItemH;
  std::vector<Image> frames;
  frames.emplace_back(w, h, kMagenta, scale);
  Image separator(w, h, kMagenta, scale);
  separator.HorizontalLine(kMenuItemMargin, w - kMenuItemMargin, h - 5, t.menuSeparator);
  frames.push_back(separator);
  frames.push_back(RoundedFace(scale, w, h, t.radius,
                               Look{t.menuDisabledLine, t.menuDisabledFill, t.menuDisabledFill, t.text}, t.menu));
  frames.push_back(RoundedFace(scale, w, h, t.radius, Look{t.menuSelectedLine, t.hilight, t.hilight, t.text}, t.menu));
  frames.push_back(RoundedFace(scale, w, h, t.radius, Look{t.accent, t.hilight, t.hilight, t.text}, t.menu));
  return Strip(frames);
}

Image MakeMenuBackground(const Theme& t, int scale) {
  Image f(16, 16, t.menu, scale);
  f.FrameRect(0, 0, 16, 16, t.menuLine);
  return f;
}

// ---------------------------------------------------------------- scroll bars

enum class Arrow { kLeft, kRight, kUp, kDown };

Shape ArrowShape(Arrow a, double cx, double cy, double size) {
  const double l = size, s = size / 2;  // base length and depth of the triangle
  switch (a) {
    case Arrow::kUp:
      return Polygon({{cx - l / 2, cy + s / 2}, {cx + l / 2, cy + s / 2}, {cx, cy - s / 2}});
    case Arrow::kDown:
      return Polygon({{cx - l / 2, cy - s / 2}, {cx + l / 2, cy - s / 2}, {cx, cy + s / 2}});
    case Arrow::kLeft:
      return Polygon({{cx + s / 2, cy - l / 2}, {cx + s / 2, cy + l / 2}, {cx - s / 2, cy}});
    case Arrow::kRight:
      return Polygon({{cx - s / 2, cy - l / 2}, {cx - s / 2, cy + l / 2}, {cx + s / 2, cy}});
  }
  return Rect(0, 0, 0, 0);
}

// The thumb pill across the bar: thin when resting, wider when hot or pressed.
double ThumbInset(const Theme& t, int state) {
  if (!t.pillThumb) return 1;
  return state == 0 ? t.scrollSize * 0.3 : t.scrollSize * 0.24;
}
Rgb ThumbColour(const Theme& t, int state) {
  return state == 0 ? t.thumb : state == 1 ? Darker(t.thumb, 0.32) : Darker(t.thumb, 0.14);
}

// 23 frames: left, right, up, down arrows (normal, pressed, disabled, hot each), horizontal
// grip (normal, pressed, hot), vertical grip (the same), and the corner between two bars.
Image MakeScrollArrows(const Theme& t, int scale) {
  const int n = t.scrollSize;
  std::vector<Image> frames;
  for (Arrow a : {Arrow::kLeft, Arrow::kRight, Arrow::kUp, Arrow::kDown}) {
    for (State s : {kNormal, kPressed, kDisabled, kHot}) {
      Rgb fill = t.track, ink = t.glyph;
      if (s == kPressed) fill = t.arrowPressed, ink = t.accentDark;
      if (s == kDisabled) ink = t.arrowDisabledInk;
      if (s == kHot) fill = t.arrowHot, ink = Darker(t.glyph, 0.3);
      Image f(n, n, fill, scale);
      f.Paint(ArrowShape(a, n / 2.0, n / 2.0, n * 0.47), ink);
      frames.push_back(f);
    }
  }
  for (bool vertical : {false, true}) {
    for (int state : {0, 1, 2}) {  // normal, pressed, hot: three short lines across the pill
      Image f(n, n, kMagenta, scale);
      const Rgb ink = Lighter(ThumbColour(t, state), 0.45);
      const int c = n / 2, inset = static_cast<int>(std::ceil(ThumbInset(t, state))) + 1;
      for (int k = -1; k <= 1; ++k) {
        if (vertical)
          f.HorizontalLine(inset, n - inset, c + 2 * k, ink);
        else
          f.VerticalLine(c + 2 * k, inset, n - inset, ink);
      }
      frames.push_back(f);
    }
  }
  frames.emplace_back(n, n, t.track, scale);
  return Strip(frames);
}

// Tracks: 1 enabled, 2 pressed, 3 disabled, 4 hot.
Image MakeScrollTrack(const Theme& t, int scale, bool vertical) {
  std::vector<Image> frames;
  for (Rgb fill : {t.track, Darker(t.track, 0.06), t.disabledTrack, Darker(t.track, 0.03)})
    frames.emplace_back(vertical ? t.scrollSize : 8, vertical ? 8 : t.scrollSize, fill, scale);
  return Strip(frames);
}

constexpr int kThumbLength = 24, kThumbCap = 6;

// Thumbs: 1 normal, 2 pressed, 3 hot; drawn over the enabled track.
Image MakeScrollThumb(const Theme& t, int scale, bool vertical) {
  const int n = t.scrollSize;
  std::vector<Image> frames;
  for (int state : {0, 1, 2}) {
    const double inset = ThumbInset(t, state);
    const double r = t.pillThumb ? (n - 2 * inset) / 2 : 0;
    Image f(n, kThumbLength, kMagenta, scale);
    f.Paint(RoundRect(inset, 1, n - inset, kThumbLength - 1, r), ThumbColour(t, state), t.track);
    frames.push_back(vertical ? f : f.Transposed());
  }
  return Strip(frames);
}

// ---------------------------------------------------------------- track bar thumbs and spin buttons

// Five frames; the track bar draws frame 2, so it is the resting look: 1 pressed, 2 normal,
// 3 disabled, 4 hot, 5 focused.
Image MakeTrackThumb(const Theme& t, int scale, bool lying) {
  const int w = 11, h = 20;
  std::vector<Image> frames;
  const Look looks[] = {{t.accentDark, t.accentDark, t.accentDark, kWhite},
                        {t.accentDark, Lighter(t.accent, 0.15), t.accent, kWhite},
                        {t.thumbDisabledLine, t.thumbDisabledTop, t.thumbDisabledBottom, kWhite},
                        {t.accent, Lighter(t.accent, 0.4), Lighter(t.accent, 0.2), kWhite},
                        {Darker(t.accentDark, 0.3), Lighter(t.accent, 0.15), t.accent, kWhite}};
  for (const Look& look : looks) {
    Image f(w, h, look.border, scale);
    f.VerticalGradient(1, 1, w - 1, h - 1, look.fillTop, look.fillBottom);
    // Corner pixels are keyed out so the thumb reads as rounded even when stretched.
    for (int x : {0, w - 1})
      for (int y : {0, h - 1}) f.Set(x, y, kMagenta);
    frames.push_back(lying ? f.Transposed() : f);
  }
  return Strip(frames);
}

// Spin buttons: 1 to 4 the first arrow (normal, pressed, disabled, hot), 5 to 8 the second.
Image MakeSpin(const Theme& t, int scale, bool horizontal) {
  const int w = horizontal ? 10 : 16, h = horizontal ? 16 : 10;
  std::vector<Image> frames;
  for (bool second : {false, true}) {
    for (State s : {kNormal, kPressed, kDisabled, kHot}) {
      Rgb fill = t.spinFill, border = t.line;
      if (s == kPressed) fill = t.pressedFill, border = t.accentDark;
      if (s == kDisabled) fill = t.spinDisabledFill, border = t.lineLight;
      if (s == kHot) fill = t.hotFill, border = t.lineHot;
      Image f(w, h, fill, scale);
      f.FrameRect(0, 0, w, h, border);
      // The second arrow shares the line between the two.
      if (second && horizontal) f.VerticalLine(0, 1, h - 1, fill);
      if (second && !horizontal) f.HorizontalLine(1, w - 1, 0, fill);
      frames.push_back(f);
    }
  }
  return Strip(frames);
}

Image MakeSpinGlyphs(const Theme& t, int scale, bool horizontal) {
  const int w = horizontal ? 6 : 9, h = horizontal ? 9 : 6;
  std::vector<Image> frames;
  const Arrow arrows[2] = {horizontal ? Arrow::kLeft : Arrow::kUp, horizontal ? Arrow::kRight : Arrow::kDown};
  for (Arrow a : arrows) {
    for (State s : {kNormal, kPressed, kDisabled, kHot}) {
      Rgb fill = t.spinFill, ink = t.glyph;
      if (s == kPressed) fill = t.pressedFill, ink = t.accentDark;
      if (s == kDisabled) fill = t.spinDisabledFill, ink = t.spinDisabledInk;
      if (s == kHot) fill = t.hotFill, ink = t.accent;
      Image f(w, h, kMagenta, scale);
      f.Paint(ArrowShape(a, w / 2.0, h / 2.0, 7), ink, fill);
      frames.push_back(f);
    }
  }
  return Strip(frames);
}

// ---------------------------------------------------------------- description

struct Section {
  std::string name;
  std::vector<std::pair<std::string, std::string>> keys;
  std::string comment;
};

std::string ColourText(Rgb c) {
  return FormatText("%d %d %d", c.r, c.g, c.b);
}

int ButtonX(const Theme& t, int index) {  // index 0 = close, 1 = maximize/restore, 2 = minimize
  return t.captionButtonInset + (index + 1) * t.captionButtonWidth + index * t.captionButtonGap;
}

}  // namespace

std::vector<Picture> MakeSkinPictures(const Theme& t, int scale) {
  const Borders borders = MakeBorders(t, scale);
  const Image pane = MakePane(t, scale);
  std::vector<Picture> pictures = {
      {"buttons.bmp", MakeButtons(t, scale)},
      {"checkbox.bmp", MakeCheckBox(t, scale)},
      {"radiobutton.bmp", MakeRadioButton(t, scale)},
      {"progress.bmp", MakeProgress(t, scale)},
      {"progresschunk.bmp", MakeProgressChunk(t, scale)},
      {"tab.bmp", MakeTabs(t, scale)},
      {"tabsheet.bmp", pane},
      {"comboboxbtn.bmp", MakeComboButton(t, scale)},
      {"statusbar.bmp", MakeStatusBar(t, scale)},
      {"header.bmp", MakeHeader(t, scale)},
      {"scrollbararrow.bmp", MakeScrollArrows(t, scale)},
      {"scrollbarhthumb.bmp", MakeScrollThumb(t, scale, false)},
      {"scrollbarvthumb.bmp", MakeScrollThumb(t, scale, true)},
      {"scrollbarhbar.bmp", MakeScrollTrack(t, scale, false)},
      {"scrollbarvbar.bmp", MakeScrollTrack(t, scale, true)},
      {"menubackground.bmp", MakeMenuBackground(t, scale)},
      {"menuitem.bmp", MakeMenuItem(t, scale)},
      {"extraimages.bmp", MakeExtraImages(t, scale)},
      {"trackthumbh.bmp", MakeTrackThumb(t, scale, false)},
      {"trackbot.bmp", MakeTrackThumb(t, scale, true)},
      {"mdibutton.bmp", MakeMdiButtons(t, scale)},
      {"spin.bmp", MakeSpin(t, scale, false)},
      {"spinarrow.bmp", MakeSpinGlyphs(t, scale, false)},
      {"spinh.bmp", MakeSpin(t, scale, true)},
      {"spinharrow.bmp", MakeSpinGlyphs(t, scale, true)},
      {"closebutton.bmp", CaptionButton(t, scale, CaptionGlyph::kClose)},
      {"maxbutton.bmp", CaptionButton(t, scale, CaptionGlyph::kMaximize)},
      {"minbutton.bmp", CaptionButton(t, scale, CaptionGlyph::kMinimize)},
      {"restrorebutton.bmp", CaptionButton(t, scale, CaptionGlyph::kRestore)},
      {"frameleft.bmp", borders.left},
      {"frameright.bmp", borders.right},
      {"frametop.bmp", borders.top},
      {"framebottom.bmp", borders.bottom},
      {"mincaption.bmp", MakeMenuBar(t, scale)},
  };
  return pictures;
}

std::string MakeDescription(const Theme& t) {
  const std::string n = std::to_string(t.frameWidth);
  auto margins = [](int l, int top, int r, int b) {
    return std::vector<std::pair<std::string, std::string>>{{"LeftWidth", std::to_string(l)},
                                                            {"TopHeight", std::to_string(top)},
                                                            {"RightWidth", std::to_string(r)},
                                                            {"BottomHeight", std::to_string(b)}};
  };
  auto with = [](std::vector<std::pair<std::string, std::string>> a,
                 std::vector<std::pair<std::string, std::string>> b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const std::string caption = std::to_string(t.captionHeight);
  const std::string buttonTop = std::to_string(CaptionButtonTop(t));
  const int iconSize = 16;

  std::vector<Section> sections;
  sections.push_back({"TitlebarSkin", {{"SkinName", t.name}}, ""});

  std::vector<std::pair<std::string, std::string>> personality;
  for (const char* side : {"Left", "Right"}) {
    const std::string s = side;
    personality.insert(personality.end(), {{s, s == "Left" ? "frameleft.bmp" : "frameright.bmp"},
                                           {s + "TopHeight", caption},
                                           {s + "BotHeight", n},
                                           {s + "Frame", "2"},
                                           {s + "Stretch", "1"},
                                           {s + "Trans", "1"}});
  }
  for (const char* side : {"Top", "Bottom"}) {
    const std::string s = side;
    personality.insert(personality.end(), {{s, s == "Top" ? "frametop.bmp" : "framebottom.bmp"},
                                           {s + "TopHeight", "0"},
                                           {s + "BotHeight", "0"},
                                           {s + "Frame", "2"},
                                           {s + "Stretch", "1"},
                                           {s + "Trans", "0"}});
  }
  personality.insert(personality.end(), {{"TextBack", "frametop.bmp"},
                                         {"TextShift", std::to_string(t.titleShift)},
                                         {"TextShiftVert", "0"},
                                         {"TextRightClip", std::to_string(ButtonX(t, 2) + 6)},
                                         {"TextAlignment", "0"},
                                         {"Textbackground", "0"},
                                         {"TXTBackleft", "0"},
                                         {"TXTBackRight", "0"},
                                         {"ActiveTextR", std::to_string(t.titleText.r)},
                                         {"ActiveTextG", std::to_string(t.titleText.g)},
                                         {"ActiveTextB", std::to_string(t.titleText.b)},
                                         {"InActiveTextR", std::to_string(t.titleTextInactive.r)},
                                         {"InActiveTextG", std::to_string(t.titleTextInactive.g)},
                                         {"InActiveTextB", std::to_string(t.titleTextInactive.b)},
                                         {"menuBar", "mincaption.bmp"},
                                         {"TileMenu", "1"},
                                         {"TileLeftMenu", "2"},
                                         {"TileRightMenu", "2"}});
  sections.push_back({"Personality", personality,
                      "Borders: rounded top corners keyed out in magenta, so the window region rounds them.\r\n"
                      "; The title sits straight on the caption band: TextBack names the band itself."});
  sections.push_back({"Fonts", {{"FontHeight", "14"}}, ""});
  sections.push_back({"Colours",
                      {{"WindowText", ColourText(t.text)},
                       {"TitleTextActive", ColourText(t.titleText)},
                       {"TitleTextNoActive", ColourText(t.titleTextInactive)},
                       {"ButtonFace", ColourText(t.face)},
                       {"ButtonText", ColourText(t.text)},
                       {"ButtonHilight", ColourText(t.accentLight)},
                       {"Buttonlight", ColourText(t.buttonLight)},
                       {"ButtonShadow", ColourText(t.shadow)},
                       {"ButtonDkShadow", ColourText(t.dkShadow)},
                       {"HilightText", ColourText(t.hilightText)},
                       {"Hilight", ColourText(t.hilight)},
                       {"Menubar", ColourText(t.face)},
                       {"MenuBarText", ColourText(t.text)},
                       {"MenuText", ColourText(t.text)},
                       {"Menu", ColourText(t.menu)},
                       {"Scrollbar", ColourText(t.track)}},
                      "Selections are Hilight with HilightText; ButtonHilight frames a hot menu-bar item."});
  sections.push_back({"Buttons",
                      with(margins(kButtonMargin, kButtonMargin, kButtonMargin, kButtonMargin),
                           {{"Bitmap", "buttons.bmp"},
                            {"Trans", "1"},
                            {"Tile", "0"},
                            {"CheckButton", "checkbox.bmp"},
                            {"CheckButtonFrame", "12"},
                            {"RadioButton", "radiobutton.bmp"},
                            {"RadioButtonFrame", "8"},
                            {"NormalColour2", ColourText(t.text)},
                            {"MouseOverColour2", ColourText(t.text)},
                            {"PressedColour2", ColourText(t.text)}}),
                      "Frames: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default."});

  // Caption buttons at the right: close, then maximize or restore, then minimize; the window
  // icon at the left opens the system menu.
  auto captionButton = [&](const std::string& name, const std::string& action, int index, const std::string& vis,
                           const std::string& vis1, const std::string& image) {
    std::vector<std::pair<std::string, std::string>> keys = {{"Action", action},
                                                             {"Align", "1"},
                                                             {"Xcoord", std::to_string(ButtonX(t, index))},
                                                             {"Ycoord", buttonTop},
                                                             {"Visibility", vis}};
    if (!vis1.empty()) keys.push_back({"Visibility1", vis1});
    keys.push_back({"ButtonImage", image});
    keys.push_back({"frame", "4"});
    sections.push_back({name, keys, ""});
  };
  captionButton("ButtonClose", "0", 0, "0", "", "closebutton.bmp");
  sections.back().comment = "Caption buttons, frames: 1 normal, 2 pressed, 3 hot, 4 inactive window or disabled.";
  captionButton("ButtonMaximize", "1", 1, "6", "2", "maxbutton.bmp");
  captionButton("ButtonRestore", "1", 1, "6", "1", "restrorebutton.bmp");
  captionButton("ButtonMinimize", "2", 2, "6", "", "minbutton.bmp");
  sections.push_back({"ButtonSysMenu",
                      {{"Action", "3"},
                       {"Align", "0"},
                       {"Xcoord", std::to_string(t.iconLeft)},
                       {"Ycoord", std::to_string((t.captionHeight - iconSize) / 2)},
                       {"Visibility", "0"}},
                      "The window icon; its picture is the program's own icon."});
  sections.push_back(
      {"MDICONTROLS", {{"Image", "mdibutton.bmp"}}, "Minimize, restore, close of a maximized MDI child."});

  auto object = [&](const std::string& name, const std::string& image, int frames,
                    std::vector<std::pair<std::string, std::string>> more, const std::string& comment = "") {
    std::vector<std::pair<std::string, std::string>> keys = {{"Image", image}};
    if (frames > 0) keys.push_back({"Frame", std::to_string(frames)});
    keys.insert(keys.end(), more.begin(), more.end());
    sections.push_back({name, keys, comment});
  };
  sections.push_back(
      {"Progress",
       with({{"Bitmap", "progress.bmp"}, {"Style", "0"}, {"Trans", "1"}, {"Tile", "0"}}, margins(3, 3, 3, 3)),
       "Frames: 1 empty track, 2 filled bar."});
  object("Progress.Chunk", "progresschunk.bmp", 1, {{"Tile", "1"}, {"Trans", "1"}});
  object("GroupBoxEdge", "tabsheet.bmp", 2, with({{"Trans", "0"}}, margins(1, 1, 1, 1)),
         "Group boxes are drawn with a rounded line; these two keep the description complete.");
  object("GroupBox", "tabsheet.bmp", 0, with({{"Trans", "0"}}, margins(4, 4, 4, 4)));
  sections.back().keys.insert(
      sections.back().keys.end(),
      {{"BackgroundAlignment", "0"}, {"BackgroundLeftShift", "0"}, {"BackgroundRightShift", "0"}});
  object("Tabs", "tab.bmp", 5,
         with({{"Border", "tabsheet.bmp"},
               {"Style", "0"},
               {"Trans", "1"},
               {"Tile", "0"},
               {"NormalColour2", ColourText(t.textSoft)},
               {"MouseOverColour2", ColourText(t.text)}},
              margins(4, 4, 4, 1)),
         "Frames: 1 other tabs, 2 current tab, 3 disabled, 4 hot, 5 focused.");
  object("Tab.Pane", "tabsheet.bmp", 1, with({{"Trans", "0"}, {"Tile", "0"}}, margins(4, 4, 4, 4)));
  object("StatusBarEdges", "statusbar.bmp", 3,
         with({{"Trans", "0"}, {"Tile", "0"}, {"NormalColour2", ColourText(t.text)}}, margins(1, 4, 2, 4)),
         "Frames: 1 lowered, 2 raised, 3 flat panel.");
  object("ToolBars", "buttons.bmp", 5, with({{"Trans", "1"}, {"Tile", "0"}}, margins(4, 4, 4, 4)));
  object("ComboButton", "comboboxbtn.bmp", 4,
         with({{"Style", "0"}, {"Trans", "1"}, {"Tile", "0"}}, margins(2, 2, 2, 2)),
         "One picture for the combo box border and its button: 1 normal, 2 pressed, 3 disabled, 4 hot or focused.");
  object("SunkEdge", "comboboxbtn.bmp", 4, with({{"Trans", "0"}, {"Tile", "0"}}, margins(2, 2, 2, 2)));
  object("ExtraImages", "extraimages.bmp", 5, {{"Trans", "1"}},
         "Frames 1 to 4: the drop-down arrow per combo state; 5: the size grip.");
  object("Headerbar", "header.bmp", 5,
         with({{"Trans", "0"}, {"Tile", "0"}, {"NormalColour2", ColourText(t.text)}}, margins(2, 2, 2, 2)),
         "Frames: 1 normal, 2 column under the mouse, 3 pressed, 4 disabled, 5 focused.");
  object("MenuItem", "menuitem.bmp", 5,
         with({{"Trans", "1"}, {"Tile", "0"}},
              margins(kMenuItemMargin, kMenuItemMargin, kMenuItemMargin, kMenuItemMargin)),
         "Frames: 1 normal, 2 separator, 3 disabled selection, 4 selected, 5 focused selection.");
  object("MenuBackground", "menubackground.bmp", 1, with({{"Trans", "0"}, {"Tile", "0"}}, margins(3, 3, 3, 3)));
  object("Scrollbar", "scrollbararrow.bmp", 23, {{"Trans", "1"}},
         "Arrows left 1, right 5, up 9, down 13 (+1 pressed, +2 disabled, +3 hot); grips 17 and 20 (+1 pressed, +2 "
         "hot); 23 the corner.");
  object("HorzScroll", "scrollbarhbar.bmp", 4, with({{"Trans", "0"}, {"Tile", "0"}}, margins(0, 0, 0, 0)),
         "Tracks: 1 enabled, 2 pressed, 3 disabled, 4 hot. Thumbs: 1 normal, 2 pressed, 3 hot.");
  object("VertScroll", "scrollbarvbar.bmp", 4, with({{"Trans", "0"}, {"Tile", "0"}}, margins(0, 0, 0, 0)));
  object("HorzScrollThumb", "scrollbarhthumb.bmp", 0,
         with({{"FrameCount", "3"}, {"Trans", "1"}, {"Tile", "0"}}, margins(kThumbCap, 0, kThumbCap, 0)));
  object("VertScrollThumb", "scrollbarvthumb.bmp", 0,
         with({{"FrameCount", "3"}, {"Trans", "1"}, {"Tile", "0"}}, margins(0, kThumbCap, 0, kThumbCap)));
  const char* thumbComment =
      "Track bar thumbs: frame 2 is the one drawn (1 pressed, 2 normal, 3 disabled, 4 hot, 5 focused);\r\n"
      "; upright thumbs for horizontal bars, lying thumbs for vertical bars.";
  object("Trackbar.ThumbHorz", "trackthumbh.bmp", 5, {{"Trans", "1"}}, thumbComment);
  object("Trackbar.ThumbVert", "trackbot.bmp", 5, {{"Trans", "1"}});
  object("Trackbar.ThumbLeft", "trackbot.bmp", 5, {{"Trans", "1"}});
  object("Trackbar.ThumbRight", "trackbot.bmp", 5, {{"Trans", "1"}});
  object("Trackbar.ThumbUp", "trackthumbh.bmp", 5, {{"Trans", "1"}});
  object("Trackbar.ThumbDown", "trackthumbh.bmp", 5, {{"Trans", "1"}});
  object("UpDown.Horz", "spinh.bmp", 8, {{"GlyphImage", "spinharrow.bmp"}, {"Trans", "0"}, {"Tile", "0"}},
         "Spin buttons: 1 to 4 first arrow, 5 to 8 second arrow (normal, pressed, disabled, hot).");
  object("UpDown.Vert", "spin.bmp", 8, {{"GlyphImage", "spinarrow.bmp"}, {"Trans", "0"}, {"Tile", "0"}});

  std::ostringstream out;
  out << "; " << t.name << (t.name == Theme().name ? ": the default skin" : ": a skin") << " of Corvana, drawn by skingen.\r\n"
         "; Colours are red green blue; pictures are strips of equal frames.\r\n";
  for (const Section& s : sections) {
    out << "\r\n";
    if (!s.comment.empty()) out << "; " << s.comment << "\r\n";
    out << "[" << s.name << "]\r\n";
    for (const auto& [key, value] : s.keys) out << key << "=" << value << "\r\n";
  }
  const std::string text = out.str();
  for (char c : text)
    if (static_cast<unsigned char>(c) > 127) throw Exception("the skin description must be ASCII");
  return text;
}

Theme DarkTheme() {
  Theme t;
  t.name = "Corvana Dark";
  t.face = {37, 39, 43};
  t.window = {28, 30, 33};
  t.text = {222, 226, 232};
  t.textSoft = {166, 173, 183};
  t.disabledText = {128, 134, 142};
  t.captionTop = {48, 51, 57};
  t.captionBottom = {40, 43, 48};
  t.captionLine = {18, 19, 22};
  // The one accent: focus, selection, checked boxes and the progress bar.
  t.accent = {64, 140, 226};
  t.accentDark = {44, 106, 186};
  t.accentLight = {120, 176, 240};
  t.inactiveTop = {34, 36, 40};
  t.inactiveBottom = {31, 33, 37};
  t.inactiveLine = {62, 65, 71};
  t.titleText = {236, 239, 243};
  t.titleTextInactive = {150, 156, 164};
  t.line = {84, 89, 97};
  t.lineHot = {104, 146, 198};
  t.lineLight = {60, 63, 69};
  // ButtonShadow also colours disabled menu text, so it stays readable on the menu.
  t.shadow = {150, 155, 162};
  t.dkShadow = {14, 15, 17};
  t.hotFill = {54, 60, 70};
  t.pressedFill = {36, 54, 80};
  t.disabledFill = {40, 42, 46};
  t.track = {44, 46, 51};
  t.disabledTrack = {38, 40, 44};
  t.thumb = {98, 103, 112};
  t.close = {196, 43, 28};
  t.menu = {45, 47, 52};
  t.hilight = {38, 79, 130};
  t.hilightText = {240, 244, 248};
  t.glyph = {190, 196, 204};
  t.buttonTop = {60, 63, 69};
  t.buttonBottom = {52, 55, 60};
  t.pressedTop = {34, 50, 74};
  t.pressedBottom = {40, 58, 84};
  t.hotTop = {70, 76, 86};
  t.raisedFace = {46, 48, 53};
  t.buttonLight = {70, 73, 79};
  t.boxLine = {120, 127, 137};
  t.boxDisabledLine = {70, 74, 80};
  t.boxDisabledFill = {58, 61, 66};
  t.boxDisabledInk = {120, 126, 134};
  t.emptyDisabledFill = {40, 42, 46};
  t.emptyDisabledInk = {96, 101, 108};
  t.tabTop = {46, 49, 54};
  t.tabBottom = {42, 45, 50};
  t.tabHotTop = {62, 68, 78};
  t.paneLine = {70, 74, 81};
  t.progressLine = {66, 70, 77};
  t.disabledGlyph = {96, 101, 108};
  t.headerTop = {52, 55, 61};
  t.headerBottom = {46, 49, 54};
  t.menuSeparator = {68, 71, 77};
  t.menuLine = {76, 80, 88};
  t.menuDisabledLine = {64, 67, 73};
  t.menuDisabledFill = {52, 54, 59};
  t.menuSelectedLine = {64, 112, 170};
  t.arrowPressed = {40, 60, 88};
  t.arrowHot = {58, 62, 69};
  t.arrowDisabledInk = {80, 84, 90};
  t.thumbDisabledLine = {70, 74, 80};
  t.thumbDisabledTop = {62, 65, 71};
  t.thumbDisabledBottom = {58, 61, 67};
  t.spinFill = {50, 53, 58};
  t.spinDisabledFill = {40, 42, 46};
  t.spinDisabledInk = {90, 95, 102};
  return t;
}

Theme ClassicTheme() {
  Theme t;
  t.name = "Corvana Classic";
  t.face = {212, 208, 200};
  t.window = {255, 255, 255};
  t.text = {0, 0, 0};
  t.textSoft = {32, 32, 32};
  t.disabledText = {128, 128, 128};
  t.captionTop = t.captionBottom = {10, 36, 106};
  t.captionLine = {64, 64, 64};
  t.accent = {10, 36, 106};
  t.accentDark = {0, 18, 72};
  t.accentLight = {166, 202, 240};
  t.inactiveTop = t.inactiveBottom = {176, 176, 176};
  t.inactiveLine = {128, 128, 128};
  t.titleText = {255, 255, 255};
  t.titleTextInactive = {32, 32, 32};
  t.line = {64, 64, 64};
  t.lineHot = {10, 36, 106};
  t.lineLight = {160, 160, 160};
  t.shadow = {108, 108, 108};
  t.dkShadow = {64, 64, 64};
  t.hotFill = {226, 223, 217};
  t.pressedFill = {190, 186, 178};
  t.disabledFill = t.face;
  t.track = {234, 232, 228};
  t.thumb = {168, 164, 156};
  t.close = {10, 36, 106};
  t.menu = t.face;
  t.hilight = {10, 36, 106};
  t.hilightText = {255, 255, 255};
  t.glyph = {0, 0, 0};
  // Flat: every gradient is one colour.
  t.buttonTop = t.buttonBottom = t.face;
  t.pressedTop = t.pressedBottom = t.pressedFill;
  t.hotTop = t.hotFill;
  t.raisedFace = {222, 219, 212};
  t.buttonLight = {255, 255, 255};
  t.boxLine = {64, 64, 64};
  t.boxDisabledLine = {128, 128, 128};
  t.boxDisabledFill = t.face;
  t.boxDisabledInk = {128, 128, 128};
  t.emptyDisabledFill = t.face;
  t.emptyDisabledInk = {128, 128, 128};
  t.tabTop = t.tabBottom = {204, 200, 192};
  t.tabHotTop = t.hotFill;
  t.paneLine = {128, 128, 128};
  t.progressLine = {128, 128, 128};
  t.disabledGlyph = {128, 128, 128};
  t.headerTop = t.headerBottom = t.face;
  t.menuSeparator = {128, 128, 128};
  t.menuLine = {64, 64, 64};
  t.menuDisabledLine = {128, 128, 128};
  t.menuDisabledFill = t.face;
  t.menuSelectedLine = t.hilight;
  t.arrowPressed = t.pressedFill;
  t.arrowHot = t.hotFill;
  t.arrowDisabledInk = {160, 160, 160};
  t.thumbDisabledLine = {128, 128, 128};
  t.thumbDisabledTop = t.thumbDisabledBottom = t.face;
  t.spinFill = t.face;
  t.spinDisabledFill = t.face;
  t.spinDisabledInk = {160, 160, 160};
  t.radius = 0;
  t.roundWindow = false;
  t.pillThumb = false;
  t.boxedCaptionButtons = true;
  // The platform's classic proportions: a 4-pixel frame, an 18-pixel caption, 16 x 14 buttons.
  t.captionHeight = 22;
  t.captionButtonWidth = 16;
  t.captionButtonHeight = 14;
  t.captionButtonGap = 2;
  t.captionButtonInset = 6;
  t.iconLeft = 6;
  t.titleShift = 22;
  t.scrollSize = 16;
  return t;
}

Theme ThemeNamed(const std::string& name) {
  if (name == "light") return Theme();
  if (name == "dark") return DarkTheme();
  if (name == "classic") return ClassicTheme();
  throw Exception("unknown theme " + name + " (light, dark or classic)");
}
