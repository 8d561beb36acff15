#pragma once
// Text colours that stay readable on the background in use: the contrast
// ratio as the accessibility guidelines define it, and a colour moved in
// lightness, keeping its hue, until it reaches a ratio.
#include "core/PropertyBlob.h"

namespace fw {

// The ratio that normal-size text needs.
inline constexpr double kReadableContrast = 4.5;

// The relative luminance, 0 for black to 1 for white.
double Luminance(Color c);
// From 1 (none) to 21 (black on white); symmetric.
double ContrastRatio(Color a, Color b);
// The text colour itself when it has `minimum` against the background;
// otherwise the same hue and saturation, lightened on a dark background or
// darkened on a light one, by the least step that reaches it.
Color ReadableOn(Color text, Color background, double minimum = kReadableContrast);

}  // namespace fw
