// TBitmap: a device-independent bitmap with a canvas, scan lines and BMP loading.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/stream.h"
#include "ui/canvas.h"

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

class TBitmap;

// The canvas of a bitmap: a memory DC with the bitmap selected while the canvas is in use.
class TBitmapCanvas : public TCanvas {
public:
  explicit TBitmapCanvas(TBitmap& bitmap) : FBitmap(bitmap) {}
  ~TBitmapCanvas() override;
  // Takes the bitmap out of the DC (before the bitmap's handle changes).
  void FreeContext();

protected:
  void CreateHandle() override;

private:
  TBitmap& FBitmap;
  HDC FDC = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
};

class TBitmap : public TPersistent {
  CORVANA_CLASS(TBitmap)

public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }
  // New sizes keep the picture's top-left part; new area is black.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, FHeight); }
  void SetHeight(int height) { SetSize(FWidth, height); }
  TPixelFormat PixelFormat() const { return FFormat; }
  // Converts the picture to the new format.
  void SetPixelFormat(TPixelFormat format);
  int BitsPerPixel() const;

  // Row y from the top, in the bitmap's own pixel format; null for an empty bitmap.
  std::uint8_t* ScanLine(int y);
  std::size_t Stride() const { return FStride; }

  TCanvas& Canvas();
  HBITMAP Handle();
  // Hands the bitmap handle to the caller and empties the bitmap.
  HBITMAP ReleaseHandle();

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent) { FTransparent = transparent; }
  // clDefault: the bottom-left pixel's colour.
  TColor TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(TColor color) {
    FTransparentColor = color;
    FTransparent = color != clNone;
  }
  TColor EffectiveTransparentColor();

  bool Monochrome() const { return FFormat == TPixelFormat::pf1bit; }

  // A BMP file at the stream's position; damaged data raises Exception and leaves the bitmap empty.
  void LoadFromStream(TStream& stream);
  void LoadFromBytes(const std::uint8_t* data, std::size_t size);
  void LoadFromResourceName(HINSTANCE instance, const wchar_t* name);
  // A 24-bit (or the bitmap's own) BMP file.
  void SaveToStream(TStream& stream);

  // Copies picture, format and transparency of another bitmap.
  bool Assign(const TPersistent& source) override;
  void Clear();

  // The colour table of 1-, 4- and 8-bit bitmaps.
  void SetPalette(const std::vector<RGBQUAD>& colours);

  TNotifyEvent OnChange;

private:
  friend class TBitmapCanvas;
  void Create(int width, int height, TPixelFormat format, const std::vector<RGBQUAD>* palette = nullptr);
  void Changed();

  int FWidth = 0;
  int FHeight = 0;
  TPixelFormat FFormat = TPixelFormat::pfDevice;
  TBitmapHandle FHandle;
  std::uint8_t* FBits = nullptr;
  std::size_t FStride = 0;
  bool FTransparent = false;
  TColor FTransparentColor = clDefault;
  std::unique_ptr<TBitmapCanvas> FCanvas;
};
