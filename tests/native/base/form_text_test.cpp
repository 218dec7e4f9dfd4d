// The form description text: values of every kind, and errors that name their line.
#include <gtest/gtest.h>

#include "base/error.h"
#include "base/form_text.h"

namespace {

std::string ErrorOf(const std::string& text) {
  try {
    ParseFormText(text);
  } catch (const Exception& e) {
    return e.Message();
  }
  return "(parsed)";
}

TEST(FormText, ValuesOfEveryKind) {
  const TFormObject form = ParseFormText(
      "\xEF\xBB\xBF// a comment\n"
      "object Form1: TForm1\n"
      "  Left = -251\n"
      "  Tag = $1F\n"
      "  Caption = 'It''s ' + \n    '宋体'#13#10'end'\n"
      "  Font.Name = '宋体'\n"
      "  Anchors = [akLeft, akTop]\n"
      "  Empty = []\n"
      "  Lines.Strings = (\n    'a'\n    'b')\n"
      "  Panels = <\n    item\n      Width = 200\n    end\n    item\n    end>\n"
      "  Data = {0A 0b\n  FF}\n"
      "  Align = alClient\n"
      "  object Button1: TButton\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(form.name, "Form1");
  EXPECT_EQ(form.className, "TForm1");
  ASSERT_EQ(form.properties.size(), 10u);
  EXPECT_EQ(form.properties[0].value.number, -251);
  EXPECT_EQ(form.properties[1].value.number, 31);
  EXPECT_EQ(form.properties[2].value.text, "It's 宋体\r\nend");
  EXPECT_EQ(form.properties[3].path, "Font.Name");
  EXPECT_EQ(form.properties[4].value.names, (std::vector<std::string>{"akLeft", "akTop"}));
  EXPECT_TRUE(form.properties[5].value.names.empty());
  EXPECT_EQ(form.properties[6].value.items.size(), 2u);
  ASSERT_EQ(form.properties[7].value.rows.size(), 2u);
  EXPECT_EQ(form.properties[7].value.rows[0][0].value.number, 200);
  EXPECT_TRUE(form.properties[7].value.rows[1].empty());
  EXPECT_EQ(form.properties[8].value.bytes, (std::vector<std::uint8_t>{0x0A, 0x0B, 0xFF}));
  EXPECT_EQ(form.properties[9].value.kind, TFormValue::Kind::Identifier);
  EXPECT_EQ(form.properties[9].line, 21);
  ASSERT_EQ(form.children.size(), 1u);
  EXPECT_EQ(form.children[0].line, 22);
}

TEST(FormText, WrittenTextParsesToTheSameTree) {
  const std::string text =
      "object F: TForm\n  Caption = 'a''b'#10'c'\n  S = [x]\n  L = (\n    'p'\n    1)\n  C = <\n    item\n"
      "      W = 2\n    end>\n  B = {\n    00FF}\n  object G: TButton\n  end\nend\n";
  const std::string once = WriteFormText(ParseFormText(text));
  EXPECT_EQ(WriteFormText(ParseFormText(once)), once);
}

TEST(FormText, BadTextNamesItsLine) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"", "line 1: expected \"object\""},
      {"object F: TForm\n  Left 3\nend", "line 2: expected \"=\" after Left"},
      {"object F: TForm\n  Left = 3", "line 2: missing \"end\" of object F"},
      {"object F: TForm\n  S = 'abc\nend", "line 2: text without its closing quote"},
      {"object F: TForm\n  B = {0G}\nend", "line 2: binary data holds"},
      {"object F: TForm\n  B = {0}\nend", "line 2: binary data with an odd number"},
      {"object F: TForm\n  N = 99999999999999999999\nend", "line 2: number too large"},
      {"object F: TForm\n  N = 12ab\nend", "line 2: bad character in a number"},
      {"object F: TForm\n  C = <\n    W = 1\n  >\nend", "line 3: expected \"item\""},
      {"object F: TForm\nend\nextra", "line 3: text after the last"},
      {"object F TForm\nend", "line 1: expected \":\" after the object name"},
      {"object F: TForm\n  X = #\nend", "line 2: expected digits after \"#\""},
  };
  for (const Case& c : cases) {
    const std::string message = ErrorOf(c.text);
    EXPECT_EQ(message.rfind(c.expected, 0), 0u) << c.text << " -> " << message;
  }
}

TEST(FormText, DeepNestingIsRefusedNotOverflowed) {
  std::string deep = "object F: TForm\n  L = ";
  for (int i = 0; i < 5000; ++i) deep += "(";
  EXPECT_NE(ErrorOf(deep).find("nested too deeply"), std::string::npos);
  std::string objects;
  for (int i = 0; i < 5000; ++i) objects += "object A: B\n";
  EXPECT_NE(ErrorOf(objects).find("nested too deeply"), std::string::npos);
}

}  // namespace
