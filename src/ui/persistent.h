// Published properties: every framework class has a table of properties that can be found
// by name with their kind and read or written as values or text, and a registry that creates
// classes by name (for form descriptions).
#pragma once

#include <cstdint>
#include <any>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TObject;
class TPersistent;
class TComponent;
class TStream;

using TNotifyEvent = std::function<void(TObject*)>;

enum class TPropKind {
  Integer,      // a 32-bit signed number
  Enumeration,  // one of named values (booleans are False/True)
  Set,          // a set of named members, bit n for member n
  String,       // narrow text (UTF-8)
  WideString,   // wide text
  Object,       // an owned sub-object (Font, Lines ...) or a reference to another component
  Method,       // an event handler, bound by name from the form's method table
  Binary,       // bytes written and read by the class itself (stored as a hex block)
};

struct TClassInfo;

struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Integer;
  std::vector<std::string> Names;  // enumeration values or set members, in ordinal order
  // Object properties: the class of the value, and whether the value is a reference to
  // another component (set by name after reading) rather than an owned sub-object.
  const TClassInfo* ObjectClass = nullptr;
  bool IsReference = false;

  std::function<std::int64_t(TPersistent&)> GetOrd;  // Integer, Enumeration, Set
  std::function<void(TPersistent&, std::int64_t)> SetOrd;
  std::function<std::string(TPersistent&)> GetString;
  std::function<void(TPersistent&, const std::string&)> SetString;
  std::function<std::wstring(TPersistent&)> GetWide;
  std::function<void(TPersistent&, const std::wstring&)> SetWide;
  std::function<TPersistent*(TPersistent&)> GetObjectValue;
  std::function<void(TPersistent&, TPersistent*)> SetObjectValue;
  std::function<void(TPersistent&, TNotifyEvent)> SetMethod;
  // Events of other signatures: takes a handler held in a std::any; false when it is of
  // another type.
  std::function<bool(TPersistent&, const std::any&)> SetTypedMethod;
  std::function<void(TPersistent&, TStream&)> ReadBinary;
  std::function<void(TPersistent&, TStream&)> WriteBinary;

  bool Writable() const;
  // The value as text: numbers in decimal, enumerations by value name, sets as "[a,b]",
  // texts as they are (wide texts in UTF-8), objects by component name or empty.
  std::string ValueText(TPersistent& instance) const;
  // Writes the value from text (as ValueText writes it); false when the text does not fit
  // the kind or the property cannot be written.
  bool SetValueText(TPersistent& instance, std::string_view text) const;
};

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

struct TClassInfo {
  TClassInfo(std::string name, const TClassInfo* parent, std::vector<TPropInfo> props,
             TComponentFactory create = nullptr);

  std::string Name;
  const TClassInfo* Parent;
  std::vector<TPropInfo> Props;
  TComponentFactory Create;

  // Case-insensitive, this class first, then its ancestors.
  const TPropInfo* FindProp(std::string_view name) const;
  bool InheritsFrom(const TClassInfo& other) const;
  // Every property of the class and its ancestors, ancestors first.
  std::vector<const TPropInfo*> AllProps() const;
};

// The base of every object with published properties.
class TObject {
public:
  virtual ~TObject() = default;
  virtual const TClassInfo& ClassInfo() const;
  static const TClassInfo& StaticClassInfo();
  const std::string& ClassName() const { return ClassInfo().Name; }
  bool InheritsFrom(const TClassInfo& info) const { return ClassInfo().InheritsFrom(info); }
};

class TPersistent : public TObject {
public:
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  // Copies the value of another object of a compatible class; false when it cannot.
  virtual bool Assign(const TPersistent& source);
};

// Declares the class table of a framework class (defined in its .cpp).
#define CORVANA_CLASS(Cls)                                                       \
public:                                                                          \
  static const TClassInfo& StaticClassInfo();                                    \
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }     \
                                                                                 \
private:

// Registry of classes that form descriptions may name.
void RegisterComponentClass(const TClassInfo& info);
const TClassInfo* FindClass(std::string_view name);

// Property lookup by name on an object (null object: null).
const TPropInfo* FindPropInfo(const TObject* instance, std::string_view name);

namespace props {

// Builders of property table rows from member functions of class C.
template <class C, class G, class S>
TPropInfo Integer(const char* name, G get, S set) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::Integer;
  p.GetOrd = [get](TPersistent& o) -> std::int64_t { return static_cast<std::int64_t>((static_cast<C&>(o).*get)()); };
  if constexpr (!std::is_same_v<S, std::nullptr_t>) {
    p.SetOrd = [set](TPersistent& o, std::int64_t v) {
      (static_cast<C&>(o).*set)(static_cast<std::int32_t>(v));
    };
  }
  return p;
}

inline const std::vector<std::string>& BooleanNames() {
  static const std::vector<std::string> names = {"False", "True"};
  return names;
}

template <class C, class G, class S>
TPropInfo Boolean(const char* name, G get, S set) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::Enumeration;
  p.Names = BooleanNames();
  p.GetOrd = [get](TPersistent& o) -> std::int64_t { return (static_cast<C&>(o).*get)() ? 1 : 0; };
  p.SetOrd = [set](TPersistent& o, std::int64_t v) { (static_cast<C&>(o).*set)(v != 0); };
  return p;
}

template <class C, class E, class G, class S>
TPropInfo Enumeration(const char* name, std::vector<std::string> names, G get, S set) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::Enumeration;
  p.Names = std::move(names);
  p.GetOrd = [get](TPersistent& o) -> std::int64_t { return static_cast<std::int64_t>((static_cast<C&>(o).*get)()); };
  p.SetOrd = [set](TPersistent& o, std::int64_t v) { (static_cast<C&>(o).*set)(static_cast<E>(v)); };
  return p;
}

template <class C, class G, class S>
TPropInfo Set(const char* name, std::vector<std::string> members, G get, S set) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::Set;
  p.Names = std::move(members);
  p.GetOrd = [get](TPersistent& o) -> std::int64_t { return static_cast<std::int64_t>((static_cast<C&>(o).*get)()); };
  p.SetOrd = [set](TPersistent& o, std::int64_t v) { (static_cast<C&>(o).*set)(static_cast<std::uint32_t>(v)); };
  return p;
}

template <class C, class G, class S>
TPropInfo String(const char* name, G get, S set) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::String;
  p.GetString = [get](TPersistent& o) -> std::string { return (static_cast<C&>(o).*get)(); };
  if constexpr (!std::is_same_v<S, std::nullptr_t>) {
    p.SetString = [set](TPersistent& o, const std::string& v) { (static_cast<C&>(o).*set)(v); };
  }
  return p;
}

template <class C, class G, class S>
TPropInfo Wide(const char* name, G get, S set) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::WideString;
  p.GetWide = [get](TPersistent& o) -> std::wstring { return (static_cast<C&>(o).*get)(); };
  p.SetWide = [set](TPersistent& o, const std::wstring& v) { (static_cast<C&>(o).*set)(v); };
  return p;
}

// An owned sub-object whose own properties are written ("Font.Name = ...").
template <class C, class O, class G>
TPropInfo SubObject(const char* name, G get) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::Object;
  p.ObjectClass = &O::StaticClassInfo();
  p.GetObjectValue = [get](TPersistent& o) -> TPersistent* { return (static_cast<C&>(o).*get)(); };
  return p;
}

// A reference to another component, written by the component's name.
template <class C, class O, class G, class S>
TPropInfo Reference(const char* name, G get, S set) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::Object;
  p.ObjectClass = &O::StaticClassInfo();
  p.IsReference = true;
  p.GetObjectValue = [get](TPersistent& o) -> TPersistent* { return (static_cast<C&>(o).*get)(); };
  p.SetObjectValue = [set](TPersistent& o, TPersistent* v) { (static_cast<C&>(o).*set)(dynamic_cast<O*>(v)); };
  return p;
}

template <class C>
TPropInfo Event(const char* name, TNotifyEvent C::*member) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::Method;
  p.SetMethod = [member](TPersistent& o, TNotifyEvent e) { static_cast<C&>(o).*member = std::move(e); };
  return p;
}

// An event whose handler has its own signature F (a std::function type).
template <class C, class F>
TPropInfo TypedEvent(const char* name, F C::*member) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TPropKind::Method;
  p.SetTypedMethod = [member](TPersistent& o, const std::any& handler) {
    const F* f = std::any_cast<F>(&handler);
    if (!f) return false;
    static_cast<C&>(o).*member = *f;
    return true;
  };
  return p;
}

}  // namespace props
