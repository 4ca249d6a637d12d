// The message boxes of the Delete button, as the user sees them.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/ui_driver/message_box.h"

struct BoxLook {
  std::wstring text;
  std::wstring title;
  std::vector<int> buttons;
  ui::MessageBoxIcon icon;
};

inline const BoxLook kConfirmationBox{
    L"Are you sure you want to delete Autorun.inf folder ?\r\n\r\n"
    L"Attention: All Folders Autorun.inf and its contents will be deleted ...",
    L"Confirmation",
    {IDOK, IDCANCEL},
    ui::MessageBoxIcon::question};
inline const BoxLook kNotFoundBox{
    L"Autorun.inf folder is NOT found ...", L"Attention !", {IDOK}, ui::MessageBoxIcon::hand};
inline const BoxLook kDeletedBox{
    L"Autorun.inf folder deleted successfully ...!!!", L"Information", {IDOK}, ui::MessageBoxIcon::information};
inline const BoxLook kNotDeletedBox{
    L"Autorun.inf folder could NOT be deleted ...", L"Attention !", {IDOK}, ui::MessageBoxIcon::hand};

inline void ExpectBox(const ui::MessageBoxWindow& box, const BoxLook& look) {
  EXPECT_EQ(box.text(), look.text);
  EXPECT_EQ(box.title(), look.title);
  EXPECT_EQ(box.buttons(), look.buttons);
  EXPECT_EQ(box.icon(), look.icon);
}
