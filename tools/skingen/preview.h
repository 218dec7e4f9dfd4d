// The contact sheet of the default skin: a mock window drawn from the pictures and every picture with its frame
// numbers.
#pragma once

#include <vector>

#include "raster.h"
#include "skin.h"

Image MakePreview(const Theme& theme, const std::vector<Picture>& pictures);
