#include "task_view_state_win.h"

void showWindowWithoutWaiting(HWND window, int command) {
    // A hung program answers nothing, and the synchronous call would freeze the launcher with it.
    if (IsHungAppWindow(window)) {
        ShowWindowAsync(window, command);
    } else {
        ShowWindow(window, command);
    }
}

void bringWindowToFront(HWND window) {
    if (!IsWindow(window)) return;
    const bool hung = IsHungAppWindow(window) != FALSE;
    const int command = IsIconic(window) ? SW_RESTORE : IsZoomed(window) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    if (hung) ShowWindowAsync(window, command); // asked once: the answer decides every call below
    else ShowWindow(window, command);
    const HWND foreground = GetForegroundWindow();
    if (foreground == window) return;
    // The foreground lock lets a thread take the foreground only while it shares
    // input state with the thread that holds it. Attaching to a hung thread
    // would make our thread wait on its input queue.
    const DWORD foregroundThread = GetWindowThreadProcessId(foreground, nullptr);
    const DWORD windowThread = GetWindowThreadProcessId(window, nullptr);
    bool attached = false;
    if (!hung && foregroundThread != windowThread)
        attached = AttachThreadInput(foregroundThread, windowThread, TRUE) != FALSE;
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | (hung ? SWP_ASYNCWINDOWPOS : 0));
    // The queued SetWindowPos activates a hung window once it answers again;
    // SetForegroundWindow could wait for it (it does under Wine).
    if (!hung) SetForegroundWindow(window);
    if (attached) AttachThreadInput(foregroundThread, windowThread, FALSE);
}
