#include "view_state_win.h"

#include "controller_win.h"
#include "input_handlers_win.h"
#include "launch_request.h"
#include "loading_note_win.h"
#include "text_helpers.h"
#include "common/com_apartment_win.h"
#include "common/matching.h"
#include "common/posted_answer_win.h"
#include "launcher/shell/main_window_record_win.h"
#include "launcher/tasks/item_view_fill_win.h"
#include "launcher/tasks/task_view_state_win.h"

#include <shellapi.h>

#include <utility>

void ViewState::changeFolder(const std::wstring& path) {
    setViewColours(*mainWindow, path);
    shownFolder = path;
    TaskViewState& taskView = *controller->taskView;
    if (!path.empty()) {
        taskView.setTaskViewActive(false);
    } else {
        folderRequests.forget();
        showLoadingNote(mainWindow->itemView, false);
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
    listsRefilled(*mainWindow);
}

void ViewState::filterFolderEntries(const std::wstring& loweredQuery) {
    filterFolderEntries(compileTypedQuery(loweredQuery, kanaMatching(*mainWindow)));
}

void ViewState::filterFolderEntries(const TypedQuery& query) {
    filterEntries(allFolderEntries, query, folderEntries);
    fillItemView(itemView->display, mainWindow->itemView, folderEntries);
    showLoadingNote(mainWindow->itemView, folderRequests.loading());
    listsRefilled(*mainWindow);
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

// What the shell said: its result, and whether the user kept any file.
struct DeletionAnswer {
    int result = 0;
    bool aborted = false;
};

constexpr UINT_PTR relistTimer = 0x524C;
constexpr UINT relistPauseMs = 1000;

// One shell operation for all of them, so a slip can be undone from the
// recycle bin. The user has answered once, so it asks nothing more, except
// where the bin cannot take a file: the shell asks before it destroys one for
// good, and No keeps it. Runs on a worker, in the apartment the shell wants.
DeletionAnswer moveToRecycleBin(const std::vector<std::wstring>& paths) {
    const ComApartment apartment;
    std::wstring from;
    for (const std::wstring& path : paths) from += path + L'\0';
    from += L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING | FOF_SILENT | FOF_NOERRORUI;
    DeletionAnswer answer;
    answer.result = SHFileOperationW(&operation);
    answer.aborted = operation.fAnyOperationsAborted != FALSE;
    return answer;
}

// Keeps the window from hiding itself while the question is open, and gives
// that back however the question ends, an exception included, unless the
// deletion it allowed takes it over.
struct QuestionOpen {
    bool& idle;
    bool handedOver = false;
    explicit QuestionOpen(bool& flag) : idle(flag) { idle = false; }
    ~QuestionOpen() {
        if (!handedOver) idle = true;
    }
};

void CALLBACK relistAfterPause(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    // No exception may cross into the system's dispatch.
    try {
        theMainWindow->controller->view->relistAfterDeletion();
    } catch (...) {
    }
}

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
    QuestionOpen open(idle);
    const std::wstring question = std::to_wstring(paths.size()) + L"ファイルを削除しますか？";
    if (askToDelete(question) != IDYES) return;
    // The shell waits on the files' drive, and for the user where the bin
    // cannot take a file: a worker deletes, and its answer gives idle back.
    relistFolder = shownFolder;
    answerOnWorker<DeletionAnswer>(mainWindow->window, WM_FILES_DELETED, 0,
                                   [paths = std::move(paths)] { return moveToRecycleBin(paths); });
    open.handedOver = true;
}

void ViewState::takeDeletionAnswer(LPARAM lParam) {
    const auto answer = takeAnswer<DeletionAnswer>(lParam);
    {
        QuestionOpen open(idle); // the window stays up while the failure is told
        if (answer && answer->value.result != 0 && !answer->value.aborted)
            MessageBoxW(nullptr, L"削除できなかったファイルがあります。", L"ファイルの削除", MB_ICONWARNING | MB_OK);
    }
    // The shell may still be moving the files when it returns: the folder is
    // listed again after a pause, on a timer, so the window goes on answering.
    if (!relistFolder.empty()) SetTimer(mainWindow->window, relistTimer, relistPauseMs, relistAfterPause);
}

void ViewState::relistAfterDeletion() {
    // Not when the user has gone to another folder or the window hid meanwhile.
    if (std::exchange(relistFolder, std::wstring()) != shownFolder || shownFolder.empty()) return;
    LaunchRequest request;
    request.owner = controller;
    request.target = shownFolder;
    controller->dispatchRequest(request);
}
