// How long the launcher's window thread goes without answering while what it
// asked for waits: a folder, a program or its own folder on the slow share of
// scripts/slow-share.sh, or a task whose window is busy. Each scenario runs
// twice in one run, with the share quick (or the window answering) and then
// slow, each time with a fresh launcher; the show hotkey is pressed a
// second into it, from another window.
//   freeze_probe [launcher.exe [scenarios, e.g. abcd]]
#include "answer_gaps_win.h"
#include "driven_launcher_win.h"
#include "common/folders_win.h"
#include "common/text_files_win.h"
#include "tests/support/slow_share_win.h"

#include <windows.h>
#include <tlhelp32.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Long enough to see a worker's answer arrive after the slowest scenario's wait.
constexpr auto observed = 6s;
constexpr auto hotkeyAfter = 1s;
// Only a launcher that never comes back reaches it.
constexpr int comeBackBoundMs = 300000;
constexpr const wchar_t* launchedProgram = L"launched_program.exe";

struct Figures {
    LongestWaits waits;
    double hotkeyMs = -1;
    const char* failure = nullptr;
};

// A top-level window of the probe on a thread of its own, which can be made
// to sleep without reading its messages, as a busy program does.
class ProbeWindow {
public:
    explicit ProbeWindow(const wchar_t* title) : thread_([this, title] { run(title); }) {
        waitUntil([this] { return window_ != nullptr; }, 10000);
    }
    ~ProbeWindow() {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }
    ProbeWindow(const ProbeWindow&) = delete;
    ProbeWindow& operator=(const ProbeWindow&) = delete;

    HWND window() const { return window_; }
    // Returns once the thread sleeps.
    void makeBusy(DWORD milliseconds) {
        PostThreadMessageW(threadId_, busyMessage, milliseconds, 0);
        waitUntil([this] { return busy_.load(); }, 10000);
    }
    void waitUntilAnswering() const { waitUntil([this] { return !busy_; }, comeBackBoundMs); }

private:
    static constexpr UINT busyMessage = WM_APP + 1;

    void run(const wchar_t* title) {
        threadId_ = GetCurrentThreadId();
        const HWND window = CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW, 40, 40, 300, 100, nullptr,
                                            nullptr, nullptr, nullptr);
        ShowWindow(window, SW_SHOWNOACTIVATE);
        window_ = window;
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (message.message == busyMessage) {
                busy_ = true;
                Sleep(static_cast<DWORD>(message.wParam));
                busy_ = false;
                continue;
            }
            DispatchMessageW(&message);
        }
        DestroyWindow(window);
    }

    std::atomic<HWND> window_{nullptr};
    std::atomic<DWORD> threadId_{0};
    std::atomic<bool> busy_{false};
    std::thread thread_;
};

struct Scenario {
    wchar_t letter;
    const char* name;
    double slow;
    std::function<Figures(double)> run;
};

struct Places {
    std::wstring program;        // the launcher as built
    std::wstring localLauncher;  // its folder for (a), (b) and (d)
    std::wstring shareFolder;    // 30 files
    std::wstring shareProgram;   // a program on the share
    std::wstring shareLauncher;  // the portable folder of (c)
    std::wstring localProgram;   // a program on a quick disk
};

// From the show hotkey, pressed while another window is in front, until the
// launcher is in front with its input line focused; -1 for never.
double timeShowHotkey(const Launcher& launcher, HWND elsewhere) {
    SetForegroundWindow(elsewhere);
    waitUntil([&] { return GetForegroundWindow() == elsewhere; }, 2000);
    const auto started = ProbeClock::now();
    pressShowHotkey();
    if (waitUntil([&] { return inputLineFocused(launcher); }, comeBackBoundMs)) return msSince(started);
    std::printf("the show hotkey left the launcher %s\n", !IsWindowVisible(launcher.window)        ? "hidden"
                                                       : GetForegroundWindow() != launcher.window ? "behind another window"
                                                                                                  : "without focus on its input line");
    return -1;
}

// Samples the window's thread from the trigger on, for the observed time and
// until the samples still waiting were answered; the hotkey a second in.
Figures observe(const Launcher& launcher, HWND elsewhere, WORD triggerKey) {
    Figures figures;
    if (!waitUntil([&] { return inputLineFocused(launcher); }, 5000)) {
        figures.failure = "the input line did not have the keys";
        return figures;
    }
    AnswerGaps gaps(launcher.window, launcher.status);
    const auto started = ProbeClock::now();
    sendKey(triggerKey);
    std::this_thread::sleep_until(started + hotkeyAfter);
    figures.hotkeyMs = timeShowHotkey(launcher, elsewhere);
    std::this_thread::sleep_until(started + observed);
    figures.waits = gaps.stop();
    return figures;
}

Figures failed(const char* why) {
    Figures figures;
    figures.failure = why;
    return figures;
}

// The programs the launcher started end once their share is quick again, or are ended.
void endLaunchedPrograms() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (lstrcmpiW(entry.szExeFile, launchedProgram) != 0) continue;
        const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
        if (!process) continue;
        if (WaitForSingleObject(process, 60000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
        CloseHandle(process);
    }
    CloseHandle(snapshot);
}

// Accesses still waiting from a slow run (the mirror's, a started program's)
// would slow the next run: it starts once a listing of the share is quick again.
void waitForQuietShare(const Places& places) {
    setSlowShareWait(0);
    int quick = 0;
    waitUntil(
        [&] {
            const auto started = ProbeClock::now();
            WIN32_FIND_DATAW found{};
            const HANDLE find = FindFirstFileW((places.shareFolder + L"\\*").c_str(), &found);
            if (find != INVALID_HANDLE_VALUE) FindClose(find);
            quick = msSince(started) < 20 ? quick + 1 : 0;
            return quick >= 3;
        },
        comeBackBoundMs);
}

// The launcher in the given folder gets the text, then Enter while the share waits.
Figures enterWithShareWaiting(const std::wstring& launcherFolder, const std::wstring& text, double wait,
                              HWND elsewhere) {
    Launcher launcher;
    if (!startLauncher(launcherFolder, launcher)) return failed("the launcher did not come up");
    setText(launcher.input, text);
    setSlowShareWait(wait);
    const Figures figures = observe(launcher, elsewhere, VK_RETURN);
    setSlowShareWait(0);
    endLaunchedPrograms();
    closeLauncher(launcher);
    return figures;
}

// (a) and (b): a path typed into a launcher on a quick disk, then Enter.
Figures enterSharePath(const Places& places, const std::wstring& path, double wait, HWND elsewhere) {
    waitForQuietShare(places);
    prepareLauncherFolder(places.localLauncher, places.program);
    return enterWithShareWaiting(places.localLauncher, path, wait, elsewhere);
}

// (c): a launcher whose own folder is on the share launches a program on a
// quick disk and saves its history there. Started quick: Wine's loader reads a
// program on a slow share page by page.
Figures saveHistoryOnShare(const Places& places, double wait, HWND elsewhere) {
    waitForQuietShare(places);
    prepareLauncherFolder(places.shareLauncher, places.program);
    TextLines history;
    for (int i = 0; i < 100; ++i) history.push_back(L"C:\\Users\\user\\Documents\\note" + std::to_wstring(i) + L".txt");
    writeTextLines(places.shareLauncher + L"\\history\\history.txt", history);
    return enterWithShareWaiting(places.shareLauncher, places.localProgram, wait, elsewhere);
}

// (d): the only task listed is chosen with "1" while its thread sleeps.
Figures chooseBusyTask(const Places& places, DWORD busyMs, HWND elsewhere) {
    ProbeWindow task(L"zqbusy task");
    prepareLauncherFolder(places.localLauncher, places.program);
    Launcher launcher;
    if (!startLauncher(places.localLauncher, launcher)) return failed("the launcher did not come up");
    setText(launcher.input, L"zqbusy");
    if (!waitUntil([&] { return rowCount(launcher) == 1; }, 5000)) return failed("the busy task was not listed");
    if (busyMs) task.makeBusy(busyMs);
    const Figures figures = observe(launcher, elsewhere, '1');
    task.waitUntilAnswering();
    closeLauncher(launcher);
    return figures;
}

void printCell(double slow, double quick) {
    if (slow < 0) std::printf("     never");
    else std::printf("%10.1f", slow);
    if (quick < 0) std::printf(" /  never");
    else std::printf(" /%7.1f", quick);
}

void printRow(const char* name, const Figures& slow, const Figures& quick) {
    std::printf("%-46s", name);
    if (slow.failure || quick.failure) {
        std::printf("not measured: %s\n", slow.failure ? slow.failure : quick.failure);
        return;
    }
    printCell(slow.waits.sentMs, quick.waits.sentMs);
    printCell(slow.waits.postedMs, quick.waits.postedMs);
    printCell(slow.hotkeyMs, quick.hotkeyMs);
    std::printf("\n");
}

bool prepareShare(const Places& places) {
    setSlowShareWait(0);
    ensureFolder(places.shareFolder);
    const wchar_t* const extensions[] = {L".txt", L".pdf", L".docx", L".xlsx", L".jpg", L".png"};
    for (int i = 0; i < 30; ++i) {
        const std::wstring name = L"\\report" + std::to_wstring(i) + extensions[i % std::size(extensions)];
        if (!writeTextLines(places.shareFolder + name, {L"data"})) return false;
    }
    ensureFolder(places.shareProgram.substr(0, places.shareProgram.rfind(L'\\')));
    return CopyFileW(places.localProgram.c_str(), places.shareProgram.c_str(), FALSE) != FALSE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring share = slowShareRoot();
    if (share.empty()) {
        std::printf("no slow share: mount it with scripts/slow-share.sh first\n");
        return 1;
    }
    Places places;
    places.program = argc > 1 ? argv[1] : exeFolder() + L"\\..\\dist\\Halvorunde.exe";
    places.localLauncher = exeFolder() + L"\\probe-freeze-launcher";
    places.shareFolder = share + L"\\freeze-folder";
    places.shareProgram = share + L"\\freeze-program\\" + launchedProgram;
    places.shareLauncher = share + L"\\freeze-portable";
    places.localProgram = exeFolder() + L"\\" + launchedProgram;
    if (!prepareShare(places)) {
        std::printf("could not write the test files into the slow share\n");
        return 1;
    }
    const ProbeWindow elsewhere(L"zqprobe elsewhere");
    const HWND other = elsewhere.window();

    std::printf("the launcher's window thread: longest wait for an answer, in ms, slow / quick (the same scenario\n"
                "with the share not waiting or the window answering, same run); %lld s observed from the key\n",
                static_cast<long long>(observed.count()));
    std::printf("%-46s%18s%18s%18s\n", "scenario", "sent WM_NULL", "posted message", "show hotkey");
    // The slow run's setting: seconds an access on the share, or milliseconds the window is busy.
    const Scenario scenarios[] = {
        {L'a', "(a) 30-file folder opened, 2 s an access", 2.0,
         [&](double wait) { return enterSharePath(places, places.shareFolder, wait, other); }},
        {L'b', "(b) program on the share launched, 2 s", 2.0,
         [&](double wait) { return enterSharePath(places, places.shareProgram, wait, other); }},
        {L'c', "(c) history saved on the share, 0.7 s", 0.7,
         [&](double wait) { return saveHistoryOnShare(places, wait, other); }},
        {L'd', "(d) task chosen whose window is busy 4 s", 4000,
         [&](double busyMs) { return chooseBusyTask(places, static_cast<DWORD>(busyMs), other); }},
    };
    const std::wstring chosen = argc > 2 ? argv[2] : L"abcd";
    for (const Scenario& scenario : scenarios) {
        if (chosen.find(scenario.letter) == std::wstring::npos) continue;
        // The quick run first, so that nothing the slow one leaves behind slows it.
        const Figures quick = scenario.run(0);
        printRow(scenario.name, scenario.run(scenario.slow), quick);
    }
    std::printf("%-46s%18s%18s%18s\n", "targets", "<= 50", "<= 50", "<= 50");
    return 0;
}
