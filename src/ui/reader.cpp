// The form description reader (and a writer for the same text).
#include "ui/reader.h"

#include <algorithm>
#include <map>

#include "base/codec.h"
#include "base/error.h"
#include "base/stream.h"
#include "base/strings.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/checkbox.h"
#include "ui/collection.h"
#include "ui/combobox.h"
#include "ui/comctrls_range.h"
#include "ui/control.h"
#include "ui/datetimepicker.h"
#include "ui/dialogs.h"
#include "ui/extctrls.h"
#include "ui/form.h"
#include "ui/groupbox.h"
#include "ui/headercontrol.h"
#include "ui/hintwindow.h"
#include "ui/imagelist.h"
#include "ui/listbox.h"
#include "ui/listview.h"
#include "ui/mediaplayer.h"
#include "ui/menus.h"
#include "ui/pagecontrol.h"
#include "ui/scrollbar.h"
#include "ui/scrollbox.h"
#include "ui/statusbar.h"
#include "ui/stdctrls.h"
#include "ui/strings.h"

void RegisterFrameworkClasses() {
  static const bool done = [] {
    for (const TClassInfo* info :
         {&TForm::StaticClassInfo(), &TButton::StaticClassInfo(), &TBitBtn::StaticClassInfo(),
          &TSpeedButton::StaticClassInfo(), &TEdit::StaticClassInfo(),
          &TMemo::StaticClassInfo(), &TLabel::StaticClassInfo(), &TPanel::StaticClassInfo(),
          &TTimer::StaticClassInfo(), &TPageControl::StaticClassInfo(), &TTabSheet::StaticClassInfo(),
          &TTabControl::StaticClassInfo(),
          &TStatusBar::StaticClassInfo(), &TSaveDialog::StaticClassInfo(), &TImageList::StaticClassInfo(),
          &TMainMenu::StaticClassInfo(), &TPopupMenu::StaticClassInfo(), &TMenuItem::StaticClassInfo(),
          &THintWindow::StaticClassInfo(), &TListBox::StaticClassInfo(), &TComboBox::StaticClassInfo(),
          &TProgressBar::StaticClassInfo(), &TTrackBar::StaticClassInfo(), &TUpDown::StaticClassInfo(),
          &TDateTimePicker::StaticClassInfo(), &TScrollBar::StaticClassInfo(), &TCheckBox::StaticClassInfo(),
          &TRadioButton::StaticClassInfo(), &TGroupBox::StaticClassInfo(), &TRadioGroup::StaticClassInfo(),
          &TListView::StaticClassInfo(), &THeaderControl::StaticClassInfo(), &TScrollBox::StaticClassInfo(),
          &TMediaPlayer::StaticClassInfo()})
      RegisterComponentClass(*info);
    return true;
  }();
  (void)done;
}

bool IntegerIdentifier(std::string_view name, std::int64_t& value) {
  static const std::map<std::string, std::int64_t> names = {
      {"clnone", clNone},
      {"cldefault", clDefault},
      {"clblack", clBlack},
      {"clwhite", clWhite},
      {"clgray", clGray},
      {"clsilver", clSilver},
      {"clred", clRed},
      {"clgreen", clGreen},
      {"clblue", clBlue},
      {"clnavy", clNavy},
      {"clfuchsia", clFuchsia},
      {"clmaroon", 0x000080},
      {"clolive", 0x008080},
      {"clpurple", 0x800080},
      {"clteal", 0x808000},
      {"cllime", 0x00FF00},
      {"clyellow", 0x00FFFF},
      {"claqua", 0xFFFF00},
      {"clscrollbar", clScrollBar},
      {"clmenu", clMenu},
      {"clwindow", clWindow},
      {"clmenutext", clMenuText},
      {"clwindowtext", clWindowText},
      {"clcaptiontext", clCaptionText},
      {"clhighlight", clHighlight},
      {"clhighlighttext", clHighlightText},
      {"clbtnface", clBtnFace},
      {"clbtnshadow", clBtnShadow},
      {"clgraytext", clGrayText},
      {"clbtntext", clBtnText},
      {"clinactivecaptiontext", clInactiveCaptionText},
      {"clbtnhighlight", clBtnHighlight},
      {"cl3ddkshadow", cl3DDkShadow},
      {"cl3dlight", cl3DLight},
      {"clinfotext", clInfoText},
      {"clinfobk", clInfoBk},
      {"crdefault", crDefault},
      {"crarrow", crArrow},
      {"crcross", crCross},
      {"cribeam", crIBeam},
      {"crsizenesw", crSizeNESW},
      {"crsizens", crSizeNS},
      {"crsizenwse", crSizeNWSE},
      {"crsizewe", crSizeWE},
      {"cruparrow", crUpArrow},
      {"crhourglass", crHourGlass},
      {"crno", crNo},
      {"crappstart", crAppStart},
      {"crhelp", crHelp},
      {"crhandpoint", crHandPoint},
      {"crsizeall", crSizeAll},
  };
  const auto it = names.find(LowerAscii(name));
  if (it == names.end()) return false;
  value = it->second;
  return true;
}

namespace {

[[noreturn]] void Fail(int line, const std::string& what) {
  throw Exception("Error reading form description, line " + std::to_string(line) + ": " + what);
}

struct Fixup {
  TPersistent* instance;
  const TPropInfo* prop;
  std::string target;
  int line;
};

class Reader {
public:
  explicit Reader(TComponent* root) : FRoot(root) {}

  void Read(const TFormObject& tree) {
    if (LowerAscii(tree.className) != LowerAscii(FRoot->ClassName()))
      Fail(tree.line, "the description is for " + tree.className + ", not " + FRoot->ClassName());
    std::vector<TComponent*> loaded;
    try {
      FRoot->SetComponentState(csLoading | csReading, true);
      FRoot->SetName(tree.name);
      loaded.push_back(FRoot);
      ReadObject(FRoot, tree, loaded);
      for (const Fixup& f : FFixups) {
        TComponent* target = FRoot->FindComponent(f.target);
        if (!target && LowerAscii(f.target) == LowerAscii(FRoot->Name())) target = FRoot;
        if (!target) Fail(f.line, "no component named " + f.target);
        if (!target->InheritsFrom(*f.prop->ObjectClass))
          Fail(f.line, f.target + " is not a " + f.prop->ObjectClass->Name);
        f.prop->SetObjectValue(*f.instance, target);
      }
    } catch (...) {
      // What was made stays owned by the root; it is only no longer loading.
      for (TComponent* c : loaded) c->SetComponentState(csLoading | csReading, false);
      throw;
    }
    for (TComponent* c : loaded) c->SetComponentState(csReading, false);
    for (TComponent* c : loaded) c->Loaded();
  }

private:
  void ReadObject(TComponent* component, const TFormObject& object, std::vector<TComponent*>& loaded) {
    for (const TFormProperty& p : object.properties) ReadProperty(*component, p);
    for (const TFormObject& child : object.children) {
      const TClassInfo* info = FindClass(child.className);
      if (!info || !info->Create) Fail(child.line, "unknown class " + child.className);
      if (child.name.empty()) Fail(child.line, "an object needs a name");
      if (FRoot->FindComponent(child.name)) Fail(child.line, "a second component named " + child.name);
      TComponent* created = info->Create(FRoot);
      created->SetComponentState(csLoading | csReading, true);
      created->SetName(child.name);
      loaded.push_back(created);
      // Nested in the root, anything may be (non-visual components just belong to it);
      // nested deeper, the enclosing object must take the child as its own.
      if (!component->AcceptChild(created) && component != FRoot)
        Fail(child.line, child.className + " cannot be placed in " + component->ClassName());
      ReadObject(created, child, loaded);
    }
  }

  TPersistent* Resolve(TPersistent& instance, const std::string& path, std::string& last, int line) {
    const TStringList parts = SplitText(path, '.');
    TPersistent* target = &instance;
    for (int i = 0; i + 1 < parts.Count(); ++i) {
      const TPropInfo* prop = FindPropInfo(target, parts[i]);
      if (!prop) Fail(line, target->ClassName() + " has no property " + parts[i]);
      if (prop->Kind != TPropKind::Object || prop->IsReference)
        Fail(line, parts[i] + " has no properties of its own");
      target = prop->GetObjectValue(*target);
      if (!target) Fail(line, parts[i] + " is empty");
    }
    last = parts[parts.Count() - 1];
    return target;
  }

  void ReadProperty(TPersistent& instance, const TFormProperty& p) {
    std::string name;
    TPersistent* target = Resolve(instance, p.path, name, p.line);
    const TFormValue& v = p.value;
    // Lists of texts: "Lines.Strings = (...)" or "Lines = (...)".
    if (auto* strings = dynamic_cast<TStrings*>(target); strings && LowerAscii(name) == "strings") {
      ReadStrings(*strings, v, p.line);
      return;
    }
    const TPropInfo* prop = FindPropInfo(target, name);
    if (!prop) Fail(p.line, target->ClassName() + " has no property " + name);
    switch (prop->Kind) {
      case TPropKind::Integer: {
        std::int64_t number = 0;
        if (v.kind == TFormValue::Kind::Integer) number = v.number;
        else if (v.kind != TFormValue::Kind::Identifier || !IntegerIdentifier(v.text, number))
          Fail(p.line, name + " needs a number");
        if (number < INT32_MIN || number > UINT32_MAX) Fail(p.line, name + " is out of range");
        RequireWritable(*prop, p.line);
        prop->SetOrd(*target, static_cast<std::int32_t>(number));
        return;
      }
      case TPropKind::Enumeration: {
        if (v.kind != TFormValue::Kind::Identifier) Fail(p.line, name + " needs one of its value names");
        for (size_t i = 0; i < prop->Names.size(); ++i) {
          if (LowerAscii(prop->Names[i]) == LowerAscii(v.text)) {
            RequireWritable(*prop, p.line);
            prop->SetOrd(*target, static_cast<std::int64_t>(i));
            return;
          }
        }
        Fail(p.line, v.text + " is not a value of " + name);
      }
      case TPropKind::Set: {
        if (v.kind != TFormValue::Kind::Set) Fail(p.line, name + " needs a set");
        std::uint64_t bits = 0;
        for (const std::string& member : v.names) {
          size_t i = 0;
          while (i < prop->Names.size() && LowerAscii(prop->Names[i]) != LowerAscii(member)) ++i;
          if (i == prop->Names.size()) Fail(p.line, member + " is not a member of " + name);
          bits |= 1ull << i;
        }
        RequireWritable(*prop, p.line);
        prop->SetOrd(*target, static_cast<std::int64_t>(bits));
        return;
      }
      case TPropKind::String:
      case TPropKind::WideString:
        if (v.kind != TFormValue::Kind::String) Fail(p.line, name + " needs a text");
        RequireWritable(*prop, p.line);
        if (prop->Kind == TPropKind::String) prop->SetString(*target, v.text);
        else prop->SetWide(*target, Utf8ToWide(v.text));
        return;
      case TPropKind::Object:
        if (prop->IsReference) {
          if (v.kind != TFormValue::Kind::Identifier) Fail(p.line, name + " needs a component name");
          if (LowerAscii(v.text) == "nil") {
            prop->SetObjectValue(*target, nullptr);
          } else {
            FFixups.push_back(Fixup{target, prop, v.text, p.line});
          }
          return;
        }
        ReadSubObject(*target, *prop, v, p.line);
        return;
      case TPropKind::Method: {
        if (v.kind != TFormValue::Kind::Identifier) Fail(p.line, name + " needs a handler name");
        if (prop->SetTypedMethod) {
          const std::any typed = FRoot->FindTypedMethod(v.text);
          if (!typed.has_value()) Fail(p.line, FRoot->ClassName() + " has no handler " + v.text);
          if (!prop->SetTypedMethod(*target, typed)) Fail(p.line, v.text + " does not fit " + name);
          return;
        }
        TNotifyEvent handler = FRoot->FindMethod(v.text);
        if (!handler) Fail(p.line, FRoot->ClassName() + " has no handler " + v.text);
        prop->SetMethod(*target, std::move(handler));
        return;
      }
      case TPropKind::Binary: {
        if (v.kind != TFormValue::Kind::Binary) Fail(p.line, name + " needs binary data");
        RequireWritable(*prop, p.line);
        TMemoryStream stream(v.bytes);
        try {
          prop->ReadBinary(*target, stream);
        } catch (const Exception& e) {
          Fail(p.line, name + ": " + e.Message());
        }
        return;
      }
    }
  }

  void RequireWritable(const TPropInfo& prop, int line) {
    if (!prop.Writable()) Fail(line, prop.Name + " cannot be written");
  }

  void ReadStrings(TStrings& strings, const TFormValue& v, int line) {
    if (v.kind != TFormValue::Kind::List) Fail(line, "a list of texts needs (...)");
    std::vector<std::wstring> lines;
    for (const TFormValue& item : v.items) {
      if (item.kind != TFormValue::Kind::String) Fail(item.line, "a list of texts holds only texts");
      lines.push_back(Utf8ToWide(item.text));
    }
    strings.SetStrings(lines);
  }

  void ReadSubObject(TPersistent& instance, const TPropInfo& prop, const TFormValue& v, int line) {
    TPersistent* object = prop.GetObjectValue(instance);
    if (auto* strings = dynamic_cast<TStrings*>(object)) {
      ReadStrings(*strings, v, line);
      return;
    }
    if (auto* collection = dynamic_cast<TCollection*>(object)) {
      if (v.kind != TFormValue::Kind::Collection) Fail(line, prop.Name + " needs <item ... end>");
      collection->BeginUpdate();
      collection->Clear();
      for (const auto& row : v.rows) {
        TCollectionItem* item = collection->Add();
        for (const TFormProperty& p : row) ReadProperty(*item, p);
      }
      collection->EndUpdate();
      return;
    }
    Fail(line, prop.Name + " is set through its own properties (" + prop.Name + ".X = ...)");
  }

  TComponent* FRoot;
  std::vector<Fixup> FFixups;
};

TFormValue ValueOf(TPersistent& instance, const TPropInfo& prop, bool& stored) {
  TFormValue v;
  stored = true;
  switch (prop.Kind) {
    case TPropKind::Integer:
      v.kind = TFormValue::Kind::Integer;
      v.number = prop.GetOrd(instance);
      break;
    case TPropKind::Enumeration:
      v.kind = TFormValue::Kind::Identifier;
      v.text = prop.ValueText(instance);
      break;
    case TPropKind::Set: {
      v.kind = TFormValue::Kind::Set;
      const auto bits = static_cast<std::uint64_t>(prop.GetOrd(instance));
      for (size_t i = 0; i < prop.Names.size(); ++i) {
        if (bits & (1ull << i)) v.names.push_back(prop.Names[i]);
      }
      break;
    }
    case TPropKind::String:
    case TPropKind::WideString:
      v.kind = TFormValue::Kind::String;
      v.text = prop.ValueText(instance);
      break;
    case TPropKind::Object:
      if (prop.IsReference) {
        v.kind = TFormValue::Kind::Identifier;
        v.text = prop.ValueText(instance);
        stored = !v.text.empty();
      } else {
        stored = false;
      }
      break;
    case TPropKind::Binary: {
      v.kind = TFormValue::Kind::Binary;
      TMemoryStream stream;
      if (prop.WriteBinary) prop.WriteBinary(instance, stream);
      v.bytes.assign(stream.Bytes().begin(), stream.Bytes().end());
      stored = static_cast<bool>(prop.WriteBinary);
      break;
    }
    case TPropKind::Method: stored = false; break;
  }
  return v;
}

void WriteProperties(TPersistent& instance, const std::string& prefix, std::vector<TFormProperty>& out, int depth) {
  if (depth > 4) return;
  for (const TPropInfo* prop : instance.ClassInfo().AllProps()) {
    if (prop->Kind == TPropKind::Object && !prop->IsReference) {
      TPersistent* sub = prop->GetObjectValue(instance);
      if (!sub) continue;
      if (auto* strings = dynamic_cast<TStrings*>(sub)) {
        TFormValue list;
        list.kind = TFormValue::Kind::List;
        for (int i = 0; i < strings->Count(); ++i) {
          TFormValue item;
          item.kind = TFormValue::Kind::String;
          item.text = WideToUtf8(strings->Get(i));
          list.items.push_back(item);
        }
        out.push_back(TFormProperty{prefix + prop->Name + ".Strings", list, 0});
      } else if (auto* collection = dynamic_cast<TCollection*>(sub)) {
        TFormValue rows;
        rows.kind = TFormValue::Kind::Collection;
        for (int i = 0; i < collection->Count(); ++i) {
          std::vector<TFormProperty> row;
          WriteProperties(*collection->Items(i), "", row, depth + 1);
          rows.rows.push_back(std::move(row));
        }
        out.push_back(TFormProperty{prefix + prop->Name, rows, 0});
      } else {
        WriteProperties(*sub, prefix + prop->Name + ".", out, depth + 1);
      }
      continue;
    }
    if (!prop->Writable() && prop->Kind != TPropKind::Binary) continue;
    if (LowerAscii(prop->Name) == "name") continue;
    bool stored = true;
    TFormValue v = ValueOf(instance, *prop, stored);
    if (stored) out.push_back(TFormProperty{prefix + prop->Name, v, 0});
  }
}

TFormObject WriteObject(TComponent* component, TComponent* root) {
  TFormObject object;
  object.name = component->Name();
  object.className = component->ClassName();
  WriteProperties(*component, "", object.properties, 0);
  std::vector<TComponent*> children;
  component->GetChildren(children);
  if (component == root) {
    // Components of the root that nothing else holds are nested in the root itself.
    for (int i = 0; i < root->ComponentCount(); ++i) {
      TComponent* c = root->Components(i);
      if (!c->HasParent() && std::find(children.begin(), children.end(), c) == children.end()) children.push_back(c);
    }
  }
  for (TComponent* c : children) {
    if (c->Owner() == root && !c->Name().empty()) object.children.push_back(WriteObject(c, root));
  }
  return object;
}

}  // namespace

void ReadComponentTree(TComponent* root, const TFormObject& tree) {
  RegisterFrameworkClasses();
  Reader(root).Read(tree);
}

void ReadComponentText(TComponent* root, std::string_view text) {
  TFormObject tree;
  try {
    tree = ParseFormText(text);
  } catch (const Exception& e) {
    throw Exception("Error reading form description, " + e.Message());
  }
  ReadComponentTree(root, tree);
}

void ReadComponentResource(TComponent* root, const wchar_t* resourceName) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(instance, resourceName, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!resource) throw Exception("Resource " + WideToUtf8(resourceName) + " not found");
  HGLOBAL loaded = LoadResource(instance, resource);
  const auto* data = static_cast<const char*>(LockResource(loaded));
  const DWORD size = SizeofResource(instance, resource);
  if (!data) throw Exception("Resource " + WideToUtf8(resourceName) + " not found");
  ReadComponentText(root, std::string_view(data, size));
}

TFormObject WriteComponentTree(TComponent* root) { return WriteObject(root, root); }
