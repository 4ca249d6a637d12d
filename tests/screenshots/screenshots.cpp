// Saves pictures of the program's windows for the documentation; tools/screenshots.sh
// runs it in a Wine session of its own.
//
//   screenshots.exe <output folder>
// Each shot starts the program afresh, brings up its window and saves that window.
#include <windows.h>

#include <exception>
#include <iostream>
#include <string>

#include "tests/ui_driver/files.h"
#include "tests/ui_driver/image.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/message_box.h"
#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/program.h"
#include "tests/ui_driver/text.h"
#include "tests/ui_driver/window_query.h"

namespace {

constexpr wchar_t mainCaption[] = L"Kelvorn Drast 2.1";

struct Shot {
    const wchar_t* file;
    // Brings up the window to save and returns it.
    HWND (*show)(const ui::Program& program);
};

// A folder autorun.inf at the root of C:, holding a reserved name like the real ones.
void plantFolder()
{
    ui::removeTree(L"C:\\autorun.inf");
    ui::createFolder(L"C:\\autorun.inf\\con");
}

// Presses Delete and returns the box that comes up.
HWND pressDelete(const ui::Program& program)
{
    ui::clickButton(ui::findControl(program.waitForWindow(mainCaption), L"Button", L"&Delete Autorun.inf"));
    return ui::MessageBoxWindow::waitFor(program.processId()).handle();
}

// Answers the confirmation with OK and returns the outcome's box.
HWND confirmRemoval(const ui::Program& program)
{
    const ui::MessageBoxWindow confirmation(pressDelete(program));
    confirmation.press(IDOK);
    confirmation.waitUntilClosed();
    return ui::MessageBoxWindow::waitFor(program.processId()).handle();
}

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
    {L"not_found.png", [](const ui::Program& program) {
         ui::removeTree(L"C:\\autorun.inf");
         return pressDelete(program);
     }},
    {L"confirmation.png", [](const ui::Program& program) {
         plantFolder();
         return pressDelete(program);
     }},
    {L"deleted.png", [](const ui::Program& program) {
         plantFolder();
         return confirmRemoval(program);
     }},
    {L"not_deleted.png", [](const ui::Program& program) {
         plantFolder();
         // A file held open without sharing keeps the folder from going; the handle
         // stays open until this program ends.
         CreateFileW(L"\\\\?\\C:\\autorun.inf\\held.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
         return confirmRemoval(program);
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
