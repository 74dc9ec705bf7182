#include "settings_fixture_win.h"
#include "tests/support/test_support_win.h"

#include "common/text_files_win.h"
#include "common/work_queue.h"
#include "settings/resources/resource.h"

#include <commctrl.h>

#include <atomic>
#include <thread>

bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    return pumpWhileWaiting(condition, timeout, pumpPending);
}

// The same translation as the tool's own message loop, accelerators included.
// A save's answer comes as a message from the writer: it is waited for too.
void pumpPending() {
    static const HACCEL accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HALVOTUNE));
    const ULONGLONG deadline = GetTickCount64() + 5000;
    for (;;) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            if (translateSettingsAccelerator(accelerators, message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (workOnItsWay() == 0 || GetTickCount64() >= deadline) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

std::string fileBytes(const std::wstring& path) {
    std::string bytes;
    readFileBytes(path, bytes);
    return bytes;
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring uniqueTempFolder(const wchar_t* stem) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    const std::wstring path = std::wstring(temp) + stem + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++counter);
    removeTree(path);
    return path;
}

bool answerDialog(const wchar_t* caption, const std::function<void()>& action, std::wstring* text) {
    std::atomic<bool> answered{false};
    std::atomic<bool> stop{false};
    std::thread user([&] {
        for (; !stop; Sleep(20)) {
            if (const HWND dialog = FindWindowW(L"#32770", caption)) {
                wchar_t buffer[512] = {};
                GetDlgItemTextW(dialog, 0xFFFF, buffer, 512); // a message box's text
                if (text) *text = buffer;
                answered = true;
                PostMessageW(dialog, WM_COMMAND, IDOK, 0);
                return;
            }
        }
    });
    action();
    const bool came = pumpUntil([&] { return answered.load(); });
    stop = true;
    user.join();
    return came;
}

void SettingsWindowTest::SetUp() {
    folder_ = uniqueTempFolder(L"halvotune-test");
}

void SettingsWindowTest::start() {
    prepareSettingsFiles(folder_);
    window_ = createSettingsWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    ASSERT_NE(window_, nullptr);
    SetForegroundWindow(window_);
    pumpPending();
}

void SettingsWindowTest::TearDown() {
    if (window_ && IsWindow(window_)) {
        sw().quitAll = true;
        DestroyWindow(window_);
    }
    pumpPending();
    removeTree(folder_);
}

void SettingsWindowTest::click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
    pumpPending();
}

void SettingsWindowTest::command(int id) {
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    pumpPending();
}

void SettingsWindowTest::captureKey(WORD key) {
    SendMessageW(editor().keyEdit, WM_KEYDOWN, key, 1);
    SendMessageW(editor().keyEdit, WM_KEYUP, key, 0xC0000001);
}

void SettingsWindowTest::typeCommand(const std::wstring& text) {
    SetWindowTextW(editor().commandEdit, text.c_str());
    SendMessageW(editor().commandEdit, WM_KEYUP, 'X', 0xC0000001);
}

void SettingsWindowTest::selectRow(int row) {
    LVITEMW clear{};
    clear.stateMask = LVIS_SELECTED;
    SendMessageW(sw().hotkeyListView, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    LVITEMW select{};
    select.state = LVIS_SELECTED;
    select.stateMask = LVIS_SELECTED;
    SendMessageW(sw().hotkeyListView, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&select));
    pumpPending();
}

std::wstring SettingsWindowTest::itemText(int row, int column) const {
    wchar_t text[600] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 600;
    SendMessageW(theSettingsWindow->hotkeyListView, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    return text;
}

int SettingsWindowTest::itemCount() const {
    return static_cast<int>(SendMessageW(theSettingsWindow->hotkeyListView, LVM_GETITEMCOUNT, 0, 0));
}
