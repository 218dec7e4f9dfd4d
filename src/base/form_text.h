// The text format of form descriptions, parsed into a tree (portable; the widget framework
// turns the tree into components). The text is outside data as far as this parser cares:
// every error is a clear message naming the line, never a crash.
//
//   object Form1: TForm1            // an object: name, class, properties, nested objects
//     Caption = 'Corvana'           // texts in single quotes ('' for a quote), UTF-8;
//     Left = 251                    //   parts joined with + across lines, #nnn character codes
//     Color = clBtnFace             // identifiers: enumeration values, colours, references,
//     Anchors = [akLeft, akTop]     //   handler names; sets in brackets
//     Font.Name = '宋体'            // a dotted path reaches properties of sub-objects
//     Lines.Strings = ('a' 'b')     // lists in parentheses
//     Panels = <                    // collections: items with their own properties
//       item
//         Width = 200
//       end>
//     SkinStream = {0A0B0C}         // binary data in hexadecimal (blanks allowed)
//     object Button1: TButton
//     end
//   end
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TFormProperty;

struct TFormValue {
  enum class Kind { Integer, String, Identifier, Set, List, Collection, Binary };
  Kind kind = Kind::Integer;
  std::int64_t number = 0;
  std::string text;                              // String (UTF-8) and Identifier
  std::vector<std::string> names;                // Set
  std::vector<TFormValue> items;                 // List
  std::vector<std::vector<TFormProperty>> rows;  // Collection
  std::vector<std::uint8_t> bytes;               // Binary
  int line = 0;
};

struct TFormProperty {
  std::string path;  // "Font.Name"
  TFormValue value;
  int line = 0;
};

struct TFormObject {
  std::string name;
  std::string className;
  std::vector<TFormProperty> properties;
  std::vector<TFormObject> children;
  int line = 0;
};

// Nesting deeper than this is refused (objects, lists and collections together).
inline constexpr int kMaxFormNesting = 100;

// Parses one description; raises Exception("line N: ...") on bad text.
TFormObject ParseFormText(std::string_view text);

// Writes a tree back as description text (used to store and compare descriptions).
std::string WriteFormText(const TFormObject& object);
