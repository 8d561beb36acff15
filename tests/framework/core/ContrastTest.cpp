#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/Contrast.h"

namespace {

using fw::Color;
using fw::ContrastRatio;
using fw::ReadableOn;

constexpr Color kLight = Color::RGB(0xEFEFEF);
constexpr Color kDark = Color::RGB(0x323232);

// The hue as the channel order: which is largest, then next.
std::array<int, 3> ChannelOrder(Color c) {
  std::array<int, 3> order{0, 1, 2};
  int v[] = {c.red, c.green, c.blue};
  std::ranges::stable_sort(order, [&](int a, int b) { return v[a] > v[b]; });
  return order;
}

TEST(Contrast, RatiosOfTheLayoutsColours) {
  struct Case {
    uint32_t text;
    double onLight, onDark;
  } cases[] = {
      {0x000000, 18.3, 1.64},
      {0x004080, 8.9, 1.25},
      {0x0000FF, 7.5, 1.49},
      {0x008000, 4.47, 2.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_NEAR(ContrastRatio(Color::RGB(c.text), kLight), c.onLight, 0.05);
    EXPECT_NEAR(ContrastRatio(Color::RGB(c.text), kDark), c.onDark, 0.05);
    EXPECT_DOUBLE_EQ(ContrastRatio(kDark, Color::RGB(c.text)),
                     ContrastRatio(Color::RGB(c.text), kDark));
  }
  EXPECT_NEAR(ContrastRatio(Color::RGB(0x000000), Color::RGB(0xFFFFFF)), 21.0, 1e-9);
}

TEST(Contrast, ReadableOnKeepsAReadableColourAndMovesOthersKeepingTheirHue) {
  struct Case {
    uint32_t text, background;
    bool lighter;
  } moved[] = {
      {0x004080, 0x323232, true}, {0x0000FF, 0x323232, true},  {0x008000, 0x323232, true},
      {0x000000, 0x323232, true}, {0x008000, 0xEFEFEF, false}, {0x80C0FF, 0xFFFFFF, false},
      {0x004080, 0x000000, true},
  };
  for (const auto& c : moved) {
    SCOPED_TRACE(testing::Message() << std::hex << c.text << " on " << c.background);
    Color text = Color::RGB(c.text), background = Color::RGB(c.background);
    Color readable = ReadableOn(text, background);
    EXPECT_GE(ContrastRatio(readable, background), fw::kReadableContrast);
    EXPECT_EQ(fw::Luminance(readable) > fw::Luminance(text), c.lighter);
    if (c.text != 0x000000) {
      EXPECT_EQ(ChannelOrder(readable), ChannelOrder(text));
    }
    // The least step: one step less would not do.
    EXPECT_LT(ContrastRatio(readable, background), fw::kReadableContrast + 1.0);
  }
  for (uint32_t kept : {0x000000u, 0x004080u, 0x0000FFu}) {
    EXPECT_EQ(ReadableOn(Color::RGB(kept), kLight), Color::RGB(kept));
  }
  EXPECT_EQ(ReadableOn(Color::RGB(0xFFFFFF), kDark), Color::RGB(0xFFFFFF));
}

}  // namespace
