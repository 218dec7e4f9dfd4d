// The skin lint. It follows the sections, image keys and frame counts of the skin loader;
// it does not build skin objects.
#include "skin_check.h"

#include <algorithm>
#include <functional>

#include "base/error.h"
#include "base/twice_size_name.h"
#include "bitmap_file.h"
#include "skin/file/quick_ini.h"

namespace {

using TFrameRule = std::function<int(const TBitmapFacts&)>;

TFrameRule Fixed(int frames) {
  return [frames](const TBitmapFacts&) { return frames; };
}

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// The loader keeps only the name part of what the key gives.
std::string NamePart(const std::string& fileName) {
  const size_t slash = fileName.find_last_of("\\/:");
  return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

class TChecker {
public:
  explicit TChecker(const TSkinReader& reader) : FReader(reader) {}
  TSkinCheckReport Run();

private:
  // The image named by section/key. Stacked images have their frames from top to bottom.
  void Image(const std::string& section, const std::string& key, const TFrameRule& frames, bool stacked = false);
  void ObjectSections();
  void TitleButtons();
  void TwiceSizePictures();
  void Add(const std::string& where, const std::string& image, TCheckStatus status, std::string text);

  const TSkinReader& FReader;
  TQuickIni FIni;
  TSkinCheckReport FReport;
};

void TChecker::Add(const std::string& where, const std::string& image, TCheckStatus status, std::string text) {
  if (status == TCheckStatus::Problem) ++FReport.Problems;
  if (status == TCheckStatus::Warning) ++FReport.Warnings;
  FReport.Lines.push_back(TCheckLine{where, image, status, std::move(text)});
}

void TChecker::Image(const std::string& section, const std::string& key, const TFrameRule& frames, bool stacked) {
  const std::string where = section + "/" + key;
  const std::string fileName = FIni.ReadString(section, key, "");
  if (fileName.empty()) {
    Add(where, "", TCheckStatus::Absent, FIni.SectionIndex(section) < 0 ? "no such section" : "no image");
    return;
  }
  const std::string name = NamePart(fileName);
  if (name.size() < 4 || name.compare(name.size() - 4, 4, ".bmp") != 0) {
    Add(where, fileName, TCheckStatus::Problem, "the name does not end in \".bmp\" (lower case), so it is not loaded");
    return;
  }
  TMemoryStream entry;
  FReader.GetEntry(name, entry);
  if (entry.Size() == 0) {
    Add(where, fileName, TCheckStatus::Problem,
        "no entry \"" + LowerAscii(name) + "\" in the archive (or it is empty)");
    return;
  }
  std::string problem;
  const auto facts = ReadBitmapFacts(entry.Bytes(), problem);
  if (!facts) {
    Add(where, fileName, TCheckStatus::Problem, "not a readable bitmap: " + problem);
    return;
  }
  const int count = frames(*facts);
  const std::int32_t length = stacked ? facts->Height : facts->Width;
  const std::string size = FormatText("%dx%d", facts->Width, facts->Height);
  if (count <= 0) {
    Add(where, fileName, TCheckStatus::Warning, size + ", but the frame count is 0, so it is never drawn");
  } else if (length < count || length % count != 0) {
    Add(where, fileName, TCheckStatus::Problem,
        FormatText("%s does not divide into %d frames %s", size.c_str(), count, stacked ? "stacked" : "side by side"));
  } else if (count == 1) {
    Add(where, fileName, TCheckStatus::Ok, "a bitmap of " + size);
  } else {
    Add(where, fileName, TCheckStatus::Ok,
        stacked ? FormatText("%d frames of %dx%d stacked", count, facts->Width, facts->Height / count)
                : FormatText("%d frames of %dx%d", count, facts->Width / count, facts->Height));
  }
}

void TChecker::TitleButtons() {
  TStringList sections;
  FIni.GetSections(&sections);
  bool any = false;
  for (int i = 0; i < sections.Count(); ++i) {
    const std::string name = UpperAscii(sections[i]);
    if (name == "BUTTONS" || name == "BUTTON.RADIO" || name == "BUTTON.CHECKBOX" || name == "BUTTON") continue;
    if (name.rfind("BUTTON", 0) != 0) continue;
    const std::int32_t action = FIni.ReadInteger(name, "Action", 0);
    if (action == -1 && FIni.ReadInteger(name, "Visibility", -1) != 0) continue;
    any = true;
    const std::int32_t frame = FIni.ReadInteger(name, "frame", 0);
    if (frame == 0 && (action == 3 || action == 11)) {
      Add(name + "/ButtonImage", FIni.ReadString(name, "ButtonImage", ""), TCheckStatus::Absent,
          "not used: a button with this Action and no frame key draws no image");
      continue;
    }
    Image(name, "ButtonImage", [frame, action](const TBitmapFacts& f) {
      if (frame != 0) return frame;
      if (action < 0) return 6;
      return static_cast<double>(f.Width) / f.Height <= 3.8 ? 3 : 6;
    });
  }
  if (!any) Add("BUTTON*/ButtonImage", "", TCheckStatus::Absent, "no title-bar buttons");
}

void TChecker::ObjectSections() {
  struct TObject {
    const char* Section;
    int Frames;  // 0: the section's Frame key; -1: its FrameCount key (default 3)
  };
  static const TObject kObjects[] = {
      {"Progress.Chunk", 0},
      {"GroupBoxEdge", 2},
      {"GroupBox", 1},
      {"Tabs", 5},
      {"StatusBarEdges", 3},
      {"Tab.Pane", 1},
      {"ToolBars", 5},
      {"ComboButton", 4},
      {"SunkEdge", 4},
      {"ExtraImages", 5},
      {"Headerbar", 0},
      {"MenuItem", 5},
      {"MenuBackground", 1},
      {"Scrollbar", 23},
      {"HorzScroll", 4},
      {"VertScroll", 4},
      {"HorzScrollThumb", -1},
      {"VertScrollThumb", -1},
      {"Trackbar.ThumbHorz", 5},
      {"Trackbar.ThumbVert", 5},
      {"Trackbar.ThumbLeft", 5},
      {"Trackbar.ThumbRight", 5},
      {"Trackbar.ThumbUp", 5},
      {"Trackbar.ThumbDown", 5},
      {"UpDown.Horz", 8},
      {"UpDown.Vert", 8},
      {"Track", 0},
      {"TRACKVERT", 0},
  };
  for (const TObject& object : kObjects) {
    const std::string section = object.Section;
    int frames = object.Frames;
    if (object.Frames == 0) frames = FIni.ReadInteger(section, "Frame", 0);
    if (object.Frames == 0 && frames == 0 && section == "Headerbar") frames = 5;
    if (object.Frames == -1) frames = FIni.ReadInteger(section, "FrameCount", 3);
    Image(section, "Image", Fixed(frames));
    // Second images: only whether they load.
    if (section == "Tabs") Image(section, "Border", Fixed(1));
    if (section == "UpDown.Horz" || section == "UpDown.Vert") Image(section, "GlyphImage", Fixed(1));
  }
}

// Every "X@2x.bmp" of the archive: its "X.bmp" is there and it is exactly twice that size, so
// it has the same frames. The description never names these; the engine looks them up by name.
void TChecker::TwiceSizePictures() {
  const std::string where = "twice size (@2x)";
  for (int i = 0; i < FReader.Count(); ++i) {
    const std::string& name = FReader.Names()[i];
    const std::string oneName = OneTimesName(name);
    if (oneName.empty() || name.size() < 4 || name.compare(name.size() - 4, 4, ".bmp") != 0) continue;
    TMemoryStream twice, once;
    FReader.GetEntryAt(i, twice);
    std::string problem;
    const auto big = ReadBitmapFacts(twice.Bytes(), problem);
    if (!big) {
      Add(where, name, TCheckStatus::Problem, "not a readable bitmap: " + problem);
      continue;
    }
    const std::string bigSize = FormatText("%dx%d", big->Width, big->Height);
    FReader.GetEntry(oneName, once);
    if (once.Size() == 0) {
      Add(where, name, TCheckStatus::Problem,
          name + " (" + bigSize + ") has no 1x picture \"" + oneName + "\" beside it (or it is empty)");
      continue;
    }
    const auto small = ReadBitmapFacts(once.Bytes(), problem);
    if (!small) {
      Add(where, name, TCheckStatus::Problem,
          name + " (" + bigSize + ") cannot be compared: its 1x picture " + oneName +
              " is not a readable bitmap: " + problem);
      continue;
    }
    const std::string smallSize = FormatText("%dx%d", small->Width, small->Height);
    // 64-bit: twice a hostile 32-bit width must not wrap around to a match.
    const std::int64_t wantWidth = 2 * static_cast<std::int64_t>(small->Width);
    const std::int64_t wantHeight = 2 * static_cast<std::int64_t>(small->Height);
    if (big->Width != wantWidth || big->Height != wantHeight) {
      Add(where, name, TCheckStatus::Problem,
          FormatText("%s is %s, but twice %s (%s) is %lldx%lld", name.c_str(), bigSize.c_str(), oneName.c_str(),
                     smallSize.c_str(), static_cast<long long>(wantWidth), static_cast<long long>(wantHeight)));
    } else {
      Add(where, name, TCheckStatus::Ok, bigSize + ", twice " + oneName + " (" + smallSize + ")");
    }
  }
}

TSkinCheckReport TChecker::Run() {
  TMemoryStream text;
  std::string iniName;
  FReader.FindEntry(".ini", text, iniName);
  if (iniName.empty()) {
    Add("description", "", TCheckStatus::Problem, "the archive has no description entry (a name containing \".ini\")");
    return std::move(FReport);
  }
  FIni.LoadFromStream(&text);

  for (const char* border : {"Left", "Right"})
    Image("Personality", border, Fixed(FIni.ReadInteger("Personality", std::string(border) + "Frame", 1)));
  for (const char* border : {"Top", "Bottom"})
    Image("Personality", border, Fixed(FIni.ReadInteger("Personality", std::string(border) + "Frame", 1)), true);
  Image("Personality", "TextBack", Fixed(2));
  Image("Personality", "menuBar", Fixed(2));

  Image("Buttons", "Bitmap", Fixed(5));
  for (const char* key : {"CheckButton", "RadioButton"}) {
    const std::int32_t frame = FIni.ReadInteger("Buttons", std::string(key) + "Frame", 0);
    Image("Buttons", key, [frame](const TBitmapFacts& f) {
      return frame != 0 ? frame : std::max(4, f.Width / (f.Height < 16 ? 13 : 16));
    });
  }
  TitleButtons();
  // Three caption buttons of four frames each, side by side.
  Image("MDICONTROLS", "Image", Fixed(12));
  Image("Progress", "Bitmap", Fixed(FIni.ReadInteger("Progress", "Style", 0) != 0 ? 1 : 2));
  ObjectSections();
  TwiceSizePictures();
  return std::move(FReport);
}

}  // namespace

TSkinCheckReport CheckSkin(const TSkinReader& reader) {
  return TChecker(reader).Run();
}
