#include "process_fixture_win.h"
#include "tests/support/test_support_win.h"

#include "common/folders_win.h"
#include "common/text_files_win.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

namespace {

std::wstring distFolder() { return exeFolder() + L"\\..\\dist"; }

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && lstrcmpiW(classOf(window).c_str(), search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

PortableFolder::PortableFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    path_ = std::wstring(temp) + L"halvorunde-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    removeTree(path_);
    CreateDirectoryW(path_.c_str(), nullptr);
    for (const wchar_t* program : {L"Halvorunde.exe", L"Halvotune.exe"}) {
        const std::wstring from = distFolder() + L"\\" + program;
        EXPECT_TRUE(CopyFileW(from.c_str(), file(program).c_str(), FALSE)) << "missing " << testing::PrintToString(from);
    }
}

PortableFolder::~PortableFolder() {
    // A test that failed half-way must not leave its programs running.
    endProcessesUnder(path_);
    removeTree(path_);
}

void PortableFolder::writeFile(const std::wstring& relative, const std::string& bytes) const {
    const std::wstring target = file(relative);
    std::wstring folder = target.substr(0, target.find_last_of(L'\\'));
    ensureFolder(folder);
    EXPECT_TRUE(writeFileAtomically(target, bytes, [](void* handle, const char* data, unsigned long size) {
        DWORD written = 0;
        return WriteFile(handle, data, size, &written, nullptr) && written == size;
    }));
}

StartedProcess PortableFolder::start(const std::wstring& program, const std::wstring& arguments) const {
    std::wstring commandLine = L"\"" + file(program) + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Under Wine on a loaded machine a start has once failed before the
    // program ran at all: tried again, and said, so that a pattern shows.
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, path_.c_str(), &startup,
                           &info))
            break;
        const DWORD error = GetLastError();
        if (attempt == 3) {
            ADD_FAILURE() << "cannot start " << testing::PrintToString(commandLine) << ", error " << error;
            return {};
        }
        std::fprintf(stderr, "start %d of %ls failed with error %lu; trying again\n", attempt, commandLine.c_str(),
                     error);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    CloseHandle(info.hThread);
    return {info.hProcess, info.dwProcessId};
}

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

long waitForExit(const StartedProcess& started, std::chrono::milliseconds timeout) {
    if (!started.process) return -1;
    if (WaitForSingleObject(started.process, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(started.process, &code);
    return static_cast<long>(code);
}

HWND findProcessWindow(DWORD processId, const wchar_t* className) {
    WindowSearch search{processId, className, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool isFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
