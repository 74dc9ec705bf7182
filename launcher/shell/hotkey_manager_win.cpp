#include "hotkey_manager_win.h"

#include "main_window_win.h"
#include "launcher/data/config_store.h"
#include "launcher/data/data_store.h"

namespace {
constexpr wchar_t failureCaption[] = L"ホットキーの設定に失敗";
constexpr wchar_t failureText[] = L"ホットキーの設定に失敗しました。";
} // namespace

void registerHotkeys(HotkeyManager& hotkeys, HWND window) {
    hotkeys.window = window;
    const ConfigStore& config = *hotkeys.mainWindow->config;
    UnregisterHotKey(window, mainHotkeyId);
    if (!RegisterHotKey(window, mainHotkeyId, config.showHotkeyModifiers, config.showHotkeyKey)) {
        MessageBoxW(window, failureText, failureCaption, MB_OK);
    }
}

void unregisterHotkeys(HotkeyManager& hotkeys) {
    UnregisterHotKey(hotkeys.window, mainHotkeyId);
    for (size_t i = 0; i < hotkeys.data->hotkeyRows.size(); ++i) UnregisterHotKey(hotkeys.window, static_cast<int>(i));
}

void onHotkey(HotkeyManager& hotkeys, int id) {
    if (id == mainHotkeyId) showLauncher(*hotkeys.mainWindow);
}
