// The built skins, read back as the program reads them: the container, every picture the
// description names and its twice-size companion, the caption buttons a normal window gets,
// readable text in every state, and the skin tool's check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "base/stream.h"
#include "base/twice_size_name.h"
#include "bmp_bytes.h"
#include "skin/file/quick_ini.h"
#include "skin/file/skin_reader.h"
#include "skin_check.h"

namespace {

const std::vector<std::string> kPictureNames = {
    "buttons.bmp",         "checkbox.bmp",      "radiobutton.bmp",    "progress.bmp",
    "progresschunk.bmp",   "tab.bmp",           "tabsheet.bmp",       "comboboxbtn.bmp",
    "statusbar.bmp",       "header.bmp",        "scrollbararrow.bmp", "scrollbarhthumb.bmp",
    "scrollbarvthumb.bmp", "scrollbarhbar.bmp", "scrollbarvbar.bmp",  "menubackground.bmp",
    "menuitem.bmp",        "extraimages.bmp",   "trackthumbh.bmp",    "trackbot.bmp",
    "mdibutton.bmp",       "spin.bmp",          "spinarrow.bmp",      "spinh.bmp",
    "spinharrow.bmp",      "closebutton.bmp",   "maxbutton.bmp",      "minbutton.bmp",
    "restrorebutton.bmp",  "frameleft.bmp",     "frameright.bmp",     "frametop.bmp",
    "framebottom.bmp",     "mincaption.bmp"};

// The skins the build makes: the default skin and the two other looks of the generator.
struct SkinCase {
  const char* file;  // in the build's skin folder
  const char* name;  // SkinName of the description
  bool roundedCorners;
  // Disabled menu text (ButtonShadow) against the menu and the face; 0 where not asked for.
  double disabledContrast;
};

const SkinCase kSkins[] = {
    {"default.skin", "Corvana Light", true, 0},
    {"dark.skin", "Corvana Dark", true, 4.5},
    {"classic.skin", "Corvana Classic", false, 3.0},
};

class DefaultSkin : public ::testing::TestWithParam<SkinCase> {
protected:
  void SetUp() override {
    FReader = std::make_unique<TSkinReader>();
    FIni = std::make_unique<TQuickIni>();
    TMemoryStream archive;
    archive.LoadFromFile(std::string(CORVANA_SKIN_DIR) + "/" + GetParam().file);
    FLoaded = FReader->Load(archive);
    TMemoryStream text;
    FReader->FindEntry(".ini", text, FIniName);
    FIni->LoadFromStream(&text);
  }

  struct Entry {
    std::vector<std::uint8_t> bytes;
    BmpFacts facts;
  };
  Entry Picture(const std::string& name) const {
    TMemoryStream s;
    FReader->GetEntry(name, s);
    Entry e{std::vector<std::uint8_t>(s.Bytes().begin(), s.Bytes().end()), {}};
    e.facts = ReadBmpFacts(e.bytes);
    return e;
  }
  std::string Text(const std::string& section, const std::string& key) const {
    return FIni->ReadString(section, key, "");
  }
  int Int(const std::string& section, const std::string& key, int defaultValue) const {
    return FIni->ReadInteger(section, key, defaultValue);
  }

  // The picture named by section/key exists and divides into the frame count.
  void ExpectFrames(const std::string& section, const std::string& key, int frames, bool stacked = false) const {
    SCOPED_TRACE(section + "/" + key);
    const std::string name = Text(section, key);
    ASSERT_FALSE(name.empty()) << "no image key";
    const Entry e = Picture(name);
    ASSERT_TRUE(e.facts.valid) << name << " is not a readable bitmap entry";
    EXPECT_EQ(e.facts.bits, 24u) << name;
    ASSERT_GT(frames, 0);
    const int length = stacked ? e.facts.height : e.facts.width;
    EXPECT_EQ(length % frames, 0) << name << " does not divide into " << frames << " frames";
    EXPECT_GE(length, frames);
  }

  std::unique_ptr<TSkinReader> FReader;
  std::unique_ptr<TQuickIni> FIni;
  bool FLoaded = false;
  std::string FIniName;
};

INSTANTIATE_TEST_SUITE_P(Skins, DefaultSkin, ::testing::ValuesIn(kSkins), [](const auto& skin) {
  std::string name = skin.param.file;
  return name.substr(0, name.find('.'));
});

TEST_P(DefaultSkin, IsAVersion70000ContainerOfTheThirtyFourPicturesTheirDoublesAndOneDescription) {
  ASSERT_TRUE(FLoaded) << FReader->LastError();
  EXPECT_EQ(FReader->Version(), 70000);
  ASSERT_EQ(FReader->Count(), 2 * 34 + 1);
  const std::vector<std::string> lines = FReader->Names().Lines();
  const std::set<std::string> names(lines.begin(), lines.end());
  for (const std::string& name : kPictureNames) {
    EXPECT_EQ(names.count(name), 1u) << name;
    EXPECT_EQ(names.count(TwiceSizeName(name)), 1u) << name;
  }
  EXPECT_EQ(FIniName, "corvana.ini");
  TMemoryStream text;
  FReader->GetEntry(FIniName, text);
  for (std::uint8_t c : text.Bytes()) ASSERT_LT(c, 128) << "the description must be ASCII";
  EXPECT_EQ(Text("TitlebarSkin", "SkinName"), GetParam().name);
}

TEST_P(DefaultSkin, EverySectionNamesAPictureThatDividesIntoItsFrames) {
  for (const char* side : {"Left", "Right"})
    ExpectFrames("Personality", side, Int("Personality", std::string(side) + "Frame", 1));
  for (const char* side : {"Top", "Bottom"})
    ExpectFrames("Personality", side, Int("Personality", std::string(side) + "Frame", 1), true);
  ExpectFrames("Personality", "TextBack", 2, true);
  ExpectFrames("Personality", "menuBar", 2, true);
  ExpectFrames("Buttons", "Bitmap", 5);
  ExpectFrames("Buttons", "CheckButton", Int("Buttons", "CheckButtonFrame", 0));
  ExpectFrames("Buttons", "RadioButton", Int("Buttons", "RadioButtonFrame", 0));
  ExpectFrames("MDICONTROLS", "Image", 12);
  EXPECT_EQ(Int("Progress", "Style", 0), 0);
  ExpectFrames("Progress", "Bitmap", 2);
  ExpectFrames("Progress.Chunk", "Image", Int("Progress.Chunk", "Frame", 0));
  const std::map<std::string, int> fixed = {
      {"GroupBoxEdge", 2},       {"GroupBox", 1},           {"Tabs", 5},
      {"StatusBarEdges", 3},     {"Tab.Pane", 1},           {"ToolBars", 5},
      {"ComboButton", 4},        {"SunkEdge", 4},           {"ExtraImages", 5},
      {"MenuItem", 5},           {"MenuBackground", 1},     {"Scrollbar", 23},
      {"HorzScroll", 4},         {"VertScroll", 4},         {"Trackbar.ThumbHorz", 5},
      {"Trackbar.ThumbVert", 5}, {"Trackbar.ThumbLeft", 5}, {"Trackbar.ThumbRight", 5},
      {"Trackbar.ThumbUp", 5},   {"Trackbar.ThumbDown", 5}, {"UpDown.Horz", 8},
      {"UpDown.Vert", 8}};
  for (const auto& [section, frames] : fixed) ExpectFrames(section, "Image", frames);
  ExpectFrames("Headerbar", "Image", Int("Headerbar", "Frame", 0) == 0 ? 5 : Int("Headerbar", "Frame", 0));
  ExpectFrames("HorzScrollThumb", "Image", Int("HorzScrollThumb", "FrameCount", 3));
  ExpectFrames("VertScrollThumb", "Image", Int("VertScrollThumb", "FrameCount", 3));
  ExpectFrames("Tabs", "Border", 1);
  ExpectFrames("UpDown.Horz", "GlyphImage", 8);
  ExpectFrames("UpDown.Vert", "GlyphImage", 8);
  // Scroll bars keep the skin's thickness only within 2 pixels of the platform arrow (16-17).
  const Entry arrows = Picture(Text("Scrollbar", "Image"));
  EXPECT_GE(arrows.facts.height, 15);
  EXPECT_LE(arrows.facts.height, 18);
}

struct TitleButton {
  std::string section;
  int action, align, x, y, visibility, visibility1, width, height;
};

// The window facts the visibility codes test.
struct WindowFacts {
  bool minBox, maxBox, sysMenu, maximized, active, dialogFrame;
};

// Visibility condition A or B (Part of the caption-button rules) for the codes a skin uses.
bool Condition(int code, const WindowFacts& w, bool first) {
  switch (code) {
    case 0:
      return true;
    case 1:
      return w.maximized;
    case 2:
      return !w.maximized;
    case 3:
      return w.active;
    case 4:
      return !w.active;
    case 5:
      return false;
    case 6:
    case 8:
      return first ? (w.minBox || w.maxBox) && w.sysMenu : (w.minBox || w.maxBox);
    case 7:
      return !w.maxBox;
    case 9:
      return !w.minBox;
  }
  ADD_FAILURE() << "visibility code " << code << " is not expected in the default skin";
  return false;
}

std::vector<std::string> Visible(const std::vector<TitleButton>& buttons, const WindowFacts& w) {
  std::vector<std::string> out;
  for (const TitleButton& b : buttons) {
    bool visible = Condition(b.visibility, w, true) && Condition(b.visibility1, w, false);
    if (b.action == 0 && !w.sysMenu) visible = false;
    if ((b.action == 3 || b.action == 11 || b.action == 12) && w.dialogFrame) visible = false;
    if (visible) out.push_back(b.section);
  }
  return out;
}

TEST_P(DefaultSkin, ANormalWindowShowsMinimizeMaximizeOrRestoreAndCloseAtTheRight) {
  TStringList sections;
  FIni->GetSections(&sections);
  std::vector<TitleButton> buttons;
  for (const std::string& raw : sections.Lines()) {
    std::string name = raw;
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
    if (name.rfind("BUTTON", 0) != 0 || name == "BUTTONS" || name == "BUTTON" || name == "BUTTON.RADIO" ||
        name == "BUTTON.CHECKBOX")
      continue;
    const int action = Int(name, "Action", 0);
    TitleButton b{name,
                  action,
                  Int(name, "Align", 0),
                  Int(name, "Xcoord", 0),
                  Int(name, "Ycoord", 0),
                  Int(name, "Visibility", 0),
                  Int(name, "Visibility1", action == -1 ? -1 : 0),
                  0,
                  0};
    const std::string image = Text(name, "ButtonImage");
    if (!image.empty()) {
      const Entry e = Picture(image);
      ASSERT_TRUE(e.facts.valid) << image;
      const int frames = Int(name, "frame", 0);
      ASSERT_GT(frames, 0) << name << ": without a frame key the count depends on the aspect ratio";
      b.width = e.facts.width / frames;
      b.height = e.facts.height;
    }
    buttons.push_back(b);
  }
  auto byAction = [&](int action) {
    std::vector<std::string> names;
    for (const TitleButton& b : buttons)
      if (b.action == action) names.push_back(b.section);
    return names;
  };
  ASSERT_EQ(byAction(0).size(), 1u);
  ASSERT_EQ(byAction(1).size(), 2u);  // maximize and restore share the place
  ASSERT_EQ(byAction(2).size(), 1u);
  ASSERT_EQ(byAction(3).size(), 1u);

  const int frameTop = Picture(Text("Personality", "Top")).facts.height / Int("Personality", "TopFrame", 1);
  const int frameRight = Picture(Text("Personality", "Right")).facts.width / Int("Personality", "RightFrame", 1);
  const int windowWidth = 400;
  for (bool maximized : {false, true}) {
    SCOPED_TRACE(maximized ? "maximized" : "normal");
    const WindowFacts w{true, true, true, maximized, true, false};
    const std::vector<std::string> visible = Visible(buttons, w);
    std::vector<const TitleButton*> right;
    for (const TitleButton& b : buttons)
      if (std::count(visible.begin(), visible.end(), b.section) && b.align == 1) right.push_back(&b);
    ASSERT_EQ(right.size(), 3u);
    std::sort(right.begin(), right.end(), [](auto a, auto b) { return a->x < b->x; });
    // From the right edge: close, maximize (or restore when maximized), minimize.
    EXPECT_EQ(right[0]->action, 0);
    EXPECT_EQ(right[1]->action, 1);
    EXPECT_EQ(right[1]->visibility1, maximized ? 1 : 2);
    EXPECT_EQ(right[2]->action, 2);
    int previousLeft = windowWidth - frameRight;
    for (const TitleButton* b : right) {
      const int left = windowWidth - b->x;
      EXPECT_LE(left + b->width, previousLeft) << b->section << " overlaps its right neighbour or the border";
      EXPECT_GE(b->y, 1);
      EXPECT_LE(b->y + b->height, frameTop) << b->section << " leaves the caption band";
      previousLeft = left;
    }
    // The title text is clipped before it reaches the buttons.
    EXPECT_GE(Int("Personality", "TextRightClip", 0), right.back()->x - frameRight);
    EXPECT_EQ(std::count(visible.begin(), visible.end(), byAction(3)[0]), 1);
  }
  // A dialog with a system menu and no minimize or maximize box shows only close.
  const WindowFacts dialog{false, false, true, false, true, true};
  EXPECT_EQ(Visible(buttons, dialog), byAction(0));
}

// WCAG relative luminance and contrast ratio.
double Luminance(Pixel p) {
  auto channel = [](std::uint8_t v) {
    const double c = v / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(p.r) + 0.7152 * channel(p.g) + 0.0722 * channel(p.b);
}

double Contrast(Pixel a, Pixel b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Pixel ParseTriple(const std::string& text) {
  std::istringstream in(text);
  int r = -1, g = -1, b = -1;
  in >> r >> g >> b;
  EXPECT_TRUE(r >= 0 && r < 256 && g >= 0 && g < 256 && b >= 0 && b < 256) << "not a colour: " << text;
  return Pixel{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

TEST_P(DefaultSkin, TextStaysReadableInEveryState) {
  for (const char* key : {"WindowText", "TitleTextActive", "TitleTextNoActive", "ButtonFace", "ButtonText",
                          "ButtonHilight", "Buttonlight", "ButtonShadow", "ButtonDkShadow", "HilightText", "Hilight",
                          "Menubar", "MenuBarText", "MenuText", "Menu", "Scrollbar"})
    EXPECT_FALSE(Text("Colours", key).empty()) << key;
  auto colour = [&](const std::string& section, const std::string& key) { return ParseTriple(Text(section, key)); };
  // The centre pixel of a frame, for side-by-side strips.
  auto centre = [&](const std::string& picture, int frames, int frame) {
    const Entry e = Picture(picture);
    const int w = e.facts.width / frames;
    return PixelAt(e.bytes, e.facts, w * (frame - 1) + w / 2, e.facts.height / 2);
  };
  auto expectReadable = [](Pixel text, Pixel back, const std::string& what) {
    EXPECT_GE(Contrast(text, back), 4.5) << what;
  };
  const Pixel face = colour("Colours", "ButtonFace");
  expectReadable(colour("Colours", "ButtonText"), face, "button text on the face");
  expectReadable(colour("Colours", "WindowText"), face, "window text on the face");
  expectReadable(colour("Colours", "MenuText"), colour("Colours", "Menu"), "menu text");
  expectReadable(colour("Colours", "HilightText"), colour("Colours", "Hilight"), "selected menu text");
  expectReadable(colour("Colours", "MenuBarText"), colour("Colours", "Menubar"), "menu bar text");
  expectReadable(colour("Colours", "HilightText"), centre("menuitem.bmp", 5, 4), "text on the selected menu item");
  for (int frame : {1, 2, 4, 5}) {
    const std::string key = frame == 2 ? "PressedColour2" : frame == 4 ? "MouseOverColour2" : "NormalColour2";
    expectReadable(colour("Buttons", key), centre("buttons.bmp", 5, frame), "button frame " + std::to_string(frame));
  }
  expectReadable(colour("Tabs", "NormalColour2"), centre("tab.bmp", 5, 1), "other tabs");
  expectReadable(colour("Tabs", "MouseOverColour2"), centre("tab.bmp", 5, 2), "current tab");
  for (int frame : {1, 2, 3})
    expectReadable(colour("StatusBarEdges", "NormalColour2"), centre("statusbar.bmp", 3, frame),
                   "status panel " + std::to_string(frame));
  for (int frame : {1, 2})
    expectReadable(colour("Colours", "WindowText"), centre("header.bmp", 5, frame), "header " + std::to_string(frame));
  // Title text over every row of the caption band where text goes, active and inactive.
  const Entry top = Picture(Text("Personality", "Top"));
  const int band = top.facts.height / 2;
  for (int y = 6; y < band - 6; ++y) {
    expectReadable(colour("Colours", "TitleTextActive"), PixelAt(top.bytes, top.facts, top.facts.width / 2, y),
                   "active title, row " + std::to_string(y));
    expectReadable(colour("Colours", "TitleTextNoActive"), PixelAt(top.bytes, top.facts, top.facts.width / 2, band + y),
                   "inactive title, row " + std::to_string(y));
  }
  if (GetParam().disabledContrast > 0) {
    const Pixel disabled = colour("Colours", "ButtonShadow");
    EXPECT_GE(Contrast(disabled, colour("Colours", "Menu")), GetParam().disabledContrast) << "disabled menu text";
    EXPECT_GE(Contrast(disabled, face), GetParam().disabledContrast) << "disabled text on the face";
  }
}

TEST_P(DefaultSkin, OnlyRoundedTopCornersOfTheWindowAreKeyedOut) {
  const Pixel magenta{255, 0, 255};
  const int frameWidth = Picture(Text("Personality", "Left")).facts.width / 2;
  for (const char* side : {"Left", "Right", "Top", "Bottom"}) {
    SCOPED_TRACE(side);
    const Entry e = Picture(Text("Personality", side));
    int keyed = 0;
    for (int y = 0; y < e.facts.height; ++y)
      for (int x = 0; x < e.facts.width; ++x)
        if (PixelAt(e.bytes, e.facts, x, y) == magenta) {
          ++keyed;
          // Anything keyed below the corner would punch a hole into the window region.
          EXPECT_LT(y, frameWidth) << "at " << x << "," << y;
        }
    const bool sides = std::string(side) == "Left" || std::string(side) == "Right";
    if (sides && GetParam().roundedCorners) {
      EXPECT_GT(keyed, 0) << "the corner is not rounded";
      EXPECT_EQ(Int("Personality", std::string(side) + "Trans", 1), 1);
    } else {
      EXPECT_EQ(keyed, 0);
    }
  }
  if (!GetParam().roundedCorners) return;
  // The outer corner pixel is cut in both looks of the left border.
  const Entry left = Picture(Text("Personality", "Left"));
  EXPECT_EQ(PixelAt(left.bytes, left.facts, 0, 0), magenta);
  EXPECT_EQ(PixelAt(left.bytes, left.facts, frameWidth, 0), magenta);
}

TEST_P(DefaultSkin, NoPixelSitsNextToTheKeyColour) {
  // Drawing keys out exact magenta, the window region also its neighbours; a colour in
  // between would be transparent in one place and visible in the other.
  std::vector<std::string> all = kPictureNames;
  for (const std::string& name : kPictureNames) all.push_back(TwiceSizeName(name));
  for (const std::string& name : all) {
    const Entry e = Picture(name);
    ASSERT_TRUE(e.facts.valid) << name;
    for (int y = 0; y < e.facts.height; ++y)
      for (int x = 0; x < e.facts.width; ++x) {
        const Pixel p = PixelAt(e.bytes, e.facts, x, y);
        const bool nearKey = p.r >= 250 && p.g <= 5 && p.b >= 250;
        if (nearKey) {
          ASSERT_EQ(p, (Pixel{255, 0, 255})) << name << " at " << x << "," << y;
        }
      }
  }
}

TEST_P(DefaultSkin, EveryTwiceSizePictureIsTheOneTimesPictureDoubledWithItsKeyedAreasDoubled) {
  const Pixel magenta{255, 0, 255};
  for (const std::string& name : kPictureNames) {
    SCOPED_TRACE(name);
    const Entry once = Picture(name), twice = Picture(TwiceSizeName(name));
    ASSERT_TRUE(once.facts.valid && twice.facts.valid);
    EXPECT_EQ(twice.facts.bits, 24u);
    ASSERT_EQ(twice.facts.width, 2 * once.facts.width);
    ASSERT_EQ(twice.facts.height, 2 * once.facts.height);
    // The engine keys out the same areas at both sizes: a pixel at twice the size is
    // transparent exactly where the 1x pixel under it is.
    int keyed = 0;
    for (int y = 0; y < twice.facts.height; ++y)
      for (int x = 0; x < twice.facts.width; ++x) {
        const bool big = PixelAt(twice.bytes, twice.facts, x, y) == magenta;
        const bool small = PixelAt(once.bytes, once.facts, x / 2, y / 2) == magenta;
        keyed += big;
        ASSERT_EQ(big, small) << "at " << x << "," << y;
      }
    if (name == "menuitem.bmp") {
      EXPECT_GT(keyed, 0) << "frame 1 of the menu item is transparent";
    }
  }
}

TEST_P(DefaultSkin, TheSkinToolChecksItCleanTwiceSizePicturesIncluded) {
  const TSkinCheckReport report = CheckSkin(*FReader);
  int twice = 0;
  for (const TCheckLine& line : report.Lines) {
    EXPECT_NE(line.Status, TCheckStatus::Problem) << line.Where << " " << line.Image << ": " << line.Text;
    EXPECT_NE(line.Status, TCheckStatus::Warning) << line.Where << " " << line.Image << ": " << line.Text;
    if (line.Image.find("@2x") != std::string::npos && line.Status == TCheckStatus::Ok) ++twice;
  }
  EXPECT_EQ(report.Problems, 0);
  EXPECT_EQ(twice, 34);
}

}  // namespace
