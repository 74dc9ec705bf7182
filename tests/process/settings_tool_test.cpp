#include "process_fixture_win.h"
#include "tests/support/live_region_listener_win.h"
#include "tests/support/test_support_win.h"

#include "common/controls_win.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <vector>

namespace {

constexpr int saveButtonId = 15;
constexpr int quitSettingsButtonId = 14;
constexpr int quitAllButtonId = 10;
constexpr int ctrlCheckId = 90;
constexpr int altCheckId = 91;

std::wstring lowered(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

// Processes running the program of that path, so that every one the tests
// caused can be counted and, at the end, stopped by its id.
std::vector<DWORD> processesOf(const std::wstring& program) {
    std::vector<DWORD> ids;
    for (const RunningProgram& running : runningPrograms())
        if (lowered(running.path) == lowered(program)) ids.push_back(running.id);
    return ids;
}

bool processEnded(DWORD id, std::chrono::milliseconds timeout = std::chrono::seconds(15)) {
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (!process) return true;
    const bool ended = WaitForSingleObject(process, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

void endProcesses(const std::wstring& program) {
    for (DWORD id : processesOf(program)) {
        if (const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
}

// The window is listed from its creation on; it is ready once it is shown.
HWND readyWindow(HWND window) {
    return window && IsWindowVisible(window) ? window : nullptr;
}

HWND waitForWindow(const wchar_t* className) {
    HWND window = nullptr;
    waitFor([&] { return (window = readyWindow(FindWindowW(className, nullptr))) != nullptr; });
    return window;
}

DWORD processOf(HWND window) {
    DWORD id = 0;
    if (window) GetWindowThreadProcessId(window, &id);
    return id;
}

std::string fileBytes(const std::wstring& path) {
    std::string bytes;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void clickButton(HWND tool, int id) {
    ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(GetDlgItem(tool, id)) != FALSE; }))
        << "button " << id << " stays disabled";
    SendMessageW(GetDlgItem(tool, id), BM_CLICK, 0, 0);
}


// The key field is the third control of the tool's window.
HWND keyFieldOf(HWND tool) {
    HWND child = GetWindow(tool, GW_CHILD);
    for (int i = 0; i < 2 && child; ++i) child = GetWindow(child, GW_HWNDNEXT);
    return child;
}

// Answers the process's message box with that caption, as the user would; its text.
std::wstring answerBox(DWORD process, const wchar_t* caption) {
    HWND box = nullptr;
    waitFor([&] { return (box = FindWindowW(L"#32770", caption)) != nullptr && processOf(box) == process; });
    if (!box) return L"";
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return text;
}

class SettingsToolProcessTest : public testing::Test {
protected:
    void TearDown() override {
        endProcesses(folder.file(L"Halvotune.exe"));
        endProcesses(folder.file(L"Halvorunde.exe"));
    }
    size_t launchersRunning() { return processesOf(folder.file(L"Halvorunde.exe")).size(); }

    PortableFolder folder;
};

// Nothing in config.txt yet, or lines an editor saved in UTF-16.
class FirstRunTest : public SettingsToolProcessTest, public testing::WithParamInterface<std::string> {};

} // namespace

TEST_P(FirstRunTest, SavesTheShowHotkeyAndTheLauncherRunsWithIt) {
    if (!GetParam().empty()) folder.writeFile(L"config\\config.txt", utf16FileBytes(GetParam()));
    const StartedProcess first = folder.start(L"Halvorunde.exe");
    EXPECT_EQ(waitForExit(first), 1);
    CloseHandle(first.process);
    const HWND tool = waitForWindow(L"HALVOTUNE");
    ASSERT_NE(tool, nullptr) << "the settings tool did not appear";
    const DWORD toolProcess = processOf(tool);
    for (const wchar_t* name : {L"config.txt", L"shortcut.txt", L"bookmark.txt", L"menu.txt"}) {
        EXPECT_FALSE(fileBytes(folder.file(std::wstring(L"config\\") + name)).empty()) << lowered(name).size();
    }
    EXPECT_EQ(GetFileAttributesW(folder.file(L"config\\hotkey.txt").c_str()), INVALID_FILE_ATTRIBUTES);

    const HWND keyField = keyFieldOf(tool);
    PostMessageW(keyField, WM_KEYDOWN, VK_F12, 1);
    PostMessageW(keyField, WM_KEYUP, VK_F12, 0xC0000001);
    SendMessageW(GetDlgItem(tool, ctrlCheckId), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(tool, altCheckId), BM_CLICK, 0, 0);
    LiveRegionListener listener(toolProcess);
    ASSERT_TRUE(listener.listening());
    clickButton(tool, saveButtonId);
    // Heard from outside, as a screen reader hears it.
    EXPECT_TRUE(listener.waitFor(L"config.txtを保存しました。"));
    const std::string section = "[hotkey]\nhotkey=123\nhotkey2=3\n";
    EXPECT_TRUE(waitFor([&] {
        const std::string config = fileBytes(folder.file(L"config\\config.txt"));
        const bool saved =
            config.size() > section.size() && config.compare(config.size() - section.size(), section.size(), section) == 0;
        // The editor's lines are kept, in UTF-8 as the section is.
        return saved && (GetParam().empty() || config == GetParam() + section);
    }));

    clickButton(tool, quitSettingsButtonId);
    EXPECT_TRUE(processEnded(toolProcess));
    const HWND launcher = waitForWindow(L"HALVORUNDE");
    ASSERT_NE(launcher, nullptr) << "the launcher did not start";
    EXPECT_TRUE(waitFor([&] { return windowText(launcher).rfind(L"Halvorunde V", 0) == 0; }));
    EXPECT_EQ(launchersRunning(), 1u);
    // The launcher holds Ctrl+Alt+F12 now.
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_F12));
    EXPECT_EQ(GetLastError(), 1409u);

    const DWORD launcherProcess = processOf(launcher);
    PostMessageW(launcher, WM_CLOSE, 0, 0);
    EXPECT_TRUE(processEnded(launcherProcess));
}

INSTANTIATE_TEST_SUITE_P(FromNothingOrUtf16, FirstRunTest,
                         testing::Values(std::string(), "[task]\nnotShowTask=\xE3\x83\xA1\xE3\x83\xA2\n"));

TEST_F(SettingsToolProcessTest, ToolClosesTheLauncherAndRestartsItUnlessQuitAll) {
    folder.writeFile(L"config\\config.txt", "[hotkey]\nhotkey=121\nhotkey2=7\n");
    const StartedProcess launcher = folder.start(L"Halvorunde.exe");
    ASSERT_TRUE(waitFor([&] { return findProcessWindow(launcher.id, L"HALVORUNDE") != nullptr; }));

    StartedProcess tool = folder.start(L"Halvotune.exe");
    EXPECT_EQ(waitForExit(launcher), 0) << "the launcher was not closed";
    CloseHandle(launcher.process);
    HWND toolWindow = nullptr;
    ASSERT_TRUE(waitFor([&] { return (toolWindow = readyWindow(findProcessWindow(tool.id, L"HALVOTUNE"))) != nullptr; }));
    clickButton(toolWindow, quitSettingsButtonId);
    EXPECT_EQ(waitForExit(tool), 0);
    CloseHandle(tool.process);
    // The shell call returns once the process exists: it is counted already.
    EXPECT_EQ(launchersRunning(), 1u);
    const HWND restarted = waitForWindow(L"HALVORUNDE");
    ASSERT_NE(restarted, nullptr);
    const DWORD restartedProcess = processOf(restarted);

    tool = folder.start(L"Halvotune.exe");
    EXPECT_TRUE(processEnded(restartedProcess));
    ASSERT_TRUE(waitFor([&] { return (toolWindow = readyWindow(findProcessWindow(tool.id, L"HALVOTUNE"))) != nullptr; }));
    clickButton(toolWindow, quitAllButtonId);
    EXPECT_EQ(waitForExit(tool), 0);
    CloseHandle(tool.process);
    EXPECT_EQ(launchersRunning(), 0u);
}

TEST_F(SettingsToolProcessTest, WithoutALauncherBesideItTheToolJustEnds) {
    folder.writeFile(L"config\\config.txt", "[hotkey]\nhotkey=121\nhotkey2=7\n");
    DeleteFileW(folder.file(L"Halvorunde.exe").c_str());
    CreateDirectoryW(folder.file(L"Halvorunde.exe").c_str(), nullptr);
    const StartedProcess tool = folder.start(L"Halvotune.exe");
    HWND toolWindow = nullptr;
    ASSERT_TRUE(waitFor([&] { return (toolWindow = readyWindow(findProcessWindow(tool.id, L"HALVOTUNE"))) != nullptr; }));
    clickButton(toolWindow, quitSettingsButtonId);
    EXPECT_EQ(waitForExit(tool), 0);
    CloseHandle(tool.process);
    EXPECT_EQ(FindWindowW(L"HALVORUNDE", nullptr), nullptr);
}

TEST_F(SettingsToolProcessTest, AConfigFolderThatRefusesWritesIsSaidOnceAndNothingLoops) {
    const std::wstring notWritable = L"このフォルダーには設定と履歴を保存できません。";
    folder.writeFile(L"config", "not a folder"); // nothing can be made where the config folder should be
    const StartedProcess first = folder.start(L"Halvorunde.exe");
    EXPECT_EQ(waitForExit(first), 1);
    CloseHandle(first.process);
    const HWND tool = waitForWindow(L"HALVOTUNE");
    ASSERT_NE(tool, nullptr) << "the settings tool did not appear";
    const DWORD toolProcess = processOf(tool);
    EXPECT_EQ(answerBox(toolProcess, L"保存できないフォルダー").rfind(notWritable, 0), 0u);

    const HWND keyField = keyFieldOf(tool);
    PostMessageW(keyField, WM_KEYDOWN, VK_F12, 1);
    PostMessageW(keyField, WM_KEYUP, VK_F12, 0xC0000001);
    ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(GetDlgItem(tool, saveButtonId)) != FALSE; }));
    // Posted: the click's message box would hold up a sent one.
    PostMessageW(GetDlgItem(tool, saveButtonId), BM_CLICK, 0, 0);
    EXPECT_EQ(answerBox(toolProcess, L"保存に失敗").rfind(L"config.txtを保存できませんでした。", 0), 0u);
    EXPECT_EQ(FindWindowW(L"#32770", L"保存できないフォルダー"), nullptr);

    // Closed without a show hotkey: no launcher, which would only open the tool again.
    PostMessageW(tool, WM_CLOSE, 0, 0);
    EXPECT_TRUE(processEnded(toolProcess));
    EXPECT_EQ(launchersRunning(), 0u);
    EXPECT_TRUE(processesOf(folder.file(L"Halvotune.exe")).empty());

    // The launcher says it too, of its history folder, and runs.
    DeleteFileW(folder.file(L"config").c_str());
    folder.writeFile(L"config\\config.txt", "[hotkey]\nhotkey=121\nhotkey2=7\n");
    removeTree(folder.file(L"history"));
    folder.writeFile(L"history", "not a folder");
    StartedProcess launcher = folder.start(L"Halvorunde.exe");
    EXPECT_EQ(answerBox(launcher.id, L"保存できないフォルダー").rfind(notWritable, 0), 0u);
    HWND window = nullptr;
    ASSERT_TRUE(waitFor([&] { return (window = findProcessWindow(launcher.id, L"HALVORUNDE")) != nullptr; }));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(waitForExit(launcher), 0);
    CloseHandle(launcher.process);
    EXPECT_EQ(fileBytes(folder.file(L"history")), "not a folder");
    DeleteFileW(folder.file(L"history").c_str());

    // Merely held by another program, config.ini is no unwritable folder: the
    // launcher runs without a word and gives it up at exit, within its bound.
    folder.writeFile(L"config\\config.ini", "x=1\n");
    const HANDLE held = holdWithoutSharing(folder.file(L"config\\config.ini"));
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    launcher = folder.start(L"Halvorunde.exe");
    ASSERT_TRUE(waitFor([&] { return (window = findProcessWindow(launcher.id, L"HALVORUNDE")) != nullptr; }));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(waitForExit(launcher), 0);
    CloseHandle(launcher.process);
    CloseHandle(held);
    EXPECT_EQ(fileBytes(folder.file(L"config\\config.ini")), "x=1\n");
}
