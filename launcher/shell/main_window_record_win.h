#pragma once
// The launcher's one top-level window as data: its handles and state, the
// process-wide objects around it, and the few calls that reach up to it.
// The only header of shell/ that the lower folders include.
#include "clock.h"
#include "common/control_fonts_win.h"
#include "common/kana_query.h"
#include "common/scoped_win.h"
#include "launcher/data/dictionary_load_win.h"

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <cstdint>
#include <set>
#include <string>

struct ConfigStore;
struct Controller;
struct DataStore;
struct HotkeyManager;
struct WorkQueue;

constexpr UINT WM_TRAYICON = WM_USER + 1;
// Posted to itself at creation: the part that waits until the window is up.
constexpr UINT WM_CREATED = WM_USER + 2;
constexpr int inputLineId = 100;
constexpr int otherControlId = 1;

struct MainWindow {
    ConfigStore* config = nullptr;
    DataStore* data = nullptr;
    int64_t lastActivationSeconds = 0;
    bool inputFromList = false;
    HWND statusLine = nullptr;
    HWND inputLine = nullptr;
    HWND candidateList = nullptr;
    HWND itemView = nullptr;
    HWND window = nullptr;
    HWND bookmarkList = nullptr;
    Controller* controller = nullptr;

    // Shell state kept for the whole run.
    bool windowCreated = false;
    // Set once the window is being closed: the deactivation that destroying
    // the active window brings must not clear the texts that are saved.
    bool closing = false;
    ScopedGdiObject listBrush;
    ScopedGdiObject bookmarkBrush;
    ScopedGdiObject textBrush;
    // Whether a high-contrast theme is on: read at creation and on the
    // colour-change messages, not at every paint.
    bool highContrast = false;
    // The dpi of the monitor the window is on, as WM_DPICHANGED last said,
    // and the controls' fonts at that dpi.
    int dpi = 96;
    ControlFonts fonts;
    NOTIFYICONDATAW notifyIcon{};
    // kanaDictionary's file, once its worker has read it.
    DictionaryLoad dictionaryLoad;
    // The files said to refuse their writes, and the program's folder once it
    // was said to refuse them all: each is said once a run.
    std::set<std::wstring> refusalsTold;
    // Says what the lists show once typing pauses (list_announcement_win.h);
    // what it said last and the folder then listed, so that a refill that
    // changed nothing visible says nothing.
    HWND liveRegion = nullptr;
    std::wstring lastAnnouncement;
    std::wstring announcedFolder;
};

// Process-wide objects, built once at start and never freed.
extern ConfigStore* theConfig;
extern DataStore* theData;
extern MainWindow* theMainWindow;
extern HotkeyManager* theHotkeyManager;
// Shell calls of every launch, in order, away from the window's thread.
extern WorkQueue* theLaunchQueue;
extern HINSTANCE theInstance;
extern SteadyTime startTime;
// Bumped on every user action; worker threads compare snapshots of it.
extern std::atomic<int32_t> activityCounter;

int64_t secondsSinceStart();

// The calls the lower folders make up to the window.
void setViewColours(MainWindow& mainWindow, const std::wstring& text);
void showLauncher(MainWindow& mainWindow);
// The keys go to the input line; a user action, so the workers' snapshots go stale.
void focusInputLine(MainWindow& mainWindow);
// The candidate list or the item view was refilled: what they show is said
// once typing has paused.
void listsRefilled(MainWindow& mainWindow);
// Shift+F10, the Application key or a context menu asked for from the keyboard.
bool isMenuKey(UINT message, WPARAM wParam, LPARAM lParam);
// The menu bar's menus as one popup at the input line; the chosen command
// comes back as the menu bar's would.
void openMenuPopup(MainWindow& mainWindow);
// kanaMatch with the dictionary loaded so far, for what the user types.
KanaMatching kanaMatching(const MainWindow& mainWindow);
