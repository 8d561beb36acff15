#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/SharedTexts.h"
#include "core/LayoutEntries.h"
#include "core/PropertyBlob.h"
#include "dialogs/AboutWindowLayout.h"
#include "dialogs/NotifyWindowLayout.h"
#include "support/BlobReading.h"

namespace {

using fw::Color;
using namespace blobtest;

struct Blob {
  std::string_view name;
  std::string_view bytes;
  const Names& order;
  std::size_t size;
  Values some;  // a few values from the window's tables
};

std::vector<Blob> Blobs() {
  namespace N = NotifyWindowLayout;
  namespace A = AboutWindowLayout;
  return {
      {"NotifyWindow",
       fw::layout::BlobOf<N::Window>,
       kWindowOrder,
       275,
       {{"Placement", 2},
        {"Width", 387},
        {"Height", 146},
        {"Frame", 8},
        {"Title", Text("Untitled")},
        {"CloseButton", false},
        {"Resizeable", false},
        {"LiveResize", true},
        {"MaximizeButton", false},
        {"MinimizeButton", false}}},
      {"btnOk",
       fw::layout::BlobOf<N::btnOk>,
       kPushButtonOrder,
       283,
       {{"Name", Text("btnOk")},
        {"Left", 287},
        {"Top", 106},
        {"TabIndex", 0},
        {"Caption", Text("OK")},
        {"Default", true},
        {"Cancel", false}}},
      {"NotifyWindow.Canvas1",
       fw::layout::BlobOf<N::Canvas1>,
       kCanvasOrder,
       280,
       {{"Name", Text("Canvas1")},
        {"Left", 20},
        {"Top", 14},
        {"TabIndex", 4},
        {"LockLeft", false}}},
      {"AboutWindow",
       fw::layout::BlobOf<A::Window>,
       kWindowOrder,
       272,
       {{"Placement", 1},
        {"Width", 356},
        {"Height", 164},
        {"Frame", 0},
        {"Title", Text("About")},
        {"CloseButton", true},
        {"LiveResize", false},
        {"MinimizeButton", false}}},
      {"stProgramName",
       fw::layout::BlobOf<A::stProgramName>,
       kStaticTextOrder,
       363,
       {{"Width", 238}, {"TabIndex", 1}, {"Text", Text("ProgramName")}, {"Bold", true}}},
      {"stVersion",
       fw::layout::BlobOf<A::stVersion>,
       kStaticTextOrder,
       355,
       {{"Top", 46}, {"TabIndex", 2}, {"Text", Text("Version")}, {"Bold", false}}},
      {"stCopyright",
       fw::layout::BlobOf<A::stCopyright>,
       kStaticTextOrder,
       359,
       {{"Width", 316}, {"TabIndex", 3}, {"Text", Text("Copyright")}}},
      {"stEmail",
       fw::layout::BlobOf<A::stEmail>,
       kStaticTextOrder,
       396 + SupportAddress.size(),
       {{"TabIndex", 5},
        {"Text", Text(SupportAddress)},
        {"TextColor", Color::RGB(0x0000FF)},
        {"Underline", true},
        {"HelpTag", Text("Open default email application to compose an email")}}},
      {"stURL",
       fw::layout::BlobOf<A::stURL>,
       kStaticTextOrder,
       400 + WebsiteURL.size(),
       {{"Top", 124},
        {"TabIndex", 6},
        {"Text", Text(WebsiteURL)},
        {"TextColor", Color::RGB(0x0000FF)},
        {"Underline", true},
        {"HelpTag", Text("Open default web browser and go to applications' website")}}},
      {"AboutWindow.Canvas1",
       fw::layout::BlobOf<A::Canvas1>,
       kCanvasOrder,
       280,
       {{"Name", Text("Canvas1")}, {"Left", 288}, {"Top", 14}, {"TabIndex", 9}}},
  };
}

TEST(DialogLayoutsTest, BlobsFollowTheirClassOrderAndTables) {
  for (const Blob& blob : Blobs()) {
    SCOPED_TRACE(blob.name);
    const std::vector<PropertyEntry> entries = fw::ReadPropertyBlob(blob.bytes);
    EXPECT_EQ(blob.bytes.size(), blob.size);
    EXPECT_EQ(NamesOf(entries), blob.order);
    const Values values = ValuesOf(entries);
    for (const auto& [name, value] : blob.some) {
      EXPECT_EQ(values.at(name), value) << name;
    }
  }
}

TEST(DialogLayoutsTest, AboutLabelsShareEverythingTheirTableDoesNotGive) {
  const std::string_view labels[] = {fw::layout::BlobOf<AboutWindowLayout::stProgramName>,
                                     fw::layout::BlobOf<AboutWindowLayout::stVersion>,
                                     fw::layout::BlobOf<AboutWindowLayout::stCopyright>,
                                     fw::layout::BlobOf<AboutWindowLayout::stEmail>,
                                     fw::layout::BlobOf<AboutWindowLayout::stURL>};
  const Values shared{
      {"Index", std::numeric_limits<int32_t>::min()},
      {"Left", 20},
      {"Height", 20},
      {"LockLeft", false},
      {"LockBottom", false},
      {"TabPanelIndex", 0},
      {"TextAlign", 0},
      {"Multiline", false},
      {"Enabled", true},
      {"Visible", true},
      {"Selectable", false},
      {"Transparent", false},
      {"AutoDeactivate", true},
      {"TextFont", Text("System")},
      {"Italic", false},
      {"DataSource", Text("")},
      {"DataField", Text("")},
      {"InitialParent", Text("")},
  };
  for (std::string_view label : labels) {
    const Values values = ValuesOf(fw::ReadPropertyBlob(label));
    SCOPED_TRACE(std::get<String>(values.at("Name")));
    for (const auto& [name, value] : shared) {
      EXPECT_EQ(values.at(name), value) << name;
    }
  }
}

// stMsg as the label would read in StaticText's usual order.
constexpr fw::layout::StaticText kUsualStMsg{.Name = "stMsg",
                                             .Left = 80,
                                             .Top = 14,
                                             .Width = 287,
                                             .Height = 80,
                                             .TabIndex = 2,
                                             .Text = "Message",
                                             .TextAlign = 0,
                                             .TextColor = Color::RGB(0x000000),
                                             .Multiline = true};

TEST(DialogLayoutsTest, StMsgReadsAsItsLabelWithTabStopAndWithoutTwoEntries) {
  const std::vector<PropertyEntry> entries =
      fw::ReadPropertyBlob(fw::layout::BlobOf<NotifyWindowLayout::stMsg>);
  EXPECT_EQ(fw::layout::BlobOf<NotifyWindowLayout::stMsg>.size(), 335u);
  ASSERT_EQ(entries.size(), 28u);
  EXPECT_EQ(entries.front().name, "TabStop");
  EXPECT_EQ(entries.front().value, PropertyValue(true));

  Names usualOrder = kStaticTextOrder;
  std::erase(usualOrder, "Selectable");
  std::erase(usualOrder, "Transparent");
  EXPECT_EQ(NamesOf({entries.begin() + 1, entries.end()}), usualOrder);

  Values usual = ValuesOf(fw::ReadPropertyBlob(fw::layout::Blob<kUsualStMsg>.View()));
  usual.erase("Selectable");
  usual.erase("Transparent");
  usual["TabStop"] = true;
  EXPECT_EQ(ValuesOf(entries), usual);
}

}  // namespace
