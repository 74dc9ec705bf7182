#pragma once
// Small operations on child controls that both programs share.
#include <windows.h>

#include <string>

// Whether the key was held when the message being handled was sent.
inline bool keyDown(int key) {
    return GetKeyState(key) < 0;
}

// The control's whole text; empty when it has none.
std::wstring windowText(HWND control);

// Replaces the control's window procedure and returns the one it had, which
// the new procedure passes on to through CallWindowProcW.
WNDPROC subclass(HWND control, WNDPROC procedure);
