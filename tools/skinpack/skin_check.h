// The skin lint: for every image the skin loader reads, whether the archive holds it as a
// readable bitmap that divides into the loader's frame count; and for every twice-size picture
// (NAME@2x.bmp), whether its NAME.bmp is there and it is exactly twice that size.
#pragma once

#include <string>
#include <vector>

#include "skin/file/skin_reader.h"

enum class TCheckStatus { Ok, Absent, Warning, Problem };

struct TCheckLine {
  std::string Where;  // "section/key" of the description
  std::string Image;  // the entry name the key gives, as written
  TCheckStatus Status = TCheckStatus::Ok;
  std::string Text;
};

struct TSkinCheckReport {
  std::vector<TCheckLine> Lines;
  int Problems = 0;
  int Warnings = 0;
};

// Checks a loaded archive. A missing description is one problem.
TSkinCheckReport CheckSkin(const TSkinReader& reader);
