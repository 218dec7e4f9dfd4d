// The skin description parser: line and trimming rules, section and key matching, the
// integer forms, and the section list.
#include "skin/file/quick_ini.h"

#include <gtest/gtest.h>

#include "skin_fixture.h"

namespace {

using namespace std::string_literals;

TQuickIni Parse(std::string_view text) {
  TMemoryStream stream(Bytes(text));
  TQuickIni ini;
  ini.LoadFromStream(&stream);
  return ini;
}

TEST(QuickIni, FindsKeysWithBlanksAroundThemInAnyCase) {
  const TQuickIni ini = Parse("[Buttons]\r\n   Bitmap  =   Buttons.bmp   \r\n\tTrans=1\t\r\n");
  EXPECT_EQ(ini.ReadString("buttons", "BITMAP", "x"), "Buttons.bmp");
  EXPECT_EQ(ini.ReadString("BUTTONS", "trans", "x"), "1");
  EXPECT_EQ(ini.ReadString("Buttons", "Missing", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("Nowhere", "Bitmap", "dflt"), "dflt");
  // The key is taken as given, only its case is ignored.
  EXPECT_EQ(ini.ReadString("Buttons", " Bitmap", "dflt"), "dflt");
}

TEST(QuickIni, LinesCommentsAndTheEndOfText) {
  const TQuickIni ini = Parse("; comment\r[A]\nx=1\r\n\r\n   ;x=2\n#y=3\nno equals sign\n[B]\nx=2\0[C]\nx=3\n"s);
  EXPECT_EQ(ini.Lines().Lines(), (std::vector<std::string>{"[A]", "x=1", "#y=3", "no equals sign", "[B]", "x=2"}));
  EXPECT_EQ(ini.ReadString("A", "#y", ""), "3");  // a number sign starts an ordinary key
  EXPECT_EQ(ini.ReadString("B", "x", ""), "2");
  EXPECT_EQ(ini.SectionIndex("C"), -1);  // after the NUL byte
  EXPECT_EQ(ini.SectionIndex("b"), 4);
}

TEST(QuickIni, OnlyTheFirstSectionAndTheFirstKeyCount) {
  const TQuickIni ini = Parse(
      "[Tabs]\nImage=tab.bmp\nImage=other.bmp\nFrame=\nFrame=5\nMargins=a=b\n[Next]\nLast=1\n"
      "[tabs]\nImage=late.bmp\nStyle=3\n");
  EXPECT_EQ(ini.ReadString("Tabs", "Image", ""), "tab.bmp");
  EXPECT_EQ(ini.ReadString("Tabs", "Style", "none"), "none");  // the second [tabs] is never searched
  // An empty value gives the default and hides the later line.
  EXPECT_EQ(ini.ReadString("Tabs", "Frame", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadInteger("Tabs", "Frame", 7), 7);
  EXPECT_EQ(ini.ReadString("Tabs", "Margins", ""), "a=b");
  // A key of the next section is not found from this one.
  EXPECT_EQ(ini.ReadString("Tabs", "Last", "dflt"), "dflt");
}

TEST(QuickIni, HeadersMatchAsWholeTexts) {
  const TQuickIni ini = Parse("[ Spaced ]\nk=v\n[Trackbar.ThumbHorz]\nk=w\n");
  EXPECT_EQ(ini.ReadString("Spaced", "k", "none"), "none");
  EXPECT_EQ(ini.ReadString(" spaced ", "k", "none"), "v");
  EXPECT_EQ(ini.ReadString("TRACKBAR.THUMBHORZ", "k", "none"), "w");
  TStringList sections;
  sections.Add("old");
  ini.GetSections(&sections);
  EXPECT_EQ(sections.Lines(), (std::vector<std::string>{"Spaced", "Trackbar.ThumbHorz"}));
}

TEST(QuickIni, IntegersInDecimalAndHexadecimal) {
  const TQuickIni ini = Parse(
      "[N]\nhex=0x1F\nHEX2=0X1f\ndollar=$1F\ndec=31\nneg=-4\nonly=0x\nbad=12abc\ntriple=255 0 128\n"
      "big=4294967296\nallbits=0xFFFFFFFF\nzero=0\n");
  EXPECT_EQ(ini.ReadInteger("N", "hex", -1), 31);
  EXPECT_EQ(ini.ReadInteger("N", "hex2", -1), 31);
  EXPECT_EQ(ini.ReadInteger("N", "dollar", -1), 31);
  EXPECT_EQ(ini.ReadInteger("N", "dec", -1), 31);
  EXPECT_EQ(ini.ReadInteger("N", "neg", 0), -4);
  EXPECT_EQ(ini.ReadInteger("N", "zero", -1), 0);
  EXPECT_EQ(ini.ReadInteger("N", "only", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "bad", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "triple", -1), -1);  // colour triples are read as text
  EXPECT_EQ(ini.ReadInteger("N", "big", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "allbits", 0), -1);
  EXPECT_EQ(ini.ReadInteger("N", "missing", 99), 99);
}

TEST(QuickIni, LoadingReadsFromThePositionAndReplacesTheContent) {
  TQuickIni ini = Parse("[Old]\nk=1\n");
  ini.LoadFromStream(nullptr);
  EXPECT_EQ(ini.ReadString("Old", "k", ""), "1");

  TMemoryStream stream(Bytes("[Skipped]\nk=0\n[New]\nk=2\n"));
  stream.SetPosition(14);
  ini.LoadFromStream(&stream);
  EXPECT_EQ(ini.SectionIndex("Old"), -1);
  EXPECT_EQ(ini.SectionIndex("Skipped"), -1);
  EXPECT_EQ(ini.ReadString("New", "k", ""), "2");

  TMemoryStream empty;
  ini.LoadFromStream(&empty);
  EXPECT_TRUE(ini.Lines().Empty());
  EXPECT_EQ(ini.ReadString("New", "k", "gone"), "gone");
}

TEST(QuickIni, SectionListNeedsAList) {
  const TQuickIni ini = Parse("[A]\n");
  try {
    ini.GetSections(nullptr);
    FAIL() << "no assertion";
  } catch (const EAssertionFailed& e) {
    EXPECT_NE(e.Message().find("The parameter Strings is unassigned!"), std::string::npos);
    EXPECT_NE(e.Message().find("Winskinini"), std::string::npos);
  }
}

}  // namespace
