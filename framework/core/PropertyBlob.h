#pragma once
// Property blobs: the byte strings that lay out a window or a control. A blob
// is a run of entries with no header, count or terminator; its length ends it.
// An entry is the property's name in ASCII letters, one 0x20, then the value,
// whose form follows from the name:
//   Int32    4 bytes, big-endian two's complement
//   Boolean  1 byte, 00 or 01
//   Color    3 bytes: red, green, blue
//   String   4-byte big-endian unsigned byte count, then the UTF-8 bytes
// A name occurs at most once. Each value has exactly one byte form, so reading
// a blob and writing its entries back gives the same bytes.
//
// Blob constants are written as entry tables and encoded at compile time:
//   constexpr auto kEntries = std::to_array<fw::blob::Entry>({
//       {"Width", 490}, {"Visible", true}, {"Text", "% of"}});
//   const std::string_view kBlob = fw::blob::Encoded<kEntries>.View();
// An unknown name, a value of the wrong kind or a repeated name is then a
// compile error.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "core/Exceptions.h"
#include "core/String.h"

namespace fw {

struct Color {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;

  static constexpr Color RGB(uint32_t rrggbb) {
    return Color{static_cast<uint8_t>(rrggbb >> 16), static_cast<uint8_t>(rrggbb >> 8),
                 static_cast<uint8_t>(rrggbb)};
  }
  friend constexpr bool operator==(const Color&, const Color&) = default;
};

enum class PropertyKind { Int32, Boolean, Color, String };

namespace detail {

struct PropertyName {
  std::string_view name;
  PropertyKind kind;
};

inline constexpr std::array<PropertyName, 64> kPropertyNames{{
    {"Placement", PropertyKind::Int32},
    {"Width", PropertyKind::Int32},
    {"Height", PropertyKind::Int32},
    {"MinWidth", PropertyKind::Int32},
    {"MinHeight", PropertyKind::Int32},
    {"MaxWidth", PropertyKind::Int32},
    {"MaxHeight", PropertyKind::Int32},
    {"Frame", PropertyKind::Int32},
    {"MacProcID", PropertyKind::Int32},
    {"Index", PropertyKind::Int32},
    {"Left", PropertyKind::Int32},
    {"Top", PropertyKind::Int32},
    {"TabPanelIndex", PropertyKind::Int32},
    {"TabIndex", PropertyKind::Int32},
    {"TextAlign", PropertyKind::Int32},
    {"LimitText", PropertyKind::Int32},
    {"Alignment", PropertyKind::Int32},

    {"BackColor", PropertyKind::Color},
    {"TextColor", PropertyKind::Color},

    {"Title", PropertyKind::String},
    {"Name", PropertyKind::String},
    {"Text", PropertyKind::String},
    {"Caption", PropertyKind::String},
    {"HelpTag", PropertyKind::String},
    {"TextFont", PropertyKind::String},
    {"Format", PropertyKind::String},
    {"CueText", PropertyKind::String},
    {"Mask", PropertyKind::String},
    {"DataSource", PropertyKind::String},
    {"DataField", PropertyKind::String},
    {"InitialParent", PropertyKind::String},

    {"Composite", PropertyKind::Boolean},
    {"HasBackColor", PropertyKind::Boolean},
    {"Visible", PropertyKind::Boolean},
    {"FullScreen", PropertyKind::Boolean},
    {"MenuBarVisible", PropertyKind::Boolean},
    {"CloseButton", PropertyKind::Boolean},
    {"Resizeable", PropertyKind::Boolean},
    {"LiveResize", PropertyKind::Boolean},
    {"MaximizeButton", PropertyKind::Boolean},
    {"MinimizeButton", PropertyKind::Boolean},
    {"LockLeft", PropertyKind::Boolean},
    {"LockTop", PropertyKind::Boolean},
    {"LockRight", PropertyKind::Boolean},
    {"LockBottom", PropertyKind::Boolean},
    {"Multiline", PropertyKind::Boolean},
    {"Enabled", PropertyKind::Boolean},
    {"Selectable", PropertyKind::Boolean},
    {"Transparent", PropertyKind::Boolean},
    {"AutoDeactivate", PropertyKind::Boolean},
    {"Bold", PropertyKind::Boolean},
    {"Italic", PropertyKind::Boolean},
    {"Underline", PropertyKind::Boolean},
    {"TabStop", PropertyKind::Boolean},
    {"Border", PropertyKind::Boolean},
    {"Password", PropertyKind::Boolean},
    {"UseFocusRing", PropertyKind::Boolean},
    {"ReadOnly", PropertyKind::Boolean},
    {"AcceptTabs", PropertyKind::Boolean},
    {"Default", PropertyKind::Boolean},
    {"Cancel", PropertyKind::Boolean},
    {"AcceptFocus", PropertyKind::Boolean},
    {"DoubleBuffer", PropertyKind::Boolean},
    {"EraseBackground", PropertyKind::Boolean},
}};

static_assert(kPropertyNames.size() <= 64, "NameCheck keeps a bit per property");

inline constexpr std::size_t kLongestPropertyName = [] {
  std::size_t longest = 0;
  for (const auto& p : kPropertyNames) {
    longest = p.name.size() > longest ? p.name.size() : longest;
  }
  return longest;
}();

// The position in kPropertyNames, or -1. A run of letters can be as long as
// a blob: a name longer than any property's is no property.
constexpr int PropertyIndexOf(std::string_view name) {
  if (name.size() > kLongestPropertyName) {
    return -1;
  }
  for (std::size_t i = 0; i < kPropertyNames.size(); ++i) {
    if (kPropertyNames[i].name == name) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// The bytes of a value by its kind, in PropertyKind's order; a String's are
// its byte count, and its text follows.
inline constexpr std::array<std::size_t, 4> kFixedValueSize{4, 1, 3, 4};

constexpr std::size_t FixedValueSize(PropertyKind kind) {
  return kFixedValueSize[static_cast<std::size_t>(kind)];
}

// The names of one blob, checked as they come: each must be a property, and
// none may come twice. The reader and both encoders check with it.
class NameCheck {
 public:
  enum class Fault { None, Unknown, Repeated };
  struct Result {
    Fault fault;
    PropertyKind kind;  // when there is no fault
  };

  constexpr Result Add(std::string_view name) {
    const int index = PropertyIndexOf(name);
    if (index < 0) {
      return {Fault::Unknown, PropertyKind::Int32};
    }
    const PropertyName& property = kPropertyNames[static_cast<std::size_t>(index)];
    const uint64_t bit = uint64_t{1} << index;
    if (seen_ & bit) {
      return {Fault::Repeated, property.kind};
    }
    seen_ |= bit;
    return {Fault::None, property.kind};
  }

 private:
  uint64_t seen_ = 0;
};

}  // namespace detail

constexpr std::optional<PropertyKind> PropertyKindOf(std::string_view name) {
  const int index = detail::PropertyIndexOf(name);
  if (index < 0) {
    return std::nullopt;
  }
  return detail::kPropertyNames[static_cast<std::size_t>(index)].kind;
}

// The alternatives stand in PropertyKind's order.
using PropertyValue = std::variant<int32_t, bool, Color, String>;

struct PropertyEntry {
  String name;
  PropertyValue value;
  std::size_t offset = 0;  // of the entry's first name byte in the blob

  friend bool operator==(const PropertyEntry&, const PropertyEntry&) = default;
};

// A blob that is not well formed, or entries that cannot be written as one.
class PropertyBlobException : public RuntimeException {
 public:
  explicit PropertyBlobException(const String& message) : RuntimeException(message) {}
  const char* ClassName() const noexcept override { return "PropertyBlobException"; }
};

// The entries of blob in their order. Throws PropertyBlobException, naming
// the property where known and the byte offset of the fault, for an unknown
// or malformed name, a name not followed by 0x20, a value cut off by the end,
// a Boolean byte other than 00 or 01, or a name that occurs twice.
std::vector<PropertyEntry> ReadPropertyBlob(std::string_view blob);

namespace blob {

// One entry of a blob table. The overloads keep a string literal from
// becoming a bool, and the deleted template refuses every other value type
// (long, double, uint8_t, std::string) instead of converting it silently.
struct Entry {
  constexpr Entry(std::string_view name_, int32_t value)
      : name(name_), kind(PropertyKind::Int32), int32(value) {
    Check();
  }
  constexpr Entry(std::string_view name_, bool value)
      : name(name_), kind(PropertyKind::Boolean), boolean(value) {
    Check();
  }
  constexpr Entry(std::string_view name_, Color value)
      : name(name_), kind(PropertyKind::Color), color(value) {
    Check();
  }
  constexpr Entry(std::string_view name_, std::string_view value)
      : name(name_), kind(PropertyKind::String), text(value) {
    Check();
  }
  constexpr Entry(std::string_view name_, const char* value)
      : Entry(name_, std::string_view(value)) {}
  template <class T>
  Entry(std::string_view, T) = delete;

  std::string_view name;
  PropertyKind kind;
  int32_t int32 = 0;
  bool boolean = false;
  Color color{};
  std::string_view text;

 private:
  // In a constant expression the throw is the compile error.
  constexpr void Check() const {
    const std::optional<PropertyKind> expected = PropertyKindOf(name);
    if (!expected) {
      throw PropertyBlobException("blob entry: unknown property name");
    }
    if (*expected != kind) {
      throw PropertyBlobException("blob entry: the value's kind does not fit the property");
    }
  }
};

// A blob's bytes, computed at compile time.
template <std::size_t N>
struct Bytes {
  std::array<char, N> data{};

  constexpr std::string_view View() const { return std::string_view(data.data(), N); }
  static constexpr std::size_t size() { return N; }
};

namespace detail {

constexpr std::size_t ValueSize(const Entry& e) {
  return fw::detail::FixedValueSize(e.kind) + (e.kind == PropertyKind::String ? e.text.size() : 0);
}

template <class Put>
constexpr void PutUInt32(Put& put, uint32_t v) {
  put(static_cast<char>(v >> 24));
  put(static_cast<char>(v >> 16));
  put(static_cast<char>(v >> 8));
  put(static_cast<char>(v));
}

template <class Put>
constexpr void PutText(Put& put, std::string_view text) {
  for (char c : text) {
    put(c);
  }
}

template <class Put>
constexpr void PutEntry(Put& put, const Entry& e) {
  PutText(put, e.name);
  put(' ');
  switch (e.kind) {
    case PropertyKind::Int32:
      PutUInt32(put, static_cast<uint32_t>(e.int32));
      break;
    case PropertyKind::Boolean:
      put(e.boolean ? '\x01' : '\x00');
      break;
    case PropertyKind::Color:
      put(static_cast<char>(e.color.red));
      put(static_cast<char>(e.color.green));
      put(static_cast<char>(e.color.blue));
      break;
    case PropertyKind::String:
      PutUInt32(put, static_cast<uint32_t>(e.text.size()));
      PutText(put, e.text);
      break;
  }
}

// Each entry has checked its own name and kind already.
template <std::size_t N>
constexpr void CheckNoRepeats(const std::array<Entry, N>& entries) {
  fw::detail::NameCheck names;
  for (const Entry& e : entries) {
    if (names.Add(e.name).fault != fw::detail::NameCheck::Fault::None) {
      throw PropertyBlobException("blob entry: a property occurs twice");
    }
  }
}

}  // namespace detail

template <std::size_t N>
constexpr std::size_t EncodedSize(const std::array<Entry, N>& entries) {
  std::size_t size = 0;
  for (const Entry& e : entries) {
    size += e.name.size() + 1 + detail::ValueSize(e);
  }
  return size;
}

template <std::size_t Size, std::size_t N>
constexpr Bytes<Size> Encode(const std::array<Entry, N>& entries) {
  detail::CheckNoRepeats(entries);
  if (EncodedSize(entries) != Size) {
    throw PropertyBlobException("blob entry: Encode's size is not EncodedSize(entries)");
  }
  Bytes<Size> out;
  std::size_t pos = 0;
  auto put = [&out, &pos](char c) { out.data[pos++] = c; };
  for (const Entry& e : entries) {
    detail::PutEntry(put, e);
  }
  return out;
}

// The bytes of a constexpr entry table with static storage, sized from it.
template <const auto& Entries>
inline constexpr Bytes<EncodedSize(Entries)> Encoded = Encode<EncodedSize(Entries)>(Entries);

}  // namespace blob

}  // namespace fw
