// Holds the session's desktop for as long as the session lives. Wine closes a desktop
// a second after its last program ends, and the next program then waits up to 10 s for
// a fresh one; one long-lived program on the desktop keeps every test's first window fast.
//
//   desktop_keeper.exe <ready-file>
// Creates <ready-file> once the desktop stands, then waits until the session ends it.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR readyFile, int)
{
    // Asking for the desktop window joins this thread to the desktop, starting it if need be.
    GetDesktopWindow();
    HANDLE ready = CreateFileW(readyFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (ready == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(ready);
    Sleep(INFINITE);
    return 0;
}
