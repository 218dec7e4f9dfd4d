// The one rounding rule of display scaling, portable so pure geometry can use it: a length in
// 96-pixels-per-inch design units times dpi / 96, to the nearest pixel, halves away from zero
// (what the platform's MulDiv does). Going up and back down again (96 -> 144 -> 96,
// 96 -> 120 -> 96, 96 -> 192 -> 96) gives the length back.
#pragma once

#include <cstdint>

inline constexpr int kDesignDpi = 96;

// value * numerator / denominator, rounded to the nearest, halves away from zero; the value
// itself for a denominator of 0 or less.
constexpr int MulDivRound(int value, int numerator, int denominator) {
  if (denominator <= 0) return value;
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

constexpr int ScaleByDpi(int value, int dpi) {
  return MulDivRound(value, dpi, kDesignDpi);
}

// A length taken from one scale to another by the same rule (a live scale change).
constexpr int RescaleDpi(int value, int fromDpi, int toDpi) {
  return fromDpi == toDpi ? value : MulDivRound(value, toDpi, fromDpi);
}
