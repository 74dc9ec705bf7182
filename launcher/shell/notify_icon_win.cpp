#include "notify_icon_win.h"

#include "main_window_win.h"
#include "launcher/resources/resource.h"
#include "common/display_scale_win.h"

#include <shellapi.h>

void addNotifyIcon(MainWindow& mw) {
    NOTIFYICONDATAW& icon = mw.notifyIcon;
    icon = {};
    icon.cbSize = sizeof icon;
    icon.hWnd = mw.window;
    icon.uID = 1;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = WM_TRAYICON;
    icon.hIcon = loadSmallIcon(theInstance, IDI_HALVORUNDE);
    lstrcpynW(icon.szTip, L"Halvorunde", ARRAYSIZE(icon.szTip));
    Shell_NotifyIconW(NIM_ADD, &icon);
}

void removeNotifyIcon(MainWindow& mw) {
    Shell_NotifyIconW(NIM_DELETE, &mw.notifyIcon);
}

UINT taskbarCreatedMessage() {
    static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    return taskbarCreated;
}

bool isTaskbarCreatedMessage(UINT message) {
    return message != 0 && message == taskbarCreatedMessage();
}
