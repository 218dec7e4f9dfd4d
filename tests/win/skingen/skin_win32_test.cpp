// The platform's own loaders accept the default skin's pictures, the bitmap resources and the icon.
#include <gtest/gtest.h>

#include <string>

#include "base/stream.h"
#include "base/win32.h"
#include "skin/file/skin_reader.h"

namespace {

std::wstring Wide(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

std::wstring Resource(const char* name) {
  return Wide(std::string(CORVANA_RES_DIR) + "/" + name);
}

struct Dib {
  int width = 0, height = 0, bits = 0;
  bool loaded = false;
};

// Loads a file image as a DIB section and answers its facts.
Dib LoadDib(const std::wstring& file) {
  Dib d;
  HANDLE h = LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  if (!h) return d;
  DIBSECTION ds{};
  if (GetObjectW(h, sizeof ds, &ds) == sizeof ds) d = Dib{ds.dsBm.bmWidth, ds.dsBm.bmHeight, ds.dsBm.bmBitsPixel, true};
  DeleteObject(h);
  return d;
}

TEST(DefaultSkinWin32, EveryPictureOfTheArchiveMakesADeviceIndependentBitmap) {
  TSkinReader reader;
  TMemoryStream archive;
  archive.LoadFromFile(CORVANA_DEFAULT_SKIN);
  ASSERT_TRUE(reader.Load(archive));
  HDC screen = GetDC(nullptr);
  int pictures = 0;
  for (int i = 0; i < reader.Count(); ++i) {
    const std::string name = reader.Names()[i];
    if (name.size() < 4 || name.substr(name.size() - 4) != ".bmp") continue;
    ++pictures;
    TMemoryStream entry;
    reader.GetEntryAt(i, entry);
    ASSERT_GT(entry.Size(), 54) << name;
    // As a DIB file is loaded: the info header follows the 14-byte file header.
    const auto* info = reinterpret_cast<const BITMAPINFO*>(entry.Memory() + 14);
    const std::uint32_t offset = *reinterpret_cast<const std::uint32_t*>(entry.Memory() + 10);
    HBITMAP bitmap = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, entry.Memory() + offset, info, DIB_RGB_COLORS);
    ASSERT_NE(bitmap, nullptr) << name;
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, info->bmiHeader.biWidth) << name;
    EXPECT_EQ(bm.bmHeight, info->bmiHeader.biHeight) << name;
    DeleteObject(bitmap);
  }
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(pictures, 2 * 34);  // each picture and its twice-size companion
}

TEST(DefaultSkinWin32, TrackBitmapsAreSixteenColourImagesOfTheirSizes) {
  struct Case {
    const char* file;
    int width, height;
  };
  for (const Case& c : {Case{"track.bmp", 16, 4}, Case{"trackvert.bmp", 4, 16}, Case{"track@2x.bmp", 32, 8},
                        Case{"trackvert@2x.bmp", 8, 32}}) {
    const Dib dib = LoadDib(Resource(c.file));
    ASSERT_TRUE(dib.loaded) << c.file;
    EXPECT_EQ(dib.width, c.width) << c.file;
    EXPECT_EQ(dib.height, c.height) << c.file;
    EXPECT_EQ(dib.bits, 4) << c.file;
  }
}

TEST(DefaultSkinWin32, MenuGlyphsMakeAnImageListOfFourWithWhiteAsMask) {
  HANDLE h = LoadImageW(nullptr, Resource("rededodeved.bmp").c_str(), IMAGE_BITMAP, 0, 0,
                        LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  ASSERT_NE(h, nullptr);
  DIBSECTION ds{};
  ASSERT_EQ(GetObjectW(h, sizeof ds, &ds), static_cast<int>(sizeof ds));
  EXPECT_EQ(ds.dsBm.bmWidth, 64);
  EXPECT_EQ(ds.dsBm.bmHeight, 16);
  EXPECT_EQ(ds.dsBm.bmBitsPixel, 1);
  DeleteObject(h);
  // As the skin component loads it: one 16 x 16 image per glyph, white transparent.
  HIMAGELIST list = ImageList_LoadImageW(nullptr, Resource("rededodeved.bmp").c_str(), 16, 0, RGB(255, 255, 255),
                                         IMAGE_BITMAP, LR_LOADFROMFILE);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(list), 4);
  ImageList_Destroy(list);
  // Twice the size: four 32 x 32 glyphs.
  list = ImageList_LoadImageW(nullptr, Resource("rededodeved@2x.bmp").c_str(), 32, 0, RGB(255, 255, 255), IMAGE_BITMAP,
                              LR_LOADFROMFILE);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(list), 4);
  ImageList_Destroy(list);
}

TEST(DefaultSkinWin32, TheIconHoldsTheSmallAndLargeSizesAndTheirDoubles) {
  for (int size : {16, 20, 24, 32, 40, 48, 64}) {
    HICON icon = static_cast<HICON>(
        LoadImageW(nullptr, Resource("corvana.ico").c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm{};
    GetObjectW(info.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, size);
    EXPECT_EQ(bm.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

}  // namespace
