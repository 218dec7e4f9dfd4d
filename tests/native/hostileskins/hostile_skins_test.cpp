// The damaged-skin corpus through every portable reader of skin data: each archive is opened
// or refused with a reason, and what opens is read to the last byte without a read outside
// its buffers (the native tree runs this under the address and undefined-behaviour checks).
#include "hostile_skins.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/bmp.h"
#include "base/error.h"
#include "skin/file/quick_ini.h"
#include "skin/file/skin_reader.h"
#include "skin_check.h"

namespace {

constexpr std::uint64_t kSeed = 22;

int CorpusSize() {
  const char* text = std::getenv("CORVANA_HOSTILE_SKINS");
  const int n = text ? std::atoi(text) : 0;
  return n > 0 ? n : 4 * kHostileDamageKinds;
}

bool EndsWith(const std::string& text, const char* end) {
  const std::string e = end;
  return text.size() >= e.size() && text.compare(text.size() - e.size(), e.size(), e) == 0;
}

TEST(HostileSkinsTest, TheCorpusIsTheSameForTheSameSeedAndOtherForAnother) {
  for (int i = 0; i < kHostileDamageKinds; ++i) {
    SCOPED_TRACE(i);
    const THostileSkin a = MakeHostileSkin(kSeed, i), b = MakeHostileSkin(kSeed, i);
    EXPECT_EQ(a.Bytes, b.Bytes);
    EXPECT_EQ(a.Note, b.Note);
    EXPECT_EQ(a.Damage, static_cast<THostileDamage>(i));
    if (i % 4 == 0) {
      EXPECT_NE(a.Bytes, MakeHostileSkin(kSeed + 1, i).Bytes);
    }
  }
}

TEST(HostileSkinsTest, EveryDamagedSkinIsReadOrRefusedWithAReason) {
  std::string notice;
  TSkinReader::OnMessageBox = [&notice](const std::string& text) { notice = text; };
  int opened = 0, refused = 0, pictures = 0, badPictures = 0;
  const int count = CorpusSize();
  for (int i = 0; i < count; ++i) {
    const THostileSkin skin = MakeHostileSkin(kSeed, i);
    SCOPED_TRACE("skin " + std::to_string(i) + " " + skin.Note);
    notice.clear();
    TSkinReader reader;
    TMemoryStream archive(skin.Bytes);
    bool loaded = false;
    try {
      loaded = reader.Load(archive);
    } catch (const Exception& e) {
      // The reader reports a damaged archive by its answer; an error is still a clear one.
      EXPECT_FALSE(e.Message().empty());
    }
    if (!loaded) {
      ++refused;
      EXPECT_TRUE(!reader.LastError().empty() || !notice.empty());
      continue;
    }
    ++opened;
    for (int e = 0; e < reader.Count(); ++e) {
      const std::string name = reader.Names()[e];
      TMemoryStream entry;
      reader.GetEntryAt(e, entry);
      ASSERT_EQ(entry.Size(), reader.EntrySize(e)) << name;
      if (EndsWith(name, ".ini")) {
        TQuickIni ini;
        ini.LoadFromStream(&entry);
        TStringList sections;
        ini.GetSections(&sections);
        for (int s = 0; s < sections.Count(); ++s) {
          for (const char* key : {"Frame", "LeftWidth", "Bitmap", "Image", "SkinName", "Xcoord", "FontHeight"}) {
            ini.ReadString(sections[s], key, "");
            ini.ReadInteger(sections[s], key, 0);
          }
        }
      } else if (EndsWith(name, ".bmp")) {
        ++pictures;
        TBmpImage image;
        std::string error;
        const auto* bytes = entry.Memory();
        if (!ParseBmp(bytes, static_cast<std::size_t>(entry.Size()), image, error)) {
          ++badPictures;
          EXPECT_FALSE(error.empty()) << name;
          continue;
        }
        // What the reader accepts lies inside its limits and its own buffer.
        EXPECT_GT(image.Width, 0) << name;
        EXPECT_GT(image.Height, 0) << name;
        EXPECT_LE(image.Width, kMaxBmpSide) << name;
        EXPECT_LE(image.Height, kMaxBmpSide) << name;
        ASSERT_GE(image.Pixels.size(), image.Stride * static_cast<std::size_t>(image.Height)) << name;
        image.PixelRgb(0, 0);
        image.PixelRgb(image.Width - 1, image.Height - 1);
      }
    }
    const TSkinCheckReport report = CheckSkin(reader);
    for (const TCheckLine& line : report.Lines) {
      if (line.Status == TCheckStatus::Problem) {
        EXPECT_FALSE(line.Text.empty()) << line.Where;
      }
    }
  }
  TSkinReader::OnMessageBox = nullptr;
  std::printf("hostile skins (reader): %d read, %d opened, %d refused; %d pictures, %d refused by the picture reader\n",
              count, opened, refused, pictures, badPictures);
  // The corpus must reach every reader: some archives open, some do not, some pictures fail.
  EXPECT_GT(opened, 0);
  EXPECT_GT(refused, 0);
  EXPECT_GT(badPictures, 0);
}

}  // namespace
