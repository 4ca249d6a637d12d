// The About window's description.
#pragma once

#include "forms/description.h"
#include "resources/resource_ids.h"

namespace form1_layout {

using forms::ControlClass;
using forms::kWhite;

inline constexpr forms::Font kBold8{L"MS Sans Serif", 8.25, true};
inline constexpr forms::Font kBold13{L"MS Sans Serif", 13.5, true};

// Each colon is listed before its row's caption, so it lies above the caption's box.
inline constexpr forms::ControlDescription kControls[] = {
    {.type = ControlClass::CommandButton, .name = L"Command1", .caption = L"&Close",
     .box = {720, 2400, 2055, 375}, .tabIndex = 1, .font = kBold8,
     .mousePointer = forms::MousePointer::Custom, .mouseIconId = IDC_HAND_CURSOR, .toolTipText = L"Close"},
    {.type = ControlClass::Frame, .name = L"Frame1", .caption = L"About Kelvorn Drast",
     .box = {120, 840, 3255, 1455}, .tabIndex = 0, .font = kBold8, .backColor = kWhite},
    {.type = ControlClass::Label, .name = L"Label1", .index = 7, .container = L"Frame1", .caption = L"2.1",
     .box = {1440, 1080, 975, 255}, .tabIndex = 12, .backColor = kWhite},
    {.type = ControlClass::Label, .name = L"Label2", .index = 3, .container = L"Frame1", .caption = L":",
     .box = {1200, 1080, 135, 255}, .tabIndex = 11, .backColor = kWhite},
    {.type = ControlClass::Label, .name = L"Label1", .index = 6, .container = L"Frame1", .caption = L"Version",
     .box = {240, 1080, 1095, 255}, .tabIndex = 10, .backColor = kWhite},
    {.type = ControlClass::Label, .name = L"Label1", .index = 4, .container = L"Frame1",
     .caption = L"Quorvel Software", .box = {1440, 720, 1455, 255}, .tabIndex = 7, .backColor = kWhite},
    {.type = ControlClass::Label, .name = L"Label1", .index = 3, .container = L"Frame1",
     .caption = L"Jorvan Pellis", .box = {1440, 360, 1455, 255}, .tabIndex = 6, .backColor = kWhite},
    {.type = ControlClass::Label, .name = L"Label2", .index = 1, .container = L"Frame1", .caption = L":",
     .box = {1200, 720, 135, 255}, .tabIndex = 5, .backColor = kWhite},
    {.type = ControlClass::Label, .name = L"Label2", .index = 0, .container = L"Frame1", .caption = L":",
     .box = {1200, 360, 135, 255}, .tabIndex = 4, .backColor = kWhite},
    {.type = ControlClass::Label, .name = L"Label1", .index = 1, .container = L"Frame1", .caption = L"Publisher",
     .box = {240, 720, 1095, 255}, .tabIndex = 3, .backColor = kWhite},
    {.type = ControlClass::Label, .name = L"Label1", .index = 0, .container = L"Frame1", .caption = L"Programmer",
     .box = {240, 360, 1095, 255}, .tabIndex = 2, .backColor = kWhite},
    {.type = ControlClass::Label, .name = L"Label3", .index = 1, .caption = L"Drast",
     .box = {2520, 240, 735, 375}, .tabIndex = 9, .font = kBold13, .backColor = kWhite},
    {.type = ControlClass::Label, .name = L"Label3", .index = 0, .caption = L"Kelvorn",
     .box = {240, 240, 1215, 375}, .tabIndex = 8, .font = kBold13, .backColor = kWhite},
    {.type = ControlClass::Image, .name = L"Image1", .box = {1800, 240, 480, 480},
     .picture = {forms::PictureKind::Icon, IDI_PROGRAM_ICON}},
};

}  // namespace form1_layout

inline constexpr forms::FormDescription Form1Description{
    .name = L"Form1",
    .caption = L"About Kelvorn Drast",
    .backColor = forms::kWhite,
    .borderStyle = forms::BorderStyle::FixedSingle,
    .iconId = IDI_PROGRAM_ICON,
    .maxButton = false,
    .minButton = false,
    .clientWidth = 3495,
    .clientHeight = 2880,
    .startUpPosition = forms::StartUpPosition::CenterScreen,
    .controls = form1_layout::kControls,
};
