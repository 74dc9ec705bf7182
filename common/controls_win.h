#pragma once
// Small operations on child controls that both programs share.
#include <windows.h>

#include <exception>
#include <string>

// Whether the key was held when the message being handled was sent.
inline bool keyDown(int key) {
    return GetKeyState(key) < 0;
}

// What a subclassed control's procedure answers for a key it keeps from the
// control's own procedure. The control never sees the value, only that the
// key went no further.
constexpr LRESULT keySwallowed = -1;

// The code 255 that comes for a key without a virtual-key code of its own;
// the key fields swallow it rather than take or type it.
constexpr int unnamedKey = 255;

// The control's whole text; empty when it has none.
std::wstring windowText(HWND control);

// Replaces the control's window procedure and returns the one it had, which
// the new procedure passes on to through CallWindowProcW.
WNDPROC subclass(HWND control, WNDPROC procedure);

// Writes to the debugger output that a subclassed control's handler threw;
// what is the exception's text, null when it was no std::exception.
void reportHandlerException(HWND control, const char* what) noexcept;

// The procedure given to subclass(): the control's record is reached through
// the process-wide pointer `record`, `previousProcedure` names the record's
// member holding the control's own procedure, and `handle` answers every
// message; until the record and that member are set, DefWindowProcW does.
// An exception must not cross into the system's code that called the
// procedure: one that reaches here is reported and the control's own
// procedure answers the message.
template <auto& record, auto previousProcedure, auto handle>
LRESULT CALLBACK subclassProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (!record || !(record->*previousProcedure)) return DefWindowProcW(control, message, wParam, lParam);
    try {
        return handle(*record, control, message, wParam, lParam);
    } catch (const std::exception& caught) {
        reportHandlerException(control, caught.what());
    } catch (...) {
        reportHandlerException(control, nullptr);
    }
    return CallWindowProcW(record->*previousProcedure, control, message, wParam, lParam);
}
