// Reading the release date from the last record's area text.
#include <gtest/gtest.h>

#include "db_fixture.h"
#include "ipdb/release_date.h"

namespace {

std::optional<TDate> Parse(const char* text) { return ParseDateText(text, 2026); }

TEST(ReleaseDate, PreparedText) {
  EXPECT_EQ(PrepareDateText(G("2010年5月20日IP数据")), "2010-5-20-");
  EXPECT_EQ(PrepareDateText(G("2010年5月20日")), "");
  EXPECT_EQ(PrepareDateText(G("IP数据")), "");
  EXPECT_EQ(PrepareDateText(G("2010年05月20日IP数据库IP数据")), "2010-05-20-");
}

TEST(ReleaseDate, YearMonthDayWhateverTheLocaleSays) {
  EXPECT_EQ(Parse("2010-5-20-"), (TDate{2010, 5, 20}));
  EXPECT_EQ(Parse("2010-05-20"), (TDate{2010, 5, 20}));
  EXPECT_EQ(Parse(" 2010 - 5 - 20 -  "), (TDate{2010, 5, 20}));
  EXPECT_EQ(Parse("2024-2-29-"), (TDate{2024, 2, 29}));
}

TEST(ReleaseDate, ShortForms) {
  EXPECT_EQ(Parse("5-20-"), (TDate{2026, 5, 20}));
  EXPECT_EQ(Parse("10-5-20-"), (TDate{2010, 5, 20}));
  EXPECT_EQ(Parse("80-5-20"), (TDate{1980, 5, 20}));
  EXPECT_EQ(Parse("75-1-1"), (TDate{2075, 1, 1}));
  EXPECT_EQ(Parse("76-1-1"), (TDate{1976, 1, 1}));
}

TEST(ReleaseDate, TextsThatHoldNoDate) {
  for (const char* bad : {"", "-", "2010", "2010-5-20--", "2010/5/20", "2010-13-1", "2010-2-30", "2023-2-29",
                          "2010-5-20-x", "20100-5-20", "2010-0-5"}) {
    EXPECT_FALSE(Parse(bad)) << bad;
  }
}

}  // namespace
