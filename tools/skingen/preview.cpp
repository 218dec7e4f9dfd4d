// Contact sheet: a mock window composed the way the skin engine draws, then every picture enlarged with numbered
// frames.
#include "preview.h"

#include <algorithm>
#include <map>
#include <string>

#include "base/error.h"
#include "font.h"
#include "resources.h"

namespace {

const Rgb kSheet{250, 250, 251};
const Rgb kInk{60, 66, 74};

class Pictures {
public:
  explicit Pictures(const std::vector<Picture>& list) {
    for (const Picture& p : list) FByName[p.name] = &p.image;
  }
  const Image& operator[](const std::string& name) const {
    const auto it = FByName.find(name);
    if (it == FByName.end()) throw Exception("no picture " + name);
    return *it->second;
  }

private:
  std::map<std::string, const Image*> FByName;
};

// Frame `index` (1-based) of a strip of `count` frames.
Image FrameOf(const Image& strip, int count, int index, bool stacked = false) {
  if (stacked) {
    const int h = strip.Height() / count;
    return strip.Crop(0, (index - 1) * h, strip.Width(), h);
  }
  const int w = strip.Width() / count;
  return strip.Crop((index - 1) * w, 0, w, strip.Height());
}

// Nearest-neighbour stretch, as the platform's stretching copy does.
Image Stretch(const Image& src, int w, int h) {
  Image out(w, h);
  if (src.Empty()) return out;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.Set(x, y, src.At(x * src.Width() / w, y * src.Height() / h));
  return out;
}

// Nine-slice: corners kept, edges and centre stretched.
Image NineSlice(const Image& f, int l, int t, int r, int b, int w, int h) {
  if (w < l + r) l = r = 0;
  if (h < t + b) t = b = 0;
  Image out(w, h);
  const int xs[4] = {0, l, f.Width() - r, f.Width()}, ys[4] = {0, t, f.Height() - b, f.Height()};
  const int xd[4] = {0, l, w - r, w}, yd[4] = {0, t, h - b, h};
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i) {
      const int sw = xs[i + 1] - xs[i], sh = ys[j + 1] - ys[j], dw = xd[i + 1] - xd[i], dh = yd[j + 1] - yd[j];
      if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) continue;
      out.Blit(Stretch(f.Crop(xs[i], ys[j], sw, sh), dw, dh), xd[i], yd[j]);
    }
  return out;
}

void DrawIcon(Image& dst, const RgbaImage& icon, int x0, int y0) {
  for (int y = 0; y < icon.Height(); ++y)
    for (int x = 0; x < icon.Width(); ++x) {
      const double a = icon.AlphaAt(x, y) / 255.0;
      if (a > 0 && x0 + x < dst.Width() && y0 + y < dst.Height())
        dst.Set(x0 + x, y0 + y, Mix(dst.At(x0 + x, y0 + y), icon.ColourAt(x, y), a));
    }
}

void CentredLabel(Image& dst, int x0, int y0, int w, int h, const std::string& text, Rgb ink) {
  DrawLabel(dst, x0 + (w - LabelWidth(text)) / 2, y0 + (h - kGlyphHeight) / 2, text, ink);
}

// A window as the skin engine would show it (title text in the label font, since the real
// one comes from the platform).
Image MockWindow(const Theme& t, const Pictures& p, bool active) {
  const int W = 340, H = 272, s = t.frameWidth, cap = t.captionHeight;
  const int frame = active ? 1 : 2;
  Image win(W, H, t.face);
  win.Blit(NineSlice(FrameOf(p["frameleft.bmp"], 2, frame), 0, cap, 0, s, s, H), 0, 0);
  win.Blit(NineSlice(FrameOf(p["frameright.bmp"], 2, frame), 0, cap, 0, s, s, H), W - s, 0);
  win.Blit(NineSlice(FrameOf(p["framebottom.bmp"], 2, frame, true), 0, 0, 0, 0, W - 2 * s, s), s, H - s);
  win.Blit(NineSlice(FrameOf(p["frametop.bmp"], 2, frame, true), 0, 0, 0, 0, W - 2 * s, cap), s, 0);
  DrawIcon(win, MakeIcon(t)[0], t.iconLeft, (cap - 16) / 2);
  DrawLabel(win, s + t.titleShift + 4, (cap - kGlyphHeight) / 2, "CORVANA VER:1.0",
            active ? t.titleText : t.titleTextInactive);
  const int top = (cap - t.captionButtonHeight) / 2;
  const char* names[3] = {"closebutton.bmp", "maxbutton.bmp", "minbutton.bmp"};
  for (int i = 0; i < 3; ++i) {
    const int x = W - (t.captionButtonInset + (i + 1) * t.captionButtonWidth + i * t.captionButtonGap);
    const int f = !active ? 4 : (i == 0 ? 3 : i == 2 ? 2 : 1);  // show hot close and pressed minimize
    win.BlitKeyed(FrameOf(p[names[i]], 4, f), x, top);
  }
  // Tabs and the pane.
  const int paneTop = cap + 28;
  win.Blit(NineSlice(p["tabsheet.bmp"], 4, 5, 4, 4, W - 2 * s - 12, H - paneTop - 30), s + 6, paneTop);
  int tx = s + 8;
  for (int i = 0; i < 3; ++i) {
    const int tw = i == 0 ? 64 : 72;
    const int f = i == 0 ? 2 : (i == 2 ? 4 : 1);
    win.BlitKeyed(NineSlice(FrameOf(p["tab.bmp"], 5, f), 4, 4, 4, 1, tw, 21), tx, paneTop - 21);
    CentredLabel(win, tx, paneTop - 21, tw, 21,
                 i == 0   ? "QUERY"
                 : i == 1 ? "DATABASE"
                          : "HOT",
                 i == 0 ? t.text : t.textSoft);
    tx += tw;
  }
  // Buttons in their five looks.
  const char* looks[5] = {"OK", "PRESS", "OFF", "HOT", "FOCUS"};
  for (int i = 0; i < 5; ++i) {
    const int x = s + 16 + i * 60, y = paneTop + 12;
    win.BlitKeyed(NineSlice(FrameOf(p["buttons.bmp"], 5, i + 1), 4, 4, 4, 4, 56, 24), x, y);
    CentredLabel(win, x, y, 56, 24, looks[i], i == 2 ? t.disabledText : t.text);
  }
  // Check boxes, radio buttons.
  const int cy = paneTop + 48;
  const int checks[6] = {1, 2, 4, 5, 8, 9};  // unchecked, hot, disabled, checked, checked disabled, mixed
  for (int i = 0; i < 6; ++i) win.BlitKeyed(FrameOf(p["checkbox.bmp"], 12, checks[i]), s + 16 + 20 * i, cy);
  for (int i = 0; i < 4; ++i)
    win.BlitKeyed(FrameOf(p["radiobutton.bmp"], 8, i == 0 ? 1 : i == 1 ? 5 : i == 2 ? 6 : 8), s + 150 + 20 * i, cy);
  // A combo box built the way the skin component composes it.
  const int bw = 19;
  for (int state = 1; state <= 2; ++state) {
    const int x = s + 16 + (state - 1) * 130, y = paneTop + 70, w = 120, h = t.comboHeight;
    Image combo = NineSlice(FrameOf(p["comboboxbtn.bmp"], 4, state == 1 ? 1 : 4), 2, 2, 2, 2, w, h);
    combo.BlitKeyed(NineSlice(FrameOf(p["comboboxbtn.bmp"], 4, state == 1 ? 1 : 4), 2, 2, 2, 2, bw, h), w - bw, 0);
    const Image arrow = FrameOf(p["extraimages.bmp"], 5, state == 1 ? 1 : 4);
    combo.BlitKeyed(arrow, w - bw + (bw - arrow.Width()) / 2, (h - arrow.Height()) / 2);
    combo.FillRect(2, 2, w - bw - 1, h - 2, t.window);
    DrawLabel(combo, 6, (h - kGlyphHeight) / 2, state == 1 ? "8.8.8.8" : "FOCUSED", t.text);
    win.Blit(combo, x, y);
  }
  // Progress bar at 60 %.
  {
    const int x = s + 16, y = paneTop + 100, w = 200, h = 16;
    Image bar = NineSlice(FrameOf(p["progress.bmp"], 2, 1), 3, 3, 3, 3, w, h);
    bar.BlitKeyed(NineSlice(FrameOf(p["progress.bmp"], 2, 2), 3, 3, 3, 3, w * 6 / 10, h), 0, 0);
    win.BlitKeyed(bar, x, y);
  }
  // A memo with a vertical scroll bar: arrows, track, a hot thumb with its grip.
  {
    const int x = s + 16, y = paneTop + 124, w = 150, h = 56, n = t.scrollSize;
    win.FillRect(x, y, x + w, y + h, t.window);
    win.FrameRect(x, y, x + w, y + h, t.shadow);
    for (int i = 0; i < 4; ++i) DrawLabel(win, x + 5, y + 5 + 14 * i, "IP:8.8.8.255", t.text);
    const int bx = x + w - 1 - n, by = y + 1, bh = h - 2;
    win.Blit(NineSlice(FrameOf(p["scrollbarvbar.bmp"], 4, 1), 0, 0, 0, 0, n, bh), bx, by);
    win.BlitKeyed(FrameOf(p["scrollbararrow.bmp"], 23, 9), bx, by);
    win.BlitKeyed(FrameOf(p["scrollbararrow.bmp"], 23, 16), bx, by + bh - n);
    win.BlitKeyed(NineSlice(FrameOf(p["scrollbarvthumb.bmp"], 3, 3), 0, 6, 0, 6, n, 24), bx, by + n + 2);
    // A horizontal bar beside it, resting.
    const int hx = x + w + 10, hy = y + h - n, hw = 120;
    win.Blit(NineSlice(FrameOf(p["scrollbarhbar.bmp"], 4, 1), 0, 0, 0, 0, hw, n), hx, hy);
    win.BlitKeyed(FrameOf(p["scrollbararrow.bmp"], 23, 1), hx, hy);
    win.BlitKeyed(FrameOf(p["scrollbararrow.bmp"], 23, 5), hx + hw - n, hy);
    win.BlitKeyed(NineSlice(FrameOf(p["scrollbarhthumb.bmp"], 3, 1), 6, 0, 6, 0, 40, n), hx + n + 20, hy);
    win.BlitKeyed(FrameOf(p["scrollbararrow.bmp"], 23, 17), hx + n + 20 + (40 - n) / 2, hy);
    // Spin buttons and a track bar.
    win.Blit(Stretch(FrameOf(p["spin.bmp"], 8, 4), 16, 11), hx, y);
    win.Blit(Stretch(FrameOf(p["spin.bmp"], 8, 5), 16, 11), hx, y + 11);
    win.BlitKeyed(FrameOf(p["spinarrow.bmp"], 8, 4), hx + 4, y + 3);
    win.BlitKeyed(FrameOf(p["spinarrow.bmp"], 8, 5), hx + 4, y + 14);
    const Image track = MakeTrack(t);
    win.Blit(NineSlice(track, 3, 0, 3, 0, 90, 4), hx + 26, y + 9);
    win.BlitKeyed(FrameOf(p["trackthumbh.bmp"], 5, 2), hx + 60, y + 1);
  }
  // Status bar.
  {
    const int y = H - s - 22, w = W - 2 * s;
    win.Blit(NineSlice(FrameOf(p["statusbar.bmp"], 3, 1), 1, 4, 2, 4, w / 2, 22), s, y);
    win.Blit(NineSlice(FrameOf(p["statusbar.bmp"], 3, 1), 1, 4, 2, 4, w - w / 2, 22), s + w / 2, y);
    DrawLabel(win, s + 6, y + 8, "READY", t.text);
    const Image grip = FrameOf(p["extraimages.bmp"], 5, 5);
    win.BlitKeyed(grip, W - s - 1 - grip.Width(), H - s - 1 - grip.Height());
  }
  win.Replace(kMagenta, kSheet);  // the desktop behind the keyed-out corners
  return win;
}

// Magenta drawn as a checkerboard of the backdrop, so transparency reads at a glance.
Image ShowKey(const Image& img, int scale, Rgb backdrop) {
  Image out = img.Scaled(scale);
  const Rgb other = Mix(backdrop, kWhite, 0.25);
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x)
      if (out.At(x, y) == kMagenta) out.Set(x, y, ((x / 4 + y / 4) % 2) ? backdrop : other);
  return out;
}

struct Entry {
  std::string label;
  const Image* image;
  int frames;
  bool stacked;
  Rgb backdrop;
};

}  // namespace

Image MakePreview(const Theme& t, const std::vector<Picture>& list) {
  const Pictures p(list);
  const std::map<std::string, std::pair<int, bool>> frames = {
      {"buttons.bmp", {5, false}},         {"checkbox.bmp", {12, false}},
      {"radiobutton.bmp", {8, false}},     {"progress.bmp", {2, false}},
      {"progresschunk.bmp", {1, false}},   {"tab.bmp", {5, false}},
      {"tabsheet.bmp", {1, false}},        {"comboboxbtn.bmp", {4, false}},
      {"statusbar.bmp", {3, false}},       {"header.bmp", {5, false}},
      {"scrollbararrow.bmp", {23, false}}, {"scrollbarhthumb.bmp", {3, false}},
      {"scrollbarvthumb.bmp", {3, false}}, {"scrollbarhbar.bmp", {4, false}},
      {"scrollbarvbar.bmp", {4, false}},   {"menubackground.bmp", {1, false}},
      {"menuitem.bmp", {5, false}},        {"extraimages.bmp", {5, false}},
      {"trackthumbh.bmp", {5, false}},     {"trackbot.bmp", {5, false}},
      {"mdibutton.bmp", {12, false}},      {"spin.bmp", {8, false}},
      {"spinarrow.bmp", {8, false}},       {"spinh.bmp", {8, false}},
      {"spinharrow.bmp", {8, false}},      {"closebutton.bmp", {4, false}},
      {"maxbutton.bmp", {4, false}},       {"minbutton.bmp", {4, false}},
      {"restrorebutton.bmp", {4, false}},  {"frameleft.bmp", {2, false}},
      {"frameright.bmp", {2, false}},      {"frametop.bmp", {2, true}},
      {"framebottom.bmp", {2, true}},      {"mincaption.bmp", {2, true}}};
  std::vector<Entry> entries;
  for (const Picture& pic : list) {
    const auto it = frames.find(pic.name);
    if (it == frames.end()) throw Exception("no frame count for " + pic.name);
    // Caption buttons are seen on the caption band, everything else on the face.
    const bool caption = pic.name == "closebutton.bmp" || pic.name == "maxbutton.bmp" || pic.name == "minbutton.bmp" ||
                         pic.name == "restrorebutton.bmp";
    entries.push_back(
        {pic.name, &pic.image, it->second.first, it->second.second, caption ? t.captionBottom : Rgb{236, 236, 240}});
  }
  const Theme& theme = t;
  const Image track = MakeTrack(theme), trackVert = MakeTrackVert(theme), glyphs = MakeMenuGlyphs();
  entries.push_back({"TRACK (RESOURCE)", &track, 1, false, kSheet});
  entries.push_back({"TRACKVERT (RESOURCE)", &trackVert, 1, false, kSheet});
  entries.push_back({"REDEDODEVED (RESOURCE)", &glyphs, 4, false, kSheet});

  const int sheetW = 1400, margin = 16, scale = 2, gap = 6;
  // Lay the entries out in rows first to know the height.
  struct Placed {
    const Entry* e;
    int x, y;
  };
  std::vector<Placed> placed;
  const Image activeMock = MockWindow(t, p, true), inactiveMock = MockWindow(t, p, false);
  int x = margin, y = margin + 24 + std::max(activeMock.Height() * 2, 2 * activeMock.Height() + 24) + margin, rowH = 0;
  auto sizeOf = [&](const Entry& e) {
    const int fw = e.stacked ? e.image->Width() : e.image->Width() / e.frames;
    const int fh = e.stacked ? e.image->Height() / e.frames : e.image->Height();
    const int w = e.stacked ? fw * scale + 24 : e.frames * (fw * scale + gap) - gap;
    const int h = 12 + (e.stacked ? e.frames * (fh * scale + gap) : fh * scale + 12);
    return std::pair{std::max(w, LabelWidth(e.label)), h};
  };
  for (const Entry& e : entries) {
    const auto [w, h] = sizeOf(e);
    if (x + w > sheetW - margin) x = margin, y += rowH + margin, rowH = 0;
    placed.push_back({&e, x, y});
    x += w + 2 * margin;
    rowH = std::max(rowH, h);
  }
  Image sheet(sheetW, y + rowH + margin, kSheet);
  std::string title = theme.name + ", TWICE ITS SIZE";
  for (char& c : title) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  DrawLabel(sheet, margin, margin, title, kInk, 2);
  const int mockY = margin + 24;
  sheet.Blit(activeMock.Scaled(2), margin, mockY);
  sheet.Blit(inactiveMock, margin + activeMock.Width() * 2 + margin, mockY);
  DrawLabel(sheet, margin + activeMock.Width() * 2 + margin, mockY + inactiveMock.Height() + 6, "INACTIVE, ACTUAL SIZE",
            kInk);
  sheet.Blit(activeMock, margin + activeMock.Width() * 2 + margin, mockY + inactiveMock.Height() + 24);
  for (const Placed& pl : placed) {
    const Entry& e = *pl.e;
    DrawLabel(sheet, pl.x, pl.y, e.label, kInk);
    const int fy = pl.y + 12;
    for (int i = 1; i <= e.frames; ++i) {
      const Image f = ShowKey(FrameOf(*e.image, e.frames, i, e.stacked), scale, e.backdrop);
      if (e.stacked) {
        const int yy = fy + (i - 1) * (f.Height() + gap);
        DrawLabel(sheet, pl.x, yy + (f.Height() - kGlyphHeight) / 2, std::to_string(i), kInk);
        sheet.Blit(f, pl.x + 24, yy);
      } else {
        const int xx = pl.x + (i - 1) * (f.Width() + gap);
        sheet.Blit(f, xx, fy);
        DrawLabel(sheet, xx + (f.Width() - LabelWidth(std::to_string(i))) / 2, fy + f.Height() + 3, std::to_string(i),
                  kInk);
      }
    }
  }
  return sheet;
}
