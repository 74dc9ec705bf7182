#include "view_state_win.h"

#include "controller_win.h"
#include "input_handlers_win.h"
#include "launch_request.h"
#include "text_helpers.h"
#include "common/matching.h"
#include "launcher/shell/main_window_record_win.h"
#include "launcher/tasks/item_view_fill_win.h"
#include "launcher/tasks/task_view_state_win.h"

#include <shellapi.h>

void ViewState::changeFolder(const std::wstring& path) {
    setViewColours(*mainWindow, path);
    shownFolder = path;
    TaskViewState& taskView = *controller->taskView;
    if (!path.empty()) {
        taskView.setTaskViewActive(false);
    } else {
        folderEntries.clear();
        taskView.showTaskView();
        ++activityCounter;
        // A hidden window (the launcher being created) gets the focus when it
        // is shown: its activation puts it on the input line. Focusing it now
        // would activate it unseen, which slowed the start.
        if (IsWindowVisible(mainWindow->window)) SetFocus(mainWindow->inputLine);
    }
    parentLevels = 0;
    controller->onInputChanged();
}

void ViewState::showCandidates(const std::vector<std::wstring>& list) {
    candidates = reduceToParents(list, parentLevels);
    const HWND listBox = mainWindow->candidateList;
    // One repaint for the whole refill rather than one per row.
    SendMessageW(listBox, WM_SETREDRAW, FALSE, 0);
    SendMessageW(listBox, LB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < candidates.size(); ++i) {
        const std::wstring label = numberedLabel(candidates[i], static_cast<int32_t>(i));
        SendMessageW(listBox, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(label.c_str()));
    }
    SendMessageW(listBox, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listBox, nullptr, TRUE);
}

void ViewState::filterFolderEntries(const std::wstring& loweredQuery) {
    filterEntries(allFolderEntries, loweredQuery, folderEntries, kanaMatching(*mainWindow));
    fillItemView(itemView->display, mainWindow->itemView, folderEntries);
}

namespace {

DeletionQuestion& deletionQuestionSeam() {
    static DeletionQuestion seam;
    return seam;
}

int askToDelete(const std::wstring& question) {
    if (deletionQuestionSeam()) return deletionQuestionSeam()(question);
    return MessageBoxW(nullptr, question.c_str(), L"確認", MB_ICONQUESTION | MB_YESNO);
}

// One shell operation for all of them, so a slip can be undone from the
// recycle bin; the user has answered once, so it asks and shows nothing more.
void moveToRecycleBin(const std::vector<std::wstring>& paths) {
    std::wstring from;
    for (const std::wstring& path : paths) from += path + L'\0';
    from += L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationW(&operation);
}

// Keeps the window from hiding itself while the question is open, and gives
// that back however the question ends, an exception included.
struct QuestionOpen {
    bool& idle;
    explicit QuestionOpen(bool& flag) : idle(flag) { idle = false; }
    ~QuestionOpen() { idle = true; }
};

} // namespace

void replaceDeletionQuestion(DeletionQuestion question) {
    deletionQuestionSeam() = std::move(question);
}

bool ViewState::askingToDelete() const {
    return !idle;
}

void ViewState::deleteListedFiles() {
    // One question at a time: another Ctrl+Space while it is open asks nothing.
    if (askingToDelete()) return;
    // The dialog has no owner, so the window stays usable while it is open and
    // typing may change the listed entries: delete exactly what was counted.
    // Folders are never deleted, so the question counts only the files.
    std::vector<std::wstring> paths;
    for (const ItemEntry& entry : folderEntries) {
        if (!entry.isFolder) paths.push_back(entry.path);
    }
    if (paths.empty()) return;
    const QuestionOpen open(idle);
    const std::wstring question = std::to_wstring(paths.size()) + L"ファイルを削除しますか？";
    if (askToDelete(question) == IDYES) {
        moveToRecycleBin(paths);
        Sleep(1000);
        LaunchRequest request;
        request.owner = controller;
        request.target = shownFolder;
        controller->dispatchRequest(request);
    }
}
