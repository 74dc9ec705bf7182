#pragma once
// The settings tool's one window: the show hotkey on the basic page, the
// extra hotkeys on the other; both pages are the same controls.
#include "hotkey_list.h"
#include "common/control_fonts_win.h"
#include "common/dpi_scale.h"
#include "common/file_writer.h"

#include <windows.h>

#include <string>
#include <vector>

constexpr int textBufferSize = 100;

// Control and command ids.
constexpr int fieldId = 1; // the fields and labels share it; it is no command
constexpr int quitAllCommand = 10;
constexpr int addCommand = 11;
constexpr int updateCommand = 12;
constexpr int deleteCommand = 13;
constexpr int quitSettingsCommand = 14;
constexpr int saveCommand = 15;
constexpr int ctrlCheckId = 90;
constexpr int altCheckId = 91;
constexpr int shiftCheckId = 92;
constexpr int windowsCheckId = 93;
constexpr int pageButtonId = 95;

// Posted when the extra hotkey page shows a list whose file could not be read.
constexpr UINT unreadHotkeyListMessage = WM_APP + 1;
// The check at start whether the config folder can be written (takeAnswer<bool>).
constexpr UINT folderCheckedMessage = WM_APP + 2;
// The writer's first outcome of a save (takeAnswer<WriteOutcome>).
constexpr UINT saveAnsweredMessage = WM_APP + 3;

// The controls one hotkey is entered with, and the key last captured or loaded.
struct HotkeyEditor {
    HWND commandEdit = nullptr;
    HWND keyEdit = nullptr;
    HWND ctrlCheck = nullptr;
    HWND altCheck = nullptr;
    HWND shiftCheck = nullptr;
    HWND windowsCheck = nullptr;
    int keyCode = -1;
};

// A control and its place at 96 dpi, to be placed again at another dpi.
struct PlacedControl {
    HWND control = nullptr;
    ControlRect at96;
};

struct SettingsWindow {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    wchar_t title[textBufferSize] = {};
    wchar_t className[textBufferSize] = {};
    HWND hotkeyListView = nullptr;
    HWND addButton = nullptr;
    HWND updateButton = nullptr;
    HWND deleteButton = nullptr;
    HWND saveButton = nullptr;
    HWND quitSettingsButton = nullptr;
    HWND pageButton = nullptr;
    HWND commandLabel = nullptr;
    HWND hotkeyLabel = nullptr;
    // Says to screen readers what a save did.
    HWND liveRegion = nullptr;
    WNDPROC standardEditProcedure = nullptr;
    bool onBasicPage = true;
    bool quitAll = false;
    HotkeyEditor* editor = nullptr;
    // The dpi of the monitor the window is on, as WM_DPICHANGED last said;
    // the controls' fonts at it, and their places at 96 dpi.
    int dpi = 96;
    ControlFonts fonts;
    std::vector<PlacedControl> placedControls;
};

// Process-wide state, all owned by the user-interface thread.
extern SettingsWindow* theSettingsWindow;
extern HotkeyList* theHotkeyList;
extern std::wstring configPath;
// Writes every file the tool saves, on a thread of its own.
extern FileWriter* const theFileWriter;

// Reads "hotkey.txt", sets configPath and writes the missing default files,
// all in the given config folder (created if missing).
void prepareSettingsFiles(const std::wstring& configFolder);

void registerSettingsWindowClass(HINSTANCE instance);
HWND createSettingsWindow(HINSTANCE instance, int showCommand);
bool translateSettingsAccelerator(HACCEL accelerators, MSG& message);
int runSettingsMessageLoop(HINSTANCE instance);
int runSettingsTool(HINSTANCE instance, int showCommand);

void switchPage(SettingsWindow& sw);
void updateButtons(SettingsWindow& sw);
