#include "message_filter_win.h"

#include "main_window_record_win.h"
#include "notify_icon_win.h"

namespace {

MessageFilterChange filterChangeSeam = nullptr;

} // namespace

void allowLowerIntegrityMessages(HWND window) {
    const MessageFilterChange change = filterChangeSeam ? filterChangeSeam : ChangeWindowMessageFilterEx;
    change(window, WM_TRAYICON, MSGFLT_ALLOW, nullptr);
    if (const UINT taskbarCreated = taskbarCreatedMessage()) change(window, taskbarCreated, MSGFLT_ALLOW, nullptr);
    change(window, WM_CLOSE, MSGFLT_ALLOW, nullptr);
    // SetWindowTextW on another process's window arrives as WM_SETTEXT.
    change(window, WM_SETTEXT, MSGFLT_ALLOW, nullptr);
}

void replaceMessageFilterChange(MessageFilterChange change) {
    filterChangeSeam = change;
}
