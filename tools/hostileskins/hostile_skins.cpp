// The hostile skin generator: the default skin, damaged one way per skin.
#include "hostile_skins.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "bmp.h"
#include "hostile_bitmaps.h"
#include "lzh_encoder.h"
#include "skin.h"
#include "skin_writer.h"

namespace {

struct TBase {
  std::vector<TSkinEntry> Pictures;
  std::vector<std::string> Lines;  // the description, one line each, without line ends
};

const TBase& Base() {
  static const TBase base = [] {
    TBase b;
    const Theme theme;
    for (const Picture& p : MakeSkinPictures(theme)) b.Pictures.push_back({p.name, EncodeBmp24(p.image)});
    const std::string text = MakeDescription(theme);
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find("\r\n", start);
      if (end == std::string::npos) end = text.size();
      b.Lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    return b;
  }();
  return base;
}

struct TWork {
  std::vector<TSkinEntry> Pictures;
  std::vector<std::string> Lines;
  std::string Note;
  void Add(const std::string& text) {
    if (Note.size() < 300) Note += (Note.empty() ? "" : "; ") + text;
  }
};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string KeyOf(const std::string& line) {
  const size_t eq = line.find('=');
  return eq == std::string::npos || line.empty() || line[0] == ';' || line[0] == '[' ? std::string()
                                                                                     : line.substr(0, eq);
}

// Gives new values to the keys the test accepts, each with the chance given.
template <class Accept, class Value>
void Rewrite(TWork& w, THostileRandom& r, int percent, Accept accept, Value value) {
  for (std::string& line : w.Lines) {
    const std::string key = KeyOf(line);
    if (key.empty() || !accept(Lower(key)) || !r.Chance(percent)) continue;
    line = key + "=" + value();
    w.Add(line);
  }
}

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

const char* const kKeys[] = {"Frame",      "LeftWidth",    "TopHeight",
                             "RightWidth", "BottomHeight", "Trans",
                             "Tile",       "Style",        "Bitmap",
                             "Image",      "ButtonImage",  "Xcoord",
                             "Ycoord",     "Action",       "Align",
                             "Visibility", "FontHeight",   "FrameCount",
                             "TextShift",  "menuBar",      "Left",
                             "LeftFrame",  "TopTopHeight", "NormalColour",
                             "ButtonFace", "CheckButton",  "CheckButtonFrame",
                             "GlyphImage", "Border",       "SkinName"};
const char* const kSections[] = {"Personality",  "Buttons",  "Colours",     "TitlebarSkin", "Fonts",
                                 "ButtonClose",  "Tabs",     "Scrollbar",   "Progress",     "MenuItem",
                                 "UpDown.Vert",  "Tab.Pane", "MDICONTROLS", "ComboButton",  "Trackbar.ThumbHorz",
                                 "ButtonSysMenu"};

std::string AbsurdNumber(THostileRandom& r) {
  static const char* const kValues[] = {"0",           "-1",          "-7",        "1000000",    "2147483647",
                                        "-2147483648", "99999999999", "$FFFFFFFF", "0x7fffffff", "30000",
                                        "-30000",      "65536",       "1e9",       "x",          ""};
  return r.Pick(kValues);
}

std::string RandomText(THostileRandom& r, int length, bool printable) {
  std::string text;
  for (int i = 0; i < length; ++i) {
    const int c = printable ? 32 + r.Below(95) : 1 + r.Below(255);
    text += static_cast<char>(c == '\r' || c == '\n' ? 'x' : c);
  }
  return text;
}

void RandomKeys(TWork& w, THostileRandom& r) {
  const int n = 5 + r.Below(40);
  for (int i = 0; i < n; ++i) {
    std::string line;
    switch (r.Below(7)) {
      case 0:
        line = std::string(r.Pick(kKeys)) + "=" + AbsurdNumber(r);
        break;
      case 1:
        line = std::string("[") + r.Pick(kSections) + "]";
        break;
      case 2:
        line = "[" + RandomText(r, r.Below(20), true) + "]";
        break;
      case 3:
        line = RandomText(r, 1 + r.Below(30), true) + "=" + RandomText(r, r.Below(30), true);
        break;
      case 4:
        line = RandomText(r, 1 + r.Below(60), false);
        break;
      case 5:
        line = std::string(r.Pick(kKeys)) + "=" + std::string(static_cast<size_t>(1 + r.Below(20000)), 'A');
        break;
      default:
        line = std::string(r.Pick(kKeys)) + "=" + RandomText(r, r.Below(12), true);
        break;
    }
    w.Lines.insert(w.Lines.begin() + r.Below(static_cast<int>(w.Lines.size()) + 1), line);
  }
  w.Add(std::to_string(n) + " random lines");
}

void AbsurdFrames(TWork& w, THostileRandom& r) {
  Rewrite(
      w, r, 60, [](const std::string& k) { return Contains(k, "frame"); }, [&] { return AbsurdNumber(r); });
}

void AbsurdSizes(TWork& w, THostileRandom& r) {
  Rewrite(
      w, r, 50,
      [](const std::string& k) {
        return Contains(k, "width") || Contains(k, "height") || Contains(k, "coord") || Contains(k, "shift") ||
               Contains(k, "clip") || Contains(k, "align") || Contains(k, "visibility") || Contains(k, "action");
      },
      [&] { return AbsurdNumber(r); });
}

void WideMargins(TWork& w, THostileRandom& r) {
  Rewrite(
      w, r, 70,
      [](const std::string& k) {
        return k == "leftwidth" || k == "rightwidth" || k == "topheight" || k == "bottomheight" ||
               Contains(k, "topheight") || Contains(k, "botheight");
      },
      [&] { return std::to_string(60 + r.Below(5000)); });
}

void MissingPictures(TWork& w, THostileRandom& r) {
  if (r.Chance(50)) {
    const int keep = r.Below(static_cast<int>(w.Pictures.size()));
    while (static_cast<int>(w.Pictures.size()) > keep)
      w.Pictures.erase(w.Pictures.begin() + r.Below(static_cast<int>(w.Pictures.size())));
    w.Add("kept " + std::to_string(keep) + " pictures");
  } else {
    static const char* const kNames[] = {"nosuch.bmp",  "",        "..\\..\\x.bmp", "C:\\Windows\\x.bmp",
                                         "corvana.ini", "buttons", ".bmp",          "BUTTONS.BMP.bmp"};
    Rewrite(
        w, r, 40, [](const std::string&) { return true; }, [] { return std::string(); });
    for (std::string& line : w.Lines)
      if (Contains(Lower(line), ".bmp") && r.Chance(50)) line = KeyOf(line) + "=" + r.Pick(kNames);
    w.Add("pictures named that do not exist");
  }
}

void CutPictures(TWork& w, THostileRandom& r) {
  const int n = 1 + r.Below(10);
  for (int i = 0; i < n && !w.Pictures.empty(); ++i) {
    TSkinEntry& e = w.Pictures[static_cast<size_t>(r.Below(static_cast<int>(w.Pictures.size())))];
    static const int kCuts[] = {0, 1, 2, 14, 18, 30, 53, 54, 55};
    const size_t cut = r.Chance(40) ? static_cast<size_t>(r.Pick(kCuts))
                                    : static_cast<size_t>(r.Below(static_cast<int>(e.Data.size())));
    e.Data.resize(std::min(cut, e.Data.size()));
    w.Add(e.Name + " cut at " + std::to_string(cut));
  }
}

void BitDepths(TWork& w, THostileRandom& r) {
  const int n = 1 + r.Below(static_cast<int>(w.Pictures.size()));
  for (int i = 0; i < n; ++i) {
    TSkinEntry& e = w.Pictures[static_cast<size_t>(r.Below(static_cast<int>(w.Pictures.size())))];
    std::string shape;
    const TBmpShape s = RandomBmpShape(r, shape);
    e.Data = MakeBmp(s, r, r.Chance(60));
    if (i < 6) w.Add(e.Name + " " + shape);
  }
}

void HugeDimensions(TWork& w, THostileRandom& r) {
  static const int kSides[][2] = {{30000, 30000}, {65535, 1},  {1, 1000000},    {2147483647, 1}, {-30000, 200},
                                  {0, 0},         {16385, 16}, {20000, -20000}, {8000, 8000},    {46341, 46341}};
  const int n = 1 + r.Below(4);
  for (int i = 0; i < n; ++i) {
    TSkinEntry& e = w.Pictures[static_cast<size_t>(r.Below(static_cast<int>(w.Pictures.size())))];
    const auto& side = r.Pick(kSides);
    TBmpShape s;
    s.Width = side[0];
    s.Height = side[1];
    static const int kDepths[] = {1, 4, 8, 24, 32};
    s.BitCount = r.Pick(kDepths);
    s.PixelBytes = r.Below(4096);
    e.Data = MakeBmp(s, r, false);
    w.Add(e.Name + " declared " + std::to_string(s.Width) + "x" + std::to_string(s.Height) + "x" +
          std::to_string(s.BitCount));
  }
}

std::string Description(const TWork& w) {
  std::string text;
  for (const std::string& line : w.Lines) text += line + "\r\n";
  return text;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<TSkinEntry> Entries(const TWork& w, const std::string& description) {
  std::vector<TSkinEntry> entries = w.Pictures;
  entries.push_back({kDescriptionName, Bytes(description)});
  return entries;
}

std::vector<std::uint8_t> BrokenDescription(TWork& w, THostileRandom& r) {
  std::string text = Description(w);
  std::string name = kDescriptionName;
  switch (r.Below(7)) {
    case 0:
      text = RandomText(r, 1 + r.Below(5000), false);
      w.Add("description of random bytes");
      break;
    case 1:
      for (int i = 0; i < 5; ++i) text[static_cast<size_t>(r.Below(static_cast<int>(text.size())))] = '\0';
      w.Add("NUL bytes in the description");
      break;
    case 2:
      text.resize(static_cast<size_t>(r.Below(static_cast<int>(text.size()))));
      w.Add("description cut at " + std::to_string(text.size()));
      break;
    case 3:
      text = "[Personality\r\nLeft=frameleft.bmp\r\n[\r\n]\r\n=\r\n[[]]\r\nLeftFrame==";
      w.Add("unterminated sections");
      break;
    case 4:
      text = std::string(static_cast<size_t>(100000 + r.Below(200000)), 'k');
      w.Add("one line without end");
      break;
    case 5:
      text.clear();
      w.Add("empty description");
      break;
    default:
      name = "corvana.txt";
      w.Add("no description entry");
      break;
  }
  std::vector<TSkinEntry> entries = w.Pictures;
  entries.push_back({name, Bytes(text)});
  return BuildSkinArchive(entries);
}

std::vector<std::uint8_t> BrokenContainer(TWork& w, THostileRandom& r) {
  const std::vector<TSkinEntry> entries = Entries(w, Description(w));
  TSkinContainerLayout layout;
  for (const TSkinEntry& e : entries) {
    layout.NameList += e.Name + "\r\n";
    layout.Sizes.push_back(static_cast<std::int32_t>(e.Data.size()));
    layout.Data.insert(layout.Data.end(), e.Data.begin(), e.Data.end());
  }
  switch (r.Below(8)) {
    case 0: {
      static const std::int32_t kVersions[] = {0, 1, 69999, -1, 2147483647, 60000, 70001};
      layout.Version = r.Pick(kVersions);
      w.Add("version " + std::to_string(layout.Version));
      break;
    }
    case 1:
      layout.NameListLength =
          static_cast<std::uint32_t>(r.Chance(50) ? 0xFFFFFFF0u : layout.NameList.size() + 1 + r.Below(100000));
      w.Add("name list length beyond");
      break;
    case 2:
      for (auto& s : layout.Sizes)
        if (r.Chance(30)) s = r.Chance(50) ? -1 - r.Below(1000) : 2147483647 - r.Below(10);
      w.Add("entry sizes negative or huge");
      break;
    case 3:
      layout.Sizes.resize(static_cast<size_t>(r.Below(static_cast<int>(layout.Sizes.size()))));
      w.Add("fewer sizes than names");
      break;
    case 4:
      layout.Data.resize(static_cast<size_t>(r.Below(static_cast<int>(layout.Data.size()))));
      w.Add("data cut at " + std::to_string(layout.Data.size()));
      break;
    case 5:
      for (int i = 0; i < 1100; ++i) layout.NameList += "n" + std::to_string(i) + ".bmp\r\n";
      w.Add("more than 1001 names");
      break;
    case 6:
      layout.SkippedLength = r.Below(100000);
      w.Add("block after the header of " + std::to_string(*layout.SkippedLength));
      break;
    default:
      for (int i = 0; i < 20; ++i)
        layout.NameList[static_cast<size_t>(r.Below(static_cast<int>(layout.NameList.size())))] =
            static_cast<char>(r.Below(256));
      w.Add("names of random bytes");
      break;
  }
  return LzhCompress(LayOutContainer(layout));
}

std::vector<std::uint8_t> BrokenLzh(TWork& w, THostileRandom& r) {
  std::vector<std::uint8_t> archive = BuildSkinArchive(Entries(w, Description(w)));
  auto setSize = [&](std::uint32_t size) {
    for (int i = 0; i < 4; ++i) archive[static_cast<size_t>(i)] = static_cast<std::uint8_t>(size >> (8 * i));
  };
  const std::uint32_t real =
      archive[0] | archive[1] << 8 | archive[2] << 16 | static_cast<std::uint32_t>(archive[3]) << 24;
  switch (r.Below(7)) {
    case 0: {
      const int n = 1 + r.Below(40);
      for (int i = 0; i < n; ++i)
        archive[4 + static_cast<size_t>(r.Below(static_cast<int>(archive.size()) - 4))] ^=
            static_cast<std::uint8_t>(1 + r.Below(255));
      w.Add(std::to_string(n) + " coded bytes changed");
      break;
    }
    case 1:
      archive.resize(static_cast<size_t>(r.Below(static_cast<int>(archive.size()))));
      w.Add("archive cut at " + std::to_string(archive.size()));
      break;
    case 2:
      setSize(r.Chance(50) ? 0xFFFFFFFFu : 0x7FFFFFFFu);
      w.Add("size word huge");
      break;
    case 3:
      setSize(0);
      w.Add("size word 0");
      break;
    case 4:
      setSize(real / (2 + r.Below(50)));
      w.Add("size word too small");
      break;
    case 5:
      setSize(real + 1 + r.Below(1 << 20));
      w.Add("size word too large");
      break;
    default: {
      const int n = r.Below(20000);
      archive.resize(4 + static_cast<size_t>(n));
      for (size_t i = 4; i < archive.size(); ++i) archive[i] = static_cast<std::uint8_t>(r.Below(256));
      w.Add("coded data of random bytes");
      break;
    }
  }
  return archive;
}

}  // namespace

const char* HostileDamageName(THostileDamage damage) {
  static const char* const kNames[] = {"RandomKeys",        "AbsurdFrames",    "AbsurdSizes", "WideMargins",
                                       "MissingPictures",   "CutPictures",     "BitDepths",   "HugeDimensions",
                                       "BrokenDescription", "BrokenContainer", "BrokenLzh",   "Mixed"};
  const int i = static_cast<int>(damage);
  return i >= 0 && i < kHostileDamageKinds ? kNames[i] : "?";
}

THostileSkin MakeHostileSkin(std::uint64_t seed, int index) {
  THostileRandom r(seed * 0x100000001B3ull + static_cast<std::uint64_t>(index));
  TWork w{Base().Pictures, Base().Lines, {}};
  THostileSkin skin;
  skin.Index = index;
  skin.Damage = static_cast<THostileDamage>(index % kHostileDamageKinds);
  using Damage = void (*)(TWork&, THostileRandom&);
  static const Damage kMixable[] = {RandomKeys,      AbsurdFrames, AbsurdSizes, WideMargins,
                                    MissingPictures, CutPictures,  BitDepths,   HugeDimensions};
  switch (skin.Damage) {
    case THostileDamage::BrokenDescription:
      skin.Bytes = BrokenDescription(w, r);
      break;
    case THostileDamage::BrokenContainer:
      skin.Bytes = BrokenContainer(w, r);
      break;
    case THostileDamage::BrokenLzh:
      skin.Bytes = BrokenLzh(w, r);
      break;
    case THostileDamage::Mixed: {
      const int n = 2 + r.Below(3);
      for (int i = 0; i < n; ++i) r.Pick(kMixable)(w, r);
      skin.Bytes = BuildSkinArchive(Entries(w, Description(w)));
      break;
    }
    default:
      kMixable[static_cast<int>(skin.Damage)](w, r);
      skin.Bytes = BuildSkinArchive(Entries(w, Description(w)));
      break;
  }
  skin.Note = std::string(HostileDamageName(skin.Damage)) + ": " + w.Note;
  return skin;
}
