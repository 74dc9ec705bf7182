// Item view figures of the launcher, driven from outside as a user would:
// opening a large folder, one filter keystroke over it, the memory with it
// listed, and a task view refill with 200 windows; each beside its floor
// measured in the same run.
//   folder_probe [runs] [launcher.exe]
#include "driven_launcher_win.h"
#include "process_memory_win.h"
#include "common/folders_win.h"
#include "common/text_files_win.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

// Entry names as users keep them: mixed extensions, letters and numbers.
const wchar_t* const extensions[] = {L".txt", L".jpg", L".png", L".pdf", L".docx", L".xlsx", L".zip",
                                     L".mp3", L".cpp", L".h",   L".html", L".json", L".log", L".exe"};

std::wstring letters(unsigned& seed, int count) {
    std::wstring text;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        text += static_cast<wchar_t>(L'a' + (seed >> 16) % 26);
    }
    return text;
}

struct TestFolder {
    std::wstring path;
    std::vector<std::wstring> names;
};

TestFolder makeFolder(const std::wstring& name, int files, int folders) {
    TestFolder folder{exeFolder() + L"\\probe-folders\\" + name, {}};
    ensureFolder(exeFolder() + L"\\probe-folders");
    const std::wstring done = folder.path + L".done";
    const bool ready = GetFileAttributesW(done.c_str()) != INVALID_FILE_ATTRIBUTES;
    ensureFolder(folder.path);
    unsigned seed = static_cast<unsigned>(files);
    for (int i = 0; i < folders; ++i) folder.names.push_back(L"dir_" + letters(seed, 5) + std::to_wstring(i));
    for (int i = 0; i < files; ++i)
        folder.names.push_back(letters(seed, 7) + L"_" + std::to_wstring(i) + extensions[i % std::size(extensions)]);
    if (ready) return folder;
    for (int i = 0; i < folders; ++i) CreateDirectoryW((folder.path + L"\\" + folder.names[i]).c_str(), nullptr);
    for (size_t i = static_cast<size_t>(folders); i < folder.names.size(); ++i) {
        const HANDLE file = CreateFileW((folder.path + L"\\" + folder.names[i]).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    writeTextLines(done, {L"generated"});
    return folder;
}

size_t countMatching(const TestFolder& folder, wchar_t letter) {
    return static_cast<size_t>(std::count_if(folder.names.begin(), folder.names.end(), [&](const std::wstring& name) {
        return name.find(letter) != std::wstring::npos;
    }));
}

// The floor: the system's own listing of the folder, as the launcher asks for it.
double listingMs(const std::wstring& folder, size_t& count) {
    const auto started = ProbeClock::now();
    WIN32_FIND_DATAW found{};
    const HANDLE find = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                         nullptr, FIND_FIRST_EX_LARGE_FETCH);
    count = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do ++count;
        while (FindNextFileW(find, &found));
        FindClose(find);
    }
    return msSince(started);
}

double privateMb(const Launcher& launcher) {
    return static_cast<double>(processMemory(launcher.process.hProcess).privateBytes) / (1024.0 * 1024.0);
}

// Time from the key until the item view holds the expected number of rows.
// A cross-process message is answered only after the key was handled. The
// pause first lets the launcher finish painting, which would delay the key.
double keyUntilRows(const Launcher& launcher, WORD key, size_t rows) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const auto started = ProbeClock::now();
    sendKey(key);
    if (!waitUntil([&] { return rowCount(launcher) == rows; })) return -1;
    return msSince(started);
}

// The floor of a keystroke: a key that the input line handles without
// refilling anything (the caret moves), until it was handled.
double keyUntilCaret(const Launcher& launcher, WORD key, DWORD position) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const auto started = ProbeClock::now();
    sendKey(key);
    if (!waitUntil([&] {
            DWORD_PTR selection = 0;
            SendMessageTimeoutW(launcher.input, EM_GETSEL, 0, 0, SMTO_NORMAL, 30000, &selection);
            return LOWORD(selection) == position;
        }))
        return -1;
    return msSince(started);
}

// Back to the task view with an empty input line.
void backToTasks(const Launcher& launcher) {
    for (int i = 0; i < 3 && !textOf(launcher.status).empty(); ++i) {
        sendKey(VK_ESCAPE);
        waitUntil([&] { return textOf(launcher.status).empty(); }, 500);
    }
}

void printFigure(const char* name, double value, const char* floorName, double floor, const char* target) {
    std::printf("%-44s %9.2f ms   %-28s %9.2f ms   %s\n", name, value, floorName, floor, target);
}

struct FolderFigures {
    double open = -1, listing = -1, narrow = -1, widen = -1, key = -1, memory = -1;
};

FolderFigures measureFolder(const Launcher& launcher, const TestFolder& folder, int runs) {
    FolderFigures figures;
    const size_t all = folder.names.size();
    const size_t withX = countMatching(folder, L'x');
    std::vector<double> open, listing, narrow, widen, key;
    for (int run = 0; run < runs; ++run) {
        size_t listed = 0;
        listing.push_back(listingMs(folder.path, listed));
        backToTasks(launcher);
        SendMessageTimeoutW(launcher.input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.path.c_str()), SMTO_NORMAL,
                            30000, nullptr);
        open.push_back(keyUntilRows(launcher, VK_RETURN, all));
        // Esc released in the item view returns to the input line, the folder stays.
        sendKey(VK_ESCAPE);
        rowCount(launcher);
        narrow.push_back(keyUntilRows(launcher, 'X', withX));
        key.push_back(keyUntilCaret(launcher, VK_LEFT, 0));
        key.push_back(keyUntilCaret(launcher, VK_RIGHT, 1));
        widen.push_back(keyUntilRows(launcher, VK_BACK, all));
    }
    figures.open = median(open);
    figures.listing = median(listing);
    figures.narrow = median(narrow);
    figures.widen = median(widen);
    figures.key = median(key);
    figures.memory = privateMb(launcher);
    return figures;
}

// 200 windows on a thread that answers their messages, as an application's would.
struct ProbeWindows {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD threadId = 0;
    HWND first = nullptr;
    std::thread thread;

    void start() {
        thread = std::thread([this] {
            threadId = GetCurrentThreadId();
            for (int i = 0; i < 200; ++i) {
                const std::wstring title = L"zqprobe " + std::to_wstring(i) + (i % 2 ? L" aq" : L" a");
                const HWND window = CreateWindowExW(0, L"STATIC", title.c_str(), WS_OVERLAPPEDWINDOW, 10 + i, 10, 300,
                                                    100, nullptr, nullptr, nullptr, nullptr);
                ShowWindow(window, SW_SHOWNOACTIVATE);
                if (!first) first = window;
            }
            SetEvent(ready);
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
        });
        WaitForSingleObject(ready, 30000);
    }
    void stop() {
        PostThreadMessageW(threadId, WM_QUIT, 0, 0);
        thread.join();
    }
};

// The floor of a refill: every window's title and class read once, without
// messages (the launcher reads other processes' windows the same way).
BOOL CALLBACK readTitle(HWND window, LPARAM lParam) {
    if (IsWindowVisible(window)) {
        wchar_t text[256];
        if (InternalGetWindowText(window, text, 256) > 0 && GetClassNameW(window, text, 256) > 0)
            ++*reinterpret_cast<int*>(lParam);
    }
    return TRUE;
}

void measureTasks(const Launcher& launcher, int runs) {
    ProbeWindows windows;
    windows.start();
    backToTasks(launcher);
    SendMessageTimeoutW(launcher.input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"zqprobe a"), SMTO_NORMAL, 30000,
                        nullptr);
    // The caret to the end, where typing puts it.
    SendMessageTimeoutW(launcher.input, EM_SETSEL, 9, 9, SMTO_NORMAL, 30000, nullptr);
    waitUntil([&] { return rowCount(launcher) == 200; });
    std::vector<double> hundred, twoHundred, enumeration;
    for (int run = 0; run < runs * 2; ++run) {
        hundred.push_back(keyUntilRows(launcher, 'Q', 100));
        twoHundred.push_back(keyUntilRows(launcher, VK_BACK, 200));
        const auto started = ProbeClock::now();
        int titled = 0;
        EnumWindows(readTitle, reinterpret_cast<LPARAM>(&titled));
        enumeration.push_back(msSince(started));
    }
    printFigure("task view: key until refilled, 200 windows", median(twoHundred), "enumerating the windows",
                median(enumeration), "(no slower than before)");
    printFigure("task view: key until refilled, 100 windows", median(hundred), "enumerating the windows",
                median(enumeration), "");
    windows.stop();
}

// From the show hotkey of a hidden launcher until its input line has the
// keyboard, and until the task view lists the windows of now.
void measureHotkey(const Launcher& launcher, int runs, double keyFloor) {
    ProbeWindows windows;
    windows.start();
    std::vector<double> focus, listed;
    for (int run = 0; run < runs * 2; ++run) {
        backToTasks(launcher);
        SendMessageTimeoutW(launcher.input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""), SMTO_NORMAL, 30000, nullptr);
        // Esc on an empty input line in the task view hides the launcher.
        sendKey(VK_ESCAPE);
        if (!waitUntil([&] { return !IsWindowVisible(launcher.window); }, 5000)) {
            std::printf("show hotkey: Esc did not hide the launcher\n");
            break;
        }
        // Dismissing lists the tasks again, which takes a while with 200 windows.
        SendMessageTimeoutW(launcher.window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, nullptr);
        // The hotkey is pressed in another program, as a user would.
        SetForegroundWindow(windows.first);
        waitUntil([&] { return GetForegroundWindow() == windows.first; }, 2000);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const auto started = ProbeClock::now();
        pressShowHotkey();
        if (!waitUntil([&] { return inputLineFocused(launcher); }, 5000)) {
            std::printf("show hotkey: the input line did not get the keys\n");
            break;
        }
        focus.push_back(msSince(started));
        if (!waitUntil([&] { return rowCount(launcher) >= 200; }, 5000)) {
            std::printf("show hotkey: %zu rows listed\n", rowCount(launcher));
            break;
        }
        listed.push_back(msSince(started));
    }
    if (focus.empty() || listed.empty()) {
        std::printf("show hotkey: the launcher did not come up with its tasks\n");
    } else {
        printFigure("show hotkey until the input line has focus", median(focus), "key moving the caret", keyFloor,
                    "(target <= 100)");
        printFigure("show hotkey until 200 windows are listed", median(listed), "key moving the caret", keyFloor,
                    "(listed before a key is read)");
    }
    windows.stop();
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    const std::wstring program = argc > 2 ? argv[2] : exeFolder() + L"\\..\\dist\\Halvorunde.exe";
    const TestFolder small = makeFolder(L"f2000", 2000, 50);
    const TestFolder large = makeFolder(L"f20000", 20000, 500);
    const std::wstring folder = exeFolder() + L"\\probe-folder-launcher";
    prepareLauncherFolder(folder, program);
    Launcher launcher;
    if (!startLauncher(folder, launcher)) {
        std::printf("the launcher did not come up\n");
        return 1;
    }
    const double emptyMb = privateMb(launcher);
    const FolderFigures smallFigures = measureFolder(launcher, small, runs);
    const FolderFigures largeFigures = measureFolder(launcher, large, runs);
    std::printf("item view, medians of %d runs (keys sent to the launcher, rows counted from outside)\n", runs);
    printFigure("2,050 entries: Enter until listed", smallFigures.open, "FindFirstFileExW listing", smallFigures.listing,
                "");
    printFigure("20,500 entries: Enter until listed", largeFigures.open, "FindFirstFileExW listing",
                largeFigures.listing, "(target <= 1.5 x floor)");
    std::printf("%-44s %9.2f x\n", "  ratio", largeFigures.open / largeFigures.listing);
    printFigure("2,050 entries: filter key, narrowing", smallFigures.narrow, "key moving the caret", smallFigures.key,
                "(target <= 8)");
    printFigure("2,050 entries: filter key, widening", smallFigures.widen, "key moving the caret", smallFigures.key,
                "(target <= 8)");
    printFigure("20,500 entries: filter key, narrowing", largeFigures.narrow, "key moving the caret", largeFigures.key,
                "(target <= 16)");
    printFigure("20,500 entries: filter key, widening", largeFigures.widen, "key moving the caret", largeFigures.key,
                "(target <= 16)");
    std::printf("%-44s %9.2f MB   %-28s %9.2f MB   (target <= empty + 8)\n", "private bytes, 20,500 entries listed",
                largeFigures.memory, "empty launcher", emptyMb);
    backToTasks(launcher);
    measureTasks(launcher, runs);
    measureHotkey(launcher, runs, smallFigures.key);
    closeLauncher(launcher);
    return 0;
}
