// The media player's glyphs: the 27 resource names, one size, olive around shapes that differ,
// and each look in its own inks only.
#include "player_glyphs.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

const Rgb kOlive{128, 128, 0};

std::set<std::tuple<int, int, int>> InksOf(const Image& image) {
  std::set<std::tuple<int, int, int>> inks;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const Rgb c = image.At(x, y);
      if (!(c == kOlive)) inks.insert({c.r, c.g, c.b});
    }
  return inks;
}

TEST(PlayerGlyphs, TwentySevenNamedGlyphsInThreeLooks) {
  const std::vector<PlayerGlyph> glyphs = MakePlayerGlyphs();
  ASSERT_EQ(glyphs.size(), 27u);
  EXPECT_EQ(glyphs[0].name, "EN_MPPLAY");
  EXPECT_EQ(glyphs[4].name, "EN_MPPREV");
  EXPECT_EQ(glyphs[9].name, "DI_MPPLAY");
  EXPECT_EQ(glyphs[25].name, "CL_MPRECORD");
  EXPECT_EQ(glyphs[26].name, "CL_MPEJECT");
  for (const PlayerGlyph& g : glyphs) {
    EXPECT_EQ(g.image.Width(), 16) << g.name;
    EXPECT_EQ(g.image.Height(), 14) << g.name;
    // The corners stay transparent whatever the shape.
    EXPECT_EQ(g.image.At(0, 0), kOlive) << g.name;
    EXPECT_EQ(g.image.At(15, 13), kOlive) << g.name;
  }
}

TEST(PlayerGlyphs, EachLookUsesItsOwnInks) {
  const std::vector<PlayerGlyph> glyphs = MakePlayerGlyphs();
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(InksOf(glyphs[i].image), (std::set<std::tuple<int, int, int>>{{0, 0, 0}})) << glyphs[i].name;
    EXPECT_EQ(InksOf(glyphs[9 + i].image), (std::set<std::tuple<int, int, int>>{{128, 128, 128}, {255, 255, 255}}))
        << glyphs[9 + i].name;
    EXPECT_EQ(InksOf(glyphs[18 + i].image).size(), 1u) << glyphs[18 + i].name;
  }
  // Play is green, stop red, record a brighter red than stop.
  EXPECT_EQ(InksOf(glyphs[18].image), (std::set<std::tuple<int, int, int>>{{0, 150, 0}}));
  EXPECT_EQ(InksOf(glyphs[20].image), (std::set<std::tuple<int, int, int>>{{190, 0, 0}}));
  EXPECT_EQ(InksOf(glyphs[25].image), (std::set<std::tuple<int, int, int>>{{230, 0, 0}}));
}

TEST(PlayerGlyphs, ShapesDifferAndSitInTheMiddle) {
  const std::vector<PlayerGlyph> glyphs = MakePlayerGlyphs();
  for (int a = 0; a < 9; ++a)
    for (int b = a + 1; b < 9; ++b) {
      bool same = true;
      for (int y = 0; y < 14 && same; ++y)
        for (int x = 0; x < 16 && same; ++x) same = glyphs[a].image.At(x, y) == glyphs[b].image.At(x, y);
      EXPECT_FALSE(same) << glyphs[a].name << " looks like " << glyphs[b].name;
    }
  // The play triangle covers the middle; pause leaves a gap between its bars there.
  EXPECT_EQ(glyphs[0].image.At(7, 7), kBlack);
  EXPECT_EQ(glyphs[1].image.At(8, 7), kOlive);
  EXPECT_EQ(glyphs[1].image.At(5, 7), kBlack);
  // The disabled look's light copy lies one pixel down and right of the grey shape.
  EXPECT_EQ(glyphs[11].image.At(12, 11), kWhite);  // stop: grey 4..11 x 3..10, light to 12 x 11
  EXPECT_EQ(glyphs[11].image.At(11, 10), (Rgb{128, 128, 128}));
}

}  // namespace
