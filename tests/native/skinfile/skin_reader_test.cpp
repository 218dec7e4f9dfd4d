// The skin archive reader: the six container versions, the name list rules, looking up
// entries, the unknown-version notice, and refusing damaged containers.
#include "skin/file/skin_reader.h"

#include <gtest/gtest.h>

#include "lzh_encoder.h"
#include "skin_fixture.h"
#include "skin_writer.h"

namespace {

// Catches the "older skin file" notice instead of a message box.
class SkinReaderTest : public ::testing::Test {
protected:
  void SetUp() override {
    TSkinReader::OnMessageBox = [this](const std::string& text) { notices.push_back(text); };
  }
  void TearDown() override { TSkinReader::OnMessageBox = nullptr; }

  bool LoadArchive(TSkinReader& reader, const std::vector<std::uint8_t>& archive) {
    TMemoryStream stream(archive);
    return reader.Load(stream);
  }
  bool LoadContainer(TSkinReader& reader, const std::vector<std::uint8_t>& container) {
    return LoadArchive(reader, LzhCompress(container));
  }
  static std::string Entry(const TSkinReader& reader, std::string_view name) {
    TMemoryStream out;
    reader.GetEntry(name, out);
    EXPECT_EQ(out.Position(), 0);
    return Text(out.Bytes());
  }

  std::vector<std::string> notices;
};

std::vector<TSkinEntry> SampleEntries() {
  return {{"Skin.ini", Bytes("[Buttons]\r\nBitmap=buttons.bmp\r\n")},
          {"Buttons.bmp", Bytes("BM-buttons")},
          {"empty.bmp", {}},
          {"tab.bmp", Bytes("BM-tab")}};
}

// The block sizes written out here, independently of the reader's own table.
TEST_F(SkinReaderTest, EveryVersionSkipsItsBlock) {
  const std::pair<std::int32_t, int> versions[] = {{20000, 0},  {30000, 256}, {40000, 80},
                                                   {50000, 48}, {60000, 117}, {70000, 69}};
  for (const auto& [version, skipped] : versions) {
    TSkinContainerLayout layout;
    layout.Version = version;
    layout.SkippedLength = skipped;
    layout.NameList = "a.bmp\r\nb.ini";
    layout.Sizes = {2, 3};
    layout.Data = Bytes("AABBB");
    std::vector<std::uint8_t> container = LayOutContainer(layout);
    // Fill the skipped block with line ends and letters: none of it may become a name.
    for (int i = 0; i < skipped; ++i) container[16 + i] = "\r\nX"[i % 3];
    TSkinReader reader;
    ASSERT_TRUE(LoadContainer(reader, container)) << version << ": " << reader.LastError();
    EXPECT_EQ(reader.Version(), version);
    ASSERT_EQ(reader.Count(), 2) << version;
    EXPECT_EQ(Entry(reader, "a.bmp"), "AA") << version;
    EXPECT_EQ(Entry(reader, "b.ini"), "BBB") << version;
  }
  EXPECT_TRUE(notices.empty());
}

TEST_F(SkinReaderTest, VersionTwentyThousandHasNamesRightAfterTheHeader) {
  const std::vector<std::uint8_t> container =
      Bytes(std::string("\x20\x4e\x00\x00\x05\x00\x00\x00", 8) + std::string(8, '\xEE') + "x.bmp" +
            std::string("\x02\0\0\0", 4) + "XY");
  TSkinReader reader;
  ASSERT_TRUE(LoadContainer(reader, container));
  EXPECT_EQ(Entry(reader, "x.bmp"), "XY");
}

TEST_F(SkinReaderTest, LooksUpEntriesByNameInAnyCase) {
  TSkinReader reader;
  ASSERT_TRUE(LoadArchive(reader, BuildSkinArchive(SampleEntries())));
  EXPECT_EQ(reader.Names().Lines(), (std::vector<std::string>{"skin.ini", "buttons.bmp", "empty.bmp", "tab.bmp"}));
  EXPECT_EQ(Entry(reader, "Buttons.BMP"), "BM-buttons");
  EXPECT_EQ(Entry(reader, "tab.bmp"), "BM-tab");
  EXPECT_EQ(Entry(reader, "empty.bmp"), "");
  EXPECT_EQ(Entry(reader, "missing.bmp"), "");
  EXPECT_EQ(Entry(reader, "tab"), "");  // whole names only

  TMemoryStream out;
  out.Write("stale", 5);
  std::string name = "before";
  reader.FindEntry(".INI", out, name);
  EXPECT_EQ(out.Size(), 0);
  EXPECT_EQ(name, "before");
  reader.FindEntry(".ini", out, name);
  EXPECT_EQ(name, "skin.ini");
  EXPECT_EQ(Text(out.Bytes()), "[Buttons]\r\nBitmap=buttons.bmp\r\n");
  EXPECT_EQ(out.Position(), 0);
  reader.FindEntry(".bmp", out, name);
  EXPECT_EQ(name, "buttons.bmp");  // the first that contains the part
  reader.FindEntry("", out, name);
  EXPECT_EQ(out.Size(), 0);
  EXPECT_EQ(name, "buttons.bmp");

  TMemoryStream all;
  reader.GetEntryAt(3, all);
  EXPECT_EQ(Text(all.Bytes()), "BM-tab");
}

TEST_F(SkinReaderTest, NameListLinesFollowTheLineEndRules) {
  TSkinContainerLayout layout;
  // CR, LF and CR LF end lines; LF CR is two line ends around an empty name; the final
  // line has no line end.
  layout.NameList = "A.BMP\rb.bmp\nc.bmp\r\n\n\re.bmp";
  layout.Sizes = {1, 1, 1, 1, 1, 1};
  layout.Data = Bytes("abcdxe");
  TSkinReader reader;
  ASSERT_TRUE(LoadContainer(reader, LayOutContainer(layout)));
  EXPECT_EQ(reader.Names().Lines(), (std::vector<std::string>{"a.bmp", "b.bmp", "c.bmp", "", "", "e.bmp"}));
  EXPECT_EQ(Entry(reader, "e.bmp"), "e");
  EXPECT_EQ(Entry(reader, ""), "d");

  // A line end at the very end adds no entry.
  layout.NameList = "a.bmp\r\n";
  layout.Sizes = {1};
  layout.Data = Bytes("a");
  ASSERT_TRUE(LoadContainer(reader, LayOutContainer(layout)));
  EXPECT_EQ(reader.Count(), 1);
}

TEST_F(SkinReaderTest, UnknownVersionShowsTheNoticeAndKeepsTheSkin) {
  TSkinReader reader;
  ASSERT_TRUE(LoadArchive(reader, BuildSkinArchive(SampleEntries())));
  TSkinContainerLayout layout;
  layout.Version = 10000;
  layout.NameList = "other.bmp";
  layout.Sizes = {1};
  layout.Data = Bytes("o");
  EXPECT_FALSE(LoadContainer(reader, LayOutContainer(layout)));
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_EQ(reader.Version(), 10000);
  EXPECT_EQ(reader.Count(), 4);
  EXPECT_EQ(Entry(reader, "buttons.bmp"), "BM-buttons");
  EXPECT_EQ(Entry(reader, "other.bmp"), "");
}

TEST_F(SkinReaderTest, ThousandAndOneEntriesFitButNoMore) {
  std::vector<TSkinEntry> entries;
  for (int i = 0; i < kMaxSkinEntries; ++i) entries.push_back({"e" + std::to_string(i), Bytes(std::to_string(i))});
  TSkinReader reader;
  ASSERT_TRUE(LoadArchive(reader, BuildSkinArchive(entries)));
  EXPECT_EQ(reader.Count(), 1001);
  EXPECT_EQ(Entry(reader, "e1000"), "1000");

  TSkinContainerLayout layout;
  for (int i = 0; i < 1002; ++i) {
    layout.NameList += "n" + std::to_string(i) + "\r\n";
    layout.Sizes.push_back(0);
  }
  EXPECT_FALSE(LoadContainer(reader, LayOutContainer(layout)));
  EXPECT_NE(reader.LastError().find("1002"), std::string::npos) << reader.LastError();
  EXPECT_EQ(reader.Count(), 1001);
  EXPECT_THROW(BuildSkinContainer(std::vector<TSkinEntry>(1002)), Exception);
}

TEST_F(SkinReaderTest, DamagedContainersAreRefusedAndTheSkinKept) {
  TSkinReader reader;
  ASSERT_TRUE(LoadArchive(reader, BuildSkinArchive(SampleEntries())));
  TSkinContainerLayout good;
  good.NameList = "a.bmp\r\nb.bmp\r\n";
  good.Sizes = {2, 3};
  good.Data = Bytes("AABBB");
  ASSERT_GT(LayOutContainer(good).size(), 16u);

  std::vector<std::pair<const char*, std::vector<std::uint8_t>>> damaged;
  TSkinContainerLayout layout = good;
  layout.NameListLength = 1000;  // name list past the end
  damaged.push_back({"name list", LayOutContainer(layout)});
  layout = good;
  layout.NameListLength = 0xFFFFFFF0u;  // would wrap a 32-bit sum
  damaged.push_back({"huge name list", LayOutContainer(layout)});
  layout = good;
  layout.Sizes = {2};
  layout.Data.clear();  // size table cut short
  damaged.push_back({"size table", LayOutContainer(layout)});
  layout = good;
  layout.Sizes = {2, 4};  // data one byte short
  damaged.push_back({"data", LayOutContainer(layout)});
  layout = good;
  layout.Sizes = {-1, 6};
  damaged.push_back({"negative size", LayOutContainer(layout)});
  layout = good;
  layout.Sizes = {0x7FFFFFFF, 0x7FFFFFFF};
  damaged.push_back({"sizes past the data", LayOutContainer(layout)});
  damaged.push_back({"no header", Bytes("\x70\x11\x01\x00")});
  damaged.push_back({"empty", {}});

  for (const auto& [what, container] : damaged) {
    EXPECT_FALSE(LoadContainer(reader, container)) << what;
    EXPECT_FALSE(reader.LastError().empty()) << what;
    EXPECT_EQ(reader.Count(), 4) << what;
    EXPECT_EQ(Entry(reader, "buttons.bmp"), "BM-buttons") << what;
  }
  EXPECT_TRUE(notices.empty());
  // An archive too short for its size word.
  EXPECT_FALSE(LoadArchive(reader, Bytes("\x10\x00")));
  EXPECT_EQ(reader.Count(), 4);
  // After all that, a good container loads again.
  EXPECT_TRUE(LoadContainer(reader, LayOutContainer(good)));
  EXPECT_TRUE(reader.LastError().empty());
  EXPECT_EQ(Entry(reader, "b.bmp"), "BBB");
}

// A damaged size word must not make the reader take gigabytes (or decode for minutes):
// anything above 64 MiB is refused before decoding.
TEST_F(SkinReaderTest, DeclaredSizeAboveTheBoundIsRefusedUpFront) {
  TSkinReader reader;
  for (std::uint32_t size : {0xFFFFFFFFu, 0x80000000u, static_cast<std::uint32_t>(kMaxSkinContainerSize) + 1}) {
    std::vector<std::uint8_t> archive = {static_cast<std::uint8_t>(size),
                                         static_cast<std::uint8_t>(size >> 8),
                                         static_cast<std::uint8_t>(size >> 16),
                                         static_cast<std::uint8_t>(size >> 24),
                                         1,
                                         2,
                                         3};
    EXPECT_FALSE(LoadArchive(reader, archive)) << size;
    EXPECT_NE(reader.LastError().find(std::to_string(size)), std::string::npos) << reader.LastError();
  }
}

TEST_F(SkinReaderTest, AStoredSkinSizedArchiveRoundTrips) {
  // 34 bitmaps and a description, about the size of the program's own skin.
  std::vector<TSkinEntry> entries{{"skin.ini", Bytes(std::string(3000, ';'))}};
  for (int i = 0; i < 34; ++i) {
    std::vector<std::uint8_t> bitmap = RandomBytes(2000 + 200 * static_cast<size_t>(i), static_cast<unsigned>(i));
    bitmap.insert(bitmap.end(), 4000, static_cast<std::uint8_t>(i));
    entries.push_back({"image" + std::to_string(i) + ".bmp", bitmap});
  }
  TSkinReader reader;
  ASSERT_TRUE(LoadArchive(reader, BuildSkinArchive(entries)));
  ASSERT_EQ(reader.Count(), 35);
  for (const TSkinEntry& entry : entries) {
    TMemoryStream out;
    reader.GetEntry(entry.Name, out);
    EXPECT_TRUE(std::ranges::equal(out.Bytes(), entry.Data)) << entry.Name;
  }
}

TEST(SkinWriter, RefusesNamesTheReaderCouldNotGiveBack) {
  EXPECT_THROW(BuildSkinContainer({{"a\r\nb.bmp", {}}}), Exception);
  EXPECT_THROW(BuildSkinContainer({{"A.bmp", {}}, {"a.BMP", {}}}), Exception);
  EXPECT_THROW(BuildSkinContainer({{"a.bmp", {}}}, 12345), Exception);
}

}  // namespace
