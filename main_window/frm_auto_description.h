// The main window's description: its properties and its twelve controls.
#pragma once

#include <string_view>

#include "forms/description.h"

// The knowledge-base articles that the two links show and open.
inline constexpr std::wstring_view kArticle120716 = L"http://support.microsoft.com/kb/120716";
inline constexpr std::wstring_view kArticle279868 = L"http://support.microsoft.com/kb/279868";

extern const forms::FormDescription frmAutoDescription;
