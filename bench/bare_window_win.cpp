// The yardstick for start-up: one window with the launcher's five controls,
// a COM apartment and the IME library, and the launcher's manifest (so the
// same common controls). Nothing is read, listed or registered.
#include "common/com_apartment_win.h"

#include <windows.h>
#include <commctrl.h>
#include <imm.h>

namespace {

// Imported as the launcher imports it, so that the library is loaded at start.
const auto volatile imeLibrary = &ImmGetContext;

HWND controls[5];

HWND createChild(HWND parent, const wchar_t* className, DWORD style) {
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void createControls(HWND window) {
    constexpr DWORD listStyle = WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_SORT;
    controls[0] = createChild(window, L"EDIT", WS_DISABLED | WS_BORDER);
    controls[1] = createChild(window, L"EDIT", WS_BORDER);
    controls[2] = createChild(window, L"LISTBOX", listStyle);
    controls[3] = createChild(window, WC_LISTVIEWW, LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_OWNERDATA);
    ListView_SetExtendedListViewStyle(controls[3], LVS_EX_DOUBLEBUFFER);
    controls[4] = createChild(window, L"LISTBOX", listStyle);
}

// The launcher's arrangement at 96 dpi: lists on top, two lines, then the views.
void layoutControls(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right;
    const int top = client.bottom / 2 - 20;
    MoveWindow(controls[2], 0, 0, width, top, TRUE);
    MoveWindow(controls[0], 0, top, width, 20, TRUE);
    MoveWindow(controls[1], 0, top + 20, width, 20, TRUE);
    MoveWindow(controls[3], 0, top + 40, width - 200, client.bottom - top - 40, TRUE);
    MoveWindow(controls[4], width - 200, top + 40, 200, client.bottom - top - 40, TRUE);
}

LRESULT CALLBACK bareProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: createControls(window); return 0;
    case WM_SIZE:
        if (controls[4]) layoutControls(window);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const ComApartment apartment;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = bareProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);
    const HWND window = CreateWindowExW(0, L"BareWindow", L"Bare", WS_OVERLAPPEDWINDOW, 100, 60, 800, 600, nullptr,
                                        nullptr, instance, nullptr);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
