#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/MainWindowLayout.h"
#include "common/SharedTexts.h"
#include "core/PropertyBlob.h"
#include "support/BlobReading.h"

namespace {

using fw::Color;
using namespace blobtest;

Values Merge(Values base, const Values& over) {
  for (const auto& [name, value] : over) {
    base[name] = value;
  }
  return base;
}

// The values that every control of a class has unless its row says otherwise.
const Values kEveryControl{
    {"Index", std::numeric_limits<int32_t>::min()},
    {"LockLeft", false},
    {"LockTop", false},
    {"LockRight", false},
    {"LockBottom", false},
    {"TabPanelIndex", 0},
    {"Enabled", true},
    {"Visible", true},
    {"HelpTag", Text("")},
    {"AutoDeactivate", true},
    {"InitialParent", Text("")},
};
const Values kTextControl =
    Merge(kEveryControl,
          {{"TextFont", Text("System")}, {"Bold", false}, {"Italic", false}, {"Underline", false}});
const Values kStaticText = Merge(kTextControl, {{"Multiline", false},
                                                {"Selectable", false},
                                                {"Transparent", false},
                                                {"DataSource", Text("")},
                                                {"DataField", Text("")}});
const Values kTextField = Merge(kTextControl, {{"TabStop", true},
                                               {"Border", true},
                                               {"Password", false},
                                               {"UseFocusRing", true},
                                               {"BackColor", Color::RGB(0xFFFFFF)},
                                               {"Format", Text("")},
                                               {"CueText", Text("")},
                                               {"Mask", Text("")},
                                               {"ReadOnly", false},
                                               {"LimitText", 0},
                                               {"AcceptTabs", false},
                                               {"Alignment", 0},
                                               {"DataSource", Text("")},
                                               {"DataField", Text("")}});
const Values kPushButton =
    Merge(kTextControl, {{"TabStop", true}, {"Default", false}, {"Cancel", false}});
const Values kCanvas = Merge(kEveryControl, {{"TabStop", true},
                                             {"UseFocusRing", true},
                                             {"AcceptFocus", false},
                                             {"AcceptTabs", false},
                                             {"DoubleBuffer", false},
                                             {"EraseBackground", true}});

struct Blob {
  std::string_view name;
  std::string_view bytes;
  const Names& order;
  const Values& common;
  std::size_t size;
  Values given;  // the row of the window's table
};

Values Place(std::string_view name, int32_t left, int32_t top, int32_t width, int32_t height,
             int32_t tabIndex) {
  return {{"Name", Text(name)}, {"Left", left},     {"Top", top},
          {"Width", width},     {"Height", height}, {"TabIndex", tabIndex}};
}

const Color kBlack = Color::RGB(0x000000);
const Color kResult = Color::RGB(0x004080);

// The 13 controls in creation order.
std::vector<Blob> Controls() {
  namespace L = MainWindowLayout;
  return {
      {"StaticText1", fw::layout::BlobOf<L::StaticText1>, kStaticTextOrder, kStaticText, 354,
       Merge(Place("StaticText1", 183, 14, 36, 20, 0),
             {{"Text", Text("% of")}, {"TextColor", kBlack}, {"TextAlign", 0}})},
      {"edPercent", fw::layout::BlobOf<L::edPercent>, kTextFieldOrder, kTextField, 434,
       Merge(Place("edPercent", 127, 13, 50, 22, 1), {{"Text", Text("")}, {"TextColor", kBlack}})},
      {"edValue", fw::layout::BlobOf<L::edValue>, kTextFieldOrder, kTextField, 432,
       Merge(Place("edValue", 218, 13, 89, 22, 2), {{"Text", Text("")}, {"TextColor", kBlack}})},
      {"stPlus", fw::layout::BlobOf<L::stPlus>, kStaticTextOrder, kStaticText, 345,
       Merge(Place("stPlus", 319, 77, 151, 20, 4),
             {{"Text", Text("")}, {"TextColor", kResult}, {"TextAlign", 2}})},
      {"stMinus", fw::layout::BlobOf<L::stMinus>, kStaticTextOrder, kStaticText, 346,
       Merge(Place("stMinus", 319, 109, 151, 20, 5),
             {{"Text", Text("")}, {"TextColor", kResult}, {"TextAlign", 2}})},
      {"btnCalc", fw::layout::BlobOf<L::btnCalc>, kPushButtonOrder, kPushButton, 292,
       Merge(Place("btnCalc", 319, 14, 80, 20, 6), {{"Caption", Text("Calculate")}})},
      {"btnClear", fw::layout::BlobOf<L::btnClear>, kPushButtonOrder, kPushButton, 289,
       Merge(Place("btnClear", 411, 14, 59, 20, 7), {{"Caption", Text("Clear")}})},
      {"stAmount", fw::layout::BlobOf<L::stAmount>, kStaticTextOrder, kStaticText, 347,
       Merge(Place("stAmount", 319, 45, 151, 20, 9),
             {{"Text", Text("")}, {"TextColor", kResult}, {"TextAlign", 2}})},
      {"StaticText2", fw::layout::BlobOf<L::StaticText2>, kStaticTextOrder, kStaticText, 356,
       Merge(Place("StaticText2", 79, 13, 46, 20, 13),
             {{"Text", Text("What's")}, {"TextColor", kBlack}, {"TextAlign", 0}})},
      {"stClick", fw::layout::BlobOf<L::stClick>, kStaticTextOrder, kStaticText, 388,
       Merge(Place("stClick", 79, 45, 230, 17, 14),
             {{"Text", Text("Click on a result to copy to clipboard -->")},
              {"TextColor", Color::RGB(0x008000)},
              {"TextAlign", 0},
              {"Multiline", true},
              {"Visible", false}})},
      {"btnCalc1", fw::layout::BlobOf<L::btnCalc1>, kPushButtonOrder, kPushButton, 340,
       Merge(Place("btnCalc1", 20, 77, 141, 20, 15),
             {{"Caption", Text("Launch calculator")},
              {"HelpTag", Text("Use the system's calculator application")}})},
      {"stInfo2", fw::layout::BlobOf<L::stInfo2>, kStaticTextOrder, kStaticText,
       363 + WebsiteURL.size(),
       Merge(Place("stInfo2", 20, 112, 133, 16, 16), {{"Text", Text(WebsiteURL)},
                                                      {"TextColor", Color::RGB(0x0000FF)},
                                                      {"TextAlign", 0},
                                                      {"LockLeft", true},
                                                      {"LockTop", true},
                                                      {"Underline", true},
                                                      {"HelpTag", Text("Visit our website")}})},
      {"Canvas1", fw::layout::BlobOf<L::Canvas1>, kCanvasOrder, kCanvas, 280,
       Merge(Place("Canvas1", 20, 14, 48, 48, 17), {{"LockLeft", true}, {"LockTop", true}})},
  };
}

TEST(MainWindowLayoutTest, WindowBlob) {
  const std::vector<PropertyEntry> entries =
      fw::ReadPropertyBlob(fw::layout::BlobOf<MainWindowLayout::Window>);
  EXPECT_EQ(fw::layout::BlobOf<MainWindowLayout::Window>.size(), 277u);
  EXPECT_EQ(NamesOf(entries), kWindowOrder);
  const Values expected{
      {"Placement", 2},
      {"Width", 490},
      {"Height", 149},
      {"MinWidth", 64},
      {"MinHeight", 64},
      {"MaxWidth", 32000},
      {"MaxHeight", 32000},
      {"Frame", 0},
      {"Composite", false},
      {"HasBackColor", false},
      {"BackColor", Color::RGB(0xFFFFFF)},
      {"Title", Text("MainWindow")},
      {"Visible", true},
      {"FullScreen", false},
      {"MenuBarVisible", true},
      {"CloseButton", true},
      {"Resizeable", false},
      {"LiveResize", true},
      {"MaximizeButton", false},
      {"MinimizeButton", true},
      {"MacProcID", 0},
  };
  EXPECT_EQ(ValuesOf(entries), expected);
}

TEST(MainWindowLayoutTest, EveryControlHasItsClassOrderAndItsRowsValues) {
  for (const Blob& control : Controls()) {
    SCOPED_TRACE(control.name);
    const std::vector<PropertyEntry> entries = fw::ReadPropertyBlob(control.bytes);
    EXPECT_EQ(control.bytes.size(), control.size);
    ASSERT_EQ(NamesOf(entries), control.order);
    for (const PropertyEntry& e : entries) {
      const auto given = control.given.find(e.name);
      const PropertyValue& expected =
          given != control.given.end() ? given->second : control.common.at(e.name);
      EXPECT_EQ(e.value, expected) << e.name;
    }
  }
}

TEST(MainWindowLayoutTest, NoControlArrayIndexAndWhiteBytes) {
  const std::string_view label = fw::layout::BlobOf<MainWindowLayout::StaticText1>;
  const PropertyEntry index = fw::ReadPropertyBlob(label).at(1);
  EXPECT_EQ(label.substr(index.offset, 10), std::string_view("Index \x80\x00\x00\x00", 10));
  const std::string_view field = fw::layout::BlobOf<MainWindowLayout::edPercent>;
  const PropertyEntry back = fw::ReadPropertyBlob(field).at(17);
  EXPECT_EQ(field.substr(back.offset, 13), "BackColor \xFF\xFF\xFF");
}

}  // namespace
