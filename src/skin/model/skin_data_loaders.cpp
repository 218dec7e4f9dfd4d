// TSkinData's loaders: ApplyDescription and every loader of the skin objects, the frame
// counts, and the objects derived after reading (combo pictures, combo arrow, toolbar).
#include <algorithm>

#include "base/twice_size_name.h"
#include "skin/file/imgutil.h"
#include "skin/file/quick_ini.h"
#include "skin/file/skin_reader.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_draw.h"
#include "ui/dpi.h"
#include "ui/gdi.h"

namespace {

std::string UpperAscii(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return text;
}

// The name part of a path (after the last separator).
std::string NamePart(const std::string& path) {
  const size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The extension with its dot, as it is written ("" when none).
std::string ExtensionOf(const std::string& name) {
  const size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

// Copies a rectangle of a picture into a new 24-bit bitmap.
void CopyPart(TBitmap& target, TBitmap& source, int x, int y, int w, int h) {
  target.Assign(TBitmap(w > 0 ? w : 0, h > 0 ? h : 0, TPixelFormat::pf24bit));
  if (target.Empty() || source.Empty()) return;
  BitBlt(target.Canvas().Handle(), 0, 0, w, h, source.Canvas().Handle(), x, y, SRCCOPY);
}

void FillSolid(HDC dc, const RECT& rect, TColor colour) {
  const TBrushHandle brush(CreateSolidBrush(ColorToRGB(colour)));
  FillRect(dc, &rect, brush.Get());
}

// Widest frame-by-height ratio of a three-frame caption button strip.
constexpr double kThreeFrameRatio = 3.8;
// Size of one combo-box look in the composite picture.
constexpr int kComboWidth = 50;
constexpr int kComboHeight = 21;
constexpr int kComboArrowSize = 17;

}  // namespace

void TSkinData::ApplyDescription() {
  if (!FIni) return;
  FSections.Clear();
  FIni->GetSections(&FSections);
  FSkinName = ReadText("TitlebarSkin", "SkinName");
  FTwice.clear();

  LoadBorders();
  LoadColours();
  LoadTitleButtons();
  LoadButtonsSection();
  LoadTitle("Personality");

  LoadBitmapObject(Progress, "Progress");
  LoadSkinObject(ProgressChunk, "Progress.Chunk");
  LoadMenuBar(MenuBar, "Personality");
  LoadSkinObject(GroupBoxEdge, "GroupBoxEdge");
  LoadBoxLabelObject(GroupBox, "GroupBox");
  LoadSkinObjectWithSecondImage(Tabs, "Tabs", "Border");
  LoadSkinObject(StatusBarEdges, "StatusBarEdges");
  LoadSkinObject(TabPane, "Tab.Pane");
  if (TabPane) {
    TabPane->LeftWidth = std::min(TabPane->LeftWidth, 4);
    TabPane->TopHeight = std::min(TabPane->TopHeight, 4);
    TabPane->RightWidth = std::min(TabPane->RightWidth, 4);
    TabPane->BottomHeight = std::min(TabPane->BottomHeight, 4);
  }
  LoadSkinObject(ToolBars, "ToolBars");
  LoadSkinObjectWithSecondImage(ComboButton, "ComboButton", "****");
  LoadSkinObject(SunkEdge, "SunkEdge");
  if (ComboButton && !ComboButton->Image.Empty()) {
    ComboButton->SecondImage.Assign(ComboButton->Image);
    ComboButton->SecondImage.SetPixelFormat(TPixelFormat::pf24bit);
    MirrorHorizontal(ComboButton->SecondImage);
  }

  LoadSkinObject(ExtraImages, "ExtraImages");
  LoadSkinObject(Headerbar, "Headerbar");
  LoadSkinObject(MenuItem, "MenuItem");
  LoadSkinObject(MenuBackground, "MenuBackground");
  LoadSkinObject(Scrollbar, "Scrollbar");
  LoadSkinObject(HorzScroll, "HorzScroll");
  LoadSkinObject(VertScroll, "VertScroll");
  LoadSkinObject(HorzScrollThumb, "HorzScrollThumb");
  LoadSkinObject(VertScrollThumb, "VertScrollThumb");
  LoadSkinObject(TrackbarThumbHorz, "Trackbar.ThumbHorz");
  LoadSkinObject(TrackbarThumbVert, "Trackbar.ThumbVert");
  LoadSkinObject(TrackbarThumbLeft, "Trackbar.ThumbLeft");
  LoadSkinObject(TrackbarThumbRight, "Trackbar.ThumbRight");
  LoadSkinObject(TrackbarThumbUp, "Trackbar.ThumbUp");
  LoadSkinObject(TrackbarThumbDown, "Trackbar.ThumbDown");

  LoadSkinObjectWithSecondImage(UpDownHorz, "UpDown.Horz", "GlyphImage");
  LoadSkinObjectWithSecondImage(UpDownVert, "UpDown.Vert", "GlyphImage");
  LoadSkinObject(Track, "Track");
  LoadSkinObject(TrackVert, "TRACKVERT");
  if (!Track) LoadBuiltInObject(Track, "Track");
  if (!TrackVert) LoadBuiltInObject(TrackVert, "TRACKVERT");

  FixFrameCounts();
  ScaleObjects();
  BuildComboImages();
  BuildComboArrow();
  BuildToolbarObject();

  Colours[SkinColour::Title] = SampleTitleColour();
  FFaceBrush.Reset(CreateSolidBrush(ColorToRGB(Colours[SkinColour::ButtonFace])));

  FSections.Clear();
  FSkinPending = false;
  ++FGeneration;
}

void TSkinData::LoadImageEntry(TBitmap& bitmap, const std::string& fileName) {
  const std::string name = NamePart(fileName);
  if (name.empty() || ExtensionOf(name) != ".bmp" || !FReader) {
    bitmap.Clear();
    return;
  }
  TMemoryStream work;
  FReader->GetEntry(name, work);
  if (work.Size() == 0) {
    bitmap.Clear();
    return;
  }
  work.SetPosition(0);
  try {
    bitmap.LoadFromStream(work);
  } catch (const Exception&) {
    // A damaged picture is an empty one: the object keeps its numbers, painters fall back.
    bitmap.Clear();
  }
  FTwice.erase(&bitmap);
  if (bitmap.Empty() || !UsesTwiceSizePictures()) return;
  // Name@2x.bmp beside Name.bmp; one that is not exactly twice the size is not taken.
  const std::string twiceName = TwiceSizeName(name);
  TMemoryStream twiceData;
  FReader->GetEntry(twiceName, twiceData);
  if (twiceData.Size() == 0) return;
  twiceData.SetPosition(0);
  auto twice = std::make_unique<TBitmap>();
  try {
    twice->LoadFromStream(twiceData);
  } catch (const Exception&) {
    return;
  }
  if (twice->Width() == 2 * bitmap.Width() && twice->Height() == 2 * bitmap.Height())
    FTwice[&bitmap] = std::move(twice);
}

void TSkinData::ReadObjectKeys(TDataSkinObject& object, const std::string& section, bool readFrame) {
  object.Style = ReadInt(section, "Style", 0);
  object.LeftWidth = ReadInt(section, "LeftWidth", 0);
  object.RightWidth = ReadInt(section, "RightWidth", 0);
  object.TopHeight = ReadInt(section, "TopHeight", 0);
  object.BottomHeight = ReadInt(section, "BottomHeight", 0);
  if (readFrame) object.Frame = ReadInt(section, "Frame", 0);
  object.Trans = ReadInt(section, "Trans", 0);
  object.Tile = ReadInt(section, "Tile", 0);
  object.NormalColour = ReadInt(section, "NormalColour", kNoObjectColour);
  object.MouseOverColour = ReadInt(section, "MouseOverColour", kNoObjectColour);
  object.PressedColour = ReadInt(section, "PressedColour", kNoObjectColour);
  object.NormalColour2 = ReadColour2(section, "NormalColour2");
  object.MouseOverColour2 = ReadColour2(section, "MouseOverColour2");
  object.PressedColour2 = ReadColour2(section, "PressedColour2");
  if (object.Tile > 1) object.Tile = 0;
}

void TSkinData::LoadSkinObject(TSkinSlot<TDataSkinObject>& slot, const std::string& section) {
  slot.reset();
  const std::string image = ReadText(section, "Image");
  if (image.empty()) return;
  slot = std::make_unique<TDataSkinObject>(section);
  LoadImageEntry(slot->Image, image);
  ReadObjectKeys(*slot, section, true);
}

void TSkinData::LoadSkinObjectWithSecondImage(TSkinSlot<TDataSkinBorder>& slot, const std::string& section,
                                              const std::string& secondKey) {
  slot.reset();
  const std::string image = ReadText(section, "Image");
  if (image.empty()) return;
  slot = std::make_unique<TDataSkinBorder>(section);
  LoadImageEntry(slot->Image, image);
  const std::string second = ReadText(section, secondKey);
  if (!second.empty()) LoadImageEntry(slot->SecondImage, second);
  ReadObjectKeys(*slot, section, false);
}

void TSkinData::LoadBitmapObject(TSkinSlot<TDataSkinBorder>& slot, const std::string& section) {
  slot.reset();
  const std::string image = ReadText(section, "Bitmap");
  if (image.empty()) return;
  slot = std::make_unique<TDataSkinBorder>(section);
  LoadImageEntry(slot->Image, image);
  slot->Style = ReadInt(section, "Style", 0);
  slot->LeftWidth = ReadInt(section, "LeftWidth", 0);
  slot->RightWidth = ReadInt(section, "RightWidth", 0);
  slot->TopHeight = ReadInt(section, "TopHeight", 0);
  slot->BottomHeight = ReadInt(section, "BottomHeight", 0);
  slot->Trans = ReadInt(section, "Trans", 0);
  slot->Tile = ReadInt(section, "Tile", 0);
  if (slot->Tile > 1) slot->Tile = 1;
}

void TSkinData::LoadBoxLabelObject(TSkinSlot<TDataSkinBoxLabel>& slot, const std::string& section) {
  slot.reset();
  const std::string image = ReadText(section, "Image");
  if (image.empty()) return;
  slot = std::make_unique<TDataSkinBoxLabel>(section);
  LoadImageEntry(slot->Image, image);
  ReadObjectKeys(*slot, section, false);
  slot->BackgroundAlignment = ReadInt(section, "BackgroundAlignment", 0);
  slot->BackgroundLeftShift = ReadInt(section, "BackgroundLeftShift", 0);
  slot->BackgroundRightShift = ReadInt(section, "BackgroundRightShift", 0);
}

void TSkinData::LoadBorders() {
  const std::string section = "Personality";
  for (auto& border : Borders) {
    const std::string& name = border->Name;
    LoadImageEntry(border->Image, ReadText(section, name));
    const int first = ReadInt(section, name + "TopHeight", 0);
    const int second = ReadInt(section, name + "BotHeight", 0);
    const bool sideways = name == "Left" || name == "Right";
    // Side borders keep their unscaled ends at the top and bottom, top and bottom borders at
    // the left and right.
    border->TopHeight = sideways ? first : 0;
    border->BottomHeight = sideways ? second : 0;
    border->LeftWidth = sideways ? 0 : first;
    border->RightWidth = sideways ? 0 : second;
    border->Frame = ReadInt(section, name + "Frame", 1);
    border->Tile = ReadInt(section, name + "Stretch", 1);
    border->Trans = ReadInt(section, name + "Trans", 1);
    if (border->Tile > 1) border->Tile = 1;
  }
}

void TSkinData::LoadTitle(const std::string& section) {
  TDataSkinTitle& title = *Title;
  LoadImageEntry(title.Image, ReadText(section, "TextBack"));
  title.LeftWidth = ReadInt(section, "TextShift", 0);
  title.TopHeight = ReadInt(section, "TextShiftVert", 0);
  title.RightWidth = ReadInt(section, "TextRightClip", 0);
  title.BottomHeight = 0;
  title.TextAlignment = ReadInt(section, "TextAlignment", 0);
  title.Textbackground = ReadInt(section, "Textbackground", 0);
  title.TXTBackleft = ReadInt(section, "TXTBackleft", 0);
  title.TXTBackRight = ReadInt(section, "TXTBackRight", 0);
  title.FontHeight = ReadInt("Fonts", "FontHeight", 14);
  title.ActiveText = clNone;
  title.InActiveText = clNone;
  ReadRgbKeys(section, "ActiveText", title.ActiveText);
  ReadRgbKeys(section, "InActiveText", title.InActiveText);
}

void TSkinData::LoadMenuBar(TSkinSlot<TDataSkinObject>& slot, const std::string& section) {
  slot.reset();
  const std::string image = ReadText(section, "menuBar");
  if (image.empty()) return;
  slot = std::make_unique<TDataSkinObject>("MenuBar");
  LoadImageEntry(slot->Image, image);
  slot->TopHeight = 0;
  slot->BottomHeight = 0;
  slot->Tile = ReadInt(section, "TileMenu", 1);
  if (slot->Tile > 1) slot->Tile = 1;
  slot->LeftWidth = ReadInt(section, "TileLeftMenu", 1);
  slot->RightWidth = ReadInt(section, "TileRightMenu", 1);
}

void TSkinData::LoadButtonsSection() {
  const std::string section = "Buttons";
  TDataSkinButton& b = *Buttons;
  b.LeftWidth = ReadInt(section, "LeftWidth", 0);
  b.RightWidth = ReadInt(section, "RightWidth", 0);
  b.TopHeight = ReadInt(section, "TopHeight", 0);
  b.BottomHeight = ReadInt(section, "BottomHeight", 0);
  b.Trans = ReadInt(section, "Trans", 0);
  b.Tile = ReadInt(section, "Tile", 0);
  LoadImageEntry(b.Image, ReadText(section, "Bitmap"));
  LoadImageEntry(b.CheckButton, ReadText(section, "CheckButton"));
  LoadImageEntry(b.RadioButton, ReadText(section, "RadioButton"));
  b.NormalColour = ReadInt(section, "NormalColour", kNoObjectColour);
  b.MouseOverColour = ReadInt(section, "MouseOverColour", kNoObjectColour);
  b.PressedColour = ReadInt(section, "PressedColour", kNoObjectColour);
  b.RadioButtonFrame = ReadInt(section, "RadioButtonFrame", 0);
  b.CheckButtonFrame = ReadInt(section, "CheckButtonFrame", 0);
  if (b.Tile > 1) b.Tile = 0;
  b.HasNormalColour2 = !ReadText(section, "NormalColour2").empty();
  b.HasMouseOverColour2 = !ReadText(section, "MouseOverColour2").empty();
  b.HasPressedColour2 = !ReadText(section, "PressedColour2").empty();
  b.NormalColour2 = ReadColour2(section, "NormalColour2");
  b.MouseOverColour2 = ReadColour2(section, "MouseOverColour2");
  b.PressedColour2 = ReadColour2(section, "PressedColour2");
}

void TSkinData::LoadTitleButtons() {
  TitleButtons.clear();
  std::vector<std::string> names;
  for (int i = 0; i < FSections.Count(); ++i) {
    const std::string name = UpperAscii(FSections[i]);
    if (name == "BUTTONS" || name == "BUTTON.RADIO" || name == "BUTTON.CHECKBOX" || name == "BUTTON") continue;
    if (!name.starts_with("BUTTON")) continue;
    if (ReadInt(name, "Action", 0) == -1 && ReadInt(name, "Visibility", -1) != 0) continue;
    names.push_back(name);
  }
  const int n = static_cast<int>(names.size());
  TitleButtons.reserve(static_cast<size_t>(n) + 3);

  bool remembered = false;
  int rememberedX = 0, rememberedY = 0;
  for (const std::string& name : names) {
    auto button = std::make_unique<TDataSkinSysButton>(name);
    TDataSkinSysButton& b = *button;
    b.Action = ReadInt(name, "Action", 0);
    b.Align = ReadInt(name, "Align", 0);
    b.Xcoord = ReadInt(name, "Xcoord", 0);
    b.Ycoord = ReadInt(name, "Ycoord", 0);
    b.Visibility = ReadInt(name, "Visibility", 0);
    b.Visibility1 = ReadInt(name, "Visibility1", b.Action == -1 ? -1 : 0);
    b.CombineOp = ReadInt(name, "CombineOp", -1);
    b.Frame = ReadInt(name, "frame", 0);
    LoadImageEntry(b.Image, ReadText(name, "ButtonImage"));
    // A restore-like button shares the place of the last maximize button shown maximized.
    if (b.Action == 1 && b.Visibility == 2) {
      remembered = true;
      rememberedX = b.Xcoord;
      rememberedY = b.Ycoord;
    } else if (b.Action == 4 && remembered) {
      b.Xcoord = rememberedX;
      b.Ycoord = rememberedY;
    }
    if (b.Frame == 0) {
      b.Frame = 6;
      if (!b.Image.Empty())
        b.Frame = static_cast<double>(b.Image.Width()) / b.Image.Height() <= kThreeFrameRatio ? 3 : 6;
      if (b.Action < 0) b.Frame = 6;
      if (b.Action == 3 || b.Action == 11) b.Image.Clear();
    }
    TitleButtons.push_back(std::move(button));
  }
  for (int action = 7; action <= 9; ++action) {
    auto button = std::make_unique<TDataSkinSysButton>("MDICONTROLS");
    button->Action = action;
    button->Align = 100;
    button->Visibility = 100;
    button->Visibility1 = 100;
    button->Frame = 4;
    TitleButtons.push_back(std::move(button));
  }
  LoadMdiButtons(n);
}

void TSkinData::LoadMdiButtons(int firstIndex) {
  TBitmap strip;
  LoadImageEntry(strip, ReadText("MDICONTROLS", "Image"));
  // The strip lives only here: its twice-size picture must not outlive it under its address.
  struct TForget {
    std::map<const TBitmap*, std::unique_ptr<TBitmap>>& Twice;
    const TBitmap* Strip;
    ~TForget() { Twice.erase(Strip); }
  } forget{FTwice, &strip};
  if (strip.Empty()) return;
  const int w = strip.Width() / 12;
  const int h = strip.Height();
  for (int k = 0; k < 3; ++k) {
    const size_t index = static_cast<size_t>(firstIndex + k);
    if (index >= TitleButtons.size()) break;
    TDataSkinSysButton& b = *TitleButtons[index];
    CopyPart(b.Image, strip, 4 * w * k, 0, 4 * w, h);
    if (auto twice = FTwice.find(&strip); twice != FTwice.end()) {
      auto part = std::make_unique<TBitmap>();
      CopyPart(*part, *twice->second, 8 * w * k, 0, 8 * w, 2 * h);
      FTwice[&b.Image] = std::move(part);
    }
    b.Xcoord = (w + 4) * (3 - k);
  }
}

void TSkinData::LoadBuiltInObject(TSkinSlot<TDataSkinObject>& slot, const std::string& name) {
  slot.reset();
  auto object = std::make_unique<TDataSkinObject>(name);
  const std::wstring resource(name.begin(), name.end());
  try {
    object->Image.LoadFromResourceName(GetModuleHandleW(nullptr), resource.c_str());
  } catch (const Exception&) {
    // A program without the resource has no built-in track: painters draw their own.
    return;
  }
  if (UsesTwiceSizePictures()) {
    // The program's own twice-size picture, NAME_2X, where it has one of exactly twice the size.
    auto twice = std::make_unique<TBitmap>();
    try {
      twice->LoadFromResourceName(GetModuleHandleW(nullptr), (resource + L"_2X").c_str());
      if (twice->Width() == 2 * object->Image.Width() && twice->Height() == 2 * object->Image.Height())
        FTwice[&object->Image] = std::move(twice);
    } catch (const Exception&) {
      // Without it the 96-DPI picture is scaled.
    }
  }
  object->LeftWidth = object->TopHeight = object->RightWidth = object->BottomHeight = 3;
  object->Tile = 0;
  object->Frame = 1;
  slot = std::move(object);
}

void TSkinData::FixFrameCounts() {
  auto set = [](auto& slot, int frames) {
    if (slot) slot->Frame = frames;
  };
  Title->Frame = 2;
  set(MenuBar, 2);
  Buttons->Frame = 5;
  if (Progress) Progress->Frame = Progress->Style != 0 ? 1 : 2;
  set(GroupBoxEdge, 2);
  set(GroupBox, 1);
  // Only frames 1 and 2 are sure to exist in a tab picture; the hot frame needs the skin's word.
  if (Tabs) Tabs->DeclaredFrame = ReadInt("Tabs", "Frame", 0);
  set(Tabs, 5);
  set(StatusBarEdges, 3);
  set(TabPane, 1);
  set(ToolBars, 5);
  set(ComboButton, 4);
  set(SunkEdge, 4);
  set(ExtraImages, 5);
  if (Headerbar && Headerbar->Frame == 0) Headerbar->Frame = 5;
  set(MenuItem, 5);
  set(MenuBackground, 1);
  set(Scrollbar, 23);
  set(HorzScroll, 4);
  set(VertScroll, 4);
  if (HorzScrollThumb) HorzScrollThumb->Frame = ReadInt("HorzScrollThumb", "FrameCount", 3);
  if (VertScrollThumb) VertScrollThumb->Frame = ReadInt("VertScrollThumb", "FrameCount", 3);
  set(TrackbarThumbHorz, 5);
  set(TrackbarThumbVert, 5);
  set(TrackbarThumbLeft, 5);
  set(TrackbarThumbRight, 5);
  set(TrackbarThumbUp, 5);
  set(TrackbarThumbDown, 5);
  set(UpDownHorz, 8);
  set(UpDownVert, 8);

  // Radio and check pictures: 13-pixel frames in low strips, 16-pixel ones otherwise.
  auto frames = [](TBitmap& image) {
    const int width = image.Height() < 16 ? image.Width() / 13 : image.Width() / 16;
    return std::max(width, 4);
  };
  if (Buttons->RadioButtonFrame == 0) Buttons->RadioButtonFrame = frames(Buttons->RadioButton);
  if (Buttons->CheckButtonFrame == 0) Buttons->CheckButtonFrame = frames(Buttons->CheckButton);
}

void TSkinData::BuildComboImages() {
  if (!SunkEdge || !ComboButton) return;
  // The platform's arrow width is in the system's scale; the rest are the engine's own lengths.
  const int bw = RescaleDpi(GetSystemMetrics(SM_CXHSCROLL), SystemDpi(), Dpi()) + Scaled(2);
  const int n = SunkEdge->Frame;
  if (n <= 0) return;
  const int comboWidth = Scaled(kComboWidth), comboHeight = Scaled(kComboHeight);
  TBitmap result(comboWidth * n, comboHeight, TPixelFormat::pf24bit);
  FillSolid(result.Canvas().Handle(), RECT{0, 0, result.Width(), comboHeight}, kSkinKeyColour);
  TBitmap work(comboWidth, comboHeight, TPixelFormat::pf24bit);
  const HDC dc = work.Canvas().Handle();
  const RECT button{comboWidth - bw, 0, comboWidth, comboHeight};
  for (int f = 1; f <= n; ++f) {
    FillSolid(dc, RECT{0, 0, comboWidth, comboHeight}, kSkinKeyColour);
    DrawSkinObject(dc, RECT{0, 0, comboWidth, comboHeight}, n, f, *SunkEdge);
    DrawSkinFrame(dc, button, ComboButton->Image, ComboButton->Margins(), ComboButton->Tile, ComboButton->Frame, f,
                  true);
    if (ExtraImages && !ExtraImages->Image.Empty() && ExtraImages->Frame > 0 && f <= ExtraImages->Frame) {
      const int ew = ExtraImages->Image.Width() / ExtraImages->Frame;
      const int eh = ExtraImages->Image.Height();
      TBitmap glyph;
      CopyPart(glyph, ExtraImages->Image, ew * (f - 1), 0, ew, eh);
      const int x = button.left + (bw - ew) / 2;
      const int y = (comboHeight - eh) / 2;
      DrawKeyed(dc, RECT{x, y, x + ew, y + eh}, glyph, kSkinKeyColour);
    }
    FillSolid(dc, RECT{Scaled(2), Scaled(2), comboWidth - Scaled(1) - bw, comboHeight - Scaled(3)}, kSkinKeyColour);
    BitBlt(result.Canvas().Handle(), comboWidth * (f - 1), 0, comboWidth, comboHeight, dc, 0, 0, SRCCOPY);
  }

  ComboButton->Style = 2;
  ComboButton->LeftWidth = Scaled(2);
  ComboButton->TopHeight = SunkEdge->TopHeight;
  ComboButton->RightWidth = bw + Scaled(2);
  ComboButton->BottomHeight = SunkEdge->BottomHeight;
  ComboButton->Image.Assign(result);

  MirrorHorizontal(result);
  SunkEdge->Image.Assign(result);
  SunkEdge->LeftWidth = bw + Scaled(2);
  SunkEdge->RightWidth = Scaled(2);
}

void TSkinData::BuildComboArrow() {
  if (!ComboxArrow) ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  if (!SunkEdge && ComboButton) {
    ComboxArrow->Image.Assign(ComboButton->Image);
    ReplaceKeyColour(ComboxArrow->Image, Colours[SkinColour::ButtonFace]);
    ComboxArrow->Frame = ComboButton->Frame;
  } else if (SunkEdge && ComboButton && ComboButton->Style == 2) {
    const int n = SunkEdge->Frame;
    if (n <= 0) return;
    const int fw = ComboButton->Image.Width() / n;
    const int size = Scaled(kComboArrowSize);
    TBitmap arrows(size * n, size, TPixelFormat::pf24bit);
    for (int i = 0; i < n; ++i)
      BitBlt(arrows.Canvas().Handle(), size * i, 0, size, size, ComboButton->Image.Canvas().Handle(),
             (i + 1) * fw - Scaled(19), Scaled(2), SRCCOPY);
    ComboxArrow->Image.Assign(arrows);
    ComboxArrow->Frame = n;
  }
}

void TSkinData::BuildToolbarObject() {
  if (!Toolbar) Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  // The title colour of this skin (sampled now: the stored entry still holds the last skin's).
  const TColor title = static_cast<TColor>(ColorToRGB(SampleTitleColour()));
  const int s = ColourSaturation(title);
  TColor endColour = BlendColours(clGray, title, 150);
  const TColor startColour = BlendColours(Colours[SkinColour::ButtonFace], clWhite, 150);
  if (s > 110) endColour = BlendColours(title, clWhite, (5625 - 25 * s) / 140 + 50);
  TBitmap picture(Scaled(10), Scaled(40), TPixelFormat::pf24bit);
  GradientFill(picture.Canvas().Handle(), RECT{0, 0, Scaled(10), Scaled(40)}, startColour, endColour, true);
  Toolbar->Image.Assign(picture);
  Toolbar->Frame = 1;
}
