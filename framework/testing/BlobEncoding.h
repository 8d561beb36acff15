#pragma once
// For tests only: property blobs written at run time, so that a test can
// check the reader against entries of its own.
#include <vector>

#include "core/PropertyBlob.h"

namespace fw::blob {

// Writes entries as the reader read them. Throws PropertyBlobException for
// a name that is no property, a value of another kind than the name's, a
// name that occurs twice or a text over 4 GiB.
String EncodeEntries(const std::vector<PropertyEntry>& entries);

}  // namespace fw::blob
