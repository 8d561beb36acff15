// Arbitrary bytes into the property blob reader: it either throws
// PropertyBlobException or gives entries that write back to the same bytes,
// each at the offset where its bytes begin.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/PropertyBlob.h"
#include "testing/BlobEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view blob(reinterpret_cast<const char*>(data), size);
  std::vector<fw::PropertyEntry> entries;
  try {
    entries = fw::ReadPropertyBlob(blob);
  } catch (const fw::PropertyBlobException& e) {
    const std::string_view message = e.what();
    if (!message.starts_with("property blob: ") || message.find(" at byte ") == message.npos) {
      std::abort();
    }
    return 0;
  }
  // Every value has one byte form, so a blob that reads is its own encoding.
  if (fw::blob::EncodeEntries(entries) != blob) {
    std::abort();
  }
  std::size_t offset = 0;
  for (const fw::PropertyEntry& entry : entries) {
    if (entry.offset != offset) {
      std::abort();
    }
    offset += fw::blob::EncodeEntries({entry}).size();
  }
  return 0;
}
