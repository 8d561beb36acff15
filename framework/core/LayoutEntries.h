#pragma once
// Rows of the layout tables. Each class's properties are listed once, in the
// order in which its blobs give them, with the values that all windows or
// controls of the class share as defaults; the list gives the row struct and
// its blob entries. A layout writes a row with designated initializers for
// what differs; a control's row is named after the control, so the name is
// written once:
//   FW_CONTROL_ROW(StaticText, StaticText1, .Left = 183, .Text = "% of");
//   fw::layout::BlobOf<StaticText1>  // the bytes, made at compile time
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

#include "core/PropertyBlob.h"

namespace fw::layout {

// The Index of a control that is in no control array.
inline constexpr int32_t kNoControlArray = std::numeric_limits<int32_t>::min();

inline constexpr Color kBlack = Color::RGB(0x000000);
inline constexpr Color kWhite = Color::RGB(0xFFFFFF);

// Each list gives P(type, property, default) per property. The windows of
// the system differ in Placement, size, Frame, Title, CloseButton,
// LiveResize and MinimizeButton, which every window row gives.
// clang-format off
#define FW_LAYOUT_WINDOW(P) \
  P(int32_t, Placement, 0) \
  P(int32_t, Width, 0) \
  P(int32_t, Height, 0) \
  P(int32_t, MinWidth, 64) \
  P(int32_t, MinHeight, 64) \
  P(int32_t, MaxWidth, 32000) \
  P(int32_t, MaxHeight, 32000) \
  P(int32_t, Frame, 0) \
  P(bool, Composite, false) \
  P(bool, HasBackColor, false) \
  P(Color, BackColor, kWhite) \
  P(std::string_view, Title, {}) \
  P(bool, Visible, true) \
  P(bool, FullScreen, false) \
  P(bool, MenuBarVisible, true) \
  P(bool, CloseButton, true) \
  P(bool, Resizeable, false) \
  P(bool, LiveResize, true) \
  P(bool, MaximizeButton, false) \
  P(bool, MinimizeButton, false) \
  P(int32_t, MacProcID, 0)

#define FW_LAYOUT_CONTROL(P) \
  P(std::string_view, Name, {}) \
  P(int32_t, Index, kNoControlArray) \
  P(int32_t, Left, 0) \
  P(int32_t, Top, 0) \
  P(int32_t, Width, 0) \
  P(int32_t, Height, 0) \
  P(bool, LockLeft, false) \
  P(bool, LockTop, false) \
  P(bool, LockRight, false) \
  P(bool, LockBottom, false) \
  P(int32_t, TabPanelIndex, 0) \
  P(int32_t, TabIndex, 0)

#define FW_LAYOUT_STATIC_TEXT(P) \
  FW_LAYOUT_CONTROL(P) \
  P(std::string_view, Text, "") \
  P(int32_t, TextAlign, 0) \
  P(Color, TextColor, kBlack) \
  P(bool, Multiline, false) \
  P(bool, Enabled, true) \
  P(bool, Visible, true) \
  P(bool, Selectable, false) \
  P(bool, Transparent, false) \
  P(std::string_view, HelpTag, "") \
  P(bool, AutoDeactivate, true) \
  P(std::string_view, TextFont, "System") \
  P(bool, Bold, false) \
  P(bool, Italic, false) \
  P(bool, Underline, false) \
  P(std::string_view, DataSource, "") \
  P(std::string_view, DataField, "") \
  P(std::string_view, InitialParent, "")

#define FW_LAYOUT_TEXT_FIELD(P) \
  FW_LAYOUT_CONTROL(P) \
  P(bool, TabStop, true) \
  P(bool, Border, true) \
  P(bool, Password, false) \
  P(bool, UseFocusRing, true) \
  P(Color, TextColor, kBlack) \
  P(Color, BackColor, kWhite) \
  P(bool, Enabled, true) \
  P(std::string_view, Format, "") \
  P(bool, Visible, true) \
  P(std::string_view, HelpTag, "") \
  P(bool, AutoDeactivate, true) \
  P(std::string_view, TextFont, "System") \
  P(bool, Bold, false) \
  P(bool, Italic, false) \
  P(bool, Underline, false) \
  P(std::string_view, CueText, "") \
  P(std::string_view, Text, "") \
  P(std::string_view, Mask, "") \
  P(bool, ReadOnly, false) \
  P(int32_t, LimitText, 0) \
  P(bool, AcceptTabs, false) \
  P(int32_t, Alignment, 0) \
  P(std::string_view, DataSource, "") \
  P(std::string_view, DataField, "") \
  P(std::string_view, InitialParent, "")

#define FW_LAYOUT_PUSH_BUTTON(P) \
  FW_LAYOUT_CONTROL(P) \
  P(bool, TabStop, true) \
  P(std::string_view, Caption, "") \
  P(bool, Default, false) \
  P(bool, Cancel, false) \
  P(bool, Enabled, true) \
  P(bool, Visible, true) \
  P(std::string_view, HelpTag, "") \
  P(bool, AutoDeactivate, true) \
  P(std::string_view, TextFont, "System") \
  P(bool, Bold, false) \
  P(bool, Italic, false) \
  P(bool, Underline, false) \
  P(std::string_view, InitialParent, "")

#define FW_LAYOUT_CANVAS(P) \
  FW_LAYOUT_CONTROL(P) \
  P(bool, TabStop, true) \
  P(bool, Visible, true) \
  P(std::string_view, HelpTag, "") \
  P(bool, AutoDeactivate, true) \
  P(bool, Enabled, true) \
  P(bool, UseFocusRing, true) \
  P(bool, AcceptFocus, false) \
  P(bool, AcceptTabs, false) \
  P(bool, DoubleBuffer, false) \
  P(bool, EraseBackground, true) \
  P(std::string_view, InitialParent, "")

// clang-format on

#define FW_LAYOUT_FIELD(type, property, value) type property = value;
#define FW_LAYOUT_ENTRY(type, property, value) blob::Entry{#property, row.property},

struct Window {
  FW_LAYOUT_WINDOW(FW_LAYOUT_FIELD)
};
struct StaticText {
  FW_LAYOUT_STATIC_TEXT(FW_LAYOUT_FIELD)
};
struct TextField {
  FW_LAYOUT_TEXT_FIELD(FW_LAYOUT_FIELD)
};
struct PushButton {
  FW_LAYOUT_PUSH_BUTTON(FW_LAYOUT_FIELD)
};
struct Canvas {
  FW_LAYOUT_CANVAS(FW_LAYOUT_FIELD)
};

constexpr auto EntriesOf(const Window& row) {
  return std::array{FW_LAYOUT_WINDOW(FW_LAYOUT_ENTRY)};
}
constexpr auto EntriesOf(const StaticText& row) {
  return std::array{FW_LAYOUT_STATIC_TEXT(FW_LAYOUT_ENTRY)};
}
constexpr auto EntriesOf(const TextField& row) {
  return std::array{FW_LAYOUT_TEXT_FIELD(FW_LAYOUT_ENTRY)};
}
constexpr auto EntriesOf(const PushButton& row) {
  return std::array{FW_LAYOUT_PUSH_BUTTON(FW_LAYOUT_ENTRY)};
}
constexpr auto EntriesOf(const Canvas& row) {
  return std::array{FW_LAYOUT_CANVAS(FW_LAYOUT_ENTRY)};
}

#undef FW_LAYOUT_FIELD
#undef FW_LAYOUT_ENTRY

// A control whose blob leaves its class's order: its entries as they stand,
// for a control of the class whose row it replaces.
template <class Row, std::size_t N>
struct Entries {
  std::array<blob::Entry, N> entries;
};
template <class Row, std::size_t N>
constexpr Entries<Row, N> EntriesFor(const std::array<blob::Entry, N>& entries) {
  return {entries};
}
template <class Row, std::size_t N>
constexpr auto EntriesOf(const Entries<Row, N>& table) {
  return table.entries;
}

// A control's row, named after the control: the row's Name is the
// identifier, so a window that names a control that has no row does not
// compile.
#define FW_CONTROL_ROW(Class, name, ...)      \
  inline constexpr ::fw::layout::Class name { \
    .Name = #name, __VA_ARGS__                \
  }

// A row's entries, kept as an object of static storage so that Encoded can
// size its bytes from them.
template <const auto& Row>
inline constexpr auto RowEntries = EntriesOf(Row);

// The encoded blob of a constexpr row of static storage.
template <const auto& Row>
inline constexpr const auto& Blob = blob::Encoded<RowEntries<Row>>;

// The blob of a constexpr row of static storage, as text.
template <const auto& Row>
inline constexpr std::string_view BlobOf = Blob<Row>.View();

// What a window needs to make one control: the name it registers the
// control under and the control's blob. Both come from one entry table, so
// the name is the blob's Name.
struct ControlLayout {
  std::string_view name;
  std::string_view blob;
};

namespace detail {
template <std::size_t N>
constexpr std::string_view NameEntryOf(const std::array<blob::Entry, N>& entries) {
  for (const blob::Entry& e : entries) {
    if (e.name == "Name") {
      return e.text;
    }
  }
  throw PropertyBlobException("layout: a control's entries have no Name");
}
template <std::size_t N>
constexpr int32_t TabIndexEntryOf(const std::array<blob::Entry, N>& entries) {
  for (const blob::Entry& e : entries) {
    if (e.name == "TabIndex") {
      return e.int32;
    }
  }
  return 0;
}
}  // namespace detail

// The TabIndex of a control's row.
template <const auto& Row>
inline constexpr int32_t TabIndexOf = detail::TabIndexEntryOf(RowEntries<Row>);

// The control layout of an entry table of static storage, for a blob that
// no row describes.
template <const auto& Entries>
inline constexpr ControlLayout ControlLayoutOfEntries{detail::NameEntryOf(Entries),
                                                      blob::Encoded<Entries>.View()};

// The control layout of a constexpr row of static storage.
template <const auto& Row>
inline constexpr const ControlLayout& ControlLayoutOf = ControlLayoutOfEntries<RowEntries<Row>>;

}  // namespace fw::layout
