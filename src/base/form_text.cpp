// Lexer and recursive parser of the form description text.
#include "base/form_text.h"

#include <cctype>

#include "base/codec.h"
#include "base/error.h"

namespace {

class Parser {
public:
  explicit Parser(std::string_view text) : FText(text) {}

  TFormObject Document() {
    SkipSpace();
    TFormObject object = Object(0);
    SkipSpace();
    if (FPos < FText.size()) Fail("text after the last \"end\"");
    return object;
  }

private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw Exception("line " + std::to_string(FLine) + ": " + what);
  }

  bool AtEnd() const { return FPos >= FText.size(); }
  char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }

  void SkipSpace() {
    while (!AtEnd()) {
      const char c = FText[FPos];
      if (c == '\n') {
        ++FLine;
        ++FPos;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++FPos;
      } else if (c == '/' && FPos + 1 < FText.size() && FText[FPos + 1] == '/') {
        while (!AtEnd() && FText[FPos] != '\n') ++FPos;
      } else {
        break;
      }
    }
  }

  static bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
  static bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

  std::string Identifier(const char* what) {
    SkipSpace();
    if (!IsIdentStart(Peek())) Fail(std::string("expected ") + what);
    const size_t start = FPos;
    while (!AtEnd() && IsIdentChar(FText[FPos])) ++FPos;
    return std::string(FText.substr(start, FPos - start));
  }

  // An identifier, or a dotted path of identifiers.
  std::string Path() {
    std::string path = Identifier("a property name");
    while (Peek() == '.') {
      ++FPos;
      path += '.';
      path += Identifier("a property name after \".\"");
    }
    return path;
  }

  void Expect(char c, const std::string& what) {
    SkipSpace();
    if (Peek() != c) Fail("expected " + what);
    ++FPos;
  }

  bool PeekWord(std::string_view word) {
    SkipSpace();
    if (FText.substr(FPos, word.size()) != word) return false;
    const size_t after = FPos + word.size();
    return after >= FText.size() || !IsIdentChar(FText[after]);
  }

  TFormObject Object(int depth) {
    if (depth > kMaxFormNesting) Fail("objects nested too deeply");
    SkipSpace();
    TFormObject object;
    object.line = FLine;
    if (!PeekWord("object") && !PeekWord("inherited")) Fail("expected \"object\"");
    Identifier("\"object\"");
    object.name = Identifier("an object name");
    Expect(':', "\":\" after the object name");
    object.className = Identifier("a class name");
    for (;;) {
      SkipSpace();
      if (AtEnd()) Fail("missing \"end\" of object " + object.name);
      if (PeekWord("end")) {
        Identifier("\"end\"");
        return object;
      }
      if (PeekWord("object") || PeekWord("inherited")) {
        object.children.push_back(Object(depth + 1));
        continue;
      }
      object.properties.push_back(Property(depth));
    }
  }

  TFormProperty Property(int depth) {
    TFormProperty property;
    property.line = FLine;
    property.path = Path();
    Expect('=', "\"=\" after " + property.path);
    property.value = Value(depth + 1);
    return property;
  }

  std::string QuotedPart() {
    std::string text;
    ++FPos;  // opening quote
    for (;;) {
      if (AtEnd() || FText[FPos] == '\n') Fail("text without its closing quote");
      const char c = FText[FPos++];
      if (c == '\'') {
        if (Peek() == '\'') {
          text += '\'';
          ++FPos;
          continue;
        }
        return text;
      }
      text += c;
    }
  }

  std::string CharCode() {
    ++FPos;  // '#'
    std::uint32_t code = 0;
    int digits = 0;
    while (!AtEnd() && std::isdigit(static_cast<unsigned char>(FText[FPos]))) {
      code = code * 10 + static_cast<std::uint32_t>(FText[FPos++] - '0');
      if (++digits > 7 || code > 0x10FFFF) Fail("character code out of range");
    }
    if (digits == 0) Fail("expected digits after \"#\"");
    std::string out;
    AppendUtf8(code, out);
    return out;
  }

  std::string StringValue() {
    std::string text;
    for (;;) {
      // Parts follow each other directly ('a'#13'b') or joined with "+".
      while (Peek() == '\'' || Peek() == '#') text += Peek() == '\'' ? QuotedPart() : CharCode();
      SkipSpace();
      if (Peek() != '+') return text;
      ++FPos;
      SkipSpace();
      if (Peek() != '\'' && Peek() != '#') Fail("expected text after \"+\"");
    }
  }

  TFormValue Value(int depth) {
    if (depth > kMaxFormNesting) Fail("values nested too deeply");
    SkipSpace();
    TFormValue value;
    value.line = FLine;
    const char c = Peek();
    if (c == '\'' || c == '#') {
      value.kind = TFormValue::Kind::String;
      value.text = StringValue();
    } else if (c == '-' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
      value.kind = TFormValue::Kind::Integer;
      value.number = Number();
    } else if (IsIdentStart(c)) {
      value.kind = TFormValue::Kind::Identifier;
      value.text = Path();
    } else if (c == '[') {
      value.kind = TFormValue::Kind::Set;
      ++FPos;
      SkipSpace();
      if (Peek() != ']') {
        for (;;) {
          value.names.push_back(Identifier("a set member"));
          SkipSpace();
          if (Peek() == ',') {
            ++FPos;
            continue;
          }
          break;
        }
      }
      Expect(']', "\"]\" at the end of the set");
    } else if (c == '(') {
      value.kind = TFormValue::Kind::List;
      ++FPos;
      for (;;) {
        SkipSpace();
        if (AtEnd()) Fail("missing \")\" at the end of the list");
        if (Peek() == ')') {
          ++FPos;
          break;
        }
        value.items.push_back(Value(depth + 1));
      }
    } else if (c == '<') {
      value.kind = TFormValue::Kind::Collection;
      ++FPos;
      for (;;) {
        SkipSpace();
        if (AtEnd()) Fail("missing \">\" at the end of the collection");
        if (Peek() == '>') {
          ++FPos;
          break;
        }
        if (!PeekWord("item")) Fail("expected \"item\" in the collection");
        Identifier("\"item\"");
        std::vector<TFormProperty> row;
        for (;;) {
          SkipSpace();
          if (AtEnd()) Fail("missing \"end\" of a collection item");
          if (PeekWord("end")) {
            Identifier("\"end\"");
            break;
          }
          row.push_back(Property(depth + 1));
        }
        value.rows.push_back(std::move(row));
      }
    } else if (c == '{') {
      value.kind = TFormValue::Kind::Binary;
      ++FPos;
      int nibble = -1;
      for (;;) {
        if (AtEnd()) Fail("missing \"}\" at the end of binary data");
        const char h = FText[FPos++];
        if (h == '}') break;
        if (h == '\n') {
          ++FLine;
          continue;
        }
        if (h == ' ' || h == '\t' || h == '\r') continue;
        int v;
        if (h >= '0' && h <= '9') v = h - '0';
        else if (h >= 'A' && h <= 'F') v = h - 'A' + 10;
        else if (h >= 'a' && h <= 'f') v = h - 'a' + 10;
        else Fail("binary data holds a character that is not a hexadecimal digit");
        if (nibble < 0) {
          nibble = v;
        } else {
          value.bytes.push_back(static_cast<std::uint8_t>(nibble * 16 + v));
          nibble = -1;
        }
      }
      if (nibble >= 0) Fail("binary data with an odd number of digits");
    } else {
      Fail("expected a value");
    }
    return value;
  }

  std::int64_t Number() {
    bool negative = false;
    if (Peek() == '-') {
      negative = true;
      ++FPos;
    }
    // Few enough digits that the value always fits: 18 decimal or 15 hexadecimal.
    std::uint64_t value = 0;
    int digits = 0;
    if (Peek() == '$') {
      ++FPos;
      while (!AtEnd() && std::isxdigit(static_cast<unsigned char>(FText[FPos]))) {
        if (++digits > 15) Fail("number too large");
        const char h = FText[FPos++];
        value = value * 16 + static_cast<std::uint64_t>(
                                 std::isdigit(static_cast<unsigned char>(h)) ? h - '0' : (std::tolower(h) - 'a' + 10));
      }
    } else {
      while (!AtEnd() && std::isdigit(static_cast<unsigned char>(FText[FPos]))) {
        if (++digits > 18) Fail("number too large");
        value = value * 10 + static_cast<std::uint64_t>(FText[FPos++] - '0');
      }
    }
    if (digits == 0) Fail("expected a number");
    if (IsIdentChar(Peek())) Fail("bad character in a number");
    const auto number = static_cast<std::int64_t>(value);
    return negative ? -number : number;
  }

  std::string_view FText;
  size_t FPos = 0;
  int FLine = 1;
};

void Indent(std::string& out, int depth) { out.append(static_cast<size_t>(depth) * 2, ' '); }

void WriteValue(std::string& out, const TFormValue& value, int depth);

void WriteString(std::string& out, const std::string& text) {
  out += '\'';
  for (const char c : text) {
    if (c == '\'') out += '\'';
    if (c == '\n' || c == '\r') {
      out += "'#" + std::to_string(static_cast<int>(c)) + "'";
      continue;
    }
    out += c;
  }
  out += '\'';
}

void WriteProperties(std::string& out, const std::vector<TFormProperty>& properties, int depth) {
  for (const TFormProperty& p : properties) {
    Indent(out, depth);
    out += p.path + " = ";
    WriteValue(out, p.value, depth);
    out += '\n';
  }
}

void WriteValue(std::string& out, const TFormValue& value, int depth) {
  switch (value.kind) {
    case TFormValue::Kind::Integer: out += std::to_string(value.number); break;
    case TFormValue::Kind::String: WriteString(out, value.text); break;
    case TFormValue::Kind::Identifier: out += value.text; break;
    case TFormValue::Kind::Set:
      out += '[';
      for (size_t i = 0; i < value.names.size(); ++i) out += (i ? ", " : "") + value.names[i];
      out += ']';
      break;
    case TFormValue::Kind::List:
      out += "(";
      for (const TFormValue& item : value.items) {
        out += '\n';
        Indent(out, depth + 1);
        WriteValue(out, item, depth + 1);
      }
      out += ")";
      break;
    case TFormValue::Kind::Collection:
      out += "<";
      for (const auto& row : value.rows) {
        out += '\n';
        Indent(out, depth + 1);
        out += "item\n";
        WriteProperties(out, row, depth + 2);
        Indent(out, depth + 1);
        out += "end";
      }
      out += ">";
      break;
    case TFormValue::Kind::Binary: {
      static const char* hex = "0123456789ABCDEF";
      out += "{";
      for (size_t i = 0; i < value.bytes.size(); ++i) {
        if (i % 32 == 0) {
          out += '\n';
          Indent(out, depth + 1);
        }
        out += hex[value.bytes[i] >> 4];
        out += hex[value.bytes[i] & 15];
      }
      out += "}";
      break;
    }
  }
}

void WriteObject(std::string& out, const TFormObject& object, int depth) {
  Indent(out, depth);
  out += "object " + object.name + ": " + object.className + "\n";
  WriteProperties(out, object.properties, depth + 1);
  for (const TFormObject& child : object.children) WriteObject(out, child, depth + 1);
  Indent(out, depth);
  out += "end\n";
}

}  // namespace

TFormObject ParseFormText(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return Parser(text).Document();
}

std::string WriteFormText(const TFormObject& object) {
  std::string out;
  WriteObject(out, object, 0);
  return out;
}
