// The default skin: its colours and sizes in one place, the pictures drawn from them and the description text.
#pragma once

#include <string>
#include <vector>

#include "raster.h"

// Every colour, size and shape of a skin. The pictures and the description are made from
// these values only, so a change here changes the whole look consistently. The defaults are
// the default skin, "Corvana Light"; DarkTheme and ClassicTheme change what differs.
struct Theme {
  std::string name = "Corvana Light";  // the description's SkinName
  // Faces and text.
  Rgb face{240, 243, 247};    // window and button face
  Rgb window{255, 255, 255};  // edit and list background
  Rgb text{30, 36, 44};       // ordinary text
  Rgb textSoft{78, 88, 100};  // inactive tab text
  Rgb disabledText{150, 158, 168};
  // The blue of the caption band and the accent of focus and selection.
  Rgb captionTop{64, 118, 192};
  Rgb captionBottom{46, 94, 168};
  Rgb captionLine{34, 74, 134};  // the 1-pixel window outline while active
  Rgb accent{38, 110, 200};
  Rgb accentDark{24, 78, 150};
  Rgb accentLight{140, 182, 232};
  // The inactive caption band and outline.
  Rgb inactiveTop{230, 234, 240};
  Rgb inactiveBottom{218, 224, 232};
  Rgb inactiveLine{158, 168, 180};
  Rgb titleText{255, 255, 255};
  Rgb titleTextInactive{84, 96, 110};
  // Control outlines and fills.
  Rgb line{164, 174, 186};  // control borders
  Rgb lineHot{120, 162, 216};
  Rgb lineLight{206, 212, 220};  // disabled borders, separators
  Rgb shadow{146, 156, 168};     // "ButtonShadow": flat frames and disabled text
  Rgb dkShadow{92, 102, 116};
  Rgb hotFill{232, 241, 252};
  Rgb pressedFill{208, 224, 244};
  Rgb disabledFill{236, 238, 241};
  Rgb track{232, 236, 241};  // scroll tracks and empty progress
  Rgb disabledTrack = Lighter(track, 0.45);
  Rgb thumb{178, 188, 200};
  Rgb close{214, 52, 60};  // the close button when hot
  Rgb menu{252, 252, 253};
  Rgb hilight{210, 228, 250};  // selected menu items
  Rgb hilightText = text;      // their text
  Rgb glyph{72, 82, 96};       // arrows on light faces
  // Fills and lines of particular states (button faces run from top to bottom).
  Rgb buttonTop{252, 253, 254}, buttonBottom{234, 238, 244};
  Rgb pressedTop{200, 216, 238}, pressedBottom{212, 226, 244};
  Rgb hotTop{250, 252, 255};
  Rgb raisedFace = Lighter(face, 0.5);  // raised status panels
  Rgb buttonLight = Lighter(face, 0.6);  // "Buttonlight"
  Rgb boxLine{128, 138, 152};            // an unchecked box
  Rgb boxDisabledLine{176, 184, 194}, boxDisabledFill{196, 203, 212}, boxDisabledInk{246, 247, 249};
  Rgb emptyDisabledFill{244, 245, 247}, emptyDisabledInk{186, 193, 202};  // disabled boxes and combos
  Rgb tabTop{233, 237, 242}, tabBottom{223, 228, 235};  // the tabs that are not current
  Rgb tabHotTop{246, 250, 255};                           // hot tabs and header columns
  Rgb paneLine{182, 190, 200}, progressLine{184, 192, 202};
  Rgb disabledGlyph{184, 190, 198};
  Rgb headerTop{255, 255, 255}, headerBottom{243, 245, 248};
  Rgb menuSeparator{222, 226, 232}, menuLine{168, 178, 190};
  Rgb menuDisabledLine{214, 218, 224}, menuDisabledFill{238, 240, 243}, menuSelectedLine{164, 198, 240};
  Rgb arrowPressed{196, 208, 224}, arrowHot{220, 227, 236}, arrowDisabledInk{196, 201, 208};
  Rgb thumbDisabledLine{170, 178, 190}, thumbDisabledTop{200, 206, 214}, thumbDisabledBottom{192, 199, 208};
  Rgb spinFill{247, 248, 250}, spinDisabledFill{242, 243, 245}, spinDisabledInk{186, 192, 200};

  // Shapes.
  double radius = 3;          // corners of buttons, tabs, menu items; 0 draws square ones
  bool roundWindow = true;    // the window's top corners rounded (keyed out)
  bool pillThumb = true;      // scroll thumbs as thin pills; otherwise blocks across the bar
  bool boxedCaptionButtons = false;  // caption buttons as face-coloured boxes with dark glyphs

  // Sizes in pixels.
  int captionHeight = 30;
  int frameWidth = 4;  // left, right and bottom borders; also the corner radius
  int captionButtonWidth = 30;
  int captionButtonHeight = 22;
  int captionButtonGap = 2;
  int captionButtonInset = 5;  // from the window's right edge to the close button
  int iconLeft = 8;            // where the program draws the window icon
  int titleShift = 26;         // title text offset from the left border, past the icon
  int scrollSize = 17;         // at least the platform's arrow size
  int checkSize = 13;
  int comboHeight = 21;
  int mdiButtonWidth = 16, mdiButtonHeight = 14;
};

// The two other skins of the program: dark greys with light text and one accent colour, and
// a flat, square look close to the platform's own proportions.
Theme DarkTheme();
Theme ClassicTheme();
// "light" (the default), "dark" or "classic"; throws for other names.
Theme ThemeNamed(const std::string& name);

struct Picture {
  std::string name;  // the archive entry name
  Image image;
};

// The 34 pictures of the skin, in the order of the archive. Sizes in the theme and the
// description are 96-DPI pixels; scale 2 draws the same pictures twice the size (for display
// scales of 175 % and more), sharp, with the 1x pictures' transparent areas doubled.
std::vector<Picture> MakeSkinPictures(const Theme& theme, int scale = 1);

// The description text (ASCII, CR LF lines).
std::string MakeDescription(const Theme& theme);

// The entry name of the description.
inline constexpr const char* kDescriptionName = "corvana.ini";
