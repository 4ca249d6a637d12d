// The main window's description: its properties and its twelve controls.
#pragma once

#include <string_view>

#include "forms/description.h"
#include "resources/resource_ids.h"

// The knowledge-base articles that the two links show and open.
inline constexpr std::wstring_view kArticle120716 = L"http://support.microsoft.com/kb/120716";
inline constexpr std::wstring_view kArticle279868 = L"http://support.microsoft.com/kb/279868";

namespace frm_auto_layout {

using forms::Alignment;
using forms::BackStyle;
using forms::ControlClass;
using forms::MousePointer;
using forms::PictureKind;

inline constexpr forms::Font kBold8{L"MS Sans Serif", 8.25, true};
inline constexpr forms::Font kBold9{L"MS Sans Serif", 9.75, true};
inline constexpr forms::Font kBold13{L"MS Sans Serif", 13.5, true};
inline constexpr forms::Font kBold18{L"MS Sans Serif", 18, true};

inline constexpr wchar_t kExplanation[] =
    L"Windows Operating System does not allow to delete Autorun.inf folder because in it there are the names "
    L"of the folders that lead users are not permitted to remove manually, namely: con, aux, and nul.xxxxxxx.";

inline constexpr forms::ControlDescription kControls[] = {
    {.type = ControlClass::CommandButton, .name = L"Command2", .caption = L"&About",
     .box = {4080, 3360, 975, 375}, .tabIndex = 10, .font = kBold8,
     .mousePointer = MousePointer::Custom, .mouseIconId = IDC_HAND_CURSOR, .toolTipText = L"About Kelvorn Drast"},
    {.type = ControlClass::CommandButton, .name = L"Command1", .caption = L"&Exit",
     .box = {5280, 3360, 975, 375}, .tabIndex = 9, .font = kBold8,
     .mousePointer = MousePointer::Custom, .mouseIconId = IDC_HAND_CURSOR, .toolTipText = L"Exit Application"},
    {.type = ControlClass::CommandButton, .name = L"cmdHapus", .caption = L"&Delete Autorun.inf",
     .box = {3000, 1080, 3255, 975}, .tabIndex = 8, .font = kBold13,
     .mousePointer = MousePointer::Custom, .mouseIconId = IDC_HAND_CURSOR, .toolTipText = L"Delete Autorun.inf"},
    {.type = ControlClass::Frame, .name = L"Frame1", .caption = L"Select Drive",
     .box = {120, 960, 2775, 1095}, .tabIndex = 0, .backColor = forms::kWhite},
    {.type = ControlClass::DriveListBox, .name = L"Drive1", .container = L"Frame1",
     .box = {120, 480, 2535, 315}, .tabIndex = 1},
    {.type = ControlClass::Label, .name = L"Label6", .caption = kArticle279868.data(),
     .box = {120, 3480, 3465, 195}, .tabIndex = 7, .font = kBold8, .foreColor = forms::kBlue,
     .backStyle = BackStyle::Transparent, .autoSize = true,
     .mousePointer = MousePointer::Custom, .mouseIconId = IDC_HAND_CURSOR},
    {.type = ControlClass::Label, .name = L"Label5", .caption = kArticle120716.data(),
     .box = {120, 3200, 3465, 195}, .tabIndex = 6, .font = kBold8, .foreColor = forms::kBlue,
     .backStyle = BackStyle::Transparent, .autoSize = true,
     .mousePointer = MousePointer::Custom, .mouseIconId = IDC_HAND_CURSOR},
    {.type = ControlClass::Label, .name = L"Label3", .caption = L"For more information, go here:",
     .box = {120, 2895, 3480, 240}, .tabIndex = 5, .font = kBold9, .foreColor = forms::kRed,
     .backStyle = BackStyle::Transparent, .autoSize = true},
    // The chosen drive's letter and colon; never seen, it lies under the frame.
    {.type = ControlClass::Label, .name = L"Label1", .caption = L"Label1",
     .box = {120, 1800, 2655, 255}, .tabIndex = 4, .backStyle = BackStyle::Transparent, .visible = false},
    {.type = ControlClass::Label, .name = L"Label2", .caption = kExplanation,
     .box = {360, 2160, 5655, 675}, .tabIndex = 3, .backStyle = BackStyle::Transparent,
     .alignment = Alignment::Center},
    {.type = ControlClass::Image, .name = L"Image1", .box = {360, 120, 675, 705}, .stretch = true,
     .picture = {PictureKind::Bitmap, IDB_FOLDER_PICTURE}},
    {.type = ControlClass::Label, .name = L"Label4", .caption = L"Erasers Folders Autorun.inf",
     .box = {1320, 240, 4785, 435}, .tabIndex = 2, .font = kBold18, .foreColor = forms::kRed,
     .backStyle = BackStyle::Transparent, .autoSize = true},
};

}  // namespace frm_auto_layout

inline constexpr forms::FormDescription frmAutoDescription{
    .name = L"frmAuto",
    .caption = L"Kelvorn Drast 2.1",
    .backColor = forms::kWhite,
    .borderStyle = forms::BorderStyle::FixedSingle,
    .iconId = IDI_PROGRAM_ICON,
    .maxButton = false,
    .clientWidth = 6375,
    .clientHeight = 3840,
    .startUpPosition = forms::StartUpPosition::CenterScreen,
    .controls = frm_auto_layout::kControls,
};
