#include "core/PropertyBlob.h"

#include <utility>

namespace fw {

namespace {

constexpr bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

String Hex(uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return String("0x") + kDigits[byte >> 4] + kDigits[byte & 0x0F];
}

// A run of letters can be as long as the blob; the message shows its start.
// Appended, not "\"" + String: g++ 12 at -O3 warns falsely (-Wrestrict) there.
String Quoted(std::string_view name) {
  constexpr std::size_t kShown = 40;
  String quoted = "\"";
  quoted.append(name.substr(0, kShown));
  quoted.append(name.size() > kShown ? "...\"" : "\"");
  return quoted;
}

[[noreturn]] void Fail(const String& what, std::size_t offset) {
  throw PropertyBlobException("property blob: " + what + " at byte " + std::to_string(offset));
}

uint32_t ReadUInt32(std::string_view blob, std::size_t pos) {
  // Unsigned all the way: a signed shift of 0x80 into the top byte would overflow.
  return static_cast<uint32_t>(static_cast<uint8_t>(blob[pos])) << 24 |
         static_cast<uint32_t>(static_cast<uint8_t>(blob[pos + 1])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(blob[pos + 2])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(blob[pos + 3]));
}

// The name's kind, recorded in names; the fault, named, at the offset.
PropertyKind CheckName(detail::NameCheck& names, std::string_view name, std::size_t offset) {
  const auto [fault, kind] = names.Add(name);
  switch (fault) {
    case detail::NameCheck::Fault::Unknown:
      Fail("unknown property " + Quoted(name), offset);
    case detail::NameCheck::Fault::Repeated:
      Fail("repeated property " + Quoted(name), offset);
    case detail::NameCheck::Fault::None:
      break;
  }
  return kind;
}

}  // namespace

std::vector<PropertyEntry> ReadPropertyBlob(std::string_view blob) {
  std::vector<PropertyEntry> entries;
  detail::NameCheck names;
  std::size_t pos = 0;
  while (pos < blob.size()) {
    const std::size_t start = pos;
    while (pos < blob.size() && IsAsciiLetter(blob[pos])) {
      ++pos;
    }
    const std::string_view name = blob.substr(start, pos - start);
    if (pos == blob.size()) {
      Fail("no blank after property name " + Quoted(name), start);
    }
    if (blob[pos] != ' ') {
      Fail("byte " + Hex(static_cast<uint8_t>(blob[pos])) + " in a property name", pos);
    }
    if (name.empty()) {
      Fail("empty property name", start);
    }
    const PropertyKind kind = CheckName(names, name, start);
    ++pos;

    const std::size_t remaining = blob.size() - pos;
    const std::size_t needed = detail::FixedValueSize(kind);
    if (remaining < needed) {
      Fail("value of " + Quoted(name) + " cut off (" + std::to_string(needed) + " bytes needed, " +
               std::to_string(remaining) + " left)",
           pos);
    }
    PropertyValue value;
    switch (kind) {
      case PropertyKind::Int32:
        value = static_cast<int32_t>(ReadUInt32(blob, pos));
        pos += 4;
        break;
      case PropertyKind::Boolean: {
        const auto byte = static_cast<uint8_t>(blob[pos]);
        if (byte > 1) {
          Fail("Boolean byte " + Hex(byte) + " of " + Quoted(name), pos);
        }
        value = byte == 1;
        pos += 1;
        break;
      }
      case PropertyKind::Color:
        value = Color{static_cast<uint8_t>(blob[pos]), static_cast<uint8_t>(blob[pos + 1]),
                      static_cast<uint8_t>(blob[pos + 2])};
        pos += 3;
        break;
      case PropertyKind::String: {
        // Checked against what is left before anything is allocated.
        const uint32_t count = ReadUInt32(blob, pos);
        if (count > remaining - 4) {
          Fail("text of " + Quoted(name) + " cut off (" + std::to_string(count) +
                   " bytes counted, " + std::to_string(remaining - 4) + " left)",
               pos);
        }
        value = String(blob.substr(pos + 4, count));
        pos += 4 + count;
        break;
      }
    }
    entries.push_back(PropertyEntry{String(name), std::move(value), start});
  }
  return entries;
}

}  // namespace fw
