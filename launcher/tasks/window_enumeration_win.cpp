#include "window_enumeration_win.h"

#include "common/matching.h"
#include "task_rules.h"

#include "common/scoped_win.h"

#include <dwmapi.h>

namespace {

using CloakQuery = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);

// dwmapi is no KnownDLL: imported by name it would be taken from the program's
// folder, so it is loaded from System32 at the first query and kept.
CloakQuery loadCloakQuery() {
    const HMODULE library = LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!library) return nullptr;
    return reinterpret_cast<CloakQuery>(reinterpret_cast<void*>(GetProcAddress(library, "DwmGetWindowAttribute")));
}

// Without the library the answer is that of a failed query.
HRESULT queryCloaked(HWND window, DWORD& cloaked) {
    static const CloakQuery query = loadCloakQuery();
    if (!query) return E_NOTIMPL;
    return query(window, DWMWA_CLOAKED, &cloaked, sizeof cloaked);
}

// The title the system keeps for the window, as GetWindowTextW reads another
// program's; GetWindowTextW would send WM_GETTEXT to a window of this
// process's other threads and wait for the answer.
std::wstring readText(HWND window, int capacity, int& length) {
    std::wstring text(static_cast<size_t>(capacity), L'\0');
    length = InternalGetWindowText(window, text.data(), capacity);
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text;
}

std::wstring readClassName(HWND window, int capacity, int& length) {
    std::wstring name(static_cast<size_t>(capacity), L'\0');
    length = GetClassNameW(window, name.data(), capacity);
    name.resize(static_cast<size_t>(length > 0 ? length : 0));
    return name;
}

BOOL CALLBACK collectOne(HWND window, LPARAM context) {
    auto& tasks = *reinterpret_cast<std::vector<TaskWindow>*>(context);
    if (isExcludedWindow(window)) return TRUE;
    int length = 0;
    std::wstring title = readText(window, 1024, length);
    std::wstring className = readClassName(window, 1024, length);
    tasks.push_back(makeTaskWindow(std::move(title), std::move(className), window));
    return TRUE;
}

struct WindowSearch {
    std::wstring text;
    HWND found = nullptr;
};

ProcessOpening processOpeningSeam = nullptr;

// An image path may be longer than MAX_PATH; the call says so by failing
// with ERROR_INSUFFICIENT_BUFFER, and the longest path fits 32,768 units.
std::wstring imagePathOf(HANDLE process) {
    for (const DWORD capacity : {DWORD{MAX_PATH}, DWORD{32768}}) {
        std::wstring path(capacity, L'\0');
        DWORD size = capacity;
        if (QueryFullProcessImageNameW(process, 0, path.data(), &size)) {
            path.resize(size);
            return path;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
    }
    return std::wstring();
}

bool imagePathContains(HWND window, const std::wstring& text) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == 0) return false;
    // The limited right is all the image path needs, and elevated and
    // protected processes grant no more to a program run without elevation.
    const ProcessOpening open = processOpeningSeam ? processOpeningSeam : OpenProcess;
    ScopedKernelHandle process(open(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process.valid()) return false;
    const std::wstring path = imagePathOf(process.get());
    return !path.empty() && path.find(text) != std::wstring::npos;
}

BOOL CALLBACK searchOne(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    if (search.found) return FALSE;
    if (isExcludedWindow(window)) return TRUE;
    int length = 0;
    const std::wstring title = readText(window, 1024, length);
    if (matchesQuery(title, search.text) || imagePathContains(window, search.text)) search.found = window;
    return TRUE;
}

} // namespace

bool isExcludedWindow(HWND window) {
    WindowFacts facts;
    facts.visible = IsWindowVisible(window) != FALSE;
    if (!facts.visible) return true; // most top-level windows end here, before the costlier calls
    facts.text = readText(window, 256, facts.textLength);
    facts.childStyle = (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0;
    DWORD cloaked = 0;
    facts.cloakQueried = SUCCEEDED(queryCloaked(window, cloaked));
    facts.cloaked = cloaked;
    facts.className = readClassName(window, 256, facts.classLength);
    return isExcludedByFacts(facts);
}

std::vector<TaskWindow> collectTaskWindows() {
    std::vector<TaskWindow> tasks;
    EnumWindows(collectOne, reinterpret_cast<LPARAM>(&tasks));
    return tasks;
}

void replaceProcessOpening(ProcessOpening open) {
    processOpeningSeam = open;
}

HWND findWindowByText(const std::wstring& text) {
    WindowSearch search{text, nullptr};
    EnumWindows(searchOne, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
