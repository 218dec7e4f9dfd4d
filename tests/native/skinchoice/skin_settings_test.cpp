// The settings text: what each kind of file gives, damaged ones included, and the written form.
#include "skinchoice/skin_settings.h"

#include <gtest/gtest.h>

namespace {

using Kind = TSkinChoice::Kind;

struct SettingsCase {
  const char* what;
  std::string text;
  TSkinChoice expected;
};

const TSkinChoice kFollow{};
const TSkinChoice kNone{Kind::None, {}};
TSkinChoice File(const char* name) {
  return TSkinChoice{Kind::File, name};
}

TEST(SkinSettings, EachTextGivesItsChoiceAndAnythingDamagedTheDefault) {
  const std::string big = "[Corvana]\r\nSkin=dark.skin\r\n" + std::string(kMaxSettingsSize, ';');
  const SettingsCase cases[] = {
      {"empty", "", kFollow},
      {"a skin", "[Corvana]\r\nSkin=dark.skin\r\n", File("dark.skin")},
      {"no skin", "[Corvana]\nSkin=none\n", kNone},
      {"following", "[Corvana]\nSkin=follow\n", kFollow},
      {"byte order mark, blanks and case", "\xEF\xBB\xBF; mine\r\n[CORVANA]\r\n  skin =  Classic.SKIN  \r\n",
       File("Classic.SKIN")},
      {"Chinese file name", "[Corvana]\nSkin=\xE6\xB7\xB1\xE8\x89\xB2.skin\n", File("\xE6\xB7\xB1\xE8\x89\xB2.skin")},
      {"the last line counts", "[Corvana]\nSkin=none\nSkin=dark.skin\n", File("dark.skin")},
      {"another section", "[Other]\nSkin=dark.skin\n", kFollow},
      {"before any section", "Skin=dark.skin\n", kFollow},
      {"a folder part", "[Corvana]\nSkin=..\\..\\dark.skin\n", kFollow},
      {"a drive", "[Corvana]\nSkin=C:dark.skin\n", kFollow},
      {"not a skin file", "[Corvana]\nSkin=notes.txt\n", kFollow},
      {"only the extension", "[Corvana]\nSkin=.skin\n", kFollow},
      {"not UTF-8", "[Corvana]\nSkin=\xC9\xEE.skin\n", kFollow},
      {"an overlong form", "[Corvana]\nSkin=\xC0\xAF.skin\n", kFollow},
      {"a cut sequence", "[Corvana]\nSkin=a\xE6\xB7.skin\n", kFollow},
      {"a NUL byte", std::string("[Corvana]\nSkin=dark.skin\n\0", 27), kFollow},
      {"too big", big, kFollow},
      {"binary noise", "\x89PNG\r\n\x1A\n\xFF\xFE[Corvana", kFollow},
      {"a line without a value", "[Corvana]\nSkin\nSkin=dark.skin", File("dark.skin")},
  };
  for (const SettingsCase& c : cases) {
    SCOPED_TRACE(c.what);
    const TSkinChoice got = ParseSkinSettings(c.text);
    EXPECT_EQ(static_cast<int>(got.kind), static_cast<int>(c.expected.kind));
    EXPECT_EQ(got.file, c.expected.file);
  }
}

TEST(SkinSettings, EveryChoiceIsWrittenSoItReadsBack) {
  for (const TSkinChoice& choice : {kFollow, kNone, File("dark.skin"), File("\xE6\xB7\xB1\xE8\x89\xB2.skin")}) {
    const std::string text = FormatSkinSettings(choice);
    EXPECT_EQ(ParseSkinSettings(text), choice) << text;
  }
  // A choice that could not be read back is written as the default.
  EXPECT_EQ(ParseSkinSettings(FormatSkinSettings(File("..\\x.skin"))), kFollow);
}

}  // namespace
