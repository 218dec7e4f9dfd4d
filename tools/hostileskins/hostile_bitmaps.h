// BMP files of every kind the skin loader may meet, sound or damaged: 1, 4, 8, 16, 24 and 32
// bits, run-length coded, bit fields, top-down, and headers that lie about the picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hostile_random.h"

struct TBmpShape {
  int Width = 16;
  int Height = 16;  // negative: top-down rows
  int BitCount = 24;
  std::uint32_t Compression = 0;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
  std::uint32_t ColoursUsed = 0;
  // Pixel bytes to write; -1 for as many as the shape needs (for plain rows).
  std::int64_t PixelBytes = -1;
};

// A BMP file of the shape with random pixels (run-length data made of random codes when
// wellFormed is false, of proper runs ending each row otherwise).
std::vector<std::uint8_t> MakeBmp(const TBmpShape& shape, THostileRandom& random, bool wellFormed);

// A random shape among the depths and codings, with a description for the note.
TBmpShape RandomBmpShape(THostileRandom& random, std::string& note);
