#pragma once
// Rows of the layout tables: one struct per class, its fields in the order in
// which the class's blobs list their entries, with the values that all
// controls of the class share as defaults. A layout writes a row with
// designated initializers for what differs; a window's row gives its blob
// with Blob, a control's row its name and blob with ControlLayoutOf:
//   constexpr fw::layout::StaticText kLabel{.Name = "StaticText1", .Left = 183};
//   const fw::layout::ControlLayout Label = fw::layout::ControlLayoutOf<kLabel>;
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

// A window's own blob. The windows of the system differ in Placement, size,
// Frame, Title, CloseButton, LiveResize and MinimizeButton, which every row
// gives; the other defaults are what they all share.
struct Window {
  int32_t Placement = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t MinWidth = 64;
  int32_t MinHeight = 64;
  int32_t MaxWidth = 32000;
  int32_t MaxHeight = 32000;
  int32_t Frame = 0;
  bool Composite = false;
  bool HasBackColor = false;
  Color BackColor = kWhite;
  std::string_view Title;
  bool Visible = true;
  bool FullScreen = false;
  bool MenuBarVisible = true;
  bool CloseButton = true;
  bool Resizeable = false;
  bool LiveResize = true;
  bool MaximizeButton = false;
  bool MinimizeButton = false;
  int32_t MacProcID = 0;
};

struct StaticText {
  std::string_view Name;
  int32_t Index = kNoControlArray;
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  bool LockLeft = false;
  bool LockTop = false;
  bool LockRight = false;
  bool LockBottom = false;
  int32_t TabPanelIndex = 0;
  int32_t TabIndex = 0;
  std::string_view Text = "";
  int32_t TextAlign = 0;
  Color TextColor = kBlack;
  bool Multiline = false;
  bool Enabled = true;
  bool Visible = true;
  bool Selectable = false;
  bool Transparent = false;
  std::string_view HelpTag = "";
  bool AutoDeactivate = true;
  std::string_view TextFont = "System";
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  std::string_view DataSource = "";
  std::string_view DataField = "";
  std::string_view InitialParent = "";
};

struct TextField {
  std::string_view Name;
  int32_t Index = kNoControlArray;
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  bool LockLeft = false;
  bool LockTop = false;
  bool LockRight = false;
  bool LockBottom = false;
  int32_t TabPanelIndex = 0;
  int32_t TabIndex = 0;
  bool TabStop = true;
  bool Border = true;
  bool Password = false;
  bool UseFocusRing = true;
  Color TextColor = kBlack;
  Color BackColor = kWhite;
  bool Enabled = true;
  std::string_view Format = "";
  bool Visible = true;
  std::string_view HelpTag = "";
  bool AutoDeactivate = true;
  std::string_view TextFont = "System";
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  std::string_view CueText = "";
  std::string_view Text = "";
  std::string_view Mask = "";
  bool ReadOnly = false;
  int32_t LimitText = 0;
  bool AcceptTabs = false;
  int32_t Alignment = 0;
  std::string_view DataSource = "";
  std::string_view DataField = "";
  std::string_view InitialParent = "";
};

struct PushButton {
  std::string_view Name;
  int32_t Index = kNoControlArray;
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  bool LockLeft = false;
  bool LockTop = false;
  bool LockRight = false;
  bool LockBottom = false;
  int32_t TabPanelIndex = 0;
  int32_t TabIndex = 0;
  bool TabStop = true;
  std::string_view Caption = "";
  bool Default = false;
  bool Cancel = false;
  bool Enabled = true;
  bool Visible = true;
  std::string_view HelpTag = "";
  bool AutoDeactivate = true;
  std::string_view TextFont = "System";
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  std::string_view InitialParent = "";
};

struct Canvas {
  std::string_view Name;
  int32_t Index = kNoControlArray;
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  bool LockLeft = false;
  bool LockTop = false;
  bool LockRight = false;
  bool LockBottom = false;
  int32_t TabPanelIndex = 0;
  int32_t TabIndex = 0;
  bool TabStop = true;
  bool Visible = true;
  std::string_view HelpTag = "";
  bool AutoDeactivate = true;
  bool Enabled = true;
  bool UseFocusRing = true;
  bool AcceptFocus = false;
  bool AcceptTabs = false;
  bool DoubleBuffer = false;
  bool EraseBackground = true;
  std::string_view InitialParent = "";
};

// An array of the wrong length does not compile: Entry has no default.
constexpr std::array<blob::Entry, 21> EntriesOf(const Window& w) {
  return {{
      {"Placement", w.Placement},
      {"Width", w.Width},
      {"Height", w.Height},
      {"MinWidth", w.MinWidth},
      {"MinHeight", w.MinHeight},
      {"MaxWidth", w.MaxWidth},
      {"MaxHeight", w.MaxHeight},
      {"Frame", w.Frame},
      {"Composite", w.Composite},
      {"HasBackColor", w.HasBackColor},
      {"BackColor", w.BackColor},
      {"Title", w.Title},
      {"Visible", w.Visible},
      {"FullScreen", w.FullScreen},
      {"MenuBarVisible", w.MenuBarVisible},
      {"CloseButton", w.CloseButton},
      {"Resizeable", w.Resizeable},
      {"LiveResize", w.LiveResize},
      {"MaximizeButton", w.MaximizeButton},
      {"MinimizeButton", w.MinimizeButton},
      {"MacProcID", w.MacProcID},
  }};
}

constexpr std::array<blob::Entry, 29> EntriesOf(const StaticText& c) {
  return {{
      {"Name", c.Name},
      {"Index", c.Index},
      {"Left", c.Left},
      {"Top", c.Top},
      {"Width", c.Width},
      {"Height", c.Height},
      {"LockLeft", c.LockLeft},
      {"LockTop", c.LockTop},
      {"LockRight", c.LockRight},
      {"LockBottom", c.LockBottom},
      {"TabPanelIndex", c.TabPanelIndex},
      {"TabIndex", c.TabIndex},
      {"Text", c.Text},
      {"TextAlign", c.TextAlign},
      {"TextColor", c.TextColor},
      {"Multiline", c.Multiline},
      {"Enabled", c.Enabled},
      {"Visible", c.Visible},
      {"Selectable", c.Selectable},
      {"Transparent", c.Transparent},
      {"HelpTag", c.HelpTag},
      {"AutoDeactivate", c.AutoDeactivate},
      {"TextFont", c.TextFont},
      {"Bold", c.Bold},
      {"Italic", c.Italic},
      {"Underline", c.Underline},
      {"DataSource", c.DataSource},
      {"DataField", c.DataField},
      {"InitialParent", c.InitialParent},
  }};
}

constexpr std::array<blob::Entry, 37> EntriesOf(const TextField& c) {
  return {{
      {"Name", c.Name},
      {"Index", c.Index},
      {"Left", c.Left},
      {"Top", c.Top},
      {"Width", c.Width},
      {"Height", c.Height},
      {"LockLeft", c.LockLeft},
      {"LockTop", c.LockTop},
      {"LockRight", c.LockRight},
      {"LockBottom", c.LockBottom},
      {"TabPanelIndex", c.TabPanelIndex},
      {"TabIndex", c.TabIndex},
      {"TabStop", c.TabStop},
      {"Border", c.Border},
      {"Password", c.Password},
      {"UseFocusRing", c.UseFocusRing},
      {"TextColor", c.TextColor},
      {"BackColor", c.BackColor},
      {"Enabled", c.Enabled},
      {"Format", c.Format},
      {"Visible", c.Visible},
      {"HelpTag", c.HelpTag},
      {"AutoDeactivate", c.AutoDeactivate},
      {"TextFont", c.TextFont},
      {"Bold", c.Bold},
      {"Italic", c.Italic},
      {"Underline", c.Underline},
      {"CueText", c.CueText},
      {"Text", c.Text},
      {"Mask", c.Mask},
      {"ReadOnly", c.ReadOnly},
      {"LimitText", c.LimitText},
      {"AcceptTabs", c.AcceptTabs},
      {"Alignment", c.Alignment},
      {"DataSource", c.DataSource},
      {"DataField", c.DataField},
      {"InitialParent", c.InitialParent},
  }};
}

constexpr std::array<blob::Entry, 25> EntriesOf(const PushButton& c) {
  return {{
      {"Name", c.Name},
      {"Index", c.Index},
      {"Left", c.Left},
      {"Top", c.Top},
      {"Width", c.Width},
      {"Height", c.Height},
      {"LockLeft", c.LockLeft},
      {"LockTop", c.LockTop},
      {"LockRight", c.LockRight},
      {"LockBottom", c.LockBottom},
      {"TabPanelIndex", c.TabPanelIndex},
      {"TabIndex", c.TabIndex},
      {"TabStop", c.TabStop},
      {"Caption", c.Caption},
      {"Default", c.Default},
      {"Cancel", c.Cancel},
      {"Enabled", c.Enabled},
      {"Visible", c.Visible},
      {"HelpTag", c.HelpTag},
      {"AutoDeactivate", c.AutoDeactivate},
      {"TextFont", c.TextFont},
      {"Bold", c.Bold},
      {"Italic", c.Italic},
      {"Underline", c.Underline},
      {"InitialParent", c.InitialParent},
  }};
}

constexpr std::array<blob::Entry, 23> EntriesOf(const Canvas& c) {
  return {{
      {"Name", c.Name},
      {"Index", c.Index},
      {"Left", c.Left},
      {"Top", c.Top},
      {"Width", c.Width},
      {"Height", c.Height},
      {"LockLeft", c.LockLeft},
      {"LockTop", c.LockTop},
      {"LockRight", c.LockRight},
      {"LockBottom", c.LockBottom},
      {"TabPanelIndex", c.TabPanelIndex},
      {"TabIndex", c.TabIndex},
      {"TabStop", c.TabStop},
      {"Visible", c.Visible},
      {"HelpTag", c.HelpTag},
      {"AutoDeactivate", c.AutoDeactivate},
      {"Enabled", c.Enabled},
      {"UseFocusRing", c.UseFocusRing},
      {"AcceptFocus", c.AcceptFocus},
      {"AcceptTabs", c.AcceptTabs},
      {"DoubleBuffer", c.DoubleBuffer},
      {"EraseBackground", c.EraseBackground},
      {"InitialParent", c.InitialParent},
  }};
}

// A row's entries, kept as an object of static storage so that Encoded can
// size its bytes from them.
template <const auto& Row>
inline constexpr auto RowEntries = EntriesOf(Row);

// The encoded blob of a constexpr row of static storage.
template <const auto& Row>
inline constexpr const auto& Blob = blob::Encoded<RowEntries<Row>>;

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
}  // namespace detail

// The control layout of an entry table of static storage, for a blob that
// no row describes.
template <const auto& Entries>
inline constexpr ControlLayout ControlLayoutOfEntries{detail::NameEntryOf(Entries),
                                                      blob::Encoded<Entries>.View()};

// The control layout of a constexpr row of static storage.
template <const auto& Row>
inline constexpr const ControlLayout& ControlLayoutOf = ControlLayoutOfEntries<RowEntries<Row>>;

}  // namespace fw::layout
