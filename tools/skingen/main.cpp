// skingen: writes the default skin folder, its contact sheet, and the program's bitmap resources and icon.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "base/error.h"
#include "base/twice_size_name.h"
#include "bmp.h"
#include "player_glyphs.h"
#include "preview.h"
#include "resources.h"
#include "skin.h"

namespace {

const char kUsage[] =
    "usage: skingen OUTDIR [--theme NAME]      write a skin folder: 34 pictures, their twice-size\n"
    "                                          companions (NAME@2x.bmp) and corvana.ini\n"
    "       skingen --preview FILE [--theme NAME]  write the contact sheet of every picture (a BMP file)\n"
    "       skingen --resources OUTDIR         write track.bmp, trackvert.bmp, rededodeved.bmp, corvana.ico\n"
    "                                          and the media player's 27 glyphs (en_mpplay.bmp ...),\n"
    "                                          each bitmap also at twice the size (track@2x.bmp ...)\n"
    "       skingen --help                     show this text\n"
    "NAME is light (the default skin), dark or classic.\n"
    "Folders are created when missing; existing files are replaced.\n";

std::string In(const std::filesystem::path& dir, const char* name) {
  const std::u8string text = (dir / name).u8string();
  return std::string(text.begin(), text.end());
}

void MakeFolder(const std::string& dir) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::u8path(dir), error);
  if (error) throw Exception("cannot create " + dir + ": " + error.message());
}

void WriteSkin(const std::string& dir, const Theme& theme) {
  MakeFolder(dir);
  const std::filesystem::path base = std::filesystem::u8path(dir);
  for (const Picture& p : MakeSkinPictures(theme)) WriteFile(In(base, p.name.c_str()), EncodeBmp24(p.image));
  // The description names only the 1x pictures; the engine finds each twice-size one by name.
  for (const Picture& p : MakeSkinPictures(theme, 2))
    WriteFile(In(base, TwiceSizeName(p.name).c_str()), EncodeBmp24(p.image));
  const std::string text = MakeDescription(theme);
  WriteFile(In(base, kDescriptionName), Bytes(text.begin(), text.end()));
}

void WritePreview(const std::string& file, const Theme& theme) {
  const std::filesystem::path parent = std::filesystem::u8path(file).parent_path();
  if (!parent.empty()) {
    const std::u8string text = parent.u8string();
    MakeFolder(std::string(text.begin(), text.end()));
  }
  WriteFile(file, EncodeBmp24(MakePreview(theme, MakeSkinPictures(theme))));
}

// Each picture at 1x and, beside it as NAME@2x.bmp, at 2x for high display scales.
void WriteResources(const std::string& dir) {
  MakeFolder(dir);
  const Theme theme;
  const std::filesystem::path base = std::filesystem::u8path(dir);
  auto write = [&](int scale, const std::string& file, const Bytes& bytes) {
    WriteFile(In(base, (scale == 1 ? file : TwiceSizeName(file)).c_str()), bytes);
  };
  for (int scale : {1, 2}) {
    write(scale, "track.bmp", EncodeBmp4(MakeTrack(theme, scale), TrackPalette(theme)));
    write(scale, "trackvert.bmp", EncodeBmp4(MakeTrackVert(theme, scale), TrackPalette(theme)));
    write(scale, "rededodeved.bmp", EncodeBmp1(MakeMenuGlyphs(scale)));
    for (const PlayerGlyph& glyph : MakePlayerGlyphs(scale)) {
      std::string file = glyph.name + ".bmp";
      for (char& c : file) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
      write(scale, file, EncodeBmp24(glyph.image));
    }
  }
  WriteFile(In(base, "corvana.ico"), EncodeIco(MakeIcon(theme)));
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  std::string themeName = "light";
  if (args.size() >= 2 && args[args.size() - 2] == "--theme") {
    themeName = args.back();
    args.resize(args.size() - 2);
  }
  const std::string first = args.empty() ? "" : args[0];
  const bool option = !first.empty() && first[0] == '-';
  const bool valid = option ? (args.size() == 2 && (first == "--preview" || first == "--resources")) : args.size() == 1;
  if (!valid || (first == "--resources" && themeName != "light")) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    const Theme theme = ThemeNamed(themeName);
    if (first == "--preview")
      WritePreview(args[1], theme);
    else if (first == "--resources")
      WriteResources(args[1]);
    else
      WriteSkin(first, theme);
  } catch (const Exception& e) {
    std::cerr << "skingen: " << e.Message() << "\n";
    return 1;
  }
  return 0;
}
