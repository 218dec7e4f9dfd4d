// Pictures drawn at twice the size: laid out in design units, edges drawn at the finer grid,
// keyed-out areas exactly the 1x ones doubled, and the program's own bitmaps and icon.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "base/error.h"
#include "player_glyphs.h"
#include "raster.h"
#include "resources.h"
#include "skin.h"

namespace {

const Rgb kBlue{0, 0, 255};
const Rgb kGrey{200, 200, 200};

// The 1x image with every pixel repeated: what a resize would give.
Image Doubled(const Image& once) {
  return once.Scaled(2);
}

bool SamePixels(const Image& a, const Image& b) {
  if (a.PixelWidth() != b.PixelWidth() || a.PixelHeight() != b.PixelHeight()) return false;
  for (int y = 0; y < a.PixelHeight(); ++y)
    for (int x = 0; x < a.PixelWidth(); ++x)
      if (!(a.At(x, y) == b.At(x, y))) return false;
  return true;
}

// Where the masks differ, as "x,y"; empty when a twice-size pixel is magenta exactly where
// the 1x pixel under it is.
std::string MaskMismatch(const Image& once, const Image& twice) {
  for (int y = 0; y < twice.PixelHeight(); ++y)
    for (int x = 0; x < twice.PixelWidth(); ++x)
      if ((twice.At(x, y) == kMagenta) != (once.At(x / 2, y / 2) == kMagenta))
        return std::to_string(x) + "," + std::to_string(y);
  return "";
}

TEST(TwiceSizeRaster, OneDrawingMakesBothSizesWithEdgesFinerAndTheKeyedAreaDoubled) {
  // A circle that leaves pixels a quarter or a tenth covered, with and without a matte, and a
  // frame cut by a keyed-out corner: every way a transparent pixel can turn opaque.
  auto draw = [](int scale) {
    std::vector<Image> out;
    Image matte(12, 12, kMagenta, scale), hard(12, 12, kMagenta, scale), keyed(12, 12, kGrey, scale);
    matte.Paint(Ellipse(6.3, 5.8, 4.15, 4.15), kBlue, kGrey);
    hard.Paint(Ellipse(6.3, 5.8, 4.15, 4.15), kBlue);
    keyed.Paint(RoundFrame(0, 0, 12, 12, 4, 1), kBlue);
    keyed.KeyOutside(RoundRect(0, 0, 12, 12, 4));
    out.push_back(matte), out.push_back(hard), out.push_back(keyed);
    return out;
  };
  const std::vector<Image> once = draw(1), twice = draw(2);
  // Without a matte an edge pixel over magenta has nothing to blend with: it is opaque in the
  // shape's colour or transparent, as at 1x, so that drawing is the 1x one doubled.
  const bool finer[] = {true, false, true};
  for (size_t i = 0; i < once.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(twice[i].Width(), 12);  // design units
    EXPECT_EQ(twice[i].PixelWidth(), 24);
    EXPECT_EQ(MaskMismatch(once[i], twice[i]), "");
    EXPECT_EQ(!SamePixels(twice[i], Doubled(once[i])), finer[i]);
  }
  // With a matte, a transparent pixel the shape only grazes turns to the matte at the finer
  // grid where the shape misses it, instead of staying magenta.
  bool matteOnly = false;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) matteOnly |= twice[0].At(x, y) == kGrey;
  EXPECT_TRUE(matteOnly);
}

TEST(TwiceSizeRaster, RectanglesAndPixelsAreDesignUnitsAndScalesDoNotMix) {
  Image img(4, 3, kWhite, 2);
  img.FillRect(1, 1, 3, 2, kBlue);
  img.Set(0, 2, kBlack);
  img.FrameRect(0, 0, 4, 3, kGrey);  // a one-unit line is two pixels thick
  EXPECT_EQ(img.At(2, 2), kBlue);
  EXPECT_EQ(img.At(5, 3), kBlue);
  EXPECT_EQ(img.At(1, 1), kGrey);
  EXPECT_EQ(img.At(2, 1), kGrey);
  EXPECT_EQ(img.At(0, 5), kGrey);
  img.Set(0, 2, kBlack);
  EXPECT_EQ(img.At(1, 5), kBlack);
  EXPECT_EQ(img.At(0, 4), kBlack);

  const Image lying = img.Transposed();
  EXPECT_EQ(lying.Width(), 3);
  EXPECT_EQ(lying.Scale(), 2);
  EXPECT_EQ(lying.At(3, 5), kBlue);
  const Image part = img.Crop(1, 1, 2, 1);
  EXPECT_EQ(part.PixelWidth(), 4);
  EXPECT_EQ(part.At(0, 0), kBlue);

  Image sheet(8, 8, kWhite, 2);
  sheet.Blit(img, 4, 4);
  EXPECT_EQ(sheet.At(8 + 2, 8 + 2), kBlue);
  EXPECT_THROW(sheet.Blit(Image(2, 2), 0, 0), Exception);
}

struct ThemeCase {
  const char* name;
  Theme (*make)();
};

const ThemeCase kThemes[] = {{"light", [] { return Theme(); }}, {"dark", DarkTheme}, {"classic", ClassicTheme}};

class TwiceSizeSkin : public ::testing::TestWithParam<ThemeCase> {};

INSTANTIATE_TEST_SUITE_P(Themes, TwiceSizeSkin, ::testing::ValuesIn(kThemes),
                         [](const auto& theme) { return std::string(theme.param.name); });

TEST_P(TwiceSizeSkin, EveryPictureIsDrawnAgainAtTwiceTheSizeNotResized) {
  const Theme theme = GetParam().make();
  const std::vector<Picture> once = MakeSkinPictures(theme), twice = MakeSkinPictures(theme, 2);
  ASSERT_EQ(once.size(), twice.size());
  // Pictures of straight lines only are their 1x pictures doubled, line for line; pictures
  // with round or slanted edges have the finer edges of their own drawing.
  const std::set<std::string> straight = {
      "tabsheet.bmp",      "comboboxbtn.bmp",    "statusbar.bmp",    "header.bmp",   "scrollbarhbar.bmp",
      "scrollbarvbar.bmp", "menubackground.bmp", "trackthumbh.bmp",  "trackbot.bmp", "spin.bmp",
      "spinh.bmp",         "mincaption.bmp",     "progresschunk.bmp"};
  const std::set<std::string> round = {"checkbox.bmp",    "radiobutton.bmp", "scrollbararrow.bmp", "extraimages.bmp",
                                       "closebutton.bmp", "spinarrow.bmp",   "mdibutton.bmp"};
  for (size_t i = 0; i < once.size(); ++i) {
    const std::string& name = once[i].name;
    SCOPED_TRACE(name);
    EXPECT_EQ(twice[i].name, name);
    ASSERT_EQ(twice[i].image.PixelWidth(), 2 * once[i].image.PixelWidth());
    ASSERT_EQ(twice[i].image.PixelHeight(), 2 * once[i].image.PixelHeight());
    EXPECT_EQ(MaskMismatch(once[i].image, twice[i].image), "");
    const bool doubled = SamePixels(twice[i].image, Doubled(once[i].image));
    if (straight.count(name)) {
      EXPECT_TRUE(doubled);
    }
    if (round.count(name)) {
      EXPECT_FALSE(doubled);
    }
  }
}

TEST(TwiceSizeResources, BitmapsAreDrawnAtTwiceTheirSize) {
  const Theme theme;
  struct Case {
    const char* what;
    Image once, twice;
  };
  const Case cases[] = {
      {"TRACK", MakeTrack(theme), MakeTrack(theme, 2)},
      {"TRACKVERT", MakeTrackVert(theme), MakeTrackVert(theme, 2)},
      {"REDEDODEVED", MakeMenuGlyphs(), MakeMenuGlyphs(2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.twice.PixelWidth(), 2 * c.once.PixelWidth());
    EXPECT_EQ(c.twice.PixelHeight(), 2 * c.once.PixelHeight());
  }
  // The close cross steps one pixel a row at twice the size, not two: a finer diagonal.
  const Image& cross = cases[2].twice;
  EXPECT_EQ(cross.At(104, 8), kBlack);
  EXPECT_EQ(cross.At(105, 9), kBlack);
  EXPECT_EQ(cross.At(104, 9), kWhite);
  EXPECT_FALSE(SamePixels(cross, Doubled(cases[2].once)));
}

TEST(TwiceSizeResources, PlayerGlyphsKeepTheirNamesInksAndEmbossAtTwiceTheSize) {
  const std::vector<PlayerGlyph> once = MakePlayerGlyphs(), twice = MakePlayerGlyphs(2);
  ASSERT_EQ(twice.size(), once.size());
  auto inks = [](const Image& image) {
    std::set<std::tuple<int, int, int>> out;
    for (int y = 0; y < image.PixelHeight(); ++y)
      for (int x = 0; x < image.PixelWidth(); ++x) out.insert({image.At(x, y).r, image.At(x, y).g, image.At(x, y).b});
    return out;
  };
  for (size_t i = 0; i < once.size(); ++i) {
    SCOPED_TRACE(once[i].name);
    EXPECT_EQ(twice[i].name, once[i].name);
    EXPECT_EQ(twice[i].image.PixelWidth(), 2 * kGlyphWidth);
    EXPECT_EQ(twice[i].image.PixelHeight(), 2 * kGlyphHeight);
    EXPECT_EQ(inks(twice[i].image), inks(once[i].image));
  }
  // Disabled stop: grey 8..23 x 6..21, its light copy two pixels down and right.
  const Image& stop = twice[11].image;
  EXPECT_EQ(stop.At(23, 21), kGlyphGrey);
  EXPECT_EQ(stop.At(25, 23), kGlyphLight);
  EXPECT_EQ(stop.At(26, 24), kGlyphOlive);
}

TEST(TwiceSizeResources, TheIconHasEverySmallSizeAndItsDouble) {
  const std::vector<RgbaImage> icon = MakeIcon(Theme());
  std::set<int> sizes;
  int previous = 0;
  for (const RgbaImage& image : icon) {
    EXPECT_EQ(image.Width(), image.Height());
    EXPECT_GT(image.Width(), previous) << "sizes go up";
    previous = image.Width();
    sizes.insert(image.Width());
  }
  for (int small : {16, 20, 24, 32}) {
    EXPECT_EQ(sizes.count(small), 1u) << small;
    EXPECT_EQ(sizes.count(2 * small), 1u) << 2 * small;
  }
  EXPECT_EQ(sizes.count(48), 1u);
  // Each size is drawn for itself: the globe's centre is opaque and the corners clear.
  for (const RgbaImage& image : icon) {
    const int n = image.Width();
    EXPECT_EQ(image.AlphaAt(n * 14 / 32, n * 15 / 32), 255) << n;
    EXPECT_EQ(image.AlphaAt(n - 1, 0), 0) << n;
  }
}

}  // namespace
