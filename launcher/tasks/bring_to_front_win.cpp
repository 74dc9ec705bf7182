#include "task_view_state_win.h"

void bringWindowToFront(HWND window) {
    if (!IsWindow(window)) return;
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : IsZoomed(window) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    const HWND foreground = GetForegroundWindow();
    if (foreground == window) return;
    // The foreground lock lets a thread take the foreground only while it shares
    // input state with the thread that holds it.
    const DWORD foregroundThread = GetWindowThreadProcessId(foreground, nullptr);
    const DWORD windowThread = GetWindowThreadProcessId(window, nullptr);
    bool attached = false;
    if (foregroundThread != windowThread) attached = AttachThreadInput(foregroundThread, windowThread, TRUE) != FALSE;
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window);
    if (attached) AttachThreadInput(foregroundThread, windowThread, FALSE);
}
