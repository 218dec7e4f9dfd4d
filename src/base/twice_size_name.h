// The name of a skin picture's twice-size companion: "Name@2x.bmp" beside "Name.bmp".
#pragma once

#include <string>
#include <string_view>

// The marker goes before the extension, whose case is kept: "buttons.bmp" -> "buttons@2x.bmp",
// "Frame.BMP" -> "Frame@2x.BMP"; a name without an extension gets it at the end.
inline std::string TwiceSizeName(std::string_view name) {
  const size_t dot = name.rfind('.');
  const size_t at = dot == std::string_view::npos ? name.size() : dot;
  return std::string(name.substr(0, at)) + "@2x" + std::string(name.substr(at));
}

// The 1x name a twice-size name belongs to ("buttons@2x.bmp" -> "buttons.bmp"), or the empty
// text when the name carries no marker right before its extension. The marker's letter may be
// either case, since archive names are compared without regard to case.
inline std::string OneTimesName(std::string_view name) {
  const size_t dot = name.rfind('.');
  const size_t at = dot == std::string_view::npos ? name.size() : dot;
  if (at < 4) return {};  // "@2x" needs at least one character of name before it
  const std::string_view marker = name.substr(at - 3, 3);
  if (marker[0] != '@' || marker[1] != '2' || (marker[2] != 'x' && marker[2] != 'X')) return {};
  return std::string(name.substr(0, at - 3)) + std::string(name.substr(at));
}
