// Class tables, property access by name, and the class registry.
#include "ui/persistent.h"

#include <map>

#include "base/codec.h"
#include "base/strings.h"
#include "ui/component.h"

namespace {

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::map<std::string, const TClassInfo*>& Registry() {
  static std::map<std::string, const TClassInfo*> registry;
  return registry;
}

int IndexOfName(const std::vector<std::string>& names, std::string_view name) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (SameText(names[i], name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, std::vector<TPropInfo> props,
                       TComponentFactory create)
    : Name(std::move(name)), Parent(parent), Props(std::move(props)), Create(std::move(create)) {}

const TPropInfo* TClassInfo::FindProp(std::string_view name) const {
  for (const TClassInfo* info = this; info; info = info->Parent) {
    for (const TPropInfo& p : info->Props) {
      if (SameText(p.Name, name)) return &p;
    }
  }
  return nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* info = this; info; info = info->Parent) {
    if (info == &other) return true;
  }
  return false;
}

std::vector<const TPropInfo*> TClassInfo::AllProps() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* info = this; info; info = info->Parent) chain.push_back(info);
  std::vector<const TPropInfo*> result;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const TPropInfo& p : (*it)->Props) result.push_back(&p);
  }
  return result;
}

bool TPropInfo::Writable() const {
  switch (Kind) {
    case TPropKind::Integer:
    case TPropKind::Enumeration:
    case TPropKind::Set: return static_cast<bool>(SetOrd);
    case TPropKind::String: return static_cast<bool>(SetString);
    case TPropKind::WideString: return static_cast<bool>(SetWide);
    case TPropKind::Object: return static_cast<bool>(SetObjectValue);
    case TPropKind::Method: return static_cast<bool>(SetMethod) || static_cast<bool>(SetTypedMethod);
    case TPropKind::Binary: return static_cast<bool>(ReadBinary);
  }
  return false;
}

std::string TPropInfo::ValueText(TPersistent& instance) const {
  switch (Kind) {
    case TPropKind::Integer: return std::to_string(GetOrd(instance));
    case TPropKind::Enumeration: {
      const std::int64_t v = GetOrd(instance);
      return v >= 0 && v < static_cast<std::int64_t>(Names.size()) ? Names[static_cast<size_t>(v)]
                                                                      : std::to_string(v);
    }
    case TPropKind::Set: {
      const auto bits = static_cast<std::uint64_t>(GetOrd(instance));
      std::string text = "[";
      for (size_t i = 0; i < Names.size(); ++i) {
        if (bits & (1ull << i)) {
          if (text.size() > 1) text += ',';
          text += Names[i];
        }
      }
      return text + "]";
    }
    case TPropKind::String: return GetString ? GetString(instance) : std::string();
    case TPropKind::WideString: return GetWide ? WideToUtf8(GetWide(instance)) : std::string();
    case TPropKind::Object: {
      TPersistent* value = GetObjectValue ? GetObjectValue(instance) : nullptr;
      if (auto* component = dynamic_cast<TComponent*>(value)) return component->Name();
      return std::string();
    }
    case TPropKind::Method:
    case TPropKind::Binary: return std::string();
  }
  return std::string();
}

bool TPropInfo::SetValueText(TPersistent& instance, std::string_view text) const {
  if (!Writable()) return false;
  switch (Kind) {
    case TPropKind::Integer: {
      std::int32_t v = 0;
      if (!TryStrToInt(text, v)) return false;
      SetOrd(instance, v);
      return true;
    }
    case TPropKind::Enumeration: {
      const int index = IndexOfName(Names, TrimText(text));
      if (index < 0) return false;
      SetOrd(instance, index);
      return true;
    }
    case TPropKind::Set: {
      std::string_view body = TrimText(text);
      if (body.size() < 2 || body.front() != '[' || body.back() != ']') return false;
      body = body.substr(1, body.size() - 2);
      std::uint64_t bits = 0;
      const TStringList members = SplitText(body, ',');
      for (int i = 0; i < members.Count(); ++i) {
        const std::string_view member = TrimText(members[i]);
        if (member.empty() && members.Count() == 1) break;
        const int index = IndexOfName(Names, member);
        if (index < 0) return false;
        bits |= 1ull << index;
      }
      SetOrd(instance, static_cast<std::int64_t>(bits));
      return true;
    }
    case TPropKind::String: SetString(instance, std::string(text)); return true;
    case TPropKind::WideString: SetWide(instance, Utf8ToWide(text)); return true;
    case TPropKind::Object: {
      if (!IsReference) return false;
      // Names are looked up among the components of the owner (the form), then the object's own.
      auto* self = dynamic_cast<TComponent*>(&instance);
      TComponent* target = nullptr;
      for (TComponent* scope : {self ? self->Owner() : nullptr, self}) {
        if (scope && !target && !text.empty()) target = scope->FindComponent(text);
      }
      if (!text.empty() && !target) return false;
      if (target && !target->InheritsFrom(*ObjectClass)) return false;
      SetObjectValue(instance, target);
      return true;
    }
    case TPropKind::Method:
    case TPropKind::Binary: return false;
  }
  return false;
}

const TClassInfo& TObject::ClassInfo() const { return StaticClassInfo(); }

const TClassInfo& TObject::StaticClassInfo() {
  static const TClassInfo info("TObject", nullptr, {});
  return info;
}

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info("TPersistent", &TObject::StaticClassInfo(), {});
  return info;
}

bool TPersistent::Assign(const TPersistent&) { return false; }

void RegisterComponentClass(const TClassInfo& info) { Registry()[LowerAscii(info.Name)] = &info; }

const TClassInfo* FindClass(std::string_view name) {
  const auto it = Registry().find(LowerAscii(name));
  return it == Registry().end() ? nullptr : it->second;
}

const TPropInfo* FindPropInfo(const TObject* instance, std::string_view name) {
  return instance ? instance->ClassInfo().FindProp(name) : nullptr;
}
