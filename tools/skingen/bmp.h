// File writers of the skin generator: 24-bit, 16-colour and monochrome BMP files and .ico files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster.h"

using Bytes = std::vector<std::uint8_t>;

// The BMP writers store every pixel of the image (PixelWidth x PixelHeight).
// A 24-bit bottom-up BMP file (BITMAPFILEHEADER + BITMAPINFOHEADER, rows padded to 4 bytes).
Bytes EncodeBmp24(const Image& image);

// A 4-bit BMP file with the given palette (at most 16 colours); every pixel must be one of them.
Bytes EncodeBmp4(const Image& image, const std::vector<Rgb>& palette);

// A 1-bit BMP file; pixels must be black or white (palette: 0 black, 1 white).
Bytes EncodeBmp1(const Image& image);

// An .ico file holding one 32-bit image with alpha (and its AND mask) per size.
Bytes EncodeIco(const std::vector<RgbaImage>& images);

// Writes bytes to a file; raises Exception when that fails.
void WriteFile(const std::string& path, const Bytes& bytes);
