// Which skin is used for each choice, system theme and high-contrast state.
#include "skinchoice/skin_choice.h"

#include <gtest/gtest.h>

namespace {

using Kind = TSkinChoice::Kind;

struct ChoiceCase {
  const char* what;
  TSkinChoice choice;
  bool light, highContrast;
  std::vector<std::string> available;
  TSkinUse expected;
};

const std::vector<std::string> kAll = {"classic.skin", "dark.skin", "light.skin"};

TEST(SkinChoice, TheChoiceMeetsTheSystemAndTheFolder) {
  const ChoiceCase cases[] = {
      {"following, light apps", {}, true, false, kAll, {true, "light.skin"}},
      {"following, dark apps", {}, false, false, kAll, {true, "dark.skin"}},
      {"following without the dark file", {}, false, false, {"light.skin"}, {true, ""}},
      {"following without any file", {}, true, false, {}, {true, ""}},
      {"a chosen skin whatever the system", {Kind::File, "classic.skin"}, false, false, kAll, {true, "classic.skin"}},
      {"a chosen skin in another case", {Kind::File, "DARK.Skin"}, true, false, kAll, {true, "dark.skin"}},
      {"a chosen skin that is gone follows", {Kind::File, "gone.skin"}, false, false, kAll, {true, "dark.skin"}},
      {"no skin", {Kind::None, {}}, true, false, kAll, {false, ""}},
      {"high contrast over a chosen skin", {Kind::File, "dark.skin"}, true, true, kAll, {false, ""}},
      {"high contrast over following", {}, false, true, kAll, {false, ""}},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.what);
    const TSkinUse got = ResolveSkinUse(c.choice, c.light, c.highContrast, c.available);
    EXPECT_EQ(got.skinned, c.expected.skinned);
    EXPECT_EQ(got.file, c.expected.file);
  }
}

}  // namespace
