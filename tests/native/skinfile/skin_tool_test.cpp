// The skin tool: packing a folder in every format, listing, extracting (safely), the
// check of images against the loader's frame counts, and the raw coder commands.
#include "skin_tool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "bitmap_file.h"
#include "lzh_encoder.h"
#include "skin/file/skin_reader.h"
#include "skin_fixture.h"
#include "skin_writer.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct ToolRun {
  int status;
  std::string out, err;
};

ToolRun Tool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunSkinTool(args, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::uint8_t> ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Bitmap(int width, int height) {
  return MakeBitmap24(width, height, [](int x, int y) { return static_cast<std::uint32_t>(x * 0x010203 + y); });
}

// The line of the check report about section/key.
std::string CheckLine(const std::string& report, const std::string& where) {
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    if (line.find(" " + where + " ") != std::string::npos) return line;
  }
  return "(no line for " + where + ")";
}

class SkinToolTest : public ::testing::Test {
protected:
  TempDir dir;
  fs::path skin = dir.Path() / "skin";
  std::string archive = TempDir::Utf8(dir.Path() / "skin.skn");

  void SetUp() override { fs::create_directories(skin); }
  void Put(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    dir.Write(fs::path("skin") / name, bytes);
  }
  std::string Pack() const {
    const ToolRun r = Tool({"pack", TempDir::Utf8(skin), archive});
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }
};

TEST_F(SkinToolTest, PacksAFolderInEveryFormatAndExtractsItAgain) {
  Put("Skin.ini", Bytes("[Buttons]\r\nBitmap=buttons.bmp\r\n"));
  Put("buttons.bmp", Bitmap(115, 21));
  Put("a.ini.bmp", Bitmap(3, 3));
  Put("notes.txt", Bytes("not packed"));
  for (const char* format : {"20000", "30000", "40000", "50000", "60000", "70000"}) {
    ToolRun r = Tool({"pack", TempDir::Utf8(skin), archive, "--format", format});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("notes.txt"), std::string::npos);
    TSkinReader reader;
    TMemoryStream stream;
    stream.LoadFromFile(archive);
    ASSERT_TRUE(reader.Load(stream)) << format;
    EXPECT_EQ(reader.Version(), std::stoi(format));
    // The description comes first, so ".ini" finds it and not "a.ini.bmp".
    EXPECT_EQ(reader.Names().Lines(), (std::vector<std::string>{"skin.ini", "a.ini.bmp", "buttons.bmp"}));
  }
  const ToolRun list = Tool({"list", archive});
  EXPECT_EQ(list.status, 0);
  EXPECT_NE(list.out.find("format 70000, 3 entries"), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("buttons.bmp"), std::string::npos);

  const ToolRun extract = Tool({"extract", archive, TempDir::Utf8(dir.Path() / "out")});
  EXPECT_EQ(extract.status, 0) << extract.err;
  EXPECT_EQ(ReadAll(dir.Path() / "out" / "buttons.bmp"), Bitmap(115, 21));
  EXPECT_EQ(ReadAll(dir.Path() / "out" / "skin.ini"), ReadAll(skin / "Skin.ini"));
}

TEST_F(SkinToolTest, PackNeedsExactlyOneDescriptionAndAKnownFormat) {
  Put("buttons.bmp", Bitmap(5, 5));
  EXPECT_EQ(Tool({"pack", TempDir::Utf8(skin), archive}).status, 1);
  Put("one.ini", Bytes("[A]"));
  Put("two.INI", Bytes("[B]"));
  EXPECT_EQ(Tool({"pack", TempDir::Utf8(skin), archive}).status, 1);
  fs::remove(skin / "two.INI");
  EXPECT_EQ(Tool({"pack", TempDir::Utf8(skin), archive, "--format", "65000"}).status, 2);
  EXPECT_EQ(Tool({"pack", TempDir::Utf8(skin), archive, "--format"}).status, 2);
  EXPECT_EQ(Tool({"pack", TempDir::Utf8(dir.Path() / "none"), archive}).status, 1);
  EXPECT_EQ(Tool({"pack", TempDir::Utf8(skin)}).status, 2);
  EXPECT_EQ(Tool({"frobnicate"}).status, 2);
  EXPECT_EQ(Tool({}).status, 2);
  EXPECT_FALSE(fs::exists(archive));
  Pack();
  EXPECT_TRUE(fs::exists(archive));
}

TEST_F(SkinToolTest, ExtractKeepsHostileNamesInsideTheFolder) {
  TSkinContainerLayout layout;
  layout.NameList = "../escape.bmp\r\nsub/dir.bmp\r\n..\r\n\r\nc:evil.bmp\r\nok.bmp\r\nOK.bmp\r\n";
  layout.Sizes = {1, 1, 1, 1, 1, 1, 1};
  layout.Data = Bytes("1234567");
  const std::string hostile = dir.Write("hostile.skn", LzhCompress(LayOutContainer(layout)));
  const ToolRun r = Tool({"extract", hostile, TempDir::Utf8(dir.Path() / "out")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("../escape.bmp"), std::string::npos);
  EXPECT_NE(r.err.find("repeats"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir.Path() / "escape.bmp"));
  EXPECT_FALSE(fs::exists(dir.Path() / "out" / "sub"));
  EXPECT_EQ(ReadAll(dir.Path() / "out" / "ok.bmp"), Bytes("6"));  // the first of the two
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path() / "out"), fs::directory_iterator()), 1);
}

TEST_F(SkinToolTest, RefusedArchivesAreReportedWithTheReason) {
  TSkinContainerLayout layout;
  layout.Version = 10000;
  const std::string old = dir.Write("old.skn", LzhCompress(LayOutContainer(layout)));
  ToolRun r = Tool({"list", old});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("10000"), std::string::npos) << r.err;
  r = Tool({"check", TempDir::Utf8(dir.Path() / "missing.skn")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("missing.skn"), std::string::npos);
}

TEST_F(SkinToolTest, CheckFollowsTheLoadersFrameCounts) {
  Put("skin.ini", Bytes("[Personality]\n"
                        "Left=frameleft.bmp\nLeftFrame=2\n"
                        "Top=frametop.bmp\nTopFrame=2\n"
                        "Bottom=framebottom.bmp\nBottomFrame=2\n"
                        "Right=subdir\\frameright.BMP\n"
                        "[Buttons]\nBitmap=buttons.bmp\nRadioButton=radio.bmp\n"
                        "[Button1]\nAction=1\nButtonImage=close.bmp\n"
                        "[Button2]\nAction=2\nButtonImage=wide.bmp\n"
                        "[Button3]\nAction=3\nButtonImage=missing.bmp\n"
                        "[Button4]\nAction=-1\nButtonImage=hidden.bmp\n"
                        "[Scrollbar]\nImage=scrollbar.bmp\n"
                        "[Tabs]\nImage=tab.bmp\nBorder=tabborder.bmp\n"
                        "[Progress.Chunk]\nImage=chunk.bmp\n"
                        "[HorzScrollThumb]\nImage=thumb.bmp\nFrameCount=4\n"
                        "[MenuItem]\nImage=notabitmap.bmp\n"));
  Put("frameleft.bmp", Bitmap(8, 30));    // 2 frames side by side
  Put("frametop.bmp", Bitmap(30, 7));     // 7 rows do not stack into 2 frames
  Put("framebottom.bmp", Bitmap(30, 8));  // 2 frames of 4 rows
  Put("buttons.bmp", Bitmap(100, 20));    // 5 frames
  Put("radio.bmp", Bitmap(52, 13));       // no RadioButtonFrame: 52 / 13 = 4 frames
  Put("close.bmp", Bitmap(60, 20));       // ratio 3: 3 frames
  Put("wide.bmp", Bitmap(100, 20));       // ratio 5: 6 frames, and 100 is not a multiple of 6
  Put("scrollbar.bmp", Bitmap(23 * 9, 9));
  Put("tab.bmp", Bitmap(50, 10));
  Put("chunk.bmp", Bitmap(10, 10));
  Put("thumb.bmp", Bitmap(40, 10));
  Put("notabitmap.bmp", Bytes("BM but nothing else"));
  Pack();
  const ToolRun r = Tool({"check", archive});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(CheckLine(r.out, "Personality/Left").rfind("ok", 0), 0u) << r.out;
  EXPECT_NE(CheckLine(r.out, "Personality/Top").find("PROBLEM"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "Personality/Bottom").find("2 frames of 30x4 stacked"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "Personality/Right").find(".bmp\" (lower case)"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "Buttons/Bitmap").find("5 frames of 20x20"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "Buttons/RadioButton").find("4 frames of 13x13"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "BUTTON1/ButtonImage").find("3 frames of 20x20"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "BUTTON2/ButtonImage").find("does not divide into 6 frames"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "BUTTON3/ButtonImage").find("not used"), std::string::npos);
  EXPECT_EQ(r.out.find("BUTTON4"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "Scrollbar/Image").find("23 frames of 9x9"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "Tabs/Image").find("5 frames of 10x10"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "Tabs/Border").find("no entry \"tabborder.bmp\""), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "Progress.Chunk/Image").find("warning"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "HorzScrollThumb/Image").find("4 frames of 10x10"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "MenuItem/Image").find("not a readable bitmap"), std::string::npos);
  EXPECT_NE(CheckLine(r.out, "SunkEdge/Image").find("no such section"), std::string::npos);
  EXPECT_NE(r.out.find("5 problem(s), 1 warning(s)"), std::string::npos) << r.out;
}

TEST_F(SkinToolTest, CheckPassesASoundSkinAndFailsOneWithoutDescription) {
  Put("skin.ini", Bytes("[Buttons]\nBitmap=buttons.bmp\n[Progress]\nBitmap=progress.bmp\nStyle=1\n"));
  Put("buttons.bmp", Bitmap(100, 20));
  Put("progress.bmp", Bitmap(7, 7));  // Style 1: one frame
  Pack();
  ToolRun r = Tool({"check", archive});
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("0 problem(s)"), std::string::npos);

  const std::string bare = dir.Write("bare.skn", BuildSkinArchive({{"buttons.bmp", Bitmap(5, 5)}}));
  r = Tool({"check", bare});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("no description"), std::string::npos);
}

// An 8-bit run-length coded bitmap: its header may announce any width without the pixels
// to fill it, as a hostile archive can.
std::vector<std::uint8_t> RunLengthBitmap(std::uint32_t width, std::uint32_t height) {
  std::vector<std::uint8_t> b = Bitmap(1, 1);
  b.resize(54 + 2);
  auto put32 = [&](size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  put32(2, static_cast<std::uint32_t>(b.size()));
  put32(18, width);
  put32(22, height);
  b[28] = 8;             // bits per pixel
  put32(30, 1);          // BI_RLE8
  b[54] = 0, b[55] = 1;  // end of the bitmap
  return b;
}

TEST_F(SkinToolTest, CheckHoldsEveryTwiceSizePictureToExactlyTwiceItsPicture) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> extra;  // besides buttons.bmp (100x20)
    int status;
    std::string lineStart, text;  // the @2x line of the report; empty: no such line
  };
  const Case cases[] = {
      {"no twice-size picture", {}, 0, "", ""},
      {"exactly twice", {{"buttons@2x.bmp", Bitmap(200, 40)}}, 0, "ok", "200x40, twice buttons.bmp (100x20)"},
      {"marker and extension in capitals", {{"Buttons@2X.BMP", Bitmap(200, 40)}}, 0, "ok", "twice buttons.bmp"},
      {"one column too wide",
       {{"buttons@2x.bmp", Bitmap(201, 40)}},
       1,
       "PROBLEM",
       "buttons@2x.bmp is 201x40, but twice buttons.bmp (100x20) is 200x40"},
      {"one row short",
       {{"buttons@2x.bmp", Bitmap(200, 39)}},
       1,
       "PROBLEM",
       "buttons@2x.bmp is 200x39, but twice buttons.bmp (100x20) is 200x40"},
      {"a copy of the 1x size",
       {{"buttons@2x.bmp", Bitmap(100, 20)}},
       1,
       "PROBLEM",
       "buttons@2x.bmp is 100x20, but twice buttons.bmp (100x20) is 200x40"},
      {"without its 1x picture",
       {{"extra@2x.bmp", Bitmap(24, 12)}},
       1,
       "PROBLEM",
       "extra@2x.bmp (24x12) has no 1x picture \"extra.bmp\" beside it"},
      {"not a bitmap", {{"buttons@2x.bmp", Bytes("BM and no more")}}, 1, "PROBLEM", "not a readable bitmap"},
      {"its 1x picture not a bitmap",
       {{"grip.bmp", Bytes("BM?")}, {"grip@2x.bmp", Bitmap(8, 8)}},
       1,
       "PROBLEM",
       "grip@2x.bmp (8x8) cannot be compared: its 1x picture grip.bmp is not a readable bitmap"},
      // Twice the largest width does not fit 32 bits; it must not wrap around to a match.
      {"a hostile 1x width",
       {{"huge.bmp", RunLengthBitmap(0x7FFFFFFF, 1)}, {"huge@2x.bmp", RunLengthBitmap(0x7FFFFFFE, 2)}},
       1,
       "PROBLEM",
       "huge@2x.bmp is 2147483646x2, but twice huge.bmp (2147483647x1) is 4294967294x2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(skin);
    fs::create_directories(skin);
    Put("skin.ini", Bytes("[Buttons]\nBitmap=buttons.bmp\n[Progress]\nBitmap=buttons.bmp\nStyle=1\n"));
    Put("buttons.bmp", Bitmap(100, 20));
    for (const auto& [name, bytes] : c.extra) Put(name, bytes);
    Pack();
    const ToolRun r = Tool({"check", archive});
    EXPECT_EQ(r.status, c.status) << r.out;
    const std::string line = CheckLine(r.out, "twice size (@2x)");
    if (c.lineStart.empty()) {
      EXPECT_EQ(line.rfind("(no line", 0), 0u) << r.out;
    } else {
      EXPECT_EQ(line.rfind(c.lineStart, 0), 0u) << line;
      EXPECT_NE(line.find(c.text), std::string::npos) << line;
    }
  }
}

TEST_F(SkinToolTest, CompressAndDecompressTheRawStream) {
  const std::vector<std::uint8_t> data = RandomBytes(10000, 4);
  const std::string in = dir.Write("data.bin", data);
  const std::string coded = TempDir::Utf8(dir.Path() / "data.lzh");
  const std::string back = TempDir::Utf8(dir.Path() / "back.bin");
  EXPECT_EQ(Tool({"compress", in, coded}).status, 0);
  EXPECT_EQ(ReadAll(coded), LzhCompress(data));
  EXPECT_EQ(Tool({"decompress", coded, back}).status, 0);
  EXPECT_EQ(ReadAll(back), data);

  const std::string huge = dir.Write("huge.lzh", {0xFF, 0xFF, 0xFF, 0x7F, 0});
  const ToolRun r = Tool({"decompress", huge, back});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("64 MiB"), std::string::npos);
  EXPECT_EQ(Tool({"decompress", dir.Write("short.lzh", {1, 2}), back}).status, 1);
}

TEST(BitmapFacts, RefusesFilesWhosePixelsAreNotThere) {
  std::string problem;
  const std::vector<std::uint8_t> good = Bitmap(13, 5);
  const auto facts = ReadBitmapFacts(good, problem);
  ASSERT_TRUE(facts);
  EXPECT_EQ(facts->Width, 13);
  EXPECT_EQ(facts->Height, 5);
  std::vector<std::uint8_t> cut(good.begin(), good.end() - 1);
  EXPECT_FALSE(ReadBitmapFacts(cut, problem));
  std::vector<std::uint8_t> huge = good;
  huge[18] = 0xFF, huge[19] = 0xFF, huge[20] = 0xFF, huge[21] = 0x7F;  // width 2^31 - 1
  EXPECT_FALSE(ReadBitmapFacts(huge, problem));
  std::vector<std::uint8_t> topDown = good;
  topDown[22] = 0xFB, topDown[23] = 0xFF, topDown[24] = 0xFF, topDown[25] = 0xFF;  // height -5
  ASSERT_TRUE(ReadBitmapFacts(topDown, problem));
  EXPECT_EQ(ReadBitmapFacts(topDown, problem)->Height, 5);
  EXPECT_FALSE(ReadBitmapFacts(Bytes("BM"), problem));
}

}  // namespace
