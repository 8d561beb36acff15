#pragma once
// The message window and its three controls, laid out.
#include <array>

#include "core/LayoutEntries.h"

namespace NotifyWindowLayout {

using fw::Color;
using fw::blob::Entry;
using fw::layout::kNoControlArray;

// A row per window and per control; clang-format would give each field a line.
// clang-format off
inline constexpr fw::layout::Window Window{
    .Placement = 2, .Width = 387, .Height = 146, .Frame = 8, .Title = "Untitled",
    .CloseButton = false, .LiveResize = true, .MinimizeButton = false};

// In creation order; the tab indexes are 0, 2 and 4 as stored.
FW_CONTROL_ROW(PushButton, btnOk,
    .Left = 287, .Top = 106, .Width = 80, .Height = 20, .TabIndex = 0,
    .Caption = "OK", .Default = true);

// The one label that leaves its class's order: TabStop comes first, and the
// label keeps the framework's Selectable and Transparent.
inline constexpr auto stMsg = fw::layout::EntriesFor<fw::layout::StaticText>(std::to_array<Entry>({
    {"TabStop", true},
    {"Name", "stMsg"},
    {"Index", kNoControlArray},
    {"Left", 80},
    {"Top", 14},
    {"Width", 287},
    {"Height", 80},
    {"LockLeft", false},
    {"LockTop", false},
    {"LockRight", false},
    {"LockBottom", false},
    {"TabPanelIndex", 0},
    {"TabIndex", 2},
    {"Text", "Message"},
    {"TextAlign", 0},
    {"TextColor", Color::RGB(0x000000)},
    {"Multiline", true},
    {"Enabled", true},
    {"Visible", true},
    {"HelpTag", ""},
    {"AutoDeactivate", true},
    {"TextFont", "System"},
    {"Bold", false},
    {"Italic", false},
    {"Underline", false},
    {"DataSource", ""},
    {"DataField", ""},
    {"InitialParent", ""},
}));

FW_CONTROL_ROW(Canvas, Canvas1,
    .Left = 20, .Top = 14, .Width = 48, .Height = 48, .TabIndex = 4);
// clang-format on

static_assert(fw::layout::BlobOf<Window>.size() == 275);
static_assert(fw::layout::BlobOf<btnOk>.size() == 283);
static_assert(stMsg.entries.size() == 28 && fw::layout::BlobOf<stMsg>.size() == 335);
static_assert(fw::layout::ControlLayoutOf<stMsg>.name == "stMsg");
static_assert(fw::layout::BlobOf<Canvas1>.size() == 280);

}  // namespace NotifyWindowLayout
