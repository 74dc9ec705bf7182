// Start-up and memory figures of the launcher under the same conditions as a
// bare window with the same controls, COM apartment and IME library
// (bare_window): time from process creation until a visible top-level window
// of the process exists, in alternating runs, as ratios pair by pair.
//   startup_probe [pairs] [launcher.exe]
#include "process_memory_win.h"
#include "common/folders_win.h"
#include "common/text_files_win.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Showing the main window activates it: the thread's active window is asked
// for with one call to the Wine server a poll, where walking the window list
// would take hundreds and slow the very start it measures.
HWND shownWindow(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info) || !info.hwndActive) return nullptr;
    return IsWindowVisible(info.hwndActive) ? info.hwndActive : nullptr;
}

struct RunResult {
    double milliseconds = -1;
    SIZE_T privateBytes = 0;
    SIZE_T workingSet = 0;
};

// The private bytes once they have stayed the same for a second, as work
// in the background (the reading dictionary's load) ends; at most 20 s.
SIZE_T settledPrivateBytes(HANDLE process) {
    SIZE_T last = processMemory(process).privateBytes;
    int unchanged = 0;
    for (int poll = 0; poll < 200 && unchanged < 10; ++poll) {
        Sleep(100);
        const SIZE_T now = processMemory(process).privateBytes;
        unchanged = now == last ? unchanged + 1 : 0;
        last = now;
    }
    return last;
}

RunResult timeOneStart(const std::wstring& program, const std::wstring& folder, bool settle = false) {
    RunResult result;
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const auto started = Clock::now();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info)) {
        return result;
    }
    HWND shown = nullptr;
    const auto deadline = started + std::chrono::seconds(30);
    while (!(shown = shownWindow(info.dwThreadId)) && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (shown) {
        result.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        WaitForInputIdle(info.hProcess, 5000);
        const ProcessMemory memory = processMemory(info.hProcess);
        result.privateBytes = settle ? settledPrivateBytes(info.hProcess) : memory.privateBytes;
        result.workingSet = memory.workingSet;
        PostMessageW(shown, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(info.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return result;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::wstring makeFolder(const std::wstring& name) {
    const std::wstring folder = exeFolder() + L"\\" + name;
    ensureFolder(folder);
    return folder;
}

std::wstring prepareLauncher(const std::wstring& program, const std::wstring& name, size_t historyLines) {
    const std::wstring folder = makeFolder(name);
    CopyFileW(program.c_str(), (folder + L"\\Halvorunde.exe").c_str(), FALSE);
    ensureFolder(folder + L"\\config");
    ensureFolder(folder + L"\\history");
    writeTextLines(folder + L"\\config\\config.txt", {L"[hotkey]", L"hotkey=121", L"hotkey2=7"});
    DeleteFileW((folder + L"\\config\\config.ini").c_str());
    TextLines history;
    history.reserve(historyLines);
    for (size_t i = 0; i < historyLines; ++i) {
        history.push_back(L"C:\\Users\\user\\Documents\\project" + std::to_wstring(i % 97) + L"\\file" +
                          std::to_wstring(i) + L".txt");
    }
    writeTextLines(folder + L"\\history\\history.txt", history);
    // This month's launches: with the file present the start reads the
    // history as it is, instead of rebuilding it from the month files.
    wchar_t month[16] = {};
    SYSTEMTIME now{};
    GetLocalTime(&now);
    swprintf(month, 16, L"%04u%02u.txt", now.wYear, now.wMonth);
    history.resize(std::min<size_t>(history.size(), 1000));
    writeTextLines(folder + L"\\history\\" + month, history);
    return folder;
}

long fileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return static_cast<long>(data.nFileSizeLow);
}

void printRow(const char* name, const std::vector<double>& values, const char* unit) {
    if (values.empty()) return;
    std::printf("%-34s min %8.2f  median %8.2f  max %8.2f %s\n", name, *std::min_element(values.begin(), values.end()),
                median(values), *std::max_element(values.begin(), values.end()), unit);
}

// What the Debian reading dictionary adds to the launcher once loaded, beside
// the same launcher whose dictionary is missing, both measured when their
// memory has settled.
void printDictionaryMemory(const std::wstring& program, int runs) {
    const std::wstring dictionary = L"Z:\\usr\\share\\cmigemo\\utf-8\\migemo-dict";
    const long file = fileSize(dictionary);
    if (file <= 0) {
        std::printf("reading dictionary: %ls is missing (scripts/install-deps)\n", dictionary.c_str());
        return;
    }
    const auto folderWith = [&program](const wchar_t* name, const std::wstring& path) {
        const std::wstring folder = prepareLauncher(program, name, 0);
        writeTextLines(folder + L"\\config\\config.txt",
                       {L"[hotkey]", L"hotkey=121", L"hotkey2=7", L"kanaMatch=1", L"kanaDictionary=" + path});
        return folder;
    };
    const std::wstring loadedFolder = folderWith(L"probe-dictionary", dictionary);
    const std::wstring missingFolder = folderWith(L"probe-no-dictionary", L"missing-dict");
    std::vector<double> addedMb;
    for (int i = 0; i < runs; ++i) {
        const RunResult missing = timeOneStart(missingFolder + L"\\Halvorunde.exe", missingFolder, true);
        const RunResult loaded = timeOneStart(loadedFolder + L"\\Halvorunde.exe", loadedFolder, true);
        if (missing.milliseconds < 0 || loaded.milliseconds < 0) continue;
        addedMb.push_back((static_cast<double>(loaded.privateBytes) - static_cast<double>(missing.privateBytes)) /
                          (1024.0 * 1024.0));
    }
    const double fileMb = static_cast<double>(file) / (1024.0 * 1024.0);
    char label[96];
    std::snprintf(label, sizeof label, "dictionary of %.1f loaded (<= %.1f)", fileMb, 1.5 * fileMb);
    printRow(label, addedMb, "MB");
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    const std::wstring program = argc > 2 ? argv[2] : exeFolder() + L"\\..\\dist\\Halvorunde.exe";
    const std::wstring bareFolder = makeFolder(L"probe-bare");
    CopyFileW((exeFolder() + L"\\bare_window.exe").c_str(), (bareFolder + L"\\bare_window.exe").c_str(), FALSE);
    const std::wstring emptyFolder = prepareLauncher(program, L"probe-empty", 0);
    const std::wstring largeFolder = prepareLauncher(program, L"probe-large", 100000);

    std::vector<double> bare, empty, large, emptyRatio, largeRatio, privateMb, workingMb, emptyPrivateMb;
    timeOneStart(bareFolder + L"\\bare_window.exe", bareFolder); // warm-up
    timeOneStart(emptyFolder + L"\\Halvorunde.exe", emptyFolder);
    for (int i = 0; i < runs; ++i) {
        const RunResult b1 = timeOneStart(bareFolder + L"\\bare_window.exe", bareFolder);
        const RunResult e = timeOneStart(emptyFolder + L"\\Halvorunde.exe", emptyFolder);
        const RunResult b2 = timeOneStart(bareFolder + L"\\bare_window.exe", bareFolder);
        const RunResult l = timeOneStart(largeFolder + L"\\Halvorunde.exe", largeFolder);
        if (b1.milliseconds < 0 || e.milliseconds < 0 || b2.milliseconds < 0 || l.milliseconds < 0) {
            std::printf("run %d: a program showed no window\n", i);
            continue;
        }
        bare.push_back(b1.milliseconds);
        bare.push_back(b2.milliseconds);
        empty.push_back(e.milliseconds);
        large.push_back(l.milliseconds);
        emptyRatio.push_back(e.milliseconds / b1.milliseconds);
        largeRatio.push_back(l.milliseconds / b2.milliseconds);
        privateMb.push_back(static_cast<double>(l.privateBytes) / (1024.0 * 1024.0));
        emptyPrivateMb.push_back(static_cast<double>(e.privateBytes) / (1024.0 * 1024.0));
        workingMb.push_back(static_cast<double>(l.workingSet) / (1024.0 * 1024.0));
    }
    std::printf("start-up until the main window is visible, %zu pairs\n", empty.size());
    printRow("bare window, five controls, COM, IME", bare, "ms");
    printRow("launcher, empty history", empty, "ms");
    printRow("launcher, 100,000-line history", large, "ms");
    printRow("ratio empty / bare (target <= 1.1)", emptyRatio, "");
    printRow("ratio large / bare", largeRatio, "");
    printRow("private bytes, large", privateMb, "MB");
    printRow("working set, large", workingMb, "MB");
    printRow("private bytes, empty history", emptyPrivateMb, "MB");
    std::vector<double> addedMb;
    for (size_t i = 0; i < privateMb.size(); ++i) addedMb.push_back(privateMb[i] - emptyPrivateMb[i]);
    printRow("private bytes, large - empty (target <= 5)", addedMb, "MB");
    printDictionaryMemory(program, runs < 3 ? runs : 3);
    const std::wstring dist = exeFolder() + L"\\..\\dist\\";
    std::printf("executable sizes (target < 2 MB each): Halvorunde.exe %ld bytes, Halvotune.exe %ld bytes\n",
                fileSize(dist + L"Halvorunde.exe"), fileSize(dist + L"Halvotune.exe"));
    return 0;
}
