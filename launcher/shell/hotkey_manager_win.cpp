#include "hotkey_manager_win.h"

#include "launcher/input/controller_win.h"
#include "item_rows.h"
#include "main_window_win.h"
#include "messages.h"
#include "launcher/data/config_store.h"
#include "launcher/data/data_store.h"
#include "launcher/input/launch_request.h"

namespace {

HotkeyRegistration registrationSeam = nullptr;

// Without MOD_NOREPEAT a held combination repeats, and an extra hotkey held a
// little long launches its text several times. The stored bits stay as they are.
bool registerOnce(HWND window, int id, UINT modifiers, UINT key) {
    const HotkeyRegistration registration = registrationSeam ? registrationSeam : RegisterHotKey;
    return registration(window, id, modifiers | MOD_NOREPEAT, key) != FALSE;
}

void reportFailure(HWND owner, const std::wstring& text) {
    MessageBoxW(owner, text.c_str(), hotkeyFailureCaption, MB_OK);
}

void registerRowHotkeys(HotkeyManager& hotkeys) {
    const auto& rows = hotkeys.data->hotkeyRows;
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto id = hotkeyRowId(i);
        const auto binding = hotkeyBindingOf(rows[i]);
        if (id) UnregisterHotKey(hotkeys.window, *id);
        if (!id || !binding || !registerOnce(hotkeys.window, *id, binding->modifiers, binding->key)) {
            reportFailure(hotkeys.window, hotkeyRowLabel(rows[i]));
        }
    }
}

// A row's text is launched as if typed and chosen, without showing the launcher
// and without browsing: a folder is opened by the shell.
void launchHotkeyText(MainWindow& mw, const std::wstring& text) {
    LaunchRequest request;
    request.owner = mw.controller;
    request.target = text;
    mw.controller->executeRequest(request);
}

} // namespace

void registerHotkeys(HotkeyManager& hotkeys, HWND window) {
    hotkeys.window = window;
    const ConfigStore& config = *hotkeys.mainWindow->config;
    UnregisterHotKey(window, mainHotkeyId);
    if (!registerOnce(window, mainHotkeyId, config.showHotkeyModifiers, config.showHotkeyKey)) {
        reportFailure(window, hotkeyFailureText);
    }
    registerRowHotkeys(hotkeys);
}

void unregisterHotkeys(HotkeyManager& hotkeys) {
    UnregisterHotKey(hotkeys.window, mainHotkeyId);
    for (size_t i = 0; i < hotkeys.data->hotkeyRows.size(); ++i) {
        if (const auto id = hotkeyRowId(i)) UnregisterHotKey(hotkeys.window, *id);
    }
}

void replaceHotkeyRegistration(HotkeyRegistration registration) {
    registrationSeam = registration;
}

void onHotkey(HotkeyManager& hotkeys, int id) {
    if (id == mainHotkeyId) {
        showLauncher(*hotkeys.mainWindow);
        return;
    }
    const auto& rows = hotkeys.data->hotkeyRows;
    if (id < 0 || static_cast<size_t>(id) >= rows.size() || rows[id].empty()) return;
    launchHotkeyText(*hotkeys.mainWindow, rows[id][0]);
}
