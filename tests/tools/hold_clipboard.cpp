// A stand-in for a clipboard manager: holds the clipboard open through a
// window for the milliseconds given on its command line, then ends.
#include <windows.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!window || !OpenClipboard(window)) return 2;
    Sleep(static_cast<DWORD>(std::wcstoul(commandLine, nullptr, 10)));
    CloseClipboard();
    DestroyWindow(window);
    return 0;
}
