#include "testing/BlobEncoding.h"

#include <limits>
#include <type_traits>

namespace fw::blob {
namespace {

// A value's alternative is compared with its name's kind.
template <PropertyKind Kind>
using AlternativeOf = std::variant_alternative_t<static_cast<std::size_t>(Kind), PropertyValue>;
static_assert(std::is_same_v<AlternativeOf<PropertyKind::Int32>, int32_t>);
static_assert(std::is_same_v<AlternativeOf<PropertyKind::Boolean>, bool>);
static_assert(std::is_same_v<AlternativeOf<PropertyKind::Color>, Color>);
static_assert(std::is_same_v<AlternativeOf<PropertyKind::String>, String>);

[[noreturn]] void Fail(const String& what, const String& name, std::size_t offset) {
  throw PropertyBlobException("property blob: " + what + " \"" + name + "\" at byte " +
                              std::to_string(offset));
}

}  // namespace

String EncodeEntries(const std::vector<PropertyEntry>& entries) {
  String out;
  auto put = [&out](char c) { out.push_back(c); };
  fw::detail::NameCheck names;
  for (const PropertyEntry& entry : entries) {
    const auto [fault, kind] = names.Add(entry.name);
    if (fault == fw::detail::NameCheck::Fault::Unknown) {
      Fail("unknown property", entry.name, out.size());
    }
    if (fault == fw::detail::NameCheck::Fault::Repeated) {
      Fail("repeated property", entry.name, out.size());
    }
    if (static_cast<std::size_t>(kind) != entry.value.index()) {
      Fail("value of another kind for", entry.name, out.size());
    }
    if (const String* text = std::get_if<String>(&entry.value);
        text && text->size() > std::numeric_limits<uint32_t>::max()) {
      Fail("byte count too small for the text of", entry.name, out.size());
    }
    const Entry e = std::visit(
        [&entry](const auto& v) {
          if constexpr (std::is_same_v<std::decay_t<decltype(v)>, String>) {
            return Entry(entry.name, std::string_view(v));
          } else {
            return Entry(entry.name, v);
          }
        },
        entry.value);
    detail::PutEntry(put, e);
  }
  return out;
}

}  // namespace fw::blob
