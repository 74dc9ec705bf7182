// The controller's operations behind the keys: activating rows and
// candidates, tools, focus moves and the candidate refresh.
#include "controller_win.h"

#include "candidates.h"
#include "input_handlers_win.h"
#include "launch_request.h"
#include "view_state_win.h"
#include "common/controls_win.h"
#include "launcher/data/data_store.h"
#include "launcher/shell/main_window_record_win.h"
#include "launcher/tasks/task_view_state_win.h"

#include <commctrl.h>

namespace {

int32_t itemCount(const MainWindow& mainWindow) {
    return static_cast<int32_t>(SendMessageW(mainWindow.itemView, LVM_GETITEMCOUNT, 0, 0));
}

const wchar_t* toolKeyName(WPARAM key) {
    switch (key) {
    case VK_F6: return L"F6";
    case VK_F7: return L"F7";
    case VK_F8: return L"F8";
    case VK_F9: return L"F9";
    default: return nullptr;
    }
}

} // namespace

LRESULT Controller::forwardKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC previousProcedure) {
    if (isMenuKey(message, wParam, lParam)) {
        openMenuPopup(*mainWindow);
        return 0;
    }
    if (message == WM_KEYDOWN) lastKeyDown = wParam;
    if (message == WM_KEYDOWN && wParam == VK_F12) {
        ++view->parentLevels;
        refreshCandidates(view->shownFolder);
    }
    return CallWindowProcW(previousProcedure, window, message, wParam, lParam);
}

bool Controller::activateItem(int32_t index) {
    if (index < 0 || index >= itemCount(*mainWindow)) return false;
    if (listsTasks(itemView->display)) {
        if (static_cast<size_t>(index) < taskView->shownTasks.size()) {
            bringTaskForward(static_cast<HWND>(taskView->shownTasks[static_cast<size_t>(index)].window));
        }
        dismiss();
        return true;
    }
    LaunchRequest request;
    request.owner = this;
    if (static_cast<size_t>(index) < view->folderEntries.size()) {
        const ItemEntry entry = view->folderEntries[static_cast<size_t>(index)];
        request.target = entry.path;
        request.folderEntry = entry.isFolder;
    }
    request.fromItemView = true;
    // With Ctrl, the worker that decides makes a file's target its folder.
    request.withCtrl = keyDown(VK_CONTROL);
    dispatchRequest(request);
    return true;
}

bool Controller::activateCandidate(int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= view->candidates.size()) return false;
    LaunchRequest request;
    request.owner = this;
    request.target = view->candidates[static_cast<size_t>(index)];
    request.withCtrl = keyDown(VK_CONTROL);
    request.fromCandidateList = true;
    dispatchRequest(request);
    return true;
}

void Controller::focusItemView() {
    if (itemCount(*mainWindow) <= 0) return;
    SetFocus(mainWindow->itemView);
    // Row 0 alone: a row paged to before the focus left the view stays selected otherwise.
    ListView_SetItemState(mainWindow->itemView, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(mainWindow->itemView, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void Controller::copyItemToInput(int32_t index) {
    if (index < 0 || index >= itemCount(*mainWindow)) return;
    const size_t row = static_cast<size_t>(index);
    std::wstring text;
    if (listsTasks(itemView->display)) {
        // Keeps the automatic activation from acting on the copied title.
        mainWindow->inputFromList = true;
        if (row < taskView->shownTasks.size()) text = taskView->shownTasks[row].title;
    } else if (row < view->folderEntries.size()) {
        text = view->folderEntries[row].path;
    }
    setInputText(text);
}

void Controller::runTool(int32_t index, WPARAM key, ToolSource source) {
    const wchar_t* keyName = toolKeyName(key);
    if (!keyName || index < 0) return;
    const size_t row = static_cast<size_t>(index);
    LaunchRequest request;
    request.owner = this;
    if (source == ToolSource::candidateList) {
        if (row >= view->candidates.size()) return;
        request.target = view->candidates[row];
    } else {
        if (listsTasks(itemView->display) || index >= itemCount(*mainWindow)) return;
        if (row < view->folderEntries.size()) {
            const ItemEntry entry = view->folderEntries[row];
            request.target = entry.path;
            request.folderEntry = entry.isFolder;
        }
    }
    if (!config->hasKey(keyName)) return;
    request.program = config->valueOf(keyName);
    if (request.program.empty()) return;
    request.viaTool = true;
    dispatchRequest(request);
}

void Controller::autoActivate(int32_t snapshot) {
    if (keyDown(VK_CONTROL)) {
        activityCounter = -1;
        return;
    }
    const int32_t now = activityCounter;
    if (now > 0 && now == snapshot && windowText(mainWindow->statusLine).empty() && !mainWindow->inputFromList)
        activateItem(0);
}

void Controller::refreshCandidates(const std::wstring& query) {
    refreshCandidates(compileTypedQuery(query, kanaMatching(*mainWindow)));
}

void Controller::refreshCandidates(const TypedQuery& query) {
    view->showCandidates(collectCandidates(data->historyList, query, view->shownFolder, config->notShowListList()));
}

void Controller::setInputText(const std::wstring& text) {
    SetWindowTextW(mainWindow->inputLine, text.c_str());
}
