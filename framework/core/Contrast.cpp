#include "core/Contrast.h"

#include <algorithm>
#include <cmath>

namespace fw {
namespace {

double Linear(uint8_t channel) {
  double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct Hsl {
  double h = 0, s = 0, l = 0;
};

Hsl ToHsl(Color c) {
  double r = c.red / 255.0, g = c.green / 255.0, b = c.blue / 255.0;
  double hi = std::max({r, g, b}), lo = std::min({r, g, b});
  Hsl out;
  out.l = (hi + lo) / 2;
  double d = hi - lo;
  if (d == 0) {
    return out;
  }
  out.s = d / (1 - std::abs(2 * out.l - 1));
  if (hi == r) {
    out.h = std::fmod((g - b) / d + 6, 6);
  } else if (hi == g) {
    out.h = (b - r) / d + 2;
  } else {
    out.h = (r - g) / d + 4;
  }
  return out;
}

Color FromHsl(const Hsl& in) {
  double c = (1 - std::abs(2 * in.l - 1)) * in.s;
  double x = c * (1 - std::abs(std::fmod(in.h, 2) - 1));
  double m = in.l - c / 2;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(in.h)) {
    case 0:
      r = c, g = x;
      break;
    case 1:
      r = x, g = c;
      break;
    case 2:
      g = c, b = x;
      break;
    case 3:
      g = x, b = c;
      break;
    case 4:
      r = x, b = c;
      break;
    default:
      r = c, b = x;
      break;
  }
  auto channel = [m](double v) {
    return static_cast<uint8_t>(std::clamp(std::lround((v + m) * 255), 0L, 255L));
  };
  return Color{channel(r), channel(g), channel(b)};
}

}  // namespace

double Luminance(Color c) {
  return 0.2126 * Linear(c.red) + 0.7152 * Linear(c.green) + 0.0722 * Linear(c.blue);
}

double ContrastRatio(Color a, Color b) {
  double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color ReadableOn(Color text, Color background, double minimum) {
  if (ContrastRatio(text, background) >= minimum) {
    return text;
  }
  // Towards white or black, whichever the background leaves more room to.
  const Color white = Color::RGB(0xFFFFFF), black = Color::RGB(0x000000);
  bool lighten = ContrastRatio(white, background) >= ContrastRatio(black, background);
  Hsl hsl = ToHsl(text);
  constexpr int kSteps = 100;
  double from = hsl.l, to = lighten ? 1.0 : 0.0;
  for (int step = 1; step <= kSteps; ++step) {
    hsl.l = from + (to - from) * step / kSteps;
    Color moved = FromHsl(hsl);
    if (ContrastRatio(moved, background) >= minimum) {
      return moved;
    }
  }
  return lighten ? white : black;
}

}  // namespace fw
