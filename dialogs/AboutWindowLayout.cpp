#include "dialogs/AboutWindowLayout.h"

#include "common/SharedTexts.h"
#include "core/LayoutEntries.h"

namespace {

using fw::Color;
using fw::layout::Blob;
using fw::layout::ControlLayoutOf;
using fw::layout::StaticText;

// A row per window and per control; clang-format would give each field a line.
// clang-format off
constexpr fw::layout::Window kWindow{
    .Placement = 1, .Width = 356, .Height = 164, .Frame = 0, .Title = "About",
    .CloseButton = true, .LiveResize = false, .MinimizeButton = false};

// In creation order. The first three texts are placeholders that Open
// replaces; the two links carry the texts that Open sets again.
constexpr StaticText kStProgramName{
    .Name = "stProgramName", .Left = 20, .Top = 14, .Width = 238, .Height = 20, .TabIndex = 1,
    .Text = "ProgramName", .TextColor = Color::RGB(0x000000), .Bold = true, .Underline = false};
constexpr StaticText kStVersion{
    .Name = "stVersion", .Left = 20, .Top = 46, .Width = 238, .Height = 20, .TabIndex = 2,
    .Text = "Version", .TextColor = Color::RGB(0x000000), .Bold = false, .Underline = false};
constexpr StaticText kStCopyright{
    .Name = "stCopyright", .Left = 20, .Top = 68, .Width = 316, .Height = 20, .TabIndex = 3,
    .Text = "Copyright", .TextColor = Color::RGB(0x000000), .Bold = false, .Underline = false};
constexpr StaticText kStEmail{
    .Name = "stEmail", .Left = 20, .Top = 100, .Width = 160, .Height = 20, .TabIndex = 5,
    .Text = SupportAddress, .TextColor = Color::RGB(0x0000FF),
    .HelpTag = "Open default email application to compose an email",
    .Bold = false, .Underline = true};
constexpr StaticText kStURL{
    .Name = "stURL", .Left = 20, .Top = 124, .Width = 160, .Height = 20, .TabIndex = 6,
    .Text = WebsiteURL, .TextColor = Color::RGB(0x0000FF),
    .HelpTag = "Open default web browser and go to applications' website",
    .Bold = false, .Underline = true};
constexpr fw::layout::Canvas kCanvas1{
    .Name = "Canvas1", .Left = 288, .Top = 14, .Width = 48, .Height = 48, .TabIndex = 9};

// clang-format on

static_assert(Blob<kWindow>.size() == 272);
static_assert(Blob<kStProgramName>.size() == 363);
static_assert(Blob<kStVersion>.size() == 355);
static_assert(Blob<kStCopyright>.size() == 359);
static_assert(Blob<kStEmail>.size() == 396 + SupportAddress.size());
static_assert(Blob<kStURL>.size() == 400 + WebsiteURL.size());
static_assert(Blob<kCanvas1>.size() == 280);

}  // namespace

namespace AboutWindowLayout {

const std::string_view Window = Blob<kWindow>.View();
const fw::layout::ControlLayout stProgramName = ControlLayoutOf<kStProgramName>;
const fw::layout::ControlLayout stVersion = ControlLayoutOf<kStVersion>;
const fw::layout::ControlLayout stCopyright = ControlLayoutOf<kStCopyright>;
const fw::layout::ControlLayout stEmail = ControlLayoutOf<kStEmail>;
const fw::layout::ControlLayout stURL = ControlLayoutOf<kStURL>;
const fw::layout::ControlLayout Canvas1 = ControlLayoutOf<kCanvas1>;

}  // namespace AboutWindowLayout
