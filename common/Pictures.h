#pragma once
#include "Framework.h"

// The bundle's pictures, loaded on the first call that succeeds and kept for
// the rest of the run; Nil while they cannot be loaded.
fw::Ref<fw::Picture> App48();
fw::Ref<fw::Picture> alert48();
