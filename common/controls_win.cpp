#include "controls_win.h"

#include <cstring>
#include <cwchar>
#include <iterator>

std::wstring windowText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

WNDPROC subclass(HWND control, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

void reportHandlerException(HWND control, const char* what) noexcept {
    // Fixed buffers: reporting an exception, bad_alloc among them, must not throw.
    wchar_t className[64] = L"?";
    GetClassNameW(control, className, static_cast<int>(std::size(className)));
    wchar_t text[256] = L"an exception that is no std::exception";
    if (what) {
        const int length = static_cast<int>(strnlen(what, std::size(text) - 1));
        const int converted = MultiByteToWideChar(CP_ACP, 0, what, length, text, length);
        text[converted] = L'\0';
    }
    wchar_t report[400];
    swprintf(report, std::size(report), L"Handler of a subclassed %ls control threw: %ls\n", className, text);
    OutputDebugStringW(report);
}
