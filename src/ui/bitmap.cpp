// TBitmap over a DIB section (bottom-up rows, as the platform's DIB copies expect).
#include "ui/bitmap.h"

#include <cstring>
#include <vector>

#include "base/bmp.h"
#include "base/error.h"

namespace {

int BitsOf(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit: return 16;
    case TPixelFormat::pf24bit: return 24;
    default: return 32;  // device and custom bitmaps are kept as 32-bit pictures
  }
}

TPixelFormat FormatOfBits(int bits) {
  switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 16: return TPixelFormat::pf15bit;
    case 24: return TPixelFormat::pf24bit;
    default: return TPixelFormat::pf32bit;
  }
}

// A bottom-up BITMAPINFO with room for a full colour table.
std::vector<std::uint8_t> DibInfo(int width, int height, int bits) {
  std::vector<std::uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  header->biSize = sizeof(BITMAPINFOHEADER);
  header->biWidth = width;
  header->biHeight = height;
  header->biPlanes = 1;
  header->biBitCount = static_cast<WORD>(bits);
  header->biCompression = BI_RGB;
  return info;
}

std::vector<RGBQUAD> DefaultPalette(int bits) {
  std::vector<RGBQUAD> colours;
  if (bits == 1) {
    colours = {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}};
  } else if (bits == 4 || bits == 8) {
    // The system palette's first 16 colours, then a grey ramp.
    HPALETTE stock = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    PALETTEENTRY entries[20]{};
    const UINT n = GetPaletteEntries(stock, 0, 20, entries);
    const int count = 1 << bits;
    for (int i = 0; i < count; ++i) {
      if (static_cast<UINT>(i) < n && i < 16) {
        const PALETTEENTRY& e = entries[i < 8 ? i : i + 4];
        colours.push_back(RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0});
      } else {
        const auto g = static_cast<BYTE>(i * 255 / (count - 1));
        colours.push_back(RGBQUAD{g, g, g, 0});
      }
    }
  }
  return colours;
}

}  // namespace

const TClassInfo& TBitmap::StaticClassInfo() {
  static const TClassInfo info("TBitmap", &TPersistent::StaticClassInfo(), {});
  return info;
}

TBitmapCanvas::~TBitmapCanvas() { FreeContext(); }

void TBitmapCanvas::CreateHandle() {
  if (!FDC) {
    FDC = CreateCompatibleDC(nullptr);
    ++OwnedGdiObjects();
  }
  if (!FOldBitmap && FBitmap.FHandle) FOldBitmap = SelectObject(FDC, FBitmap.FHandle.Get());
  SetHandle(FDC);
}

void TBitmapCanvas::FreeContext() {
  if (!FDC) return;
  SetHandle(nullptr);
  if (FOldBitmap) SelectObject(FDC, FOldBitmap);
  FOldBitmap = nullptr;
  DeleteDC(FDC);
  --OwnedGdiObjects();
  FDC = nullptr;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) { Create(width, height, format); }

TBitmap::~TBitmap() {
  if (FCanvas) FCanvas->FreeContext();
}

int TBitmap::BitsPerPixel() const { return BitsOf(FFormat); }

void TBitmap::Create(int width, int height, TPixelFormat format, const std::vector<RGBQUAD>* palette) {
  if (FCanvas) FCanvas->FreeContext();
  FHandle.Reset();
  FBits = nullptr;
  FStride = 0;
  FWidth = width > 0 ? width : 0;
  FHeight = height > 0 ? height : 0;
  FFormat = format;
  if (FWidth == 0 || FHeight == 0) return;
  const int bits = BitsOf(format);
  const std::vector<RGBQUAD> colours = palette ? *palette : DefaultPalette(bits);
  std::vector<std::uint8_t> info = DibInfo(FWidth, FHeight, bits);
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  if (format == TPixelFormat::pf16bit) {
    header->biCompression = BI_BITFIELDS;
    const DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
    std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), masks, sizeof masks);
  } else if (bits <= 8) {
    header->biClrUsed = static_cast<DWORD>(colours.size());
    std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), colours.data(), colours.size() * sizeof(RGBQUAD));
  }
  void* pixels = nullptr;
  HBITMAP handle = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &pixels,
                                    nullptr, 0);
  if (!handle) {
    FWidth = FHeight = 0;
    throw Exception("Out of system resources");
  }
  FHandle.Reset(handle);
  FBits = static_cast<std::uint8_t*>(pixels);
  FStride = ((static_cast<std::size_t>(FWidth) * bits + 31) / 32) * 4;
  std::memset(FBits, 0, FStride * static_cast<std::size_t>(FHeight));
}

void TBitmap::Changed() {
  if (OnChange) OnChange(this);
}

void TBitmap::SetSize(int width, int height) {
  if (width == FWidth && height == FHeight && FHandle) return;
  TBitmap old;
  const bool keep = !Empty();
  if (keep) old.Assign(*this);
  Create(width, height, FFormat);
  if (keep && !Empty()) BitBlt(Canvas().Handle(), 0, 0, old.Width(), old.Height(), old.Canvas().Handle(), 0, 0, SRCCOPY);
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == FFormat) return;
  if (Empty()) {
    FFormat = format;
    return;
  }
  TBitmap old;
  old.Assign(*this);
  Create(FWidth, FHeight, format);
  // Through the DIB copy, so every format converts to every other.
  std::vector<std::uint8_t> info = DibInfo(FWidth, FHeight, 32);
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(FWidth) * FHeight * 4);
  const HDC screen = GetDC(nullptr);
  GetDIBits(screen, old.Handle(), 0, static_cast<UINT>(FHeight), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
  SetDIBits(screen, FHandle.Get(), 0, static_cast<UINT>(FHeight), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  Changed();
}

std::uint8_t* TBitmap::ScanLine(int y) {
  if (!FBits || y < 0 || y >= FHeight) return nullptr;
  GdiFlush();
  return FBits + static_cast<std::size_t>(FHeight - 1 - y) * FStride;
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
  return *FCanvas;
}

HBITMAP TBitmap::Handle() { return FHandle.Get(); }

HBITMAP TBitmap::ReleaseHandle() {
  if (FCanvas) FCanvas->FreeContext();
  FBits = nullptr;
  FWidth = FHeight = 0;
  return FHandle.Release();
}

TColor TBitmap::EffectiveTransparentColor() {
  if (FTransparentColor != clDefault || Empty()) return FTransparentColor;
  return static_cast<TColor>(GetPixel(Canvas().Handle(), 0, FHeight - 1) & 0xFFFFFF);
}

void TBitmap::SetPalette(const std::vector<RGBQUAD>& colours) {
  if (!FHandle || BitsPerPixel() > 8 || colours.empty()) return;
  const HDC dc = Canvas().Handle();
  SetDIBColorTable(dc, 0, static_cast<UINT>(colours.size()), colours.data());
  Changed();
}

void TBitmap::LoadFromBytes(const std::uint8_t* data, std::size_t size) {
  TBmpImage image;
  std::string error;
  if (!ParseBmp(data, size, image, error)) {
    Clear();
    throw Exception("Bitmap image is not valid: " + error);
  }
  std::vector<RGBQUAD> palette;
  for (const std::uint32_t rgb : image.Palette)
    palette.push_back(RGBQUAD{static_cast<BYTE>(rgb), static_cast<BYTE>(rgb >> 8), static_cast<BYTE>(rgb >> 16), 0});
  const bool masks555 = image.RedMask == 0x7C00 && image.GreenMask == 0x03E0 && image.BlueMask == 0x001F;
  const bool masks565 = image.RedMask == 0xF800 && image.GreenMask == 0x07E0 && image.BlueMask == 0x001F;
  const bool masks888 = image.RedMask == 0xFF0000 && image.GreenMask == 0xFF00 && image.BlueMask == 0xFF;
  const bool bitfields16 = image.BitCount == 16 && masks565;
  const bool standard = image.BitCount <= 8 || image.BitCount == 24 ||
                        (image.BitCount == 16 && (masks555 || masks565)) || (image.BitCount == 32 && masks888);
  if (!standard) {
    // Unusual channel masks: keep the colours, store them as plain 24-bit pixels.
    Create(image.Width, image.Height, TPixelFormat::pf24bit);
    for (int y = 0; y < image.Height; ++y) {
      std::uint8_t* row = ScanLine(y);
      for (int x = 0; x < image.Width; ++x) {
        const std::uint32_t rgb = image.PixelRgb(x, y);
        row[x * 3] = static_cast<std::uint8_t>(rgb);
        row[x * 3 + 1] = static_cast<std::uint8_t>(rgb >> 8);
        row[x * 3 + 2] = static_cast<std::uint8_t>(rgb >> 16);
      }
    }
  } else {
    Create(image.Width, image.Height,
           bitfields16 ? TPixelFormat::pf16bit : FormatOfBits(image.BitCount), palette.empty() ? nullptr : &palette);
    for (int y = 0; y < image.Height; ++y)
      std::memcpy(ScanLine(y), image.Pixels.data() + static_cast<std::size_t>(y) * image.Stride, image.Stride);
  }
  Changed();
}

void TBitmap::LoadFromStream(TStream& stream) {
  const std::int64_t left = stream.Size() - stream.Position();
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(left > 0 ? left : 0));
  if (!bytes.empty()) stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  LoadFromBytes(bytes.data(), bytes.size());
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const wchar_t* name) {
  HRSRC resource = FindResourceW(instance, name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  if (!resource) throw Exception("Resource not found");
  HGLOBAL loaded = LoadResource(instance, resource);
  const auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
  const DWORD size = SizeofResource(instance, resource);
  if (!data || size < sizeof(BITMAPINFOHEADER)) throw Exception("Resource not found");
  // Bitmap resources are BMP files without their 14-byte file header.
  std::vector<std::uint8_t> file(14 + size, 0);
  std::memcpy(file.data() + 14, data, size);
  const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(data);
  std::uint32_t paletteBytes = 0;
  if (header->biSize >= sizeof(BITMAPINFOHEADER) && header->biBitCount <= 8)
    paletteBytes = (header->biClrUsed ? header->biClrUsed : (1u << header->biBitCount)) * 4;
  if (header->biSize >= sizeof(BITMAPINFOHEADER) && header->biCompression == BI_BITFIELDS) paletteBytes = 12;
  const std::uint32_t offset = 14 + header->biSize + paletteBytes;
  const std::uint32_t total = static_cast<std::uint32_t>(file.size());
  file[0] = 'B';
  file[1] = 'M';
  std::memcpy(file.data() + 2, &total, 4);
  std::memcpy(file.data() + 10, &offset, 4);
  LoadFromBytes(file.data(), file.size());
}

void TBitmap::SaveToStream(TStream& stream) {
  const int bits = BitsPerPixel();
  const std::size_t paletteBytes = bits <= 8 ? (1u << bits) * sizeof(RGBQUAD) : 0;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = FWidth;
  info.biHeight = FHeight;
  info.biPlanes = 1;
  info.biBitCount = static_cast<WORD>(bits == 16 ? 24 : bits);
  info.biCompression = BI_RGB;
  std::size_t stride = ((static_cast<std::size_t>(FWidth) * info.biBitCount + 31) / 32) * 4;
  info.biSizeImage = static_cast<DWORD>(stride * static_cast<std::size_t>(FHeight));
  file.bfType = 0x4D42;
  file.bfOffBits = static_cast<DWORD>(sizeof file + sizeof info + paletteBytes);
  file.bfSize = file.bfOffBits + info.biSizeImage;
  stream.WriteBuffer(&file, sizeof file);
  stream.WriteBuffer(&info, sizeof info);
  if (paletteBytes) {
    std::vector<RGBQUAD> colours(1u << bits);
    GetDIBColorTable(Canvas().Handle(), 0, static_cast<UINT>(colours.size()), colours.data());
    stream.WriteBuffer(colours.data(), static_cast<std::int64_t>(paletteBytes));
  }
  if (bits == 16) {
    TBitmap copy;
    copy.Assign(*this);
    copy.SetPixelFormat(TPixelFormat::pf24bit);
    for (int y = FHeight - 1; y >= 0; --y) stream.WriteBuffer(copy.ScanLine(y), static_cast<std::int64_t>(stride));
  } else {
    for (int y = FHeight - 1; y >= 0; --y) stream.WriteBuffer(ScanLine(y), static_cast<std::int64_t>(FStride));
  }
}

bool TBitmap::Assign(const TPersistent& source) {
  auto* other = const_cast<TBitmap*>(dynamic_cast<const TBitmap*>(&source));
  if (!other) return false;
  if (other == this) return true;
  FTransparent = other->FTransparent;
  FTransparentColor = other->FTransparentColor;
  if (other->Empty()) {
    Clear();
    FFormat = other->FFormat;
    return true;
  }
  std::vector<RGBQUAD> palette;
  if (other->BitsPerPixel() <= 8) {
    palette.resize(1u << other->BitsPerPixel());
    GetDIBColorTable(other->Canvas().Handle(), 0, static_cast<UINT>(palette.size()), palette.data());
  }
  Create(other->FWidth, other->FHeight, other->FFormat, palette.empty() ? nullptr : &palette);
  GdiFlush();
  std::memcpy(FBits, other->FBits, FStride * static_cast<std::size_t>(FHeight));
  Changed();
  return true;
}

void TBitmap::Clear() {
  Create(0, 0, FFormat);
  Changed();
}
