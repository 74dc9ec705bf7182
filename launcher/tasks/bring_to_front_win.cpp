#include "task_view_state_win.h"

// Nothing here waits for the window's program. ShowWindow, SetWindowPos and
// BringWindowToTop on another thread's window wait until that thread reads
// its messages, which a busy program may not do for seconds; their
// asynchronous forms are carried out by the window's own thread once it
// answers again, so a busy window still comes forward, later.
void bringWindowToFront(HWND window) {
    if (!IsWindow(window)) return;
    ShowWindowAsync(window, IsIconic(window) ? SW_RESTORE : IsZoomed(window) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    const HWND foreground = GetForegroundWindow();
    if (foreground == window) return;
    // The foreground lock lets a thread take the foreground while it shares
    // input with the thread that holds it. Our own thread never joins in:
    // sharing input with a busy thread makes activating wait for that thread.
    // It needs no help either, holding the foreground or having just had the
    // hotkey, either of which lets it hand the foreground on.
    const DWORD self = GetCurrentThreadId();
    const DWORD foregroundThread = GetWindowThreadProcessId(foreground, nullptr);
    const DWORD windowThread = GetWindowThreadProcessId(window, nullptr);
    const bool attached = foregroundThread != windowThread && foregroundThread != self && windowThread != self &&
                          AttachThreadInput(foregroundThread, windowThread, TRUE);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_ASYNCWINDOWPOS);
    SetForegroundWindow(window);
    if (attached) AttachThreadInput(foregroundThread, windowThread, FALSE);
}

void bringTaskForward(HWND task) {
    // A dialog's owner comes up first, so that the dialog lands on top of it.
    // A hidden owner, which many frameworks keep for their windows, stays hidden.
    const HWND owner = GetWindow(task, GW_OWNER);
    if (owner && IsWindowVisible(owner)) bringWindowToFront(owner);
    bringWindowToFront(task);
}
