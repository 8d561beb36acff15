#pragma once
// The About window and its six controls, laid out.
#include "common/SharedTexts.h"
#include "core/LayoutEntries.h"

namespace AboutWindowLayout {

using fw::Color;

// A row per window and per control; clang-format would give each field a line.
// clang-format off
inline constexpr fw::layout::Window Window{
    .Placement = 1, .Width = 356, .Height = 164, .Frame = 0, .Title = "About",
    .CloseButton = true, .LiveResize = false, .MinimizeButton = false};

// In creation order. The first three texts are placeholders that Open
// replaces; the two links carry the texts that Open sets again.
FW_CONTROL_ROW(StaticText, stProgramName,
    .Left = 20, .Top = 14, .Width = 238, .Height = 20, .TabIndex = 1,
    .Text = "ProgramName", .TextColor = Color::RGB(0x000000), .Bold = true, .Underline = false);
FW_CONTROL_ROW(StaticText, stVersion,
    .Left = 20, .Top = 46, .Width = 238, .Height = 20, .TabIndex = 2,
    .Text = "Version", .TextColor = Color::RGB(0x000000), .Bold = false, .Underline = false);
FW_CONTROL_ROW(StaticText, stCopyright,
    .Left = 20, .Top = 68, .Width = 316, .Height = 20, .TabIndex = 3,
    .Text = "Copyright", .TextColor = Color::RGB(0x000000), .Bold = false, .Underline = false);
FW_CONTROL_ROW(StaticText, stEmail,
    .Left = 20, .Top = 100, .Width = 160, .Height = 20, .TabIndex = 5,
    .Text = SupportAddress, .TextColor = Color::RGB(0x0000FF),
    .HelpTag = "Open default email application to compose an email",
    .Bold = false, .Underline = true);
FW_CONTROL_ROW(StaticText, stURL,
    .Left = 20, .Top = 124, .Width = 160, .Height = 20, .TabIndex = 6,
    .Text = WebsiteURL, .TextColor = Color::RGB(0x0000FF),
    .HelpTag = "Open default web browser and go to applications' website",
    .Bold = false, .Underline = true);
FW_CONTROL_ROW(Canvas, Canvas1,
    .Left = 288, .Top = 14, .Width = 48, .Height = 48, .TabIndex = 9);
// clang-format on

static_assert(fw::layout::BlobOf<Window>.size() == 272);
static_assert(fw::layout::BlobOf<stProgramName>.size() == 363);
static_assert(fw::layout::BlobOf<stVersion>.size() == 355);
static_assert(fw::layout::BlobOf<stCopyright>.size() == 359);
static_assert(fw::layout::BlobOf<stEmail>.size() == 396 + SupportAddress.size());
static_assert(fw::layout::BlobOf<stURL>.size() == 400 + WebsiteURL.size());
static_assert(fw::layout::BlobOf<Canvas1>.size() == 280);

}  // namespace AboutWindowLayout
