#pragma once
// The main window and its 13 controls, laid out.
#include "common/SharedTexts.h"
#include "core/LayoutEntries.h"

namespace MainWindowLayout {

using fw::Color;

// A row per window and per control; clang-format would give each field a line.
// clang-format off
inline constexpr fw::layout::Window Window{
    .Placement = 2, .Width = 490, .Height = 149, .Frame = 0, .Title = "MainWindow",
    .CloseButton = true, .LiveResize = true, .MinimizeButton = true};

// In creation order, which is ascending TabIndex.
FW_CONTROL_ROW(StaticText, StaticText1,
    .Left = 183, .Top = 14, .Width = 36, .Height = 20, .TabIndex = 0,
    .Text = "% of", .TextAlign = 0, .TextColor = Color::RGB(0x000000));
FW_CONTROL_ROW(TextField, edPercent,
    .Left = 127, .Top = 13, .Width = 50, .Height = 22, .TabIndex = 1,
    .TextColor = Color::RGB(0x000000), .Text = "");
FW_CONTROL_ROW(TextField, edValue,
    .Left = 218, .Top = 13, .Width = 89, .Height = 22, .TabIndex = 2,
    .TextColor = Color::RGB(0x000000), .Text = "");
FW_CONTROL_ROW(StaticText, stPlus,
    .Left = 319, .Top = 77, .Width = 151, .Height = 20, .TabIndex = 4,
    .Text = "", .TextAlign = 2, .TextColor = Color::RGB(0x004080));
FW_CONTROL_ROW(StaticText, stMinus,
    .Left = 319, .Top = 109, .Width = 151, .Height = 20, .TabIndex = 5,
    .Text = "", .TextAlign = 2, .TextColor = Color::RGB(0x004080));
FW_CONTROL_ROW(PushButton, btnCalc,
    .Left = 319, .Top = 14, .Width = 80, .Height = 20, .TabIndex = 6,
    .Caption = "Calculate");
FW_CONTROL_ROW(PushButton, btnClear,
    .Left = 411, .Top = 14, .Width = 59, .Height = 20, .TabIndex = 7,
    .Caption = "Clear");
FW_CONTROL_ROW(StaticText, stAmount,
    .Left = 319, .Top = 45, .Width = 151, .Height = 20, .TabIndex = 9,
    .Text = "", .TextAlign = 2, .TextColor = Color::RGB(0x004080));
FW_CONTROL_ROW(StaticText, StaticText2,
    .Left = 79, .Top = 13, .Width = 46, .Height = 20, .TabIndex = 13,
    .Text = "What's", .TextAlign = 0, .TextColor = Color::RGB(0x000000));
FW_CONTROL_ROW(StaticText, stClick,
    .Left = 79, .Top = 45, .Width = 230, .Height = 17, .TabIndex = 14,
    .Text = "Click on a result to copy to clipboard -->", .TextAlign = 0,
    .TextColor = Color::RGB(0x008000), .Multiline = true, .Visible = false);
FW_CONTROL_ROW(PushButton, btnCalc1,
    .Left = 20, .Top = 77, .Width = 141, .Height = 20, .TabIndex = 15,
    .Caption = "Launch calculator", .HelpTag = "Use the system's calculator application");
FW_CONTROL_ROW(StaticText, stInfo2,
    .Left = 20, .Top = 112, .Width = 133, .Height = 16,
    .LockLeft = true, .LockTop = true, .TabIndex = 16,
    .Text = WebsiteURL, .TextAlign = 0, .TextColor = Color::RGB(0x0000FF),
    .HelpTag = "Visit our website", .Underline = true);
FW_CONTROL_ROW(Canvas, Canvas1,
    .Left = 20, .Top = 14, .Width = 48, .Height = 48,
    .LockLeft = true, .LockTop = true, .TabIndex = 17);
// clang-format on

static_assert(fw::layout::BlobOf<Window>.size() == 277);
static_assert(fw::layout::BlobOf<StaticText1>.size() == 354);
static_assert(fw::layout::BlobOf<edPercent>.size() == 434);
static_assert(fw::layout::BlobOf<edValue>.size() == 432);
static_assert(fw::layout::BlobOf<stPlus>.size() == 345);
static_assert(fw::layout::BlobOf<stMinus>.size() == 346);
static_assert(fw::layout::BlobOf<btnCalc>.size() == 292);
static_assert(fw::layout::BlobOf<btnClear>.size() == 289);
static_assert(fw::layout::BlobOf<stAmount>.size() == 347);
static_assert(fw::layout::BlobOf<StaticText2>.size() == 356);
static_assert(fw::layout::BlobOf<stClick>.size() == 388);
static_assert(fw::layout::BlobOf<btnCalc1>.size() == 340);
static_assert(fw::layout::BlobOf<stInfo2>.size() == 363 + WebsiteURL.size());
static_assert(fw::layout::BlobOf<Canvas1>.size() == 280);

}  // namespace MainWindowLayout
