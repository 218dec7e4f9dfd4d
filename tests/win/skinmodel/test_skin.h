// Frame-coded test skins for the skin model tests: every frame a solid colour of its own, a
// description text, packed into an archive by the skin tool's writer.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "bitmap_file.h"
#include "skin/model/skin_data.h"
#include "skin_writer.h"

// The colour (0x00BBGGRR) of frame f (1-based) of a picture with the given seed; never magenta.
inline TColor FrameColour(int seed, int f) {
  return RGB(20 * f, 40 + seed, 200 - 10 * f);
}

// 0x00RRGGBB for the BMP writer.
inline std::uint32_t FileRgb(TColor c) {
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

class TTestSkin {
public:
  // A strip of frames side by side (or stacked), each frameW x frameH, frame-coded.
  TTestSkin& Strip(const std::string& name, int frames, int frameW, int frameH, int seed, bool stacked = false) {
    return Picture(name, stacked ? frameW : frameW * frames, stacked ? frameH * frames : frameH,
                   [=](int x, int y) { return FrameColour(seed, 1 + (stacked ? y / frameH : x / frameW)); });
  }
  TTestSkin& Picture(const std::string& name, int w, int h, std::function<TColor(int x, int y)> pixel) {
    Entries.push_back({name, MakeBitmap24(w, h, [&](int x, int y) { return FileRgb(pixel(x, y)); })});
    return *this;
  }
  TTestSkin& Raw(const std::string& name, std::vector<std::uint8_t> bytes) {
    Entries.push_back({name, std::move(bytes)});
    return *this;
  }
  TTestSkin& Ini(const std::string& text) {
    Description += text;
    return *this;
  }
  std::vector<std::uint8_t> Archive() const {
    std::vector<TSkinEntry> all = Entries;
    all.push_back({"test.ini", std::vector<std::uint8_t>(Description.begin(), Description.end())});
    return BuildSkinArchive(all);
  }

  std::vector<TSkinEntry> Entries;
  std::string Description;
};

// A skin component (not on a form) with the archive stored and loaded.
inline TOwned<TSkinData> LoadTestSkin(const TTestSkin& skin) {
  TOwned<TSkinData> data(new TSkinData(nullptr));
  const std::vector<std::uint8_t> archive = skin.Archive();
  data->StoredStream().Clear();
  data->StoredStream().WriteBuffer(archive.data(), static_cast<std::int64_t>(archive.size()));
  data->LoadSkinFromStore();
  return data;
}

inline COLORREF PixelAt(TBitmap& b, int x, int y) {
  return GetPixel(b.Canvas().Handle(), x, y);
}
