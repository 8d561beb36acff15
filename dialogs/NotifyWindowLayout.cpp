#include "dialogs/NotifyWindowLayout.h"

#include <array>

#include "core/LayoutEntries.h"

namespace {

using fw::Color;
using fw::blob::Encoded;
using fw::blob::Entry;
using fw::layout::Blob;
using fw::layout::ControlLayoutOf;
using fw::layout::ControlLayoutOfEntries;
using fw::layout::kNoControlArray;

// A row per window and per control; clang-format would give each field a line.
// clang-format off
constexpr fw::layout::Window kWindow{
    .Placement = 2, .Width = 387, .Height = 146, .Frame = 8, .Title = "Untitled",
    .CloseButton = false, .LiveResize = true, .MinimizeButton = false};

// In creation order; the tab indexes are 0, 2 and 4 as stored.
constexpr fw::layout::PushButton kBtnOk{
    .Name = "btnOk", .Left = 287, .Top = 106, .Width = 80, .Height = 20, .TabIndex = 0,
    .Caption = "OK", .Default = true};

// The one label that leaves its class's order: TabStop comes first, and the
// label keeps the framework's Selectable and Transparent.
constexpr auto kStMsg = std::to_array<Entry>({
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
});

constexpr fw::layout::Canvas kCanvas1{
    .Name = "Canvas1", .Left = 20, .Top = 14, .Width = 48, .Height = 48, .TabIndex = 4};

// clang-format on

static_assert(Blob<kWindow>.size() == 275);
static_assert(Blob<kBtnOk>.size() == 283);
static_assert(kStMsg.size() == 28 && Encoded<kStMsg>.size() == 335);
static_assert(Blob<kCanvas1>.size() == 280);

}  // namespace

namespace NotifyWindowLayout {

const std::string_view Window = Blob<kWindow>.View();
const fw::layout::ControlLayout btnOk = ControlLayoutOf<kBtnOk>;
const fw::layout::ControlLayout stMsg = ControlLayoutOfEntries<kStMsg>;
const fw::layout::ControlLayout Canvas1 = ControlLayoutOf<kCanvas1>;

}  // namespace NotifyWindowLayout
