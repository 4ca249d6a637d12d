#include "tests/ui_driver/combo_box.h"

namespace ui {

std::vector<std::wstring> listEntries(HWND comboBox)
{
    std::vector<std::wstring> entries;
    const LRESULT count = SendMessageW(comboBox, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[MAX_PATH] = {};
        SendMessageW(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.emplace_back(text);
    }
    return entries;
}

std::wstring selectedEntry(HWND comboBox)
{
    const LRESULT selection = SendMessageW(comboBox, CB_GETCURSEL, 0, 0);
    return selection == CB_ERR ? std::wstring() : listEntries(comboBox)[static_cast<size_t>(selection)];
}

} // namespace ui
