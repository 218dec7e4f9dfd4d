// A seeded generator of damaged skin archives: the default skin's pictures and description
// with one kind of damage each (random keys, absurd frame counts and sizes, margins beyond the
// picture, missing or cut pictures, every bit depth and run-length coding, huge declared
// dimensions, broken container headers and LZH streams). The same seed gives the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class THostileDamage {
  RandomKeys,
  AbsurdFrames,
  AbsurdSizes,
  WideMargins,
  MissingPictures,
  CutPictures,
  BitDepths,
  HugeDimensions,
  BrokenDescription,
  BrokenContainer,
  BrokenLzh,
  Mixed,
};
inline constexpr int kHostileDamageKinds = static_cast<int>(THostileDamage::Mixed) + 1;

const char* HostileDamageName(THostileDamage damage);

struct THostileSkin {
  int Index = 0;
  THostileDamage Damage = THostileDamage::RandomKeys;
  // What was done, for the report of a failure ("AbsurdFrames: Buttons/Frame=0 ...").
  std::string Note;
  // The archive as a skin file holds it.
  std::vector<std::uint8_t> Bytes;
};

// Skin number index of the corpus of seed; the damage kinds take turns.
THostileSkin MakeHostileSkin(std::uint64_t seed, int index);
