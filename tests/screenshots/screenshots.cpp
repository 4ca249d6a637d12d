// Saves pictures of the program's windows for the documentation; tools/screenshots.sh
// runs it in a Wine session of its own.
//
//   screenshots.exe <output folder>
// Each shot starts the program afresh, brings up its window and saves that window.
#include <windows.h>

#include <exception>
#include <iostream>
#include <string>

#include "ui_driver/image.h"
#include "ui_driver/input.h"
#include "ui_driver/message_box.h"
#include "ui_driver/paths.h"
#include "ui_driver/program.h"
#include "ui_driver/text.h"
#include "ui_driver/window_query.h"

namespace {

constexpr wchar_t mainCaption[] = L"Kelvorn Drast 2.1";

struct Shot {
    const wchar_t* file;
    // Brings up the window to save and returns it.
    HWND (*show)(const ui::Program& program);
};

const Shot shots[] = {
    {L"main_window.png", [](const ui::Program& program) { return program.waitForWindow(mainCaption); }},
    {L"quit_question.png", [](const ui::Program& program) {
         ui::clickButton(ui::findControl(program.waitForWindow(mainCaption), L"Button", L"&Exit"));
         return ui::MessageBoxWindow::waitFor(program.processId()).handle();
     }},
    {L"about_window.png", [](const ui::Program& program) {
         ui::clickButton(ui::findControl(program.waitForWindow(mainCaption), L"Button", L"&About"));
         return program.waitForWindow(L"About Kelvorn Drast");
     }},
};

void take(const Shot& shot, const std::wstring& folder)
{
    // Started in C:\, so that the drive picker shows c: rather than Wine's Z: root.
    const ui::Program program(ui::ProgramStart{ui::programPath(), {}, L"C:\\", {}});
    const HWND window = shot.show(program);
    // Far from every window, so that no control shows a hover look or a tooltip.
    ui::movePointerTo({GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
    ui::bringToForeground(window);
    ui::saveScreenshot(window, folder + L"\\" + shot.file);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::cerr << "usage: screenshots.exe <output folder>\n";
        return 2;
    }
    int failures = 0;
    for (const Shot& shot : shots) {
        try {
            take(shot, argv[1]);
            std::cout << "saved " << ui::toUtf8(shot.file) << '\n';
        } catch (const std::exception& error) {
            std::cerr << ui::toUtf8(shot.file) << ": " << error.what() << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
