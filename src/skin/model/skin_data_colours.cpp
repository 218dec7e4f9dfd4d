// TSkinData's colours: the colour table and its defaults, custom colours, colour keys of
// skin objects, and the title colour sampled from the top border.
#include "skin/file/colour_math.h"
#include "skin/file/quick_ini.h"
#include "skin/model/skin_data.h"

TColor SkinColourDefault(int entry) {
  switch (entry) {
    case SkinColour::WindowText:
      return SystemColor(COLOR_WINDOWTEXT);
    case SkinColour::TitleTextActive:
      return SystemColor(COLOR_CAPTIONTEXT);
    case SkinColour::TitleTextNoActive:
      return SystemColor(COLOR_INACTIVECAPTIONTEXT);
    case SkinColour::ButtonText:
      return SystemColor(COLOR_BTNTEXT);
    case SkinColour::ButtonHilight:
      return SystemColor(COLOR_BTNHIGHLIGHT);
    // The button highlight, not the 3-D light colour.
    case SkinColour::Buttonlight:
      return SystemColor(COLOR_BTNHIGHLIGHT);
    case SkinColour::ButtonShadow:
      return SystemColor(COLOR_BTNSHADOW);
    case SkinColour::ButtonDkShadow:
      return SystemColor(COLOR_3DDKSHADOW);
    case SkinColour::HilightText:
      return SystemColor(COLOR_HIGHLIGHTTEXT);
    case SkinColour::Hilight:
      return SystemColor(COLOR_HIGHLIGHT);
    case SkinColour::MenuBarText:
      return SystemColor(COLOR_MENUTEXT);
    case SkinColour::MenuText:
      return SystemColor(COLOR_MENUTEXT);
    case SkinColour::Menu:
      return SystemColor(COLOR_MENU);
    case SkinColour::Scrollbar:
      return SystemColor(COLOR_SCROLLBAR);
    default:
      return SystemColor(COLOR_BTNFACE);  // ButtonFace, and Menubar and Title follow it
  }
}

std::string TSkinData::ReadText(const std::string& section, const std::string& key) const {
  return FIni ? FIni->ReadString(section, key, "") : std::string();
}

int TSkinData::ReadInt(const std::string& section, const std::string& key, int defaultValue) const {
  return FIni ? FIni->ReadInteger(section, key, defaultValue) : defaultValue;
}

TColor TSkinData::ReadColour2(const std::string& section, const std::string& key) {
  const std::string text = ReadText(section, key);
  return text.empty() ? Colours[SkinColour::ButtonText] : ParseColour(text);
}

void TSkinData::ReadRgbKeys(const std::string& section, const std::string& stem, TColor& colour) {
  const int r = ReadInt(section, stem + "R", -1);
  const int g = ReadInt(section, stem + "G", -1);
  const int b = ReadInt(section, stem + "B", -1);
  if (r >= 0 && g >= 0 && b >= 0) colour = RgbColour(r, g, b);
}

void TSkinData::LoadColours() {
  // "ButtonFace" comes before "Menubar", whose default is the face colour just read.
  static const std::pair<const char*, int> keys[] = {
      {"WindowText", SkinColour::WindowText},
      {"ButtonFace", SkinColour::ButtonFace},
      {"Scrollbar", SkinColour::Scrollbar},
      {"HilightText", SkinColour::HilightText},
      {"Hilight", SkinColour::Hilight},
      {"Menubar", SkinColour::Menubar},
      {"Menu", SkinColour::Menu},
      {"MenuText", SkinColour::MenuText},
      {"ButtonText", SkinColour::ButtonText},
      {"ButtonHilight", SkinColour::ButtonHilight},
      {"Buttonlight", SkinColour::Buttonlight},
      {"ButtonShadow", SkinColour::ButtonShadow},
      {"ButtonDkShadow", SkinColour::ButtonDkShadow},
      {"MenuBarText", SkinColour::MenuBarText},
      {"TitleTextActive", SkinColour::TitleTextActive},
      {"TitleTextNoActive", SkinColour::TitleTextNoActive},
  };
  for (const auto& [key, entry] : keys) {
    const std::string text = ReadText("Colours", key);
    const bool given = !text.empty();
    TColor value = SkinColourDefault(entry);
    if (entry == SkinColour::Menubar) value = Colours[SkinColour::ButtonFace];
    Colours[static_cast<size_t>(entry)] = given ? ParseColour(text) : value;
    ColourGiven[static_cast<size_t>(entry)] = given;
  }

  CustomColourList.clear();
  for (int i = 0; i < FSections.Count(); ++i) {
    const std::string upper = [&] {
      std::string u = FSections[i];
      for (char& c : u) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
      return u;
    }();
    if (upper.starts_with("COLOUR") && upper != "COLOURS")
      CustomColourList.push_back(ReadInt(FSections[i], "color", SystemColor(COLOR_WINDOWTEXT)));
  }
  for (int i = 0; i < 10; ++i)
    CustomColours[static_cast<size_t>(i)] = ReadInt("Customcolors", "Color" + std::to_string(i), clWhite);
}

TColor TSkinData::SampleTitleColour() {
  TDataSkinBorder& top = *Borders[kBorderTop];
  if (top.Image.Empty()) return Colours[SkinColour::ButtonFace];
  // A Frame of 0 or less would divide by zero; such a strip is read as one frame.
  const int frames = top.Frame > 0 ? top.Frame : 1;
  const int x = top.Image.Width() / 3;
  const int y = (top.Image.Height() / frames) / 3;
  return static_cast<TColor>(top.Image.Canvas().Pixel(x, y) & 0xFFFFFF);
}
