#include "startup_win.h"

#include "activity.h"
#include "hotkey_manager_win.h"
#include "main_window_win.h"
#include "menu_commands_win.h"
#include "launcher/data/config_store_win.h"
#include "launcher/data/data_store_win.h"
#include "launcher/input/shell_open_win.h"
#include "launcher/resources/resource.h"
#include "common/file_writer_win.h"
#include "common/folders_win.h"
#include "common/posted_answer_win.h"
#include "common/scoped_win.h"
#include "common/window_class_win.h"
#include "common/writable_folder_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

ConfigStore* theConfig = nullptr;
DataStore* theData = nullptr;
MainWindow* theMainWindow = nullptr;
HotkeyManager* theHotkeyManager = nullptr;
WorkQueue* theLaunchQueue = nullptr;
HINSTANCE theInstance = nullptr;
SteadyTime startTime{};
std::atomic<int32_t> activityCounter{0};

namespace {

constexpr wchar_t mutexName[] = L"_フック_HV_Mutex_";
constexpr int textBufferSize = 100;
constexpr std::chrono::seconds launchesAtExit{3};

int startSettingsToolInstead() {
    const std::wstring path = exeFolder() + L"\\Halvotune.exe";
    ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return 1;
}

// The launcher already running gets the command line as its title and comes forward.
void handOverTo(HWND running, const wchar_t* commandLine) {
    // A hung launcher must not hold this start for ever: nothing here waits on it unbounded.
    if (IsIconic(running)) ShowWindowAsync(running, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(running));
    if (commandLine && lstrlenW(commandLine) > 0)
        SendMessageTimeoutW(running, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(commandLine), SMTO_ABORTIFHUNG, 5000,
                            nullptr);
}

int runMessageLoop(HINSTANCE instance) {
    const HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDC_HALVORUNDE));
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0)) {
        // Every window of this thread is the launcher's: scrolling or clicking in
        // any of them keeps it from hiding for idleness, as keys do.
        if (isMouseActivity(message.message)) ++activityCounter;
        if (!TranslateAcceleratorW(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

// Started programs inherit the current folder, and the shell looks there for
// bare names: the user's own folder, not the one the launcher was started in
// (Downloads, say, where anything may lie).
void leaveStartFolder() {
    PWSTR profile = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Profile, 0, nullptr, &profile))) SetCurrentDirectoryW(profile);
    CoTaskMemFree(profile);
}

// Said once a start, once the window shows: otherwise every write would fail
// without a word. The look at the disk runs on a worker.
void tellIfFolderNotWritable(HWND window) {
    const std::wstring folder = exeFolder();
    const std::vector<std::wstring> configFiles{theConfig->windowStateFile};
    const std::vector<std::wstring> historyFiles{theData->historyPath, theData->monthPath};
    answerOnWorker<WriteOutcome>(window, WM_WRITE_REFUSED, unwritableFolderRequest, [=] {
        const bool writable = folderWritable(folder + L"\\config", configFiles) &&
                              folderWritable(folder + L"\\history", historyFiles);
        return WriteOutcome{folder, writable ? WriteResult::written : WriteResult::refused};
    });
}

} // namespace

void createLauncherObjects() {
    theConfig = createConfigStore();
    theData = createDataStore(theConfig);
    theMainWindow = new MainWindow();
    theMainWindow->config = theConfig;
    theMainWindow->data = theData;
    theHotkeyManager = new HotkeyManager();
    theHotkeyManager->data = theData;
    theHotkeyManager->mainWindow = theMainWindow;
    theLaunchQueue = createLaunchQueue();
    startTime = std::chrono::steady_clock::now();
}

void registerMainWindowClass(HINSTANCE instance) {
    // No icon has the menu's id, so hIcon stays null: the large icon is the
    // system's default, and only the small one (hIconSm) is the launcher's.
    registerProgramWindowClass(instance, {.procedure = mainWindowProcedure,
                                          .nameAndMenuId = IDC_HALVORUNDE,
                                          .iconId = IDC_HALVORUNDE,
                                          .smallIconId = IDI_HALVORUNDE});
}

HWND createMainWindow(HINSTANCE instance) {
    wchar_t title[textBufferSize] = {};
    wchar_t className[textBufferSize] = {};
    LoadStringW(instance, IDS_APP_TITLE, title, textBufferSize);
    LoadStringW(instance, IDC_HALVORUNDE, className, textBufferSize);
    theInstance = instance;
    const ConfigStore& config = *theConfig;
    const HWND window = CreateWindowExW(0, className, title, WS_OVERLAPPEDWINDOW, config.x, config.y, config.width,
                                        config.height, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    theMainWindow->window = window;
    theData->writer.answerWith(postWriteOutcomes(window, WM_WRITE_REFUSED, refusedFileRequest, true));
    updateTitle(*theMainWindow);
    registerHotkeys(*theHotkeyManager, window);
    refillBookmarks(*theMainWindow);
    return window;
}

int runLauncher(HINSTANCE instance, const wchar_t* commandLine, int showCommand) {
    if (!exeFolderFound()) return 0;
    createLauncherObjects();
    if (theConfig->showHotkeyKey == 0) {
        leaveStartFolder();
        return startSettingsToolInstead();
    }

    // Owned for the whole run and released by the system at exit.
    const HANDLE mutex = CreateMutexW(nullptr, TRUE, mutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (const HWND running = FindWindowW(L"Halvorunde", nullptr)) handOverTo(running, commandLine);
        if (mutex) {
            ReleaseMutex(mutex);
            CloseHandle(mutex);
        }
        return 0;
    }

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    registerMainWindowClass(instance);
    const HWND window = createMainWindow(instance);
    if (!window) return 0;
    if (!theConfig->isOn(L"startHide")) ShowWindow(window, showCommand);
    UpdateWindow(window);
    // Nothing is started before the window takes keys: the shell call (a few
    // milliseconds) need not delay its first showing.
    leaveStartFolder();
    tellIfFolderNotWritable(window);
    const int exitCode = runMessageLoop(instance);
    // A launch asked for just before the exit still starts; one that hangs holds the exit only so long.
    theLaunchQueue->drain(launchesAtExit);
    return exitCode;
}
