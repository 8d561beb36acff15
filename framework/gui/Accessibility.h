#pragma once

namespace fw {

// Names and roles for assistive technology; installed once.
void InstallAccessibility();

}  // namespace fw
