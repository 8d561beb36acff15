#include "calculator/MainWindowLayout.h"

#include "common/SharedTexts.h"
#include "core/LayoutEntries.h"

namespace {

using fw::Color;
using fw::layout::Blob;
using fw::layout::Canvas;
using fw::layout::ControlLayoutOf;
using fw::layout::PushButton;
using fw::layout::StaticText;
using fw::layout::TextField;

// A row per window and per control; clang-format would give each field a line.
// clang-format off
constexpr fw::layout::Window kWindow{
    .Placement = 2, .Width = 490, .Height = 149, .Frame = 0, .Title = "MainWindow",
    .CloseButton = true, .LiveResize = true, .MinimizeButton = true};

// In creation order, which is ascending TabIndex.
constexpr StaticText kStaticText1{
    .Name = "StaticText1", .Left = 183, .Top = 14, .Width = 36, .Height = 20, .TabIndex = 0,
    .Text = "% of", .TextAlign = 0, .TextColor = Color::RGB(0x000000)};
constexpr TextField kEdPercent{
    .Name = "edPercent", .Left = 127, .Top = 13, .Width = 50, .Height = 22, .TabIndex = 1,
    .TextColor = Color::RGB(0x000000), .Text = ""};
constexpr TextField kEdValue{
    .Name = "edValue", .Left = 218, .Top = 13, .Width = 89, .Height = 22, .TabIndex = 2,
    .TextColor = Color::RGB(0x000000), .Text = ""};
constexpr StaticText kStPlus{
    .Name = "stPlus", .Left = 319, .Top = 77, .Width = 151, .Height = 20, .TabIndex = 4,
    .Text = "", .TextAlign = 2, .TextColor = Color::RGB(0x004080)};
constexpr StaticText kStMinus{
    .Name = "stMinus", .Left = 319, .Top = 109, .Width = 151, .Height = 20, .TabIndex = 5,
    .Text = "", .TextAlign = 2, .TextColor = Color::RGB(0x004080)};
constexpr PushButton kBtnCalc{
    .Name = "btnCalc", .Left = 319, .Top = 14, .Width = 80, .Height = 20, .TabIndex = 6,
    .Caption = "Calculate"};
constexpr PushButton kBtnClear{
    .Name = "btnClear", .Left = 411, .Top = 14, .Width = 59, .Height = 20, .TabIndex = 7,
    .Caption = "Clear"};
constexpr StaticText kStAmount{
    .Name = "stAmount", .Left = 319, .Top = 45, .Width = 151, .Height = 20, .TabIndex = 9,
    .Text = "", .TextAlign = 2, .TextColor = Color::RGB(0x004080)};
constexpr StaticText kStaticText2{
    .Name = "StaticText2", .Left = 79, .Top = 13, .Width = 46, .Height = 20, .TabIndex = 13,
    .Text = "What's", .TextAlign = 0, .TextColor = Color::RGB(0x000000)};
constexpr StaticText kStClick{
    .Name = "stClick", .Left = 79, .Top = 45, .Width = 230, .Height = 17, .TabIndex = 14,
    .Text = "Click on a result to copy to clipboard -->", .TextAlign = 0,
    .TextColor = Color::RGB(0x008000), .Multiline = true, .Visible = false};
constexpr PushButton kBtnCalc1{
    .Name = "btnCalc1", .Left = 20, .Top = 77, .Width = 141, .Height = 20, .TabIndex = 15,
    .Caption = "Launch calculator", .HelpTag = "Use the system's calculator application"};
constexpr StaticText kStInfo2{
    .Name = "stInfo2", .Left = 20, .Top = 112, .Width = 133, .Height = 16,
    .LockLeft = true, .LockTop = true, .TabIndex = 16,
    .Text = WebsiteURL, .TextAlign = 0, .TextColor = Color::RGB(0x0000FF),
    .HelpTag = "Visit our website", .Underline = true};
constexpr Canvas kCanvas1{
    .Name = "Canvas1", .Left = 20, .Top = 14, .Width = 48, .Height = 48,
    .LockLeft = true, .LockTop = true, .TabIndex = 17};

// clang-format on

static_assert(Blob<kWindow>.size() == 277);
static_assert(Blob<kStaticText1>.size() == 354);
static_assert(Blob<kEdPercent>.size() == 434);
static_assert(Blob<kEdValue>.size() == 432);
static_assert(Blob<kStPlus>.size() == 345);
static_assert(Blob<kStMinus>.size() == 346);
static_assert(Blob<kBtnCalc>.size() == 292);
static_assert(Blob<kBtnClear>.size() == 289);
static_assert(Blob<kStAmount>.size() == 347);
static_assert(Blob<kStaticText2>.size() == 356);
static_assert(Blob<kStClick>.size() == 388);
static_assert(Blob<kBtnCalc1>.size() == 340);
static_assert(Blob<kStInfo2>.size() == 363 + WebsiteURL.size());
static_assert(Blob<kCanvas1>.size() == 280);

}  // namespace

namespace MainWindowLayout {

const std::string_view Window = Blob<kWindow>.View();
const fw::layout::ControlLayout StaticText1 = ControlLayoutOf<kStaticText1>;
const fw::layout::ControlLayout edPercent = ControlLayoutOf<kEdPercent>;
const fw::layout::ControlLayout edValue = ControlLayoutOf<kEdValue>;
const fw::layout::ControlLayout stPlus = ControlLayoutOf<kStPlus>;
const fw::layout::ControlLayout stMinus = ControlLayoutOf<kStMinus>;
const fw::layout::ControlLayout btnCalc = ControlLayoutOf<kBtnCalc>;
const fw::layout::ControlLayout btnClear = ControlLayoutOf<kBtnClear>;
const fw::layout::ControlLayout stAmount = ControlLayoutOf<kStAmount>;
const fw::layout::ControlLayout StaticText2 = ControlLayoutOf<kStaticText2>;
const fw::layout::ControlLayout stClick = ControlLayoutOf<kStClick>;
const fw::layout::ControlLayout btnCalc1 = ControlLayoutOf<kBtnCalc1>;
const fw::layout::ControlLayout stInfo2 = ControlLayoutOf<kStInfo2>;
const fw::layout::ControlLayout Canvas1 = ControlLayoutOf<kCanvas1>;

}  // namespace MainWindowLayout
