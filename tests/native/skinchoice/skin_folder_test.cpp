// The skins folder: which files are listed, in which order, under which names.
#include "skinchoice/skin_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "skin_writer.h"

namespace {

std::vector<std::uint8_t> NamedSkin(const std::string& description) {
  return BuildSkinArchive({{"skin.ini", std::vector<std::uint8_t>(description.begin(), description.end())}});
}

class SkinFolderTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("corvana-skins-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  void Write(const std::filesystem::path& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  std::filesystem::path folder;
};

TEST_F(SkinFolderTest, SkinFilesAreListedByFileWithTheirOwnNames) {
  Write("light.skin", NamedSkin("[TitlebarSkin]\r\nSkinName=Corvana Light\r\n"));
  Write("Dark.SKIN", NamedSkin("[TitlebarSkin]\r\nSkinName=Corvana Dark\r\n"));
  Write("broken.skin", {'n', 'o', 't', ' ', 'a', ' ', 's', 'k', 'i', 'n'});
  Write("unnamed.skin", NamedSkin("[Colours]\r\nButtonFace=1 2 3\r\n"));
  Write("readme.txt", {'x'});
  Write("light.skin.bak", {'x'});
  // A GBK name, as descriptions are ANSI text.
  Write("gbk.skin", NamedSkin("[TitlebarSkin]\r\nSkinName=\xC9\xEE\xC9\xAB\r\n"));
  std::filesystem::create_directories(folder / "folder.skin");

  const std::vector<TSkinFileEntry> entries = ListSkinFolder(folder);
  const std::vector<std::pair<std::string, std::string>> expected = {{"broken.skin", "broken"},
                                                                     {"Dark.SKIN", "Corvana Dark"},
                                                                     {"gbk.skin", "\xE6\xB7\xB1\xE8\x89\xB2"},
                                                                     {"light.skin", "Corvana Light"},
                                                                     {"unnamed.skin", "unnamed"}};
  ASSERT_EQ(entries.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(entries[i].file, expected[i].first);
    EXPECT_EQ(entries[i].name, expected[i].second);
  }
}

TEST_F(SkinFolderTest, AMissingFolderListsNothingAndAFullOneStopsAtTheLimit) {
  EXPECT_TRUE(ListSkinFolder(folder / "missing").empty());
  for (size_t i = 0; i < kMaxListedSkins + 5; ++i) Write("s" + std::to_string(100 + i) + ".skin", {'x'});
  const auto entries = ListSkinFolder(folder);
  ASSERT_EQ(entries.size(), kMaxListedSkins);
  EXPECT_EQ(entries.front().file, "s100.skin");
}

}  // namespace
