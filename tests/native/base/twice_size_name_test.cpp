// The naming rule of twice-size skin pictures, both ways.
#include "base/twice_size_name.h"

#include <gtest/gtest.h>

namespace {

TEST(TwiceSizeName, MarkerGoesBeforeTheExtensionAndComesOffAgain) {
  struct Case {
    const char* once;
    const char* twice;
  };
  // The extension keeps its case, and only the last dot starts it.
  const Case cases[] = {{"buttons.bmp", "buttons@2x.bmp"},
                        {"Frame.BMP", "Frame@2x.BMP"},
                        {"a.ini.bmp", "a.ini@2x.bmp"},
                        {"noextension", "noextension@2x"},
                        {"x.bmp", "x@2x.bmp"}};
  for (const Case& c : cases) {
    EXPECT_EQ(TwiceSizeName(c.once), c.twice);
    EXPECT_EQ(OneTimesName(c.twice), c.once);
  }
}

TEST(TwiceSizeName, NamesWithoutTheMarkerRightBeforeTheExtensionHaveNoOneTimesName) {
  EXPECT_EQ(OneTimesName("BUTTONS@2X.BMP"), "BUTTONS.BMP");
  for (const char* name : {"buttons.bmp", "@2x.bmp", "buttons@2x.bmp.old", "buttons@3x.bmp", "buttons2x.bmp",
                           "buttons@2xbmp", "", ".", "@2x", "a@2y.bmp"})
    EXPECT_EQ(OneTimesName(name), "") << name;
}

}  // namespace
